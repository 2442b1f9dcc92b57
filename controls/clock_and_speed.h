#pragma once

#include <QObject>

class QPushButton;
class QScrollBar;
struct ChainState;

// The clock read-out and the speed of the simulation. The run loop advances the clock time at
// every pass and shows it while the clock runs; the speed is the loop's time step.
class ClockAndSpeed : public QObject {
    Q_OBJECT

public:
    ClockAndSpeed(ChainState& state, QPushButton& Command8, QScrollBar& HScroll3);

    // Starts the clock from zero, or stops it with its last time left in the read-out.
    void Command8_Click();
    // A committed value of the speed scroll bar: after an arrow or track click, or when its
    // dragged thumb is released. The time step is the value in hundredths.
    void HScroll3_Change();

private:
    ChainState& state_;
    QPushButton& Command8_;
    QScrollBar& HScroll3_;
};
