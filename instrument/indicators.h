#pragma once

#include "core/chain_constants.h"
#include "instrument/control.h"
#include "instrument/input_codes.h"

#include <string>

class Panels;

// "On" or "Off", as an indicator reads.
std::string onOffText(bool on);
// "On/Off", the caption of the switches.
std::string onOffCaption();

// An indicator's colour once its switch has been used: red for on, grey for off.
Chain::Rgb indicatorColour(bool on);
// The light red of the damping indicator and of the hint for the hand at start.
inline constexpr Chain::Rgb kIndicatorStartRed{255, 128, 128};

// What a switch shows once it has been used: pressed or not, and its indicator's text and
// colour above.
void showSwitch(Panels& panels, Control toggle, Control indicator, bool on);

// The mode label in the chain view while the run goes: how the left end is moved, by the hand
// of `device` where the drive is off.
std::string driveModeCaption(bool harmonicOn, InputCodes::Device device);
