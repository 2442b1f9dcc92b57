#include "instrument/view_drawing.h"

#include "core/chain_constants.h"
#include "core/chain_state.h"
#include "instrument/chain_pass.h"
#include "instrument/input_codes.h"
#include "instrument/medium_markers.h"
#include "instrument/tape_marks.h"
#include "picture/chain_picture.h"

#include <algorithm>
#include <array>

namespace {

// The chosen masses' dashed lines, thicker than the options' markers so that they read apart.
constexpr int kChosenMarkPen = 2;

} // namespace

ViewDrawing::ViewDrawing(const ChainState& state, ChainPicture& picture, MediumMarkers& markers,
                         TapeMarks& tapes, const DotColours& colours)
    : state_(state), picture_(picture), markers_(markers), tapes_(tapes), colours_(colours) {}

void ViewDrawing::showMasses() {
    massesShown_ = true;
    drawMasses();
}

void ViewDrawing::clearView() {
    tapes_.forget();
    redrawView();
}

void ViewDrawing::redrawView() {
    picture_.clear();
    picture_.setPenWidth(Chain::kRestingPen);
    markers_.restore();
    tapes_.redraw();
    drawSnapshot();
    drawChosen();
    drawMasses();
}

void ViewDrawing::keepBackdrop() {
    picture_.useBackdrop(snapshot_.has_value() ||
                         std::any_of(chosen_.begin(), chosen_.end(),
                                     [](const std::optional<Mark>& m) { return m.has_value(); }));
}

void ViewDrawing::markChosen(const std::array<std::optional<Mark>, kMarks>& marks) {
    chosen_ = marks;
    keepBackdrop();
    redrawView();
}

void ViewDrawing::drawChosen() {
    picture_.setPenWidth(kChosenMarkPen);
    for (const std::optional<Mark>& m : chosen_) {
        if (m) {
            picture_.drawDashesBehind(InputCodes::massX(m->mass), ChainPicture::pixelOf(m->colour));
        }
    }
    picture_.setPenWidth(Chain::kRestingPen);
}

void ViewDrawing::showSnapshot() {
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

void ViewDrawing::hideSnapshot() {
    snapshot_.reset();
    keepBackdrop();
    redrawView();
}

void ViewDrawing::drawSnapshot() {
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

void ViewDrawing::drawMasses() {
    if (!massesShown_) {
        return;
    }
    for (int i = 0; i <= ChainState::kLastMass; ++i) {
        picture_.setPenWidth(ChainPass::drawnWide(state_, i) ? Chain::kHeavyPen
                                                             : Chain::kRestingPen);
        // Erased and drawn on the same pixel: the dot is drawn, nothing erased.
        const float y = state_.yShown[i];
        const ChainPicture::Pixel colour = colours_[static_cast<std::size_t>(i)];
        picture_.moveDot(InputCodes::massX(i), y, y, colour, colour);
    }
    picture_.setPenWidth(Chain::kRestingPen);
}
