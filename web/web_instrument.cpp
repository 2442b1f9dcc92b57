#include "web/web_instrument.h"

#include "core/chain_constants.h"
#include "instrument/clearing.h"
#include "instrument/clock_and_speed.h"
#include "instrument/hand_and_tape.h"
#include "instrument/harmonic_drive.h"
#include "instrument/input_codes.h"
#include "instrument/markers.h"
#include "instrument/medium_options.h"
#include "instrument/run_controls.h"
#include "instrument/wave_carrier.h"
#include "picture/user_scale.h"

#include <cstdlib>
#include <cstring>

namespace {

class Fnv1a {
public:
    void add(const void* data, std::size_t size) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i) {
            hash_ = (hash_ ^ bytes[i]) * 16777619u;
        }
    }
    std::uint32_t value() const { return hash_; }

private:
    std::uint32_t hash_ = 2166136261u;
};

} // namespace

WebInstrument::WebInstrument(std::string decimalSeparator)
    : panels_(std::move(decimalSeparator)), pass_(state_, picture_, panels_) {
    picture_.setBackground(ChainPicture::pixelOf(Chain::kBackground));
    picture_.setForeground(ChainPicture::pixelOf(Chain::kMassColour));
    // In the order of the desktop's window: the markers first, which the handlers draw.
    markers_ = std::make_unique<Markers>(state_, picture_);
    drive_ = std::make_unique<HarmonicDrive>(state_, panels_);
    hand_ = std::make_unique<HandAndTape>(state_, picture_, panels_);
    keys_ = std::make_unique<ChainKeys>(state_, *hand_, panels_);
    touch_ = std::make_unique<ChainTouch>(*hand_);
    carrier_ = std::make_unique<WaveCarrier>(state_, panels_);
    medium_ = std::make_unique<MediumOptions>(state_, *markers_, panels_);
    clearing_ = std::make_unique<Clearing>(state_, *markers_, panels_);
    runControls_ = std::make_unique<RunControls>(state_, *this, *markers_, panels_);
    clock_ = std::make_unique<ClockAndSpeed>(state_, panels_);
}

WebInstrument::~WebInstrument() = default;

void WebInstrument::start(int width, int height, double scale) {
    picture_.resize(width, height, scale);
    picture_.clear();
    setStartValues(state_);
    drive_->showStartReadOuts();
    picture_.setPenWidth(Chain::kRestingPen);
    markers_->showDamping(true);
    RunChain();
}

void WebInstrument::resize(int width, int height, double scale) {
    picture_.resize(width, height, scale);
    markers_->clearView();
    drawMassesWhereTheyAre();
}

void WebInstrument::drawMassesWhereTheyAre() {
    const ChainPicture::Pixel colour = ChainPicture::pixelOf(Chain::kMassColour);
    for (int i = 0; i <= ChainState::kLastMass; ++i) {
        const bool wide = state_.refractionOn == 1 && i >= Chain::kFirstWideMass;
        picture_.setPenWidth(wide ? Chain::kHeavyPen : Chain::kRestingPen);
        // Erased and drawn on the same pixel: the dot is drawn, nothing erased.
        picture_.moveDot(InputCodes::massX(i), state_.yShown[i], state_.yShown[i], colour, colour);
    }
    picture_.setPenWidth(Chain::kRestingPen);
}

int WebInstrument::runPasses(int count) {
    int run = 0;
    while (active_ && run < count) {
        // The loop ends at the top of the pass that finds the run halted.
        if (state_.halted == 1) {
            active_ = false;
            break;
        }
        pass_.run();
        pass_.keepClock();
        ++run;
    }
    pass_.showPendingClock();
    return run;
}

bool WebInstrument::atRest() const {
    const ChainState& s = state_;
    if (s.harmonicOn == 1 || s.clockOn == 1) {
        return false;
    }
    // A pass from here computes the same forces from the same displacements: with no force and
    // no velocity, no mass moves, and every further pass is the same.
    for (int i = 1; i <= ChainState::kLastMass; ++i) {
        if (s.v[i] != 0 || s.accel[i] != 0 || s.y[i] != s.yShown[i]) {
            return false;
        }
    }
    return s.y[0] == s.yShown[0];
}

void WebInstrument::click(Control control) {
    switch (control) {
    case Control::Command1:
        return clearing_->Command1_Click();
    case Control::Command2:
        return clearing_->Command2_Click();
    case Control::Command3:
        return medium_->Command3_Click();
    case Control::Command4:
        return medium_->Command4_Click();
    case Control::Command5:
        return clearing_->Command5_Click();
    case Control::Command7:
        return drive_->Command7_Click();
    case Control::Command8:
        return clock_->Command8_Click();
    case Control::Command9:
        return medium_->Command9_Click();
    case Control::Command10:
        return runControls_->Command10_Click();
    case Control::Command11:
        return runControls_->Command11_Click();
    case Control::Option1:
        return carrier_->Option1_Click();
    case Control::Option2:
        return carrier_->Option2_Click();
    default:
        // The information button opens a page (infoPage); the rest take no clicks.
        return;
    }
}

void WebInstrument::scroll(Control bar, int value) {
    const Panels::ScrollRange& range = panels_[bar].range;
    value = value < range.minimum ? range.minimum : value > range.maximum ? range.maximum : value;
    // Like a scroll bar, a value that does not change reports nothing.
    if (value == panels_.value(bar)) {
        return;
    }
    panels_.enterValue(bar, value);
    switch (bar) {
    case Control::HScroll1:
        return drive_->HScroll1_Change();
    case Control::HScroll2:
        return drive_->HScroll2_Change();
    case Control::HScroll3:
        return clock_->HScroll3_Change();
    default:
        return;
    }
}

void WebInstrument::pointer(Pointer kind, int button, int shift, double x, double y) {
    const float userX = UserScale::toUserX(x, picture_.width());
    const float userY = UserScale::toUserY(y, picture_.height());
    switch (kind) {
    case Pointer::Down:
        return hand_->Picture1_MouseDown(button, shift, userX, userY);
    case Pointer::Move:
        return hand_->Picture1_MouseMove(button, shift, userX, userY);
    case Pointer::Up:
        return hand_->Picture1_MouseUp(button, shift, userX, userY);
    }
}

void WebInstrument::touch(ChainTouch::Type type, std::span<const ChainTouch::Point> points,
                          std::uint64_t timestamp, int dragDistance) {
    touch_->touch(type, points, timestamp, {picture_.width(), picture_.height(), dragDistance});
}

std::optional<InfoPage> WebInstrument::infoPage() const {
    // Exact comparisons: selfCoeff holds one of the two values the chain-type options store.
    if (state_.selfCoeff == Chain::kTorsionSelfCoeff) {
        return InfoPages::torsionChain();
    }
    if (state_.selfCoeff == Chain::kPendulumSelfCoeff) {
        return InfoPages::pendulumChain();
    }
    return std::nullopt;
}

std::uint32_t chainStateHash(const ChainState& state) {
    Fnv1a hash;
    for (const ChainState::Row* row : {&state.y, &state.v}) {
        for (int i = 0; i <= ChainState::kLastMass; ++i) {
            const float value = (*row)[i];
            std::uint32_t bits = 0;
            std::memcpy(&bits, &value, sizeof bits);
            hash.add(&bits, sizeof bits);
        }
    }
    return hash.value();
}

std::uint32_t chainPictureHash(const ChainPicture& picture) {
    Fnv1a hash;
    hash.add(picture.pixels(), std::size_t(picture.width()) * std::size_t(picture.height()) *
                                   sizeof(ChainPicture::Pixel));
    return hash.value();
}

void WebInstrument::RunChain() {
    state_.running = 1;
    pass_.begin();
    active_ = true;
}

void WebInstrument::endProgram() {
    active_ = false;
    if (end_) {
        end_();
    }
    std::abort();
}
