"""The proxy classes as the C++ side sees them: names, types, overloads, includes.

Built from the catalogue (catalogue.py); the emitters (emit.py) only print what this holds.
"""

import collections
import itertools

from catalogue import BINDING_PART, CatalogueError

# Identifiers that a Java name cannot keep: the C++17 keywords, the alternative tokens (which
# would force consumers onto -fno-operator-names) and the macros that C libraries define.
RESERVED = set("""
alignas alignof and and_eq asm auto bitand bitor bool break case catch char char16_t char32_t
class compl const constexpr const_cast continue decltype default delete do double dynamic_cast
else enum explicit export extern false float for friend goto if inline int long mutable
namespace new noexcept not not_eq nullptr operator or or_eq private protected public register
reinterpret_cast return short signed sizeof static static_assert static_cast struct switch
template this thread_local throw true try typedef typeid typename union unsigned using virtual
void volatile wchar_t while xor xor_eq max min
""".split())

PD = "nativepp::NativeppNewInstanceParamDiscriminator"
LOCAL = "nativepp::NativeppJObjectLocal"
OBJECT_CLASS = "nativepp::NativeppObjectClass"

# Java primitive: (C++ type, binding-layer kind, primitive value class).
PRIMITIVES = {
    "Z": ("unsigned char", "Boolean", "nativepp::NativeppBoolean"),
    "B": ("signed char", "Byte", "nativepp::NativeppByte"),
    "C": ("unsigned short", "Char", "nativepp::NativeppChar"),
    "S": ("short", "Short", "nativepp::NativeppShort"),
    "I": ("int", "Int", "nativepp::NativeppInt"),
    "J": ("long long", "Long", "nativepp::NativeppLong"),
    "F": ("float", "Float", "nativepp::NativeppFloat"),
    "D": ("double", "Double", "nativepp::NativeppDouble"),
}

# JNI reference types of their own, which get a constructor pair and an assignment.
JNI_REFERENCE_TYPES = {"java/lang/String": ["jstring"], "java/lang/Class": ["jclass"],
                       "java/lang/Throwable": ["jthrowable"]}
ARRAY_REFERENCE_TYPES = {"[B": "jbyteArray", "[I": "jintArray"}


# java::lang::String's text types, and the operands of its operator+ with the way each becomes
# a string: the text constructors, toString() for objects, String.valueOf (of the Java type
# given) for primitives; byte and short widen to int, which has a valueOf.
STRING_TEXT_TYPES = ["const char*", "const wchar_t*", "const std::string&", "const std::wstring&"]
STRING_OPERANDS = [("java::lang::String", "string"), ("java::lang::String*", "string"),
                   ("java::lang::Object", "object"), ("java::lang::Object*", "object pointer"),
                   ("const char*", "text"), ("const wchar_t*", "text"), ("std::string", "text"),
                   ("std::wstring", "text"), ("unsigned char", "Z"), ("signed char", "I"),
                   ("unsigned short", "C"), ("short", "I"), ("int", "I"), ("long long", "J"),
                   ("float", "F"), ("double", "D")]


# Java char and boolean: the test that admits a C++ argument to such a parameter's own form.
CHARACTER_ARGUMENTS = {"C": "nativepp::NativeppIfJavaChar", "Z": "nativepp::NativeppIfJavaBoolean"}


def cpp_identifier(java_name):
    return java_name + "$" if java_name in RESERVED else java_name


def qualified(slash_name):
    return slash_name.replace("/", "::")


def header_path(slash_name):
    return slash_name + ".h"


class CppType:
    """A Java type in a proxy signature: a primitive, void, or a proxy class."""

    def __init__(self, descriptor, proxy=None):
        self.descriptor, self.proxy = descriptor, proxy

    @property
    def is_object(self):
        return self.proxy is not None

    @property
    def is_void(self):
        return self.descriptor == "V"

    @property
    def spelling(self):
        if self.is_void:
            return "void"
        return self.proxy.qualified if self.is_object else PRIMITIVES[self.descriptor][0]

    @property
    def call_kind(self):
        """The binding layer's name part: callIntMethod, callObjectMethod, callVoidMethod."""
        if self.is_void:
            return "Void"
        return "Object" if self.is_object else PRIMITIVES[self.descriptor][1]

    @property
    def value_class(self):
        """The type of a field member or static-field proxy."""
        return self.proxy.qualified if self.is_object else PRIMITIVES[self.descriptor][2]

    @property
    def value_header(self):
        if self.is_object:
            return self.proxy.header
        return "nativepp/" + PRIMITIVES[self.descriptor][2].split("::")[1] + ".h"


class Param:
    def __init__(self, position, cpp_type, by_pointer):
        self.position, self.type, self.by_pointer = position, cpp_type, by_pointer

    @property
    def name(self):
        return "arg%d" % self.position

    @property
    def declaration(self):
        if self.by_pointer:
            return "%s* %s" % (self.type.spelling, self.name)
        # A proxy argument is only read: by reference, without a copy of the proxy per call.
        if self.type.is_object:
            return "const %s& %s" % (self.type.spelling, self.name)
        return "%s %s" % (self.type.spelling, self.name)

    @property
    def temporary(self):
        """A by-pointer argument goes through a proxy copy, so that null passes Java null."""
        return "value%d" % self.position if self.by_pointer else None

    @property
    def jni_argument(self):
        if not self.type.is_object:
            return self.name
        # The share keeps the global reference alive to the end of the call's full expression.
        return "%s.nativeppGetJObjectGlobal(env).getJObject()" % (self.temporary or self.name)


def overload_params(cpp_types):
    """Every by-value/by-pointer combination of the object parameters, by-value first."""
    objects = [i for i, t in enumerate(cpp_types) if t.is_object]
    for pointers in itertools.product((False, True), repeat=len(objects)):
        chosen = dict(zip(objects, pointers))
        yield [Param(i, t, chosen.get(i, False)) for i, t in enumerate(cpp_types)]


def signature_key(params):
    return tuple(p.type.spelling + ("*" if p.by_pointer else "") for p in params)


class FieldMember:
    def __init__(self, field, cpp_type, cpp_name, owner):
        self.field, self.type, self.name, self.owner = field, cpp_type, cpp_name, owner

    @property
    def member_type(self):
        # A class cannot hold its own type by value: such a field is held through a pointer.
        if self.type.proxy is self.owner:
            return "nativepp::NativeppTObjectField<%s>" % self.owner.qualified
        return self.type.value_class

    @property
    def member_header(self):
        if self.type.proxy is self.owner:
            return "nativepp/NativeppTObjectField.h"
        return self.type.value_header


class ConstructorOverload:
    def __init__(self, constructor, params, discriminated):
        self.constructor, self.params, self.discriminated = constructor, params, discriminated

    @property
    def explicit(self):
        return len(self.params) + (1 if self.discriminated else 0) == 1


class MethodOverload:
    def __init__(self, method, cpp_name, params, result, contested=False):
        self.method, self.name, self.params, self.result = method, cpp_name, params, result
        # Other Java overloads of the same name take as many arguments.
        self.contested = contested

    @property
    def static(self):
        return self.method.static

    @property
    def character_params(self):
        """The char and boolean parameters that need a form of their own: C++ promotes a
        char, char16_t or bool argument to int, which picks the int overload where there is
        one. A method without rivals takes them by conversion as it is."""
        if not self.contested:
            return []
        return [p for p in self.params if p.type.descriptor in CHARACTER_ARGUMENTS]


class ArrayShape:
    """What an array proxy stores: its element type and how new arrays are made."""

    def __init__(self, element, maker, reference_type, conversions):
        self.element = element            # CppType of an element
        self.maker = maker                # NativeppArray::newByteArray, newIntArray, newObjectArray
        self.reference_type = reference_type
        self.conversions = conversions    # array proxies of the element's proxied supertypes

    @property
    def primitive(self):
        return not self.element.is_object

    @property
    def element_class(self):
        return self.element.value_class

    @property
    def bulk_kind(self):
        return PRIMITIVES[self.element.descriptor][1]


class Proxy:
    def __init__(self, java_class):
        self.java = java_class
        self.bases = []                   # Proxy objects, or the binding part's name
        self.instance_fields, self.static_fields = [], []
        self.constructors, self.methods = [], []
        self.array = None

    name = property(lambda self: self.java.simple_name)
    qualified = property(lambda self: qualified(self.java.name))
    namespaces = property(lambda self: self.java.package.split("/"))
    header = property(lambda self: header_path(self.java.name))
    source = property(lambda self: self.java.name + ".cpp")
    is_string = property(lambda self: self.java.name == "java/lang/String")
    is_object_root = property(lambda self: self.java.name == "java/lang/Object")
    is_class_class = property(lambda self: self.java.name == "java/lang/Class")
    # The typed descriptor of Object[] throws a copy of a temporary proxy.
    thrown_through_copy = property(lambda self: self.java.name == "java/lang/ObjectJArray")

    @property
    def guard(self):
        return "PROXIES_" + self.java.name.replace("/", "_").upper() + "_H"

    @property
    def base_spellings(self):
        return [b.qualified if isinstance(b, Proxy) else qualified(b) for b in self.bases]

    @property
    def virtual_bases(self):
        """All virtual bases in the order C++ initialises them (depth first, left to right)."""
        order = []

        def visit(base):
            if isinstance(base, Proxy):
                for inner in base.bases:
                    visit(inner)
            spelling = base.qualified if isinstance(base, Proxy) else qualified(base)
            if spelling not in order:
                order.append(spelling)
        for base in self.bases:
            visit(base)
        return order

    @property
    def has_character_forms(self):
        return self.is_string or any(m.character_params for m in self.methods)

    @property
    def jni_reference_types(self):
        if self.array is not None:
            return ["jarray", self.array.reference_type]
        return JNI_REFERENCE_TYPES.get(self.java.name, [])

    @property
    def ancestors(self):
        seen, queue = [], list(self.bases)
        while queue:
            base = queue.pop(0)
            if isinstance(base, Proxy) and base not in seen:
                seen.append(base)
                queue += base.bases
        return seen

    def all_method_names(self):
        names = {m.name for m in self.java.methods}
        for ancestor in self.ancestors:
            names |= {m.name for m in ancestor.java.methods}
        return names

    def shadowed_by_copy(self, params):
        """Whether the copy constructor or T(T*) would take the call of a Java constructor
        with these parameters: a single proxy of this class or of a supertype, which an
        argument of this class converts to less directly than to the copy."""
        if len(params) != 1 or not params[0].type.is_object:
            return False
        proxy = params[0].type.proxy
        return proxy is self or proxy in self.ancestors

    def pattern_constructor_keys(self):
        """The parameter lists of the constructors every proxy has, against which a Java
        constructor must not clash; a by-value self parameter stands for the copy."""
        me = self.qualified
        keys = {(), ("jobject&", PD + "&"), (LOCAL, PD + "&"), ("jobject&",), (LOCAL,), (me,),
                (me + "*",), ("int", "const char*", OBJECT_CLASS + "*")}
        for jni_type in self.jni_reference_types:
            keys |= {(jni_type + "&",), (jni_type + "&", PD + "&")}
        return keys

    def defined_before(self):
        """The proxies whose definitions this class's definition needs: bases and by-value
        fields, transitively."""
        found, queue = [], [self]
        while queue:
            current = queue.pop(0)
            needed = [b for b in current.bases if isinstance(b, Proxy)]
            needed += [f.type.proxy for f in current.instance_fields
                       if f.type.proxy is not None and f.type.proxy is not current]
            for p in needed:
                if p not in found:
                    found.append(p)
                    queue.append(p)
        return found

    def completed_after(self):
        """The proxies that the outermost header of this class includes after its definition:
        every class named by its signatures or by those of the classes it needs defined."""
        found = []
        for p in [self] + self.defined_before():
            for r in p.referenced_proxies():
                if r is not self and r not in found:
                    found.append(r)
        return found

    def referenced_proxies(self):
        """Every proxy that a signature, field or base of this class names, itself excluded."""
        found = []

        def add(p):
            if p is not None and p is not self and p not in found:
                found.append(p)
        for base in self.bases:
            add(base if isinstance(base, Proxy) else None)
        for f in self.instance_fields + self.static_fields:
            add(f.type.proxy)
        for c in self.constructors:
            for p in c.params:
                add(p.type.proxy)
        for m in self.methods:
            add(m.result.proxy)
            for p in m.params:
                add(p.type.proxy)
        if self.array is not None:
            add(self.array.element.proxy)
            for target in self.array.conversions:
                add(target)
        return found


class Model:
    def __init__(self, cat):
        self.catalogue = cat
        self.proxies = [Proxy(c) for c in cat.classes]
        # The proxies to write: those of other catalogues exist already.
        self.emitted = [p for p in self.proxies if not p.java.external]
        self.by_name = {p.java.name: p for p in self.proxies}
        for proxy in self.proxies:
            proxy.bases = [self.by_name[b] if b in self.by_name else self.binding_part(b, proxy)
                           for b in proxy.java.bases]
        for proxy in self.proxies:
            self.build_members(proxy)
        for proxy in self.proxies:
            if proxy.java.kind == "array":
                proxy.array = self.array_shape(proxy)

    @staticmethod
    def binding_part(name, proxy):
        if name != BINDING_PART:
            raise CatalogueError("%s: base %s is not proxied" % (proxy.java.name, name))
        return name

    def cpp_type(self, descriptor, where):
        if descriptor == "V" or descriptor in PRIMITIVES:
            return CppType(descriptor)
        java_class = self.catalogue.proxy_of_type(descriptor)
        if java_class is None:
            raise CatalogueError("%s: the type %s has no proxy" % (where, descriptor))
        return CppType(descriptor, self.by_name[java_class.name])

    def build_members(self, proxy):
        where = proxy.java.name
        method_names = proxy.all_method_names()
        for field in proxy.java.fields:
            name = cpp_identifier(field.name)
            if field.name in method_names and not name.endswith("$"):
                name += "$"
            member = FieldMember(field, self.cpp_type(field.type, where), name, proxy)
            (proxy.static_fields if field.static else proxy.instance_fields).append(member)
        clashes = proxy.pattern_constructor_keys()
        for constructor in proxy.java.constructors:
            types = [self.cpp_type(t, where) for t in constructor.params]
            for params in overload_params(types):
                clash = signature_key(params) in clashes or proxy.shadowed_by_copy(params)
                proxy.constructors.append(ConstructorOverload(constructor, params, clash))
        arities = collections.Counter((m.name, len(m.params)) for m in proxy.java.methods)
        for method in proxy.java.methods:
            types = [self.cpp_type(t, where) for t in method.params]
            result = self.cpp_type(method.result, where)
            contested = arities[(method.name, len(method.params))] > 1
            for params in overload_params(types):
                proxy.methods.append(MethodOverload(method, cpp_identifier(method.name), params, result, contested))
        self.check_unique_overloads(proxy)

    @staticmethod
    def check_unique_overloads(proxy):
        seen = set()
        for c in proxy.constructors:
            key = ("<init>", signature_key(c.params) + ((PD + "&",) if c.discriminated else ()))
            if key in seen:
                raise CatalogueError("%s: two constructors with the same C++ parameters" % proxy.java.name)
            seen.add(key)
        for m in proxy.methods:
            key = (m.name, signature_key(m.params))
            if key in seen:
                raise CatalogueError("%s: two overloads of %s with the same C++ parameters"
                                     % (proxy.java.name, m.name))
            seen.add(key)

    def array_shape(self, proxy):
        descriptor = proxy.java.class_name
        element_descriptor = descriptor[1:]
        if element_descriptor in PRIMITIVES:
            kind = PRIMITIVES[element_descriptor][1]
            if descriptor not in ARRAY_REFERENCE_TYPES:
                raise CatalogueError("%s: no JNI type for %s" % (proxy.java.name, descriptor))
            return ArrayShape(CppType(element_descriptor), "new%sArray" % kind,
                              ARRAY_REFERENCE_TYPES[descriptor], [])
        if proxy.java.element is None or "L%s;" % proxy.java.element != element_descriptor:
            raise CatalogueError("%s: element class does not match %s" % (proxy.java.name, descriptor))
        element = self.cpp_type(element_descriptor, proxy.java.name)
        conversions = [self.array_of(ancestor) for ancestor in element.proxy.ancestors]
        return ArrayShape(element, "newObjectArray", "jobjectArray", [c for c in conversions if c])

    def array_of(self, element_proxy):
        java_class = self.catalogue.proxy_of_type("[L%s;" % element_proxy.java.name)
        return self.by_name[java_class.name] if java_class is not None else None

    def string_value_of(self, java_type):
        """The String.valueOf overload that takes the Java primitive java_type."""
        string = self.by_name["java/lang/String"]
        for m in string.methods:
            if m.static and m.method.name == "valueOf" and m.method.params == [java_type]:
                return m
        raise CatalogueError("java/lang/String has no valueOf(%s)" % java_type)

    def string_operands(self):
        """(operand type, conversion, valueOf overload or None) for String's operator+."""
        return [(t, how, self.string_value_of(how) if how in PRIMITIVES else None)
                for t, how in STRING_OPERANDS]
