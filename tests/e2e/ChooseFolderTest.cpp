// 按钮1 "选择文件夹": the folder picker, and the old names it fills 列表框1 with.

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "FolderPicker.h"
#include "FolderTree.h"
#include "MessageBoxes.h"
#include "ProgramDriver.h"

namespace {

std::vector<std::string> sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

std::string driveRoot(const std::string& path) { return path.substr(0, 3); }

TEST(ChooseFolder, ShowsThePickedPathAndListsItsSubFoldersOnly) {
    FolderTree folder;
    folder.makeFolders({"b", "a", "说明"});
    folder.makeFile("file.txt", "not a folder");
    const FolderTree::Snapshot before = folder.snapshot();
    ProgramDriver program;

    program.click("按钮1");
    pickFolder(program, folder.path());

    EXPECT_EQ(program.text("编辑框1"), folder.path());
    // In the order the directory search gives them, without "." and "..".
    EXPECT_EQ(program.items("列表框1"), subFolders(folder.path()));
    EXPECT_EQ(sorted(program.items("列表框1")), (std::vector<std::string>{"a", "b", "说明"}));
    EXPECT_FALSE(program.enabled("按钮3"));
    EXPECT_FALSE(messageBoxOpen(program));
    EXPECT_EQ(folder.snapshot(), before);
}

TEST(ChooseFolder, GivesALongListOfOldNamesAScrollBar) {
    FolderTree folder;
    // Far more rows than the 479 pixels of the list show.
    std::vector<std::string> names;
    for (int number = 0; number < 60; ++number) names.push_back("f" + std::to_string(number));
    folder.makeFolders(names);
    ProgramDriver program;

    program.click("按钮1");
    pickFolder(program, folder.path());

    ASSERT_EQ(program.items("列表框1").size(), names.size());
    EXPECT_TRUE(GetWindowLongA(program.control("列表框1"), GWL_STYLE) & WS_VSCROLL);
}

// The program works in its own folder wherever it is started from. What shows it: a cancelled
// pick leaves the path box empty, and the sub-folders listed are then those of the root of the
// drive the program's folder is on.
TEST(ChooseFolder, ListsTheRootOfTheProgramsDriveWhenCancelledEvenIfStartedElsewhere) {
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    const std::string programDrive = driveRoot(ProgramDriver::programPath());
    if (driveRoot(windows) == programDrive) GTEST_SKIP() << "needs a second drive to start the program from";
    ProgramDriver program(windows);

    program.click("按钮1");
    cancelFolderPicker(program);

    EXPECT_EQ(program.text("编辑框1"), "");
    EXPECT_EQ(program.items("列表框1"), subFolders(programDrive));
    EXPECT_NE(program.items("列表框1"), subFolders(driveRoot(windows)));
}

// What the second of two folders picked one after the other holds. Each has as many sub-folders
// as the first, or none, so that only the scan itself can have disabled 按钮3.
struct SecondFolder {
    const char* label;
    std::vector<std::string> subFolders;
};

void PrintTo(const SecondFolder& folder, std::ostream* out) { *out << folder.label; }

class ChooseAnotherFolder : public ::testing::TestWithParam<SecondFolder> {};

TEST_P(ChooseAnotherFolder, ReplacesTheOldNamesKeepsTheNewOnesAndDisablesStartRenaming) {
    FolderTree first;
    FolderTree second;
    first.makeFolders({"a", "b"});
    second.makeFolders(GetParam().subFolders);
    second.makeFile("file.txt", "not a folder");
    const FolderTree::Snapshot firstBefore = first.snapshot();
    const FolderTree::Snapshot secondBefore = second.snapshot();
    ProgramDriver program;
    program.click("按钮1");
    pickFolder(program, first.path());
    program.type("编辑框3", "新");
    program.click("按钮2");
    const std::string newNames = program.text("编辑框2");
    ASSERT_EQ(sorted(program.items("列表框1")), (std::vector<std::string>{"a", "b"}));
    ASSERT_TRUE(program.enabled("按钮3"));

    program.click("按钮1");
    pickFolder(program, second.path());

    EXPECT_EQ(program.text("编辑框1"), second.path());
    EXPECT_EQ(program.items("列表框1"), subFolders(second.path()));
    EXPECT_EQ(sorted(program.items("列表框1")), sorted(GetParam().subFolders));
    EXPECT_EQ(program.text("编辑框2"), newNames);
    EXPECT_FALSE(program.enabled("按钮3"));
    EXPECT_EQ(openDialogTitle(program), "");
    EXPECT_EQ(first.snapshot(), firstBefore);
    EXPECT_EQ(second.snapshot(), secondBefore);
}

INSTANTIATE_TEST_SUITE_P(ChooseFolder, ChooseAnotherFolder,
                         ::testing::Values(SecondFolder{"WithSubFolders", {"c", "说明"}},
                                           SecondFolder{"WithoutSubFolders", {}}),
                         [](const ::testing::TestParamInfo<SecondFolder>& info) { return info.param.label; });

}  // namespace
