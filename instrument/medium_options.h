#pragma once

#include "instrument/control.h"

class Markers;
class Panels;
struct ChainState;

// The three switches of the medium, each an "On/Off" button with an indicator beside it:
// damping of the loose end, the obstacle on mass 48 and refraction into the heavy right half.
// A switch changes the state, draws or erases its marker and relabels its indicator; the run
// loop takes the new values up at its next pass, or when the run continues after a halt.
class MediumOptions {
public:
    static constexpr Control kDampingPanel = Control::Frame2;
    static constexpr Control kDampingSwitch = Control::Command9;
    static constexpr Control kDampingIndicator = Control::Label9;
    static constexpr Control kObstaclePanel = Control::Frame6;
    static constexpr Control kObstacleSwitch = Control::Command4;
    static constexpr Control kObstacleIndicator = Control::Label12;
    static constexpr Control kRefractionPanel = Control::Frame4;
    static constexpr Control kRefractionSwitch = Control::Command3;
    static constexpr Control kRefractionIndicator = Control::Label10;
    // In the chain view: the loose end's name and "Dämpfung on/off" beneath it; "m = 1" and
    // "m = 4" over the two halves, while refraction is on.
    static constexpr Control kLooseEndLabel = Control::Label4;
    static constexpr Control kDampingLabel = Control::Label5;
    static constexpr Control kLightHalfLabel = Control::Label7;
    static constexpr Control kHeavyHalfLabel = Control::Label8;

    // Writes the start captions of these controls: damping on, obstacle and refraction off.
    MediumOptions(ChainState& state, Markers& markers, Panels& panels);

    // Damping, obstacle and refraction: each click switches its option over.
    void toggleDamping();
    void toggleObstacle();
    void toggleRefraction();

private:
    ChainState& state_;
    Markers& markers_;
    Panels& panels_;
};
