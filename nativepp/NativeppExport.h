#ifndef NATIVEPP_NATIVEPPEXPORT_H
#define NATIVEPP_NATIVEPPEXPORT_H

// The library is built with hidden visibility: what carries this is its C++ interface (the
// binding layer's and the proxies' classes, with their vtables and type information, so that
// a consumer can catch a thrown proxy by its type).
#define NATIVEPP_EXPORT __attribute__((visibility("default")))

#endif
