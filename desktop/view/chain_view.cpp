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
    : QWidget(parent), own_(std::make_unique<OwnPicture>()), shown_(*own_), canvas_(&own_->drawn) {
    setUp();
    // The picture's colours are the view's own, until a test sets them.
    canvas_->setBackground(qRgb(255, 255, 255));
    canvas_->setForeground(palette().color(QPalette::WindowText).rgb());
}

ChainView::ChainView(ShownPicture& shown, QWidget* parent) : QWidget(parent), shown_(shown) {
    setUp();
}

void ChainView::setUp() {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
}

ChainPicture& ChainView::canvas() {
    if (canvas_ == nullptr) {
        qFatal("ChainView: drawing into a picture the view only shows");
    }
    return *canvas_;
}

void ChainView::setBackgroundColour(QRgb colour) {
    canvas().setBackground(colour);
    clear();
}

void ChainView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange && own_) {
        own_->drawn.setForeground(palette().color(QPalette::WindowText).rgb());
    }
    QWidget::changeEvent(event);
}

void ChainView::clear() {
    syncImageScale();
    canvas().clear();
    flush();
}

void ChainView::setPenWidth(int pixels) {
    canvas().setPenWidth(pixels);
}

QPoint ChainView::toPixel(double x, double y) const {
    const UserScale::Point p = UserScale::toPixel(x, y, width(), height());
    return {p.x, p.y};
}

QPoint ChainView::toDevicePixel(double x, double y) const {
    const UserScale::Point p = picture().toPixel(x, y);
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
    canvas().moveDot(x, fromY, toY, eraser, colour);
}

void ChainView::drawLine(float x1, float y1, float x2, float y2, QRgb colour) {
    prepare();
    canvas().drawLine(x1, y1, x2, y2, colour);
    flush();
}

void ChainView::drawLine(float x1, float y1, float x2, float y2) {
    drawLine(x1, y1, x2, y2, foregroundColour());
}

void ChainView::flush() {
    syncImageScale();
    const std::vector<PixelRect>& changed = shown_.takeChanges();
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
    for (const PixelRect& merged : ChangedColumns::mergeColumns(painted_, merged_)) {
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
            const int width = right - left;
            const int height = bottom - top;
            painter.drawImage(QRectF(left / ratio_, top / ratio_, width / ratio_, height / ratio_),
                              image_, QRectF(left, top, width, height));
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
    if (!own_ || ratio == ratio_ || image_.isNull()) {
        shown_.resize(width, height, ratio);
    } else {
        // On a screen of another scale the view's own picture is drawn again at the new one.
        QImage old = image_.copy();
        old.setDevicePixelRatio(ratio_);
        ChainPicture& own = own_->drawn;
        own.resize(width, height, ratio);
        own.clear();
        QImage image(reinterpret_cast<uchar*>(own.pixels()), width, height,
                     width * qsizetype(sizeof(ChainPicture::Pixel)), QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        QPainter painter(&image);
        painter.drawImage(QPointF(0, 0), old);
    }
    ratio_ = ratio;
    // Read only: the view never writes into the picture it shows.
    image_ = QImage(reinterpret_cast<const uchar*>(picture().pixels()), width, height,
                    width * qsizetype(sizeof(ChainPicture::Pixel)), QImage::Format_RGB32);
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
