#pragma once

#include <QBasicTimer>
#include <QObject>

#include <chrono>
#include <cstdint>

// The run loop's sleep: one persistent precise timer at the screen's refresh rate, and a wait
// for its next tick that handles the events coming meanwhile. Nothing is made or registered per
// wait, so a wait allocates nothing. The timer stops itself once nobody has waited for it for
// half a second (the run halted) and starts again with the next wait.
class FrameTimer : public QObject {
public:
    // Waking at `refreshRate` a second, but never more often than `maxRate`; 60 where the rate
    // is unknown.
    FrameTimer(double refreshRate, int maxRate);

    // The interval between two ticks for a refresh rate, in whole milliseconds, rounded down
    // so that no display frame goes without a wake-up.
    static std::chrono::milliseconds intervalFor(double refreshRate, int maxRate);

    // Returns at the next tick, at once if one came since the last wait returned (the work in
    // between took longer than a frame); events arriving meanwhile are handled as they come.
    void awaitTick();

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    std::chrono::milliseconds interval_;
    QBasicTimer timer_;
    std::uint64_t ticks_ = 0;
    std::uint64_t ticksSeen_ = 0;
    int ticksUnawaited_ = 0;
};
