#ifndef BRIDGE_STRINGUTFCHARS_H
#define BRIDGE_STRINGUTFCHARS_H

#include <jni.h>

// The modified-UTF-8 chars of a Java string, released when the holder goes out of scope.
// A null string raises java.lang.NullPointerException instead of reaching JNI, where it
// would crash the virtual machine. get() is null whenever a Java exception is pending.
class StringUTFChars {
public:
    StringUTFChars(JNIEnv* env, jstring string);
    ~StringUTFChars();
    StringUTFChars(const StringUTFChars&) = delete;
    StringUTFChars& operator=(const StringUTFChars&) = delete;

    const char* get() const { return m_chars; }

private:
    JNIEnv* m_env;
    jstring m_string;
    const char* m_chars;
};

#endif
