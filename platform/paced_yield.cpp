#include "platform/paced_yield.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace {

// Later than this behind the schedule counts as a stall.
constexpr int kStallSlots = 25;

void waitHandlingEvents(std::chrono::milliseconds wait) {
    QEventLoop waiting;
    QTimer::singleShot(wait, Qt::PreciseTimer, &waiting, &QEventLoop::quit);
    waiting.exec();
}

} // namespace

PacedYield::PacedYield(int passesPerSecond)
    : PacedYield(passesPerSecond, &Clock::now, &waitHandlingEvents) {}

PacedYield::PacedYield(int passesPerSecond, Now now, Wait wait)
    : period_(std::chrono::duration_cast<Clock::duration>(std::chrono::seconds(1)) /
              passesPerSecond),
      now_(std::move(now)), wait_(std::move(wait)) {}

void PacedYield::operator()() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);

    const Clock::time_point now = now_();
    if (!scheduled_ || now - nextSlot_ > kStallSlots * period_) {
        nextSlot_ = now + period_;
        scheduled_ = true;
    }
    if (now < nextSlot_) {
        // Round up, so that the wait never ends before the slot.
        wait_(std::chrono::ceil<std::chrono::milliseconds>(nextSlot_ - now));
    }
    nextSlot_ += period_;
}
