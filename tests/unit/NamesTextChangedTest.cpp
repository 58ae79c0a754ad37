#include "Handlers.h"
#include "WorkflowTest.h"

namespace {

using NamesTextChanged = WorkflowTest;

TEST_F(NamesTextChanged, RebuildsNameListFromTheWholeTextAtEveryChange) {
    window.type(编辑框2, "a\r\nb");
    EXPECT_EQ(names(), (std::vector<std::string>{"a", "b"}));
    window.type(编辑框2, "c\r\n\r\nd\r\n");
    EXPECT_EQ(names(), (std::vector<std::string>{"c", "", "d"}));
    window.type(编辑框2, "");
    EXPECT_EQ(names(), std::vector<std::string>{});
}

TEST_F(NamesTextChanged, EnablesStartWhenLinesMatchTheOldNamesAndNeverDisablesIt) {
    window.items(列表框1) = {"x", "y", "z"};

    window.type(编辑框2, "1\r\n2");
    EXPECT_TRUE(window.disabled(按钮3));
    window.type(编辑框2, "1\r\n2\r\n");  // a final line break adds no line
    EXPECT_TRUE(window.disabled(按钮3));
    window.type(编辑框2, "1\r\n2\r\n3");  // the first character of the third line does
    EXPECT_FALSE(window.disabled(按钮3));
    window.type(编辑框2, "1\r\n2");  // deleting a line leaves it enabled
    EXPECT_FALSE(window.disabled(按钮3));
}

TEST_F(NamesTextChanged, EnablesStartForAnEmptyTextAndAnEmptyList) {
    window.type(编辑框2, "");
    EXPECT_FALSE(window.disabled(按钮3));
}

TEST_F(NamesTextChanged, CountsEmptyLinesAsNames) {
    window.items(列表框1) = {"x", "y"};
    window.type(编辑框2, "\r\n\r\n");
    EXPECT_EQ(names(), (std::vector<std::string>{"", ""}));
    EXPECT_FALSE(window.disabled(按钮3));
}

}  // namespace
