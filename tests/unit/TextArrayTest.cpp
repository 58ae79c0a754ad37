#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeWindow.h"
#include "TextArray.h"

namespace {

// "" stands for an absent element.
std::vector<std::string> pieces(const TextArray& array) {
    std::vector<std::string> result;
    for (std::int32_t i = 1; i <= elementCount(array); ++i) {
        const TextRef element = elementAt(array, i);
        EXPECT_EQ(element.isAbsent(), element.length() == 0) << "empty pieces are absent";
        result.emplace_back(element.view());
    }
    return result;
}

struct SplitCase {
    std::string text;
    std::vector<std::string> expected;
    friend std::ostream& operator<<(std::ostream& out, const SplitCase& c) {
        return out << ::testing::PrintToString(c.text);
    }
};

class SplitTextByLineBreak : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTextByLineBreak, GivesTheLines) {
    const SplitCase& c = GetParam();
    const TextArray array = splitText(TextRef(c.text.data(), c.text.size()), "\r\n");
    EXPECT_EQ(array.dimensionCount(), 1);
    EXPECT_EQ(pieces(array), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SplitTextByLineBreak,
    ::testing::Values(
        SplitCase{"", {}},
        SplitCase{"A", {"A"}},
        SplitCase{"A\r\n", {"A"}},
        SplitCase{"A\r\nB", {"A", "B"}},
        SplitCase{"A\r\nB\r\n", {"A", "B"}},
        SplitCase{"A\r\n\r\n", {"A", ""}},
        SplitCase{"A\r\n\r\nB", {"A", "", "B"}},
        SplitCase{"\r\n", {""}},
        SplitCase{"\r\nA", {"", "A"}},
        SplitCase{"\r\n\r\n", {"", ""}},
        SplitCase{"A\rB\n", {"A\rB\n"}},
        SplitCase{"A\r\r\nB", {"A\r", "B"}},
        // A byte of 0x80 or above takes the CR as its second byte: no line break there.
        SplitCase{"A\x80\r\nB", {"A\x80\r\nB"}},
        SplitCase{"A\xd5\x66\r\nB", {"A\xd5\x66", "B"}},
        // A lead byte with nothing after it ends the scan but stays in the last piece.
        SplitCase{"A\r\nB\x81", {"A", "B\x81"}},
        SplitCase{"\x81", {"\x81"}},
        // The second byte of a two-byte character is never the start of a separator.
        SplitCase{"\x81\r\n\r\nB", {"\x81\r\n", "B"}},
        SplitCase{"说明\r\n文件夹\r\n", {"说明", "文件夹"}}));

TEST(SplitText, GivesOnePiecePerTerminatedLineEvenWhenEmpty) {
    std::string text;
    std::vector<std::string> expected;
    for (int i = 0; i < 1000; ++i) {
        const std::string line = i % 3 == 0 ? "" : "name" + std::to_string(i);
        text += line + "\r\n";
        expected.push_back(line);
    }
    EXPECT_EQ(pieces(splitText(TextRef(text.data(), text.size()), "\r\n")), expected);
}

TEST(SplitText, StopsCuttingAtTheLargestNumberOfPieces) {
    EXPECT_EQ(pieces(splitText("a,b,c,d", ",", 2)), (std::vector<std::string>{"a", "b,c,d"}));
    EXPECT_EQ(pieces(splitText("a,b", ",", 0)), (std::vector<std::string>{"a", "b"}));
}

TEST(SplitText, LeavesTheTextItSplitUnchanged) {
    const Text text(std::string("a\r\nb\r\n"));
    const TextArray array = splitText(text, "\r\n");
    EXPECT_EQ(text.view(), "a\r\nb\r\n");
    EXPECT_STREQ(elementAt(array, 1).data(), "a");  // elements are zero-terminated texts
}

TEST(ElementAt, IsFatalOutsideTheArrayAndTellsTheTwoSidesApart) {
    const TextArray array = splitText("a\r\nb", "\r\n");
    std::string tooSmall, beyond;
    try {
        elementAt(array, 0);
    } catch (const FatalErrorReported& e) {
        tooSmall = e.what;
    }
    try {
        elementAt(array, 3);
    } catch (const FatalErrorReported& e) {
        beyond = e.what;
    }
    EXPECT_NE(tooSmall.find("太小"), std::string::npos) << tooSmall;
    EXPECT_NE(beyond.find("超出"), std::string::npos) << beyond;

    EXPECT_THROW(elementAt(TextArray::oneDimension(), 1), FatalErrorReported);
    EXPECT_THROW(elementAt(array, -1), FatalErrorReported);
    EXPECT_EQ(elementAt(array, 2).view(), "b");
}

TEST(TextArray, HasNoElementsWithoutDimensionsOrWithSizeZero) {
    EXPECT_EQ(elementCount(TextArray()), 0);
    EXPECT_EQ(elementCount(TextArray::oneDimension()), 0);
    TextArray array = TextArray::oneDimension();
    array.append("x");
    array.append("");
    EXPECT_EQ(pieces(array), (std::vector<std::string>{"x", ""}));
    releaseTextArray(std::move(array));
}

}  // namespace
