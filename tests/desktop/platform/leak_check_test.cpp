// The sanitizer build checks for leaks where the program ends the process directly, which
// skips the check that runs at a normal exit. Without the sanitizers there is nothing to test.

#include "desktop/platform/process_end.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

#if defined(ONDIX_LEAK_CHECK)

// An odd size that nothing else in the test allocates, so the report names this block.
constexpr std::size_t kForgottenBytes = 4099;

// Allocates a block and forgets it; the volatile pointer keeps the compiler from dropping it.
[[gnu::noinline]] void leakABlock() {
    void* volatile block = std::malloc(kForgottenBytes);
    block = nullptr;
    (void)block;
}

// The leak check scans stacks and registers conservatively: a stale copy of the forgotten
// pointer in a dead stack slot or a spilled register would make it look reachable now and then.
// The child that must report the leak therefore scans neither; it is started afresh (not forked)
// so that its sanitizer reads these options when it starts.
TEST(LeakCheckDeathTest, EndingTheProcessReportsALeak) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const char* options = std::getenv("LSAN_OPTIONS");
    const std::string saved = options != nullptr ? options : "";
    setenv("LSAN_OPTIONS", (saved + ":use_stacks=0:use_registers=0").c_str(), 1);
    EXPECT_EXIT(
        {
            leakABlock();
            endProcess(0);
        },
        testing::ExitedWithCode(1), "Direct leak of 4099 byte\\(s\\) in 1 object\\(s\\)");
    setenv("LSAN_OPTIONS", saved.c_str(), 1);
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
