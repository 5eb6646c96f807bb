#ifndef NATIVEPP_NATIVEPPJAVACHARACTER_H
#define NATIVEPP_NATIVEPPJAVACHARACTER_H

#include <type_traits>

namespace nativepp {

/// Admit a C++ character or truth value, and nothing else, to the proxy forms that lead it to
/// the Java char or boolean overload of a method: C++ promotes char, char16_t and bool to int,
/// which would reach the int overload, and a non-template bool form would also take pointers.
///@{
template <typename T>
using NativeppIfJavaChar = std::enable_if_t<std::is_same<T, char>::value || std::is_same<T, char16_t>::value, int>;

template <typename T>
using NativeppIfJavaBoolean = std::enable_if_t<std::is_same<T, bool>::value, int>;
///@}

}  // namespace nativepp

#endif
