#include "desktop/window/screen_placement.h"

#include "core/twips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace ScreenPlacement {

namespace {

constexpr double kOuterHeightShare = 0.96;

} // namespace

QPoint cornerOf(const ScreenMetrics& screen) {
    // One fixed unit from the screen's corner, which is less than a pixel at any usual
    // resolution.
    return screen.geometry.topLeft() +
           QPoint(Twips::toPixels(1, screen.dpiX), Twips::toPixels(1, screen.dpiY));
}

// The frame the window system puts around the window. The platform window is created for the
// question, since only it knows; a window manager that decorates a window only once it is
// mapped reports no frame before the window is shown.
QMargins frameMarginsOf(QWidget& window) {
    if (!window.isWindow()) {
        return {};
    }
    window.winId();
    const QWindow* handle = window.windowHandle();
    return handle != nullptr ? handle->frameMargins() : QMargins();
}

QSize clientSizeWithin(const QSize& outer, const QMargins& frame) {
    return {outer.width() - frame.left() - frame.right(),
            outer.height() - frame.top() - frame.bottom()};
}

ScreenMetrics ScreenMetrics::primary() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {};
    }
    return {screen->geometry(), screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY()};
}

QSize outerSize(const ScreenMetrics& screen) {
    // The screen's size in fixed units, the height's share of it, and back to pixels.
    const double widthTwips = screen.geometry.width() * Twips::kPerInch / screen.dpiX;
    const double heightTwips = screen.geometry.height() * Twips::kPerInch / screen.dpiY;
    return {Twips::toPixels(widthTwips, screen.dpiX),
            Twips::toPixels(kOuterHeightShare * heightTwips, screen.dpiY)};
}

void placeShownWindow(QWidget& window, const ScreenMetrics& screen) {
    // The client area's place follows from the frame just asked for; a move by the frame's
    // corner would rely on the widget's own note of its frame, which may still be empty.
    const QMargins frame = frameMarginsOf(window);
    const QSize client = clientSizeWithin(outerSize(screen), frame);
    const QPoint clientCorner = cornerOf(screen) + QPoint(frame.left(), frame.top());
    // A least size from before the frame was known yields to it: the window fits the screen.
    window.setMinimumSize(window.minimumSize().boundedTo(client));
    if (window.geometry() != QRect(clientCorner, client)) {
        window.setGeometry(QRect(clientCorner, client));
    }
}

namespace {

// Watches the window's events for a frame that changed since the last placement.
class FramePlacer : public QObject {
public:
    FramePlacer(QWidget& window, const ScreenMetrics& screen,
                std::function<void(QSize client)> framed)
        : QObject(&window), window_(window), screen_(screen), framed_(std::move(framed)),
          placedWith_(frameMarginsOf(window)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && !placing_) {
            switch (event->type()) {
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::Show:
            // The first paint after the manager has framed the window: it need not move it.
            case QEvent::Paint:
                placeIfFrameChanged();
                break;
            default:
                break;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // Only a new frame moves the window: where the user drags it afterwards, it stays.
    void placeIfFrameChanged() {
        const QMargins frame = frameMarginsOf(window_);
        if (frame == placedWith_) {
            return;
        }
        placedWith_ = frame;
        placing_ = true;
        if (framed_) {
            framed_(clientSizeWithin(outerSize(screen_), frame));
        }
        placeShownWindow(window_, screen_);
        placing_ = false;
    }

    QWidget& window_;
    ScreenMetrics screen_;
    std::function<void(QSize client)> framed_;
    QMargins placedWith_;
    bool placing_ = false;
};

} // namespace

void keepPlacedWithinFrame(QWidget& window, const ScreenMetrics& screen,
                           std::function<void(QSize client)> framed) {
    window.installEventFilter(new FramePlacer(window, screen, std::move(framed)));
}

} // namespace ScreenPlacement
