#ifndef NATIVEPP_NATIVEPPARRAY_H
#define NATIVEPP_NATIVEPPARRAY_H

#include <jni.h>

#include <memory>

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppJObjectGlobal.h"
#include "nativepp/NativeppJObjectLocal.h"
#include "nativepp/NativeppSharedJObjectGlobal.h"

namespace nativepp {

class NativeppObject;
class NativeppObjectClass;
class NativeppObjectMgr;

/// New Java arrays, bulk copies between native buffers and Java primitive arrays, and the
/// base of an array proxy's element store, which keeps the length of the proxy's current Java
/// array. The operations without a JNIEnv* use the calling thread's. Threads: any attached
/// thread; the element store only under its proxy's lock.
/// Throws: the mapped NullPointerException for an array proxy that holds no array, the mapped
/// ArrayStoreException for a region copy on an object that is not an array of the copy's
/// type, the virtual machine's index exception in native form for a region outside the array.
///
/// For each primitive kind (Boolean, Byte, Char, Short, Int, Long, Float, Double):
/// newIntArray(n) makes an array of n zeros, getIntArray(array, start, count, buffer) copies
/// count elements from index start into buffer and returns it, setIntArray(array, start,
/// count, buffer) copies them back; each with or without a JNIEnv*.
class NATIVEPP_EXPORT NativeppArray {
public:
    /// An element store without an array yet.
    NativeppArray();
    virtual ~NativeppArray();

    NativeppArray(const NativeppArray&) = delete;
    NativeppArray& operator=(const NativeppArray&) = delete;

    /// A new array of the element class of the array descriptor arrayClass, all null.
    /// A new array of the element class of the array descriptor arrayClass, all null.
    ///@{
    static NativeppJObjectLocal newObjectArray(int n, NativeppObjectClass* arrayClass, JNIEnv* env);
    static NativeppJObjectLocal newObjectArray(int n, NativeppObjectClass* arrayClass);
    ///@}

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

    /// The length of a Java array.
    static int getArrayLength(jobject array, JNIEnv* env);

    /// The array proxy this element store belongs to.
    virtual NativeppObject* getParent() = 0;

    /// An index outside 0 .. length-1 raises the mapped ArrayIndexOutOfBoundsException.
    static void checkIndex(int i, int length, JNIEnv* env);
    /// The manager of the parent proxy's reference.
    NativeppObjectMgr* getObjectMgr(JNIEnv* env);

protected:
    /// The length of array's Java array; -1 for none.
    static int lengthOf(const NativeppSharedJObjectGlobal& array, JNIEnv* env);
};

}  // namespace nativepp

#endif
