#pragma once

#include "instrument/control.h"
#include "instrument/input_codes.h"

#include <string>

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
    HarmonicDrive(ChainState& state, Panels& panels, const InputCodes::Device& device);

    // The read-outs at start-up: the amplitude and the period as they start, and the drive
    // "Off" on the field's own colour.
    void showStartReadOuts();

    // "Harmonisch On/Off". A pulse under way ends where the end stands, as any drive.
    void toggle();
    // A pulse of `halfPeriods` half periods at the set amplitude and period: the drive on from
    // phase 0, so that the end first moves upwards (y(0) = -amplitude * sin(...) < 0) and 1 sends
    // one crest, 2n a train of n whole periods. At the pass that reaches the pulse's last half
    // period the end is set to rest, y(0) = 0, and the drive goes off (see endPulseIfDue).
    void sendPulse(int halfPeriods);
    // Before each pass, ahead of the drive law: ends a pulse whose end this pass reaches.
    void endPulseIfDue();
    // A pulse or train under way forgotten, where the end and the drive stand: a new setup
    // starts without one (see Instrument::startAfresh).
    void forgetPulse() {
        pulseHalves_ = 0;
        modeBeforePulse_.clear();
    }
    // The amplitude's and the period's scroll bars committed at `value`, in tenths (see
    // Chain::kAmplitudeBarScale and kPeriodBarScale): the drive takes it up with its read-out.
    void setAmplitude(int value);
    void setPeriod(int value);

private:
    ChainState& state_;
    Panels& panels_;
    const InputCodes::Device& device_; // the instrument's, as its front end reports it
    int pulseHalves_ = 0;              // 0: no pulse under way
    // The mode label before a pulse switched the drive on, shown again when it ends.
    std::string modeBeforePulse_;
};
