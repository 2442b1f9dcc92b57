#include "platform/locale_text.h"

#include "core/number_text.h"

#include <QLocale>

#include <array>

namespace {

QString format(double value, int significantDigits) {
    const QByteArray separator = QLocale().decimalPoint().toUtf8();
    std::array<char, kNumberTextCapacity> buffer{};
    const std::size_t length =
        formatSignificant(value, significantDigits,
                          std::string_view(separator.constData(), separator.size()), buffer.data());
    return QString::fromUtf8(buffer.data(), static_cast<qsizetype>(length));
}

} // namespace

QString singleText(float value) {
    return format(value, kSingleDigits);
}
QString doubleText(double value) {
    return format(value, kDoubleDigits);
}
