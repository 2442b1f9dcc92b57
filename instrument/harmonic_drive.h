#pragma once

#include "instrument/control.h"

class Panels;
struct ChainState;

// The harmonic drive of the left end: its switch, its amplitude and its period. The run loop
// applies the drive law y(0) = -amplitude * sin(omega * driveTime + drivePhase) at every pass
// while it is on; these handlers set its parameters and keep the phase continuous when the
// period changes.
class HarmonicDrive {
public:
    // The panel "Anregung am linken Ende": the two scroll bars with their names and read-outs,
    // the switch with its state, the hint for the hand, whose colour shows whether the hand is in
    // charge; and the mode label in the chain view.
    // Writes the start captions of these controls and the scroll bars' settings.
    HarmonicDrive(ChainState& state, Panels& panels);

    // The read-outs at start-up: the amplitude and the period as they start, and the drive
    // "Off" on the field's own colour.
    void showStartReadOuts();

    // "Harmonisch On/Off".
    void toggle();
    // The amplitude's and the period's scroll bars committed at `value`, in tenths (see
    // Chain::kAmplitudeBarScale and kPeriodBarScale): the drive takes it up with its read-out.
    void setAmplitude(int value);
    void setPeriod(int value);

private:
    ChainState& state_;
    Panels& panels_;
};
