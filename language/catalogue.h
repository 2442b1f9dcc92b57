#pragma once

#include <span>
#include <string_view>

// One language's catalogue, as the build generates it from the language's .po file: every
// translated text, sorted by key. A key is the German text, or the context, the character
// '\x04' and the German text, as gettext keys them.
struct Catalogue {
    struct Pair {
        std::string_view key;
        std::string_view text;
    };
    std::string_view code;
    std::span<const Pair> pairs;
};

// Every catalogue the program was built with, in the order the build lists them.
std::span<const Catalogue> catalogues();
