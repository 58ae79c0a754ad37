// New names the file system refuses or changes, all in one run among good ones: the program goes
// on past every refusal without a word, loses and overwrites nothing, renames the good ones, and
// is still there to be used and closed afterwards.

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "FolderPicker.h"
#include "FolderTree.h"
#include "MessageBoxes.h"
#include "ProgramDriver.h"

namespace {

struct NewName {
    std::string oldName;
    std::string line;       // typed for the folder
    std::string nameAfter;  // the folder's name once the run is over; empty: removed before it
};

const NewName NewNames[] = {
    {"f01", "好名字", "好名字"},
    {"f02", "问号?", "f02"},
    {"f03", "星号*", "f03"},
    {"f04", "竖线|", "f04"},
    {"f05", "小于<", "f05"},
    {"f06", "大于>", "f06"},
    {"f07", "引号\"", "f07"},
    {"f08", "CON", "f08"},
    {"f09", "中间的好名字", "中间的好名字"},
    {"f10", "NUL", "f10"},
    // Windows drops trailing dots and spaces from the last part of a path, and Wine does the
    // same: these folders get the name without them.
    {"f11", "点结尾...", "点结尾"},
    {"f12", "空格结尾  ", "空格结尾"},
    {"f13", std::string(300, 'x'), "f13"},  // longer than a file system allows
    {"f14", "缺失\\子文件夹", "f14"},       // into a folder that does not exist
    {"f15", "文件.txt", "f15"},             // the name of a file next to the folders
    {"f16", ".", "f16"},                    // the chosen folder itself
    {"f17", "..", "f17"},                   // the chosen folder's parent
    {"f18", "不在了", ""},
    {"f19", "最后的好名字", "最后的好名字"},
};

const NewName& newNameOf(const std::string& oldName) {
    for (const NewName& name : NewNames) {
        if (name.oldName == oldName) return name;
    }
    throw std::out_of_range("no new name for " + oldName);
}

TEST(BadNames, AreRefusedOrTrimmedWithoutLossWhileTheGoodOnesAreRenamed) {
    FolderTree folder;
    std::vector<std::string> oldNames;
    std::map<std::string, std::string> renames;
    std::string removed;
    for (const NewName& name : NewNames) {
        oldNames.push_back(name.oldName);
        if (name.nameAfter.empty()) removed = name.oldName;
        if (!name.nameAfter.empty() && name.nameAfter != name.oldName) renames[name.oldName] = name.nameAfter;
    }
    folder.makeFolders(oldNames);
    folder.makeFile("文件.txt", "a file, not a folder");
    ProgramDriver program;
    program.click("按钮1");
    pickFolder(program, folder.path());
    program.click("按钮2");
    // The user pastes a list of their own over the generated one.
    std::string lines;
    for (const std::string& old : program.items("列表框1")) lines += newNameOf(old).line + "\r\n";
    program.replaceAll("编辑框2", lines);
    ASSERT_TRUE(program.enabled("按钮3"));
    // Gone from under the program between the scan and the run.
    folder.removeFolder(removed);
    const FolderTree::Snapshot before = folder.snapshot();

    program.click("按钮3");

    EXPECT_EQ(openDialogTitle(program), "");
    EXPECT_EQ(folder.snapshot(), FolderTree::renamed(before, renames));
    EXPECT_EQ(program.text("编辑框2"), lines);
    EXPECT_EQ(program.items("列表框1"), oldNames);
    EXPECT_TRUE(program.enabled("按钮3"));
    EXPECT_EQ(program.close(), 0u);
}

}  // namespace
