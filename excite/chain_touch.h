#pragma once

#include <QObject>
#include <QPointF>

class ChainView;
class HandAndTape;
class QTouchEvent;

// Fingers on a touch screen over the chain view, through the mouse handlers with the button
// codes. The first finger down decides, once it has moved further than the platform's drag
// distance: moved at once, it is the hand (the left button); held still for kHoldMs first, it
// lays the tape (the right button). Lifted without having moved, it is a click of that button.
// Further fingers are ignored until all are lifted, so at most one of hand and tape is active;
// lifting the first finger, or a cancelled touch, ends it. Touch pads and pens that report
// themselves as a mouse are left to the mouse.
class ChainTouch : public QObject {
    Q_OBJECT

public:
    static constexpr quint64 kHoldMs = 500;

    ChainTouch(ChainView& Picture1, HandAndTape& hand);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Phase { None, Undecided, Held, Finished };

    void touch(const QTouchEvent& event);
    void decide(quint64 timestamp);
    void down(QPointF at);
    void move(QPointF at);
    void up(QPointF at);

    ChainView& Picture1_;
    HandAndTape& hand_;
    Phase phase_ = Phase::None;
    int finger_ = -1;
    int button_ = 0;
    QPointF start_;
    QPointF last_;
    quint64 startTime_ = 0;
};
