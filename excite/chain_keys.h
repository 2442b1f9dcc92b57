#pragma once

#include <QObject>
#include <QString>

class ChainView;
class HandAndTape;
class KeyboardPointer;
class QKeyEvent;
class QLineEdit;
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
//   pointer away.
class ChainKeys : public QObject {
    Q_OBJECT

public:
    // `Text1` is the tape's read-out; a screen reader hears its reading through the view's
    // accessible name while the view has the focus.
    ChainKeys(const ChainState& state, ChainView& Picture1, HandAndTape& hand, QLineEdit& Text1);

    // The keys, in German, for the view's tooltip and accessible description.
    static QString keyList();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Mode { Hand, Pointing, Tape };

    bool keyPress(const QKeyEvent& event);
    void keyRelease(const QKeyEvent& event);
    void moveEnd(int tenths, int shift);
    void movePointer(int dx, int dy);
    void layTape(int shift);
    void unroll(int tenths, int shift);
    void endTape(int shift);
    // The hand and the tape both end, as when every button is released.
    void letGo();
    void readOutChanged(const QString& text);

    const ChainState& state_;
    ChainView& Picture1_;
    HandAndTape& hand_;
    QLineEdit& Text1_;
    KeyboardPointer* pointer_;
    QString viewName_;

    Mode mode_ = Mode::Hand;
    int heldKeys_ = 0; // Up and Down, while they hold the end
    // The pointer and the tape in tenths of a unit, so that the keys count exactly.
    int pointerX_ = 100;
    int pointerY_ = 0;
    int tapeEnd_ = 0;
};
