// Cutting, case and number conversions: results outside a text, the double-byte rule,
// and number formats that must not depend on the C library.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "text/TextConvert.h"

namespace {

TEST(TextCutting, GivesEmptyTextOutsideTheText) {
    EXPECT_EQ(TextLeft("abc", 2), Text("ab"));
    EXPECT_EQ(TextLeft("abc", 5), Text("abc"));
    EXPECT_EQ(TextLeft("abc", 0), Text());
    EXPECT_EQ(TextRight("abc", 2), Text("bc"));
    EXPECT_EQ(TextRight("abc", 9), Text("abc"));
    EXPECT_EQ(TextRight("abc", -1), Text());
    EXPECT_EQ(TextMid("abcdef", 3, 2), Text("cd"));
    EXPECT_EQ(TextMid("abcdef", 5, 10), Text("ef"));
    EXPECT_EQ(TextMid("abcdef", 0, 2), Text()); // a start below 1 is not moved to 1
    EXPECT_EQ(TextMid("abcdef", 7, 1), Text());
    EXPECT_EQ(TextMid("abcdef", 2, INT32_MAX), Text("bcdef"));
    EXPECT_EQ(TextMid("abcdef", INT32_MIN, INT32_MAX), Text());
}

struct ReplaceCase {
    const char* text;
    std::int32_t start, count;
    std::optional<Text> replacement;
    const char* expected;
};

TEST(TextReplaceAt, DeletesThenInserts) {
    const ReplaceCase cases[] = {
        {"abcdefghij", 1, 7, std::nullopt, "hij"},
        {"abc", 1, 7, std::nullopt, ""},
        {"abc", 0, 1, std::nullopt, "bc"},
        {"abc", 2, 1, Text("XY"), "aXYc"},
        {"abc", 9, 1, Text("X"), "abcX"},
        {"abc", 2, -3, Text("X"), "aXbc"},
        {"abc", INT32_MIN, INT32_MAX, std::nullopt, ""},
        {"abc", INT32_MAX, INT32_MAX, std::nullopt, "abc"},
    };
    for (const ReplaceCase& c : cases) {
        EXPECT_EQ(TextReplaceAt(c.text, c.start, c.count, c.replacement), Text(c.expected))
            << c.text << " start=" << c.start << " count=" << c.count;
    }
}

TEST(TextCase, ChangesAsciiLettersOnlyAndNeverSecondBytes) {
    EXPECT_EQ(TextToUpper("aBc1"), Text("ABC1"));
    EXPECT_EQ(TextToLower("aBc1"), Text("abc1"));
    EXPECT_EQ(TextToUpper("\x81"
                          "ab"),
              Text("\x81"
                   "aB"));
    EXPECT_EQ(TextToLower("\xB0Z\xA3\xC1Q"), Text("\xB0Z\xA3\xC1q")); // full-width stays
    EXPECT_EQ(TextToLower("A\xFF"), Text("a\xFF"));                   // lone last first byte
}

struct NumberCase {
    const char* text;
    double expected;
};

TEST(TextToNumber, ReadsTheNumberAtTheStart) {
    const NumberCase cases[] = {
        {"80", 80},
        {" 80", 80},
        {"80abc", 80},
        {"+80", 80},
        {"", 0},
        {"abc", 0},
        {"0x50", 0},
        {".", 0},
        {".5", 0.5},
        {"-3.5", -3.5},
        {"1e3", 1000},
        {"1d3", 1000},
        {"1D-2", 0.01},
        {"12e", 12},
        {"12e+", 12},
        {"1.2.3", 1.2},
        {"\t\n\v\f\r 7", 7},
        {"- 5", 0},
        {"\xA3\xB8\xA3\xB0", 80},         // full-width digits
        {"\xA1\xA1\xA3\xAD\xA3\xB1", -1}, // ideographic space, full-width minus
        {"\xB0\xA1"
         "5",
         0},
        {"0.1", 0.1},
    };
    for (const NumberCase& c : cases) {
        EXPECT_EQ(TextToNumber(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(TextToNumber, OverflowGivesSignedInfinity) {
    EXPECT_EQ(TextToNumber("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(TextToNumber("-1e999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(TextToNumber("1e-999"), 0.0);
}

struct RealTextCase {
    double number;
    const char* expected;
};

TEST(NumberToText, RealsUseThirteenDigitsAndThreeExponentDigits) {
    const RealTextCase cases[] = {
        {159.0, "159"},
        {-3.0, "-3"},
        {0.0, "0"},
        {158.5, "158.5"},
        {1.0 / 3.0, "0.3333333333333"},
        {1234567890123.0, "1234567890123"},
        {1e13, "1e+013"},
        {-321.0, "-321"},
        {0.0001, "0.0001"},
        {0.00001, "1e-005"},
        {1e300, "1e+300"},
        {2.5e-7, "2.5e-007"},
        {12345678901234.0, "1.234567890123e+013"},
    };
    for (const RealTextCase& c : cases) {
        EXPECT_EQ(NumberToText(c.number), Text(c.expected)) << c.expected;
    }
}

TEST(NumberToText, IntegersArePlainDecimal) {
    EXPECT_EQ(NumberToText(0), Text("0"));
    EXPECT_EQ(NumberToText(-42), Text("-42"));
    EXPECT_EQ(NumberToText(INT32_MIN), Text("-2147483648"));
    EXPECT_EQ(NumberToText(std::int64_t{1} << 40), Text("1099511627776"));
}

TEST(CharacterCodes, AreSignedBytes) {
    EXPECT_EQ(CharCode("A", 1), 65);
    EXPECT_EQ(CharCode("\xD6\xD0", 1), -42);
    EXPECT_EQ(CharCode("\xD6\xD0", 2), -48);
    EXPECT_EQ(CharCode("abc", 0), 0);
    EXPECT_EQ(CharCode("abc", 4), 0);
    EXPECT_EQ(CharCode("", 1), 0);
    EXPECT_EQ(CharFromCode(65), Text("A"));
    EXPECT_EQ(CharFromCode(0), Text());
    EXPECT_EQ(CharFromCode(256 + 66), Text("B"));
    EXPECT_EQ(CharFromCode(-42), Text("\xD6"));
}

TEST(HexText, IsUnsignedUpperCaseWithoutLeadingZeros) {
    EXPECT_EQ(HexText(255), Text("FF"));
    EXPECT_EQ(HexText(10), Text("A"));
    EXPECT_EQ(HexText(0), Text("0"));
    EXPECT_EQ(HexText(-1), Text("FFFFFFFF"));
}

TEST(RealToInteger, TruncatesAndMarksValuesOutOfRange) {
    EXPECT_EQ(RealToInteger(80.9), 80);
    EXPECT_EQ(RealToInteger(-5.5), -5);
    EXPECT_EQ(RealToInteger(-9223372036854775808.0), INT64_MIN);
    EXPECT_EQ(RealToInteger(9223372036854775808.0), INT64_MIN);
    EXPECT_EQ(RealToInteger(std::nan("")), INT64_MIN);
    EXPECT_EQ(RealToInteger(9223372036854774784.0), 9223372036854774784);
    EXPECT_EQ(RealToInteger32(3000000000.0), -1294967296);
    EXPECT_EQ(RealToInteger32(1e19), 0);
    EXPECT_EQ(RealToInteger32(-1.9), -1);
}

} // namespace
