#include "sim/chain_view.h"

#include "core/chain_constants.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QRegion>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Pixel positions far outside the view (a left end dragged miles away) are clamped well
// before integer overflow; the clipping then discards them.
constexpr double kPixelLimit = 1.0e6;

int toPixelCoordinate(double value) {
    if (!(value > -kPixelLimit)) { // also catches NaN
        return static_cast<int>(-kPixelLimit);
    }
    if (value > kPixelLimit) {
        return static_cast<int>(kPixelLimit);
    }
    return static_cast<int>(std::floor(value + 0.5));
}

int buttonCode(Qt::MouseButtons buttons) {
    int code = 0;
    if (buttons & Qt::LeftButton) {
        code += 1;
    }
    if (buttons & Qt::RightButton) {
        code += 2;
    }
    if (buttons & Qt::MiddleButton) {
        code += 4;
    }
    return code;
}

int shiftCode(Qt::KeyboardModifiers modifiers) {
    int code = 0;
    if (modifiers & Qt::ShiftModifier) {
        code += 1;
    }
    if (modifiers & Qt::ControlModifier) {
        code += 2;
    }
    if (modifiers & Qt::AltModifier) {
        code += 4;
    }
    return code;
}

} // namespace

ChainView::ChainView(QWidget* parent) : QWidget(parent), background_(qRgb(255, 255, 255)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    for (int d = 1; d <= kCachedDiscs; ++d) {
        discFor(d);
    }
}

void ChainView::setBackgroundColour(QRgb colour) {
    // Like a picture box, a new background colour clears the view.
    background_ = colour;
    clear();
}

QRgb ChainView::foregroundColour() const {
    return palette().color(QPalette::WindowText).rgb();
}

void ChainView::clear() {
    syncImageScale();
    if (!image_.isNull()) {
        image_.fill(background_);
        dirty_.mark(image_.rect());
    }
    flush();
}

void ChainView::setPenWidth(int pixels) {
    penWidth_ = std::clamp(pixels, 1, 100);
    devicePen_ = std::max(1, static_cast<int>(std::lround(penWidth_ * ratio_)));
}

QPoint ChainView::toPixel(double x, double y) const {
    const double px = (x - Chain::kViewLeft) * width() / Chain::kViewWidth;
    const double py = (y - Chain::kViewTop) * height() / Chain::kViewHeight;
    return {toPixelCoordinate(px), toPixelCoordinate(py)};
}

QPoint ChainView::toDevicePixel(double x, double y) const {
    const double px = (x - Chain::kViewLeft) * imageSize_.width() / Chain::kViewWidth;
    const double py = (y - Chain::kViewTop) * imageSize_.height() / Chain::kViewHeight;
    return {toPixelCoordinate(px), toPixelCoordinate(py)};
}

float ChainView::toUserX(double pixelX) const {
    if (width() <= 0) {
        return Chain::kViewLeft;
    }
    return static_cast<float>(Chain::kViewLeft + pixelX * Chain::kViewWidth / width());
}

float ChainView::toUserY(double pixelY) const {
    if (height() <= 0) {
        return Chain::kViewTop;
    }
    return static_cast<float>(Chain::kViewTop + pixelY * Chain::kViewHeight / height());
}

const ChainView::Disc& ChainView::discFor(int diameter) {
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

void ChainView::stamp(QPoint centre, QRgb colour, bool mayBeUnchanged) {
    const Disc& disc = discFor(devicePen_);
    const int left = centre.x() - devicePen_ / 2;
    const int top = centre.y() - devicePen_ / 2;
    const int width = imageSize_.width();
    const int height = imageSize_.height();
    if (left >= width || top >= height || left + devicePen_ <= 0 || top + devicePen_ <= 0) {
        return;
    }
    // One detach check per dot, not per row.
    uchar* const bits = image_.bits();
    const qsizetype bytesPerLine = image_.bytesPerLine();
    bool changed = !mayBeUnchanged;
    for (int row = 0; row < devicePen_; ++row) {
        const int y = top + row;
        if (y < 0 || y >= height) {
            continue;
        }
        const int begin = std::max(0, left + disc[row].begin);
        const int end = std::min(width, left + disc[row].end);
        if (begin >= end) {
            continue;
        }
        auto* line = reinterpret_cast<QRgb*>(bits + y * bytesPerLine);
        if (!changed) {
            changed =
                std::any_of(line + begin, line + end, [colour](QRgb p) { return p != colour; });
        }
        std::fill(line + begin, line + end, colour);
    }
    // A dot drawn again over itself changes nothing the screen has to be told of.
    if (changed) {
        dirty_.mark(QRect(left, top, devicePen_, devicePen_));
    }
}

void ChainView::moveDot(float x, float fromY, float toY, QRgb eraser, QRgb colour) {
    syncImageSize();
    const QPoint from = toDevicePixel(x, fromY);
    const QPoint to = toDevicePixel(x, toY);
    if (from != to) {
        // A dot that moved changed its pixels; only one drawn over itself is worth the check.
        stamp(from, eraser, false);
        stamp(to, colour, false);
    } else {
        stamp(to, colour, true);
    }
}

void ChainView::drawLine(float x1, float y1, float x2, float y2, QRgb colour) {
    // Bresenham between the two end pixels, a disc of the pen width at every step.
    syncImageSize();
    const QPoint a = toDevicePixel(x1, y1);
    const QPoint b = toDevicePixel(x2, y2);
    const QRect reach = image_.rect().adjusted(-devicePen_, -devicePen_, devicePen_, devicePen_);
    const bool missesView = (a.x() < reach.left() && b.x() < reach.left()) ||
                            (a.x() > reach.right() && b.x() > reach.right()) ||
                            (a.y() < reach.top() && b.y() < reach.top()) ||
                            (a.y() > reach.bottom() && b.y() > reach.bottom());
    if (!missesView) {
        int x = a.x();
        int y = a.y();
        const int dx = std::abs(b.x() - x);
        const int dy = -std::abs(b.y() - y);
        const int sx = x < b.x() ? 1 : -1;
        const int sy = y < b.y() ? 1 : -1;
        int error = dx + dy;
        for (;;) {
            if (reach.contains(x, y)) {
                stamp({x, y}, colour, true);
            }
            if (x == b.x() && y == b.y()) {
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
    flush();
}

void ChainView::drawLine(float x1, float y1, float x2, float y2) {
    drawLine(x1, y1, x2, y2, foregroundColour());
}

void ChainView::flush() {
    syncImageScale();
    const std::vector<QRect>& changed = dirty_.take();
    if (!changed.empty()) {
        QRegion region;
        if (ratio_ == 1) {
            region.setRects(changed.data(), static_cast<int>(changed.size()));
        } else {
            // Each device rectangle widened to the logical pixels that cover it.
            for (const QRect& rect : changed) {
                const int left = static_cast<int>(std::floor(rect.left() / ratio_));
                const int top = static_cast<int>(std::floor(rect.top() / ratio_));
                const int right = static_cast<int>(std::ceil((rect.right() + 1) / ratio_));
                const int bottom = static_cast<int>(std::ceil((rect.bottom() + 1) / ratio_));
                region += QRect(left, top, right - left, bottom - top);
            }
        }
        update(region);
    }
}

void ChainView::paintEvent(QPaintEvent* event) {
    syncImageScale();
    QPainter painter(this);
    for (const QRect& rect : dirty_.mergedColumns(event->region())) {
        if (ratio_ == 1) {
            painter.drawImage(rect, image_, rect);
        } else {
            const QRectF source(rect.x() * ratio_, rect.y() * ratio_, rect.width() * ratio_,
                                rect.height() * ratio_);
            painter.drawImage(QRectF(rect), image_, source);
        }
    }
}

void ChainView::resizeEvent(QResizeEvent* /*event*/) {
    syncImageScale();
    update();
}

void ChainView::resizeImage() {
    ratio_ = devicePixelRatioF();
    const QSize deviceSize(static_cast<int>(std::lround(width() * ratio_)),
                           static_cast<int>(std::lround(height() * ratio_)));
    QImage resized(deviceSize, QImage::Format_RGB32);
    resized.setDevicePixelRatio(ratio_);
    resized.fill(background_);
    if (!image_.isNull()) {
        QPainter painter(&resized);
        painter.drawImage(QPointF(0, 0), image_);
    }
    image_ = resized;
    imageSize_ = deviceSize;
    logicalSize_ = size();
    setPenWidth(penWidth_);
    dirty_.resize(imageSize_);
}

void ChainView::mousePressEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    emit mouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), toUserX(p.x()),
                   toUserY(p.y()));
}

void ChainView::mouseMoveEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    emit mouseMove(buttonCode(event->buttons()), shiftCode(event->modifiers()), toUserX(p.x()),
                   toUserY(p.y()));
}

void ChainView::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    emit mouseUp(buttonCode(event->button()), shiftCode(event->modifiers()), toUserX(p.x()),
                 toUserY(p.y()));
}
