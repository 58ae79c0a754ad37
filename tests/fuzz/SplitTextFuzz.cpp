// splitText against its rule walked one character at a time, both of its forms, and what any
// split must keep: the pieces joined give the text back, and no piece holds a separator.
//
// Input: byte 0 is maxPieces (FuzzInput::count); byte 1 holds the separator's length in its low
// three bits (0 to 7), in bit 6 whether an empty separator is passed as absent, in bit 7 the same
// for the text; then the separator; all that is left is the text.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "TextArray.h"

namespace {

// The rule, plainly: walk the text from its start. At each character start either the separator
// begins there and ends a piece, or the character is passed over (a byte of 0x80 or above takes
// the byte after it along). The walk stops where the separator no longer fits, or once
// maxPieces - 1 pieces are cut; whatever is left after the last cut is the last piece.
std::vector<std::string> splitByRule(const std::string& text, const std::string& separator,
                                     std::int32_t maxPieces) {
    std::vector<std::string> pieces;
    if (text.empty()) return pieces;
    if (separator.empty()) return {text};
    std::size_t start = 0;
    std::size_t position = 0;
    while (position + separator.size() <= text.size()) {
        if (maxPieces > 0 && pieces.size() + 1 == static_cast<std::size_t>(maxPieces)) break;
        if (text.compare(position, separator.size(), separator) == 0) {
            pieces.push_back(text.substr(start, position - start));
            position += separator.size();
            start = position;
        } else {
            position += static_cast<unsigned char>(text[position]) >= 0x80 ? 2 : 1;
        }
    }
    if (start < text.size()) pieces.push_back(text.substr(start));
    return pieces;
}

std::vector<std::string> elementsOf(const TextArray& array) {
    FUZZ_CHECK(array.dimensionCount() == 1);
    std::vector<std::string> elements;
    for (std::int32_t position = 1; position <= elementCount(array); ++position) {
        const TextRef element = elementAt(array, position);
        FUZZ_CHECK(element.isAbsent() == (element.length() == 0));
        elements.emplace_back(element.view());
    }
    return elements;
}

std::string joined(const std::vector<std::string>& pieces, const std::string& separator) {
    std::string result;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0) result += separator;
        result += pieces[i];
    }
    return result;
}

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::int32_t maxPieces = input.count();
    const std::uint8_t layout = input.byte();
    const FuzzText separator = input.text(layout & 0x07, (layout & 0x40) != 0);
    const FuzzText text = input.rest((layout & 0x80) != 0);
    const std::string textBytes = text.bytes();
    const std::string separatorBytes = separator.bytes();

    const std::vector<std::string> pieces = elementsOf(splitText(text.ref(), separator.ref(), maxPieces));
    FUZZ_CHECK(elementsOf(splitText(Text(text.ref()), separator.ref(), maxPieces)) == pieces);
    FUZZ_CHECK(pieces == splitByRule(textBytes, separatorBytes, maxPieces));

    if (!textBytes.empty()) FUZZ_CHECK(!pieces.empty());
    if (maxPieces > 0) FUZZ_CHECK(pieces.size() <= static_cast<std::size_t>(maxPieces));

    // Only a separator that ends the text may be missing from the pieces joined.
    const std::string rejoined = joined(pieces, separatorBytes);
    if (separatorBytes.empty() || !endsWith(textBytes, separatorBytes)) {
        FUZZ_CHECK(rejoined == textBytes);
    } else {
        FUZZ_CHECK(rejoined == textBytes || rejoined + separatorBytes == textBytes);
    }

    // A piece holds no separator that the walk could have cut at, so splitting it again gives
    // it back whole. The one exception is the rest left over when maxPieces was reached.
    const bool lastIsRest = maxPieces > 0 && pieces.size() == static_cast<std::size_t>(maxPieces);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (lastIsRest && i + 1 == pieces.size()) break;
        const FuzzText piece(pieces[i]);
        const std::vector<std::string> again = elementsOf(splitText(piece.ref(), separator.ref()));
        const std::vector<std::string> whole =
            pieces[i].empty() ? std::vector<std::string>{} : std::vector<std::string>{pieces[i]};
        FUZZ_CHECK(again == whole);
    }
    return 0;
}
