// Apart from the clock's text and the screen update once a display frame, a pass of the run
// loop allocates nothing: not the physics, not the 196 dots it draws, not the pen-width changes.

#include "core/chain_state.h"
#include "probes/counting_allocator.h"
#include "sim/chain_runner.h"
#include "sim/chain_view.h"
#include "support/pass_countdown.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <gtest/gtest.h>

#include <array>
#include <functional>

namespace {

constexpr int kPasses = 300;

class RunPassAllocations : public ::testing::Test {
protected:
    RunPassAllocations() {
        setStartValues(state_);
        state_.harmonicOn = 1;
        view_.setBackgroundColor(qRgb(255, 255, 224));
        view_.resize(1920, 700);
    }

    // Runs the loop for n passes; `onPass` acts from inside the yield after each.
    void runPasses(int n, std::function<void(int left)> onPass = {}) {
        countdown_.onPass = std::move(onPass);
        countdown_.run(runner_, n);
    }

    ChainState state_;
    ChainView view_;
    QLineEdit readout_;
    PassCountdown countdown_{state_};
    ChainRunner runner_{state_, view_, readout_, [this] { countdown_(); }};
};

TEST_F(RunPassAllocations, NoneWhileTheClockIsOffButOncePerFrame) {
    ASSERT_EQ(view_.image().size(), QSize(1920, 700));
    runPasses(1); // warm-up
    AllocationCounter counter;
    std::array<std::size_t, kPasses + 1> countAfter{};
    std::function<void(int)> record = [&](int left) {
        const int pass = kPasses - left;
        countAfter[pass + 1] = counter.count();
        // Half of the passes with refraction on, which draws with the wider pen.
        state_.refractionOn = static_cast<std::int16_t>(pass >= kPasses / 2);
    };
    QElapsedTimer running;
    running.start();
    counter.restart();
    runPasses(kPasses, std::move(record));
    const qint64 frames = running.elapsed() / 16 + 1;
    int allocatingPasses = 0;
    for (int pass = 1; pass <= kPasses; ++pass) {
        allocatingPasses += countAfter[pass] != countAfter[pass - 1] ? 1 : 0;
    }
    // Only a pass that handed the screen its update allocated.
    EXPECT_LE(allocatingPasses, frames);

    // The passes really drew: the left end's dot is black where the drive has put it.
    const QPoint end = view_.toPixel(1, state_.y[0]);
    EXPECT_EQ(view_.image().pixel(end), qRgb(0, 0, 0));
    EXPECT_NE(state_.y[0], 0.0f);
}

TEST_F(RunPassAllocations, ClockTextIsTheOneAllocation) {
    runPasses(1);
    state_.clockOn = 1;
    AllocationCounter counter;
    runPasses(1);
    // Also shows that the counter sees what Qt allocates.
    EXPECT_GT(counter.count(), 0u);
    EXPECT_EQ(readout_.text(), QStringLiteral("  0,2"));
}

} // namespace
