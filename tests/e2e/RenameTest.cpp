// 按钮3 "开始改名": the whole way a user goes, from picking a folder to its sub-folders renamed on
// disk, with the new names edited by hand in between.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "FolderPicker.h"
#include "FolderTree.h"
#include "MessageBoxes.h"
#include "ProgramDriver.h"

namespace {

class Rename : public ::testing::Test {
protected:
    // Lists these sub-folders of a fresh folder and generates their new names with prefix. The
    // scenarios pair lines with folders by position, so the names are given in the order the
    // list shows them.
    void generateFor(const std::vector<std::string>& names, const std::string& prefix) {
        folder.makeFolders(names);
        before = folder.snapshot();
        program.click("按钮1");
        pickFolder(program, folder.path());
        ASSERT_EQ(program.items("列表框1"), names);
        program.type("编辑框3", prefix);
        program.click("按钮2");
        ASSERT_TRUE(program.enabled("按钮3"));
    }

    // The line (from 0) of 编辑框2 that belongs to the listed folder oldName.
    std::size_t lineOf(const std::string& oldName) const {
        const std::vector<std::string> items = program.items("列表框1");
        return static_cast<std::size_t>(std::find(items.begin(), items.end(), oldName) - items.begin());
    }

    FolderTree folder;
    FolderTree::Snapshot before;
    ProgramDriver program;
};

TEST_F(Rename, RenamesEachFolderToItsLineAsGeneratedOrEdited) {
    const std::map<std::string, std::string> renames = {
        {"2019-notes", "备份_2020-notes_完"},
        {"2019-旅行", "备份_2020-旅行_完"},
        // Ends in the bytes 81 5C: a backslash as the second byte of a character.
        {"photos-2019", "照片乗"},
    };
    folder.makeFolders({"2019-notes", "2019-旅行", "photos-2019"});
    folder.makeFile("2019.txt", "a file, never listed");
    before = folder.snapshot();
    program.click("按钮1");
    pickFolder(program, folder.path());
    program.type("编辑框5", "2019");
    program.type("编辑框6", "2020");
    program.type("编辑框3", "备份_");
    program.type("编辑框4", "_完");
    program.click("按钮2");
    program.typeOverLine("编辑框2", lineOf("photos-2019"), "照片乗");
    const std::vector<std::string> oldNames = program.items("列表框1");
    const std::string newNames = program.text("编辑框2");

    program.click("按钮3");

    EXPECT_EQ(openDialogTitle(program), "");
    EXPECT_EQ(folder.snapshot(), FolderTree::renamed(before, renames));
    // The run changes nothing on the screen: the list still shows the old names.
    EXPECT_EQ(program.items("列表框1"), oldNames);
    EXPECT_EQ(program.text("编辑框2"), newNames);
    EXPECT_TRUE(program.enabled("按钮3"));
}

// Lines emptied by hand after generating, from 1, and the messages they must give.
struct EmptiedLines {
    const char* label;
    std::vector<std::size_t> lines;
    std::vector<std::string> messages;
};

void PrintTo(const EmptiedLines& lines, std::ostream* out) { *out << lines.label; }

class RenameWithEmptyLines : public Rename, public ::testing::WithParamInterface<EmptiedLines> {};

TEST_P(RenameWithEmptyLines, ReportsEachInLineOrderAndRenamesNothing) {
    ASSERT_NO_FATAL_FAILURE(generateFor({"a", "b", "c", "d"}, "新"));
    for (std::size_t line : GetParam().lines) program.typeOverLine("编辑框2", line - 1, "");
    ASSERT_TRUE(program.enabled("按钮3")) << "typing never disables it";

    program.click("按钮3");
    std::vector<std::string> shown;
    for (std::size_t box = 0; box < GetParam().messages.size(); ++box) shown.push_back(acceptMessageBox(program));

    EXPECT_EQ(shown, GetParam().messages);
    EXPECT_EQ(openDialogTitle(program), "");
    EXPECT_FALSE(program.enabled("按钮3"));
    EXPECT_EQ(folder.snapshot(), before);
}

INSTANTIATE_TEST_SUITE_P(Rename, RenameWithEmptyLines,
                         ::testing::Values(EmptiedLines{"One", {2}, {"第2行名字为空,请修改!!"}},
                                           EmptiedLines{"ThreeWithTheFirstAndTheLast",
                                                        {1, 3, 4},
                                                        {"第1行名字为空,请修改!!", "第3行名字为空,请修改!!",
                                                         "第4行名字为空,请修改!!"}}),
                         [](const ::testing::TestParamInfo<EmptiedLines>& info) { return info.param.label; });

TEST_F(Rename, TriesANameOfSpacesOnlyWithoutAMessage) {
    ASSERT_NO_FATAL_FAILURE(generateFor({"a", "b"}, "新"));
    program.typeOverLine("编辑框2", 0, "   ");

    program.click("按钮3");

    EXPECT_EQ(openDialogTitle(program), "");
    // A name of spaces is no empty line, so the run goes ahead. Whether the file system takes
    // it is its own affair (Wine drops trailing spaces, which leaves the folder itself as the
    // target): "a" is either renamed or left as it is, and nothing is lost either way.
    const FolderTree::Snapshot after = folder.snapshot();
    const FolderTree::Snapshot renamed = FolderTree::renamed(before, {{"a", "   "}, {"b", "新b"}});
    const FolderTree::Snapshot refused = FolderTree::renamed(before, {{"b", "新b"}});
    EXPECT_TRUE(after == renamed || after == refused) << ::testing::PrintToString(after);
    EXPECT_TRUE(program.enabled("按钮3"));
}

TEST_F(Rename, RenamesIntoALaterFoldersOldNameOnlyOnTheSecondRun) {
    ASSERT_NO_FATAL_FAILURE(generateFor({"a", "b"}, ""));
    program.typeOverLine("编辑框2", 1, "c");
    program.typeOverLine("编辑框2", 0, "b");

    // "b" is still taken when the first line is tried; the second line frees it.
    program.click("按钮3");
    EXPECT_EQ(folder.snapshot(), FolderTree::renamed(before, {{"b", "c"}}));

    // Now "a" gets its name, and the folder renamed to "b" is not moved onto "c".
    program.click("按钮3");
    EXPECT_EQ(folder.snapshot(), FolderTree::renamed(before, {{"a", "b"}, {"b", "c"}}));
    EXPECT_EQ(openDialogTitle(program), "");
}

TEST_F(Rename, PairsLinesWithFoldersByPositionWhenALineWasDeleted) {
    ASSERT_NO_FATAL_FAILURE(generateFor({"a", "b", "c"}, "新"));
    program.deleteLine("编辑框2", 1);
    ASSERT_EQ(program.text("编辑框2"), "新a\r\n新c\r\n");
    ASSERT_TRUE(program.enabled("按钮3")) << "typing never disables it";

    program.click("按钮3");

    EXPECT_EQ(openDialogTitle(program), "");
    EXPECT_EQ(folder.snapshot(), FolderTree::renamed(before, {{"a", "新a"}, {"b", "新c"}}));
}

TEST_F(Rename, RenamesEveryFolderWhenALineWasAddedAndTheExtraLineMovesNothing) {
    ASSERT_NO_FATAL_FAILURE(generateFor({"a", "b"}, "新"));
    // Paired with no folder, the extra line would move the chosen folder itself into itself.
    program.type("编辑框2", "多余\r\n");
    ASSERT_TRUE(program.enabled("按钮3")) << "typing never disables it";

    program.click("按钮3");

    EXPECT_EQ(openDialogTitle(program), "");
    EXPECT_EQ(folder.snapshot(), FolderTree::renamed(before, {{"a", "新a"}, {"b", "新b"}}));
}

TEST_F(Rename, RenamesInTheFolderThePathBoxShowsWhenStarted) {
    FolderTree other;
    other.makeFolders({"a", "b"});
    const FolderTree::Snapshot otherBefore = other.snapshot();
    ASSERT_NO_FATAL_FAILURE(generateFor({"a", "b"}, "新"));
    program.replaceAll("编辑框1", other.path());

    program.click("按钮3");

    EXPECT_EQ(openDialogTitle(program), "");
    EXPECT_EQ(folder.snapshot(), before);
    EXPECT_EQ(other.snapshot(), FolderTree::renamed(otherBefore, {{"a", "新a"}, {"b", "新b"}}));
}

}  // namespace
