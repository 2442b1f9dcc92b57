#pragma once

#include <QObject>

class Markers;
struct ChainState;

// The clearing functions: the velocities, the displacements, or everything at once. The run
// loop draws the masses again at its next pass, from wherever the chain then is.
class Clearing : public QObject {
    Q_OBJECT

public:
    Clearing(ChainState& state, Markers& markers);

    // "v(i) = 0": the chain keeps its shape and swings on from rest under its springs.
    void Command1_Click();
    // "y(i) = 0": the chain on the straight line, keeping its velocities.
    void Command2_Click();
    // "Löschen": the chain at rest on the straight line, the clock and the drive from zero.
    // The switches, the speed and the medium stay as they are.
    void Command5_Click();

private:
    ChainState& state_;
    Markers& markers_;
};
