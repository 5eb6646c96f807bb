// A program built against the installed library: starts the JVM, round-trips a string
// through java::lang::String and catches a Java exception as its proxy.
#include <jni.h>

#include <cstdio>
#include <string>
#include <vector>

#include "java/lang/ClassNotFoundException.h"
#include "java/lang/String.h"
#include "nativepp/NativeppException.h"
#include "nativepp/NativeppJVM.h"
#include "nativepp/NativeppThrowable.h"

namespace {

// The JVM of libjvm with -Xcheck:jni and the further options given.
void startJVM(const char* libjvm, char** extraOptions, int extraCount) {
    std::vector<JavaVMOption> options{{const_cast<char*>("-Xcheck:jni"), nullptr}};
    for (int i = 0; i < extraCount; ++i) {
        options.push_back({extraOptions[i], nullptr});
    }
    JavaVMInitArgs args{};
    args.version = JNI_VERSION_1_4;
    args.nOptions = static_cast<jint>(options.size());
    args.options = options.data();
    nativepp::NativeppJVM::load(libjvm, &args);
}

bool classForNameThrows(JNIEnv* env) {
    jclass type = env->FindClass("java/lang/Class");
    jmethodID forName = env->GetStaticMethodID(type, "forName", "(Ljava/lang/String;)Ljava/lang/Class;");
    jstring name = env->NewStringUTF("no.such.Type");
    env->CallStaticObjectMethod(type, forName, name);
    env->DeleteLocalRef(name);
    env->DeleteLocalRef(type);
    try {
        nativepp::NativeppThrowable::nativeThrowIfJavaThrown(env);
    } catch (java::lang::ClassNotFoundException&) {
        return !env->ExceptionCheck();
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: consumer LIBJVM [JVM-OPTION...]\n");
        return 2;
    }
    try {
        startJVM(argv[1], argv + 2, argc - 2);
        const std::string text = "tarvelo consumer";
        java::lang::String javaText(text);
        const std::string back = javaText;
        const bool caught = classForNameThrows(nativepp::NativeppJVM::getJNIEnv());
        std::printf("round trip: \"%s\"; ClassNotFoundException caught as its proxy: %s\n", back.c_str(),
                    caught ? "yes" : "no");
        return back == text && caught ? 0 : 1;
    } catch (const nativepp::NativeppException& e) {
        std::fprintf(stderr, "consumer: %s\n", e.getMessage());
        return 1;
    }
}
