#include "desktop/window/time_diagram_panel.h"

#include "desktop/window/focus_scroll_bar.h"
#include "desktop/window/label_painting.h"
#include "instrument/instrument.h"
#include "instrument/time_diagram.h"
#include "language/language.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QHideEvent>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int kBarHeight = 22;
// The plot's least height, its axis labels included, and the height beyond which it shows the
// curves no better.
constexpr int kLeastPlot = 110;
constexpr int kMostPlot = 320;
// A detached diagram's size, and what a window manager's frame adds around it.
constexpr int kDetachedWidth = 640;
constexpr int kDetachedHeight = 340;
constexpr int kTitleBar = 28;
constexpr int kFrame = 4;
constexpr int kRefreshMs = 40;

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QString detachCaption(bool detached) {
    return text(Language::translate(detached ? N_("Ins Hauptfenster") : N_("Eigenes Fenster")));
}

} // namespace

TimeDiagramPanel::TimeDiagramPanel(Instrument& instrument, QWidget& mainWindow, QWidget& view)
    : QWidget(&mainWindow), instrument_(instrument), view_(view), span_(new FocusScrollBar(this)),
      detach_(new QPushButton(detachCaption(false), this)), timer_(new QTimer(this)) {
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
    detach_->setObjectName(QStringLiteral("TimeDiagramDetach"));
    connect(span_, &QScrollBar::valueChanged, this, [this](int value) {
        instrument_.diagramSpan(value);
        span_->setAccessibleDescription(
            QString::fromStdString(instrument_.diagram().spanCaption()));
        refresh();
    });
    connect(detach_, &QPushButton::clicked, this, [this] { setDetached(!detached()); });
    connect(timer_, &QTimer::timeout, this, &TimeDiagramPanel::refresh);
    hide();
}

QString TimeDiagramPanel::keyHint() {
    return text(Language::translate(
               N_("F6: zwischen Hauptfenster und Zeitdiagramm wechseln; Escape schließt das "
                  "Zeitdiagramm"))) +
           QStringLiteral("; ") + text(Language::translate(TimeDiagram::kSpeakHint));
}

int TimeDiagramPanel::barHeight() const {
    return std::max({kBarHeight, detach_->sizeHint().height(), span_->sizeHint().height()});
}

int TimeDiagramPanel::plotHeight() const {
    return std::max(0, height() - barHeight());
}

LessonLayout::Tool TimeDiagramPanel::tool() const {
    // The axis labels are written in the window's font: a plot of larger text keeps the same
    // room between them.
    const int labels = std::max(0, fontMetrics().height() - TimeDiagram::kLabelPixels);
    const int least = barHeight() + kLeastPlot + 2 * labels;
    return {isVisibleTo(parentWidget()) && !detached(),
            double(least),
            double(std::max(least, barHeight() + kMostPlot)),
            {}};
}

void TimeDiagramPanel::moveKeyboard() {
    const QWidget* focus = QApplication::focusWidget();
    const bool here =
        detached() ? QApplication::activeWindow() == this : focus != nullptr && isAncestorOf(focus);
    if (here) {
        keyboardBack();
    } else if (isVisible()) {
        cameFrom_ = QApplication::focusWidget();
        if (detached()) {
            raise();
            activateWindow();
        }
        span_->setFocus(Qt::ShortcutFocusReason);
    }
}

void TimeDiagramPanel::keyboardBack() {
    QWidget& main = *parentWidget();
    main.activateWindow();
    if (cameFrom_ != nullptr && cameFrom_->isVisible() && !isAncestorOf(cameFrom_)) {
        cameFrom_->setFocus(Qt::ShortcutFocusReason);
    } else if (isAncestorOf(QApplication::focusWidget())) {
        view_.setFocus(Qt::ShortcutFocusReason);
    }
}

void TimeDiagramPanel::setDetached(bool detached) {
    if (detached == this->detached()) {
        return;
    }
    const bool shown = isVisible();
    if (detached) {
        setWindowFlags(Qt::Tool);
        // The chain view takes the room back first: the window keeps clear of that.
        emit placeChanged();
        resize(std::max(width(), kDetachedWidth), std::max(height(), kDetachedHeight));
        placeClearOfView();
    } else {
        setWindowFlags(Qt::Widget);
    }
    detach_->setText(detachCaption(detached));
    // The new caption may be wider: the bar anew.
    resizeEvent(nullptr);
    if (shown) {
        show();
    }
    emit placeChanged();
}

void TimeDiagramPanel::placeClearOfView() {
    // Beside the chain view on the screen, where there is room for the window and its frame:
    // beneath the view, above it, right of it or left of it, in this order; elsewhere the window
    // manager places it.
    const QScreen* screen = view_.screen();
    if (screen == nullptr) {
        return;
    }
    const QRect room = screen->availableGeometry();
    const QRect view(view_.mapToGlobal(QPoint(0, 0)), view_.size());
    const int framed = kTitleBar + kFrame;
    const int least = int(tool().least);
    const QRect bands[] = {
        QRect(QPoint(room.left(), view.bottom() + 1), room.bottomRight()),
        QRect(room.topLeft(), QPoint(room.right(), view.top() - 1)),
        QRect(QPoint(view.right() + 1, room.top()), room.bottomRight()),
        QRect(room.topLeft(), QPoint(view.left() - 1, room.bottom())),
    };
    for (const QRect& band : bands) {
        const int w = std::min(width(), band.width() - 2 * kFrame);
        const int h = std::min(height(), band.height() - framed - kFrame);
        if (w >= kDetachedWidth / 2 && h >= least) {
            resize(w, h);
            move(band.right() - kFrame - w, band.top() + framed);
            return;
        }
    }
}

void TimeDiagramPanel::showIf(bool shown) {
    if (shown == isVisible()) {
        return;
    }
    if (shown) {
        drawn_ = ~std::uint64_t(0);
        show();
        raise();
        timer_->start(kRefreshMs);
    } else {
        timer_->stop();
        if (isAncestorOf(QApplication::focusWidget())) {
            keyboardBack();
        }
        hiding_ = true;
        hide();
        hiding_ = false;
    }
}

void TimeDiagramPanel::refresh() {
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

void TimeDiagramPanel::paintEvent(QPaintEvent* /*event*/) {
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

void TimeDiagramPanel::resizeEvent(QResizeEvent* /*event*/) {
    // The bar beneath the plot: the span's scroll bar, and the button at its right end.
    const int button = detach_->sizeHint().width();
    span_->setGeometry(0, plotHeight(), std::max(0, width() - button), barHeight());
    detach_->setGeometry(width() - button, plotHeight(), button, barHeight());
    refresh();
}

void TimeDiagramPanel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        emit placeChanged();
    }
}

void TimeDiagramPanel::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous()) {
        emit placeChanged();
    }
}

void TimeDiagramPanel::closeEvent(QCloseEvent* event) {
    timer_->stop();
    event->accept();
    if (!hiding_) {
        emit closedByFrame();
    }
}

void TimeDiagramPanel::keyPressEvent(QKeyEvent* event) {
    // Plus and minus widen and narrow the span, as its scroll bar does.
    if (event->key() == Qt::Key_Plus) {
        span_->setValue(span_->value() + TimeDiagram::kSpanStep);
    } else if (event->key() == Qt::Key_Minus) {
        span_->setValue(span_->value() - TimeDiagram::kSpanStep);
    } else if (instrument_.diagram().keyPress(event->text().toStdString())) {
        refresh(); // its words said at once
    } else if (event->key() == Qt::Key_Escape) {
        // Closed, with the keyboard back where it came from.
        keyboardBack();
        close();
    } else {
        QWidget::keyPressEvent(event);
    }
}
