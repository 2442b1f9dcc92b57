#include "instrument/tape_marks.h"

#include "core/chain_constants.h"
#include "picture/chain_picture.h"

#include <algorithm>
#include <array>

TapeMarks::TapeMarks(ChainPicture& picture) : picture_(picture) {}

void TapeMarks::show(float start, float base, std::int16_t end) {
    // A tape that rolls on from the same press point only reaches further.
    if (!tapes_.empty() && tapes_.back().start == start && tapes_.back().base == base) {
        tapes_.back().end = std::max(tapes_.back().end, end);
    } else {
        if (tapes_.size() == kKeptTapes) {
            tapes_.erase(tapes_.begin());
        }
        tapes_.push_back({start, base, end});
    }
    draw({start, base, end});
}

void TapeMarks::redraw() {
    for (const Tape& tape : tapes_) {
        draw(tape);
    }
}

void TapeMarks::draw(const Tape& tape) {
    // Every unit a short tick, every fifth a longer one and every tenth the longest. All start
    // at the press point, so the longer ticks cover the shorter ones there.
    struct TickRow {
        double step;
        double length;
    };
    constexpr std::array<TickRow, 3> kTickRows{{{1, 0.1}, {5, 0.15}, {10, 0.2}}};
    const auto last = static_cast<float>(tape.end);
    picture_.setPenWidth(Chain::kThinPen);
    for (const TickRow& row : kTickRows) {
        const auto tip = static_cast<float>(double(tape.base) - row.length);
        // The running x is single precision, advanced by adding the step.
        for (float x = tape.start; x <= last; x = static_cast<float>(double(x) + row.step)) {
            picture_.drawLine(x, tape.base, x, tip);
        }
    }
    picture_.setPenWidth(Chain::kRestingPen);
}
