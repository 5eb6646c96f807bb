#include "tests/native/TestJVM.h"

#include <string>

#include "nativepp/NativeppJVM.h"
#include "tests/native/JNICallCounter.h"

void startTestJVM() {
    static std::string classPath = std::string("-Djava.class.path=") + TESTS_JAR_PATH;
    JavaVMOption options[] = {
        {const_cast<char*>("-Xcheck:jni"), nullptr},
#if TEST_JVM_INTERPRETED
        // Interpreted under qemu: qemu 10.0 can leave a thread spinning in compiled code that
        // HotSpot patched under it.
        {const_cast<char*>("-Xint"), nullptr},
#endif
        // Dates format the same on every machine.
        {const_cast<char*>("-Duser.timezone=UTC"), nullptr},
        {const_cast<char*>(classPath.c_str()), nullptr},
    };
    JavaVMInitArgs args{};
    args.version = kTestJVMVersion;
    args.nOptions = sizeof options / sizeof options[0];
    args.options = options;
    args.ignoreUnrecognized = JNI_FALSE;
    JNICallCounter::countGlobalReferences(nativepp::NativeppJVM::load(LIBJVM_PATH, &args));
}
