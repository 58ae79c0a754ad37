#include "TextArray.h"

#include <algorithm>
#include <cstring>

#include "FatalError.h"

TextArray TextArray::oneDimension() {
    TextArray array;
    array.dimensionSizes_.push_back(0);
    return array;
}

void TextArray::append(TextRef text) {
    if (text.length() == 0) {
        pieces_.push_back({0, 0});
    } else {
        pieces_.push_back({bytes_.size(), text.length()});
        bytes_.append(text.data(), text.length());
        bytes_.push_back('\0');
    }
    dimensionSizes_[0] = static_cast<std::int32_t>(pieces_.size());
}

std::int32_t TextArray::elementCount() const {
    if (dimensionSizes_.empty()) return 0;
    std::int32_t count = 1;
    for (std::int32_t size : dimensionSizes_) count *= size;
    return count;
}

TextRef TextArray::element(std::int32_t index0) const {
    const Piece& piece = pieces_[static_cast<std::size_t>(index0)];
    if (piece.length == 0) return TextRef();
    return TextRef(bytes_.data() + piece.offset, piece.length);
}

std::int32_t elementCount(const TextArray& array) { return array.elementCount(); }

TextRef elementAt(const TextArray& array, std::int32_t position) {
    if (position < 1) {
        reportFatalError(concatTexts({"数组位置太小: ", integerToText(position)}));
    }
    if (position > array.elementCount()) {
        reportFatalError(concatTexts({"数组位置超出数组范围: ", integerToText(position), " > ",
                                      integerToText(array.elementCount())}));
    }
    return array.element(position - 1);
}

namespace {

// How many of the eight bytes at p the byte-wise walk would pass over one by one: bytes below
// 0x80 that differ from first, up to the first byte that is neither (8 if there is none).
std::size_t plainBytesAhead(const char* p, unsigned char first) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    constexpr std::uint64_t ones = 0x0101010101010101ULL;
    constexpr std::uint64_t highs = 0x8080808080808080ULL;
    const std::uint64_t x = word ^ (ones * first);  // a zero byte where a byte equals first
    // The high bit of each byte that equals first or is 0x80 or above (exact for the lowest
    // such byte, which is all that is used; bytes are in memory order on little-endian x86).
    const std::uint64_t stops = ((x - ones) & ~x & highs) | (word & highs);
    std::size_t plain = 0;
    while (plain < 8 && (stops & (0x80ULL << (8 * plain))) == 0) ++plain;
    return plain;
}

}  // namespace

void releaseTextArray(TextArray&& array) { TextArray released = std::move(array); }

TextArray splitText(TextRef text, TextRef separator, std::int32_t maxPieces) {
    return splitText(Text(text), separator, maxPieces);
}

TextArray splitText(Text&& text, TextRef separator, std::int32_t maxPieces) {
    TextArray result = TextArray::oneDimension();
    const std::size_t length = text.length();
    const std::size_t sepLength = separator.length();
    if (length == 0 || sepLength == 0) {
        if (length != 0) result.append(text);
        return result;
    }

    // The pieces keep their bytes in the text's own storage: the first byte of every separator
    // that ends a piece is overwritten by the piece's terminating zero.
    result.bytes_ = std::move(text).takeBytes();
    char* const bytes = result.bytes_.data();
    const char* const sep = separator.data();
    const unsigned char sep0 = separator.byteAt(0);
    auto addPiece = [&](std::size_t start, std::size_t end) {
        if (end > start) {
            result.pieces_.push_back({start, end - start});
            bytes[end] = '\0';
        } else {
            result.pieces_.push_back({0, 0});
        }
    };
    auto limitReached = [&] {
        return maxPieces > 0 && result.pieces_.size() + 1 >= static_cast<std::size_t>(maxPieces);
    };

    std::size_t start = 0;
    std::size_t pos = 0;
    while (length - pos >= sepLength && !limitReached()) {
        // The names box is split again after every appended line, so most of the time goes
        // here: plain bytes (below 0x80, not opening the separator) are passed over up to eight
        // at a time, as the byte-wise walk would pass them one by one.
        while (length - pos >= 8) {
            const std::size_t plain = plainBytesAhead(bytes + pos, sep0);
            pos += plain;
            if (plain < 8) break;
        }
        if (length - pos < sepLength) break;
        const unsigned char byte = static_cast<unsigned char>(bytes[pos]);
        if (byte == sep0 && std::equal(sep + 1, sep + sepLength, bytes + pos + 1)) {
            addPiece(start, pos);
            pos += sepLength;
            start = pos;
        } else if (byte >= 0x80) {
            if (pos + 1 == length) break;  // a lead byte with nothing after it ends the scan
            pos += 2;
        } else {
            pos += 1;
        }
    }
    if (start < length) addPiece(start, length);
    result.dimensionSizes_[0] = static_cast<std::int32_t>(result.pieces_.size());
    return result;
}
