#include "desktop/window/time_diagram_window.h"

#include "desktop/window/focus_scroll_bar.h"
#include "desktop/window/label_painting.h"
#include "instrument/instrument.h"
#include "instrument/time_diagram.h"
#include "language/language.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int kBarHeight = 22;
// The window's first size, and how high it is at least where the chain view is low: the plot
// keeps well over 110 pixels. Its frame starts a little below the view's top; a title bar is
// allowed for, as a window manager puts it on only when the window is shown.
constexpr int kWidth = 640;
constexpr int kHeight = 340;
constexpr int kLeastHeight = 180;
constexpr int kBelowViewTop = 8;
constexpr int kTitleBar = 28;
constexpr int kAboveViewBottom = 8;
constexpr int kRefreshMs = 40;

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

} // namespace

TimeDiagramWindow::TimeDiagramWindow(Instrument& instrument, QWidget& mainWindow,
                                     const QWidget& view)
    : QWidget(&mainWindow, Qt::Tool), instrument_(instrument), view_(view),
      span_(new FocusScrollBar(this)), timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("TimeDiagram"));
    // Opened by its button, it leaves the keyboard where it was: with the chain view, whose
    // keys move the chain's end and choose the masses the diagram shows.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(text(TimeDiagram::title()));
    setAccessibleName(text(TimeDiagram::title()));
    span_->setObjectName(QStringLiteral("TimeDiagramSpan"));
    span_->setRange(TimeDiagram::kMinSpan, TimeDiagram::kMaxSpan);
    span_->setSingleStep(TimeDiagram::kSpanStep);
    span_->setPageStep(TimeDiagram::kSpanStep * 4);
    span_->setValue(instrument.diagram().span());
    span_->setAccessibleName(text(Language::translate("Zeitspanne")));
    connect(span_, &QScrollBar::valueChanged, this, [this](int value) {
        instrument_.diagramSpan(value);
        span_->setAccessibleDescription(
            QString::fromStdString(instrument_.diagram().spanCaption()));
        refresh();
    });
    connect(timer_, &QTimer::timeout, this, &TimeDiagramWindow::refresh);
    resize(kWidth, kHeight);
}

QString TimeDiagramWindow::keyHint() {
    return text(Language::translate(
               N_("F6: zwischen Hauptfenster und Zeitdiagramm wechseln; Escape schließt das "
                  "Zeitdiagramm"))) +
           QStringLiteral("; ") + text(Language::translate(TimeDiagram::kSpeakHint));
}

void TimeDiagramWindow::moveKeyboard() {
    if (QApplication::activeWindow() == this) {
        parentWidget()->activateWindow();
    } else if (isVisible()) {
        raise();
        activateWindow();
        span_->setFocus(Qt::ShortcutFocusReason);
    }
}

void TimeDiagramWindow::place() {
    // Over the chain view, at its right edge, as high as the view leaves room for (the panels
    // stay uncovered where the view is high enough), and within the screen: placed when first
    // shown, once the main window has its size (a window manager may place it otherwise).
    const QRect over(view_.mapToGlobal(QPoint(0, 0)), view_.size());
    resize(width(), std::clamp(over.height() - kBelowViewTop - kTitleBar - kAboveViewBottom,
                               kLeastHeight, kHeight));
    QRect box(QPoint(over.right() - width() - 20, over.top() + kBelowViewTop), size());
    if (const QScreen* screen = view_.screen()) {
        const QRect room = screen->availableGeometry();
        box.moveLeft(
            std::clamp(box.left(), room.left(), std::max(room.left(), room.right() - width())));
        box.moveTop(
            std::clamp(box.top(), room.top(), std::max(room.top(), room.bottom() - height())));
    }
    move(box.topLeft());
    placed_ = true;
}

void TimeDiagramWindow::showIf(bool shown) {
    if (shown == isVisible()) {
        return;
    }
    if (shown) {
        drawn_ = ~std::uint64_t(0);
        if (!placed_) {
            place();
        }
        show();
        raise();
        timer_->start(kRefreshMs);
    } else {
        timer_->stop();
        hiding_ = true;
        hide();
        hiding_ = false;
    }
}

int TimeDiagramWindow::plotHeight() const {
    return std::max(0, height() - kBarHeight);
}

void TimeDiagramWindow::refresh() {
    TimeDiagram& diagram = instrument_.diagram();
    // The diagram's words as it says them (TimeDiagram::spoken): each time anew, the same
    // words too, which a changed description alone would not announce.
    if (diagram.spokenCount() != described_) {
        described_ = diagram.spokenCount();
        const QString words = QString::fromStdString(diagram.spoken());
        if (words != accessibleDescription()) {
            setAccessibleDescription(words);
        } else {
            QAccessibleEvent event(this, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&event);
        }
    }
    const int w = width();
    const int h = plotHeight();
    if (diagram.revision() == drawn_ && diagram.raster().width() == w &&
        diagram.raster().height() == h) {
        return;
    }
    diagram.draw(w, h);
    drawn_ = diagram.revision();
    update(0, 0, w, h);
}

void TimeDiagramWindow::paintEvent(QPaintEvent* /*event*/) {
    const TimeDiagram& diagram = instrument_.diagram();
    const PlotRaster& raster = diagram.raster();
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    // The pixels as they are, wrapped without a copy.
    const QImage image(reinterpret_cast<const uchar*>(raster.pixels()), raster.width(),
                       raster.height(), raster.width() * qsizetype(sizeof(PlotRaster::Pixel)),
                       QImage::Format_RGB32);
    painter.drawImage(0, 0, image);
    for (const TimeDiagram::Label& label : diagram.labels()) {
        LabelPainting::draw(painter, label, TimeDiagram::kLabelPixels);
    }
}

void TimeDiagramWindow::resizeEvent(QResizeEvent* /*event*/) {
    span_->setGeometry(0, plotHeight(), width(), kBarHeight);
    refresh();
}

void TimeDiagramWindow::closeEvent(QCloseEvent* event) {
    timer_->stop();
    event->accept();
    if (!hiding_) {
        emit closedByFrame();
    }
}

void TimeDiagramWindow::keyPressEvent(QKeyEvent* event) {
    // Plus and minus widen and narrow the span, as its scroll bar does.
    if (event->key() == Qt::Key_Plus) {
        span_->setValue(span_->value() + TimeDiagram::kSpanStep);
    } else if (event->key() == Qt::Key_Minus) {
        span_->setValue(span_->value() - TimeDiagram::kSpanStep);
    } else if (instrument_.diagram().keyPress(event->text().toStdString())) {
        refresh(); // its words said at once
    } else if (event->key() == Qt::Key_Escape) {
        // Closed, with the keyboard back in the main window.
        close();
        parentWidget()->activateWindow();
    } else {
        QWidget::keyPressEvent(event);
    }
}
