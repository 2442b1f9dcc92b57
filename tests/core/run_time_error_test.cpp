// A bad array index and a floating-point fault in a pass end the program with a run-time error.
// Here a reporter that throws stands in for the message box, so each fault can be checked for its
// error number; the death tests check the default reporter's exit status and German message.

#include "core/chain_physics.h"
#include "core/chain_state.h"
#include "core/runtime_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct Reported {
    RunTimeErrorCode code;
};

[[noreturn]] void throwReported(const RunTimeError& error) {
    throw Reported{error.code};
}

class RunTimeErrors : public ::testing::Test {
protected:
    void SetUp() override { previous_ = setRunTimeErrorReporter(&throwReported); }
    void TearDown() override {
        clearFloatStatus();
        setRunTimeErrorReporter(previous_);
    }

    template <typename Action> static RunTimeErrorCode codeRaisedBy(Action action) {
        try {
            action();
        } catch (const Reported& reported) {
            return reported.code;
        }
        ADD_FAILURE() << "no run-time error";
        return RunTimeErrorCode{};
    }

    ChainState state_ = [] {
        ChainState s;
        setStartValues(s);
        return s;
    }();

private:
    RunTimeErrorReporter previous_ = nullptr;
};

TEST_F(RunTimeErrors, IndexOutsideZeroToHundredIsSubscriptOutOfRange) {
    state_.accel[0] = 1;
    state_.accel[100] = 2;
    EXPECT_EQ(state_.accel[0] + state_.accel[100], 3.0f);
    for (const int index : {-1, 101, std::numeric_limits<int>::min(), 1000}) {
        EXPECT_EQ(codeRaisedBy([&] { state_.y[index] = 1; }), RunTimeErrorCode::SubscriptOutOfRange)
            << "index " << index;
        const ChainState& readOnly = state_;
        EXPECT_EQ(codeRaisedBy([&] { static_cast<void>(readOnly.massFactor[index]); }),
                  RunTimeErrorCode::SubscriptOutOfRange)
            << "index " << index;
    }
}

TEST_F(RunTimeErrors, ForceBeyondSinglePrecisionIsOverflow) {
    // accel(1) = (0 - 3e38) - 3e38 * 2 = -9e38, too large for a float.
    state_.y[1] = 3e38f;
    state_.y[2] = -3e38f;
    EXPECT_EQ(codeRaisedBy([&] { integratePass(state_); }), RunTimeErrorCode::Overflow);
}

TEST_F(RunTimeErrors, MotionBeyondSinglePrecisionIsOverflow) {
    // Every force stays finite (accel(97) = -2e38); v(97) = -2e38 * 0.1 - 3.3e38 does not.
    state_.endDamping = 0;
    state_.y[97] = 1e38f;
    state_.v[97] = -3.3e38f;
    EXPECT_EQ(codeRaisedBy([&] { integratePass(state_); }), RunTimeErrorCode::Overflow);
    EXPECT_EQ(state_.accel[97], -2e38f);
}

TEST_F(RunTimeErrors, DriveTimeBeyondSinglePrecisionIsOverflow) {
    state_.harmonicOn = 1;
    state_.dt = 3e38f;
    state_.driveTime = 3e38f;
    EXPECT_EQ(codeRaisedBy([&] { integratePass(state_); }), RunTimeErrorCode::Overflow);
}

TEST_F(RunTimeErrors, ClockTimeBeyondSinglePrecisionIsOverflow) {
    state_.dt = 3e38f;
    state_.clockTime = 3e38f;
    EXPECT_EQ(codeRaisedBy([&] { advanceClock(state_); }), RunTimeErrorCode::Overflow);
}

TEST_F(RunTimeErrors, UndefinedForceIsInvalidCall) {
    // accel(1) = inf + (-inf) has no value.
    state_.y[0] = std::numeric_limits<float>::infinity();
    state_.y[2] = -std::numeric_limits<float>::infinity();
    EXPECT_EQ(codeRaisedBy([&] { integratePass(state_); }), RunTimeErrorCode::InvalidCall);
}

TEST_F(RunTimeErrors, FaultOfAnEarlierCalculationIsNotBlamedOnAPass) {
    EXPECT_TRUE(std::isinf(toStored(3e38 * 10.0)));
    state_.y[0] = 1;
    EXPECT_NO_THROW(integratePass(state_));
    EXPECT_TRUE(std::isnan(toStored(quotient(0.0, 0.0))));
    EXPECT_NO_THROW(advanceClock(state_));
}

TEST_F(RunTimeErrors, FaultsAreNotedAsTheStatusFlagsWouldBe) {
    // Infinite values that were already infinite, and a zero divided by zero that is not
    // stored, are no fault; the first checked fault is reported once.
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(codeRaisedBy([] {
                  static_cast<void>(toStored(-std::numeric_limits<double>::infinity()));
                  static_cast<void>(quotient(0.0, 0.0));
                  static_cast<void>(toStored(quotient(-2.0, 0.0)));
                  checkFloatStatus();
              }),
              RunTimeErrorCode::DivisionByZero);
    EXPECT_NO_THROW(checkFloatStatus());
    EXPECT_EQ(codeRaisedBy([&] {
                  static_cast<void>(toStored(inf - inf));
                  static_cast<void>(toStored(-3.5e38));
                  checkFloatStatus();
              }),
              RunTimeErrorCode::Overflow);
    EXPECT_EQ(codeRaisedBy([&] {
                  static_cast<void>(toStored(inf * 0.0));
                  checkFloatStatus();
              }),
              RunTimeErrorCode::InvalidCall);
}

[[maybe_unused]] void indexOutOfRange() {
    ChainState s;
    setRunTimeErrorReporter(nullptr);
    s.y[101] = 1;
}

[[maybe_unused]] void overflowInAPass() {
    ChainState s;
    setStartValues(s);
    setRunTimeErrorReporter(nullptr);
    s.y[1] = 3e38f;
    s.y[2] = -3e38f;
    integratePass(s);
}

TEST(RunTimeErrorDeathTest, DefaultReporterEndsWithErrorNumberAndGermanMessage) {
#if !GTEST_HAS_DEATH_TEST
    GTEST_SKIP() << "no death tests here: WebAssembly under node starts no child process";
#else
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(indexOutOfRange(), ::testing::ExitedWithCode(9),
                "Laufzeitfehler 9: Index außerhalb des gültigen Bereichs");
    EXPECT_EXIT(overflowInAPass(), ::testing::ExitedWithCode(6), "Laufzeitfehler 6: Überlauf");
#endif
}

} // namespace
