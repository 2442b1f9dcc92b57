// The run loop's pacing on a clock the test moves: the pass rate it keeps, a short lag that it
// catches up, and a stall after which it starts afresh instead of racing.

#include "platform/paced_yield.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <chrono>

namespace {

using namespace std::chrono_literals;
using Clock = PacedYield::Clock;

// A pass of the loop costs `work` on the test's clock; the yield's waits move the clock on.
class Pacing : public ::testing::Test {
protected:
    void passes(int count, Clock::duration work = 1ms) {
        for (int i = 0; i < count; ++i) {
            now_ += work;
            yield_();
        }
    }
    Clock::duration elapsedSince(Clock::time_point start) const { return now_ - start; }

    Clock::time_point now_{1h};
    PacedYield yield_{PacedYield::kPassesPerSecond, [this] { return now_; },
                      [this](std::chrono::milliseconds wait) { now_ += wait; }};
};

TEST_F(Pacing, KeepsTwoHundredFiftyPassesASecond) {
    const Clock::time_point start = now_;
    passes(PacedYield::kPassesPerSecond);
    // One slot of slack for the first pass, which starts the schedule.
    EXPECT_GE(elapsedSince(start), 996ms);
    EXPECT_LE(elapsedSince(start), 1008ms);
}

TEST_F(Pacing, CatchesUpAShortLagAndStartsAfreshAfterAStall) {
    passes(10);
    // One pass takes 20 ms more, five slots: the next passes run without waiting until they
    // meet the schedule again, and the 250th pass after the lag ends where it would have
    // ended without it, 1000 ms after the pass before the lag.
    now_ += 20ms;
    Clock::time_point start = now_;
    passes(PacedYield::kPassesPerSecond);
    EXPECT_EQ(elapsedSince(start), 980ms);

    // A stall of a second (a modal box): the passes after it keep the rate from now on
    // instead of catching up 250 passes at once.
    now_ += 1s;
    start = now_;
    passes(25);
    EXPECT_GE(elapsedSince(start), 97ms);
    EXPECT_LE(elapsedSince(start), 104ms);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
