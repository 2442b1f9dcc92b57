#pragma once

#include "sim/changed_columns.h"

#include <QImage>
#include <QRect>
#include <QWidget>

#include <array>
#include <vector>

// The drawing area of the chain. It has the chain's user scale (x from 0 to 100 left to right,
// y from -3 at the top to +3 at the bottom) and draws exactly, without
// antialiasing: a dot is a filled disc whose diameter is the pen width, a line is a row of such
// discs, and erasing is drawing in the background colour. What is drawn is kept in an image of
// the view's own, so a window passing over the view does not wipe it.
class ChainView : public QWidget {
    Q_OBJECT

public:
    explicit ChainView(QWidget* parent = nullptr);

    void setBackgroundColour(QRgb colour);
    QRgb foregroundColour() const;

    // Fills the whole view with the background colour.
    void clear();

    void setPenWidth(int pixels);

    // Drawing in user coordinates. Dots are the run loop's hot path: they only mark the area for
    // the next screen update (see flush) and allocate nothing. Lines and clearing are the
    // handlers' and request the update at once.
    //
    // A dot moved: erased at (x, fromY) in `eraser`, drawn at (x, toY) in `colour`. Where both
    // fall on the same pixel the new dot covers the old one exactly, and the erasing is left
    // out, so that a chain at rest changes no pixel.
    void moveDot(float x, float fromY, float toY, QRgb eraser, QRgb colour);
    void drawLine(float x1, float y1, float x2, float y2, QRgb colour);
    void drawLine(float x1, float y1, float x2, float y2); // in the foreground colour

    // Pixel position of a point in user coordinates, and back.
    QPoint toPixel(double x, double y) const;
    // The same in the image's device pixels: at a scale of 1 the same as toPixel.
    QPoint toDevicePixel(double x, double y) const;
    float toUserX(double pixelX) const;
    float toUserY(double pixelY) const;

    // Requests a screen update of the pixels changed since the last one; the run loop does so
    // once per display frame.
    void flush();

signals:
    // Mouse events with the button code (1 left, 2 right, 4 middle; while moving, the sum of
    // the buttons held), the shift code (1 Shift, 2 Ctrl, 4 Alt) and the position in user
    // units. While a button is held the view keeps receiving moves beyond its edges.
    void mouseDown(int button, int shift, float x, float y);
    void mouseMove(int button, int shift, float x, float y);
    void mouseUp(int button, int shift, float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // A disc as one horizontal run of pixels per row, relative to its top-left corner.
    struct Span {
        int begin;
        int end;
    };
    using Disc = std::vector<Span>;

    // A widget resized while hidden hears of it only when shown; the image follows the size
    // whenever it is drawn on or painted. The screen's scale is asked for only once a frame,
    // when painting and when the view is cleared or flushed, not for every dot of a pass.
    void syncImageSize() {
        if (logicalSize_ != size()) {
            resizeImage();
        }
    }
    void syncImageScale() {
        if (ratio_ != devicePixelRatioF()) {
            resizeImage();
            update();
        } else {
            syncImageSize();
        }
    }
    void resizeImage();
    const Disc& discFor(int diameter);
    // Marks the dot's square for the screen; with `mayBeUnchanged` only if a pixel changed.
    void stamp(QPoint centre, QRgb colour, bool mayBeUnchanged);

    QImage image_;
    QSize imageSize_{0, 0};   // in device pixels
    QSize logicalSize_{0, 0}; // the widget's size the image was made for
    qreal ratio_ = 1;         // device pixels per logical pixel
    QRgb background_;
    int penWidth_ = 1;  // in logical pixels, as set
    int devicePen_ = 1; // the same in device pixels

    static constexpr int kCachedDiscs = 16;
    std::array<Disc, kCachedDiscs + 1> discs_;
    Disc otherDisc_;
    int otherDiameter_ = 0;

    // The pixels changed since the last flush.
    ChangedColumns dirty_;
};
