#include "platform/toolkit_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <QtDebug>

bool installGermanToolkitTexts() {
    const QString directory = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // Owned by the application, which keeps using it until it ends.
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_de"), directory) &&
        QCoreApplication::installTranslator(translator)) {
        return true;
    }
    qWarning().noquote() << "No German translations of the toolkit in" << directory
                         << "(Debian package qt6-translations-l10n): its menus stay English";
    delete translator;
    return false;
}
