// The ANSI code page's table of double-byte first bytes and its case mapping,
// which only the case-insensitive TextCompare needs.
#pragma once

#include <cstdint>
#include <optional>

namespace codepage {

bool IsLeadByte(unsigned char byte);

// The upper-case form of one double-byte character, as 256 * first byte + second byte;
// nothing when the pair is not a character of the code page.
std::optional<std::int32_t> UpperDoubleByte(unsigned char lead, unsigned char trail);

} // namespace codepage
