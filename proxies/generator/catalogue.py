"""The catalogue of proxied Java classes (proxies/catalogue.txt) as objects.

This module knows the file format and the Java side only: JNI names, descriptors, indices.
What the C++ side makes of them is the generator's business.
"""

import os

CATALOGUE = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "catalogue.txt")

BINDING_PART = "nativepp/NativeppObject"
PRIMITIVES = "ZBCSIJFD"


class CatalogueError(Exception):
    pass


def split_descriptor(descriptor):
    """"(I[BLjava/lang/String;)V" -> (["I", "[B", "Ljava/lang/String;"], "V")."""
    if not descriptor.startswith("(") or ")" not in descriptor:
        raise CatalogueError("not a method descriptor: " + descriptor)
    inner, result = descriptor[1:].split(")", 1)
    params, i = [], 0
    while i < len(inner):
        end = i
        while inner[end] == "[":
            end += 1
        if inner[end] == "L":
            end = inner.index(";", end)
        elif inner[end] not in PRIMITIVES:
            raise CatalogueError("bad type in " + descriptor)
        params.append(inner[i:end + 1])
        i = end + 1
    return params, result


class Field:
    def __init__(self, index, name, static, type_descriptor):
        self.index, self.name, self.static, self.type = index, name, static, type_descriptor


class Constructor:
    def __init__(self, index, descriptor):
        self.index, self.descriptor = index, descriptor
        self.params, _ = split_descriptor(descriptor)


class Method:
    def __init__(self, index, name, static, descriptor, absent):
        self.index, self.name, self.static, self.descriptor = index, name, static, descriptor
        self.absent = absent
        self.params, self.result = split_descriptor(descriptor)


class JavaClass:
    """One entry: kind is "class", "interface" or "array"."""

    def __init__(self, kind, name, class_name, bases, element=None):
        self.kind = kind
        self.name = name                # the proxy, slash-separated: "java/lang/StringJArray"
        self.class_name = class_name    # registry key: "java/lang/String", "[Ljava/lang/String;"
        self.bases = bases
        self.element = element          # element class name of an object array
        self.fields, self.constructors, self.methods = [], [], []
        self.external = False           # proxied already, by another catalogue: not generated

    @property
    def signature(self):
        return self.class_name if self.kind == "array" else "L%s;" % self.class_name

    @property
    def package(self):
        return self.name.rsplit("/", 1)[0]

    @property
    def simple_name(self):
        return self.name.rsplit("/", 1)[1]

    @property
    def members(self):
        return self.fields + self.constructors + self.methods


class Catalogue:
    def __init__(self, classes, seen_as=None):
        self.classes = classes
        self.by_name = {c.name: c for c in classes}
        self.by_class_name = {c.class_name: c for c in classes}
        # Types without a proxy of their own: class name -> that of their nearest proxied supertype.
        self.seen_as = dict(seen_as or {})

    def proxy_of_type(self, type_descriptor):
        """The proxy entry for an object or array type descriptor, or None."""
        key = type_descriptor[1:-1] if type_descriptor.startswith("L") else type_descriptor
        return self.by_class_name.get(key) or self.by_class_name.get(self.seen_as.get(key))

    def with_known(self, known):
        """This catalogue with the classes of the catalogues known, marked external: their
        proxies exist already, and this one's resolve bases and types against them."""
        classes = []
        for other in known:
            for c in other.classes:
                c.external = True
                classes.append(c)
        names = {c.name for c in classes}
        for c in self.classes:
            if c.name in names:
                raise CatalogueError("%s is proxied already" % c.name)
        seen_as = {}
        for other in known + [self]:
            seen_as.update(other.seen_as)
        return Catalogue(classes + self.classes, seen_as)


def parse_entry(words, where):
    if ":" not in words:
        raise CatalogueError(where + ": an entry names its bases after ':'")
    colon = words.index(":")
    head, bases = words[:colon], words[colon + 1:]
    kind = head[0]
    # A nested class's proxy is named Outer_Inner, beside Outer: C++ names take no '$'.
    bases = [b.replace("$", "_") for b in bases]
    if kind in ("class", "interface") and len(head) == 2:
        return JavaClass(kind, head[1].replace("$", "_"), head[1], bases)
    if kind == "array" and len(head) == 3:
        return JavaClass(kind, head[1], head[2], bases)
    if kind == "array" and len(head) == 5 and head[3] == "element":
        return JavaClass(kind, head[1], head[2], bases, head[4])
    raise CatalogueError(where + ": cannot read entry " + " ".join(words))


def parse_member(cls, words, where):
    static = words[0] == "static"
    if static:
        words = words[1:]
    absent = words[-1] == "absent"
    if absent:
        words = words[:-1]
    kind = words[0]
    if kind == "field" and len(words) == 3 and not absent:
        cls.fields.append(Field(len(cls.fields), words[1], static, words[2]))
    elif kind == "constructor" and len(words) == 2 and not static and not absent:
        cls.constructors.append(Constructor(len(cls.constructors), words[1]))
    elif kind == "method" and len(words) == 3:
        cls.methods.append(Method(len(cls.methods), words[1], static, words[2], absent))
    else:
        raise CatalogueError(where + ": cannot read member " + " ".join(words))


def parse(text, source="catalogue"):
    classes, current, seen_as = [], None, {}
    for number, line in enumerate(text.splitlines(), 1):
        where = "%s:%d" % (source, number)
        content = line.split("#", 1)[0].rstrip()
        if not content:
            continue
        words = content.split()
        if words[0] == "unproxied" and len(words) == 4 and words[2] == ":":
            seen_as[words[1]] = words[3]
            current = None
        elif not line[0].isspace():
            current = parse_entry(words, where)
            classes.append(current)
        elif current is None:
            raise CatalogueError(where + ": member before the first entry")
        else:
            parse_member(current, words, where)
    return Catalogue(classes, seen_as)


def load(path=CATALOGUE):
    with open(path, encoding="utf-8") as f:
        return parse(f.read(), os.path.basename(path))
