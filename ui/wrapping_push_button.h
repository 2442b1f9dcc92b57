#pragma once

#include <QPushButton>

// A push button whose caption breaks at blanks onto further lines when it is wider than the
// button, as the captions of this program's narrow buttons must; a caption that fits stays on
// one line, centred. Blanks inside the caption, leading ones included, are kept. A switch is
// checkable, so that a screen reader hears it pressed or not; its check follows the panels
// alone, not its own clicks, and it looks the same either way (its indicator shows the state).
class WrappingPushButton : public QPushButton {
    Q_OBJECT

public:
    explicit WrappingPushButton(const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void nextCheckState() override {}
};
