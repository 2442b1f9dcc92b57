#pragma once

#include "core/chain_state.h"
#include "instrument/chain_pass.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class ChainPicture;

// What the chain view shows besides the passes' moving dots: the vertical lines of the active
// medium options across its whole height (the damped loose end at x = 98, the obstacle at
// x = 48 and the boundary of the heavy half at x = 47.5), the measuring tapes' tick marks, a
// snapshot of the chain behind the moving dots, and the masses where they were last drawn
// whenever the view is drawn anew. Each drawing leaves
// the picture at its resting pen width, which the run loop relies on after its yield.
class Markers {
public:
    // The masses are drawn in `colours` where given, else in the mass colour.
    Markers(const ChainState& state, ChainPicture& picture, const DotColours* colours = nullptr);

    // Draws the markers of the options that are on, after the view has been cleared.
    void restore();

    // From the window's load on, every clearing and every new size shows the masses: a halted
    // or resting chain, which no pass redraws, never vanishes from the view.
    void showMasses();
    // One mass drawn anew where it was last drawn, in its colour, once masses are shown.
    void redrawMass(int i);

    // A clearing: the view with the markers of the options that are on and the masses where
    // they were last drawn (`yShown`); the tapes' marks are gone with it.
    void clearView();
    // A new size of the picture: the same as a clearing, but the tapes laid since the last
    // clearing keep their marks.
    void redrawView();

    // Shown draws a marker, hidden paints its line in the background colour.
    void showDamping(bool shown);
    void showObstacle(bool shown);
    void showRefraction(bool shown);

    // A tape's tick marks up from the line y = base at start, start + step, ... up to end, in
    // three rows; thin pen, then back to the resting width. Remembered for a new size.
    void showTape(float start, float base, std::int16_t end);

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
    struct Tape {
        float start;
        float base;
        std::int16_t end;
    };
    // The latest tapes whose marks a new size draws again; older ones are let go.
    static constexpr std::size_t kKeptTapes = 16;

    void drawTape(const Tape& tape);
    void drawMasses();
    void drawSnapshot();
    void drawChosen();
    // The backdrop is kept while a snapshot or a chosen mass lies on it.
    void keepBackdrop();

    const ChainState& state_;
    ChainPicture& picture_;
    std::vector<Tape> tapes_;
    const DotColours* colours_;
    bool massesShown_ = false;
    std::optional<std::array<float, ChainState::kLastMass + 1>> snapshot_;
    std::array<std::optional<Mark>, kMarks> chosen_{};
};
