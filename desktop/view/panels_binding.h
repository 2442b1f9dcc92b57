#pragma once

#include "instrument/panels.h"

#include <QObject>

#include <array>

class ChainView;
class QWidget;

// The panels' state (Panels) on the desktop: each control's widget shows what the panels say of
// it, changed as the handlers change it; the boxes are read-outs, which take no typing. A
// scroll bar's new value reaches the panels through the instrument (Instrument::scroll). A
// switch's indicator and a scroll bar's read-out (Form::Entry::shownBy) also give their text to
// the switch's and the bar's accessible description, so a screen reader says the state or the
// value as the window shows it, not the bar's raw value.
class PanelsBinding : public QObject {
    Q_OBJECT

public:
    // Places in the chain view's user units become pixels of `view`.
    PanelsBinding(const Panels& panels, ChainView& view);

    // `widget` shows `control` from now on: a widget of the control's kind (the window itself for
    // the window, a QGroupBox for a frame, a KeyboardPointer for the pointer, ...).
    void bind(Control control, QWidget& widget);
    // Every bound widget shows what the panels hold of it now: after binding, for what the
    // handlers wrote before there was a widget to show it.
    void showAll();

private:
    void show(Control control, Panels::Aspect aspect);

    const Panels& panels_;
    ChainView& view_;
    std::array<QWidget*, kControlCount> widgets_{};
};
