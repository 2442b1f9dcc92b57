#include "ui/program_start.h"

#include "platform/app_identity.h"
#include "platform/error_box.h"
#include "platform/toolkit_language.h"
#include "platform/ui_metrics.h"
#include "ui/ondix15.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <cstdio>

void prepareApplication(const StartArguments& start) {
    chooseProgramLanguage(start.language, start.setup.language());
    installApplicationIdentity();
    installToolkitTexts();
    UiMetrics::installFontSubstitutes();
    installRunTimeErrorBox();
}

StartArguments readStartArguments(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption setup(QStringLiteral("setup"),
                                   QStringLiteral("traeger=pendel&periode=22&daempfung=aus"),
                                   QStringLiteral("setup"));
    const QCommandLineOption language(QStringLiteral("language"), QStringLiteral("de|en"),
                                      QStringLiteral("code"));
    parser.addOption(setup);
    parser.addOption(language);
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "%s\n", parser.errorText().toLocal8Bit().constData());
    }
    StartArguments start{Setup::parse(parser.value(setup).toStdString()), std::nullopt};
    if (parser.isSet(language)) {
        start.language = parser.value(language); // the last one given
    }
    return start;
}

int runProgram(Ondix15& window) {
    // The run loop must start from inside the application's event loop, or quit requests and
    // the closing of the last window would be lost.
    QTimer::singleShot(0, &window, &Ondix15::load);
    return QApplication::exec();
}
