// 按钮2 "生成新名字": new names from the old ones, and the message about equal new names.

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "FolderPicker.h"
#include "FolderTree.h"
#include "MessageBoxes.h"
#include "ProcessWindows.h"
#include "ProgramDriver.h"

namespace {

// One line per old name, made by lineFor, in the order given.
template <typename LineFor>
std::string linesFor(const std::vector<std::string>& oldNames, LineFor lineFor) {
    std::string lines;
    for (const std::string& old : oldNames) lines += lineFor(old) + "\r\n";
    return lines;
}

class GenerateNames : public ::testing::Test {
protected:
    // The program with these sub-folders of a fresh folder listed as old names.
    void scan(const std::vector<std::string>& names) {
        folder.makeFolders(names);
        before = folder.snapshot();
        program.click("按钮1");
        pickFolder(program, folder.path());
    }

    FolderTree folder;
    FolderTree::Snapshot before;
    ProgramDriver program;
};

TEST_F(GenerateNames, WritesOneNewNamePerOldNameAndEnablesStartRenaming) {
    scan({"a", "b"});
    program.type("编辑框3", "新-");
    program.click("按钮2");

    EXPECT_FALSE(messageBoxOpen(program));
    EXPECT_EQ(program.text("编辑框2"),
              linesFor(program.items("列表框1"), [](const std::string& old) { return "新-" + old; }));
    EXPECT_TRUE(program.enabled("按钮3"));
    EXPECT_EQ(folder.snapshot(), before);
}

TEST_F(GenerateNames, LeavesTheCaretAtTheEndOfTheNewNames) {
    scan({"a", "b"});
    program.type("编辑框3", "新-");
    program.click("按钮2");

    const std::string text = program.text("编辑框2");
    ASSERT_EQ(text, linesFor(program.items("列表框1"), [](const std::string& old) { return "新-" + old; }));
    // Positions count the box's characters, not the bytes of code page 936.
    const int end = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    // The text is short, so both positions fit the return value's two halves.
    const auto selection = static_cast<DWORD>(sendToWindow(program.control("编辑框2"), EM_GETSEL, 0, 0));
    EXPECT_EQ(LOWORD(selection), end);
    EXPECT_EQ(HIWORD(selection), end);
    EXPECT_EQ(folder.snapshot(), before);
}

TEST_F(GenerateNames, ReportsEqualNewNamesAndKeepsStartRenamingDisabled) {
    scan({"a", "b"});
    program.type("编辑框5", "b");
    program.type("编辑框6", "a");
    program.click("按钮2");

    EXPECT_EQ(acceptMessageBox(program), "第1和2名字相同,请更改一个名字");
    EXPECT_FALSE(messageBoxOpen(program));
    EXPECT_EQ(program.text("编辑框2"), "a\r\na\r\n");
    EXPECT_FALSE(program.enabled("按钮3"));
    EXPECT_EQ(folder.snapshot(), before);
}

TEST_F(GenerateNames, ReportsEveryPairOfThreeEqualNamesOneBoxAtATimeInOrder) {
    // Without their "a" all three are "b", whatever order the list has them in.
    scan({"ab", "b", "ba"});
    program.type("编辑框5", "a");
    program.click("按钮2");

    std::vector<std::string> shown;
    for (int box = 0; box < 3; ++box) shown.push_back(acceptMessageBox(program));

    EXPECT_EQ(shown, (std::vector<std::string>{"第1和2名字相同,请更改一个名字", "第1和3名字相同,请更改一个名字",
                                               "第2和3名字相同,请更改一个名字"}));
    EXPECT_EQ(openDialogTitle(program), "");
    EXPECT_EQ(program.text("编辑框2"), "b\r\nb\r\nb\r\n");
    EXPECT_FALSE(program.enabled("按钮3"));
    EXPECT_EQ(folder.snapshot(), before);
}

TEST_F(GenerateNames, DiscardsAnEditedLineWhenGeneratingAgain) {
    scan({"a", "b"});
    program.type("编辑框3", "新-");
    program.click("按钮2");
    const std::string generated = program.text("编辑框2");
    program.typeOverLine("编辑框2", 0, "手改的");
    ASSERT_NE(program.text("编辑框2"), generated);

    program.click("按钮2");

    EXPECT_EQ(program.text("编辑框2"), generated);
    EXPECT_TRUE(program.enabled("按钮3"));
    EXPECT_EQ(openDialogTitle(program), "");
    EXPECT_EQ(folder.snapshot(), before);
}

TEST_F(GenerateNames, WritesALineForEachOfThreeThousandFolders) {
    // Long enough lines that the names outgrow an edit box's default limit of 30,000 characters.
    std::vector<std::string> names;
    for (int number = 1; number <= 3000; ++number) {
        char name[32];
        std::snprintf(name, sizeof name, "文件夹-%04d", number);
        names.push_back(name);
    }
    scan(names);
    program.type("编辑框3", "新-");
    program.type("编辑框4", "-备份");
    program.click("按钮2");

    const std::vector<std::string> oldNames = program.items("列表框1");
    ASSERT_EQ(oldNames.size(), names.size());
    EXPECT_EQ(program.text("编辑框2"),
              linesFor(oldNames, [](const std::string& old) { return "新-" + old + "-备份"; }));
    EXPECT_TRUE(program.enabled("按钮3"));
    EXPECT_EQ(openDialogTitle(program), "");
    EXPECT_EQ(folder.snapshot(), before);
}

// Everything a new name is made of at once, Chinese text in each part.
struct Inputs {
    const char* label;
    const char* find;
    const char* replacement;
    const char* prefix;
    const char* suffix;
    std::map<std::string, std::string> newNames;  // by old name
};

void PrintTo(const Inputs& inputs, std::ostream* out) { *out << inputs.label; }

class GenerateNamesFrom : public GenerateNames, public ::testing::WithParamInterface<Inputs> {};

TEST_P(GenerateNamesFrom, ReplacesTheFirstOccurrenceOnlyAndAddsPrefixAndSuffix) {
    const Inputs& inputs = GetParam();
    // "癮" is the bytes B0 61: its second byte is an "a" that is no "a" of the name.
    scan({"banana", "Ab-a", "癮a", "无"});
    program.type("编辑框5", inputs.find);
    program.type("编辑框6", inputs.replacement);
    program.type("编辑框3", inputs.prefix);
    program.type("编辑框4", inputs.suffix);
    program.click("按钮2");

    EXPECT_EQ(program.text("编辑框2"),
              linesFor(program.items("列表框1"), [&](const std::string& old) { return inputs.newNames.at(old); }));
    EXPECT_EQ(openDialogTitle(program), "");
    EXPECT_TRUE(program.enabled("按钮3"));
    EXPECT_EQ(folder.snapshot(), before);
}

INSTANTIATE_TEST_SUITE_P(
    GenerateNames, GenerateNamesFrom,
    ::testing::Values(
        //     label                    find  replacement prefix suffix
        Inputs{"FindALetter", "a", "乙", "前", "后",
               {{"banana", "前b乙nana后"}, {"Ab-a", "前Ab-乙后"}, {"癮a", "前癮乙后"}, {"无", "前无后"}}},
        Inputs{"FindAChineseCharacter", "癮", "瘾", "", "_备份",
               {{"banana", "banana_备份"}, {"Ab-a", "Ab-a_备份"}, {"癮a", "瘾a_备份"}, {"无", "无_备份"}}}),
    [](const ::testing::TestParamInfo<Inputs>& info) { return info.param.label; });

}  // namespace
