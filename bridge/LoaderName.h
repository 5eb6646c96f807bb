#ifndef BRIDGE_LOADERNAME_H
#define BRIDGE_LOADERNAME_H

#include <jni.h>

#include <string>

// A Java string as the NUL-terminated UTF-8 name that the dynamic loader takes for a file or
// a symbol: a name holding U+1F600 must reach dlopen as F0 9F 98 80, not as the six bytes
// of JNI's modified UTF-8, which name no file. An unpaired surrogate becomes U+FFFD.
// A null string raises java.lang.NullPointerException instead of reaching JNI, where it
// would crash the virtual machine; a string holding U+0000 raises IllegalArgumentException,
// because the loader would read only the part before it, which may name another file.
// get() is null whenever a Java exception is pending.
class LoaderName {
public:
    LoaderName(JNIEnv* env, jstring name);
    LoaderName(const LoaderName&) = delete;
    LoaderName& operator=(const LoaderName&) = delete;

    const char* get() const { return m_valid ? m_text.c_str() : nullptr; }

private:
    std::string m_text;
    bool m_valid;
};

#endif
