// Fuzzes the text operations and URL splitting with arbitrary bytes and positions and
// checks what must hold for every input; sanitizers catch the rest.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "http/Url.h"
#include "text/TextConvert.h"

namespace {

#define Require(condition) Check(condition, #condition)

void Check(bool holds, const char* condition) {
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", condition);
        std::abort();
    }
}

bool HoldsNoNul(const Text& text) {
    return std::strlen(text.c_str()) == static_cast<std::size_t>(text.size());
}

std::int32_t TakeInt(std::string_view& input) {
    std::int32_t value = 0;
    if (input.size() >= sizeof value) {
        std::memcpy(&value, input.data(), sizeof value);
        input.remove_prefix(sizeof value);
    }
    return value;
}

// Small values hit the edges of short texts; the raw value hits overflow.
std::int32_t Position(std::int32_t raw) {
    return raw % 4 == 0 ? raw : raw % 40;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::int32_t a = Position(TakeInt(input));
    const std::int32_t b = Position(TakeInt(input));
    const std::size_t split =
        input.empty() ? 0 : static_cast<unsigned char>(input[0]) % (input.size() + 1);
    const Text text(input.substr(std::min<std::size_t>(1, input.size())));
    const Text pattern(input.substr(0, split));
    const std::int32_t length = TextLength(text);

    for (const bool ignoreCase : {false, true}) {
        const std::int32_t found = TextFind(text, pattern, a, ignoreCase);
        Require(found == -1 || (found >= 1 && found <= length));
        Require(found == -1 || found >= a || a < 1 || TextLength(pattern) == 0);
        if (found != -1 && !ignoreCase) {
            Require(TextMid(text, found, TextLength(pattern)) == pattern ||
                    TextLength(pattern) == 0);
        }
    }
    const std::int32_t order = TextCompare(text, pattern, true);
    Require(order == -TextCompare(pattern, text, true));
    Require((order == 0) == (text == pattern));
    const std::int32_t folded = TextCompare(text, pattern, false);
    Require(folded == -1 || folded == 0 || folded == 1 || folded == kCaseMappingFailed);

    const Text pieces[] = {TextLeft(text, a),
                           TextRight(text, a),
                           TextMid(text, a, b),
                           TextReplaceAt(text, a, b),
                           TextReplaceAt(text, a, b, pattern),
                           TextToUpper(text),
                           TextToLower(text),
                           NumberToText(TextToNumber(text)),
                           CharFromCode(a),
                           HexText(a)};
    for (const Text& piece : pieces) {
        Require(HoldsNoNul(piece));
    }
    Require(TextLength(TextLeft(text, a)) == std::max(0, std::min(a, length)));
    Require(TextLength(TextToUpper(text)) == length);
    Require(TextToLower(TextToLower(text)) == TextToLower(text));
    Require(TextConcat(TextLeft(text, a), TextReplaceAt(text, 1, a)) == text || a < 0);
    const std::int32_t code = CharCode(text, a);
    Require(code >= -128 && code <= 127);
    Require(BytesToText(Bytes(input)) == Text(input));

    const Text host = UrlGetHost(text);
    const Text path = UrlGetPath(text);
    Require(HoldsNoNul(host) && HoldsNoNul(path));
    Require(host == TextToLower(host));
    Require(TextLeft(path, 1) == Text("/"));
    Require(TextLength(path) <= std::max(1, length));
    UrlGetPort(text);
    return 0;
}
