#include "desktop/platform/toolkit_language.h"

#include "instrument/setup.h"
#include "instrument/start_sequence.h"
#include "language/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QtDebug>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

void chooseProgramLanguage(const std::optional<QString>& asked, const Setup& setup) {
    // LANGUAGE (a list such as "en_GB:de") as gettext reads it, on every system, then the
    // desktop's own list.
    std::vector<std::string> preferred;
    for (const QString& tag : qEnvironmentVariable("LANGUAGE").split(':', Qt::SkipEmptyParts)) {
        preferred.push_back(tag.toStdString());
    }
    for (const QString& tag : QLocale::system().uiLanguages()) {
        preferred.push_back(tag.toStdString());
    }
    const std::optional<std::string> code =
        asked ? std::optional(asked->toStdString()) : std::nullopt;
    const std::string refused = StartSequence::chooseLanguage(code, setup, preferred);
    std::fputs(refused.c_str(), stderr);
}

bool installToolkitTexts() {
    const QString language = QString::fromUtf8(Language::current().data(),
                                               static_cast<qsizetype>(Language::current().size()));
    const QString directory = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // Owned by the application, which keeps using it until it ends.
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_") + language, directory) &&
        QCoreApplication::installTranslator(translator)) {
        return true;
    }
    delete translator;
    // Qt's own texts are English; its English catalogue holds nothing to load.
    if (language == QLatin1String("en")) {
        return true;
    }
    qWarning().noquote()
        << "No" << language << "translations of the toolkit in" << directory
        << "(Debian package qt6-translations-l10n): its own texts stay as Qt has them";
    return false;
}
