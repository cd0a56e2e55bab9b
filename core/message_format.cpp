#include "core/message_format.h"

#include <cctype>
#include <cstdio>

namespace qbx {
namespace {

struct Placeholder {
    std::string flags;
    std::string width;
    std::string precision;
    char conversion = 0;
    size_t end = 0; // index after the conversion letter
};

// The end of the run of characters from `from` that belong to `set`.
size_t SpanOf(const std::string& format, size_t from, const char* set) {
    size_t end = format.find_first_not_of(set, from);
    return end == std::string::npos ? format.size() : end;
}

// Parses the placeholder that starts at format[start] == '%'.
bool ParsePlaceholder(const std::string& format, size_t start, Placeholder& placeholder) {
    const char* digits = "0123456789";
    size_t p = start + 1;
    size_t end = SpanOf(format, p, "-+ #0");
    placeholder.flags = format.substr(p, end - p);
    p = end;
    end = SpanOf(format, p, digits);
    placeholder.width = format.substr(p, end - p);
    p = end;
    if (p < format.size() && format[p] == '.') {
        end = SpanOf(format, p + 1, digits);
        placeholder.precision = format.substr(p, end - p);
        p = end;
    }
    p = SpanOf(format, p, "lh"); // length modifiers are irrelevant here
    if (p >= format.size()) return false;
    placeholder.conversion = format[p];
    placeholder.end = p + 1;
    return std::string("diuxXcs%").find(placeholder.conversion) != std::string::npos;
}

std::string Convert(const Placeholder& placeholder, const MessageArg* arg) {
    std::string pattern = "%" + placeholder.flags + placeholder.width + placeholder.precision;
    char buffer[512];
    if (placeholder.conversion == 's') {
        if (!arg || !std::holds_alternative<std::string>(*arg)) return "?";
        const std::string& text = std::get<std::string>(*arg);
        if (placeholder.width.empty() && placeholder.precision.empty()) return text;
        std::snprintf(buffer, sizeof buffer, (pattern + "s").c_str(), text.c_str());
        return buffer;
    }
    if (!arg || !std::holds_alternative<long long>(*arg)) return "?";
    long long value = std::get<long long>(*arg);
    switch (placeholder.conversion) {
    case 'c':
        return std::string(1, static_cast<char>(value));
    case 'd':
    case 'i':
        std::snprintf(buffer, sizeof buffer, (pattern + "lld").c_str(), value);
        break;
    default: // u, x, X act on the 32-bit value as printf does for an int
        std::snprintf(buffer, sizeof buffer, (pattern + "ll" + placeholder.conversion).c_str(),
                      static_cast<unsigned long long>(static_cast<unsigned int>(value)));
    }
    return buffer;
}

} // namespace

std::string FormatMessage(const std::string& format, const std::vector<MessageArg>& args) {
    std::string out;
    size_t next = 0;
    for (size_t i = 0; i < format.size();) {
        if (format[i] != '%') {
            out += format[i++];
            continue;
        }
        Placeholder placeholder;
        if (!ParsePlaceholder(format, i, placeholder)) {
            out += format[i++];
            continue;
        }
        if (placeholder.conversion == '%') {
            out += '%';
        } else {
            out += Convert(placeholder, next < args.size() ? &args[next] : nullptr);
            ++next;
        }
        i = placeholder.end;
    }
    return out;
}

std::string PlaceholderSignature(const std::string& format) {
    std::string signature;
    for (size_t i = 0; i < format.size();) {
        Placeholder placeholder;
        if (format[i] == '%' && ParsePlaceholder(format, i, placeholder)) {
            if (placeholder.conversion != '%')
                signature += (placeholder.conversion == 'i' || placeholder.conversion == 'u')
                                 ? 'd'
                                 : placeholder.conversion;
            i = placeholder.end;
        } else {
            ++i;
        }
    }
    return signature;
}

std::string MessageCaption(int group, int number) {
    char caption[64];
    std::snprintf(caption, sizeof caption, "Quillbox-Message %d.%03d", group, number);
    return caption;
}

} // namespace qbx
