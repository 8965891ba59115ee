// Cutting, case and number conversions of Text. Arithmetic on positions is done in
// 64 bits so that any 32-bit argument, however far outside the text, is safe.
#include "TextConvert.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

Text Slice(const Text& text, std::int64_t offset, std::int64_t count) {
    return Text(
        text.view().substr(static_cast<std::size_t>(offset), static_cast<std::size_t>(count)));
}

// Applies a byte mapping under the double-byte rule: a byte of 0x80 or above takes the
// next byte with it as its second byte, which is never mapped.
template <class Map> Text MapSingleBytes(const Text& text, Map map) {
    std::string result(text.view());
    for (std::size_t i = 0; i < result.size(); ++i) {
        const auto byte = static_cast<unsigned char>(result[i]);
        if (byte >= 0x80) {
            ++i;
        } else {
            result[i] = static_cast<char>(map(byte));
        }
    }
    return Text(result);
}

bool IsBlank(unsigned char byte) {
    return byte == ' ' || (byte >= '\t' && byte <= '\r');
}
bool IsDigit(unsigned char byte) {
    return byte >= '0' && byte <= '9';
}

// Full-width forms of GB2312 as their ASCII bytes; other characters stay.
std::string FoldFullWidth(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80 || i + 1 == text.size()) {
            result += text[i];
            continue;
        }
        const auto second = static_cast<unsigned char>(text[++i]);
        if (byte == 0xA3 && second >= 0xA1 && second <= 0xFE) {
            result += static_cast<char>(second - 0x80);
        } else if (byte == 0xA1 && second == 0xA1) {
            result += ' ';
        } else if (byte == 0xA1 && second == 0xAB) {
            result += '~';
        } else if (byte == 0xA1 && (second == 0xEE || second == 0xEF)) {
            result += '*';
        } else {
            result += text.substr(i - 1, 2);
        }
    }
    return result;
}

// The longest beginning of the text that reads as a decimal number, in the form that
// strtod takes: "e" for the exponents "e", "E", "d" and "D".
std::string DecimalPrefix(std::string_view text) {
    std::string number;
    std::size_t i = 0;
    const auto at = [&](std::size_t k) -> unsigned char {
        return k < text.size() ? text[k] : 0;
    };
    if (at(i) == '+' || at(i) == '-') {
        if (at(i) == '-') {
            number += '-';
        }
        ++i;
    }
    bool digits = false;
    bool point = false;
    for (;; ++i) {
        if (IsDigit(at(i))) {
            digits = true;
            number += static_cast<char>(at(i));
        } else if (at(i) == '.' && !point) {
            point = true;
            number += '.';
        } else {
            break;
        }
    }
    if (!digits) {
        return {};
    }
    const unsigned char letter = at(i);
    if (letter == 'e' || letter == 'E' || letter == 'd' || letter == 'D') {
        std::size_t k = i + 1;
        std::string exponent = "e";
        if (at(k) == '+' || at(k) == '-') {
            exponent += static_cast<char>(at(k++));
        }
        if (IsDigit(at(k))) {
            while (IsDigit(at(k))) {
                exponent += static_cast<char>(at(k++));
            }
            number += exponent;
        }
    }
    return number;
}

} // namespace

Text TextLeft(const Text& text, std::int32_t count) {
    return count <= 0 ? Text() : Slice(text, 0, std::min(count, text.size()));
}

Text TextRight(const Text& text, std::int32_t count) {
    if (count <= 0) {
        return {};
    }
    const std::int32_t kept = std::min(count, text.size());
    return Slice(text, text.size() - kept, kept);
}

Text TextMid(const Text& text, std::int32_t start, std::int32_t count) {
    if (start < 1 || start > text.size() || count <= 0) {
        return {};
    }
    return Slice(text, start - 1, std::min<std::int64_t>(count, text.size() - start + 1));
}

Text TextReplaceAt(const Text& text, std::int32_t start, std::int32_t count,
                   const std::optional<Text>& replacement) {
    const std::int64_t position = std::clamp<std::int64_t>(start, 1, text.size() + 1);
    const std::int64_t removed = std::clamp<std::int64_t>(count, 0, text.size() - position + 1);
    const Text before = Slice(text, 0, position - 1);
    const Text after = Slice(text, position - 1 + removed, text.size());
    return TextConcat(before, replacement.value_or(Text()), after);
}

Text TextToUpper(const Text& text) {
    return MapSingleBytes(text, [](unsigned char b) { return b >= 'a' && b <= 'z' ? b - 32 : b; });
}

Text TextToLower(const Text& text) {
    return MapSingleBytes(text, [](unsigned char b) { return b >= 'A' && b <= 'Z' ? b + 32 : b; });
}

double TextToNumber(const Text& text) {
    const std::string folded = FoldFullWidth(text.view());
    std::size_t begin = 0;
    while (begin < folded.size() && IsBlank(folded[begin])) {
        ++begin;
    }
    const std::string number = DecimalPrefix(std::string_view(folded).substr(begin));
    if (number.empty()) {
        return 0.0;
    }
    // The program never changes the C locale, so "." is the decimal point; a magnitude
    // beyond the range of reals gives infinity with its sign.
    return std::strtod(number.c_str(), nullptr);
}

Text NumberToText(std::int32_t number) {
    return NumberToText(static_cast<std::int64_t>(number));
}

Text NumberToText(std::int64_t number) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, number);
    return Text(std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
}

Text NumberToText(double number) {
    if (std::isnan(number)) {
        return "nan";
    }
    if (std::isinf(number)) {
        return number < 0 ? "-inf" : "inf";
    }
    char formatted[40];
    std::snprintf(formatted, sizeof formatted, "%.13g", number);
    std::string text = formatted;
    // C libraries differ in the exponent's width; the program always writes three digits.
    const std::size_t e = text.find('e');
    if (e != std::string::npos) {
        const int exponent = std::atoi(text.c_str() + e + 1);
        char tail[16];
        std::snprintf(tail, sizeof tail, "e%c%03d", exponent < 0 ? '-' : '+', std::abs(exponent));
        text.replace(e, std::string::npos, tail);
    }
    return Text(text);
}

std::int32_t CharCode(const Text& text, std::int32_t position) {
    if (position < 1 || position > text.size()) {
        return 0;
    }
    return static_cast<signed char>(text.at(position - 1));
}

Text CharFromCode(std::int32_t code) {
    const char byte[2] = {static_cast<char>(code & 0xFF), '\0'};
    return Text(byte);
}

Text HexText(std::int32_t number) {
    char digits[12];
    std::snprintf(digits, sizeof digits, "%X", static_cast<unsigned int>(number));
    return Text(digits);
}

std::int64_t RealToInteger(double real) {
    constexpr double kLimit = 9223372036854775808.0; // 2^63
    if (!(real >= -kLimit && real < kLimit)) {       // false for NaN too
        return std::numeric_limits<std::int64_t>::min();
    }
    return static_cast<std::int64_t>(real);
}

std::int32_t RealToInteger32(double real) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(RealToInteger(real)));
}
