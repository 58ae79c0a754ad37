#include "../Handlers.h"
#include "../NameList.h"
#include "../Properties.h"
#include "../ReplaceText.h"

namespace {

// Shows one message per pair of equal new names, in ascending order of the pair, and keeps a
// run from starting with two folders bound for one name.
void reportDuplicateNames() {
    const std::int32_t count = elementCount(NameList);
    for (std::int32_t j = 1; j < count; ++j) {
        for (std::int32_t k = j + 1; k <= count; ++k) {
            if (compareText(elementAt(NameList, j), elementAt(NameList, k)) != 0) continue;
            showMessage(concatTexts(
                {"第", integerToText(j), "和", integerToText(k), "名字相同,请更改一个名字"}));
            setDisabled(按钮3, true);
        }
    }
}

}  // namespace

void onGenerateNamesClicked() {
    writeText(编辑框2, "");
    const std::int32_t count = listBoxCount(列表框1);
    for (std::int32_t i = 1; i <= count; ++i) {
        const Text oldName = listBoxItemText(列表框1, i - 1);
        const Text replaced = replaceText(oldName, readText(编辑框5), readText(编辑框6), 1);
        const Text line = concatTexts({readText(编辑框3), replaced, readText(编辑框4), "\r\n"});
        appendEditText(编辑框2, line);
    }
    reportDuplicateNames();
}
