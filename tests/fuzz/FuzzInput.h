#pragma once
// How the fuzz targets read their input: the leading bytes give numbers and lengths, the bytes
// after them are the texts. Every text is copied into a heap block of exactly its length, with
// no terminating zero, so that AddressSanitizer reports a read of even one byte past its end.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <string>

#include "Text.h"

// A text taken from the input. An empty one is passed either as absent or as present and empty,
// as the input says: every operation must treat the two alike.
class FuzzText {
public:
    FuzzText(const void* bytes, std::size_t length, bool absentIfEmpty)
        : block_(new char[length]), length_(length), absent_(length == 0 && absentIfEmpty) {
        if (length > 0) std::memcpy(block_.get(), bytes, length);
    }
    explicit FuzzText(const std::string& bytes) : FuzzText(bytes.data(), bytes.size(), false) {}

    TextRef ref() const { return absent_ ? TextRef() : TextRef(block_.get(), length_); }
    std::string bytes() const { return std::string(block_.get(), length_); }
    std::size_t length() const { return length_; }

private:
    std::unique_ptr<char[]> block_;
    std::size_t length_;
    bool absent_;
};

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    // The next byte; 0 once the input is used up.
    std::uint8_t byte() { return position_ < size_ ? data_[position_++] : 0; }

    // The next byte as a signed count from -127 to 126, where -128 and 127 stand for the
    // smallest and the largest int32: small counts are what matter, the extremes catch overflow.
    std::int32_t count() {
        const auto value = static_cast<std::int8_t>(byte());
        switch (value) {
        case std::numeric_limits<std::int8_t>::min(): return std::numeric_limits<std::int32_t>::min();
        case std::numeric_limits<std::int8_t>::max(): return std::numeric_limits<std::int32_t>::max();
        default: return value;
        }
    }

    // The next `length` bytes as a text, fewer if the input ends first.
    FuzzText text(std::size_t length, bool absentIfEmpty) {
        const std::size_t available = size_ - position_ < length ? size_ - position_ : length;
        FuzzText text(data_ + position_, available, absentIfEmpty);
        position_ += available;
        return text;
    }

    FuzzText rest(bool absentIfEmpty) { return text(size_ - position_, absentIfEmpty); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};
