#include "core/chain_physics.h"

#include "core/chain_constants.h"
#include "core/chain_state.h"
#include "core/drive_sine.h"
#include "core/float_status_check.h"
#include "core/runtime_error.h"

namespace {

using Chain::kObstacleMass;

// A float sum of the steps loses what falls below its last place: past 8,192 time units a step
// of 0.1 adds 0.0996, past 32,768 it adds 0.1016, and a drive or clock counted that way drifts by
// up to 1.6 % in a lesson. Beyond kPlainTimeSpan the dropped part goes into the carry and comes
// back with the next step, so that time + carry stays the sum of the steps, whatever they were,
// to below 1e-9 time units per pass up to 100,000 time units.
void advanceTime(float& time, float& carry, float dt) {
    const double sum = double(dt) + double(time);
    if (time < Chain::kPlainTimeSpan) {
        time = toStored(sum);
        return;
    }
    // Exact in double: both floats' places lie within 53 bits of each other.
    const double total = sum + double(carry);
    time = toStored(total);
    carry = toStored(total - double(time));
}

void applyDrive(ChainState& s) {
    advanceTime(s.driveTime, s.driveCarry, s.dt);
    const double argument =
        (double(s.driveTime) + double(s.driveCarry)) * double(s.omega) + double(s.drivePhase);
    s.y[0] = toStored(-double(s.amplitude) * driveSine(argument));
}

// Forces come from the displacements at the start of the pass: all of them are stored before
// any mass moves.
void computeForces(ChainState& s) {
    const double self = s.selfCoeff;
    for (int i = 1; i <= ChainState::kLastMass - 1; ++i) {
        s.accel[i] = toStored((double(s.y[i - 1]) + double(s.y[i + 1])) - double(s.y[i]) * self);
    }
    // The loose end hangs on one spring only; its force is scaled by selfCoeff, and the damper
    // brakes it in proportion to its velocity.
    constexpr int end = ChainState::kLastMass;
    s.accel[end] = toStored((double(s.y[end - 1]) - double(s.y[end])) * self -
                            double(s.v[end]) * double(s.endDamping));
    if (s.obstacleOn == 1) {
        s.accel[kObstacleMass] =
            toStored(double(s.accel[kObstacleMass]) - double(s.v[kObstacleMass]));
    }
}

// Semi-implicit Euler: velocity first, then position with the new velocity.
void moveMasses(ChainState& s) {
    const double dt = s.dt;
    for (int j = 1; j <= ChainState::kLastMass; ++j) {
        s.v[j] = toStored(double(s.massFactor[j]) * double(s.accel[j]) * dt + double(s.v[j]));
        s.y[j] = toStored(double(s.v[j]) * dt + double(s.y[j]));
    }
}

} // namespace

void integratePass(ChainState& s) {
    const FloatStatusCheck check;
    if (s.harmonicOn == 1) {
        applyDrive(s);
        checkFloatStatus();
    }
    computeForces(s);
    checkFloatStatus();
    moveMasses(s);
}

void advanceClock(ChainState& s) {
    const FloatStatusCheck check;
    advanceTime(s.clockTime, s.clockCarry, s.dt);
}
