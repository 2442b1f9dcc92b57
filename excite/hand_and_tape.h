#pragma once

#include <QObject>

#include <cstdint>

class ChainView;
class QLabel;
class QLineEdit;
struct ChainState;

// The mouse in the chain view. The left button moves the left end to the pointer's height;
// the right button rolls out a measuring tape from the press point towards the pointer, with
// tick marks every 1, 5 and 10 units and the distance, cut down to tenths, beside the pointer.
class HandAndTape : public QObject {
    Q_OBJECT

public:
    // `Label3` names the fixed end and is hidden while the hand holds it; `Text1` is the
    // tape's read-out.
    HandAndTape(ChainState& state, ChainView& Picture1, QLabel& Label3, QLineEdit& Text1);

    // The chain view's mouse events, with the codes and the position ChainView reports; the
    // shift code is not used here.
    void Picture1_MouseDown(int button, int shift, float x, float y);
    void Picture1_MouseMove(int button, int shift, float x, float y);
    void Picture1_MouseUp(int button, int shift, float x, float y);

private:
    // Tick marks up from the tape line y = mouseY at start, start + step, ... up to end, in
    // three rows. Thin pen, then back to the resting width.
    void DrawTapeScale(float start, std::int16_t end);

    ChainState& state_;
    ChainView& Picture1_;
    QLabel& Label3_;
    QLineEdit& Text1_;
};
