#include <gtest/gtest.h>

#include "Text.h"

namespace {

TEST(CompareText, OrdersBytesAsUnsignedAndTreatsAbsentAsEmpty) {
    struct Case {
        TextRef a, b;
        int expected;
    };
    const Text empty(std::string(""));
    const Case cases[] = {
        {TextRef(), TextRef(), 0},
        {TextRef(), "", 0},
        {TextRef(), empty, 0},
        {"", TextRef(), 0},
        {TextRef(), "a", -1},
        {"a", TextRef(), 1},
        {"ab", "ab", 0},
        {"ab", "abc", -1},      // a proper beginning is smaller
        {"abc", "ab", 1},
        {"a", "A", 1},          // no case folding
        {"\x80", "\x7f", 1},    // 0x80 and above are greater than every byte below
        {"\xff", "z", 1},
        {"x\x80", "x\x01", 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(compareText(c.a, c.b), c.expected) << '"' << c.a.view() << "\" vs \"" << c.b.view() << '"';
    }
}

TEST(CompareText, SeesBytesAfterAnEmbeddedZeroOnlyThroughLength) {
    // Texts end at their length, not at the first zero: equal prefixes of different length differ.
    EXPECT_EQ(compareText(TextRef("a\0b", 3), TextRef("a\0b", 3)), 0);
    EXPECT_EQ(compareText(TextRef("a", 1), TextRef("a\0", 2)), -1);
}

TEST(ConcatTexts, JoinsPartsAndIsAlwaysPresent) {
    const Text all = concatTexts({"第", TextRef(), "12", "", "和"});
    EXPECT_EQ(all.view(), "第12和");
    EXPECT_FALSE(all.isAbsent());

    const Text none = concatTexts({TextRef(), "", TextRef()});
    EXPECT_FALSE(none.isAbsent());
    EXPECT_EQ(textLength(none), 0u);
}

TEST(ConcatTexts, LeavesItsPartsUntouched) {
    const Text part(std::string("abc"));
    const Text joined = concatTexts({part, part});
    EXPECT_EQ(joined.view(), "abcabc");
    EXPECT_EQ(part.view(), "abc");
}

TEST(TextLength, CountsBytes) {
    EXPECT_EQ(textLength(TextRef()), 0u);
    EXPECT_EQ(textLength("说"), 2u);  // one character of code page 936, two bytes
    EXPECT_EQ(textLength("a\r\n"), 3u);
}

TEST(IntegerToText, WritesPlainDecimalDigits) {
    EXPECT_EQ(integerToText(1).view(), "1");
    EXPECT_EQ(integerToText(20000).view(), "20000");
    EXPECT_EQ(integerToText(2147483647).view(), "2147483647");
}

}  // namespace
