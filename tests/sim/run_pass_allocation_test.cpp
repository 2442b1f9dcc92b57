// Apart from the clock's text, a pass of the run loop allocates nothing: not the physics, not
// the 196 dots it draws, not the pen-width changes.

#include "core/chain_state.h"
#include "probes/counting_allocator.h"
#include "sim/chain_runner.h"
#include "sim/chain_view.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

class RunPassAllocations : public ::testing::Test {
protected:
    RunPassAllocations() {
        setStartValues(state_);
        state_.harmonicOn = 1;
        view_.setBackgroundColor(qRgb(255, 255, 224));
        view_.resize(1920, 700);
    }

    ChainState state_;
    ChainView view_;
    QLineEdit readout_;
    ChainRunner runner_{state_, view_, readout_, [] {}};
};

TEST_F(RunPassAllocations, NoneWhileTheClockIsOff) {
    ASSERT_EQ(view_.image().size(), QSize(1920, 700));
    runner_.runPass(); // warm-up
    AllocationCounter counter;
    for (int pass = 0; pass < 300; ++pass) {
        // Half of the passes with refraction on, which draws with the wider pen.
        state_.refractionOn = static_cast<std::int16_t>(pass / 150);
        runner_.runPass();
    }
    EXPECT_EQ(counter.count(), 0u);

    // The passes really drew: the left end's dot is black where the drive has put it.
    const QPoint end = view_.toPixel(1, state_.y[0]);
    EXPECT_EQ(view_.image().pixel(end), qRgb(0, 0, 0));
    EXPECT_NE(state_.y[0], 0.0f);
}

TEST_F(RunPassAllocations, ClockTextIsTheOneAllocation) {
    runner_.runPass();
    state_.clockOn = 1;
    AllocationCounter counter;
    runner_.runPass();
    // Also shows that the counter sees what Qt allocates.
    EXPECT_GT(counter.count(), 0u);
    EXPECT_EQ(readout_.text(), QStringLiteral("  0,2"));
}

} // namespace
