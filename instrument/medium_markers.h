#pragma once

struct ChainState;
class ChainPicture;

// The vertical lines of the active medium options across the chain view's whole height: the
// damped loose end at x = 98, the obstacle at x = 48 and the boundary of the heavy half at
// x = 47.5. Each drawing leaves the picture at its resting pen width.
class MediumMarkers {
public:
    MediumMarkers(const ChainState& state, ChainPicture& picture);

    // Draws the markers of the options that are on, after the view has been cleared.
    void restore();

    // Shown draws a marker, hidden paints its line in the background colour.
    void showDamping(bool shown);
    void showObstacle(bool shown);
    void showRefraction(bool shown);

private:
    const ChainState& state_;
    ChainPicture& picture_;
};
