"""The members that a JDK declares, read from `javap -s -p` output."""

import os
import re
import subprocess

JAVAP = os.environ.get("JAVAP", "/usr/lib/jvm/java-17-openjdk-amd64/bin/javap")
# Where javap finds classes beside the platform's; None for the platform alone.
CLASS_PATH = None

MODIFIERS = {"public", "protected", "private", "static", "final", "abstract", "native",
             "synchronized", "transient", "volatile", "default", "strictfp"}


class Declared:
    """One member line of javap: kind is "field", "constructor" or "method"."""

    def __init__(self, kind, name, descriptor, static, access):
        self.kind, self.name, self.descriptor = kind, name, descriptor
        self.static, self.access = static, access


class JavaType:
    def __init__(self, name, supertypes, members, interface=False):
        self.name, self.supertypes, self.members = name, supertypes, members
        self.interface = interface


def strip_generics(text):
    depth, out = 0, []
    for ch in text:
        if ch == "<":
            depth += 1
        elif ch == ">":
            depth -= 1
        elif depth == 0:
            out.append(ch)
    return "".join(out)


def parse_header(line):
    header = strip_generics(line).rstrip(" {")
    supertypes = []
    for keyword in ("extends", "implements"):
        m = re.search(r"\b%s\s+(.*?)(?:\s+implements\b|$)" % keyword, header)
        if m:
            supertypes += [s.strip().replace(".", "/") for s in m.group(1).split(",")]
    return supertypes


def parse_member(line, descriptor, java_name):
    text = strip_generics(line.strip().rstrip(";"))
    text = re.sub(r"\s+throws\s+.*$", "", text)
    head = text.split("(")[0].split()
    modifiers = [t for t in head if t in MODIFIERS]
    access = next((m for m in modifiers if m in ("public", "protected", "private")), "package")
    static = "static" in modifiers
    name = head[-1]
    if "(" not in text:
        return Declared("field", name, descriptor, static, access)
    if name == java_name:
        return Declared("constructor", "<init>", descriptor, False, access)
    return Declared("method", name, descriptor, static, access)


_loaded = {}


def parse_class(jni_name, text):
    java_name = jni_name.replace("/", ".")
    header = next(l for l in text if re.search(r"\b(class|interface) ", l))
    members, pending = [], None
    for line in text:
        stripped = line.strip()
        if stripped.startswith("descriptor:"):
            if pending is not None and not pending.strip().startswith("static {}"):
                members.append(parse_member(pending, stripped.split(":", 1)[1].strip(), java_name))
            pending = None
        elif stripped and stripped != "}" and line is not header and line.startswith("  "):
            pending = line
    supertypes = parse_header(header)
    if " class " in header and " extends " not in header and jni_name != "java/lang/Object":
        supertypes.insert(0, "java/lang/Object")
    return JavaType(jni_name, supertypes, members, re.search(r"\binterface ", header) is not None)


def preload(jni_names):
    """Reads many types with one javap run: each run starts a JVM."""
    wanted = [n for n in dict.fromkeys(jni_names) if n not in _loaded]
    if not wanted:
        return
    class_path = ["-cp", CLASS_PATH] if CLASS_PATH else []
    output = subprocess.run([JAVAP, "-s", "-p"] + class_path + [n.replace("/", ".") for n in wanted],
                            check=True, capture_output=True, text=True).stdout.splitlines()
    starts = [i for i, line in enumerate(output) if line.startswith("Compiled from")]
    if len(starts) != len(wanted):
        raise RuntimeError("javap printed %d classes for %d names" % (len(starts), len(wanted)))
    for name, start, end in zip(wanted, starts, starts[1:] + [len(output)]):
        _loaded[name] = parse_class(name, output[start:end])


def preload_with_supertypes(jni_names):
    names = list(jni_names)
    while names:
        preload(names)
        names = [s for n in names for s in _loaded[n].supertypes if s not in _loaded]


def load(jni_name):
    """The type named "java/lang/String": its direct supertypes and declared members."""
    if jni_name not in _loaded:
        preload([jni_name])
    return _loaded[jni_name]


def resolve(jni_name, kind, name, descriptor):
    """The member as JNI's lookup finds it: declared here or by a supertype; None if absent."""
    seen, queue = set(), [jni_name]
    while queue:
        current = queue.pop(0)
        if current in seen:
            continue
        seen.add(current)
        java_type = load(current)
        for member in java_type.members:
            if (member.kind, member.name, member.descriptor) == (kind, name, descriptor):
                return current, member
        if kind != "constructor":
            queue += java_type.supertypes
    return None
