#include "../Handlers.h"
#include "../NameList.h"
#include "../Properties.h"
#include "../ReplaceText.h"

#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

// For each position (from 1), the next later position that holds an equal name, or 0: the chain
// from j visits every later equal name in ascending order. One pass groups the names by their
// bytes, where comparing every pair would take 200 million comparisons for 20,000 names.
std::vector<std::int32_t> nextEqualPositions(const TextArray& names) {
    const std::int32_t count = elementCount(names);
    std::vector<std::int32_t> next(static_cast<std::size_t>(count) + 1, 0);
    std::unordered_map<std::string_view, std::int32_t> lastPosition;
    lastPosition.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 1; i <= count; ++i) {
        const auto [entry, isFirst] = lastPosition.try_emplace(elementAt(names, i).view(), i);
        if (!isFirst) {
            next[static_cast<std::size_t>(entry->second)] = i;
            entry->second = i;
        }
    }
    return next;
}

// Shows one message per pair of equal new names, in ascending order of the pair (j, k), and
// keeps a run from starting with two folders bound for one name.
void reportDuplicateNames() {
    const std::vector<std::int32_t> next = nextEqualPositions(NameList);
    for (std::int32_t j = 1; j < static_cast<std::int32_t>(next.size()); ++j) {
        for (std::int32_t k = next[static_cast<std::size_t>(j)]; k != 0; k = next[static_cast<std::size_t>(k)]) {
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
