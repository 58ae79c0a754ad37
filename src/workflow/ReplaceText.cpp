#include "ReplaceText.h"

#include <cstring>
#include <string>

Text replaceText(TextRef source, TextRef find, TextRef replacement, std::int32_t maxCount) {
    const std::size_t length = source.length();
    if (length == 0) return Text();
    if (find.length() == 0 || maxCount == 0) return Text(source);

    const char* const bytes = source.data();
    const std::size_t findLength = find.length();
    std::string result;
    result.reserve(length + replacement.length());
    std::size_t pos = 0;
    while (length - pos >= findLength) {
        if (std::memcmp(bytes + pos, find.data(), findLength) == 0) {
            result.append(replacement.data(), replacement.length());
            pos += findLength;
            if (maxCount > 0 && --maxCount == 0) break;  // a negative count has no limit
        } else if (source.byteAt(pos) < 0x80) {
            result.push_back(bytes[pos]);
            pos += 1;
        } else {
            // A lead byte and its trail byte move together; a lead byte that ends the text
            // is copied alone, so that no byte of a name is ever lost.
            const std::size_t characterLength = pos + 1 < length ? 2 : 1;
            result.append(bytes + pos, characterLength);
            pos += characterLength;
        }
    }
    result.append(bytes + pos, length - pos);
    if (result.empty()) return Text();
    return Text(std::move(result));
}
