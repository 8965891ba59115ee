// Cutting texts by position, ASCII case conversion, and conversions between texts,
// numbers and character codes.
#pragma once

#include <cstdint>
#include <optional>

#include "Text.h"

// Cutting. Counts and positions outside the text give the empty text.
Text TextLeft(const Text& text, std::int32_t count);
Text TextRight(const Text& text, std::int32_t count);
Text TextMid(const Text& text, std::int32_t start, std::int32_t count);
// Deletes count bytes at start (moved into 1..length+1), then inserts the replacement there.
Text TextReplaceAt(const Text& text, std::int32_t start, std::int32_t count,
                   const std::optional<Text>& replacement = std::nullopt);

// ASCII letters only; second bytes of double-byte characters never change.
Text TextToUpper(const Text& text);
Text TextToLower(const Text& text);

// The number at the start of the text (full-width digits and signs count), 0 when none.
double TextToNumber(const Text& text);
Text NumberToText(std::int32_t number);
Text NumberToText(std::int64_t number);
// The "%.13g" form with a three-digit exponent ("1e+013") on every platform.
Text NumberToText(double number);

// A byte as a signed value -128..127; 0 outside the text.
std::int32_t CharCode(const Text& text, std::int32_t position);
// One byte, the low 8 bits of the code; the empty text when they are 0.
Text CharFromCode(std::int32_t code);
// Upper-case hexadecimal of the unsigned 32-bit value, no leading zeros.
Text HexText(std::int32_t number);

// Truncation toward zero; -2^63 for a value outside the 64-bit range or not a number.
std::int64_t RealToInteger(double real);
// The low 32 bits of RealToInteger, read as two's complement.
std::int32_t RealToInteger32(double real);
