#pragma once

#include "instrument/control.h"

class Panels;
struct ChainState;

// The clock read-out and the speed of the simulation. The run loop advances the clock time at
// every pass and shows it while the clock runs; the speed is the loop's time step.
class ClockAndSpeed {
public:
    // The panel "Uhr" and "Zeitablauf": the clock's read-out (written by the run loop) and its
    // switch; the speed's scroll bar and its name.
    // Writes the start captions of these controls and the speed bar's settings.
    ClockAndSpeed(ChainState& state, Panels& panels);

    // Starts the clock from zero, or stops it with its last time left in the read-out.
    void toggleClock();
    // The speed scroll bar committed at `value` (after an arrow or track click, or when its
    // dragged thumb is released): the time step is the value in hundredths.
    void setSpeed(int value);

private:
    ChainState& state_;
    Panels& panels_;
};
