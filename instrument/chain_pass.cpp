#include "instrument/chain_pass.h"

#include "core/chain_constants.h"
#include "core/chain_physics.h"
#include "core/chain_state.h"
#include "instrument/clock_and_speed.h"
#include "instrument/harmonic_drive.h"
#include "instrument/input_codes.h"
#include "instrument/panels.h"
#include "instrument/read_out_text.h"
#include "instrument/time_diagram.h"
#include "picture/chain_picture.h"

#include <cmath>
#include <string>

namespace {

constexpr ChainPicture::Pixel kBackground = ChainPicture::pixelOf(Chain::kBackground);
constexpr ChainPicture::Pixel kMassColour = ChainPicture::pixelOf(Chain::kMassColour);
constexpr ChainPicture::Pixel kDampedEndEraser = ChainPicture::pixelOf(Chain::kDampingMarker);
constexpr ChainPicture::Pixel kFreeEndEraser = ChainPicture::pixelOf(Chain::kFreeEndEraser);
using Chain::kFirstWideMass;
using Chain::kHeavyPen;
using Chain::kRestingPen;
using InputCodes::massX;

} // namespace

ChainPass::ChainPass(ChainState& state, ChainPicture& picture, Panels& panels)
    : state_(state), picture_(picture), panels_(panels) {
    dotColours_.fill(kMassColour);
}

void ChainPass::begin() {
    picture_.setPenWidth(kRestingPen);
}

void ChainPass::run() {
    if (drive_ != nullptr) {
        drive_->endPulseIfDue();
    }
    integratePass(state_);
    drawMasses();
    advanceClock(state_);
    picture_.setPenWidth(kRestingPen);
    if (diagram_ != nullptr) {
        diagram_->record(state_);
    }
}

void ChainPass::drawMasses() {
    ChainState& s = state_;
    constexpr int end = ChainState::kLastMass;
    for (int i = 0; i < end; ++i) {
        if (drawnWide(s, i)) {
            picture_.setPenWidth(kHeavyPen);
        }
        picture_.moveDot(massX(i), s.yShown[i], s.y[i], kBackground, dotColours_[std::size_t(i)]);
        s.yShown[i] = s.y[i];
    }
    // The loose end is erased in the colour of the damping marker while damping is on, so the
    // end's dot repairs the marker instead of cutting it.
    const ChainPicture::Pixel endEraser =
        s.endDamping == Chain::kDampingOn ? kDampedEndEraser : kFreeEndEraser;
    picture_.moveDot(massX(end), s.yShown[end], s.y[end], endEraser, dotColours_[std::size_t(end)]);
    s.yShown[end] = s.y[end];
}

bool ChainPass::drawnWide(const ChainState& state, int i) {
    return state.refractionOn == 1 && i >= kFirstWideMass;
}

long long ChainPass::clockHundredths(double time) {
    // Cut down to hundredths; the added 0.05 hundredth lets a time that accumulated to just
    // below a mark (2.9999993 after 30 steps of 0.1) show that mark.
    return static_cast<long long>(std::floor(time * 100.0 + 0.05));
}

double ChainPass::clockValue() const {
    // The carry holds the hundredths a long-running clock time has no places for.
    return double(clockHundredths(double(state_.clockTime) + double(state_.clockCarry))) / 100.0;
}

void ChainPass::showClock(double shown) {
    clockPending_ = false;
    // Laying out a text the read-out already shows would cost as much as a new one.
    const std::string text = "  " + ReadOutText::ofDouble(shown, panels_.decimalSeparator());
    if (panels_.caption(Role::kClockReadout) != text) {
        panels_.setCaption(Role::kClockReadout, text);
    }
}

void ChainPass::keepClock() {
    if (state_.clockOn != 1) {
        // A stopped clock keeps the last value it counted.
        showPendingClock();
        return;
    }
    // Laying the text out on every pass would cost more than the whole pass; a screen shows
    // no more than one value per frame anyway.
    pendingClock_ = clockValue();
    clockPending_ = true;
}

void ChainPass::showPendingClock() {
    if (clockPending_) {
        showClock(pendingClock_);
    }
}
