#include "sim/chain_state.h"

#include <cmath>

void setStartValues(ChainState& s) {
    s.pi = static_cast<float>(4.0 * std::atan(1.0));
    s.omega = static_cast<float>((double(s.pi) + double(s.pi)) / 25.0);
    s.amplitude = 1.0f;
    for (int i = 0; i <= 99; ++i) {
        s.massFactor[i] = 1.0f;
    }
    s.selfCoeff = 2.0f;
    s.dt = 0.1f;
    s.endDamping = 2.0f;
    s.endMarkG = 128;
    s.endMarkB = 128;
}
