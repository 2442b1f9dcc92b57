#pragma once

#include <QColor>
#include <QString>

class QLabel;
class QLineEdit;

// "On" or "Off", as an indicator reads.
QString onOffText(bool on);
// "On/Off", the caption of the switches.
QString onOffCaption();

// An indicator's colour once its switch has been used: red for on, grey for off.
QRgb indicatorColour(bool on);
// The light red of the damping indicator and of the hint for the hand at start.
inline constexpr QRgb kIndicatorStartRed = qRgb(255, 128, 128);

// What the switches show once they have been used: the text and the colour above; a label
// shows the colour as its back colour, a text box as its field's.
void showSwitch(QLabel& indicator, bool on);
void showSwitch(QLineEdit& indicator, bool on);

// The mode label in the chain view while the run goes: how the left end is moved.
QString driveModeCaption(bool harmonicOn);
