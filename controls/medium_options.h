#pragma once

#include <QObject>

class Markers;
class QLabel;
struct ChainState;

// The three switches of the medium, each an "On/Off" button with an indicator beside it:
// damping of the loose end, the obstacle on mass 48 and refraction into the heavy right half.
// A switch changes the state, draws or erases its marker and relabels its indicator; the run
// loop takes the new values up at its next pass, or when the run continues after a halt.
class MediumOptions : public QObject {
    Q_OBJECT

public:
    struct Controls {
        QLabel& Label5;  // "Dämpfung on/off", in the chain view
        QLabel& Label9;  // damping indicator
        QLabel& Label12; // obstacle indicator
        QLabel& Label10; // refraction indicator
        QLabel& Label7;  // "m = 1" and "m = 4" over the two halves, while refraction is on
        QLabel& Label8;
    };

    MediumOptions(ChainState& state, Markers& markers, const Controls& controls);

    // Damping, obstacle and refraction: each click switches its option over.
    void Command9_Click();
    void Command4_Click();
    void Command3_Click();

private:
    ChainState& state_;
    Markers& markers_;
    Controls c_;
};
