#pragma once

#include <string>
#include <string_view>
#include <vector>

// The query of an address ("?a=b&c=d"), as a browser's location and a desktop shortcut give it:
// its pairs of name and value, each percent-decoded with '+' for a blank, and the reverse.
namespace QueryText {

struct Pair {
    std::string name;
    std::string value;     // empty where no '=' follows the name
    bool hasValue = false; // an '=' follows the name
};

// The pairs in their order; a leading '?' and empty pieces ("a=1&&b=2") are skipped, and a '%'
// not followed by two hexadecimal digits stands for itself.
std::vector<Pair> pairs(std::string_view query);
// `text` as a name or value of a query: letters, digits and "-._~," as they are, every other
// byte as %XX.
std::string encoded(std::string_view text);

} // namespace QueryText
