#include "core/chain_state.h"

#include "core/chain_constants.h"

#include <cmath>

void setStartValues(ChainState& s) {
    const std::int16_t running = s.running;
    s = ChainState{};
    s.running = running;

    s.pi = static_cast<float>(4.0 * std::atan(1.0));
    s.omega = static_cast<float>((double(s.pi) + double(s.pi)) / Chain::kStartPeriod);
    s.amplitude = static_cast<float>(Chain::kStartAmplitude);
    for (int i = 0; i <= ChainState::kLastWrittenSlot; ++i) {
        s.massFactor[i] = Chain::kLightMassFactor;
    }
    s.selfCoeff = Chain::kTorsionSelfCoeff;
    s.dt = static_cast<float>(Chain::kStartStep);
    s.endDamping = Chain::kDampingOn;
    s.endMarkG = static_cast<std::int16_t>(Chain::kDampingMarker.g);
    s.endMarkB = static_cast<std::int16_t>(Chain::kDampingMarker.b);
}
