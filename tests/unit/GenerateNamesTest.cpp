#include "Handlers.h"
#include "WorkflowTest.h"

namespace {

class GenerateNames : public WorkflowTest {
protected:
    void inputs(const std::string& find, const std::string& replacement, const std::string& prefix,
                const std::string& suffix) {
        window.type(编辑框5, find);
        window.type(编辑框6, replacement);
        window.type(编辑框3, prefix);
        window.type(编辑框4, suffix);
    }
};

struct GenerateCase {
    std::vector<std::string> oldNames;
    std::string find, replacement, prefix, suffix;
    std::vector<std::string> expected;
    friend std::ostream& operator<<(std::ostream& out, const GenerateCase& c) {
        return out << ::testing::PrintToString(c.oldNames) << " find " << ::testing::PrintToString(c.find);
    }
};

class GenerateNamesCases : public GenerateNames, public ::testing::WithParamInterface<GenerateCase> {};

TEST_P(GenerateNamesCases, WritesOneLinePerOldName) {
    const GenerateCase& c = GetParam();
    window.items(列表框1) = c.oldNames;
    inputs(c.find, c.replacement, c.prefix, c.suffix);

    onGenerateNamesClicked();

    std::string text;
    for (const std::string& name : c.expected) text += name + "\r\n";
    EXPECT_EQ(window.text(编辑框2), text);
    EXPECT_EQ(names(), c.expected);
    EXPECT_FALSE(window.disabled(按钮3));
    EXPECT_TRUE(window.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GenerateNamesCases,
    ::testing::Values(
        GenerateCase{{"abXab"}, "ab", "Z", "", "", {"ZXab"}},
        GenerateCase{{"abXab"}, "ab", "", "", "", {"Xab"}},
        GenerateCase{{"a1", "b2"}, "", "ignored", "pre_", "_suf", {"pre_a1_suf", "pre_b2_suf"}},
        GenerateCase{{"ab"}, "AB", "Z", "", "", {"ab"}},
        GenerateCase{{"ab"}, "abc", "Z", "<", ">", {"<ab>"}},
        GenerateCase{{"說f"}, "f", "g", "", "", {"說g"}},
        GenerateCase{{"第一季", "第二季"}, "季", "集", "剧_", "", {"剧_第一集", "剧_第二集"}},
        // Only new names are compared: xa is an old name, not a new one.
        GenerateCase{{"a", "xa"}, "", "", "x", "", {"xa", "xxa"}},
        // Names that differ only in case are not duplicates.
        GenerateCase{{"A1", "a"}, "1", "", "", "", {"A", "a"}}));

TEST_F(GenerateNames, ReportsEveryPairOfEqualNamesInOrderAndDisablesStart) {
    window.items(列表框1) = {"ab", "b", "ba"};
    inputs("a", "", "", "");

    onGenerateNamesClicked();

    EXPECT_EQ(names(), (std::vector<std::string>{"b", "b", "b"}));
    EXPECT_EQ(window.messageTexts(), (std::vector<std::string>{"第1和2名字相同,请更改一个名字",
                                                               "第1和3名字相同,请更改一个名字",
                                                               "第2和3名字相同,请更改一个名字"}));
    EXPECT_FALSE(window.messages[0].button3DisabledBefore) << "generation enables first, each pair then disables";
    EXPECT_TRUE(window.disabled(按钮3));
}

TEST_F(GenerateNames, ReportsThePairsOfSeveralGroupsOfEqualNamesInAscendingOrder) {
    window.items(列表框1) = {"a1", "b1", "1a", "1b", "a"};  // new names a, b, a, b, a
    inputs("1", "", "", "");

    onGenerateNamesClicked();

    EXPECT_EQ(window.messageTexts(), (std::vector<std::string>{"第1和3名字相同,请更改一个名字",
                                                               "第1和5名字相同,请更改一个名字",
                                                               "第2和4名字相同,请更改一个名字",
                                                               "第3和5名字相同,请更改一个名字"}));
    EXPECT_TRUE(window.disabled(按钮3));
}

TEST_F(GenerateNames, ReportsEmptyNamesThatAreEqual) {
    window.items(列表框1) = {"x", "y", "xz"};
    inputs("x", "", "", "");
    onGenerateNamesClicked();
    EXPECT_EQ(names(), (std::vector<std::string>{"", "y", "z"}));
    EXPECT_TRUE(window.messages.empty());

    inputs("x", "", "", "");
    window.items(列表框1) = {"x", "y", "x"};
    onGenerateNamesClicked();
    EXPECT_EQ(window.messageTexts(), std::vector<std::string>{"第1和3名字相同,请更改一个名字"});
}

TEST_F(GenerateNames, WithNoOldNamesEmptiesTheBoxAndEnablesStart) {
    window.type(编辑框2, "typed\r\n");
    onGenerateNamesClicked();
    EXPECT_EQ(window.text(编辑框2), "");
    EXPECT_EQ(names(), std::vector<std::string>{});
    EXPECT_FALSE(window.disabled(按钮3));
    EXPECT_TRUE(window.messages.empty());
}

TEST_F(GenerateNames, RebuildsNameListOnceForTheEmptyingAndOncePerLine) {
    window.items(列表框1) = {"a", "b", "c", "d"};
    window.namesTextChangedCount = 0;
    onGenerateNamesClicked();
    EXPECT_EQ(window.namesTextChangedCount, 5);
}

TEST_F(GenerateNames, DiscardsEditsWhenClickedAgain) {
    window.items(列表框1) = {"a", "b"};
    inputs("", "", "n_", "");
    onGenerateNamesClicked();
    window.type(编辑框2, "edited\r\n");
    onGenerateNamesClicked();
    EXPECT_EQ(window.text(编辑框2), "n_a\r\nn_b\r\n");
}

TEST_F(GenerateNames, ReadsTheInputsAgainForEveryName) {
    // The four boxes are read per name: what they hold when each line is made counts.
    window.items(列表框1) = {"a", "b", "c"};
    onGenerateNamesClicked();
    int reads = 0;
    for (const std::string& call : window.calls) {
        for (ControlNumber box : {编辑框3, 编辑框4, 编辑框5, 编辑框6}) {
            if (call == "read " + std::to_string(box)) ++reads;
        }
    }
    EXPECT_EQ(reads, 3 * 4);
}

}  // namespace
