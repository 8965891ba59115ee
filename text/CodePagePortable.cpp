// Code page 936 away from Windows: GBK's lead bytes, and the case pairs of GB2312
// (full-width Latin, Greek, Cyrillic), which agree with what Windows maps.
#include "CodePage.h"

namespace codepage {

bool IsLeadByte(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}

std::optional<std::int32_t> UpperDoubleByte(unsigned char lead, unsigned char trail) {
    if (!IsLeadByte(lead) || trail < 0x40 || trail == 0x7F || trail == 0xFF) {
        return std::nullopt;
    }
    struct CaseRow {
        unsigned char lead, firstLower, lastLower, firstUpper;
    };
    static constexpr CaseRow kRows[] = {
        {0xA3, 0xE1, 0xFA, 0xC1}, // full-width a-z
        {0xA6, 0xC1, 0xD8, 0xA1}, // Greek
        {0xA7, 0xD1, 0xF1, 0xA1}, // Cyrillic
    };
    for (const CaseRow& row : kRows) {
        if (lead == row.lead && trail >= row.firstLower && trail <= row.lastLower) {
            return 256 * lead + (trail - row.firstLower + row.firstUpper);
        }
    }
    return 256 * lead + trail;
}

} // namespace codepage
