#include "web/page_texts.h"

#include "instrument/form.h"
#include "language/language.h"

namespace PageTexts {

std::string pageTitle(std::string_view caption) {
    std::string title;
    std::size_t blanks = 0;
    const auto endRun = [&] {
        title += blanks > 1 ? " – " : std::string(blanks, ' ');
        blanks = 0;
    };
    for (const char c : caption) {
        if (c == ' ') {
            ++blanks;
            continue;
        }
        endRun();
        title += c;
    }
    endRun();
    return title.empty() ? std::string(controlName(Role::kWindow)) : title;
}

std::string viewNameWithReading(std::string_view reading) {
    return std::string(Language::translate(Form::entry(Role::kChainView).accessibleName)) + ", " +
           std::string(Language::translate(Form::entry(Role::kTapeReadout).accessibleName)) + " " +
           std::string(reading);
}

} // namespace PageTexts
