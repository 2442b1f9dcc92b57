#include "web/json_text.h"

#include <cmath>
#include <cstdio>

JsonText& JsonText::beginObject() {
    separate();
    text_ += '{';
    needsComma_ = false;
    return *this;
}

JsonText& JsonText::endObject() {
    text_ += '}';
    needsComma_ = true;
    return *this;
}

JsonText& JsonText::beginArray() {
    separate();
    text_ += '[';
    needsComma_ = false;
    return *this;
}

JsonText& JsonText::endArray() {
    text_ += ']';
    needsComma_ = true;
    return *this;
}

JsonText& JsonText::key(std::string_view name) {
    value(name);
    text_ += ':';
    needsComma_ = false;
    return *this;
}

JsonText& JsonText::value(std::string_view text) {
    separate();
    text_ += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            text_ += '\\';
            text_ += c;
        } else if (c == '\n') {
            text_ += "\\n";
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            text_ += escaped;
        } else {
            text_ += c; // UTF-8 passes as it is
        }
    }
    text_ += '"';
    needsComma_ = true;
    return *this;
}

JsonText& JsonText::value(double number) {
    if (!std::isfinite(number)) {
        return null();
    }
    separate();
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.10g", number);
    text_ += digits;
    needsComma_ = true;
    return *this;
}

JsonText& JsonText::value(int number) {
    separate();
    text_ += std::to_string(number);
    needsComma_ = true;
    return *this;
}

JsonText& JsonText::value(bool truth) {
    separate();
    text_ += truth ? "true" : "false";
    needsComma_ = true;
    return *this;
}

JsonText& JsonText::null() {
    separate();
    text_ += "null";
    needsComma_ = true;
    return *this;
}

void JsonText::clear() {
    text_.clear();
    needsComma_ = false;
}

void JsonText::separate() {
    if (needsComma_) {
        text_ += ',';
    }
}
