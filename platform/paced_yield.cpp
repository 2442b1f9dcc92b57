#include "platform/paced_yield.h"

#include "platform/frame_timer.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace {

// Later than this behind the schedule counts as a stall.
constexpr int kStallSlots = 25;

double primaryRefreshRate() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->refreshRate() : 0.0;
}

} // namespace

PacedYield::PacedYield()
    : PacedYield(kPassesPerSecond, &Clock::now, {},
                 [] { QCoreApplication::processEvents(QEventLoop::AllEvents); }) {
    frames_ = std::make_shared<FrameTimer>(primaryRefreshRate(), kPassesPerSecond);
    awaitFrame_ = [frames = frames_.get()] { frames->awaitTick(); };
}

PacedYield::PacedYield(int passesPerSecond, Now now, AwaitFrame awaitFrame,
                       HandleEvents handleEvents)
    : period_(std::chrono::duration_cast<Clock::duration>(std::chrono::seconds(1)) /
              passesPerSecond),
      now_(std::move(now)), awaitFrame_(std::move(awaitFrame)),
      handleEvents_(std::move(handleEvents)) {}

void PacedYield::operator()(const ShowFrame& showFrame) {
    if (!scheduled_) {
        // The first pass starts the schedule; it had the slot of this moment.
        wakeUp_ = now_();
        nextSlot_ = wakeUp_;
        scheduled_ = true;
    }
    nextSlot_ += period_;
    if (nextSlot_ > wakeUp_) {
        // Every pass due at this wake-up has run.
        showFrame();
        do {
            awaitFrame_();
            wakeUp_ = now_();
            if (wakeUp_ - nextSlot_ > kStallSlots * period_) {
                nextSlot_ = wakeUp_;
            }
        } while (nextSlot_ > wakeUp_);
    }
    handleEvents_();
}
