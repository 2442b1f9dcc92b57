#pragma once

#include "instrument/control.h"

#include <functional>
#include <string_view>

class HandAndTape;
class Panels;
struct ChainState;

// The hand and the tape from the keyboard, while the chain view has the focus. Every key acts
// through the mouse handlers with the button codes, so a key does exactly what the mouse does
// at the same points.
//
// - Up/Down: the hand, as a held left button at the left end: the first press grabs the end,
//   each press and each repeat of a held key moves it a tenth of a unit (Shift: half a unit)
//   along the tenths, within the view. The end is let go when the last arrow key that holds it
//   is released, or when the view loses the focus.
// - M: shows the keyboard pointer; the arrow keys move it, Left/Right a unit (Shift: a tenth),
//   Up/Down as the hand. Enter, Space or M lays the tape there, as a right-button press.
// - While the tape is laid: Left/Right unroll its end a unit (Shift: a tenth); Enter, Space, M
//   or Escape end it as the right button's release. Escape before the tape is laid puts the
//   pointer away. D chooses the mass at the pointer for the time diagram (see onChoose).
class ChainKeys {
public:
    // The keys that mean something here; a front end passes every other key as Other.
    // S is the step's (see TimeStep), taken before these rules.
    enum class Key { Up, Down, Left, Right, Enter, Space, M, Escape, S, D, Other };

    // Shows and moves the keyboard pointer, a cross over the view, to lay the tape without a
    // mouse.
    ChainKeys(const ChainState& state, HandAndTape& hand, Panels& panels);

    // The keys, in German, for the view's tooltip and accessible description.
    static std::string_view keyList();

    // A key pressed (or a held key's repeat) with the shift code; true if the key was taken.
    bool keyPress(Key key, int shift);
    // A key released; a held key's repeats come as releases marked `autoRepeat`.
    void keyRelease(Key key, int shift, bool autoRepeat);
    // The view lost the focus: a key released elsewhere never reaches it.
    void focusLost();
    // What D does with the pointer shown: choose the mass nearest to the pointer's x.
    void onChoose(std::function<void(float x)> choose) { choose_ = std::move(choose); }

private:
    enum class Mode { Hand, Pointing, Tape };

    void moveEnd(int tenths, int shift);
    void movePointer(int dx, int dy);
    void layTape(int shift);
    void unroll(int tenths, int shift);
    void endTape(int shift);
    // The hand and the tape both end, as when every button is released.
    void letGo();
    void showPointerAt(float x, float y);
    void hidePointer();

    const ChainState& state_;
    HandAndTape& hand_;
    Panels& panels_;

    Mode mode_ = Mode::Hand;
    int heldKeys_ = 0; // Up and Down, while they hold the end
    // The pointer and the tape in tenths of a unit, so that the keys count exactly.
    int pointerX_ = 100;
    int pointerY_ = 0;
    int tapeEnd_ = 0;
    std::function<void(float x)> choose_;
};
