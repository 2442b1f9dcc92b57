#pragma once

#include "instrument/experiments.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QScrollArea;

// The instruction of the experiment chosen last: a tool window of the main window's, on top of
// it and not modal, with the title, the text wrapped at the panel's width (see
// Experiments::kPanelWidth) and a close button. It stands over the chain view's lower part,
// between the view's labels at the top and at the bottom, and left of the view's middle, so that
// it covers no control and leaves the time diagram's place at the right free; where the view is
// too low for the whole text, the text scrolls. Closing it (the
// button, Escape or its frame) reports `closed`; a new instruction replaces the text shown.
class InstructionPanel : public QWidget {
    Q_OBJECT

public:
    // Over `view`, the main window's chain view.
    InstructionPanel(QWidget& mainWindow, const QWidget& view);

    // Shows `instruction` in front, with the keyboard on its close button.
    void showInstruction(const Experiments::Instruction& instruction);

signals:
    void closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // A window manager frames the window only once it is shown: placed again for the frame.
    void moveEvent(QMoveEvent* event) override;

private:
    // Its height for the room over the view, and its place there.
    void fitAndPlace();

    const QWidget& view_;
    QLabel* title_;
    QLabel* text_;
    QScrollArea* scroll_;
    QPushButton* close_;
    int placedAbove_ = -1; // the frame above the window when it was placed
};
