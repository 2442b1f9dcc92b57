#include "desktop/platform/frame_timer.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimerEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kUnknownRate = 60;

} // namespace

FrameTimer::FrameTimer(double refreshRate, int maxRate, std::function<void()> tick)
    : interval_(intervalFor(refreshRate, maxRate)), tick_(std::move(tick)) {}

double FrameTimer::primaryRefreshRate() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->refreshRate() : 0.0;
}

std::chrono::milliseconds FrameTimer::intervalFor(double refreshRate, int maxRate) {
    const double rate = std::isfinite(refreshRate) && refreshRate >= 1 ? refreshRate : kUnknownRate;
    const double capped = std::min(rate, static_cast<double>(std::max(1, maxRate)));
    return std::chrono::milliseconds(std::max(1, static_cast<int>(std::floor(1000.0 / capped))));
}

void FrameTimer::start() {
    if (!timer_.isActive()) {
        timer_.start(static_cast<int>(interval_.count()), Qt::PreciseTimer, this);
    }
}

void FrameTimer::timerEvent(QTimerEvent* event) {
    if (event->timerId() != timer_.timerId()) {
        QObject::timerEvent(event);
        return;
    }
    tick_();
}
