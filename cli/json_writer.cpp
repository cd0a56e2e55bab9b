#include "cli/json_writer.h"

#include <cstdio>

namespace qbx {
namespace {

constexpr const char* kReplacement = "\xEF\xBF\xBD"; // U+FFFD

// Length of the well-formed UTF-8 sequence at `i`; for bytes that are not
// one (overlong forms, surrogates and code points past U+10FFFF included)
// the negated length of the longest start of a sequence there, at least 1,
// which becomes one U+FFFD as Unicode recommends.
int Utf8Length(const std::string& text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    int length = 0;
    unsigned char low = 0x80, high = 0xBF; // the second byte's allowed range
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return -1;
    }
    for (int k = 1; k < length; ++k) {
        if (i + k >= text.size()) return -k;
        const unsigned char next = byte(i + k);
        if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF)) return -k;
    }
    return length;
}

} // namespace

std::string JsonString(const std::string& text) {
    std::string json = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const int length = Utf8Length(text, i);
        if (length < 0) {
            json += kReplacement;
            i += static_cast<std::size_t>(-length);
            continue;
        }
        if (length > 1) {
            json.append(text, i, static_cast<std::size_t>(length));
        } else if (c == '"' || c == '\\') {
            json += '\\';
            json += static_cast<char>(c);
        } else if (c == '\n') {
            json += "\\n";
        } else if (c == '\r') {
            json += "\\r";
        } else if (c == '\t') {
            json += "\\t";
        } else if (c < 0x20 || c == 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            json += escape;
        } else {
            json += static_cast<char>(c);
        }
        i += static_cast<std::size_t>(length);
    }
    return json + "\"";
}

CJsonObject& CJsonObject::Field(const char* key, const std::string& json) {
    if (!fields.empty()) fields += ',';
    fields += JsonString(key) + ":" + json;
    return *this;
}

CJsonObject& CJsonObject::String(const char* key, const std::string& value) {
    return Field(key, JsonString(value));
}

CJsonObject& CJsonObject::Number(const char* key, long long value) {
    return Field(key, std::to_string(value));
}

CJsonObject& CJsonObject::Bool(const char* key, bool value) {
    return Field(key, value ? "true" : "false");
}

} // namespace qbx
