#pragma once

#include "instrument/experiments.h"
#include "instrument/lesson_layout.h"

#include <QFrame>
#include <QPointer>

class QLabel;
class QPushButton;
class QScrollArea;

// The instruction of the experiment chosen last: a part of the main window, placed by the
// lesson's layout clear of the chain view, with the title, the text wrapped at the width it gets
// and a close button. Where its place is too low for the whole text, the text scrolls inside it.
// Closing it (the button or Escape) reports `closed`, with the keyboard back where it was; a new
// instruction replaces the text shown.
class InstructionPanel : public QFrame {
    Q_OBJECT

public:
    InstructionPanel(QWidget& mainWindow, QWidget& view);

    // Shows `instruction`, with the keyboard on its close button.
    void showInstruction(const Experiments::Instruction& instruction);

    // Its heights in the main window's layout: the title, a few lines and the button at least,
    // the whole text at a given width at most.
    LessonLayout::Tool tool() const;

signals:
    void closed();
    // It opened or closed: the layout is to be made anew.
    void placeChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Its height at `width` with `lines` lines of the text, or the whole text where 0.
    int heightAt(int width, int lines) const;

    QWidget& view_; // where the keyboard goes where it came from nowhere else
    QLabel* title_;
    QLabel* text_;
    QScrollArea* scroll_;
    QPushButton* close_;
    QPointer<QWidget> cameFrom_;
};
