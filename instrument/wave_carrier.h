#pragma once

#include "instrument/control.h"

#include <string>

class Panels;
struct ChainState;

// The choice of the wave carrier: the torsion chain, where only the springs act, or the
// pendulum chain, where every mass is also pulled back towards rest. The chain type is recorded
// only in selfCoeff; nothing else is reset, so a running wave carries on with the new force.
class WaveCarrier {
public:
    // The panel with the two option buttons; the window, whose title names the carrier, and the
    // information button, whose caption names it too.
    // Writes the start captions of these controls: the torsion chain chosen, and the window's
    // title at start, which names no carrier.
    WaveCarrier(ChainState& state, Panels& panels);

    // "Zarvel", 90 blanks, the credit line.
    static std::string startTitle();

    // A click on "Torsionskette" and on "Pendelkette".
    void chooseTorsionChain();
    void choosePendulumChain();

private:
    void choose(float selfCoeff, Control chosen, Control other, const std::string& title,
                const std::string& infoCaption);

    ChainState& state_;
    Panels& panels_;
};
