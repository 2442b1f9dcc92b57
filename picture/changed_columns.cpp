#include "picture/changed_columns.h"

#include <algorithm>
#include <bit>

void ChangedColumns::resize(int width, int height) {
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    wordsPerBand_ = (width_ + kWordBits - 1) / kWordBits;
    const int bands = (height_ + kBandHeight - 1) >> kBandShift;
    columns_.assign(static_cast<std::size_t>(wordsPerBand_) * static_cast<std::size_t>(bands), 0);
    firstBand_ = 0;
    lastBand_ = -1;
}

void ChangedColumns::mark(const PixelRect& rect) {
    const int left = std::max(rect.x, 0);
    const int top = std::max(rect.y, 0);
    const int right = std::min(rect.right(), width_ - 1);
    const int bottom = std::min(rect.bottom(), height_ - 1);
    if (left > right || top > bottom) {
        return;
    }
    const int firstBand = top >> kBandShift;
    const int lastBand = bottom >> kBandShift;
    const int firstWord = left / kWordBits;
    const int lastWord = right / kWordBits;
    const Word firstMask = ~Word{0} << (left % kWordBits);
    const Word lastMask = ~Word{0} >> (kWordBits - 1 - right % kWordBits);
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
            return std::min(width_, w * kWordBits + std::countr_zero(bits));
        }
    }
    return width_;
}

const std::vector<PixelRect>& ChangedColumns::take() {
    taken_.clear();
    for (int band = firstBand_; band <= lastBand_; ++band) {
        Word* words = columns_.data() + band * wordsPerBand_;
        const int top = band * kBandHeight;
        const int height = std::min(kBandHeight, height_ - top);
        for (int begin = nextColumn(words, 0, true); begin < width_;) {
            const int end = nextColumn(words, begin, false);
            taken_.push_back({begin, top, end - begin, height});
            begin = nextColumn(words, end, true);
        }
        std::fill(words, words + wordsPerBand_, Word{0});
    }
    firstBand_ = 0;
    lastBand_ = -1;
    return taken_;
}

const std::vector<PixelRect>& ChangedColumns::mergeColumns(const std::vector<PixelRect>& region,
                                                           std::vector<PixelRect>& merged) {
    // The region comes in rows of rectangles; a mass's strokes of one frame lie in one column
    // of them.
    merged.clear();
    for (const PixelRect& rect : region) {
        const auto reach = std::min<std::ptrdiff_t>(kMergeReach, std::ssize(merged));
        const auto searched = merged.rbegin() + reach;
        auto above = std::find_if(merged.rbegin(), searched, [&](const PixelRect& r) {
            return r.bottom() + 1 == rect.y && r.x == rect.x && r.width == rect.width;
        });
        if (above != searched) {
            above->height = rect.bottom() + 1 - above->y;
        } else {
            merged.push_back(rect);
        }
    }
    return merged;
}
