#include <gtest/gtest.h>

#include <string>

#include "ReplaceText.h"

namespace {

struct ReplaceCase {
    std::string source, find, replacement;
    std::int32_t maxCount;
    std::string expected;
    friend std::ostream& operator<<(std::ostream& out, const ReplaceCase& c) {
        return out << ::testing::PrintToString(c.source) << " / " << ::testing::PrintToString(c.find) << " -> "
                   << ::testing::PrintToString(c.replacement) << " x" << c.maxCount;
    }
};

class ReplaceTextCases : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceTextCases, Replaces) {
    const ReplaceCase& c = GetParam();
    const Text result = replaceText(TextRef(c.source.data(), c.source.size()), TextRef(c.find.data(), c.find.size()),
                                    TextRef(c.replacement.data(), c.replacement.size()), c.maxCount);
    EXPECT_EQ(std::string(result.view()), c.expected);
    EXPECT_EQ(result.isAbsent(), c.expected.empty()) << "an empty result is absent";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceTextCases,
    ::testing::Values(
        ReplaceCase{"abXab", "ab", "Z", 1, "ZXab"},       // first occurrence only
        ReplaceCase{"abXab", "ab", "", 1, "Xab"},
        ReplaceCase{"abXab", "ab", "Z", -1, "ZXZ"},       // negative: no limit
        ReplaceCase{"abXab", "ab", "Z", 2, "ZXZ"},
        ReplaceCase{"aaa", "a", "b", -2147483647 - 1, "bbb"},  // the smallest count: no limit either
        ReplaceCase{"abXab", "ab", "Z", 0, "abXab"},      // maxCount 0 replaces none
        ReplaceCase{"ab", "AB", "Z", 1, "ab"},            // case matters
        ReplaceCase{"ab", "abc", "Z", 1, "ab"},           // find longer than the name
        ReplaceCase{"ab", "", "Z", 1, "ab"},              // empty find
        ReplaceCase{"", "a", "Z", 1, ""},
        ReplaceCase{"ab", "ab", "", 1, ""},               // everything replaced away
        ReplaceCase{"aaa", "aa", "b", 1, "ba"},
        ReplaceCase{"xyz", "z", "1234", 1, "xy1234"},
        // 說 is D5 66: its second byte is "f" and is never matched.
        ReplaceCase{"\xd5\x66" "f", "f", "g", 1, "\xd5\x66" "g"},
        ReplaceCase{"\xd5\x66", "f", "g", 1, "\xd5\x66"},
        ReplaceCase{"说明书", "明", "", 1, "说书"},
        // A lead byte that ends the name is kept: no byte of a name is lost.
        ReplaceCase{"ab\x81", "b", "c", 1, "ac\x81"},
        ReplaceCase{"a\x81", "z", "c", 1, "a\x81"},
        ReplaceCase{"\x81", "z", "c", 1, "\x81"},
        ReplaceCase{"a\x81", "\x81", "c", 1, "ac"}));

TEST(ReplaceText, GbkLiteralsAreCodePage936Bytes) {
    // The cases above rely on the build turning literals into code page 936 bytes.
    EXPECT_EQ(std::string("說f"), std::string("\xd5\x66" "f"));
}

}  // namespace
