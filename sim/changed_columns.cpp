#include "sim/changed_columns.h"

#include <QRegion>

#include <algorithm>
#include <bit>

void ChangedColumns::resize(QSize size) {
    size_ = size;
    wordsPerBand_ = (std::max(0, size.width()) + kWordBits - 1) / kWordBits;
    const int bands = (std::max(0, size.height()) + kBandHeight - 1) >> kBandShift;
    columns_.assign(static_cast<std::size_t>(wordsPerBand_) * static_cast<std::size_t>(bands), 0);
    firstBand_ = 0;
    lastBand_ = -1;
}

void ChangedColumns::mark(const QRect& rect) {
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

int ChangedColumns::nextColumn(const Word* words, int from, bool marked) const {
    for (int w = from / kWordBits; w < wordsPerBand_; ++w) {
        Word bits = marked ? words[w] : ~words[w];
        if (w == from / kWordBits) {
            bits &= ~Word{0} << (from % kWordBits);
        }
        if (bits != 0) {
            return std::min(size_.width(), w * kWordBits + std::countr_zero(bits));
        }
    }
    return size_.width();
}

const std::vector<QRect>& ChangedColumns::take() {
    taken_.clear();
    for (int band = firstBand_; band <= lastBand_; ++band) {
        Word* words = columns_.data() + band * wordsPerBand_;
        const int top = band * kBandHeight;
        const int height = std::min(kBandHeight, size_.height() - top);
        for (int begin = nextColumn(words, 0, true); begin < size_.width();) {
            const int end = nextColumn(words, begin, false);
            taken_.emplace_back(begin, top, end - begin, height);
            begin = nextColumn(words, end, true);
        }
        std::fill(words, words + wordsPerBand_, Word{0});
    }
    firstBand_ = 0;
    lastBand_ = -1;
    return taken_;
}

const std::vector<QRect>& ChangedColumns::mergedColumns(const QRegion& region) {
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
