#include "instrument/query_text.h"

namespace QueryText {

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::string decoded(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '+') {
            out += ' ';
        } else if (c == '%' && i + 2 < text.size() && hexDigit(text[i + 1]) >= 0 &&
                   hexDigit(text[i + 2]) >= 0) {
            out += static_cast<char>(hexDigit(text[i + 1]) * 16 + hexDigit(text[i + 2]));
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

std::vector<Pair> pairs(std::string_view query) {
    if (!query.empty() && query.front() == '?') {
        query.remove_prefix(1);
    }
    std::vector<Pair> found;
    while (!query.empty()) {
        const std::size_t end = query.find('&');
        const std::string_view piece = query.substr(0, end);
        query.remove_prefix(end == std::string_view::npos ? query.size() : end + 1);
        if (piece.empty()) {
            continue;
        }
        const std::size_t equals = piece.find('=');
        Pair pair{.name = decoded(piece.substr(0, equals)), .value = {}};
        if (equals != std::string_view::npos) {
            pair.value = decoded(piece.substr(equals + 1));
            pair.hasValue = true;
        }
        found.push_back(std::move(pair));
    }
    return found;
}

std::string encoded(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                           (byte >= '0' && byte <= '9') || c == '-' || c == '.' || c == '_' ||
                           c == '~' || c == ',';
        if (plain) {
            out += c;
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        }
    }
    return out;
}

} // namespace QueryText
