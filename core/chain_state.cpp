#include "core/chain_state.h"

#include "core/chain_constants.h"

void setStartValues(ChainState& s) {
    s = ChainState{};

    s.omega = static_cast<float>((double(Chain::kPi) + double(Chain::kPi)) / Chain::kStartPeriod);
    s.amplitude = static_cast<float>(Chain::kStartAmplitude);
    for (int i = 0; i <= ChainState::kLastWrittenSlot; ++i) {
        s.massFactor[i] = Chain::kLightMassFactor;
    }
    s.selfCoeff = Chain::kTorsionSelfCoeff;
    s.dt = static_cast<float>(Chain::kStartStep);
    s.endDamping = Chain::kDampingOn;
}
