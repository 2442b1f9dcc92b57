#pragma once

#include "instrument/chain_touch.h"

#include <QObject>
#include <QString>

#include <vector>

class ChainView;
class Instrument;
class QKeyEvent;
class QLineEdit;
class QTouchEvent;

// The keys and the fingers on the chain view, translated from Qt's events into the instrument's
// calls (see ChainKeys, ChainTouch). While the view has the focus, its accessible name carries
// the tape's reading, so a screen reader speaks each new reading. Touch pads and pens that
// report themselves as a mouse are left to the mouse.
class ChainViewInput : public QObject {
    Q_OBJECT

public:
    // `tapeReadout` is the tape's read-out.
    ChainViewInput(ChainView& view, Instrument& instrument, QLineEdit& tapeReadout);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPress(const QKeyEvent& event);
    void keyRelease(const QKeyEvent& event);
    void touch(const QTouchEvent& event);
    void readOutChanged(const QString& text);

    ChainView& view_;
    Instrument& instrument_;
    QString viewName_;
    QString tapeName_; // the tape read-out's accessible name
    const QLineEdit& tapeReadout_;
    std::vector<ChainTouch::Point> points_;
};
