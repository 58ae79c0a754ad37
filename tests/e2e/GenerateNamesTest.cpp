// 按钮2 "生成新名字": new names from the old ones, and the message about equal new names.

#include <gtest/gtest.h>

#include <string>

#include "FolderPicker.h"
#include "FolderTree.h"
#include "MessageBoxes.h"
#include "ProgramDriver.h"

namespace {

class GenerateNames : public ::testing::Test {
protected:
    // The program with the sub-folders "a" and "b" of a fresh folder listed as old names.
    void SetUp() override {
        folder.makeFolders({"a", "b"});
        before = folder.snapshot();
        program.click("按钮1");
        pickFolder(program, folder.path());
    }

    FolderTree folder;
    FolderTree::Snapshot before;
    ProgramDriver program;
};

TEST_F(GenerateNames, WritesOneNewNamePerOldNameAndEnablesStartRenaming) {
    program.type("编辑框3", "新-");
    program.click("按钮2");

    EXPECT_FALSE(messageBoxOpen(program));
    std::string expected;
    for (const std::string& old : program.items("列表框1")) expected += "新-" + old + "\r\n";
    EXPECT_EQ(program.text("编辑框2"), expected);
    EXPECT_TRUE(program.enabled("按钮3"));
    EXPECT_EQ(folder.snapshot(), before);
}

TEST_F(GenerateNames, ReportsEqualNewNamesAndKeepsStartRenamingDisabled) {
    program.type("编辑框5", "b");
    program.type("编辑框6", "a");
    program.click("按钮2");

    EXPECT_EQ(acceptMessageBox(program), "第1和2名字相同,请更改一个名字");
    EXPECT_FALSE(messageBoxOpen(program));
    EXPECT_EQ(program.text("编辑框2"), "a\r\na\r\n");
    EXPECT_FALSE(program.enabled("按钮3"));
    EXPECT_EQ(folder.snapshot(), before);
}

}  // namespace
