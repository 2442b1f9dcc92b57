#include "desktop/window/program_start.h"

#include "core/version.h"
#include "desktop/platform/app_identity.h"
#include "desktop/platform/error_box.h"
#include "desktop/platform/toolkit_language.h"
#include "desktop/platform/ui_metrics.h"
#include "desktop/window/ondix15.h"
#include "instrument/instrument.h"
#include "language/language.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

constexpr std::string_view kUnknownOption = N_("Unbekannte Option „%1“.");
constexpr std::string_view kMissingValue = N_("„%1“ braucht einen Wert.");
constexpr std::string_view kLastCounts =
    N_("„%1“ wird übergangen: es gilt die letzte Angabe, „%3“.");
// %1: the program's languages.
constexpr std::string_view kUsage =
    N_("Aufruf: Ondix15 [Option …]\n"
       "\n"
       "  --setup EINSTELLUNG  beginnt mit der Einstellung, z. B. --setup "
       "\"traeger=pendel&periode=22\"\n"
       "  --language SPRACHE   spricht die Sprache (%1)\n"
       "  -h, --help           zeigt diese Hilfe\n"
       "  --version            zeigt den Namen und die Version\n"
       "\n"
       "Eine Einstellung ist Name=Wert, mehrere mit & verbunden; Zahlen mit Komma oder Punkt:\n");

QString text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString usage() {
    QString codes;
    for (const std::string_view code : Language::codes()) {
        codes += (codes.isEmpty() ? QString() : QStringLiteral(", ")) + text(code);
    }
    QString out = text(Language::translate(kUsage)).arg(codes);
    const Instrument instrument(",");
    const std::vector<Setup::Help> lines = Setup::help(instrument);
    qsizetype width = 0;
    for (const Setup::Help& line : lines) {
        width = std::max(width, QString::fromStdString(line.names).size());
    }
    for (const Setup::Help& line : lines) {
        out += QStringLiteral("  ") + QString::fromStdString(line.names).leftJustified(width + 2) +
               QString::fromStdString(line.values) + u'\n';
    }
    return out;
}

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toUtf8().constData(), stream);
}

} // namespace

void prepareApplication(const StartArguments& start) {
    chooseProgramLanguage(start.language, start.setup);
    installApplicationIdentity();
    installToolkitTexts();
    UiMetrics::installFontSubstitutes();
    installRunTimeErrorBox();
}

StartArguments readStartArguments(const QStringList& arguments) {
    StartArguments start;
    // Each --setup and --language as given, and its value.
    std::vector<std::pair<QString, QString>> setups;
    std::vector<std::pair<QString, QString>> languages;
    const auto refuse = [&start](std::string_view form, const QString& argument) {
        start.refused.emplace_back(form, argument);
        start.answer = StartArguments::Answer::Refused;
    };
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const QString name = argument.section(u'=', 0, 0);
        if (name == QLatin1String("--setup") || name == QLatin1String("--language")) {
            auto& given = name == QLatin1String("--setup") ? setups : languages;
            if (argument.contains(u'=')) {
                given.emplace_back(argument, argument.section(u'=', 1));
            } else if (i + 1 < arguments.size()) {
                given.emplace_back(argument + u' ' + arguments[i + 1], arguments[i + 1]);
                ++i;
            } else {
                refuse(kMissingValue, argument);
            }
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            start.answer = std::max(start.answer, StartArguments::Answer::Usage);
        } else if (argument == QLatin1String("--version")) {
            start.answer = std::max(start.answer, StartArguments::Answer::Version);
        } else {
            refuse(kUnknownOption, argument);
        }
    }
    if (!setups.empty()) {
        start.setup = Setup::parse(setups.back().second.toStdString());
    }
    for (const auto* given : {&setups, &languages}) {
        for (std::size_t k = 0; k + 1 < given->size(); ++k) {
            start.setup.addNote(kLastCounts, (*given)[k].first.toStdString(),
                                given->back().first.toStdString());
        }
    }
    if (!languages.empty()) {
        start.language = languages.back().second;
        const std::string code = start.language->toStdString();
        const auto codes = Language::codes();
        if (std::find(codes.begin(), codes.end(), code) != codes.end()) {
            start.setup.leaveLanguageTo(languages.back().first.toStdString(), code);
        }
    }
    return start;
}

std::optional<int> answerCommandLine(const StartArguments& start) {
    switch (start.answer) {
    case StartArguments::Answer::Start:
        return std::nullopt;
    case StartArguments::Answer::Usage:
        print(stdout, usage());
        return 0;
    case StartArguments::Answer::Version:
        print(stdout, QStringLiteral("Ondix15 " ONDIX_VERSION "\n"));
        return 0;
    case StartArguments::Answer::Refused:
        break;
    }
    for (const auto& [form, argument] : start.refused) {
        print(stderr, text(Language::translate(form)).arg(argument) + u'\n');
    }
    print(stderr, u'\n' + usage());
    return 2;
}

std::optional<int> answerWithoutWindow(int& argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    const StartArguments start = readStartArguments(arguments);
    if (start.answer == StartArguments::Answer::Start) {
        return std::nullopt;
    }
    const QCoreApplication application(argc, argv);
    chooseProgramLanguage(start.language, start.setup);
    return answerCommandLine(start);
}

int runProgram(Ondix15& window) {
    // The window loads once the application's event loop runs, which then runs the chain.
    QTimer::singleShot(0, &window, &Ondix15::load);
    return QApplication::exec();
}

int startProgram() {
    StartArguments start = readStartArguments(QApplication::arguments());
    prepareApplication(start);
    if (const std::optional<int> status = answerCommandLine(start)) {
        return *status;
    }
    Ondix15 window;
    window.setStartSetup(std::move(start.setup));
    return runProgram(window);
}
