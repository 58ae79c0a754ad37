// replaceText against its rule walked one character at a time, and what any replacement must
// keep: the length changes by the same amount per replacement, and it changes nothing when
// there is nothing to replace.
//
// Input: byte 0 is maxCount (FuzzInput::count); byte 1 holds the length of find in bits 0 to 2
// and of the replacement in bits 3 to 5 (0 to 7 each), in bit 6 whether an empty find or
// replacement is passed as absent, in bit 7 the same for the source; then find, then the
// replacement; all that is left is the source.

#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "ReplaceText.h"

namespace {

struct Replaced {
    std::string text;
    std::int64_t count = 0;  // replacements made
};

// The rule, plainly: walk the source from its start. At each character start, while fewer than
// maxCount replacements are made (or without end when maxCount is negative), an occurrence of
// find is replaced; otherwise the character is copied: a byte of 0x80 or above together with
// the byte after it, if there is one.
Replaced replaceByRule(const std::string& source, const std::string& find, const std::string& replacement,
                       std::int32_t maxCount) {
    Replaced result;
    if (find.empty()) {
        result.text = source;
        return result;
    }
    std::size_t position = 0;
    while (position < source.size()) {
        const bool mayReplace = maxCount < 0 || result.count < maxCount;
        if (mayReplace && source.compare(position, find.size(), find) == 0) {
            result.text += replacement;
            position += find.size();
            ++result.count;
        } else {
            const bool leadByte = static_cast<unsigned char>(source[position]) >= 0x80;
            const std::size_t characterLength = leadByte && position + 1 < source.size() ? 2 : 1;
            result.text.append(source, position, characterLength);
            position += characterLength;
        }
    }
    return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::int32_t maxCount = input.count();
    const std::uint8_t layout = input.byte();
    const FuzzText find = input.text(layout & 0x07, (layout & 0x40) != 0);
    const FuzzText replacement = input.text((layout >> 3) & 0x07, (layout & 0x40) != 0);
    const FuzzText source = input.rest((layout & 0x80) != 0);
    const std::string sourceBytes = source.bytes();
    const std::string findBytes = find.bytes();
    const std::string replacementBytes = replacement.bytes();

    const Text result = replaceText(source.ref(), find.ref(), replacement.ref(), maxCount);
    const std::string resultBytes(result.view());
    FUZZ_CHECK(result.isAbsent() == resultBytes.empty());

    const Replaced expected = replaceByRule(sourceBytes, findBytes, replacementBytes, maxCount);
    FUZZ_CHECK(resultBytes == expected.text);
    if (maxCount > 0) FUZZ_CHECK(expected.count <= maxCount);
    const std::int64_t lengthChange = static_cast<std::int64_t>(replacementBytes.size()) -
                                      static_cast<std::int64_t>(findBytes.size());
    FUZZ_CHECK(static_cast<std::int64_t>(resultBytes.size()) ==
               static_cast<std::int64_t>(sourceBytes.size()) + expected.count * lengthChange);

    if (maxCount == 0 || findBytes.empty() || sourceBytes.find(findBytes) == std::string::npos) {
        FUZZ_CHECK(resultBytes == sourceBytes);
    }
    // Replacing find by itself leaves every byte where it was.
    const Text unchanged = replaceText(source.ref(), find.ref(), find.ref(), maxCount);
    FUZZ_CHECK(unchanged.view() == sourceBytes);
    FUZZ_CHECK(unchanged.isAbsent() == sourceBytes.empty());
    return 0;
}
