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

    // Key names are the program's own: nothing in them to escape.
    JsonWriter &key(std::string_view name)
    {
        separate();
        m_out += '"';
        m_out += name;
        m_out += "\":";
        m_afterKey = true;
        return *this;
    }
    JsonWriter &string(std::string_view text); // UTF-8, escaped as QJsonDocument escapes it
    JsonWriter &number(double value);          // shortest round trip; null when not finite
    JsonWriter &integer(long long value);
    JsonWriter &boolean(bool value);
    JsonWriter &null();
    JsonWriter &raw(std::string_view json) // a value already written
    {
        separate();
        m_out += json;
        return *this;
    }
    JsonWriter &beginObject() { return open('{'); }
    JsonWriter &endObject() { return close('}'); }
    JsonWriter &beginArray() { return open('['); }
    JsonWriter &endArray() { return close(']'); }

private:
    // The comma before a value, but for the first of its object or array and after a key.
    void separate()
    {
        if (m_afterKey)
            m_afterKey = false;
        else if (m_depth > 0 && !m_empty[static_cast<std::size_t>(m_depth)])
            m_out += ',';
        m_empty[static_cast<std::size_t>(m_depth)] = false;
    }
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
