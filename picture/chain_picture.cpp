#include "picture/chain_picture.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

ChainPicture::ChainPicture() {
    for (int d = 1; d <= kCachedDiscs; ++d) {
        discFor(d);
    }
}

void ChainPicture::resize(int width, int height, double scale) {
    width = std::max(0, width);
    height = std::max(0, height);
    std::vector<Pixel> resized(std::size_t(width) * std::size_t(height), background_);
    const int keptWidth = std::min(width, width_);
    for (int y = 0; y < std::min(height, height_); ++y) {
        std::copy_n(pixels_.begin() + std::ptrdiff_t(y) * width_, keptWidth,
                    resized.begin() + std::ptrdiff_t(y) * width);
    }
    pixels_ = std::move(resized);
    if (hasBackdrop()) {
        backdrop_.assign(pixels_.size(), background_);
    }
    width_ = width;
    height_ = height;
    scale_ = scale;
    setPenWidth(penWidth_);
    changes_.resize(width, height);
}

void ChainPicture::clear() {
    ++strokes_;
    std::fill(pixels_.begin(), pixels_.end(), background_);
    std::fill(backdrop_.begin(), backdrop_.end(), background_);
    changes_.mark({0, 0, width_, height_});
}

void ChainPicture::useBackdrop(bool used) {
    if (used == hasBackdrop()) {
        return;
    }
    if (used) {
        backdrop_.assign(pixels_.size(), background_);
    } else {
        // Given back, not only emptied: a large view's backdrop is megabytes.
        std::vector<Pixel>().swap(backdrop_);
    }
}

void ChainPicture::drawBehind(float x, float y, Pixel colour) {
    if (!hasBackdrop()) {
        return;
    }
    ++strokes_;
    const UserScale::Point centre = toPixel(x, y);
    const bool inside = eachRow(centre, [&](Pixel* line, int begin, int end, int row) {
        Pixel* behind = backdrop_.data() + std::ptrdiff_t(row) * width_;
        std::fill(behind + begin, behind + end, colour);
        std::replace(line + begin, line + end, background_, colour);
    });
    if (inside) {
        changes_.mark(
            {centre.x - scaledPen_ / 2, centre.y - scaledPen_ / 2, scaledPen_, scaledPen_});
    }
}

void ChainPicture::drawDashesBehind(float x, Pixel colour) {
    if (!hasBackdrop() || width_ <= 0) {
        return;
    }
    ++strokes_;
    const int left = std::clamp(toPixel(x, 0).x - scaledPen_ / 2, 0, width_ - 1);
    const int right = std::min(width_, left + scaledPen_);
    // Dashes of six pixels and gaps of four, scaled with the picture.
    const int dash = std::max(1, int(std::lround(6 * scale_)));
    const int period = dash + std::max(1, int(std::lround(4 * scale_)));
    for (int row = 0; row < height_; ++row) {
        if (row % period >= dash) {
            continue;
        }
        const std::ptrdiff_t at = std::ptrdiff_t(row) * width_;
        std::fill(backdrop_.begin() + at + left, backdrop_.begin() + at + right, colour);
        std::replace(pixels_.begin() + at + left, pixels_.begin() + at + right, background_,
                     colour);
    }
    changes_.mark({left, 0, right - left, height_});
}

void ChainPicture::setPenWidth(int units) {
    penWidth_ = std::clamp(units, 1, 100);
    scaledPen_ = std::max(1, static_cast<int>(std::lround(penWidth_ * scale_)));
}

const ChainPicture::Disc& ChainPicture::discFor(int diameter) {
    Disc* disc = diameter <= kCachedDiscs ? &discs_[diameter] : &otherDisc_;
    if (diameter > kCachedDiscs && otherDiameter_ != diameter) {
        disc->clear();
        otherDiameter_ = diameter;
    }
    if (!disc->empty()) {
        return *disc;
    }
    // Pixel (col, row) of the diameter x diameter box belongs to the disc when its centre lies
    // within the circle through the box's edge midpoints.
    const double r = diameter / 2.0;
    for (int row = 0; row < diameter; ++row) {
        const double dy = row + 0.5 - r;
        int begin = diameter;
        int end = 0;
        for (int col = 0; col < diameter; ++col) {
            const double dx = col + 0.5 - r;
            if (dx * dx + dy * dy <= r * r) {
                begin = std::min(begin, col);
                end = col + 1;
            }
        }
        disc->push_back({begin, std::max(begin, end)});
    }
    return *disc;
}

template <typename Paint> bool ChainPicture::eachRow(UserScale::Point centre, Paint paint) {
    const Disc& disc = discFor(scaledPen_);
    const int left = centre.x - scaledPen_ / 2;
    const int top = centre.y - scaledPen_ / 2;
    if (left >= width_ || top >= height_ || left + scaledPen_ <= 0 || top + scaledPen_ <= 0) {
        return false;
    }
    for (int row = 0; row < scaledPen_; ++row) {
        const int y = top + row;
        if (y < 0 || y >= height_) {
            continue;
        }
        const int begin = std::max(0, left + disc[row].begin);
        const int end = std::min(width_, left + disc[row].end);
        if (begin < end) {
            paint(pixels_.data() + std::ptrdiff_t(y) * width_, begin, end, y);
        }
    }
    return true;
}

void ChainPicture::stamp(UserScale::Point centre, Pixel colour, bool mayBeUnchanged) {
    bool changed = !mayBeUnchanged;
    const bool inside = eachRow(centre, [&](Pixel* line, int begin, int end, int) {
        if (!changed) {
            changed =
                std::any_of(line + begin, line + end, [colour](Pixel p) { return p != colour; });
        }
        std::fill(line + begin, line + end, colour);
    });
    // A dot drawn again over itself changes nothing the screen has to be told of.
    if (inside && changed) {
        changes_.mark(
            {centre.x - scaledPen_ / 2, centre.y - scaledPen_ / 2, scaledPen_, scaledPen_});
    }
}

void ChainPicture::uncover(UserScale::Point centre) {
    const bool inside = eachRow(centre, [&](Pixel* line, int begin, int end, int row) {
        const Pixel* behind = backdrop_.data() + std::ptrdiff_t(row) * width_;
        std::copy(behind + begin, behind + end, line + begin);
    });
    if (inside) {
        changes_.mark(
            {centre.x - scaledPen_ / 2, centre.y - scaledPen_ / 2, scaledPen_, scaledPen_});
    }
}

void ChainPicture::moveDot(float x, float fromY, float toY, Pixel eraser, Pixel colour) {
    const UserScale::Point from = toPixel(x, fromY);
    const UserScale::Point to = toPixel(x, toY);
    if (from != to) {
        // A dot that moved changed its pixels; only one drawn over itself is worth the check.
        if (eraser == background_ && hasBackdrop()) {
            uncover(from);
        } else {
            stamp(from, eraser, false);
        }
        stamp(to, colour, false);
    } else {
        stamp(to, colour, true);
    }
}

void ChainPicture::drawLine(float x1, float y1, float x2, float y2, Pixel colour) {
    // Bresenham between the two end pixels, a disc of the pen width at every step.
    ++strokes_;
    const UserScale::Point a = toPixel(x1, y1);
    const UserScale::Point b = toPixel(x2, y2);
    // A disc centred up to a pen width outside the picture may still reach into it.
    const int reachLeft = -scaledPen_;
    const int reachTop = -scaledPen_;
    const int reachRight = width_ - 1 + scaledPen_;
    const int reachBottom = height_ - 1 + scaledPen_;
    const bool missesView =
        (a.x < reachLeft && b.x < reachLeft) || (a.x > reachRight && b.x > reachRight) ||
        (a.y < reachTop && b.y < reachTop) || (a.y > reachBottom && b.y > reachBottom);
    if (missesView) {
        return;
    }
    int x = a.x;
    int y = a.y;
    const int dx = std::abs(b.x - x);
    const int dy = -std::abs(b.y - y);
    const int sx = x < b.x ? 1 : -1;
    const int sy = y < b.y ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        if (x >= reachLeft && x <= reachRight && y >= reachTop && y <= reachBottom) {
            stamp({x, y}, colour, true);
        }
        if (x == b.x && y == b.y) {
            break;
        }
        const int e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            x += sx;
        }
        if (e2 <= dx) {
            error += dx;
            y += sy;
        }
    }
}
