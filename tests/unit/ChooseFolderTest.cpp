#include "Handlers.h"
#include "TempFolder.h"
#include "WorkflowTest.h"

namespace {

class ChooseFolder : public WorkflowTest {
protected:
    TempFolder folder;
};

TEST_F(ChooseFolder, ListsTheSubFoldersOfThePickedFolderAndDisablesStart) {
    folder.makeFolders({"b", "a", "说明", ".hidden"});
    folder.makeFile("file.txt", "not a folder");
    window.pickerResult = folder.path();
    window.control(按钮3).disabled = false;
    const TempFolder::Tree before = folder.snapshot();

    onChooseFolderClicked();

    EXPECT_EQ(window.text(编辑框1), folder.path());
    // In the order the search delivers them; "." and ".." and the file left out.
    EXPECT_EQ(window.items(列表框1), (std::vector<std::string>{".hidden", "a", "b", "说明"}));
    EXPECT_TRUE(window.disabled(按钮3));
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(window.openSearches(), 0);
    EXPECT_EQ(folder.snapshot(), before);
}

TEST_F(ChooseFolder, RunsItsStepsInOrderWithThePatternReadBackFromTheBox) {
    window.pickerResult = folder.path();
    onChooseFolderClicked();
    const std::string edit1 = std::to_string(编辑框1);
    const std::string button3 = std::to_string(按钮3);
    EXPECT_EQ(window.calls, (std::vector<std::string>{
                                "chooseFolder 选择批量更名文件夹所在的文件夹",
                                "write " + edit1,
                                "listBoxClear",
                                "read " + edit1,
                                "searchDirectory " + folder.path() + "\\*.*",
                                "write " + button3,
                            }));
}

TEST_F(ChooseFolder, LeavesTheNewNamesAsTheyWere) {
    folder.makeFolders({"a"});
    window.type(编辑框2, "kept\r\n");
    window.items(列表框1) = {"old1", "old2"};
    window.pickerResult = folder.path();

    onChooseFolderClicked();

    EXPECT_EQ(window.items(列表框1), std::vector<std::string>{"a"});
    EXPECT_EQ(window.text(编辑框2), "kept\r\n");
    EXPECT_EQ(names(), std::vector<std::string>{"kept"});
    EXPECT_TRUE(window.disabled(按钮3)) << "one line for one folder, but only a change of the names enables";
}

TEST_F(ChooseFolder, ListsNothingForAFolderWithoutSubFoldersOrOneThatIsGone) {
    window.items(列表框1) = {"stale"};
    window.pickerResult = folder.path();
    onChooseFolderClicked();
    EXPECT_TRUE(window.items(列表框1).empty());

    window.items(列表框1) = {"stale"};
    window.pickerResult = folder.path() + "/missing";
    onChooseFolderClicked();
    EXPECT_TRUE(window.items(列表框1).empty());
    EXPECT_EQ(window.text(编辑框1), folder.path() + "/missing");
    EXPECT_TRUE(window.disabled(按钮3));
    EXPECT_EQ(window.openSearches(), 0);
}

TEST_F(ChooseFolder, CancellingEmptiesThePathAndSearchesTheRootOfTheDrive) {
    window.type(编辑框1, "previous");
    window.pickerResult = "";
    onChooseFolderClicked();
    EXPECT_EQ(window.text(编辑框1), "");
    EXPECT_EQ(window.calls.at(4), "searchDirectory \\*.*");
    EXPECT_TRUE(window.disabled(按钮3));
}

}  // namespace
