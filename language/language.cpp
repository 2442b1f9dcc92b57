#include "language/language.h"

#include "language/catalogue.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace Language {
namespace {

constexpr std::string_view kGerman = "de";

const Catalogue* inUse = nullptr; // none: German

// The language of a tag: its letters up to the first '-', '_', '.' or '@', in lower case.
std::string languageOf(std::string_view tag) {
    std::string language;
    for (const char c : tag) {
        if (c == '-' || c == '_' || c == '.' || c == '@') {
            break;
        }
        language += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return language;
}

std::string_view lookUp(std::string_view key, std::string_view german) {
    if (inUse == nullptr) {
        return german;
    }
    const auto pairs = inUse->pairs;
    const auto found = std::lower_bound(
        pairs.begin(), pairs.end(), key,
        [](const Catalogue::Pair& pair, std::string_view k) { return pair.key < k; });
    return found != pairs.end() && found->key == key ? found->text : german;
}

} // namespace

std::span<const std::string_view> codes() {
    static const std::vector<std::string_view> all = [] {
        std::vector<std::string_view> list{kGerman};
        for (const Catalogue& catalogue : catalogues()) {
            list.push_back(catalogue.code);
        }
        return list;
    }();
    return all;
}

std::string_view current() {
    return inUse == nullptr ? kGerman : inUse->code;
}

bool use(std::string_view code) {
    if (code == kGerman) {
        inUse = nullptr;
        return true;
    }
    for (const Catalogue& catalogue : catalogues()) {
        if (catalogue.code == code) {
            inUse = &catalogue;
            return true;
        }
    }
    return false;
}

std::string_view firstKnown(std::span<const std::string> preferred) {
    for (const std::string& tag : preferred) {
        const std::string language = languageOf(tag);
        for (const std::string_view code : codes()) {
            if (code == language) {
                return code;
            }
        }
    }
    return kGerman;
}

std::string_view translate(std::string_view german) {
    return lookUp(german, german);
}

std::string_view translateIn(std::string_view context, std::string_view german) {
    std::string key;
    key.reserve(context.size() + 1 + german.size());
    key.append(context).append(1, '\x04').append(german);
    return lookUp(key, german);
}

std::string_view decimalSeparator(std::string_view germanSeparator) {
    return inUse == nullptr ? germanSeparator : translateIn("Dezimaltrennzeichen", ",");
}

} // namespace Language
