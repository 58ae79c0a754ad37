#include "../Handlers.h"
#include "../NameList.h"
#include "../Properties.h"

void checkEmptyNames() {
    const std::int32_t count = elementCount(NameList);
    for (std::int32_t i = 1; i <= count; ++i) {
        if (compareText(elementAt(NameList, i), "") != 0) continue;
        showMessage(concatTexts({"第", integerToText(i), "行名字为空,请修改!!"}));
        setDisabled(按钮3, true);
    }
}

void onStartRenameClicked() {
    checkEmptyNames();
    if (isDisabled(按钮3)) return;

    // Both paths are built from 编辑框1 as it reads now; a rename the file system refuses
    // leaves that folder as it is and the run goes on.
    const std::int32_t count = elementCount(NameList);
    for (std::int32_t i = 1; i <= count; ++i) {
        const Text oldName = listBoxItemText(列表框1, i - 1);
        const Text oldPath = concatTexts({readText(编辑框1), "\\", oldName});
        const Text newPath = concatTexts({readText(编辑框1), "\\", elementAt(NameList, i)});
        moveFile(oldPath, newPath);
    }
}
