/* The demo's native half: a qsort comparator that asks a Java callback, as a native library
 * written against the bridge's C entry points would. One comparator at a time, bound before
 * the sort. */
#include <tarvelo/tarvelo.h>

/* onCallInt, the bridge's entry point for callbacks with an int result, gets the block of the
 * callback's arguments, here the two element pointers. */
static TarveloCallback* boundComparator;

JNIEXPORT void bindComparator(TarveloCallback* callback) { boundComparator = callback; }

JNIEXPORT int compareThroughJava(const void* left, const void* right) {
    const void* block[2] = {left, right};
    return onCallInt(boundComparator, block);
}
