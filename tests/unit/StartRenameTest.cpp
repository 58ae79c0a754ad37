#include <filesystem>

#include "Handlers.h"
#include "TempFolder.h"
#include "WorkflowTest.h"

namespace {

class StartRename : public WorkflowTest {
protected:
    // A scanned folder with these sub-folders and new names typed into 编辑框2.
    void prepare(const std::vector<std::string>& oldNames, const std::string& newNamesText) {
        folder.makeFolders(oldNames);
        window.type(编辑框1, folder.path());
        window.items(列表框1) = oldNames;
        window.type(编辑框2, newNamesText);
        before = folder.snapshot();
    }
    int moves() const {
        int count = 0;
        for (const std::string& call : window.calls) count += call.rfind("moveFile ", 0) == 0;
        return count;
    }

    TempFolder folder;
    TempFolder::Tree before;
};

TEST_F(StartRename, RenamesEveryListedFolderToTheNameOnItsLine) {
    prepare({"a", "b", "说明"}, "x\r\n 空格 \r\n新名\r\n");
    ASSERT_FALSE(window.disabled(按钮3));

    onStartRenameClicked();

    EXPECT_EQ(folder.snapshot(), TempFolder::renamed(before, {{"a", "x"}, {"b", " 空格 "}, {"说明", "新名"}}));
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(window.items(列表框1), (std::vector<std::string>{"a", "b", "说明"}));
    EXPECT_EQ(window.text(编辑框2), "x\r\n 空格 \r\n新名\r\n");
    EXPECT_FALSE(window.disabled(按钮3));
}

TEST_F(StartRename, ReportsEachEmptyNameInOrderAndRenamesNothing) {
    struct Case {
        std::string text;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"x\r\n\r\nz\r\n", {"第2行名字为空,请修改!!"}},
        {"\r\ny\r\n\r\n\r\n", {"第1行名字为空,请修改!!", "第3行名字为空,请修改!!", "第4行名字为空,请修改!!"}},
    };
    prepare({"a", "b", "c", "d"}, "");
    for (const Case& c : cases) {
        window.messages.clear();
        window.type(编辑框2, c.text);
        window.control(按钮3).disabled = false;

        onStartRenameClicked();

        EXPECT_EQ(window.messageTexts(), c.messages);
        EXPECT_TRUE(window.disabled(按钮3));
        EXPECT_EQ(moves(), 0);
        EXPECT_EQ(folder.snapshot(), before);
    }
}

TEST_F(StartRename, TriesANameOfSpacesOnly) {
    prepare({"a"}, "   \r\n");
    onStartRenameClicked();
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(moves(), 1);
}

TEST_F(StartRename, DoesNothingWithAnEmptyNameList) {
    window.type(编辑框2, "");
    onStartRenameClicked();
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(moves(), 0);
}

TEST_F(StartRename, PairsEntriesWithItemsByPositionWhenTheCountsDiffer) {
    // 按钮3 was enabled by three lines; deleting two leaves it enabled.
    prepare({"a", "b", "c"}, "x\r\ny\r\nz\r\n");
    window.type(编辑框2, "x\r\n");
    ASSERT_FALSE(window.disabled(按钮3));
    onStartRenameClicked();
    EXPECT_EQ(folder.snapshot(), TempFolder::renamed(before, {{"a", "x"}}));

    // More entries than items: the surplus one pairs with the empty old name, the folder itself,
    // and fails; the others are renamed.
    window.type(编辑框2, "y\r\nb2\r\nc2\r\nsurplus\r\n");
    window.items(列表框1) = {"x", "b", "c"};
    before = folder.snapshot();
    onStartRenameClicked();
    EXPECT_EQ(folder.snapshot(), TempFolder::renamed(before, {{"x", "y"}, {"b", "b2"}, {"c", "c2"}}));
    EXPECT_EQ(window.calls.back(), "moveFile " + folder.path() + "\\ -> " + folder.path() + "\\surplus");
}

TEST_F(StartRename, NeverOverwritesAFolderWhoseNameIsTaken) {
    // a -> b fails while b still exists; b -> c succeeds; a second click then moves a.
    prepare({"a", "b"}, "b\r\nc\r\n");
    onStartRenameClicked();
    EXPECT_EQ(folder.snapshot(), TempFolder::renamed(before, {{"b", "c"}}));
    onStartRenameClicked();
    EXPECT_EQ(folder.snapshot(), TempFolder::renamed(before, {{"a", "b"}, {"b", "c"}}));
}

TEST_F(StartRename, LeavesAFolderAloneWhenTheTargetIsAFile) {
    prepare({"a", "b"}, "taken.txt\r\nb2\r\n");
    folder.makeFile("taken.txt", "keep me");
    before = folder.snapshot();
    onStartRenameClicked();
    EXPECT_EQ(folder.snapshot(), TempFolder::renamed(before, {{"b", "b2"}}));
}

TEST_F(StartRename, GoesOnWhenAListedFolderHasGone) {
    prepare({"a", "b"}, "a2\r\nb2\r\n");
    std::filesystem::remove_all(folder.path() + "/a");
    before = folder.snapshot();
    onStartRenameClicked();
    EXPECT_EQ(folder.snapshot(), TempFolder::renamed(before, {{"b", "b2"}}));
}

TEST_F(StartRename, BuildsBothPathsFromTheFolderBoxAsItReadsAtTheTime) {
    TempFolder other;
    other.makeFolders({"a", "zz"});
    prepare({"a", "b"}, "a2\r\nb2\r\n");
    window.type(编辑框1, other.path());
    const TempFolder::Tree otherBefore = other.snapshot();

    onStartRenameClicked();

    EXPECT_EQ(other.snapshot(), TempFolder::renamed(otherBefore, {{"a", "a2"}}));
    EXPECT_EQ(folder.snapshot(), before);
}

}  // namespace
