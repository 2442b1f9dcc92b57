#include "desktop/platform/ui_metrics.h"

#include "core/twips.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>

namespace UiMetrics {

namespace {

double logicalDpi(bool horizontal) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return 96.0;
    }
    const double dpi = horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY();
    return dpi > 0 ? dpi : 96.0;
}

} // namespace

double logicalDpiX() {
    return logicalDpi(true);
}
double logicalDpiY() {
    return logicalDpi(false);
}

int twipsToPixelsX(double twips) {
    return Twips::toPixels(twips, logicalDpi(true));
}
int twipsToPixelsY(double twips) {
    return Twips::toPixels(twips, logicalDpi(false));
}

QFont sansSerif(double pointSize) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void installFontSubstitutes() {
    // Built into the program (see desktop/platform/CMakeLists.txt); a machine's own Liberation Sans
    // of the same widths may be taken instead, any other family only if this one is missing.
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                QStringLiteral("DejaVu Sans")});
}

} // namespace UiMetrics
