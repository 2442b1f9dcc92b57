#include "ui/ondix15.h"

#include "controls/clearing.h"
#include "controls/clock_and_speed.h"
#include "controls/markers.h"
#include "controls/medium_options.h"
#include "controls/run_controls.h"
#include "controls/wave_carrier.h"
#include "core/chain_constants.h"
#include "excite/chain_keys.h"
#include "excite/chain_touch.h"
#include "excite/hand_and_tape.h"
#include "excite/harmonic_drive.h"
#include "platform/focus_mark.h"
#include "platform/process_end.h"
#include "sim/chain_view.h"
#include "ui/info_button.h"
#include "ui/main_layout.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

Ondix15::Ondix15(ChainState& state, ChainRunner::Yield yield, QWidget* parent)
    : QWidget(parent), state_(state), controls_(MainControls::createIn(*this)),
      runner_(std::make_unique<ChainRunner>(state_, *controls_.Picture1, *controls_.Text4,
                                            std::move(yield))) {
    setObjectName(QStringLiteral("Ondix15"));
    // The markers first: the medium options, the clearing, the halt and the load handler draw
    // them.
    markers_ = std::make_unique<Markers>(state_, *controls_.Picture1);
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
    controls_.Picture1->setPenWidth(Chain::kRestingPen);
    markers_->showDamping(true);
}

// The left end: the harmonic drive's controls, and the hand and the tape in the chain view.
void Ondix15::connectExcitation() {
    const MainControls& c = controls_;
    const HarmonicDrive::Controls driveControls{.HScroll1 = *c.HScroll1,
                                                .HScroll2 = *c.HScroll2,
                                                .Text2 = *c.Text2,
                                                .Text3 = *c.Text3,
                                                .Text5 = *c.Text5,
                                                .Label6 = *c.Label6,
                                                .Label13 = *c.Label13};
    drive_ = std::make_unique<HarmonicDrive>(state_, driveControls);
    connect(c.Command7, &QPushButton::clicked, drive_.get(), &HarmonicDrive::Command7_Click);
    // The scroll bars report a value only once it is committed (see MainLayout).
    connect(c.HScroll1, &QScrollBar::valueChanged, drive_.get(), &HarmonicDrive::HScroll1_Change);
    connect(c.HScroll2, &QScrollBar::valueChanged, drive_.get(), &HarmonicDrive::HScroll2_Change);

    handAndTape_ = std::make_unique<HandAndTape>(state_, *c.Picture1, *c.Label3, *c.Text1);
    connect(c.Picture1, &ChainView::mouseDown, handAndTape_.get(),
            &HandAndTape::Picture1_MouseDown);
    connect(c.Picture1, &ChainView::mouseMove, handAndTape_.get(),
            &HandAndTape::Picture1_MouseMove);
    connect(c.Picture1, &ChainView::mouseUp, handAndTape_.get(), &HandAndTape::Picture1_MouseUp);
}

// The hand and the tape without a mouse: keys while the view has the focus, and fingers.
void Ondix15::connectKeysAndTouch() {
    ChainView& view = *controls_.Picture1;
    chainKeys_ = std::make_unique<ChainKeys>(state_, view, *handAndTape_, *controls_.Text1);
    chainTouch_ = std::make_unique<ChainTouch>(view, *handAndTape_);
    view.setToolTip(ChainKeys::keyList());
    view.setAccessibleDescription(ChainKeys::keyList());
    // Made after the keys' filter, so that it sees the keys they take; the window owns it.
    auto* focusMark = new FocusMark(view);
    focusMark->setObjectName(QStringLiteral("Picture1Focus"));
}

// The medium, clearing, halt and continue, clock, speed and the end button.
void Ondix15::connectOperatorControls() {
    const MainControls& c = controls_;

    // The option buttons report clicks only: setting them inside the handlers raises none.
    const WaveCarrier::Controls carrier{
        .window = *this, .Option1 = *c.Option1, .Option2 = *c.Option2, .Command6 = *c.Command6};
    waveCarrier_ = std::make_unique<WaveCarrier>(state_, carrier);
    connect(c.Option1, &QRadioButton::clicked, waveCarrier_.get(), &WaveCarrier::Option1_Click);
    connect(c.Option2, &QRadioButton::clicked, waveCarrier_.get(), &WaveCarrier::Option2_Click);

    const MediumOptions::Controls indicators{.Label5 = *c.Label5,
                                             .Label9 = *c.Label9,
                                             .Label12 = *c.Label12,
                                             .Label10 = *c.Label10,
                                             .Label7 = *c.Label7,
                                             .Label8 = *c.Label8};
    mediumOptions_ = std::make_unique<MediumOptions>(state_, *markers_, indicators);
    connect(c.Command9, &QPushButton::clicked, mediumOptions_.get(),
            &MediumOptions::Command9_Click);
    connect(c.Command4, &QPushButton::clicked, mediumOptions_.get(),
            &MediumOptions::Command4_Click);
    connect(c.Command3, &QPushButton::clicked, mediumOptions_.get(),
            &MediumOptions::Command3_Click);

    clearing_ = std::make_unique<Clearing>(state_, *markers_);
    connect(c.Command1, &QPushButton::clicked, clearing_.get(), &Clearing::Command1_Click);
    connect(c.Command2, &QPushButton::clicked, clearing_.get(), &Clearing::Command2_Click);
    connect(c.Command5, &QPushButton::clicked, clearing_.get(), &Clearing::Command5_Click);

    runControls_ = std::make_unique<RunControls>(
        state_, *runner_, *markers_,
        RunControls::Controls{.window = *this, .Command11 = *c.Command11, .Label6 = *c.Label6});
    connect(c.Command11, &QPushButton::clicked, runControls_.get(), &RunControls::Command11_Click);
    connect(c.Command10, &QPushButton::clicked, runControls_.get(), &RunControls::Command10_Click);

    clockAndSpeed_ = std::make_unique<ClockAndSpeed>(state_, *c.Command8, *c.HScroll3);
    connect(c.Command8, &QPushButton::clicked, clockAndSpeed_.get(),
            &ClockAndSpeed::Command8_Click);
    // The speed's scroll bar reports a value only once it is committed (see MainLayout).
    connect(c.HScroll3, &QScrollBar::valueChanged, clockAndSpeed_.get(),
            &ClockAndSpeed::HScroll3_Change);
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
