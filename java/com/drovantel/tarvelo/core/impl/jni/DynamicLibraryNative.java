package com.drovantel.tarvelo.core.impl.jni;

/** Loads and unloads native shared libraries through the dynamic loader. */
public final class DynamicLibraryNative {
    private DynamicLibraryNative() {}

    /**
     * Opens preferredName, or fallbackName when that fails; returns the loader's handle, or 0
     * when both fail, after writing the loader's two error texts to standard output.
     */
    public static native long load(String fallbackName, String preferredName);

    /** Closes a handle from load; false when closed, true when the loader reported an error. */
    public static native boolean free(long handle);
}
