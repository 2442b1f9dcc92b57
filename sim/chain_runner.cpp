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
    : state_(state), view_(view), clockReadout_(clockReadout), yield_(std::move(yield)) {}

void ChainRunner::RunChain() {
    state_.running = 1;
    view_.setPenWidth(kRestingPen);
    ++activeLoops_;
    while (state_.halted != 1) {
        runPass();
        view_.flushIfDue();
        yield_();
    }
    --activeLoops_;
    view_.flush();
}

void ChainRunner::runPass() {
    integratePass(state_);
    drawMasses();
    advanceClock(state_);
    if (state_.clockOn == 1) {
        showClock();
    }
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
        view_.drawDot(x, s.yShown[i], kBackground);
        view_.drawDot(x, s.y[i], kMassColour);
        s.yShown[i] = s.y[i];
    }
    // The loose end is erased in the colour of the damping marker while damping is on, so the
    // end's dot repairs the marker instead of cutting it.
    const QRgb endEraser = qRgb(255, s.endMarkG, s.endMarkB);
    view_.drawDot(static_cast<float>(end + 1), s.yShown[end], endEraser);
    view_.drawDot(static_cast<float>(end + 1), s.y[end], kMassColour);
    s.yShown[end] = s.y[end];
}

void ChainRunner::showClock() {
    // Cut down to hundredths; the added 0.05 hundredth lets a time that accumulated to just
    // below a mark (2.9999993 after 30 steps of 0.1) show that mark.
    const double shown = std::floor(double(state_.clockTime) * 100.0 + 0.05) / 100.0;
    clockReadout_.setText(QStringLiteral("  ") + doubleText(shown));
}
