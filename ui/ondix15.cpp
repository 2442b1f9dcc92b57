#include "ui/ondix15.h"

#include "core/chain_constants.h"
#include "instrument/chain_keys.h"
#include "instrument/chain_touch.h"
#include "instrument/clearing.h"
#include "instrument/clock_and_speed.h"
#include "instrument/hand_and_tape.h"
#include "instrument/harmonic_drive.h"
#include "instrument/markers.h"
#include "instrument/medium_options.h"
#include "instrument/run_controls.h"
#include "instrument/wave_carrier.h"
#include "platform/focus_mark.h"
#include "platform/locale_text.h"
#include "platform/process_end.h"
#include "sim/chain_view.h"
#include "sim/chain_view_input.h"
#include "sim/keyboard_pointer.h"
#include "ui/info_button.h"
#include "ui/main_layout.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <type_traits>

Ondix15::Ondix15(ChainState& state, ChainRunner::Yield yield, QWidget* parent)
    : QWidget(parent), state_(state), controls_(MainControls::createIn(*this)),
      panels_(localeDecimalSeparator()), binding_(panels_, *controls_.Picture1),
      runner_(
          std::make_unique<ChainRunner>(state_, *controls_.Picture1, panels_, std::move(yield))) {
    setObjectName(QStringLiteral("Ondix15"));
    // Every control shows the panels' state from the handlers' start captions on.
    for (int i = 0; i < kControlCount; ++i) {
        const auto control = static_cast<Control>(i);
        const std::string_view name = controlName(control);
        QWidget* widget =
            control == Control::Ondix15
                ? this
                : findChild<QWidget*>(QLatin1String(name.data(), qsizetype(name.size())));
        if (widget != nullptr) {
            binding_.bind(control, *widget);
        }
    }
    // The markers first: the medium options, the clearing, the halt and the load handler draw
    // them.
    markers_ = std::make_unique<Markers>(state_, controls_.Picture1->picture());
    connectExcitation();
    connectKeysAndTouch();
    connectOperatorControls();
    connectInformation();
}

Ondix15::~Ondix15() = default;

void Ondix15::Form_Load() {
    const auto screen = ScreenPlacement::ScreenMetrics::primary();
    MainLayout::layOut(*this, controls_, screen);
    show();
    // The window system may have placed the new window elsewhere, and a window manager frames
    // it only later.
    ScreenPlacement::placeShownWindow(*this, screen);
    ScreenPlacement::keepPlacedWithinFrame(*this, screen);
    initialiseChain();
    if (state_.running == 0) {
        runner_->RunChain();
    } else {
        endProcess(0);
    }
}

void Ondix15::initialiseChain() {
    setStartValues(state_);
    drive_->showStartReadOuts();
    drawing([this] {
        controls_.Picture1->setPenWidth(Chain::kRestingPen);
        markers_->showDamping(true);
    });
}

template <typename Handler> void Ondix15::drawing(const Handler& handler) {
    ChainView& view = *controls_.Picture1;
    view.beginDrawing();
    handler();
    view.endDrawing();
}

template <typename Widget, typename Signal, typename Handler>
void Ondix15::connectDrawing(Widget* widget, Signal signal, const Handler& handler) {
    // A button's click comes with its checked state, which the handlers do not take.
    connect(widget, signal, this, [this, handler](auto... arguments) {
        drawing([&] {
            if constexpr (std::is_invocable_v<const Handler&, decltype(arguments)...>) {
                handler(arguments...);
            } else {
                handler();
            }
        });
    });
}

// The left end: the harmonic drive's controls, and the hand and the tape in the chain view.
void Ondix15::connectExcitation() {
    const MainControls& c = controls_;
    drive_ = std::make_unique<HarmonicDrive>(state_, panels_);
    HarmonicDrive* drive = drive_.get();
    connect(c.Command7, &QPushButton::clicked, this, [drive] { drive->Command7_Click(); });
    // The scroll bars report a value only once it is committed (see MainLayout).
    connect(c.HScroll1, &QScrollBar::valueChanged, this, [drive] { drive->HScroll1_Change(); });
    connect(c.HScroll2, &QScrollBar::valueChanged, this, [drive] { drive->HScroll2_Change(); });

    handAndTape_ = std::make_unique<HandAndTape>(state_, c.Picture1->picture(), panels_);
    HandAndTape* hand = handAndTape_.get();
    connectDrawing(c.Picture1, &ChainView::mouseDown, [hand](int b, int s, float x, float y) {
        hand->Picture1_MouseDown(b, s, x, y);
    });
    connectDrawing(c.Picture1, &ChainView::mouseMove, [hand](int b, int s, float x, float y) {
        hand->Picture1_MouseMove(b, s, x, y);
    });
    connectDrawing(c.Picture1, &ChainView::mouseUp,
                   [hand](int b, int s, float x, float y) { hand->Picture1_MouseUp(b, s, x, y); });
}

// The hand and the tape without a mouse: keys while the view has the focus, and fingers.
void Ondix15::connectKeysAndTouch() {
    ChainView& view = *controls_.Picture1;
    binding_.bind(ChainKeys::kPointer, *new KeyboardPointer(view));
    chainKeys_ = std::make_unique<ChainKeys>(state_, *handAndTape_, panels_);
    chainTouch_ = std::make_unique<ChainTouch>(*handAndTape_);
    chainInput_ =
        std::make_unique<ChainViewInput>(view, *chainKeys_, *chainTouch_, *controls_.Text1);
    const QString keys = QString::fromStdString(ChainKeys::keyList());
    view.setToolTip(keys);
    view.setAccessibleDescription(keys);
    // Made after the keys' filter, so that it sees the keys they take; the window owns it.
    auto* focusMark = new FocusMark(view);
    focusMark->setObjectName(QStringLiteral("Picture1Focus"));
}

// The medium, clearing, halt and continue, clock, speed and the end button.
void Ondix15::connectOperatorControls() {
    const MainControls& c = controls_;

    // The option buttons report clicks only: setting them inside the handlers raises none.
    waveCarrier_ = std::make_unique<WaveCarrier>(state_, panels_);
    WaveCarrier* carrier = waveCarrier_.get();
    connect(c.Option1, &QRadioButton::clicked, this, [carrier] { carrier->Option1_Click(); });
    connect(c.Option2, &QRadioButton::clicked, this, [carrier] { carrier->Option2_Click(); });

    mediumOptions_ = std::make_unique<MediumOptions>(state_, *markers_, panels_);
    MediumOptions* medium = mediumOptions_.get();
    connectDrawing(c.Command9, &QPushButton::clicked, [medium] { medium->Command9_Click(); });
    connectDrawing(c.Command4, &QPushButton::clicked, [medium] { medium->Command4_Click(); });
    connectDrawing(c.Command3, &QPushButton::clicked, [medium] { medium->Command3_Click(); });

    clearing_ = std::make_unique<Clearing>(state_, *markers_, panels_);
    Clearing* clearing = clearing_.get();
    connect(c.Command1, &QPushButton::clicked, this, [clearing] { clearing->Command1_Click(); });
    connectDrawing(c.Command2, &QPushButton::clicked, [clearing] { clearing->Command2_Click(); });
    connectDrawing(c.Command5, &QPushButton::clicked, [clearing] { clearing->Command5_Click(); });

    runControls_ = std::make_unique<RunControls>(state_, *runner_, *markers_, panels_);
    RunControls* run = runControls_.get();
    connectDrawing(c.Command11, &QPushButton::clicked, [run] { run->Command11_Click(); });
    connect(c.Command10, &QPushButton::clicked, this, [run] { run->Command10_Click(); });

    clockAndSpeed_ = std::make_unique<ClockAndSpeed>(state_, panels_);
    ClockAndSpeed* clock = clockAndSpeed_.get();
    connect(c.Command8, &QPushButton::clicked, this, [clock] { clock->Command8_Click(); });
    // The speed's scroll bar reports a value only once it is committed (see MainLayout).
    connect(c.HScroll3, &QScrollBar::valueChanged, this, [clock] { clock->HScroll3_Change(); });
}

// The information button: the window on the chain type in use.
void Ondix15::connectInformation() {
    infoButton_ = std::make_unique<InfoButton>(state_);
    connect(controls_.Command6, &QPushButton::clicked, infoButton_.get(),
            &InfoButton::Command6_Click);
}

void Ondix15::closeEvent(QCloseEvent* event) {
    if (runner_->activeLoops() > 0) {
        endProcess(0);
    }
    event->accept();
}
