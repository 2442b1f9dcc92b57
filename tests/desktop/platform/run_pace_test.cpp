// The run's pace on a clock the test moves, as a face asks it at each display frame: the passes
// due at 250 a second, a short lag caught up, a fresh start after a stall; and the frame timer's
// interval for the screen's refresh rate.

#include "core/chain_constants.h"
#include "desktop/platform/frame_timer.h"
#include "instrument/run_pace.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <vector>

namespace {

using namespace std::chrono_literals;

constexpr double kSlotMs = 4; // 250 passes a second

// The passes due at each of `frames`, in milliseconds.
std::vector<int> dueAt(RunPace& pace, const std::vector<double>& frames) {
    std::vector<int> due;
    for (const double at : frames) {
        due.push_back(pace.due(at));
    }
    return due;
}

TEST(RunPace, RunsThePassesDueAtEachFrame) {
    RunPace pace(Chain::kPassesPerSecond);
    // The first pass at once, then one per slot: a second of 60 Hz frames runs 250 passes, each
    // frame exactly those whose slot has come.
    const double start = 3600000;
    int total = 0;
    for (int frame = 0; frame < 60; ++frame) {
        const double at = start + frame * (1000.0 / 60);
        total += pace.due(at);
        EXPECT_EQ(total, int(std::floor((at - start) / kSlotMs)) + 1) << "frame " << frame;
    }
    EXPECT_EQ(total + pace.due(start + 1000 - 0.001), 250);
    EXPECT_EQ(pace.stallSlots(), 25);
}

TEST(RunPace, CatchesUpAShortLagAndStartsAfreshAfterAStall) {
    RunPace pace(Chain::kPassesPerSecond);
    // 100 ms late (25 slots) is caught up; later than that is a stall: one pass, then the rate
    // from there on. NaN runs nothing; restart starts a schedule at the next frame.
    EXPECT_EQ(dueAt(pace, {0, 16, 116, 132, 1132, 1148, NAN, 1164}),
              (std::vector<int>{1, 4, 25, 4, 1, 4, 0, 4}));
    pace.restart();
    EXPECT_EQ(dueAt(pace, {1170, 1172, 1174}), (std::vector<int>{1, 0, 1}));
}

TEST(FrameTimer, TicksAtTheRefreshRateAndSixtyWhereUnknown) {
    const std::vector<std::chrono::milliseconds> intervals{
        FrameTimer::intervalFor(60, 250), FrameTimer::intervalFor(144, 250),
        FrameTimer::intervalFor(0, 250), FrameTimer::intervalFor(std::nan(""), 250),
        // Never more often than there are passes.
        FrameTimer::intervalFor(360, 250)};
    EXPECT_EQ(intervals, (std::vector<std::chrono::milliseconds>{16ms, 6ms, 16ms, 16ms, 4ms}));
}

} // namespace
