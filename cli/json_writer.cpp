// JSON output.
#include "cli/json_writer.h"

#include <cmath>
#include <cstdio>

namespace skyledger {

void JsonWriter::beforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!first_.empty()) {
        if (!first_.back()) out_ += ',';
        first_.back() = false;
    }
}

void JsonWriter::beginObject() {
    beforeValue();
    out_ += '{';
    first_.push_back(true);
}

void JsonWriter::endObject() {
    if (first_.size() == 1) out_ += '\n';
    first_.pop_back();
    out_ += '}';
    if (first_.empty()) out_ += '\n';
}

void JsonWriter::beginArray() {
    beforeValue();
    out_ += '[';
    first_.push_back(true);
}

void JsonWriter::endArray() {
    first_.pop_back();
    out_ += ']';
}

void JsonWriter::key(std::string_view name) {
    beforeValue();
    if (first_.size() == 1) out_ += "\n  ";
    quoted(name);
    out_ += ':';
    afterKey_ = true;
}

void JsonWriter::string(std::string_view utf8) {
    beforeValue();
    quoted(utf8);
}

void JsonWriter::quoted(std::string_view utf8) {
    out_ += '"';
    for (size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        const unsigned char u = static_cast<unsigned char>(c);
        const unsigned char next =
            i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0;
        if (u == 0xC2 && next >= 0x80 && next < 0xA0) {
            // A C1 control (U+0080..U+009F): valid JSON raw, but a terminal
            // showing the document would obey it.
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x", next);
            out_ += buffer;
            ++i;
        } else if (c == '"' || c == '\\') {
            out_ += '\\';
            out_ += c;
        } else if (c == '\n') {
            out_ += "\\n";
        } else if (c == '\r') {
            out_ += "\\r";
        } else if (c == '\t') {
            out_ += "\\t";
        } else if (u < 0x20 || u == 0x7F) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x", u);
            out_ += buffer;
        } else {
            out_ += c;
        }
    }
    out_ += '"';
}

void JsonWriter::number(double value) {
    if (!std::isfinite(value)) {
        null();
        return;
    }
    beforeValue();
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.10g", value);
    out_ += buffer;
}

void JsonWriter::integer(int64_t value) {
    beforeValue();
    out_ += std::to_string(value);
}

void JsonWriter::boolean(bool value) {
    beforeValue();
    out_ += value ? "true" : "false";
}

void JsonWriter::null() {
    beforeValue();
    out_ += "null";
}

void JsonWriter::stringMember(std::string_view name, std::string_view utf8) {
    key(name);
    string(utf8);
}

void JsonWriter::numberMember(std::string_view name, double value) {
    key(name);
    number(value);
}

void JsonWriter::integerMember(std::string_view name, int64_t value) {
    key(name);
    integer(value);
}

void JsonWriter::booleanMember(std::string_view name, bool value) {
    key(name);
    boolean(value);
}

} // namespace skyledger
