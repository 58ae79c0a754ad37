#include "../Handlers.h"
#include "../Properties.h"

void onChooseFolderClicked() {
    writeText(编辑框1, chooseFolder("选择批量更名文件夹所在的文件夹"));
    listBoxClear(列表框1);

    // The pattern is built from what the box holds now, which is what a rename run will use.
    const Text pattern = concatTexts({readText(编辑框1), "\\*.*"});
    SearchHandle search = 0;
    for (Text name = searchDirectory(pattern, DirectoryAttribute, search);
         compareText(name, "") != 0;
         name = searchDirectory(TextRef(), DirectoryAttribute, search)) {
        if (compareText(name, ".") != 0 && compareText(name, "..") != 0) {
            listBoxAddItem(列表框1, name);
        }
    }
    setDisabled(按钮3, true);
    closeDirectorySearch(search);
}
