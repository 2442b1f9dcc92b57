#include "web/page_texts.h"

#include "core/version.h"
#include "instrument/form.h"
#include "language/language.h"

namespace PageTexts {

std::string pageTitle() {
    return std::string(Language::translate(kTitle)) + ' ' + ONDIX_VERSION;
}

std::string viewNameWithReading(std::string_view reading) {
    return std::string(Language::translate(Form::entry(Role::kChainView).accessibleName)) + ", " +
           std::string(Language::translate(Form::entry(Role::kTapeReadout).accessibleName)) + " " +
           std::string(reading);
}

} // namespace PageTexts
