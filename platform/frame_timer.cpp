#include "platform/frame_timer.h"

#include <QCoreApplication>
#include <QTimerEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kUnknownRate = 60;
// A timer no longer awaited for this long stops.
constexpr std::chrono::milliseconds kIdleTime(500);

} // namespace

FrameTimer::FrameTimer(double refreshRate, int maxRate)
    : interval_(intervalFor(refreshRate, maxRate)) {}

std::chrono::milliseconds FrameTimer::intervalFor(double refreshRate, int maxRate) {
    const double rate = std::isfinite(refreshRate) && refreshRate >= 1 ? refreshRate : kUnknownRate;
    const double capped = std::min(rate, static_cast<double>(std::max(1, maxRate)));
    return std::chrono::milliseconds(std::max(1, static_cast<int>(std::floor(1000.0 / capped))));
}

void FrameTimer::awaitTick() {
    if (!timer_.isActive()) {
        timer_.start(static_cast<int>(interval_.count()), Qt::PreciseTimer, this);
    }
    ticksUnawaited_ = 0;
    while (ticks_ == ticksSeen_) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    ticksSeen_ = ticks_;
}

void FrameTimer::timerEvent(QTimerEvent* event) {
    if (event->timerId() != timer_.timerId()) {
        QObject::timerEvent(event);
        return;
    }
    ++ticks_;
    if (++ticksUnawaited_ * interval_ > kIdleTime) {
        timer_.stop();
    }
}
