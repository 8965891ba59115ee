// Comparing, searching and building Text and Bytes values. No operation fails:
// positions and counts outside a value give an empty result, 0 or -1.
#include "Text.h"

#include <algorithm>

#include "CodePage.h"

namespace {

unsigned char FoldAscii(unsigned char byte) {
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte + ('a' - 'A')) : byte;
}

std::int32_t Sign(std::int64_t difference) {
    return difference < 0 ? -1 : difference > 0;
}

// One character of a case-insensitive comparison; nothing when the text has ended.
struct CaseFoldedReader {
    const Text& text;
    std::int32_t index = 0;
    bool failed = false;

    std::optional<std::int32_t> Next() {
        if (index >= text.size()) {
            return std::nullopt;
        }
        const unsigned char first = text.at(index);
        if (!codepage::IsLeadByte(first)) {
            ++index;
            return FoldAscii(first);
        }
        if (index + 1 >= text.size()) { // a first byte without its second ends the text
            index = text.size();
            return std::nullopt;
        }
        const unsigned char second = text.at(index + 1);
        index += 2;
        const std::optional<std::int32_t> upper = codepage::UpperDoubleByte(first, second);
        failed = !upper;
        return upper.value_or(0);
    }
};

std::int32_t CompareIgnoringCase(const Text& a, const Text& b) {
    CaseFoldedReader left{a}, right{b};
    for (;;) {
        const std::optional<std::int32_t> x = left.Next();
        const std::optional<std::int32_t> y = right.Next();
        if (left.failed || right.failed) {
            return kCaseMappingFailed;
        }
        if (!x || !y) {
            return Sign(static_cast<int>(x.has_value()) - static_cast<int>(y.has_value()));
        }
        if (*x != *y) {
            return Sign(*x - *y);
        }
    }
}

} // namespace

std::int32_t TextCompare(const Text& a, const Text& b, bool caseSensitive) {
    if (!caseSensitive) {
        return CompareIgnoringCase(a, b);
    }
    // string_view compares bytes as unsigned char, shorter prefix first.
    return Sign(a.view().compare(b.view()));
}

std::int32_t TextFind(const Text& text, const Text& pattern, std::optional<std::int32_t> start,
                      bool ignoreCase) {
    const std::int64_t length = text.size();
    std::int64_t candidate = std::max<std::int64_t>(start.value_or(1), 1) - 1; // 0-based
    if (candidate >= length) {
        return -1;
    }
    if (pattern.empty()) {
        return 1;
    }
    const auto sameByte = [ignoreCase](unsigned char x, unsigned char y) {
        return ignoreCase ? FoldAscii(x) == FoldAscii(y) : x == y;
    };
    for (;;) {
        if (length - candidate < pattern.size()) {
            return -1;
        }
        const auto at = static_cast<std::int32_t>(candidate);
        bool match = true;
        for (std::int32_t i = 0; match && i < pattern.size(); ++i) {
            match = sameByte(text.at(at + i), pattern.at(i));
        }
        if (match) {
            return at + 1;
        }
        if (text.at(at) >= 0x80) { // the first byte of a double-byte character
            if (candidate + 1 >= length) {
                return -1;
            }
            candidate += 2;
        } else {
            candidate += 1;
        }
    }
}

Text BlankText(std::int32_t count) {
    return Text(std::string(static_cast<std::size_t>(std::max(count, 0)), ' '));
}

Bytes BlankBytes(std::int32_t count) {
    return Bytes(std::string(static_cast<std::size_t>(std::max(count, 0)), '\0'));
}

Bytes BytesLeft(const Bytes& bytes, std::int32_t count) {
    return Bytes(
        bytes.view().substr(0, static_cast<std::size_t>(std::clamp(count, 0, bytes.size()))));
}

Text BytesToText(const Bytes& bytes) {
    return Text(bytes.view());
}
