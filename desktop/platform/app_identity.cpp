#include "desktop/platform/app_identity.h"

#include "core/version.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

namespace {

// The icon comes as PNG renderings of several sizes, built into the program as resources; the
// largest is 256 px, enough for any window frame or task switcher.
QIcon programIcon() {
    QIcon icon;
    const QDir renderings(QStringLiteral(":/icons"), QStringLiteral("ondix15-*.png"));
    for (const QFileInfo& rendering : renderings.entryInfoList(QDir::Files))
        icon.addFile(rendering.filePath());
    return icon;
}

} // namespace

void installApplicationIdentity() {
    QApplication::setApplicationName(QStringLiteral("Ondix15"));
    QApplication::setApplicationVersion(QStringLiteral(ONDIX_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Ondix-Lehrmittel"));
    QApplication::setOrganizationDomain(QStringLiteral("example.org"));
    // The id of the desktop entry and metainfo installed with the program, without ".desktop".
    QApplication::setDesktopFileName(QStringLiteral(ONDIX_APP_ID));
    QApplication::setWindowIcon(programIcon());
}

QString creditLine() {
    return QStringLiteral(ONDIX_CREDIT_LINE);
}
