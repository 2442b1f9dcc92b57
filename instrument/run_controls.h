#pragma once

#include "instrument/control.h"

class MediumMarkers;
class Panels;
class RunLoop;
struct ChainState;

// Halting and continuing the run, and ending the program.
class RunControls {
public:
    // The halt button, whose caption says what its next click does; the step button, which
    // takes clicks only while the run stands; the mode label in the chain view, which reads
    // "Halt" while the run stands; the window, which "Ende" unloads, and the
    // end button.
    // Writes the start captions of the two buttons.
    RunControls(ChainState& state, RunLoop& runner, MediumMarkers& markers, Panels& panels);

    // "Halt" sets the flag at which the run loop returns at the top of its next pass. "Weiter"
    // continues from exactly the halted state by running the loop inside this handler, which
    // then returns only after a later halt. A continuing click handled while a loop is still on
    // the call stack (a halt and a continue in one yield) lets that loop go on instead: loops
    // never nest, however many clicks queue up.
    void haltOrContinue();

    // "Ende": ends the program at once, from inside the run loop's yield or while halted. A
    // request to quit the application's event loop would never get back out through the
    // yield of a running loop.
    void end();

private:
    void showHalted();

    ChainState& state_;
    RunLoop& runner_;
    MediumMarkers& markers_;
    Panels& panels_;
};
