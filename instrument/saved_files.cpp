#include "instrument/saved_files.h"

#include "language/language.h"

namespace {

std::string filled(std::string_view form, std::string_view value) {
    std::string text(form);
    if (const std::size_t at = text.find("%1"); at != std::string::npos) {
        text.replace(at, 2, value);
    }
    return text;
}

} // namespace

std::string SavedFiles::nameOf(Kind kind) {
    return std::string(kind == Kind::Image ? Language::translate("Wellenmaschine")
                                           : Language::translate("Zeitdiagramm")) +
           (kind == Kind::Image ? ".png" : ".csv");
}

std::string SavedFiles::nameOf(Kind kind, const std::tm& now) {
    std::string name = nameOf(kind);
    char stamp[64];
    const std::size_t length = std::strftime(stamp, sizeof stamp, " %Y-%m-%d %H-%M-%S", &now);
    name.insert(name.rfind('.'), stamp, length);
    return name;
}

std::string SavedFiles::filterOf(Kind kind) {
    return std::string(kind == Kind::Image ? Language::translate("PNG-Bild")
                                           : Language::translate("CSV-Tabelle")) +
           (kind == Kind::Image ? " (*.png)" : " (*.csv)");
}

std::string SavedFiles::notWritten(std::string_view path, std::string_view reason) {
    std::string message = filled(Language::translate(N_("Die Datei „%1“ konnte nicht gespeichert "
                                                        "werden.")),
                                 path);
    if (!reason.empty()) {
        message += "\n";
        message += reason;
    }
    return message;
}
