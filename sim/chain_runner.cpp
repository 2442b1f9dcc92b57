#include "sim/chain_runner.h"

#include "core/chain_constants.h"
#include "core/chain_physics.h"
#include "core/chain_state.h"
#include "platform/locale_text.h"
#include "platform/qt_colour.h"
#include "sim/chain_view.h"

#include <QLineEdit>

#include <cmath>

namespace {

constexpr QRgb kBackground = toQRgb(Chain::kBackground);
constexpr QRgb kMassColour = toQRgb(Chain::kMassColour);
using Chain::kFirstWideMass;
using Chain::kHeavyPen;
using Chain::kRestingPen;

} // namespace

ChainRunner::ChainRunner(ChainState& state, ChainView& view, QLineEdit& clockReadout, Yield yield)
    : state_(state), view_(view), clockReadout_(clockReadout), yield_(std::move(yield)),
      showFrame_([this] { showFrame(); }) {}

void ChainRunner::RunChain() {
    state_.running = 1;
    view_.setPenWidth(kRestingPen);
    ++activeLoops_;
    while (state_.halted != 1) {
        onePass();
        keepClock();
        yield_(showFrame_);
    }
    --activeLoops_;
    showFrame();
}

void ChainRunner::showFrame() {
    // The clock's text goes to the screen in the same frame as the chain.
    showPendingClock();
    view_.flush();
}

void ChainRunner::onePass() {
    integratePass(state_);
    drawMasses();
    advanceClock(state_);
    view_.setPenWidth(kRestingPen);
}

void ChainRunner::drawMasses() {
    ChainState& s = state_;
    constexpr int end = ChainState::kLastMass;
    for (int i = 0; i < end; ++i) {
        if (s.refractionOn == 1 && i >= kFirstWideMass) {
            view_.setPenWidth(kHeavyPen);
        }
        const auto x = static_cast<float>(i + 1);
        view_.moveDot(x, s.yShown[i], s.y[i], kBackground, kMassColour);
        s.yShown[i] = s.y[i];
    }
    // The loose end is erased in the colour of the damping marker while damping is on, so the
    // end's dot repairs the marker instead of cutting it.
    const QRgb endEraser = qRgb(Chain::kDampingMarker.r, s.endMarkG, s.endMarkB);
    view_.moveDot(static_cast<float>(end + 1), s.yShown[end], s.y[end], endEraser, kMassColour);
    s.yShown[end] = s.y[end];
}

double ChainRunner::clockValue() const {
    // Cut down to hundredths; the added 0.05 hundredth lets a time that accumulated to just
    // below a mark (2.9999993 after 30 steps of 0.1) show that mark. The carry holds the
    // hundredths a long-running clock time has no places for.
    const double time = double(state_.clockTime) + double(state_.clockCarry);
    return std::floor(time * 100.0 + 0.05) / 100.0;
}

void ChainRunner::showClock(double shown) {
    clockPending_ = false;
    // Laying out a text the read-out already shows would cost as much as a new one.
    const QString text = QStringLiteral("  ") + doubleText(shown);
    if (clockReadout_.text() != text) {
        clockReadout_.setText(text);
    }
}

void ChainRunner::keepClock() {
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

void ChainRunner::showPendingClock() {
    if (clockPending_) {
        showClock(pendingClock_);
    }
}
