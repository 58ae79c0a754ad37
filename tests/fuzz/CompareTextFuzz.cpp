// compareText as an order: the same as comparing the bytes as unsigned values (a proper
// beginning of a text is smaller than the text), antisymmetric, transitive, equal exactly when
// the bytes are, and an absent text the same as an empty one.
//
// Input: bytes 0 and 1 are the lengths of the first and second text; byte 2 says, in bits 0 to 2,
// whether each of the three texts is passed as absent when it is empty; then the first text,
// the second; all that is left is the third.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "Text.h"

namespace {

int compareAsUnsignedBytes(const std::string& a, const std::string& b) {
    const std::vector<unsigned char> ua(a.begin(), a.end());
    const std::vector<unsigned char> ub(b.begin(), b.end());
    if (ua < ub) return -1;
    return ub < ua ? 1 : 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::uint8_t lengthA = input.byte();
    const std::uint8_t lengthB = input.byte();
    const std::uint8_t absence = input.byte();
    const FuzzText a = input.text(lengthA, (absence & 0x01) != 0);
    const FuzzText b = input.text(lengthB, (absence & 0x02) != 0);
    const FuzzText c = input.rest((absence & 0x04) != 0);

    const int ab = compareText(a.ref(), b.ref());
    const int ba = compareText(b.ref(), a.ref());
    const int bc = compareText(b.ref(), c.ref());
    const int ac = compareText(a.ref(), c.ref());
    FUZZ_CHECK(ab == -1 || ab == 0 || ab == 1);
    FUZZ_CHECK(ab == compareAsUnsignedBytes(a.bytes(), b.bytes()));
    FUZZ_CHECK(ba == -ab);
    FUZZ_CHECK((ab == 0) == (a.bytes() == b.bytes()));
    if (ab <= 0 && bc <= 0) FUZZ_CHECK(ac <= 0);
    if (ab >= 0 && bc >= 0) FUZZ_CHECK(ac >= 0);

    // Against a copy in a block of its own, so that equal bytes and not one address decide.
    const FuzzText copyOfA(a.bytes());
    FUZZ_CHECK(compareText(a.ref(), copyOfA.ref()) == 0);
    FUZZ_CHECK(compareText(TextRef(), b.ref()) == (b.length() == 0 ? 0 : -1));
    FUZZ_CHECK(compareText(b.ref(), TextRef()) == (b.length() == 0 ? 0 : 1));
    return 0;
}
