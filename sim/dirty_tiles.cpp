#include "sim/dirty_tiles.h"

#include <QRegion>

#include <algorithm>
#include <bit>

void DirtyTiles::resize(QSize size) {
    size_ = size;
    wordsPerBand_ = (std::max(0, size.width()) + kWordBits - 1) / kWordBits;
    const int bands = (std::max(0, size.height()) + kBandHeight - 1) >> kBandShift;
    columns_.assign(static_cast<std::size_t>(wordsPerBand_) * static_cast<std::size_t>(bands), 0);
    firstBand_ = 0;
    lastBand_ = -1;
}

void DirtyTiles::mark(const QRect& rect) {
    const QRect inside = rect & QRect(QPoint(0, 0), size_);
    if (inside.isEmpty()) {
        return;
    }
    const int firstBand = inside.top() >> kBandShift;
    const int lastBand = inside.bottom() >> kBandShift;
    const int firstWord = inside.left() / kWordBits;
    const int lastWord = inside.right() / kWordBits;
    const Word firstMask = ~Word{0} << (inside.left() % kWordBits);
    const Word lastMask = ~Word{0} >> (kWordBits - 1 - inside.right() % kWordBits);
    for (int band = firstBand; band <= lastBand; ++band) {
        Word* words = columns_.data() + band * wordsPerBand_;
        if (firstWord == lastWord) {
            words[firstWord] |= firstMask & lastMask;
        } else {
            words[firstWord] |= firstMask;
            std::fill(words + firstWord + 1, words + lastWord, ~Word{0});
            words[lastWord] |= lastMask;
        }
    }
    if (lastBand_ < firstBand_) {
        firstBand_ = firstBand;
        lastBand_ = lastBand;
    } else {
        firstBand_ = std::min(firstBand_, firstBand);
        lastBand_ = std::max(lastBand_, lastBand);
    }
}

const std::vector<QRect>& DirtyTiles::take() {
    taken_.clear();
    for (int band = firstBand_; band <= lastBand_; ++band) {
        Word* words = columns_.data() + band * wordsPerBand_;
        const int top = band * kBandHeight;
        const int height = std::min(kBandHeight, size_.height() - top);
        int runStart = -1;
        for (int w = 0; w < wordsPerBand_; ++w) {
            Word bits = words[w];
            words[w] = 0;
            int at = w * kWordBits;
            const int wordEnd = at + kWordBits;
            // Alternately skip to the next set and the next clear bit.
            while (at < wordEnd) {
                if (runStart < 0) {
                    if (bits == 0) {
                        break;
                    }
                    const int skip = std::countr_zero(bits);
                    at += skip;
                    bits >>= skip;
                    runStart = at;
                } else {
                    const int run = std::countr_one(bits);
                    at += run;
                    if (run == kWordBits) {
                        break;
                    }
                    bits >>= run;
                    if (at < wordEnd) {
                        taken_.emplace_back(runStart, top, at - runStart, height);
                        runStart = -1;
                    }
                }
            }
        }
        if (runStart >= 0) {
            taken_.emplace_back(runStart, top, size_.width() - runStart, height);
        }
    }
    firstBand_ = 0;
    lastBand_ = -1;
    return taken_;
}

const std::vector<QRect>& DirtyTiles::mergedColumns(const QRegion& region) {
    // The region comes in rows of rectangles; a mass's strokes of one frame lie in one column
    // of them.
    merged_.clear();
    for (const QRect& rect : region) {
        const auto reach = std::min<std::ptrdiff_t>(kMergeReach, std::ssize(merged_));
        const auto searched = merged_.rbegin() + reach;
        auto above = std::find_if(merged_.rbegin(), searched, [&](const QRect& r) {
            return r.bottom() + 1 == rect.top() && r.left() == rect.left() &&
                   r.right() == rect.right();
        });
        if (above != searched) {
            above->setBottom(rect.bottom());
        } else {
            merged_.push_back(rect);
        }
    }
    return merged_;
}
