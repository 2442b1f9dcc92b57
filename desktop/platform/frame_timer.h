#pragma once

#include <QBasicTimer>
#include <QObject>

#include <chrono>
#include <functional>

// The display frame's timer: one persistent precise timer at the screen's refresh rate that
// calls `tick` at each frame while it is started. Nothing is made or registered per tick.
class FrameTimer : public QObject {
public:
    // Ticking at `refreshRate` a second, but never more often than `maxRate`; 60 where the rate
    // is unknown.
    FrameTimer(double refreshRate, int maxRate, std::function<void()> tick);

    // The primary screen's refresh rate; 0 where there is no screen.
    static double primaryRefreshRate();
    // The interval between two ticks for a refresh rate, in whole milliseconds, rounded down
    // so that no display frame goes without a tick.
    static std::chrono::milliseconds intervalFor(double refreshRate, int maxRate);

    void start();
    void stop() { timer_.stop(); }
    bool isActive() const { return timer_.isActive(); }

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    std::chrono::milliseconds interval_;
    std::function<void()> tick_;
    QBasicTimer timer_;
};
