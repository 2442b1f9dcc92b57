#include "instrument/markers.h"

#include "core/chain_constants.h"
#include "core/chain_state.h"
#include "instrument/chain_pass.h"
#include "instrument/input_codes.h"
#include "picture/chain_picture.h"

#include <algorithm>
#include <array>

namespace {

// The chosen masses' dashed lines, thicker than the options' markers so that they read apart.
constexpr int kChosenMarkPen = 2;

void fullHeightLine(ChainPicture& picture, float x, Chain::Rgb colour) {
    picture.drawLine(x, Chain::kViewTop, x, Chain::kViewBottom, ChainPicture::pixelOf(colour));
}

} // namespace

Markers::Markers(const ChainState& state, ChainPicture& picture, const DotColours* colours)
    : state_(state), picture_(picture), colours_(colours) {}

void Markers::restore() {
    if (state_.endDamping == Chain::kDampingOn) {
        showDamping(true);
    }
    if (state_.obstacleOn == 1) {
        showObstacle(true);
    }
    if (state_.refractionOn == 1) {
        showRefraction(true);
    }
}

void Markers::showMasses() {
    massesShown_ = true;
    drawMasses();
}

void Markers::clearView() {
    tapes_.clear();
    redrawView();
}

void Markers::redrawView() {
    picture_.clear();
    picture_.setPenWidth(Chain::kRestingPen);
    restore();
    for (const Tape& tape : tapes_) {
        drawTape(tape);
    }
    drawSnapshot();
    drawChosen();
    drawMasses();
}

void Markers::keepBackdrop() {
    picture_.useBackdrop(snapshot_.has_value() ||
                         std::any_of(chosen_.begin(), chosen_.end(),
                                     [](const std::optional<Mark>& m) { return m.has_value(); }));
}

void Markers::markChosen(const std::array<std::optional<Mark>, kMarks>& marks) {
    chosen_ = marks;
    keepBackdrop();
    redrawView();
}

void Markers::drawChosen() {
    picture_.setPenWidth(kChosenMarkPen);
    for (const std::optional<Mark>& m : chosen_) {
        if (m) {
            picture_.drawDashesBehind(InputCodes::massX(m->mass), ChainPicture::pixelOf(m->colour));
        }
    }
    picture_.setPenWidth(Chain::kRestingPen);
}

void Markers::showSnapshot() {
    std::array<float, ChainState::kLastMass + 1> shown{};
    for (int i = 0; i <= ChainState::kLastMass; ++i) {
        shown[i] = state_.yShown[i];
    }
    // A new snapshot replaces the one before: the view drawn anew with it alone.
    const bool replaces = snapshot_.has_value();
    snapshot_ = shown;
    keepBackdrop();
    if (replaces) {
        redrawView();
    } else {
        drawSnapshot();
    }
}

void Markers::hideSnapshot() {
    snapshot_.reset();
    keepBackdrop();
    redrawView();
}

void Markers::drawSnapshot() {
    if (!snapshot_) {
        return;
    }
    const ChainPicture::Pixel colour = ChainPicture::pixelOf(Chain::kSnapshotColour);
    for (int i = 0; i <= ChainState::kLastMass; ++i) {
        picture_.setPenWidth(ChainPass::drawnWide(state_, i) ? Chain::kHeavyPen
                                                             : Chain::kRestingPen);
        picture_.drawBehind(InputCodes::massX(i), (*snapshot_)[i], colour);
    }
    picture_.setPenWidth(Chain::kRestingPen);
}

void Markers::drawMasses() {
    if (!massesShown_) {
        return;
    }
    for (int i = 0; i <= ChainState::kLastMass; ++i) {
        redrawMass(i);
    }
}

void Markers::redrawMass(int i) {
    if (!massesShown_) {
        return;
    }
    picture_.setPenWidth(ChainPass::drawnWide(state_, i) ? Chain::kHeavyPen : Chain::kRestingPen);
    // Erased and drawn on the same pixel: the dot is drawn, nothing erased.
    const float y = state_.yShown[i];
    const ChainPicture::Pixel colour = colours_ != nullptr
                                           ? (*colours_)[static_cast<std::size_t>(i)]
                                           : ChainPicture::pixelOf(Chain::kMassColour);
    picture_.moveDot(InputCodes::massX(i), y, y, colour, colour);
    picture_.setPenWidth(Chain::kRestingPen);
}

void Markers::showTape(float start, float base, std::int16_t end) {
    // A tape that rolls on from the same press point only reaches further.
    if (!tapes_.empty() && tapes_.back().start == start && tapes_.back().base == base) {
        tapes_.back().end = std::max(tapes_.back().end, end);
    } else {
        if (tapes_.size() == kKeptTapes) {
            tapes_.erase(tapes_.begin());
        }
        tapes_.push_back({start, base, end});
    }
    drawTape({start, base, end});
}

void Markers::drawTape(const Tape& tape) {
    // Every unit a short tick, every fifth a longer one and every tenth the longest. All start
    // at the press point, so the longer ticks cover the shorter ones there.
    struct TickRow {
        double step;
        double length;
    };
    constexpr std::array<TickRow, 3> kTickRows{{{1, 0.1}, {5, 0.15}, {10, 0.2}}};
    const auto last = static_cast<float>(tape.end);
    picture_.setPenWidth(Chain::kThinPen);
    for (const TickRow& row : kTickRows) {
        const auto tip = static_cast<float>(double(tape.base) - row.length);
        // The running x is single precision, advanced by adding the step.
        for (float x = tape.start; x <= last; x = static_cast<float>(double(x) + row.step)) {
            picture_.drawLine(x, tape.base, x, tip);
        }
    }
    picture_.setPenWidth(Chain::kRestingPen);
}

void Markers::showDamping(bool shown) {
    // Drawn at the resting width, the width of the end mass's dot that runs along it.
    picture_.setPenWidth(Chain::kRestingPen);
    fullHeightLine(picture_, Chain::kDampingMarkerX,
                   shown ? Chain::kDampingMarker : Chain::kBackground);
}

void Markers::showObstacle(bool shown) {
    picture_.setPenWidth(Chain::kThinPen);
    fullHeightLine(picture_, Chain::kObstacleMarkerX,
                   shown ? Chain::kObstacleMarker : Chain::kBackground);
    picture_.setPenWidth(Chain::kRestingPen);
}

void Markers::showRefraction(bool shown) {
    picture_.setPenWidth(Chain::kThinPen);
    if (shown) {
        // The boundary has no colour of its own: it is drawn in the view's foreground colour.
        picture_.drawLine(Chain::kRefractionMarkerX, Chain::kViewTop, Chain::kRefractionMarkerX,
                          Chain::kViewBottom);
    } else {
        fullHeightLine(picture_, Chain::kRefractionMarkerX, Chain::kBackground);
    }
    picture_.setPenWidth(Chain::kRestingPen);
}
