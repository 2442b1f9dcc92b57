#include "ui/main_controls.h"

#include "instrument/control.h"
#include "platform/ui_metrics.h"
#include "sim/chain_view.h"
#include "ui/opaque_text_box.h"
#include "ui/wrapping_push_button.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QRadioButton>
#include <QScrollBar>

namespace {

constexpr double kNormalPoints = 8.25;
constexpr double kLargePoints = 9.75;

constexpr QRgb kViewDesignBackground = qRgb(255, 255, 192);

// Places a control in fixed units from its container's top-left corner.
void placeFixed(QWidget& control, int left, int top, int width, int height) {
    control.setGeometry(UiMetrics::twipsToPixelsX(left), UiMetrics::twipsToPixelsY(top),
                        UiMetrics::twipsToPixelsX(width), UiMetrics::twipsToPixelsY(height));
}

void sizeFixed(QWidget& control, int width, int height) {
    control.resize(UiMetrics::twipsToPixelsX(width), UiMetrics::twipsToPixelsY(height));
}

// Each control's object name is its name in the control map.
void setName(QWidget& control, Control name) {
    const std::string_view text = controlName(name);
    control.setObjectName(QLatin1String(text.data(), qsizetype(text.size())));
}

template <typename Widget> Widget* named(Widget* control, Control name, double points) {
    setName(*control, name);
    // Set on every control: a child would otherwise inherit the larger font of its panel.
    control->setFont(UiMetrics::sansSerif(points));
    return control;
}

// A panel's caption sits on its outline at the top left, the outline running behind it, so the
// controls placed from the panel's corner stand inside the outline.
QGroupBox* addFrame(QWidget& window, Control name) {
    auto* frame = named(new QGroupBox(&window), name, kLargePoints);
    frame->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); margin-top: 0.5em; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0px 2px; }"));
    return frame;
}

QPushButton* addButton(QWidget* parent, Control name, double points) {
    return named(new WrappingPushButton(QString(), parent), name, points);
}

// Labels show their text from the top left and break it at blanks where it is wider than the
// label. A plain label in a panel lets the panel's surface show through; the others are opaque.
QLabel* addLabel(QWidget* parent, Control name, double points) {
    auto* label = named(new QLabel(parent), name, points);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

// Labels in the chain view stand on the standard surface colour, not on the view's. The mouse
// goes through them to the view: "Festes Ende" is where a student grabs the end, and it hides on
// the press, which would otherwise cut the drag off from the view.
QLabel* addViewLabel(QWidget* view, Control name) {
    QLabel* label = addLabel(view, name, kLargePoints);
    label->setAutoFillBackground(true);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

// The state indicators: a single-line border, and a background colour of their own, which the
// switches change.
void makeIndicator(QLabel& label) {
    label.setFrameStyle(QFrame::Box | QFrame::Plain);
    label.setLineWidth(1);
    label.setAutoFillBackground(true);
}

template <typename Box = QLineEdit>
QLineEdit* addTextBox(QWidget* parent, Control name, const QString& accessibleName,
                      double points = kNormalPoints) {
    auto* box = named(new Box(QString(), parent), name, points);
    box->setAccessibleName(accessibleName);
    return box;
}

// Range and value are the handlers' (see Panels).
QScrollBar* addScrollBar(QWidget* parent, Control name, const QString& accessibleName) {
    auto* bar = named(new QScrollBar(Qt::Horizontal, parent), name, kNormalPoints);
    // The change is reported after an arrow or track click and when a dragged thumb is
    // released, never while the thumb moves.
    bar->setTracking(false);
    bar->setFocusPolicy(Qt::StrongFocus);
    // No scroll menu of the toolkit's on the right button: while such a menu is open its own
    // loop holds the run, and the chain would stand still until it is closed.
    bar->setContextMenuPolicy(Qt::NoContextMenu);
    bar->setAccessibleName(accessibleName);
    return bar;
}

QRadioButton* addOption(QWidget* parent, Control name) {
    return named(new QRadioButton(parent), name, kLargePoints);
}

void createChainView(QWidget& window, MainControls& c) {
    c.Picture1 = new ChainView(&window);
    setName(*c.Picture1, Control::Picture1);
    c.Picture1->setAccessibleName(QStringLiteral("Wellenmaschine"));
    c.Picture1->setBackgroundColour(kViewDesignBackground);
    QWidget* view = c.Picture1;

    // Their places in the view's own scale are given by the layout.
    c.Label3 = addViewLabel(view, Control::Label3);
    sizeFixed(*c.Label3, 1215, 375);
    c.Label4 = addViewLabel(view, Control::Label4);
    sizeFixed(*c.Label4, 1215, 375);
    c.Label5 = addViewLabel(view, Control::Label5);
    sizeFixed(*c.Label5, 1335, 375);
    c.Label6 = addViewLabel(view, Control::Label6);
    sizeFixed(*c.Label6, 1935, 375);
    c.Label7 = addViewLabel(view, Control::Label7);
    sizeFixed(*c.Label7, 615, 375);
    c.Label8 = addViewLabel(view, Control::Label8);
    sizeFixed(*c.Label8, 615, 375);

    c.Text1 = addTextBox(view, Control::Text1, QStringLiteral("Messband"));
    placeFixed(*c.Text1, 2400, 120, 735, 375);
    // The tape's read-out follows the pointer; a press on it starts the next tape.
    c.Text1->setAttribute(Qt::WA_TransparentForMouseEvents);
}

// Harmonic drive: amplitude and period with their read-outs, the drive's switch and state, and
// the hint for moving the end by hand.
void createExcitationPanel(QWidget& window, MainControls& c) {
    QGroupBox* frame = c.Frame1 = addFrame(window, Control::Frame1);

    c.HScroll1 = addScrollBar(frame, Control::HScroll1, QStringLiteral("Amplitude"));
    placeFixed(*c.HScroll1, 240, 360, 1935, 375);
    c.Label1 = addLabel(frame, Control::Label1, kLargePoints);
    placeFixed(*c.Label1, 240, 720, 1815, 255);
    c.Text2 = addTextBox(frame, Control::Text2, QStringLiteral("Amplitude"));
    placeFixed(*c.Text2, 2280, 360, 735, 375);

    c.HScroll2 = addScrollBar(frame, Control::HScroll2, QStringLiteral("Periode"));
    placeFixed(*c.HScroll2, 240, 960, 1935, 375);
    c.Label2 = addLabel(frame, Control::Label2, kLargePoints);
    placeFixed(*c.Label2, 240, 1320, 1815, 375);
    c.Text3 = addTextBox(frame, Control::Text3, QStringLiteral("Periode"));
    placeFixed(*c.Text3, 2280, 960, 735, 375);

    c.Command7 = addButton(frame, Control::Command7, kLargePoints);
    placeFixed(*c.Command7, 240, 1560, 1935, 375);
    c.Text5 =
        addTextBox(frame, Control::Text5, QStringLiteral("Zustand der harmonischen Anregung"));
    placeFixed(*c.Text5, 2280, 1560, 735, 375);

    c.Label13 = addLabel(frame, Control::Label13, kNormalPoints);
    placeFixed(*c.Label13, 240, 2040, 2655, 735);
    makeIndicator(*c.Label13);
}

// The three medium options share one shape: an "On/Off" button and a bordered indicator of the
// option's state beside it.
struct SwitchPanel {
    QGroupBox* frame;
    QPushButton* button;
    QLabel* indicator;
};

SwitchPanel addSwitchPanel(QWidget& window, Control frameName, Control buttonName,
                           Control indicatorName) {
    QGroupBox* frame = addFrame(window, frameName);
    QPushButton* button = addButton(frame, buttonName, kNormalPoints);
    placeFixed(*button, 120, 240, 1455, 375);
    QLabel* indicator = addLabel(frame, indicatorName, kNormalPoints);
    placeFixed(*indicator, 1680, 240, 615, 375);
    makeIndicator(*indicator);
    return {frame, button, indicator};
}

// Damping of the loose end.
void createDampingPanel(QWidget& window, MainControls& c) {
    const SwitchPanel panel =
        addSwitchPanel(window, Control::Frame2, Control::Command9, Control::Label9);
    c.Frame2 = panel.frame;
    c.Command9 = panel.button;
    c.Label9 = panel.indicator;
}

// Clearing everything, the velocities or the displacements; halt and continue.
void createClearingPanel(QWidget& window, MainControls& c) {
    QGroupBox* frame = c.Frame3 = addFrame(window, Control::Frame3);
    c.Command5 = addButton(frame, Control::Command5, kLargePoints);
    placeFixed(*c.Command5, 360, 360, 1455, 375);
    c.Command11 = addButton(frame, Control::Command11, kLargePoints);
    placeFixed(*c.Command11, 2040, 360, 1335, 375);
    c.Command1 = addButton(frame, Control::Command1, kLargePoints);
    placeFixed(*c.Command1, 360, 840, 1455, 375);
    c.Command2 = addButton(frame, Control::Command2, kLargePoints);
    placeFixed(*c.Command2, 2040, 840, 1335, 375);
}

// Refraction.
void createRefractionPanel(QWidget& window, MainControls& c) {
    const SwitchPanel panel =
        addSwitchPanel(window, Control::Frame4, Control::Command3, Control::Label10);
    c.Frame4 = panel.frame;
    c.Command3 = panel.button;
    c.Label10 = panel.indicator;
}

// The clock with its switch on the left, the speed on the right.
void createClockPanel(QWidget& window, MainControls& c) {
    QGroupBox* frame = c.Frame5 = addFrame(window, Control::Frame5);
    // The clock's text changes every display frame while it runs.
    c.Text4 = addTextBox<OpaqueTextBox>(frame, Control::Text4, QStringLiteral("Uhr"), kLargePoints);
    placeFixed(*c.Text4, 480, 360, 1095, 375);
    c.Command8 = addButton(frame, Control::Command8, kLargePoints);
    placeFixed(*c.Command8, 480, 840, 1095, 375);
    c.HScroll3 = addScrollBar(frame, Control::HScroll3, QStringLiteral("Geschwindigkeit"));
    placeFixed(*c.HScroll3, 1680, 360, 1815, 375);
    c.Label11 = addLabel(frame, Control::Label11, kLargePoints);
    c.Label11->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    placeFixed(*c.Label11, 1680, 840, 1815, 375);
}

// Obstacle.
void createObstaclePanel(QWidget& window, MainControls& c) {
    const SwitchPanel panel =
        addSwitchPanel(window, Control::Frame6, Control::Command4, Control::Label12);
    c.Frame6 = panel.frame;
    c.Command4 = panel.button;
    c.Label12 = panel.indicator;
}

// Chain type. The two option buttons share the frame, so choosing one clears the other.
void createCarrierPanel(QWidget& window, MainControls& c) {
    QGroupBox* frame = c.Frame7 = addFrame(window, Control::Frame7);
    c.Option1 = addOption(frame, Control::Option1);
    placeFixed(*c.Option1, 240, 600, 2175, 375);
    c.Option2 = addOption(frame, Control::Option2);
    placeFixed(*c.Option2, 240, 1320, 1575, 375);
}

void setFocusOrder(const MainControls& c) {
    const QList<QWidget*> order{c.Picture1, c.HScroll1, c.HScroll2, c.HScroll3,  c.Command1,
                                c.Command2, c.Command3, c.Command4, c.Command5,  c.Command6,
                                c.Command7, c.Command8, c.Command9, c.Command10, c.Command11,
                                c.Option1,  c.Option2,  c.Text2,    c.Text3,     c.Text4,
                                c.Text5,    c.Text1};
    for (qsizetype i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

} // namespace

MainControls MainControls::createIn(QWidget& window) {
    window.setFont(UiMetrics::sansSerif(kNormalPoints));

    MainControls c;
    createChainView(window, c);
    createExcitationPanel(window, c);
    createDampingPanel(window, c);
    createClearingPanel(window, c);
    createRefractionPanel(window, c);
    createClockPanel(window, c);
    createObstaclePanel(window, c);
    createCarrierPanel(window, c);
    c.Command6 = addButton(&window, Control::Command6, kNormalPoints);
    c.Command10 = addButton(&window, Control::Command10, kLargePoints);
    setFocusOrder(c);
    return c;
}
