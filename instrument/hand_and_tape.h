#pragma once

#include "instrument/control.h"

#include <cstdint>

class Panels;
class TapeMarks;
struct ChainState;

// Where the last press in the chain view was, in user units, whichever button: the point the
// right button's tape is measured from.
struct TapeOrigin {
    float x = 0;
    float y = 0;
};

// The mouse in the chain view. The left button moves the left end to the pointer's height;
// the right button rolls out a measuring tape from the press point towards the pointer, with
// tick marks every 1, 5 and 10 units and the distance, cut down to tenths, beside the pointer.
class HandAndTape {
public:
    // "Festes Ende" names the fixed end and is hidden while the hand holds it; the tape's
    // read-out follows the pointer while the tape is laid.
    // Writes the start captions of these controls.
    HandAndTape(ChainState& state, TapeMarks& tapes, Panels& panels);

    // The chain view's mouse events, with the button code, the shift code (see InputCodes) and
    // the position in user units; the shift code is not used here.
    void press(int button, int shift, float x, float y);
    void move(int button, int shift, float x, float y);
    void release(int button, int shift, float x, float y);

    TapeOrigin origin() const { return origin_; }

    // The tape measured again from the view's corner, as at the start.
    void forgetOrigin() { origin_ = {}; }

private:
    ChainState& state_;
    TapeMarks& tapes_;
    Panels& panels_;
    TapeOrigin origin_;
};
