#ifndef TESTS_NATIVE_NATIVEPPPROXYPATTERN_H
#define TESTS_NATIVE_NATIVEPPPROXYPATTERN_H

// The members that every proxy class has, for the tests' hand-written proxies of their own
// Java classes (the platform proxies are generated, proxies/generator): the binding
// constructors, assignment, identity comparison and cast$.

#include <jni.h>

#include "nativepp/NativeppConstructor.h"
#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppJObjectLocal.h"
#include "nativepp/NativeppNewInstanceParamDiscriminator.h"
#include "nativepp/NativeppObject.h"
#include "nativepp/NativeppTObjectClass.h"

namespace java {
namespace lang {
class Object;
}  // namespace lang
}  // namespace java

// Ownership: T(T*) and operator=(T*) may consume the proxy they are given (it is deleted when
// it is an instance proxy or a reference marked must-be-deleted), so hand them only a proxy
// made with new and do not use it afterwards. T(const T&), operator=(const T&), cast$ and
// the comparisons never take ownership of their argument.
#define NATIVEPP_PROXY_MEMBERS(T)                                                                  \
public:                                                                                            \
    static nativepp::NativeppTObjectClass<T> nativeppClass;                                        \
    T();                                                                                           \
    T(jobject& obj, nativepp::NativeppNewInstanceParamDiscriminator& pd);                          \
    T(const nativepp::NativeppJObjectLocal& obj, nativepp::NativeppNewInstanceParamDiscriminator& pd); \
    T(jobject& obj);                                                                               \
    T(const nativepp::NativeppJObjectLocal& obj);                                                  \
    T(const T& other);                                                                             \
    T(T* other);                                                                                   \
    T(int index, const char* name, nativepp::NativeppObjectClass* owner);                          \
    ~T() override;                                                                                 \
    nativepp::NativeppObjectClass* nativeppGetClass() override;                                    \
    void nativeppInitFields();                                                                     \
    T& operator=(jobject& obj);                                                                    \
    T& operator=(const T& other);                                                                  \
    T& operator=(T* other);                                                                        \
    bool operator==(T& other);                                                                     \
    bool operator==(T* other);                                                                     \
    bool operator==(jobject& obj);                                                                 \
    bool operator!=(T& other);                                                                     \
    bool operator!=(T* other);                                                                     \
    bool operator!=(jobject& obj);                                                                 \
    static T cast$(java::lang::Object object);                                                     \
    static T cast$(java::lang::Object* object);

// BASES: the initialisers of every proxy base, the binding part first, so that the copy
// constructor names them all. For a class without instance fields.
#define NATIVEPP_PROXY_DEFINITIONS(T, CLASS_NAME, SIGNATURE, FIELDS, CONSTRUCTORS, METHODS, ...)     \
    nativepp::NativeppTObjectClass<T> T::nativeppClass(CLASS_NAME, SIGNATURE, FIELDS, CONSTRUCTORS, \
                                                       METHODS);                                    \
    NATIVEPP_PROXY_BINDING_DEFINITIONS(T, __VA_ARGS__)                                             \
    void T::nativeppInitFields() {}

// The members above except the descriptor and nativeppInitFields(), which a class with
// instance fields or an array class defines itself.
#define NATIVEPP_PROXY_BINDING_DEFINITIONS(T, ...)                                                 \
    T::T() { nativeppInitFields(); }                                                               \
    T::T(jobject& obj, nativepp::NativeppNewInstanceParamDiscriminator&) {                         \
        nativeppInitFields();                                                                      \
        nativeppInitObject(obj);                                                                   \
    }                                                                                              \
    T::T(const nativepp::NativeppJObjectLocal& obj, nativepp::NativeppNewInstanceParamDiscriminator&) { \
        nativeppInitFields();                                                                      \
        nativeppInitObject(obj);                                                                   \
    }                                                                                              \
    T::T(jobject& obj) {                                                                           \
        nativeppInitFields();                                                                      \
        nativeppInitObjectReference(obj);                                                          \
    }                                                                                              \
    T::T(const nativepp::NativeppJObjectLocal& obj) {                                              \
        nativeppInitFields();                                                                      \
        nativeppInitObjectReference(obj);                                                          \
    }                                                                                              \
    T::T(const T& other) : __VA_ARGS__ {                                                           \
        nativeppInitFields();                                                                      \
        nativeppInitObjectReference(other);                                                        \
    }                                                                                              \
    T::T(T* other) {                                                                               \
        nativeppInitFields();                                                                      \
        nativeppInitObjectReference(other);                                                        \
    }                                                                                              \
    T::T(int index, const char* name, nativepp::NativeppObjectClass* owner) {                      \
        nativeppInitFields();                                                                      \
        nativeppInitFieldNamedStatic(index, name, owner);                                          \
    }                                                                                              \
    T::~T() {}                                                                                     \
    nativepp::NativeppObjectClass* T::nativeppGetClass() { return &nativeppClass; }                \
    T& T::operator=(jobject& obj) {                                                                \
        nativeppAssign(obj);                                                                       \
        return *this;                                                                              \
    }                                                                                              \
    T& T::operator=(const T& other) {                                                              \
        nativeppAssign(other);                                                                     \
        return *this;                                                                              \
    }                                                                                              \
    T& T::operator=(T* other) {                                                                    \
        nativeppAssign(other);                                                                     \
        return *this;                                                                              \
    }                                                                                              \
    bool T::operator==(T& other) { return nativeppEqualRef(&other); }                              \
    bool T::operator==(T* other) { return nativeppEqualRef(other); }                               \
    bool T::operator==(jobject& obj) { return nativeppEqualRef(obj); }                             \
    bool T::operator!=(T& other) { return nativeppNotEqualRef(&other); }                           \
    bool T::operator!=(T* other) { return nativeppNotEqualRef(other); }                            \
    bool T::operator!=(jobject& obj) { return nativeppNotEqualRef(obj); }                          \
    T T::cast$(java::lang::Object object) {                                                        \
        return T(object.nativeppGetJObjectLocalWrapper(nativeppGetJNIEnv()));                      \
    }                                                                                              \
    T T::cast$(java::lang::Object* object) {                                                       \
        if (object == nullptr) {                                                                   \
            return T(nativepp::NativeppJObjectLocal());                                            \
        }                                                                                          \
        return T(object->nativeppGetJObjectLocalWrapper(nativeppGetJNIEnv()));                     \
    }

// A proxy constructor that runs the Java constructor number INDEX with SIGNATURE and binds
// the new object in instance mode; the Java arguments follow.
#define NATIVEPP_PROXY_JAVA_CONSTRUCTOR_BODY(INDEX, SIGNATURE, ...)                                \
    {                                                                                              \
        nativeppInitFields();                                                                      \
        JNIEnv* env = nativeppGetJNIEnv();                                                         \
        nativeppInitObject(nativepp::NativeppConstructor::callConstructor(env, INDEX, SIGNATURE,   \
                                                                          &nativeppClass, ##__VA_ARGS__), \
                           env);                                                                   \
    }

#endif
