#include "desktop/view/chain_view.h"

#include "instrument/input_codes.h"

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

// The device pixels that cover `logical` pixels at `ratio`; a product a rounding error above a
// whole number is that number.
int deviceCeil(int logical, qreal ratio) {
    return static_cast<int>(std::ceil(logical * ratio - 1e-6));
}

int buttonCode(Qt::MouseButtons buttons) {
    return InputCodes::buttonCode(buttons & Qt::LeftButton, buttons & Qt::RightButton,
                                  buttons & Qt::MiddleButton);
}

int shiftCode(Qt::KeyboardModifiers modifiers) {
    return InputCodes::shiftCode(modifiers & Qt::ShiftModifier, modifiers & Qt::ControlModifier,
                                 modifiers & Qt::AltModifier);
}

} // namespace

ChainView::ChainView(QWidget* parent)
    : QWidget(parent), ownPicture_(std::make_unique<ChainPicture>()), picture_(*ownPicture_) {
    setUp();
}

ChainView::ChainView(ChainPicture& picture, QWidget* parent) : QWidget(parent), picture_(picture) {
    setUp();
}

void ChainView::setUp() {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    picture_.setBackground(qRgb(255, 255, 255));
    picture_.setForeground(foregroundColour());
}

void ChainView::setBackgroundColour(QRgb colour) {
    // Like a picture box, a new background colour clears the view.
    picture_.setBackground(colour);
    clear();
}

QRgb ChainView::foregroundColour() const {
    return palette().color(QPalette::WindowText).rgb();
}

void ChainView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) {
        picture_.setForeground(foregroundColour());
    }
    QWidget::changeEvent(event);
}

void ChainView::clear() {
    syncImageScale();
    picture_.clear();
    flush();
}

void ChainView::setPenWidth(int pixels) {
    picture_.setPenWidth(pixels);
}

QPoint ChainView::toPixel(double x, double y) const {
    const UserScale::Point p = UserScale::toPixel(x, y, width(), height());
    return {p.x, p.y};
}

QPoint ChainView::toDevicePixel(double x, double y) const {
    const UserScale::Point p = picture_.toPixel(x, y);
    return {p.x, p.y};
}

float ChainView::toUserX(double pixelX) const {
    return UserScale::toUserX(pixelX, width());
}

float ChainView::toUserY(double pixelY) const {
    return UserScale::toUserY(pixelY, height());
}

void ChainView::moveDot(float x, float fromY, float toY, QRgb eraser, QRgb colour) {
    prepare();
    picture_.moveDot(x, fromY, toY, eraser, colour);
}

void ChainView::drawLine(float x1, float y1, float x2, float y2, QRgb colour) {
    prepare();
    picture_.drawLine(x1, y1, x2, y2, colour);
    flush();
}

void ChainView::drawLine(float x1, float y1, float x2, float y2) {
    drawLine(x1, y1, x2, y2, foregroundColour());
}

void ChainView::flush() {
    syncImageScale();
    const std::vector<PixelRect>& changed = picture_.changes().take();
    if (!changed.empty()) {
        QRegion region;
        if (ratio_ == 1) {
            flushed_.clear();
            for (const PixelRect& r : changed) {
                flushed_.emplace_back(r.x, r.y, r.width, r.height);
            }
            region.setRects(flushed_.data(), static_cast<int>(flushed_.size()));
        } else {
            // Each device rectangle widened to the logical pixels that cover it.
            for (const PixelRect& rect : changed) {
                const int left = static_cast<int>(std::floor(rect.x / ratio_));
                const int top = static_cast<int>(std::floor(rect.y / ratio_));
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
    painted_.clear();
    for (const QRect& r : event->region()) {
        painted_.push_back({r.x(), r.y(), r.width(), r.height()});
    }
    for (const PixelRect& merged : picture_.changes().mergedColumns(painted_)) {
        const QRect rect(merged.x, merged.y, merged.width, merged.height);
        if (ratio_ == 1) {
            painter.drawImage(rect, image_, rect);
        } else {
            // Every device pixel the rectangle touches, one picture pixel to one device pixel:
            // the toolkit repaints the pixels at a rectangle's edges too, which a scaled copy
            // would leave alone where their centres fall outside it.
            const int left = static_cast<int>(std::floor(rect.x() * ratio_));
            const int top = static_cast<int>(std::floor(rect.y() * ratio_));
            const int right = std::min(image_.width(), deviceCeil(rect.right() + 1, ratio_));
            const int bottom = std::min(image_.height(), deviceCeil(rect.bottom() + 1, ratio_));
            painter.drawImage(QPointF(left / ratio_, top / ratio_), image_,
                              QRect(left, top, right - left, bottom - top));
        }
    }
}

void ChainView::resizeEvent(QResizeEvent* /*event*/) {
    syncImageScale();
    update();
}

void ChainView::resizeImage() {
    const qreal ratio = devicePixelRatioF();
    // Every device pixel the view covers, the last one too where its edge falls inside it.
    const int width = deviceCeil(this->width(), ratio);
    const int height = deviceCeil(this->height(), ratio);
    if (resizer_) {
        resizer_(width, height, ratio);
    } else if (ratio == ratio_ || image_.isNull()) {
        picture_.resize(width, height, ratio);
    } else {
        // On a screen of another scale the old picture is drawn again at the new one.
        const QImage old = image_.copy();
        picture_.resize(width, height, ratio);
        picture_.clear();
        image_ = QImage(reinterpret_cast<uchar*>(picture_.pixels()), width, height,
                        width * qsizetype(sizeof(ChainPicture::Pixel)), QImage::Format_RGB32);
        image_.setDevicePixelRatio(ratio);
        QPainter painter(&image_);
        painter.drawImage(QPointF(0, 0), old);
    }
    ratio_ = ratio;
    image_ = QImage(reinterpret_cast<uchar*>(picture_.pixels()), width, height,
                    width * qsizetype(sizeof(ChainPicture::Pixel)), QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio_);
    logicalSize_ = size();
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

void ChainView::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        const QPointF p = event->position();
        emit mouseDoubleClick(toUserX(p.x()), toUserY(p.y()));
    }
}

void ChainView::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    emit mouseUp(buttonCode(event->button()), shiftCode(event->modifiers()), toUserX(p.x()),
                 toUserY(p.y()));
}
