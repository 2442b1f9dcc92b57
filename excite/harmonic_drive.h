#pragma once

#include <QObject>

class QLabel;
class QLineEdit;
class QScrollBar;
struct ChainState;

// The harmonic drive of the left end: its switch, its amplitude and its period. The run loop
// applies the drive law y(0) = -amplitude * sin(omega * driveTime + drivePhase) at every pass
// while it is on; these handlers set its parameters and keep the phase continuous when the
// period changes.
class HarmonicDrive : public QObject {
    Q_OBJECT

public:
    // The switch's state field, the two read-outs, the mode label in the chain view and the
    // hint for the hand, whose colour shows whether the hand is in charge.
    struct Controls {
        QScrollBar& HScroll1; // amplitude times its bar's scale
        QScrollBar& HScroll2; // period times its bar's scale
        QLineEdit& Text2;
        QLineEdit& Text3;
        QLineEdit& Text5;
        QLabel& Label6;
        QLabel& Label13;
    };

    HarmonicDrive(ChainState& state, const Controls& controls);

    // The read-outs at start-up: the amplitude and the period as they start, and the drive
    // "Off" on the field's own colour.
    void showStartReadOuts();

    // "Harmonisch On/Off".
    void Command7_Click();
    // A committed change of the amplitude's scroll bar.
    void HScroll1_Change();
    // A committed change of the period's scroll bar.
    void HScroll2_Change();

private:
    ChainState& state_;
    Controls c_;
};
