/* The demo's native half: a qsort comparator that asks a Java callback, as a native library
 * written against the bridge's C entry points would. One comparator at a time, bound before
 * the sort. */
#include <jni.h>

/* The bridge's entry point for callbacks with an int result (stdcall); the block holds the
 * callback's arguments, here the two element pointers. */
extern jint __attribute__((stdcall)) onCallInt(void* callback, void* block);

static void* boundComparator;

JNIEXPORT void bindComparator(void* callback) { boundComparator = callback; }

JNIEXPORT int compareThroughJava(const void* left, const void* right) {
    const void* block[2] = {left, right};
    return onCallInt(boundComparator, block);
}
