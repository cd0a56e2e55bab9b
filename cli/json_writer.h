#pragma once
#include <cstdint>
#include <string>

namespace qbx {

// `text` as a JSON string literal, quotes included. Control characters,
// quotes and backslashes are escaped; bytes that are not valid UTF-8 (a
// device text that slipped through unconverted, a file name from a foreign
// locale) become U+FFFD, so that every line stays parseable.
std::string JsonString(const std::string& text);

// One JSON object, built field by field in the order given, for one line of
// `qbx --json`. Keys are our own ASCII names.
class CJsonObject {
  public:
    CJsonObject& String(const char* key, const std::string& value);
    CJsonObject& Number(const char* key, long long value);
    CJsonObject& Bool(const char* key, bool value);
    // "{...}" without a line end.
    std::string Text() const { return "{" + fields + "}"; }

  private:
    CJsonObject& Field(const char* key, const std::string& json);
    std::string fields;
};

} // namespace qbx
