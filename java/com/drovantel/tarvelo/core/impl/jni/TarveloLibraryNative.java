package com.drovantel.tarvelo.core.impl.jni;

/**
 * A Java object that native code asks, through the exported function
 * findExportedMethodAddress, for the native address under which a Java method is exported.
 */
public abstract class TarveloLibraryNative {
    /** Registers this object for native lookups, replacing any registered before. */
    public native void registerSelf(String name);

    /** Ends the registration; harmless when nothing is registered. */
    public native void unregisterSelf();

    /** The native address exported for the method {@code name}. */
    public abstract long findExportedMethodAddress(String name);
}
