#ifndef PROXIES_JAVA_LANG_INTJARRAY_H
#define PROXIES_JAVA_LANG_INTJARRAY_H

#include "NativeppArrayProxyPattern.h"
#include "NativeppProxyPattern.h"
#include "java/lang/Object.h"
#include "nativepp/NativeppInt.h"

namespace java {
namespace lang {

// Proxy of int[].
class NATIVEPP_EXPORT IntJArray : public virtual Object {
    NATIVEPP_PROXY_MEMBERS(IntJArray)
    NATIVEPP_ARRAY_PROXY_MEMBERS(IntJArray, nativepp::NativeppInt, jintArray)

    // A new Java array holding the length values of data.
    IntJArray(int length, int* data);

    // Bulk copies of count elements from index start; of the whole array for a buffer alone.
    int* get(int start, int count, int* buffer);
    void set(int start, int count, int* buffer);
    int* get(int* buffer);
    void set(int* buffer);
};

}  // namespace lang
}  // namespace java

#endif
