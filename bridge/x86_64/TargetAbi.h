#ifndef BRIDGE_TARGETABI_H
#define BRIDGE_TARGETABI_H

// Facts of the x86-64 target that shared code cannot derive from the compiler's types. This
// directory is on the include path of an x86-64 build only.

/// The name TarveloNative.getArchitecture reports, by which the Java side picks the x86-64
/// argument-block layout: the System V register image followed by the stack slots.
#define TARVELO_ARCHITECTURE "x86_64"

#endif
