#pragma once

#include "picture/chain_picture.h"
#include "picture/shown_picture.h"

#include <QImage>
#include <QRect>
#include <QWidget>

#include <memory>
#include <vector>

// The chain's picture on the screen (see ChainPicture): a widget that shows the picture's pixels
// as they are, wrapped in an image without a copy, and reports the mouse in the picture's user
// scale. The picture is kept in device pixels, pen widths in logical pixels times the screen's
// scale, so the view is as sharp as the rest of the window; it is kept while a window passes
// over the view. The view only reads the picture it shows: the instrument's comes through its
// door (ShownPicture), changes and sizing included.
class ChainView : public QWidget {
    Q_OBJECT

public:
    // Shows `shown`, which outlives the view and makes its picture the view's size.
    explicit ChainView(ShownPicture& shown, QWidget* parent = nullptr);
    // Shows a picture of its own, which the drawing calls below draw into.
    explicit ChainView(QWidget* parent = nullptr);

    // The picture shown, at the view's size in device pixels (see prepare); flush brings what
    // was drawn into it to the screen.
    const ChainPicture& picture() const { return shown_.picture(); }

    // A widget resized while hidden hears of it only when shown: the picture follows the
    // view's size before anything is drawn into it. The screen's scale is asked for only once a
    // frame, when painting and when the view is cleared or flushed, not for every dot of a pass.
    void prepare() {
        if (logicalSize_ != size()) {
            resizeImage();
        }
    }

    // The colour of lines that have none of their own, as the picture shown draws them.
    QRgb foregroundColour() const { return picture().foreground(); }

    // For the tests, the probes and the benchmarks: the picture the drawing calls draw into,
    // the view's own unless a test hands over the one it shows (drawInto). A view of the
    // instrument's picture has none of its own.
    ChainPicture& canvas();
    void drawInto(ChainPicture& picture) { canvas_ = &picture; }
    // A new background colour clears the picture, as a picture box's does.
    void setBackgroundColour(QRgb colour);
    // In user coordinates: each prepares the picture first, and clearing and lines request the
    // screen update at once.
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
        strokesBefore_ = picture().strokes();
    }
    void endDrawing() {
        if (picture().strokes() != strokesBefore_) {
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
    // A picture of the view's own, shown through the same door as the instrument's.
    struct OwnPicture final : ShownPicture {
        const ChainPicture& picture() const override { return drawn; }
        const std::vector<PixelRect>& takeChanges() override { return drawn.changes().take(); }
        void resize(int width, int height, double scale) override {
            drawn.resize(width, height, scale);
        }
        ChainPicture drawn;
    };

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

    std::unique_ptr<OwnPicture> own_;
    ShownPicture& shown_;
    ChainPicture* canvas_ = nullptr;
    // The picture's pixels as an image, read only and without a copy, one pixel to a device
    // pixel; made again when the picture's size changes.
    QImage image_;
    QSize logicalSize_{0, 0}; // the widget's size the picture was made for
    qreal ratio_ = 1;         // device pixels per logical pixel
    std::uint64_t strokesBefore_ = 0;
    // The rectangles handed to the screen and painted, as the toolkit takes them, and the
    // painted ones merged down columns.
    std::vector<QRect> flushed_;
    std::vector<PixelRect> painted_;
    std::vector<PixelRect> merged_;
};
