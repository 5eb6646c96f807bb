#ifndef NATIVEPP_NATIVEPPARRAY_H
#define NATIVEPP_NATIVEPPARRAY_H

#include <jni.h>

#include <memory>

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppJObjectGlobal.h"
#include "nativepp/NativeppJObjectLocal.h"

namespace nativepp {

class NativeppObject;
class NativeppObjectClass;
class NativeppObjectMgr;

// New Java arrays, bulk copies between native buffers and Java primitive arrays, and the
// base of an array proxy's element store, which materialises one element value per element
// of the proxy's current Java array. The operations without a JNIEnv* use the calling
// thread's. Threads: any attached thread; the element store only under its proxy's lock.
// Throws: the mapped NullPointerException for an array proxy that holds no array, the
// virtual machine's index exception in native form for a region outside the array.
class NATIVEPP_EXPORT NativeppArray {
public:
    NativeppArray();
    virtual ~NativeppArray();

    NativeppArray(const NativeppArray&) = delete;
    NativeppArray& operator=(const NativeppArray&) = delete;

    // A new array of the element class of the array descriptor arrayClass, all null.
    static NativeppJObjectLocal newObjectArray(int n, NativeppObjectClass* arrayClass, JNIEnv* env);
    static NativeppJObjectLocal newObjectArray(int n, NativeppObjectClass* arrayClass);

#define NATIVEPP_ARRAY_KIND(KIND, NATIVE)                                                           \
    static NativeppJObjectLocal new##KIND##Array(int n, JNIEnv* env);                               \
    static NativeppJObjectLocal new##KIND##Array(int n);                                            \
    /* Copies count elements from index start of array's Java array into buffer; returns buffer. */ \
    static NATIVE* get##KIND##Array(NativeppObject* array, int start, int count, NATIVE* buffer, JNIEnv* env); \
    static NATIVE* get##KIND##Array(NativeppObject* array, int start, int count, NATIVE* buffer);    \
    /* Copies count elements from buffer into array's Java array from index start. */              \
    static void set##KIND##Array(NativeppObject* array, int start, int count, const NATIVE* buffer, JNIEnv* env); \
    static void set##KIND##Array(NativeppObject* array, int start, int count, const NATIVE* buffer);

    NATIVEPP_ARRAY_KIND(Boolean, unsigned char)
    NATIVEPP_ARRAY_KIND(Byte, signed char)
    NATIVEPP_ARRAY_KIND(Char, unsigned short)
    NATIVEPP_ARRAY_KIND(Short, short)
    NATIVEPP_ARRAY_KIND(Int, int)
    NATIVEPP_ARRAY_KIND(Long, long long)
    NATIVEPP_ARRAY_KIND(Float, float)
    NATIVEPP_ARRAY_KIND(Double, double)
#undef NATIVEPP_ARRAY_KIND

    // The length of a Java array.
    static int getArrayLength(jobject array, JNIEnv* env);

    // Materialises the elements again when the proxy now holds another Java array than the
    // one they were made for. While the proxy keeps the holder they were made for, nothing
    // is compared; another holder is compared with IsSameObject (a released handle value may
    // come back for another array).
    virtual void updateArray(JNIEnv* env);
    virtual void createArrayIfNeeded(JNIEnv* env) = 0;
    virtual void freeArray() = 0;
    virtual NativeppObject* getParent() = 0;

    // An index outside the materialised elements raises the mapped
    // ArrayIndexOutOfBoundsException; with none materialised every index is outside.
    void checkIndex(int i, JNIEnv* env);
    NativeppObjectMgr* getObjectMgr(JNIEnv* env);

protected:
    // The Java array the elements were made for; null when none are.
    jobject getCurrentArray() const { return currentArray != nullptr ? currentArray->getJObject() : nullptr; }

    int length;

private:
    // A share of the holder the elements were made for: while it lives, its address and its
    // reference stay the array's.
    std::shared_ptr<const NativeppJObjectGlobal> currentArray;
};

}  // namespace nativepp

#endif
