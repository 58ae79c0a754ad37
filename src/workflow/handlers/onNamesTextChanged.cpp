#include "../Handlers.h"
#include "../NameList.h"
#include "../Properties.h"

void onNamesTextChanged() {
    TextArray pieces;
    {
        const Text names = readText(编辑框2);
        pieces = splitText(names, "\r\n");
    }
    releaseTextArray(std::move(NameList));
    NameList = std::move(pieces);

    // Only ever enables: every reason to disable 按钮3 is decided elsewhere.
    if (elementCount(NameList) == listBoxCount(列表框1)) setDisabled(按钮3, false);
}
