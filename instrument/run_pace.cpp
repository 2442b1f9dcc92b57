#include "instrument/run_pace.h"

#include <algorithm>
#include <cmath>

RunPace::RunPace(int passesPerSecond)
    : periodMs_(1000.0 / std::max(1, passesPerSecond)),
      stallSlots_(std::max(1, passesPerSecond / 10)) {}

int RunPace::due(double nowMs) {
    if (!std::isfinite(nowMs)) {
        return 0;
    }
    if (!scheduled_ || nowMs - nextSlot_ > stallSlots_ * periodMs_) {
        // The first pass has the slot of this moment.
        nextSlot_ = nowMs;
        scheduled_ = true;
    }
    int count = 0;
    while (nextSlot_ <= nowMs) {
        nextSlot_ += periodMs_;
        ++count;
    }
    return count;
}
