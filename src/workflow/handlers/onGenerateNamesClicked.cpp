#include "../Handlers.h"
#include "../NameList.h"
#include "../Properties.h"
#include "../ReplaceText.h"

#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

// For each position (from 1), the positions after it that hold an equal name, ascending.
// Names are grouped by their bytes first: comparing every pair would take 200 million
// comparisons for 20,000 names, where only the equal ones matter.
std::vector<std::vector<std::int32_t>> laterEqualPositions(const TextArray& names) {
    const std::int32_t count = elementCount(names);
    std::unordered_map<std::string_view, std::vector<std::int32_t>> positionsByName;
    positionsByName.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 1; i <= count; ++i) positionsByName[elementAt(names, i).view()].push_back(i);

    std::vector<std::vector<std::int32_t>> later(static_cast<std::size_t>(count) + 1);
    for (const auto& [name, positions] : positionsByName) {
        for (std::size_t a = 0; a + 1 < positions.size(); ++a) {
            later[static_cast<std::size_t>(positions[a])].assign(positions.begin() + static_cast<std::ptrdiff_t>(a) + 1,
                                                                 positions.end());
        }
    }
    return later;
}

// Shows one message per pair of equal new names, in ascending order of the pair (j, k), and
// keeps a run from starting with two folders bound for one name.
void reportDuplicateNames() {
    const std::vector<std::vector<std::int32_t>> later = laterEqualPositions(NameList);
    for (std::int32_t j = 1; j < static_cast<std::int32_t>(later.size()); ++j) {
        for (std::int32_t k : later[static_cast<std::size_t>(j)]) {
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
