#pragma once

#include "picture/chain_picture.h"

#include <QImage>
#include <QRect>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

// The chain's picture on the screen (see ChainPicture): a widget that shows the picture's pixels
// as they are, wrapped in an image without a copy, and reports the mouse in the picture's user
// scale. The picture is kept in device pixels, pen widths in logical pixels times the screen's
// scale, so the view is as sharp as the rest of the window; it is kept while a window passes
// over the view.
class ChainView : public QWidget {
    Q_OBJECT

public:
    // Shows `picture`, which outlives the view.
    explicit ChainView(ChainPicture& picture, QWidget* parent = nullptr);
    // Shows a picture of its own.
    explicit ChainView(QWidget* parent = nullptr);

    // The picture, at the view's size in device pixels (see prepare). The handlers and the run
    // loop draw into it; flush brings what they drew to the screen.
    ChainPicture& picture() { return picture_; }

    // A widget resized while hidden hears of it only when shown: the picture follows the
    // view's size before anything is drawn into it. The screen's scale is asked for only once a
    // frame, when painting and when the view is cleared or flushed, not for every dot of a pass.
    void prepare() {
        if (logicalSize_ != size()) {
            resizeImage();
        }
    }

    // Who makes the picture a new size (device pixels, device pixels to a logical one) and
    // draws it anew: the instrument, where the view shows one. Without it the picture keeps
    // what it holds, on a screen of another scale drawn again at the new one.
    void setResizer(std::function<void(int width, int height, double ratio)> resizer) {
        resizer_ = std::move(resizer);
    }

    void setBackgroundColour(QRgb colour);
    QRgb foregroundColour() const;

    // Drawing into the picture, in user coordinates, for the tests and the probes: each prepares
    // the picture first, and clearing and lines request the screen update at once.
    void clear();
    void setPenWidth(int pixels);
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

    // Around a handler that may draw: the picture made ready before; afterwards, if the handler
    // cleared the picture or drew a line, the screen update requested at once, as for any
    // drawing that is not the run loop's.
    void beginDrawing() {
        prepare();
        strokesBefore_ = picture_.strokes();
    }
    void endDrawing() {
        if (picture_.strokes() != strokesBefore_) {
            flush();
        }
    }

signals:
    // Mouse events with the button code and the shift code (see InputCodes) and the position
    // in user units. While a button is held the view keeps receiving moves beyond its edges.
    void mouseDown(int button, int shift, float x, float y);
    void mouseMove(int button, int shift, float x, float y);
    void mouseUp(int button, int shift, float x, float y);
    // A double click of the left button, after its press.
    void mouseDoubleClick(float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void syncImageScale() {
        if (ratio_ != devicePixelRatioF()) {
            resizeImage();
            update();
        } else {
            prepare();
        }
    }
    void resizeImage();
    void setUp();

    std::unique_ptr<ChainPicture> ownPicture_;
    ChainPicture& picture_;
    // The picture's pixels as an image, without a copy; made again when the picture's size
    // changes.
    QImage image_;
    std::function<void(int, int, double)> resizer_;
    QSize logicalSize_{0, 0}; // the widget's size the picture was made for
    qreal ratio_ = 1;         // device pixels per logical pixel
    std::uint64_t strokesBefore_ = 0;
    // The rectangles handed to the screen and painted, as the toolkit takes them.
    std::vector<QRect> flushed_;
    std::vector<PixelRect> painted_;
};
