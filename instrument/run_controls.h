#pragma once

#include "instrument/control.h"
#include "instrument/input_codes.h"

class ChainPass;
class MediumMarkers;
class Panels;
struct ChainState;

// Halting and continuing the run, and ending the program.
class RunControls {
public:
    // The halt button, whose caption says what its next click does; the step button, which
    // takes clicks only while the run stands; the mode label in the chain view, which reads
    // "Halt" while the run stands; the window, which "Ende" unloads, and the end button.
    // Writes the start captions of the two buttons.
    RunControls(ChainState& state, ChainPass& pass, MediumMarkers& markers, Panels& panels,
                const InputCodes::Device& device);

    // "Halt" sets the flag that stops the run at the top of its next pass. "Weiter" continues
    // from exactly the halted state with the next pass due; a halt and a continue before the
    // next pass leave the run going as if neither had come.
    void haltOrContinue();

    // "Ende": the window unloaded and the run ended for good; the front end ends the program.
    void end();
    bool ended() const { return ended_; }

private:
    void showHalted();

    ChainState& state_;
    ChainPass& pass_;
    MediumMarkers& markers_;
    Panels& panels_;
    const InputCodes::Device& device_; // the instrument's, as its front end reports it
    bool ended_ = false;
};
