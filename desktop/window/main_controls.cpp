#include "desktop/window/main_controls.h"

#include "desktop/platform/ui_metrics.h"
#include "desktop/view/chain_view.h"
#include "desktop/view/keyboard_pointer.h"
#include "desktop/window/focus_scroll_bar.h"
#include "desktop/window/opaque_text_box.h"
#include "desktop/window/wrapping_push_button.h"
#include "instrument/form.h"
#include "language/language.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>

namespace {

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A panel's caption sits on its outline at the top left, the outline running behind it, so the
// controls placed from the panel's corner stand inside the outline.
QWidget* makeFrame(QWidget* parent) {
    auto* frame = new QGroupBox(parent);
    frame->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); margin-top: 0.5em; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0px 2px; }"));
    return frame;
}

// Labels show their text from the top left and break it at blanks where it is wider than the
// label. A plain label in a panel lets the panel's surface show through; the others are opaque.
QWidget* makeLabel(QWidget* parent, Form::Look look) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    switch (look) {
    case Form::Look::Indicator:
        // A single-line border and a background colour of its own, which the switches change.
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setLineWidth(1);
        label->setAutoFillBackground(true);
        break;
    case Form::Look::Centred:
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        break;
    case Form::Look::InViewLabel:
        // On the standard surface colour, not on the view's. The mouse goes through to the
        // view: "Festes Ende" is where a student grabs the end, and it hides on the press,
        // which would otherwise cut the drag off from the view.
        label->setAutoFillBackground(true);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        break;
    case Form::Look::Plain:
        break;
    }
    return label;
}

QWidget* makeTextBox(QWidget* parent, Control control, bool inView) {
    // The clock's text changes every display frame while it runs.
    QLineEdit* box = control == Role::kClockReadout ? new OpaqueTextBox(QString(), parent)
                                                    : new QLineEdit(parent);
    if (inView) {
        // The tape's read-out follows the pointer; a press on it starts the next tape.
        box->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    return box;
}

QWidget* makeScrollBar(QWidget* parent) {
    auto* bar = new FocusScrollBar(parent);
    // The change is reported after an arrow or track click and when a dragged thumb is
    // released, never while the thumb moves.
    bar->setTracking(false);
    // No scroll menu of the toolkit's on the right button: while such a menu is open its own
    // loop holds the run, and the chain would stand still until it is closed.
    bar->setContextMenuPolicy(Qt::NoContextMenu);
    return bar;
}

// The options of a frame are one stop of the Tab key, at the checked one, whichever checked it;
// the arrow keys move between them (Qt's own rule for exclusive buttons).
QWidget* makeOption(QWidget* parent) {
    auto* option = new QRadioButton(parent);
    QObject::connect(option, &QAbstractButton::toggled, option, [option](bool checked) {
        if (!checked) {
            return;
        }
        const auto options =
            option->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
        for (QRadioButton* other : options) {
            other->setFocusPolicy(other == option ? Qt::StrongFocus : Qt::ClickFocus);
        }
    });
    return option;
}

QWidget* makeView(QWidget* parent, ShownPicture& picture) {
    auto* view = new ChainView(picture, parent);
    const QString keys = qText(Form::viewDescription());
    view->setToolTip(keys);
    view->setAccessibleDescription(keys);
    return view;
}

} // namespace

MainControls MainControls::createIn(QWidget& window, ShownPicture& picture) {
    window.setFont(UiMetrics::sansSerif(Form::kNormalPoints));
    MainControls c;
    c.widgets_[index(Role::kWindow)] = &window;
    for (const Form::Entry& e : Form::entries()) {
        QWidget* parent = c[e.parent];
        QWidget* widget = nullptr;
        switch (controlKind(e.control)) {
        case ControlKind::View:
            widget = makeView(parent, picture);
            break;
        case ControlKind::Frame:
            widget = makeFrame(parent);
            break;
        case ControlKind::Button:
            widget = new WrappingPushButton(QString(), parent);
            static_cast<QPushButton*>(widget)->setCheckable(e.toggle);
            break;
        case ControlKind::Label:
            widget = makeLabel(parent, e.look);
            break;
        case ControlKind::TextBox:
            widget = makeTextBox(parent, e.control, e.parent == Role::kChainView);
            break;
        case ControlKind::ScrollBar:
            widget = makeScrollBar(parent);
            break;
        case ControlKind::Option:
            widget = makeOption(parent);
            break;
        case ControlKind::Pointer:
            widget = new KeyboardPointer(*c.view());
            break;
        case ControlKind::Window:
            break;
        }
        const std::string_view name = controlName(e.control);
        widget->setObjectName(QLatin1String(name.data(), qsizetype(name.size())));
        // Set on every control: a child would otherwise inherit the larger font of its panel.
        widget->setFont(UiMetrics::sansSerif(Form::pointsOf(e.font)));
        if (!e.accessibleName.empty()) {
            widget->setAccessibleName(qText(Language::translate(e.accessibleName)));
        }
        if (auto* box = qobject_cast<QLineEdit*>(widget)) {
            box->setReadOnly(e.readOnly);
        }
        c.widgets_[index(e.control)] = widget;
    }
    const std::span<const Control> order = Form::focusOrder();
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(c[order[i - 1]], c[order[i]]);
    }
    return c;
}

template <typename Widget> Widget* MainControls::as(Control control, ControlKind kind) const {
    // A control asked for as another kind is a fault of the caller's, not a null to pass on.
    if (controlKind(control) != kind &&
        !(kind == ControlKind::Button && controlKind(control) == ControlKind::Option)) {
        qFatal("control %s is not of the kind asked for", controlName(control).data());
    }
    return static_cast<Widget*>(widgets_[index(control)]);
}

ChainView* MainControls::view() const {
    return as<ChainView>(Role::kChainView, ControlKind::View);
}
QAbstractButton* MainControls::button(Control control) const {
    return as<QAbstractButton>(control, ControlKind::Button);
}
QLabel* MainControls::label(Control control) const {
    return as<QLabel>(control, ControlKind::Label);
}
QLineEdit* MainControls::textBox(Control control) const {
    return as<QLineEdit>(control, ControlKind::TextBox);
}
QScrollBar* MainControls::scrollBar(Control control) const {
    return as<QScrollBar>(control, ControlKind::ScrollBar);
}
QGroupBox* MainControls::frame(Control control) const {
    return as<QGroupBox>(control, ControlKind::Frame);
}
