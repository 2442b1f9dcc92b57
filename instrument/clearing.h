#pragma once

#include "instrument/control.h"

class Panels;
class ViewDrawing;
struct ChainState;

// The clearing functions: the velocities, the displacements, or everything at once. The next
// pass draws the masses again at its next pass, from wherever the chain then is.
class Clearing {
public:
    // The panel "Löschfunktionen" and its three clearing buttons; the halt button in it is
    // RunControls'.
    // Writes the captions of these controls.
    Clearing(ChainState& state, ViewDrawing& view, Panels& panels);

    // "v(i) = 0": the chain keeps its shape and swings on from rest under its springs.
    void clearVelocities();
    // "y(i) = 0": the chain on the straight line, keeping its velocities.
    void clearDisplacements();
    // "Löschen": the chain at rest on the straight line, the clock and the drive from zero.
    // The switches, the speed and the medium stay as they are.
    void clearAll();

private:
    ChainState& state_;
    ViewDrawing& view_;
};
