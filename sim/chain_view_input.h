#pragma once

#include "instrument/chain_touch.h"

#include <QObject>
#include <QString>

#include <vector>

class ChainKeys;
class ChainView;
class QKeyEvent;
class QLineEdit;
class QTouchEvent;

// The keys and the fingers on the chain view, translated from Qt's events for the rules that
// take them (ChainKeys, ChainTouch). While the view has the focus, its accessible name carries
// the tape's reading, so a screen reader speaks each new reading. Touch pads and pens that
// report themselves as a mouse are left to the mouse.
class ChainViewInput : public QObject {
    Q_OBJECT

public:
    // `tapeReadout` is the tape's read-out.
    ChainViewInput(ChainView& view, ChainKeys& keys, ChainTouch& touch, QLineEdit& tapeReadout);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPress(const QKeyEvent& event);
    void keyRelease(const QKeyEvent& event);
    void touch(const QTouchEvent& event);
    void readOutChanged(const QString& text);

    ChainView& view_;
    ChainKeys& keys_;
    ChainTouch& touch_;
    QString viewName_;
    std::vector<ChainTouch::Point> points_;
};
