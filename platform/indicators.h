#pragma once

#include <QString>

class QLabel;
class QLineEdit;

// What the switches show once they have been used. An On/Off indicator reads "On" on red or
// "Off" on grey; a label shows the colour as its back colour, a text box as its field's.
void showSwitch(QLabel& indicator, bool on);
void showSwitch(QLineEdit& indicator, bool on);

// The mode label in the chain view while the run goes: how the left end is moved.
QString driveModeCaption(bool harmonicOn);
