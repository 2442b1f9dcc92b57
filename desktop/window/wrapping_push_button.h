#pragma once

#include <QPushButton>

// A push button whose caption breaks at blanks onto further lines when it is wider than the
// button, as the captions of this program's narrow buttons must; a caption that fits stays on
// one line, centred. Blanks inside the caption, leading ones included, are kept. A switch is
// checkable; its check follows the panels alone, not its own clicks. Checked, it looks pressed
// in, with a band in the highlight colour along its lower edge, under any style and at any
// scale; a screen reader hears it as a button, pressed or not (not as a check box, which Qt would
// make of a checkable button).
class WrappingPushButton : public QPushButton {
    Q_OBJECT

public:
    explicit WrappingPushButton(const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void nextCheckState() override {}
};
