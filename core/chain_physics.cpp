#include "core/chain_physics.h"

#include "core/chain_constants.h"
#include "core/chain_state.h"
#include "core/drive_sine.h"
#include "core/float_status_check.h"
#include "core/runtime_error.h"

namespace {

using Chain::kObstacleMass;

void applyDrive(ChainState& s) {
    s.driveTime = toStored(double(s.dt) + double(s.driveTime));
    const double argument = double(s.driveTime) * double(s.omega) + double(s.drivePhase);
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
    s.clockTime = toStored(double(s.dt) + double(s.clockTime));
}
