#include "ui/main_controls.h"

#include "controls/wave_carrier.h"
#include "core/chain_constants.h"
#include "platform/app_identity.h"
#include "platform/indicators.h"
#include "platform/qt_colour.h"
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

#include <cmath>

namespace {

constexpr double kNormalPoints = 8.25;
constexpr double kLargePoints = 9.75;

constexpr QRgb kViewDesignBackground = qRgb(255, 255, 192);

constexpr int kCaptionBlanks = 90;

// Places a control in fixed units from its container's top-left corner.
void placeFixed(QWidget& control, int left, int top, int width, int height) {
    control.setGeometry(UiMetrics::twipsToPixelsX(left), UiMetrics::twipsToPixelsY(top),
                        UiMetrics::twipsToPixelsX(width), UiMetrics::twipsToPixelsY(height));
}

void sizeFixed(QWidget& control, int width, int height) {
    control.resize(UiMetrics::twipsToPixelsX(width), UiMetrics::twipsToPixelsY(height));
}

template <typename Control> Control* named(Control* control, const char* name, double points) {
    control->setObjectName(QLatin1String(name));
    // Set on every control: a child would otherwise inherit the larger font of its panel.
    control->setFont(UiMetrics::sansSerif(points));
    return control;
}

// A panel's caption sits on its outline at the top left, the outline running behind it, so the
// controls placed from the panel's corner stand inside the outline.
QGroupBox* addFrame(QWidget& window, const char* name, const QString& title) {
    auto* frame = named(new QGroupBox(title, &window), name, kLargePoints);
    frame->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); margin-top: 0.5em; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0px 2px; }"));
    return frame;
}

QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, double points) {
    return named(new WrappingPushButton(caption, parent), name, points);
}

// Labels show their text from the top left and break it at blanks where it is wider than the
// label. A plain label in a panel lets the panel's surface show through; the others are opaque.
QLabel* addLabel(QWidget* parent, const char* name, const QString& caption, double points) {
    auto* label = named(new QLabel(caption, parent), name, points);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

// Labels in the chain view stand on the standard surface colour, not on the view's. The mouse
// goes through them to the view: "Festes Ende" is where a student grabs the end, and it hides on
// the press, which would otherwise cut the drag off from the view.
QLabel* addViewLabel(QWidget* view, const char* name, const QString& caption) {
    QLabel* label = addLabel(view, name, caption, kLargePoints);
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
QLineEdit* addTextBox(QWidget* parent, const char* name, const QString& text,
                      const QString& accessibleName, double points = kNormalPoints) {
    auto* box = named(new Box(text, parent), name, points);
    box->setAccessibleName(accessibleName);
    return box;
}

// A scroll bar's value for a quantity it sets.
int barValue(double quantity, double scale) {
    return static_cast<int>(std::lround(quantity * scale));
}

struct ScrollSettings {
    int min;
    int max;
    int value;
    int smallChange;
    int largeChange;
};

QScrollBar* addScrollBar(QWidget* parent, const char* name, const QString& accessibleName,
                         const ScrollSettings& settings) {
    auto* bar = named(new QScrollBar(Qt::Horizontal, parent), name, kNormalPoints);
    bar->setRange(settings.min, settings.max);
    bar->setSingleStep(settings.smallChange);
    bar->setPageStep(settings.largeChange);
    bar->setValue(settings.value);
    // The change is reported after an arrow or track click and when a dragged thumb is
    // released, never while the thumb moves.
    bar->setTracking(false);
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setAccessibleName(accessibleName);
    return bar;
}

QRadioButton* addOption(QWidget* parent, const char* name, const QString& caption) {
    return named(new QRadioButton(caption, parent), name, kLargePoints);
}

void createChainView(QWidget& window, MainControls& c) {
    c.Picture1 = new ChainView(&window);
    c.Picture1->setObjectName(QStringLiteral("Picture1"));
    c.Picture1->setAccessibleName(QStringLiteral("Wellenmaschine"));
    c.Picture1->setBackgroundColour(kViewDesignBackground);
    QWidget* view = c.Picture1;

    // Their places in the view's own scale are given by the layout.
    c.Label3 = addViewLabel(view, "Label3", QStringLiteral("Festes Ende"));
    sizeFixed(*c.Label3, 1215, 375);
    c.Label4 = addViewLabel(view, "Label4", QStringLiteral("Loses Ende"));
    sizeFixed(*c.Label4, 1215, 375);
    c.Label5 = addViewLabel(view, "Label5", QStringLiteral("Dämpfung On"));
    sizeFixed(*c.Label5, 1335, 375);
    c.Label6 = addViewLabel(view, "Label6", QStringLiteral("Anregung von Hand"));
    sizeFixed(*c.Label6, 1935, 375);
    c.Label7 = addViewLabel(view, "Label7", QStringLiteral("m = 1"));
    sizeFixed(*c.Label7, 615, 375);
    c.Label8 = addViewLabel(view, "Label8", QStringLiteral("m = 4"));
    sizeFixed(*c.Label8, 615, 375);

    c.Text1 = addTextBox(view, "Text1", QStringLiteral("Text1"), QStringLiteral("Messband"));
    placeFixed(*c.Text1, 2400, 120, 735, 375);
    // The tape's read-out follows the pointer; a press on it starts the next tape.
    c.Text1->setAttribute(Qt::WA_TransparentForMouseEvents);
}

// Harmonic drive: amplitude and period with their read-outs, the drive's switch and state, and
// the hint for moving the end by hand.
void createExcitationPanel(QWidget& window, MainControls& c) {
    QGroupBox* frame = c.Frame1 =
        addFrame(window, "Frame1", QStringLiteral("Anregung am linken Ende"));

    c.HScroll1 =
        addScrollBar(frame, "HScroll1", QStringLiteral("Amplitude"),
                     {1, 20, barValue(Chain::kStartAmplitude, Chain::kAmplitudeBarScale), 1, 1});
    placeFixed(*c.HScroll1, 240, 360, 1935, 375);
    c.Label1 = addLabel(frame, "Label1", QStringLiteral("Amplitude"), kLargePoints);
    placeFixed(*c.Label1, 240, 720, 1815, 255);
    c.Text2 = addTextBox(frame, "Text2", QStringLiteral("Text2"), QStringLiteral("Amplitude"));
    placeFixed(*c.Text2, 2280, 360, 735, 375);

    c.HScroll2 =
        addScrollBar(frame, "HScroll2", QStringLiteral("Periode"),
                     {10, 1000, barValue(Chain::kStartPeriod, Chain::kPeriodBarScale), 1, 10});
    placeFixed(*c.HScroll2, 240, 960, 1935, 375);
    c.Label2 = addLabel(frame, "Label2", QStringLiteral("Periode"), kLargePoints);
    placeFixed(*c.Label2, 240, 1320, 1815, 375);
    c.Text3 = addTextBox(frame, "Text3", QStringLiteral("Text3"), QStringLiteral("Periode"));
    placeFixed(*c.Text3, 2280, 960, 735, 375);

    c.Command7 =
        addButton(frame, "Command7", QStringLiteral("Harmonisch ") + onOffCaption(), kLargePoints);
    placeFixed(*c.Command7, 240, 1560, 1935, 375);
    c.Text5 = addTextBox(frame, "Text5", QStringLiteral("Text5"),
                         QStringLiteral("Zustand der harmonischen Anregung"));
    placeFixed(*c.Text5, 2280, 1560, 735, 375);

    c.Label13 = addLabel(frame, "Label13",
                         QStringLiteral("Anregung von Hand:") + QString(18, QLatin1Char(' ')) +
                             QStringLiteral("Linke Maustaste drücken und festes Ende ziehen"),
                         kNormalPoints);
    placeFixed(*c.Label13, 240, 2040, 2655, 735);
    setBackColour(*c.Label13, kIndicatorStartRed);
    makeIndicator(*c.Label13);
}

// The three medium options share one shape: an "On/Off" button and a bordered indicator of the
// option's state beside it.
struct SwitchPanel {
    QGroupBox* frame;
    QPushButton* button;
    QLabel* indicator;
};

SwitchPanel addSwitchPanel(QWidget& window, const char* frameName, const QString& title,
                           const char* buttonName, const char* indicatorName,
                           const QString& state) {
    QGroupBox* frame = addFrame(window, frameName, title);
    QPushButton* button = addButton(frame, buttonName, onOffCaption(), kNormalPoints);
    placeFixed(*button, 120, 240, 1455, 375);
    QLabel* indicator = addLabel(frame, indicatorName, state, kNormalPoints);
    placeFixed(*indicator, 1680, 240, 615, 375);
    makeIndicator(*indicator);
    return {frame, button, indicator};
}

// Damping of the loose end, on at start.
void createDampingPanel(QWidget& window, MainControls& c) {
    const SwitchPanel panel = addSwitchPanel(window, "Frame2", QStringLiteral("Dämpfung"),
                                             "Command9", "Label9", onOffText(true));
    c.Frame2 = panel.frame;
    c.Command9 = panel.button;
    c.Label9 = panel.indicator;
    setBackColour(*c.Label9, kIndicatorStartRed);
}

// Clearing everything, the velocities or the displacements; halt and continue.
void createClearingPanel(QWidget& window, MainControls& c) {
    QGroupBox* frame = c.Frame3 = addFrame(window, "Frame3", QStringLiteral("Löschfunktionen"));
    c.Command5 = addButton(frame, "Command5", QStringLiteral("Löschen"), kLargePoints);
    placeFixed(*c.Command5, 360, 360, 1455, 375);
    c.Command11 = addButton(frame, "Command11", QStringLiteral("Halt"), kLargePoints);
    placeFixed(*c.Command11, 2040, 360, 1335, 375);
    c.Command1 = addButton(frame, "Command1", QStringLiteral("v(i) = 0"), kLargePoints);
    placeFixed(*c.Command1, 360, 840, 1455, 375);
    c.Command2 = addButton(frame, "Command2", QStringLiteral("y(i) = 0"), kLargePoints);
    placeFixed(*c.Command2, 2040, 840, 1335, 375);
}

// Refraction, off at start.
void createRefractionPanel(QWidget& window, MainControls& c) {
    const SwitchPanel panel = addSwitchPanel(window, "Frame4", QStringLiteral("Brechung"),
                                             "Command3", "Label10", onOffText(false));
    c.Frame4 = panel.frame;
    c.Command3 = panel.button;
    c.Label10 = panel.indicator;
}

// The clock with its switch on the left, the speed on the right. The caption's blanks put its
// two words above the two columns.
void createClockPanel(QWidget& window, MainControls& c) {
    const QString title = QString(16, QLatin1Char(' ')) + QStringLiteral("Uhr") +
                          QString(21, QLatin1Char(' ')) + QStringLiteral("Zeitablauf");
    QGroupBox* frame = c.Frame5 = addFrame(window, "Frame5", title);
    // The clock's text changes every display frame while it runs.
    c.Text4 = addTextBox<OpaqueTextBox>(frame, "Text4", QStringLiteral("0"), QStringLiteral("Uhr"),
                                        kLargePoints);
    placeFixed(*c.Text4, 480, 360, 1095, 375);
    c.Command8 = addButton(frame, "Command8", QStringLiteral("Uhr Start"), kLargePoints);
    placeFixed(*c.Command8, 480, 840, 1095, 375);
    c.HScroll3 = addScrollBar(frame, "HScroll3", QStringLiteral("Geschwindigkeit"),
                              {1, 50, barValue(Chain::kStartStep, Chain::kStepBarScale), 1, 5});
    placeFixed(*c.HScroll3, 1680, 360, 1815, 375);
    c.Label11 = addLabel(frame, "Label11", QStringLiteral("langsam ---schnell"), kLargePoints);
    c.Label11->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    placeFixed(*c.Label11, 1680, 840, 1815, 375);
}

// Obstacle, off at start.
void createObstaclePanel(QWidget& window, MainControls& c) {
    const SwitchPanel panel = addSwitchPanel(window, "Frame6", QStringLiteral("Hindernis"),
                                             "Command4", "Label12", onOffText(false));
    c.Frame6 = panel.frame;
    c.Command4 = panel.button;
    c.Label12 = panel.indicator;
}

// Chain type. The two option buttons share the frame, so choosing one clears the other.
void createCarrierPanel(QWidget& window, MainControls& c) {
    QGroupBox* frame = c.Frame7 = addFrame(window, "Frame7", QStringLiteral("Wellenträger"));
    c.Option1 = addOption(frame, "Option1", QStringLiteral("Torsionskette"));
    placeFixed(*c.Option1, 240, 600, 2175, 375);
    c.Option1->setChecked(true);
    c.Option2 = addOption(frame, "Option2", QStringLiteral("Pendelkette"));
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

QString MainControls::windowCaption() {
    return QStringLiteral("Zarvel") + QString(kCaptionBlanks, QLatin1Char(' ')) + creditLine();
}

MainControls MainControls::createIn(QWidget& window) {
    window.setWindowTitle(windowCaption());
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
    c.Command6 = addButton(&window, "Command6", WaveCarrier::startInfoCaption(), kNormalPoints);
    c.Command10 = addButton(&window, "Command10", QStringLiteral("Ende"), kLargePoints);
    setFocusOrder(c);
    return c;
}
