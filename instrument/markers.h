#pragma once

struct ChainState;
class ChainPicture;

// The vertical lines that show the active medium options across the whole height of the chain
// view: the damped loose end at x = 98, the obstacle at x = 48 and the boundary of the heavy
// half at x = 47.5. Each drawing leaves the picture at its resting pen width, which the run loop
// relies on after its yield.
class Markers {
public:
    Markers(const ChainState& state, ChainPicture& picture);

    // Draws the markers of the options that are on, after the view has been cleared.
    void restore();

    // The view without the masses, with the markers of the options that are on, at the resting
    // pen width. The run loop draws the masses again at its next pass.
    void clearView();

    // Shown draws a marker, hidden paints its line in the background colour.
    void showDamping(bool shown);
    void showObstacle(bool shown);
    void showRefraction(bool shown);

private:
    const ChainState& state_;
    ChainPicture& picture_;
};
