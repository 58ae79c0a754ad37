#pragma once
// Text: 8-bit text in the ANSI code page (936), counted in bytes.
//
// A text may be absent; every operation treats an absent text exactly as the empty one.
// `Text` owns its bytes; `TextRef` is the borrowed form in which texts are passed as
// arguments (they stay the caller's) and in which an array hands out its own elements.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

class Text;

class TextRef {
public:
    constexpr TextRef() = default;  // absent
    constexpr TextRef(const char* bytes, std::size_t length) : bytes_(bytes), length_(length) {}
    TextRef(const char* zeroTerminated);  // NOLINT: literals and C strings pass as texts
    TextRef(const Text& text);            // NOLINT
    TextRef(std::nullptr_t) = delete;

    bool isAbsent() const { return bytes_ == nullptr; }
    const char* data() const { return bytes_ ? bytes_ : ""; }
    std::size_t length() const { return length_; }
    std::string_view view() const { return {data(), length_}; }
    unsigned char byteAt(std::size_t i) const { return static_cast<unsigned char>(bytes_[i]); }

private:
    const char* bytes_ = nullptr;
    std::size_t length_ = 0;
};

class Text {
public:
    Text() = default;  // absent
    explicit Text(std::string bytes) : bytes_(std::move(bytes)), present_(true) {}
    explicit Text(TextRef text) : Text(text.isAbsent() ? Text() : Text(std::string(text.view()))) {}

    bool isAbsent() const { return !present_; }
    const char* c_str() const { return bytes_.c_str(); }  // "" when absent
    std::size_t length() const { return bytes_.size(); }
    std::string_view view() const { return bytes_; }

    // Hands the bytes over to a new owner; the text is absent afterwards.
    std::string takeBytes() && {
        present_ = false;
        return std::move(bytes_);
    }

private:
    std::string bytes_;
    bool present_ = false;
};

inline TextRef::TextRef(const char* zeroTerminated)
    : bytes_(zeroTerminated), length_(zeroTerminated ? std::char_traits<char>::length(zeroTerminated) : 0) {}
inline TextRef::TextRef(const Text& text)
    : bytes_(text.isAbsent() ? nullptr : text.c_str()), length_(text.length()) {}

// Length in bytes; 0 for an absent text.
std::size_t textLength(TextRef text);

// The parts one after another, as a new text that is always present.
Text concatTexts(std::initializer_list<TextRef> parts);

// Byte-wise comparison on unsigned bytes: -1, 0 or 1. No case folding, no locale.
int compareText(TextRef a, TextRef b);

// Decimal digits of the value, as the platform's "%d" writes them.
Text integerToText(std::int32_t value);
