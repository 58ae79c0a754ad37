#pragma once

#include <cstdint>

#include "Text.h"

// Replaces up to maxCount occurrences of find in source, left to right, each by replacement
// (0 replaces none; a negative count replaces every occurrence).
// A match starts only where a character starts: every byte of 0x80 or above opens a two-byte
// character. Case matters. The result is absent when it is empty.
Text replaceText(TextRef source, TextRef find, TextRef replacement, std::int32_t maxCount);
