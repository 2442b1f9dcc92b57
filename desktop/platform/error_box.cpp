#include "desktop/platform/error_box.h"

#include "core/runtime_error.h"
#include "desktop/platform/process_end.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

namespace {

void showAndEnd(const RunTimeError& error) {
    static bool reporting = false;
    const int number = static_cast<int>(error.code);
    writeRunTimeError(error);
    // An error raised while the box is up (by a handler running in its event loop) ends the
    // process without a second box.
    if (!reporting && qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) {
        reporting = true;
        QMessageBox::critical(nullptr, QApplication::applicationName(),
                              QString::fromStdString(runTimeErrorReport(error)));
    }
    endProcess(number);
}

} // namespace

void installRunTimeErrorBox() {
    setRunTimeErrorReporter(&showAndEnd);
}
