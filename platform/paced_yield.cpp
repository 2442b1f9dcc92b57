#include "platform/paced_yield.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace {

// Later than this behind the schedule counts as a stall.
constexpr int kStallSlots = 25;

} // namespace

PacedYield::PacedYield(int passesPerSecond)
    : period_(std::chrono::duration_cast<Clock::duration>(std::chrono::seconds(1)) /
              passesPerSecond) {}

void PacedYield::operator()() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);

    const Clock::time_point now = Clock::now();
    if (!scheduled_ || now - nextSlot_ > kStallSlots * period_) {
        nextSlot_ = now + period_;
        scheduled_ = true;
    }
    if (now < nextSlot_) {
        // Round up, so that the wait never ends before the slot.
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(nextSlot_ - now);
        QEventLoop waiting;
        QTimer::singleShot(wait, Qt::PreciseTimer, &waiting, &QEventLoop::quit);
        waiting.exec();
    }
    nextSlot_ += period_;
}
