#pragma once

#include <QWidget>

class ChainView;

// The point in the chain view that the keys move when the tape is laid without a mouse: a
// small cross, a child widget over the view like the tape's read-out, so the view's own image
// is never drawn on.
class KeyboardPointer : public QWidget {
    Q_OBJECT

public:
    explicit KeyboardPointer(ChainView& view);

    // Centres the cross on (x, y) in the view's user units and shows it.
    void showAt(float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ChainView& view_;
};
