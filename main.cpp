#include "platform/app_identity.h"
#include "platform/error_box.h"
#include "platform/paced_yield.h"
#include "platform/toolkit_language.h"
#include "platform/ui_metrics.h"
#include "ui/ondix15.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    installApplicationIdentity();
    installGermanToolkitTexts();
    UiMetrics::installFontSubstitutes();
    installRunTimeErrorBox();

    Ondix15 window{PacedYield()};
    // The run loop must start from inside the application's event loop, or quit requests and
    // the closing of the last window would be lost.
    QTimer::singleShot(0, &window, &Ondix15::Form_Load);
    return QApplication::exec();
}
