// Starts the 32-bit JVM once for the whole program: a second JNI_CreateJavaVM in a
// process fails, so one virtual machine serves every test.
#include <gtest/gtest.h>

#include <string>

#include "nativepp/NativeppException.h"
#include "tests/native/TestJVM.h"

namespace {

// Names the order of a shuffled run before it starts, so that a run that the virtual machine
// ends (a FATAL ERROR writes no report) can be repeated.
class ShuffleSeedPrinter : public testing::EmptyTestEventListener {
    void OnTestIterationStart(const testing::UnitTest& unitTest, int) override {
        if (GTEST_FLAG_GET(shuffle)) {
            printf("Shuffled: repeat with --gtest_random_seed=%d\n", unitTest.random_seed());
            fflush(stdout);
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new ShuffleSeedPrinter);
    try {
        startTestJVM();
    } catch (const nativepp::NativeppException& e) {
        fprintf(stderr, "cannot start the JVM: %s (%d)\n", e.getMessage(), e.getCode());
        return 1;
    }
    return RUN_ALL_TESTS();
}
