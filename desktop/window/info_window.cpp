#include "desktop/window/info_window.h"

#include "desktop/platform/qt_colour.h"
#include "desktop/platform/ui_metrics.h"
#include "desktop/window/screen_placement.h"
#include "instrument/info_pages.h"

#include <QKeyEvent>
#include <QLabel>

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A block with a single-line border, its text starting at the top left, clear of the border by
// a few pixels at the sides and one at the top, and breaking at blanks at the right edge.
void addBlock(QWidget& window, int number, const InfoBlock& block, const QString& text) {
    auto* label = new QLabel(text, &window);
    label->setObjectName(QStringLiteral("Label%1").arg(number));
    label->setFont(UiMetrics::sansSerif(InfoPages::kTextPoints));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setMargin(0);
    label->setIndent(0);
    // A framed label keeps its frame in its contents margins, which leaves no room for a padding
    // of its own; a style sheet draws border and padding together.
    label->setStyleSheet(QStringLiteral("QLabel { background-color: %1; border: 1px solid "
                                        "palette(window-text); padding: 1px 3px 0px 3px; }")
                             .arg(QColor(toQRgb(block.background)).name()));
    label->setGeometry(UiMetrics::twipsToPixelsX(block.left), UiMetrics::twipsToPixelsY(block.top),
                       UiMetrics::twipsToPixelsX(block.width),
                       UiMetrics::twipsToPixelsY(block.height));
}

} // namespace

InfoWindow::InfoWindow(const InfoPage& design) : QWidget(nullptr) {
    setObjectName(toQString(design.name));
    setWindowTitle(toQString(design.title));
    setAttribute(Qt::WA_DeleteOnClose);
    // A fixed page: it can be moved, minimised and closed, not resized.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(UiMetrics::sansSerif(InfoPages::kTextPoints));
    QPalette white = palette();
    white.setColor(QPalette::Window, QColor(toQRgb(InfoPages::kPageWhite)));
    setPalette(white);
    setAutoFillBackground(true);
    setFixedSize(UiMetrics::twipsToPixelsX(design.width), UiMetrics::twipsToPixelsY(design.height));

    for (std::size_t i = 0; i < design.blocks.size(); ++i) {
        addBlock(*this, int(i + 1), design.blocks[i],
                 i < design.texts.size() ? toQString(design.texts[i]) : QString());
    }
}

void InfoWindow::moveToScreenCorner() {
    move(ScreenPlacement::cornerOf(ScreenPlacement::ScreenMetrics::primary()));
}

void InfoWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
    } else {
        QWidget::keyPressEvent(event);
    }
}
