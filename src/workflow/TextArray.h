#pragma once
// TextArray: an array of texts that owns its elements. Every array of this program has one
// dimension. Elements are counted from 1; an element may be absent (an empty piece).
//
// The elements of one array share a single block of bytes, so that cutting a long text into
// thousands of lines costs two allocations, not one per line.

#include <cstdint>
#include <string>
#include <vector>

#include "Text.h"

class TextArray {
public:
    TextArray() = default;  // no dimensions, no elements

    // An array of one dimension; its elements are added with append, in order.
    static TextArray oneDimension();

    // Adds the next element, a copy of text; an empty text is stored as an absent element.
    void append(TextRef text);

    std::int32_t dimensionCount() const { return static_cast<std::int32_t>(dimensionSizes_.size()); }
    std::int32_t elementCount() const;
    TextRef element(std::int32_t index0) const;  // 0-based, unchecked

private:
    friend TextArray splitText(Text&& text, TextRef separator, std::int32_t maxPieces);
    struct Piece {
        std::size_t offset;
        std::size_t length;  // 0: absent
    };
    std::vector<std::int32_t> dimensionSizes_;
    std::string bytes_;  // every present element, each followed by a zero byte
    std::vector<Piece> pieces_;
};

std::int32_t elementCount(const TextArray& array);

// The element at position (1 to elementCount): the array's own text, not a copy. A position
// outside the array is a fatal error.
TextRef elementAt(const TextArray& array, std::int32_t position);

// Frees the elements and the array (which it takes over).
void releaseTextArray(TextArray&& array);

// Cuts text at every separator into a new one-dimensional array. A separator counts only where
// a character begins: every byte of 0x80 or above opens a two-byte character. A separator at
// the very end adds no empty piece; maxPieces of 0 or less means no limit.
TextArray splitText(TextRef text, TextRef separator, std::int32_t maxPieces = 0);
// The same, keeping the text's own bytes as the pieces' storage instead of copying them.
TextArray splitText(Text&& text, TextRef separator, std::int32_t maxPieces = 0);
