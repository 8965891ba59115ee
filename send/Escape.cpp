// Percent-escaping byte by byte, as a server's query decoder reads it back.
#include "Escape.h"

#include <string>

#include "text/TextConvert.h"

namespace {
bool IsKept(std::int32_t c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
           (c >= ',' && c <= '/') || c == '*' || c == '@' || c == '_';
}
} // namespace

Text EscapeForCount(const Text& text) {
    std::string result;
    result.reserve(static_cast<std::size_t>(TextLength(text)) * 3);
    for (std::int32_t i = 1; i <= TextLength(text); ++i) {
        std::int32_t c = CharCode(text, i);
        if (c < 0) {
            c += 256;
        }
        if (IsKept(c)) {
            result += CharFromCode(c).view();
            continue;
        }
        const Text hex = HexText(c);
        result += TextLength(hex) > 1 ? "%" : "%0";
        result += hex.view();
    }
    return Text(result);
}

Text CounterText(const Text& message) {
    return NumberToText(159.0 - TextLength(EscapeForCount(message)));
}
