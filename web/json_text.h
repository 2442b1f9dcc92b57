#pragma once

#include <string>
#include <string_view>

// A JSON text built value by value: how structured data (the form, the controls' state, an
// information page) crosses to the page's scripts, which read it with JSON.parse instead of
// knowing the module's memory.
class JsonText {
public:
    JsonText& beginObject();
    JsonText& endObject();
    JsonText& beginArray();
    JsonText& endArray();
    // The name of the next value in an object.
    JsonText& key(std::string_view name);
    JsonText& value(std::string_view text);
    JsonText& value(const char* text) { return value(std::string_view(text)); }
    JsonText& value(double number);
    JsonText& value(int number);
    JsonText& value(bool truth);
    JsonText& null();

    const std::string& text() const { return text_; }
    void clear();

private:
    // A comma before every value but the first of its object or array.
    void separate();

    std::string text_;
    bool needsComma_ = false;
};
