#include "Text.h"

#include <cstring>

std::size_t textLength(TextRef text) { return text.length(); }

Text concatTexts(std::initializer_list<TextRef> parts) {
    std::size_t total = 0;
    for (TextRef part : parts) total += part.length();
    std::string bytes;
    bytes.reserve(total);
    for (TextRef part : parts) bytes.append(part.data(), part.length());
    return Text(std::move(bytes));
}

int compareText(TextRef a, TextRef b) {
    // Comparing up to and including the terminating zero makes a text that is a proper
    // beginning of the other the smaller one; an absent text reads as "".
    const std::size_t common = a.length() < b.length() ? a.length() : b.length();
    const int order = common ? std::memcmp(a.data(), b.data(), common) : 0;  // memcmp is unsigned
    if (order != 0) return order < 0 ? -1 : 1;
    if (a.length() == b.length()) return 0;
    return a.length() < b.length() ? -1 : 1;
}

Text integerToText(std::int32_t value) { return Text(std::to_string(value)); }
