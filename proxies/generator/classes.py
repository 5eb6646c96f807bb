"""A catalogue of classes read with javap from a class path: their public fields, constructors
and methods, with bases and types resolved against the proxies that exist already.

A reference type without a proxy becomes its nearest proxied supertype (java/lang/Object at
worst), written as an "unproxied" line. A field keeps only a type proxied as it is: the binding
layer looks a field up by the signature of its proxy class.
"""

import javap
from catalogue import PRIMITIVES, split_descriptor

OBJECT = "java/lang/Object"
OBJECT_ARRAY = "[Ljava/lang/Object;"


class Resolver:
    def __init__(self, proxied):
        self.proxied = set(proxied)   # class names (and array descriptors) that have a proxy
        self.seen_as = {}             # unproxied class name -> proxied supertype

    def supertypes(self, name):
        try:
            return javap.load(name).supertypes
        except Exception:             # not on the class path: only Object is certain
            return []

    def nearest(self, name):
        """name if proxied, else its nearest proxied supertype, breadth first."""
        queue, seen = [name], set()
        while queue:
            current = queue.pop(0)
            if current in self.proxied:
                return current
            if current not in seen:
                seen.add(current)
                queue += self.supertypes(current)
        return OBJECT

    def class_name(self, descriptor):
        """The proxied class name standing for a type descriptor; None for a primitive."""
        if descriptor in PRIMITIVES or descriptor == "V":
            return None
        if descriptor.startswith("L"):
            name = descriptor[1:-1]
            proxy = self.nearest(name)
        else:
            name = descriptor
            # Java arrays of references are Object[]; those of primitives only Objects.
            proxy = name if name in self.proxied else (
                OBJECT_ARRAY if name[1] in "L[" and OBJECT_ARRAY in self.proxied else OBJECT)
        if proxy != name:
            self.seen_as[name] = proxy
        return proxy

    def ancestors(self, name):
        found, queue = set(), list(self.supertypes(name))
        while queue:
            current = queue.pop(0)
            if current not in found:
                found.add(current)
                queue += self.supertypes(current)
        return found | {OBJECT}

    def bases(self, java_type):
        """The nearest proxied supertypes, less those that another of them derives from."""
        found = []
        for supertype in java_type.supertypes or [OBJECT]:
            base = self.nearest(supertype)
            if base not in found:
                found.append(base)
        return [b for b in found if not any(b != o and b in self.ancestors(o) for o in found)]


def member_line(member):
    static = "static " if member.static else ""
    if member.kind == "field":
        return "    %sfield %s %s" % (static, member.name, member.descriptor)
    if member.kind == "constructor":
        return "    constructor %s" % member.descriptor
    return "    %smethod %s %s" % (static, member.name, member.descriptor)


def class_text(java_type, resolver):
    kind = "interface" if java_type.interface else "class"
    lines = ["%s %s : %s" % (kind, java_type.name, " ".join(resolver.bases(java_type)))]
    taken = {}
    for member in java_type.members:
        if member.access != "public":
            continue
        if member.kind == "field":
            t = member.descriptor
            if t not in PRIMITIVES and (t[1:-1] if t.startswith("L") else t) not in resolver.proxied:
                lines.append("    # left out, its type has no proxy: %s" % member_line(member).strip())
                continue
        else:
            params, result = split_descriptor(member.descriptor)
            key = (member.name, tuple(resolver.class_name(p) or p for p in params))
            rival = taken.setdefault(key, member)
            if rival is not member:
                lines.append("    # left out, the same C++ parameters as %s: %s"
                             % (rival.descriptor, member_line(member).strip()))
                continue
            resolver.class_name(result)
        lines.append(member_line(member))
    return lines


def catalogue_text(class_names, known, class_path):
    """The catalogue of the classes named (binary names, "com.example.Outer$Inner"), with the
    catalogues known resolving what they proxy."""
    names = [n.replace(".", "/") for n in class_names]
    javap.CLASS_PATH = class_path
    javap.preload_with_supertypes(names)
    proxied = {c.class_name for k in known for c in k.classes} | set(names)
    resolver = Resolver(proxied)
    lines = ["# The public fields, constructors and methods of these classes, as javap reads them"]
    lines += ["# from %s:" % (class_path or "the platform")] + ["#   " + n for n in class_names] + [""]
    for name in names:
        lines += class_text(javap.load(name), resolver) + [""]
    if resolver.seen_as:
        lines.append("# Types without a proxy, and the proxied supertype that stands for each.")
    lines += ["unproxied %s : %s" % item for item in sorted(resolver.seen_as.items())]
    return "\n".join(lines).rstrip("\n") + "\n"
