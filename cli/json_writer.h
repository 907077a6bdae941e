// A small writer of JSON documents for the command-line almanac's --json
// output: objects, arrays, UTF-8 strings, numbers and null, written compactly
// with one member per line at the top level for readability.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace skyledger {

class JsonWriter {
  public:
    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    // The name of the next member of the current object.
    void key(std::string_view name);
    void string(std::string_view utf8);
    void number(double value); // null when not finite
    void integer(int64_t value);
    void boolean(bool value);
    void null();
    // A member of the current object: its name, then its value.
    void stringMember(std::string_view name, std::string_view utf8);
    void numberMember(std::string_view name, double value);
    void integerMember(std::string_view name, int64_t value);
    void booleanMember(std::string_view name, bool value);

    const std::string& text() const { return out_; }

  private:
    void beforeValue();
    void quoted(std::string_view utf8);
    std::string out_;
    std::vector<bool> first_; // per open container: no member written yet
    bool afterKey_ = false;
};

} // namespace skyledger
