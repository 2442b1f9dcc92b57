#include "web/page_texts.h"

#include "instrument/form.h"

namespace PageTexts {

std::string runTimeErrorText(const RunTimeError& error) {
    return "Laufzeitfehler '" + std::to_string(static_cast<int>(error.code)) + "':\n\n" +
           std::string(error.message);
}

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
    return std::string(Form::entry(Role::kChainView).accessibleName) + ", " +
           std::string(Form::entry(Role::kTapeReadout).accessibleName) + " " + std::string(reading);
}

} // namespace PageTexts
