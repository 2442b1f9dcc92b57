#include "app/app_identity.h"

#include <QApplication>

void installApplicationIdentity() {
    QApplication::setApplicationName(QStringLiteral("Ondix15"));
    QApplication::setApplicationVersion(QStringLiteral("15.00"));
}
