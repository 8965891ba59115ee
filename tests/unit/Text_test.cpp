// Text and Bytes: searching, comparing, joining and building, at the edges where
// positions fall outside a value or inside a double-byte character.
#include <gtest/gtest.h>

#include "text/Text.h"

namespace {

// "\xB0\xA1" is one GB2312 character; bytes are written out where they matter.
struct FindCase {
    const char* text;
    const char* pattern;
    std::optional<std::int32_t> start;
    bool ignoreCase;
    std::int32_t expected;
};

const FindCase kFindCases[] = {
    {"abcabc", "bc", std::nullopt, false, 2},
    {"abcabc", "bc", 3, false, 5},
    {"abcabc", "bc", 0, false, 2},
    {"abcabc", "bc", -5, false, 2},
    {"abcabc", "bc", 6, false, -1}, // only "c" is left
    {"abcabc", "bc", 7, false, -1},
    {"abc", "", 2, false, 1}, // an empty pattern matches at 1 whatever the start
    {"abc", "", 4, false, -1},
    {"", "", std::nullopt, false, -1},
    {"\xB0\xA1"
     "abc",
     "abc", std::nullopt, false, 3},
    // From 2 the scan takes A1 61 as one character and goes on at position 4.
    {"\xB0\xA1"
     "abc",
     "abc", 2, false, -1},
    {"\xB0\xA1"
     "abc",
     "\xA1"
     "a",
     std::nullopt, false, -1}, // a match never begins on a second byte
    {"ABCdef", "cDE", std::nullopt, true, 3},
    {"ABCdef", "cDE", std::nullopt, false, -1},
    {"ab\xB0", "\xB0", std::nullopt, false, 3},       // a last lone first byte still matches
    {"ab\xB0", "x", std::nullopt, false, -1},         // and ends the scan
    {"\x81Z", "z", std::nullopt, true, -1},           // folded second bytes are still skipped
    {"\x81Zz", "z", std::nullopt, true, 3},           //
    {"\xFF\x80\x80", "\x80", std::nullopt, false, 3}, // the high bit alone decides pairs
};

TEST(TextFind, FollowsPositionsAndTheDoubleByteRule) {
    for (const FindCase& c : kFindCases) {
        EXPECT_EQ(TextFind(Text(c.text), Text(c.pattern), c.start, c.ignoreCase), c.expected)
            << "text=" << c.text << " pattern=" << c.pattern
            << " start=" << (c.start ? std::to_string(*c.start) : "none");
    }
}

struct CompareCase {
    const char* a;
    const char* b;
    bool caseSensitive;
    std::int32_t expected;
};

const CompareCase kCompareCases[] = {
    {"", "", true, 0},
    {"a", "b", true, -1},
    {"ab", "a", true, 1},
    {"a", "ab", true, -1},
    {"\xB0", "a", true, 1}, // bytes compare unsigned
    {"POST", "post", true, -1},
    {"HTTP://", "http://", false, 0},
    {"http:/", "http://", false, -1},
    {"Http://x", "hTTP://X", false, 0},
    {"[", "a", false, -1}, // "A".."Z" fold to lower case before comparing: '[' < 'a'
    // Double-byte characters compare by their code page's upper case.
    {"\xA3\xE1", "\xA3\xC1", false, 0}, // full-width a against A
    {"\xA6\xC1", "\xA6\xA1", false, 0}, // Greek alpha
    {"\xA3\xE1", "\xA3\xC1", true, 1},
    {"\xB0\xA1", "\xB0\xA2", false, -1},
    {"a\xB0", "a", false, 0}, // a lone first byte at the end ends the text
    {"\x81\x30", "\x81\x30", false, kCaseMappingFailed}, // not a character of the code page
};

TEST(TextCompare, OrdersBytesAndFoldsCaseByCharacter) {
    for (const CompareCase& c : kCompareCases) {
        EXPECT_EQ(TextCompare(Text(c.a), Text(c.b), c.caseSensitive), c.expected)
            << "a=" << c.a << " b=" << c.b << " caseSensitive=" << c.caseSensitive;
    }
}

TEST(TextCompare, UnsetTextEqualsEmptyText) {
    const Text unset;
    EXPECT_EQ(TextCompare(unset, ""), 0);
    EXPECT_EQ(TextCompare(Text(), Text(), false), 0);
}

TEST(Text, NeverHoldsNul) {
    EXPECT_EQ(Text(std::string_view("ab\0cd", 5)), Text("ab"));
    EXPECT_EQ(TextLength(Text(std::string_view("\0a", 2))), 0);
}

TEST(TextConcat, JoinsAllPartsInOrder) {
    EXPECT_EQ(TextConcat(Text("a"), Text(), Text("b")), Text("ab"));
    EXPECT_EQ(TextConcat("", ""), Text());
    const Text u = "u", p = "p";
    EXPECT_EQ(TextConcat("http://h/f.php?username=", u, "&password=", p, "&to=", Text("1"),
                         "&message=", Text("m")),
              Text("http://h/f.php?username=u&password=p&to=1&message=m"));
}

TEST(BytesConcat, KeepsNulBytesAndValueSemantics) {
    const Bytes a(std::string_view("a\0", 2));
    const Bytes b(std::string_view("\0b", 2));
    EXPECT_EQ(BytesConcat(a, b), Bytes(std::string_view("a\0\0b", 4)));
    EXPECT_EQ(BytesConcat(Bytes(), Bytes()), Bytes());

    Bytes accumulated(std::string_view("xy"));
    const Bytes before = accumulated;
    accumulated = BytesConcat(std::move(accumulated), a);
    EXPECT_EQ(accumulated, Bytes(std::string_view("xya\0", 4)));
    EXPECT_EQ(before, Bytes(std::string_view("xy")));
}

TEST(BytesToText, EndsBeforeTheFirstNul) {
    EXPECT_EQ(BytesToText(Bytes(std::string_view("ab\0c", 4))), Text("ab"));
    EXPECT_EQ(BytesToText(Bytes(std::string_view("\0a", 2))), Text());
    EXPECT_EQ(BytesToText(Bytes()), Text());
    EXPECT_EQ(BytesToText(Bytes(std::string_view("\xB6\xCC"))), Text("\xB6\xCC"));
}

struct LeftCase {
    std::int32_t count;
    const char* expected;
    std::int32_t expectedLength;
};

TEST(BytesLeft, MovesTheCountIntoRange) {
    const Bytes bytes(std::string_view("\x01\x02\x03", 3));
    for (const LeftCase& c : {LeftCase{2, "\x01\x02", 2}, LeftCase{5, "\x01\x02\x03", 3},
                              LeftCase{-1, "", 0}, LeftCase{0, "", 0}}) {
        EXPECT_EQ(BytesLeft(bytes, c.count), Bytes(std::string_view(c.expected, c.expectedLength)))
            << "count=" << c.count;
    }
}

TEST(Blanks, AreSpacesOrNulBytes) {
    EXPECT_EQ(BlankText(3), Text("   "));
    EXPECT_EQ(BlankText(0), Text());
    EXPECT_EQ(BlankText(-2), Text());
    EXPECT_EQ(BlankBytes(3), Bytes(std::string_view("\0\0\0", 3)));
    EXPECT_EQ(BytesLength(BlankBytes(-1)), 0);
}

} // namespace
