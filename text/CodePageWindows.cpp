// Code page 936 as Windows itself defines it: the system's lead-byte table and the
// case mapping of the characters through Unicode.
#include <windows.h>

#include "CodePage.h"

namespace codepage {

bool IsLeadByte(unsigned char byte) {
    return IsDBCSLeadByte(byte);
}

std::optional<std::int32_t> UpperDoubleByte(unsigned char lead, unsigned char trail) {
    const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
    WCHAR wide[2];
    if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, pair, 2, wide, 2) != 1) {
        return std::nullopt;
    }
    WCHAR upper[2];
    if (LCMapStringW(LOCALE_SYSTEM_DEFAULT, LCMAP_UPPERCASE, wide, 1, upper, 2) != 1) {
        return std::nullopt;
    }
    char mapped[4];
    BOOL lossy = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, upper, 1, mapped,
                                           sizeof mapped, nullptr, &lossy);
    // An upper case that the code page cannot write leaves the character as it is.
    if (length != 2 || lossy) {
        return 256 * lead + trail;
    }
    return 256 * static_cast<unsigned char>(mapped[0]) + static_cast<unsigned char>(mapped[1]);
}

} // namespace codepage
