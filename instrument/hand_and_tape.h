#pragma once

#include "instrument/control.h"

#include <cstdint>

class Markers;
class Panels;
struct ChainState;

// The mouse in the chain view. The left button moves the left end to the pointer's height;
// the right button rolls out a measuring tape from the press point towards the pointer, with
// tick marks every 1, 5 and 10 units and the distance, cut down to tenths, beside the pointer.
class HandAndTape {
public:
    // "Festes Ende" names the fixed end and is hidden while the hand holds it; the tape's
    // read-out follows the pointer while the tape is laid.
    // Writes the start captions of these controls.
    HandAndTape(ChainState& state, Markers& markers, Panels& panels);

    // The chain view's mouse events, with the button code, the shift code (see InputCodes) and
    // the position in user units; the shift code is not used here.
    void press(int button, int shift, float x, float y);
    void move(int button, int shift, float x, float y);
    void release(int button, int shift, float x, float y);

private:
    ChainState& state_;
    Markers& markers_;
    Panels& panels_;
};
