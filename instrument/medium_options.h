#pragma once

#include "instrument/control.h"

class MediumMarkers;
class Panels;
class ViewDrawing;
struct ChainState;

// The three switches of the medium, each an "On/Off" button with an indicator beside it:
// damping of the loose end, the obstacle on mass 48 and refraction into the heavy right half.
// A switch changes the state, draws or erases its marker and relabels its indicator; the run
// loop takes the new values up at its next pass, or when the run continues after a halt.
class MediumOptions {
public:
    // In the chain view: the loose end's name and "Dämpfung on/off" beneath it; "m = 1" and
    // "m = 4" over the two halves, while refraction is on.
    // Writes the start captions of these controls: damping on, obstacle and refraction off.
    MediumOptions(ChainState& state, MediumMarkers& markers, ViewDrawing& view, Panels& panels);

    // Damping, obstacle and refraction: each click switches its option over.
    void toggleDamping();
    void toggleObstacle();
    void toggleRefraction();

private:
    ChainState& state_;
    MediumMarkers& markers_;
    ViewDrawing& view_;
    Panels& panels_;
};
