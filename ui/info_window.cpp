#include "ui/info_window.h"

#include "platform/app_identity.h"
#include "platform/ui_metrics.h"
#include "ui/info_texts.h"
#include "ui/screen_placement.h"

#include <QLabel>

#include <span>

namespace {

constexpr double kTextPoints = 9.75;
constexpr QRgb kPageWhite = qRgb(255, 255, 255);
constexpr int kTorsionCaptionBlanks = 17;

// A text block's place in fixed units from the client area's top-left corner, and its colour.
struct Block {
    int left;
    int top;
    int width;
    int height;
    QRgb background;
};

// Two columns. On the torsion chain's page the left column holds, from the top, Label1, Label3,
// Label2 and Label4, the right column Label5 to Label9.
constexpr Block kTorsionBlocks[] = {
    {360, 240, 5415, 1695, qRgb(255, 192, 192)},   // Label1
    {360, 5040, 5415, 1215, qRgb(255, 255, 192)},  // Label2
    {360, 2040, 5415, 2895, qRgb(255, 224, 192)},  // Label3
    {360, 6360, 5415, 1575, qRgb(192, 255, 192)},  // Label4
    {6000, 240, 5415, 1695, qRgb(192, 255, 255)},  // Label5
    {6000, 2040, 5415, 1695, qRgb(192, 192, 255)}, // Label6
    {6000, 3840, 5415, 1095, qRgb(255, 192, 255)}, // Label7
    {6000, 5040, 5415, 975, qRgb(192, 255, 192)},  // Label8
    {6000, 6120, 5415, 1815, qRgb(255, 255, 192)}, // Label9
};

// On the pendulum chain's page the left column holds Label1, Label2 and Label4, the right
// column Label3 and Label5.
constexpr Block kPendulumBlocks[] = {
    {240, 120, 5535, 2415, qRgb(192, 255, 255)},   // Label1
    {240, 2640, 5535, 2415, qRgb(255, 192, 192)},  // Label2
    {6000, 120, 5535, 3375, qRgb(255, 255, 192)},  // Label3
    {240, 5160, 5535, 1935, qRgb(255, 224, 192)},  // Label4
    {6000, 3600, 5535, 2535, qRgb(192, 255, 192)}, // Label5
};

struct PageDesign {
    const char* name;
    QString caption;
    int clientWidth; // fixed units
    int clientHeight;
    std::span<const Block> blocks;
    QStringList texts;
};

PageDesign designOf(InfoWindow::Page page) {
    if (page == InfoWindow::Page::TorsionChain) {
        return {.name = "OndixInfTor",
                .caption = QStringLiteral("Informationen zur Torsionszarvel") +
                           QString(kTorsionCaptionBlanks, QLatin1Char(' ')) + creditLine(),
                .clientWidth = 11595,
                .clientHeight = 8040,
                .blocks = kTorsionBlocks,
                .texts = InfoTexts::torsionChain()};
    }
    return {.name = "OndixInfPen",
            .caption = QStringLiteral("Informationen zur Zarvel Typ Pendelkette"),
            .clientWidth = 11670,
            .clientHeight = 7260,
            .blocks = kPendulumBlocks,
            .texts = InfoTexts::pendulumChain()};
}

// A block with a single-line border, its text starting at the top left, clear of the border by
// a few pixels at the sides and one at the top, and breaking at blanks at the right edge.
void addBlock(QWidget& window, int number, const Block& block, const QString& text) {
    auto* label = new QLabel(text, &window);
    label->setObjectName(QStringLiteral("Label%1").arg(number));
    label->setFont(UiMetrics::sansSerif(kTextPoints));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setMargin(0);
    label->setIndent(0);
    // A framed label keeps its frame in its contents margins, which leaves no room for a padding
    // of its own; a style sheet draws border and padding together.
    label->setStyleSheet(QStringLiteral("QLabel { background-color: %1; border: 1px solid "
                                        "palette(window-text); padding: 1px 3px 0px 3px; }")
                             .arg(QColor(block.background).name()));
    label->setGeometry(UiMetrics::twipsToPixelsX(block.left), UiMetrics::twipsToPixelsY(block.top),
                       UiMetrics::twipsToPixelsX(block.width),
                       UiMetrics::twipsToPixelsY(block.height));
}

} // namespace

InfoWindow::InfoWindow(Page page) : QWidget(nullptr) {
    const PageDesign design = designOf(page);
    setObjectName(QLatin1String(design.name));
    setWindowTitle(design.caption);
    setAttribute(Qt::WA_DeleteOnClose);
    // A fixed page: it can be moved, minimised and closed, not resized.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(UiMetrics::sansSerif(kTextPoints));
    QPalette white = palette();
    white.setColor(QPalette::Window, QColor(kPageWhite));
    setPalette(white);
    setAutoFillBackground(true);
    setFixedSize(UiMetrics::twipsToPixelsX(design.clientWidth),
                 UiMetrics::twipsToPixelsY(design.clientHeight));

    for (qsizetype i = 0; i < qsizetype(design.blocks.size()); ++i) {
        addBlock(*this, int(i + 1), design.blocks[std::size_t(i)], design.texts.value(i));
    }
}

void InfoWindow::Form_Load() {
    move(ScreenPlacement::cornerOf(ScreenPlacement::ScreenMetrics::primary()));
}
