#include "platform/locale_text.h"

#include <QLocale>

std::string localeDecimalSeparator() {
    return QLocale().decimalPoint().toStdString();
}
