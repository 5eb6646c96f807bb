#ifndef PROXIES_NATIVEPPARRAYPROXYPATTERN_H
#define PROXIES_NATIVEPPARRAYPROXYPATTERN_H

// The members that every array proxy adds to those of every proxy, in one place until a
// generator writes them out per class: the element store and the live length, the hooks
// through which the store makes its elements, indexing, and the constructors and
// assignments from the array's own JNI reference types.

#include <jni.h>

#include "NativeppProxyPattern.h"
#include "nativepp/NativeppArray.h"
#include "nativepp/NativeppArrayLengthField.h"
#include "nativepp/NativeppTArray.h"

// T: the array proxy; E: its element proxy or primitive value class; JARRAY: the JNI
// reference type of the array (jintArray, jobjectArray).
#define NATIVEPP_ARRAY_PROXY_MEMBERS(T, E, JARRAY)                                                 \
public:                                                                                            \
    T(jarray& obj, nativepp::NativeppNewInstanceParamDiscriminator& pd);                           \
    T(jarray& obj);                                                                                \
    T& operator=(jarray& obj);                                                                     \
    T(JARRAY& obj, nativepp::NativeppNewInstanceParamDiscriminator& pd);                           \
    T(JARRAY& obj);                                                                                \
    T& operator=(JARRAY& obj);                                                                     \
    /* A new Java array of length elements, bound in instance mode. */                             \
    explicit T(int length);                                                                        \
    /* Element i, made on first use and bound to element i of the current array. */                \
    E& operator[](int i);                                                                          \
    virtual void nativeppDeleteCompArray(E* elements);                                             \
    virtual E* nativeppNewCompArrayAux(int n);                                                     \
    virtual void nativeppInitArrayAuxElement(int i, E* elements);                                  \
    nativepp::NativeppTArray<T, E> nativeppArray;                                                  \
    nativepp::NativeppArrayLengthField length;

// NEW_ARRAY: the expression that makes a new Java array of `length` elements.
#define NATIVEPP_ARRAY_PROXY_DEFINITIONS(T, E, JARRAY, NEW_ARRAY)                                  \
    void T::nativeppInitFields() {                                                                 \
        length.nativeppInitField(this);                                                            \
        nativeppArray.setParent(this);                                                             \
    }                                                                                              \
    T::T(jarray& obj, nativepp::NativeppNewInstanceParamDiscriminator&) {                          \
        nativeppInitFields();                                                                      \
        nativeppInitObject(obj);                                                                   \
    }                                                                                              \
    T::T(jarray& obj) {                                                                            \
        nativeppInitFields();                                                                      \
        nativeppInitObjectReference(obj);                                                          \
    }                                                                                              \
    T& T::operator=(jarray& obj) {                                                                 \
        nativeppAssign(obj);                                                                       \
        return *this;                                                                              \
    }                                                                                              \
    T::T(JARRAY& obj, nativepp::NativeppNewInstanceParamDiscriminator&) {                          \
        nativeppInitFields();                                                                      \
        nativeppInitObject(obj);                                                                   \
    }                                                                                              \
    T::T(JARRAY& obj) {                                                                            \
        nativeppInitFields();                                                                      \
        nativeppInitObjectReference(obj);                                                          \
    }                                                                                              \
    T& T::operator=(JARRAY& obj) {                                                                 \
        nativeppAssign(obj);                                                                       \
        return *this;                                                                              \
    }                                                                                              \
    T::T(int length) {                                                                             \
        nativeppInitFields();                                                                      \
        nativeppInitObject(NEW_ARRAY);                                                             \
    }                                                                                              \
    E& T::operator[](int i) { return nativeppArray.getElement(i); }                                \
    void T::nativeppDeleteCompArray(E* elements) { delete[] elements; }                            \
    E* T::nativeppNewCompArrayAux(int n) { return new E[n]; }                                      \
    void T::nativeppInitArrayAuxElement(int i, E* elements) { elements[i].nativeppInitArrayElement(i, this); }

#endif
