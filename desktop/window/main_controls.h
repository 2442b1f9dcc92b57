#pragma once

#include "instrument/control.h"

#include <array>

class ChainView;
class QAbstractButton;
class QGroupBox;
class QLabel;
class QLineEdit;
class QScrollBar;
class QWidget;
class ShownPicture;

// The controls of the main window as widgets, built from the form description (see Form): one
// widget of the control's kind for each entry, named by its control, with its font, look,
// accessible name and place in the focus order. The window owns them through Qt's parent
// chain; these are plain pointers for the binding, the layout and the tests. Captions, colours,
// visibility and the scroll bars' settings are the handlers' (see Panels); where the controls
// go on the screen is MainLayout's.
class MainControls {
public:
    // Gives the window its font and creates every control in it; the chain view shows `picture`
    // (the instrument's).
    static MainControls createIn(QWidget& window, ShownPicture& picture);

    // The widget of a control, by its kind.
    QWidget* operator[](Control control) const { return widgets_[index(control)]; }
    ChainView* view() const;
    QAbstractButton* button(Control control) const; // a button or an option
    QLabel* label(Control control) const;
    QLineEdit* textBox(Control control) const;
    QScrollBar* scrollBar(Control control) const;
    QGroupBox* frame(Control control) const;

private:
    static std::size_t index(Control control) { return static_cast<std::size_t>(control); }
    template <typename Widget> Widget* as(Control control, ControlKind kind) const;

    std::array<QWidget*, kControlCount> widgets_{};
};
