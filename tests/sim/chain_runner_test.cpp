// The run loop with a real chain view and clock read-out, halted by its yield after a given
// number of passes: the physics it carries and the clock's text under German settings (set in
// qt_test_main.cpp).

#include "core/chain_physics.h"
#include "core/chain_state.h"
#include "sim/chain_runner.h"
#include "sim/chain_view.h"
#include "support/pass_countdown.h"

#include <QLineEdit>
#include <QString>
#include <gtest/gtest.h>

namespace {

class RunLoop : public ::testing::Test {
protected:
    RunLoop() {
        setStartValues(state_);
        view_.resize(400, 200);
    }

    void runPasses(int passes) { countdown_.run(runner_, passes); }

    ChainState state_;
    ChainView view_;
    QLineEdit readout_;
    PassCountdown countdown_{state_};
    ChainRunner runner_{state_, view_, readout_, std::ref(countdown_)};
};

// The text the clock shows after n passes of 0.1: n tenths, whole numbers without separator.
QString tenthsText(int n) {
    QString text = QStringLiteral("  ") + QString::number(n / 10);
    if (n % 10 != 0) {
        text += QLatin1Char(',') + QString::number(n % 10);
    }
    return text;
}

TEST_F(RunLoop, CarriesOnePassOfThePhysicsAndTheClockTime) {
    state_.harmonicOn = 1;
    state_.obstacleOn = 1;
    ChainState expected = state_;
    runPasses(200);
    for (int pass = 0; pass < 200; ++pass) {
        integratePass(expected);
        advanceClock(expected);
    }
    EXPECT_EQ(state_.clockTime, expected.clockTime);
    EXPECT_EQ(state_.driveTime, expected.driveTime);
    for (int i = 0; i <= ChainState::kLastMass; ++i) {
        ASSERT_EQ(state_.y[i], expected.y[i]) << "mass " << i;
        ASSERT_EQ(state_.v[i], expected.v[i]) << "mass " << i;
        // Each mass is drawn where it now is, so the next pass can erase it there.
        ASSERT_EQ(state_.yShown[i], state_.y[i]) << "mass " << i;
    }
}

TEST_F(RunLoop, ClockShowsTheFirstStepWithTheGermanSeparator) {
    state_.clockOn = 1;
    runPasses(1);
    EXPECT_EQ(readout_.text(), QStringLiteral("  0,1"));
}

TEST_F(RunLoop, ClockShowsWholeTenthsThoughTheSumFallsShortOfThem) {
    state_.clockOn = 1;
    for (int n = 1; n <= 300; ++n) {
        runPasses(1);
        ASSERT_EQ(readout_.text(), tenthsText(n)) << "after pass " << n;
        if (n == 30) {
            // 2.9999993 shows as 3, not 2,99.
            EXPECT_LT(state_.clockTime, 3.0f);
        }
    }
    // From pass 703 on, the single-precision sum lags by more than the read-out's allowance
    // of 0.0005 and the clock shows 70,29 for 70,3; that is the clock's own arithmetic.
}

TEST_F(RunLoop, ClockOffKeepsItsTextWhileTheTimeRunsOn) {
    readout_.setText(QStringLiteral("  7"));
    runPasses(5);
    EXPECT_EQ(readout_.text(), QStringLiteral("  7"));
    EXPECT_EQ(state_.clockTime, 0.5f);

    // Started again at 0, the first value shown is one step.
    state_.clockOn = 1;
    state_.clockTime = 0;
    state_.dt = 0.25f;
    runPasses(1);
    EXPECT_EQ(readout_.text(), QStringLiteral("  0,25"));
}

} // namespace
