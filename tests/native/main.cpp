// Starts the 32-bit JVM once for the whole program: a second JNI_CreateJavaVM in a
// process fails, so one virtual machine serves every test.
#include <gtest/gtest.h>

#include <string>

#include "nativepp/NativeppException.h"
#include "tests/native/TestJVM.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    try {
        startTestJVM();
    } catch (const nativepp::NativeppException& e) {
        fprintf(stderr, "cannot start the JVM: %s (%d)\n", e.getMessage(), e.getCode());
        return 1;
    }
    return RUN_ALL_TESTS();
}
