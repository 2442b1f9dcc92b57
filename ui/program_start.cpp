#include "ui/program_start.h"

#include "platform/app_identity.h"
#include "platform/error_box.h"
#include "platform/toolkit_language.h"
#include "platform/ui_metrics.h"
#include "ui/ondix15.h"

#include <QApplication>
#include <QTimer>

void prepareApplication() {
    chooseProgramLanguage(QCoreApplication::arguments());
    installApplicationIdentity();
    installToolkitTexts();
    UiMetrics::installFontSubstitutes();
    installRunTimeErrorBox();
}

int runProgram(Ondix15& window) {
    // The run loop must start from inside the application's event loop, or quit requests and
    // the closing of the last window would be lost.
    QTimer::singleShot(0, &window, &Ondix15::load);
    return QApplication::exec();
}
