#include "../Handlers.h"
#include "../NameList.h"
#include "../Properties.h"

void onNamesTextChanged() {
    // The text read is handed over to the pieces, which keep its bytes.
    TextArray pieces = splitText(readText(编辑框2), "\r\n");
    releaseTextArray(std::move(NameList));
    NameList = std::move(pieces);

    // Only ever enables: every reason to disable 按钮3 is decided elsewhere.
    if (elementCount(NameList) == listBoxCount(列表框1)) setDisabled(按钮3, false);
}
