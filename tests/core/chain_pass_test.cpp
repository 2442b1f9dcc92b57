// Worked numbers of single passes, bit-exact as 32-bit floats. Each expected value is derived by
// hand from the arithmetic of a pass: every stored value is float(double expression of stored
// floats), e.g. 0.1f = 0x1.99999ap-4, and float(0.1f * 0.1f) = 0x1.47ae16p-7, not 0.01f.

#include "core/chain_physics.h"
#include "core/chain_state.h"
#include "support/number_text_of.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr int kLast = ChainState::kLastMass;
constexpr float kPendulum = 2.1f;

ChainState startState() {
    ChainState s;
    setStartValues(s);
    return s;
}

// A chain in motion, with displacements and velocities of both signs everywhere.
ChainState movingState() {
    ChainState s = startState();
    s.harmonicOn = 1;
    s.endDamping = 0;
    for (int pass = 0; pass < 700; ++pass) {
        integratePass(s);
    }
    return s;
}

void expectSameChain(const ChainState& a, const ChainState& b) {
    for (int i = 0; i <= kLast; ++i) {
        EXPECT_EQ(a.y[i], b.y[i]) << "y of mass " << i;
        EXPECT_EQ(a.v[i], b.v[i]) << "v of mass " << i;
        EXPECT_EQ(a.accel[i], b.accel[i]) << "accel of mass " << i;
    }
}

TEST(OnePass, DisplacedLeftEndMovesOnlyTheFirstMass) {
    ChainState s = startState();
    s.y[0] = 1;
    integratePass(s);
    // accel(1) = 1; v(1) = 1 * 1 * 0.1f; y(1) = float(0.1f * 0.1f) = 0.0100000007
    EXPECT_EQ(s.accel[1], 1.0f);
    EXPECT_EQ(s.v[1], 0.1f);
    EXPECT_EQ(s.y[1], 0.0100000007f);
    EXPECT_NE(s.y[1], 0.01f);
    EXPECT_EQ(s.y[0], 1.0f);
    for (int i = 2; i <= kLast; ++i) {
        EXPECT_EQ(s.y[i], 0.0f) << "mass " << i;
        EXPECT_EQ(s.v[i], 0.0f) << "mass " << i;
    }
}

TEST(OnePass, DisturbanceReachesExactlyOneMassFurtherPerPass) {
    ChainState s = startState();
    for (int pass = 1; pass <= 50; ++pass) {
        s.y[0] = 1;
        integratePass(s);
        for (int k = pass + 1; k <= kLast; ++k) {
            ASSERT_EQ(s.y[k], 0.0f) << "mass " << k << " after pass " << pass;
            ASSERT_EQ(s.v[k], 0.0f) << "mass " << k << " after pass " << pass;
        }
        // Further out the front's displacement (about dt^(2 pass)) underflows to zero.
        if (pass <= 10) {
            EXPECT_GT(s.y[pass], 0.0f) << "front after pass " << pass;
        }
    }
}

TEST(OnePass, FirstDrivePassFromStartValues) {
    ChainState s = startState();
    s.harmonicOn = 1;
    integratePass(s);
    EXPECT_EQ(s.driveTime, 0.1f);
    // y(0) = -sin(0.1f * 0.2513274f) = -(0.0251327 - 0.0251327^3 / 6 + ...) = -0.0251300968,
    // two steps of a float away from the literal -0.0251301f; shown with 7 digits it is that.
    EXPECT_EQ(s.y[0], -0x1.9bbb44p-6f);
    EXPECT_EQ(singleToText(s.y[0], ","), "-0,0251301");
    // Above the centre line, and the first mass starts to follow within the same pass.
    EXPECT_EQ(s.accel[1], s.y[0]);
    EXPECT_LT(s.y[1], 0.0f);
}

TEST(OnePass, DriveFollowsAmplitudeAndPhase) {
    ChainState s = startState();
    s.harmonicOn = 1;
    s.amplitude = 2;
    s.drivePhase = 0x1.921fb6p+0f; // pi / 2
    s.driveTime = 0.4f;
    integratePass(s);
    EXPECT_EQ(s.driveTime, 0.5f);
    // -2 sin(0.5 * 0.2513274 + pi / 2) = -2 cos(0.1256637) = -2 * 0.9921147 = -1.984229
    EXPECT_EQ(s.y[0], -0x1.fbf676p+0f);
    EXPECT_EQ(singleToText(s.y[0], ","), "-1,984229");
}

struct LooseEndCase {
    const char* name;
    float selfCoeff;
    float endDamping;
    float expectedAccel;
};

class LooseEnd : public ::testing::TestWithParam<LooseEndCase> {};

TEST_P(LooseEnd, HangsOnOneSpringScaledBySelfCoeff) {
    const LooseEndCase& c = GetParam();
    ChainState s = startState();
    s.selfCoeff = c.selfCoeff;
    s.endDamping = c.endDamping;
    s.y[96] = 0;
    s.y[97] = 1;
    s.v[97] = 0;
    integratePass(s);
    EXPECT_EQ(s.accel[97], c.expectedAccel);
    // The neighbour feels the end's displacement through its own spring only.
    EXPECT_EQ(s.accel[96], 1.0f);
}

INSTANTIATE_TEST_SUITE_P(Chains, LooseEnd,
                         ::testing::Values(LooseEndCase{"TorsionDamped", 2.0f, 2.0f, -2.0f},
                                           LooseEndCase{"TorsionFree", 2.0f, 0.0f, -2.0f},
                                           LooseEndCase{"PendulumDamped", kPendulum, 2.0f, -2.1f},
                                           LooseEndCase{"PendulumFree", kPendulum, 0.0f, -2.1f}),
                         [](const ::testing::TestParamInfo<LooseEndCase>& info) {
                             return info.param.name;
                         });

TEST(OnePass, LooseEndMovesByVelocityFirstThenPosition) {
    ChainState s = startState();
    s.y[97] = 1;
    integratePass(s);
    // v = -2 * 0.1f = -0.2f; y = float(-0.2f * 0.1f + 1) = 0.98f
    EXPECT_EQ(s.v[97], -0.2f);
    EXPECT_EQ(s.y[97], 0.98f);
}

TEST(OnePass, EndDampingBrakesInProportionToVelocity) {
    ChainState damped = startState();
    damped.y[97] = 1;
    damped.v[97] = -0.2f;
    ChainState free = damped;
    free.endDamping = 0;
    integratePass(damped);
    integratePass(free);
    EXPECT_EQ(free.accel[97], -2.0f);
    // -2 - (-0.2f * 2) = -1.59999999404, which rounds to -1.6f
    EXPECT_EQ(damped.accel[97], -1.6f);
}

TEST(OnePass, PendulumCoefficientIsTheSingleNearestToTwoPointOne) {
    // The chain-type check compares with 2.1f; a value stored from the double 2.1 must match.
    ChainState s = startState();
    s.selfCoeff = static_cast<float>(2.1);
    EXPECT_EQ(s.selfCoeff, kPendulum);
    s.y[50] = 1;
    integratePass(s);
    // The interior term includes the pull back towards rest: -2.1f * 1
    EXPECT_EQ(s.accel[50], -2.1f);
    EXPECT_EQ(s.accel[49], 1.0f);
    EXPECT_EQ(s.accel[51], 1.0f);
}

TEST(ChainAtRest, StaysAtRestInEveryMedium) {
    for (int variant = 0; variant < 8; ++variant) {
        ChainState s = startState();
        s.selfCoeff = (variant & 1) != 0 ? kPendulum : 2.0f;
        s.obstacleOn = (variant & 2) != 0 ? 1 : 0;
        if ((variant & 4) != 0) {
            s.refractionOn = 1;
            for (int i = 48; i <= 99; ++i) {
                s.massFactor[i] = 0.25f;
            }
        }
        for (int pass = 0; pass < 2000; ++pass) {
            integratePass(s);
        }
        for (int i = 0; i <= kLast; ++i) {
            ASSERT_EQ(s.y[i], 0.0f) << "variant " << variant << ", mass " << i;
            ASSERT_EQ(s.v[i], 0.0f) << "variant " << variant << ", mass " << i;
            ASSERT_EQ(s.accel[i], 0.0f) << "variant " << variant << ", mass " << i;
        }
    }
}

TEST(Obstacle, BrakesOnlyMass48AndNeighboursFeelItAPassLater) {
    const ChainState before = movingState();
    ASSERT_NE(before.v[48], 0.0f);
    ChainState off = before;
    ChainState on = before;
    on.obstacleOn = 1;
    integratePass(off);
    integratePass(on);
    for (int i = 1; i <= kLast; ++i) {
        if (i != 48) {
            EXPECT_EQ(on.accel[i], off.accel[i]) << "mass " << i;
            EXPECT_EQ(on.v[i], off.v[i]) << "mass " << i;
            EXPECT_EQ(on.y[i], off.y[i]) << "mass " << i;
        }
    }
    EXPECT_EQ(on.accel[48], static_cast<float>(double(off.accel[48]) - double(before.v[48])));
    EXPECT_NE(on.v[48], off.v[48]);

    integratePass(off);
    integratePass(on);
    EXPECT_NE(on.accel[47], off.accel[47]);
    EXPECT_NE(on.accel[49], off.accel[49]);
    EXPECT_EQ(on.accel[46], off.accel[46]);
    EXPECT_EQ(on.accel[50], off.accel[50]);
}

TEST(Refraction, QuartersTheVelocityChangeFromMass48On) {
    ChainState s = startState();
    for (int i = 48; i <= 99; ++i) {
        s.massFactor[i] = 0.25f;
    }
    s.y[46] = 1;
    s.y[47] = 1;
    s.y[48] = -1;
    s.y[49] = -1;
    integratePass(s);
    // accel(47) = 1 - 1 - 2 = -2 at factor 1; accel(48) = 1 - 1 + 2 = 2 at factor 0.25
    EXPECT_EQ(s.v[47], -0.2f);
    EXPECT_EQ(s.v[48], 0.05f);
}

TEST(OutsideSlots, NeverInfluenceTheMotion) {
    ChainState clean = movingState();
    ChainState dirty = clean;
    for (int i = 98; i <= 100; ++i) {
        dirty.y[i] = 1e6f;
        dirty.v[i] = -1e6f;
        dirty.accel[i] = 1e6f;
        dirty.massFactor[i] = 1e6f;
        dirty.yShown[i] = 1e6f;
    }
    for (int pass = 0; pass < 500; ++pass) {
        integratePass(clean);
        integratePass(dirty);
    }
    expectSameChain(clean, dirty);
    for (int i = 98; i <= 100; ++i) {
        EXPECT_EQ(dirty.y[i], 1e6f);
        EXPECT_EQ(dirty.v[i], -1e6f);
        EXPECT_EQ(dirty.accel[i], 1e6f);
    }
}

TEST(Clock, ThirtyStepsOfTenthAccumulateToJustBelowThree) {
    ChainState s = startState();
    for (int pass = 0; pass < 30; ++pass) {
        advanceClock(s);
    }
    EXPECT_EQ(s.clockTime, 2.9999993f); // 0x1.7ffffap+1, three steps of a float below 3
}

} // namespace

TEST(StartValues, AreTheSameWhateverTheStateHeldBefore) {
    ChainState fresh;
    setStartValues(fresh);

    // A state that has run for a while with every switch on and every array disturbed.
    ChainState used;
    used.halted = used.harmonicOn = used.refractionOn = used.obstacleOn = used.clockOn = 1;
    used.dt = used.endDamping = used.selfCoeff = used.clockTime = used.driveTime = 0.5f;
    used.clockCarry = used.driveCarry = 1e-4f;
    used.omega = used.amplitude = used.drivePhase = 7;
    for (int i = 0; i <= 100; ++i) {
        used.y[i] = used.v[i] = used.accel[i] = used.yShown[i] = used.massFactor[i] = float(i);
    }
    setStartValues(used);

    // Without padding, comparing the bytes compares every field.
    static_assert(sizeof(ChainState) ==
                  5 * sizeof(ChainState::Row) + 10 * sizeof(float) + 6 * sizeof(std::int16_t));
    EXPECT_EQ(std::memcmp(&used, &fresh, sizeof(ChainState)), 0);
}
