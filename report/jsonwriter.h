#pragma once

#include <array>
#include <string>
#include <string_view>

namespace report {

// Appends compact JSON to a string, commas and escapes included, without building a document:
// a batch writes hundreds of thousands of objects a second this way.
class JsonWriter {
public:
    explicit JsonWriter(std::string &out) : m_out(out) {}

    JsonWriter &key(std::string_view name);
    JsonWriter &string(std::string_view text); // UTF-8, escaped as QJsonDocument escapes it
    JsonWriter &number(double value);          // shortest round trip; null when not finite
    JsonWriter &integer(long long value);
    JsonWriter &boolean(bool value);
    JsonWriter &null();
    JsonWriter &raw(std::string_view json); // a value already written
    JsonWriter &beginObject() { return open('{'); }
    JsonWriter &endObject() { return close('}'); }
    JsonWriter &beginArray() { return open('['); }
    JsonWriter &endArray() { return close(']'); }

private:
    void separate();
    JsonWriter &open(char bracket);
    JsonWriter &close(char bracket);

    std::string &m_out;
    std::array<bool, 16> m_empty{}; // per open level: nothing written in it yet
    int m_depth = 0;
    bool m_afterKey = false;
};

// The shortest text that reads back as the same double, "." as decimal point.
void appendNumber(std::string &out, double value);

} // namespace report
