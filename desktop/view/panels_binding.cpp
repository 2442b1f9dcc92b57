#include "desktop/view/panels_binding.h"

#include "desktop/platform/qt_colour.h"
#include "desktop/view/chain_view.h"
#include "desktop/view/keyboard_pointer.h"
#include "instrument/form.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

namespace {

QString toQString(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void showCaption(QWidget& widget, ControlKind kind, const QString& caption) {
    switch (kind) {
    case ControlKind::Window:
        widget.setWindowTitle(caption);
        break;
    case ControlKind::Frame:
        static_cast<QGroupBox&>(widget).setTitle(caption);
        break;
    case ControlKind::Button:
    case ControlKind::Option:
        static_cast<QAbstractButton&>(widget).setText(caption);
        break;
    case ControlKind::Label:
        static_cast<QLabel&>(widget).setText(caption);
        break;
    case ControlKind::TextBox:
        static_cast<QLineEdit&>(widget).setText(caption);
        break;
    case ControlKind::ScrollBar:
        // A bar without a read-out of its own is spoken with its meaning, as its caption holds it
        // ("25 Zeiteinheiten je Sekunde"); a bar with one is described by its read-out.
        if (!caption.isEmpty()) {
            widget.setAccessibleDescription(caption);
        }
        break;
    case ControlKind::View:
    case ControlKind::Pointer:
        break;
    }
}

} // namespace

PanelsBinding::PanelsBinding(const Panels& panels, ChainView& view) : panels_(panels), view_(view) {
    panels.observe([this](Control control, Panels::Aspect aspect) { show(control, aspect); });
}

void PanelsBinding::bind(Control control, QWidget& widget) {
    widgets_[static_cast<std::size_t>(control)] = &widget;
}

void PanelsBinding::showAll() {
    using Aspect = Panels::Aspect;
    for (int i = 0; i < kControlCount; ++i) {
        const auto control = static_cast<Control>(i);
        if (widgets_[static_cast<std::size_t>(i)] == nullptr) {
            continue;
        }
        const Panels::State& state = panels_[control];
        show(control, Aspect::Caption);
        // The window is shown by its load, not before it is laid out.
        if (controlKind(control) != ControlKind::Window) {
            show(control, Aspect::Visible);
        }
        if (!state.enabled) {
            show(control, Aspect::Enabled);
        }
        if (state.back) {
            show(control, Aspect::Back);
        }
        switch (controlKind(control)) {
        case ControlKind::Button:
        case ControlKind::Option:
            show(control, Aspect::Checked);
            break;
        case ControlKind::ScrollBar:
            show(control, Aspect::Range);
            show(control, Aspect::Value);
            break;
        default:
            break;
        }
    }
}

void PanelsBinding::show(Control control, Panels::Aspect aspect) {
    const Panels::State& state = panels_[control];
    // A switch's indicator and a bar's read-out describe the switch and the bar.
    const Control shown = Form::showing(control);
    QWidget* told = widgets_[static_cast<std::size_t>(shown)];
    if (aspect == Panels::Aspect::Caption && shown != Role::kWindow && told != nullptr) {
        told->setAccessibleDescription(toQString(state.caption));
    }
    QWidget* widget = widgets_[static_cast<std::size_t>(control)];
    if (widget == nullptr) {
        return;
    }
    const ControlKind kind = controlKind(control);
    switch (aspect) {
    case Panels::Aspect::Caption:
        showCaption(*widget, kind, toQString(state.caption));
        break;
    case Panels::Aspect::Back: {
        // A label shows its back colour in the Window role, a text box in its field's; without
        // one of its own (the look at the start) it takes the toolkit's.
        const QPalette::ColorRole role =
            kind == ControlKind::TextBox ? QPalette::Base : QPalette::Window;
        setBackColour(*widget,
                      state.back ? toQRgb(*state.back)
                                 : QApplication::palette(widget).color(role).rgb(),
                      role);
        break;
    }
    case Panels::Aspect::Visible:
        widget->setVisible(state.visible);
        break;
    case Panels::Aspect::Enabled:
        widget->setEnabled(state.enabled);
        break;
    case Panels::Aspect::Checked:
        static_cast<QAbstractButton*>(widget)->setChecked(state.checked);
        break;
    case Panels::Aspect::Range: {
        auto* bar = static_cast<QScrollBar*>(widget);
        bar->setRange(state.range.minimum, state.range.maximum);
        bar->setSingleStep(state.range.smallChange);
        bar->setPageStep(state.range.largeChange);
        break;
    }
    case Panels::Aspect::Value:
        static_cast<QScrollBar*>(widget)->setValue(state.value);
        break;
    case Panels::Aspect::Place:
        if (kind == ControlKind::Pointer) {
            // A hidden pointer put back to its start stays hidden.
            if (state.visible) {
                static_cast<KeyboardPointer*>(widget)->showAt(state.x, state.y);
            }
        } else {
            widget->move(view_.toPixel(state.x, state.y));
        }
        break;
    }
}
