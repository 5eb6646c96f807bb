#!/usr/bin/env python3
"""Checks the catalogue against the platform and against the class list it must hold.

Every member must exist in the JDK (declared by the class or inherited, as JNI's lookups find
it) with its descriptor and staticness, except those marked absent, which must not exist;
every base must be a supertype; and each class must have exactly its expected numbers of
fields, constructors and methods. Uses javap of the host JDK ($JAVAP overrides it).

    python3 proxies/generator/check_catalogue.py
    python3 proxies/generator/check_catalogue.py CATALOGUE [KNOWN CATALOGUE...]

The first form checks the platform catalogue and that of the common classes (proxies/common.txt);
the second another catalogue, whose bases and types the known catalogues may proxy. The
numbers of members are fixed for the platform catalogue only.
"""

import os
import sys

import catalogue
import javap

# Fields, constructors and methods of each proxy class.
EXPECTED_COUNTS = {
    "java/lang/ByteJArray": (0, 0, 0),
    "java/lang/CharSequence": (0, 0, 4),
    "java/lang/CharSequenceJArray": (0, 0, 0),
    "java/lang/Class": (0, 0, 18),
    "java/lang/ClassLoader": (0, 2, 16),
    "java/lang/ClassNotFoundException": (0, 3, 2),
    "java/lang/Cloneable": (0, 0, 0),
    "java/lang/Comparable": (0, 0, 1),
    "java/lang/ComparableJArray": (0, 0, 0),
    "java/lang/Exception": (0, 4, 0),
    "java/lang/IntJArray": (0, 0, 0),
    "java/lang/Integer": (3, 2, 24),
    "java/lang/Number": (0, 1, 6),
    "java/lang/Object": (0, 1, 7),
    "java/lang/ObjectJArray": (0, 0, 0),
    "java/lang/RuntimeException": (0, 4, 0),
    "java/lang/String": (0, 7, 46),
    "java/lang/StringBuffer": (0, 3, 35),
    "java/lang/StringJArray": (0, 0, 0),
    "java/lang/System": (3, 0, 19),
    "java/lang/Throwable": (0, 4, 8),
    "java/io/ByteArrayInputStream": (4, 2, 8),
    "java/io/ByteArrayOutputStream": (2, 2, 9),
    "java/io/File": (4, 3, 33),
    "java/io/FileInputStream": (0, 2, 7),
    "java/io/FilterOutputStream": (1, 1, 5),
    "java/io/InputStream": (0, 1, 9),
    "java/io/OutputStream": (0, 1, 5),
    "java/io/PrintStream": (0, 2, 23),
    "java/io/Serializable": (0, 0, 0),
    "java/io/SerializableJArray": (0, 0, 0),
    "java/util/Date": (0, 6, 28),
    "java/util/Dictionary": (0, 1, 5),
    "java/util/Hashtable": (0, 4, 15),
    "java/util/Map": (0, 0, 11),
    "java/util/Properties": (1, 2, 7),
    "java/text/DateFormat": (23, 1, 14),
    "java/text/Format": (0, 1, 3),
    "java/text/SimpleDateFormat": (0, 2, 9),
    "java/math/BigInteger": (2, 4, 42),
    "java/security/Key": (1, 0, 3),
    "java/security/MessageDigest": (0, 1, 13),
    "java/security/MessageDigestSpi": (0, 1, 5),
    "java/security/Principal": (0, 0, 4),
    "java/security/Provider": (0, 1, 9),
    "java/security/PublicKey": (1, 0, 0),
    "java/security/Security": (0, 0, 7),
    "java/security/cert/Certificate": (0, 1, 6),
    "java/security/cert/CertificateFactory": (0, 0, 5),
    "java/security/cert/X509Certificate": (0, 1, 12),
    "java/security/cert/X509Extension": (0, 0, 2),
    "javax/crypto/Cipher": (7, 0, 21),
}
EXPECTED_TOTALS = {"classes": 52, "fields": 52, "constructors": 71, "methods": 506}
EXPECTED_KINDS = {"class": 36, "interface": 9, "array": 7}


def check_counts(cat):
    problems = []
    names = [c.name for c in cat.classes]
    for missing in sorted(set(EXPECTED_COUNTS) - set(names)):
        problems.append("missing class " + missing)
    for extra in sorted(set(names) - set(EXPECTED_COUNTS)):
        problems.append("unexpected class " + extra)
    if len(names) != len(set(names)):
        problems.append("a class is listed twice")
    for c in cat.classes:
        counts = (len(c.fields), len(c.constructors), len(c.methods))
        expected = EXPECTED_COUNTS.get(c.name, counts)
        if counts != expected:
            problems.append("%s has %d/%d/%d members, expected %d/%d/%d"
                            % ((c.name,) + counts + expected))
        if c.kind != "class" and c.constructors:
            problems.append("%s: only classes have constructors" % c.name)
    totals = {"classes": len(names),
              "fields": sum(len(c.fields) for c in cat.classes),
              "constructors": sum(len(c.constructors) for c in cat.classes),
              "methods": sum(len(c.methods) for c in cat.classes)}
    if totals != EXPECTED_TOTALS:
        problems.append("totals %s, expected %s" % (totals, EXPECTED_TOTALS))
    kinds = {k: sum(1 for c in cat.classes if c.kind == k) for k in EXPECTED_KINDS}
    if kinds != EXPECTED_KINDS:
        problems.append("kinds %s, expected %s" % (kinds, EXPECTED_KINDS))
    return problems


def supertypes(name):
    seen, queue = set(), [name]
    while queue:
        current = queue.pop(0)
        if current not in seen:
            seen.add(current)
            queue += javap.load(current).supertypes
    return (seen | {"java/lang/Object"}) - {name}


def check_bases(cat):
    problems = []
    for c in cat.classes:
        for base in c.bases:
            if base not in cat.by_name and base != catalogue.BINDING_PART:
                problems.append("%s: base %s is not proxied" % (c.name, base))
        if c.kind == "array" or c.name == "java/lang/Object" or c.external:
            continue
        for base in c.bases:
            if base in cat.by_name and cat.by_name[base].class_name not in supertypes(c.class_name):
                problems.append("%s: %s is not one of its supertypes" % (c.name, base))
    return problems


def types_of(member):
    if isinstance(member, catalogue.Field):
        return [member.type]
    return member.params + ([member.result] if isinstance(member, catalogue.Method) else [])


def check_types(cat, c):
    problems = []
    for member in c.members:
        for t in types_of(member):
            if t not in catalogue.PRIMITIVES + "V" and cat.proxy_of_type(t) is None:
                problems.append("%s: %s uses the unproxied type %s"
                                % (c.name, getattr(member, "name", "<init>"), t))
    return problems


def check_members(c):
    problems = []
    kinds = [("field", f.name, f.type, f.static, False) for f in c.fields]
    kinds += [("constructor", "<init>", k.descriptor, False, False) for k in c.constructors]
    kinds += [("method", m.name, m.descriptor, m.static, m.absent) for m in c.methods]
    for kind, name, descriptor, static, absent in kinds:
        found = javap.resolve(c.class_name, kind, name, descriptor)
        label = "%s %s %s %s" % (c.name, kind, name, descriptor)
        if absent:
            if found is not None:
                problems.append(label + " is marked absent but exists")
        elif found is None:
            problems.append(label + " does not exist")
        elif found[1].static != static:
            problems.append(label + (" is static" if found[1].static else " is not static"))
    return problems


def check(cat, pinned):
    javap.preload_with_supertypes(c.class_name for c in cat.classes if c.kind != "array")
    problems = (check_counts(cat) if pinned else []) + check_bases(cat)
    for c in cat.classes:
        if c.kind != "array" and not c.external:
            problems += check_types(cat, c) + check_members(c)
    for problem in problems:
        print(problem)
    own = [c for c in cat.classes if not c.external]
    members = sum(len(c.members) for c in own)
    absent = sum(1 for c in own for m in c.methods if m.absent)
    print("%d classes, %d members (%d absent): %s"
          % (len(own), members, absent, "%d problems" % len(problems) if problems else "all checked"))
    return 1 if problems else 0


def main(argv):
    if len(argv) > 1:
        return check(catalogue.load(argv[1]).with_known([catalogue.load(k) for k in argv[2:]]), False)
    common = os.path.join(os.path.dirname(catalogue.CATALOGUE), "common.txt")
    return (check(catalogue.load(), True)
            | check(catalogue.load(common).with_known([catalogue.load()]), False))


if __name__ == "__main__":
    sys.exit(main(sys.argv))
