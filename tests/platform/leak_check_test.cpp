// The sanitizer build checks for leaks where the program ends the process directly, which
// skips the check that runs at a normal exit. Without the sanitizers there is nothing to test.

#include "platform/process_end.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

#if defined(ONDIX_LEAK_CHECK)

// Allocates a block and forgets it; the volatile pointer keeps the compiler from dropping it.
void leakABlock() {
    void* volatile block = std::malloc(4096);
    block = nullptr;
    (void)block;
}

TEST(LeakCheckDeathTest, EndingTheProcessReportsALeak) {
    EXPECT_EXIT(
        {
            leakABlock();
            endProcess(0);
        },
        testing::ExitedWithCode(1), "LeakSanitizer: detected memory leaks");
}

TEST(LeakCheckDeathTest, EndingTheProcessWithoutALeakKeepsItsStatus) {
    EXPECT_EXIT(endProcess(7), testing::ExitedWithCode(7), "");
}

#else

TEST(LeakCheck, OnlyInTheSanitizerBuild) {
    GTEST_SKIP() << "built without the leak sanitizer";
}

#endif

} // namespace
