// concatTexts with zero to five parts: the result is always present, its length is the sum of
// the parts' lengths, and its bytes are the parts' bytes in order.
//
// Input: byte 0 gives the number of parts (its value modulo 6); byte 1 says, bit i for part i,
// whether that part is passed as absent when it is empty; then one byte per part with its
// length; then the parts' bytes one after another (the last ones come up short, or empty, when
// the input ends).

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "Text.h"

namespace {

constexpr std::size_t maxParts = 5;

// The parts as one call: an initializer list cannot be built at run time.
Text concatParts(const std::vector<FuzzText>& parts) {
    switch (parts.size()) {
    case 0: return concatTexts({});
    case 1: return concatTexts({parts[0].ref()});
    case 2: return concatTexts({parts[0].ref(), parts[1].ref()});
    case 3: return concatTexts({parts[0].ref(), parts[1].ref(), parts[2].ref()});
    case 4: return concatTexts({parts[0].ref(), parts[1].ref(), parts[2].ref(), parts[3].ref()});
    case 5:
        return concatTexts({parts[0].ref(), parts[1].ref(), parts[2].ref(), parts[3].ref(), parts[4].ref()});
    }
    fuzzCheckFailed(__FILE__, __LINE__, "at most five parts");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::size_t partCount = input.byte() % (maxParts + 1);
    const std::uint8_t absence = input.byte();
    std::vector<std::uint8_t> lengths;
    for (std::size_t i = 0; i < partCount; ++i) lengths.push_back(input.byte());
    std::vector<FuzzText> parts;
    for (std::size_t i = 0; i < partCount; ++i) {
        parts.push_back(input.text(lengths[i], ((absence >> i) & 1) != 0));
    }

    std::string expected;
    std::size_t totalLength = 0;
    for (const FuzzText& part : parts) {
        expected += part.bytes();
        totalLength += part.length();
    }

    const Text result = concatParts(parts);
    FUZZ_CHECK(!result.isAbsent());
    FUZZ_CHECK(result.length() == totalLength);
    FUZZ_CHECK(result.view() == expected);
    FUZZ_CHECK(textLength(result) == totalLength);
    return 0;
}
