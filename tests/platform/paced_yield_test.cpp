// The run loop's pacing on a clock the test moves: a wake-up every display frame, in it the
// passes due at 250 a second, each followed by one handling of events, the frame shown once
// after the last of them; a short lag caught up, and a fresh start after a stall.

#include "platform/frame_timer.h"
#include "platform/paced_yield.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <vector>

namespace {

using namespace std::chrono_literals;
using Clock = PacedYield::Clock;

constexpr Clock::duration kFrame = 16ms;
constexpr Clock::duration kSlot = 4ms; // 250 passes a second

class Pacing : public ::testing::Test {
protected:
    struct Frame {
        Clock::time_point wakeUp;
        int passes;
    };

    // Passes costing `work` each, until the clock has moved on by `span`.
    void runFor(Clock::duration span, Clock::duration work = 100us) {
        const Clock::time_point end = now_ + span;
        while (now_ < end) {
            pass(work);
        }
    }
    void pass(Clock::duration work) {
        now_ += work;
        ++passes_;
        yield_(showFrame_);
        ASSERT_EQ(handled_, passes_); // one handling of events after every pass
    }

    // Every frame shown from `first` on came after exactly the passes due at its wake-up in a
    // schedule that started at `origin` with pass number `before` + 1.
    void expectOnSchedule(std::size_t first, Clock::time_point origin, int before) const {
        ASSERT_LT(first, frames_.size());
        for (std::size_t i = first; i < frames_.size(); ++i) {
            const auto due = static_cast<int>((frames_[i].wakeUp - origin) / kSlot) + 1;
            ASSERT_EQ(frames_[i].passes - before, due) << "frame " << i;
        }
    }

    Clock::time_point now_{1h}; // on the frame grid
    Clock::time_point wakeUp_ = now_;
    int passes_ = 0;
    int handled_ = 0;
    std::vector<Frame> frames_;
    PacedYield::ShowFrame showFrame_ = [this] { frames_.push_back({wakeUp_, passes_}); };
    PacedYield yield_{PacedYield::kPassesPerSecond, [this] { return now_; },
                      [this] {
                          // To the next tick of a frame timer started at 0.
                          now_ = Clock::time_point((now_.time_since_epoch() / kFrame + 1) * kFrame);
                          wakeUp_ = now_;
                      },
                      [this] { ++handled_; }};
};

TEST_F(Pacing, RunsThePassesDueAtEachFrameAndShowsItOnce) {
    // The first pass's yield starts the schedule.
    const Clock::time_point start = now_ + 100us;
    runFor(1s);
    // 62.5 frames of four passes each: 250 passes a second.
    EXPECT_EQ(frames_.size(), 63u);
    expectOnSchedule(0, start, 0);
}

TEST_F(Pacing, CatchesUpAShortLagAndStartsAfreshAfterAStall) {
    const Clock::time_point start = now_ + 100us;
    runFor(101ms);
    // A pass taking 20 ms, five slots: the next wake-up runs every pass missed, and the
    // schedule goes on as if there had been no lag.
    pass(20ms);
    runFor(200ms);
    expectOnSchedule(0, start, 0);

    // A stall of a second (a modal box): the passes after it keep the rate from the first
    // wake-up on instead of catching up 250 passes at once.
    pass(1s);
    const std::size_t stalled = frames_.size();
    runFor(200ms);
    ASSERT_GT(frames_.size(), stalled + 1);
    const Frame& restart = frames_[stalled + 1];
    expectOnSchedule(stalled + 1, restart.wakeUp, frames_[stalled].passes);
}

TEST(FrameTimer, WakesAtTheRefreshRateAndSixtyWhereUnknown) {
    EXPECT_EQ(FrameTimer::intervalFor(60, 250), 16ms);
    EXPECT_EQ(FrameTimer::intervalFor(144, 250), 6ms);
    EXPECT_EQ(FrameTimer::intervalFor(0, 250), 16ms);
    EXPECT_EQ(FrameTimer::intervalFor(std::nan(""), 250), 16ms);
    // Never more often than there are passes.
    EXPECT_EQ(FrameTimer::intervalFor(360, 250), 4ms);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
