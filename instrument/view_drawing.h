#pragma once

#include "core/chain_constants.h"
#include "core/chain_state.h"
#include "instrument/chain_pass.h"

#include <array>
#include <cstddef>
#include <optional>

class ChainPicture;
class MediumMarkers;
class TapeMarks;

// The chain view drawn anew, and what lies in it besides the passes' moving dots and the
// markers: the masses where they were last drawn, a snapshot of the chain and the lines of the
// masses chosen for the time diagram, both behind the moving dots. Each drawing leaves the
// picture at its resting pen width, which the pass relies on.
class ViewDrawing {
public:
    // The masses are drawn in the pass's `colours`.
    ViewDrawing(const ChainState& state, ChainPicture& picture, MediumMarkers& markers,
                TapeMarks& tapes, const DotColours& colours);

    // From the window's load on, every clearing and every new size shows the masses: a halted
    // or resting chain, which no pass redraws, never vanishes from the view.
    void showMasses();

    // A clearing: the view with the markers of the options that are on and the masses where
    // they were last drawn (`yShown`); the tapes' marks are gone with it.
    void clearView();
    // A new size of the picture: the same as a clearing, but the tapes laid since the last
    // clearing keep their marks.
    void redrawView();

    // A snapshot: the masses where they are drawn now, as dots in a quiet colour on the
    // picture's backdrop, behind the moving dots, until hidden; a clearing and a new size keep
    // it. Hiding it draws the view anew without it.
    void showSnapshot();
    void hideSnapshot();
    bool snapshotShown() const { return snapshot_.has_value(); }

    // The masses chosen for the time diagram, each marked by a dashed line in its colour down
    // the view's whole height, behind the moving dots, so that a chosen mass is found from the
    // back of the room and not only by its dot's colour. The view is drawn anew with them.
    struct Mark {
        int mass;
        Chain::Rgb colour;
    };
    static constexpr std::size_t kMarks = 2;
    void markChosen(const std::array<std::optional<Mark>, kMarks>& marks);

private:
    // Every mass drawn anew where it was last drawn, in its colour, once masses are shown.
    void drawMasses();
    void drawSnapshot();
    void drawChosen();
    // The backdrop is kept while a snapshot or a chosen mass lies on it.
    void keepBackdrop();

    const ChainState& state_;
    ChainPicture& picture_;
    MediumMarkers& markers_;
    TapeMarks& tapes_;
    const DotColours& colours_;
    bool massesShown_ = false;
    std::optional<std::array<float, ChainState::kLastMass + 1>> snapshot_;
    std::array<std::optional<Mark>, kMarks> chosen_{};
};
