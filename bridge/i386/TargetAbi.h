#ifndef BRIDGE_TARGETABI_H
#define BRIDGE_TARGETABI_H

// Facts of the i386 target that shared code cannot derive from the compiler's types. This
// directory is on the include path of an i386 build only.

/// The name TarveloNative.getArchitecture reports, by which the Java side picks the i386
/// argument-block layout: the callee's stack arguments, word by word.
#define TARVELO_ARCHITECTURE "i386"

#endif
