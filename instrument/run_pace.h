#pragma once

// The pace of the run: a fixed schedule of passes a second, asked at each display frame how many
// passes are due. The first pass of a schedule is due at once, then one per slot; a lag of up to
// a tenth of a second is caught up, while after a longer stall (a dragged window, a modal box, a
// hidden page) the schedule starts afresh rather than racing to catch up.
class RunPace {
public:
    explicit RunPace(int passesPerSecond);

    // The passes due at `nowMs`, a steady clock in milliseconds, since the last call.
    int due(double nowMs);
    // The next call starts a schedule: after a halt, or while nothing moves.
    void restart() { scheduled_ = false; }

    // Later than this many slots behind the schedule counts as a stall.
    int stallSlots() const { return stallSlots_; }

private:
    double periodMs_;
    int stallSlots_;
    double nextSlot_ = 0;
    bool scheduled_ = false;
};
