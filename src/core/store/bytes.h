// Little-endian integers and zero-terminated text inside fixed-width byte fields.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zelvo {

using Byte = std::uint8_t;
using Bytes = std::vector<Byte>;

inline std::uint16_t readU16(const Byte* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline void writeU16(Byte* p, std::uint16_t value) {
    p[0] = static_cast<Byte>(value & 0xFF);
    p[1] = static_cast<Byte>(value >> 8);
}

// A text field: `width` bytes at `offset`, holding at most width - 1 characters.
struct TextField {
    std::size_t offset;
    std::size_t width;
};

// Length of the text in a field: up to its first zero byte, never past the field.
inline std::size_t fieldLength(const Byte* field, std::size_t width) {
    std::size_t n = 0;
    while (n < width && field[n] != 0) ++n;
    return n;
}

inline std::string readText(const Byte* field, std::size_t width) {
    return std::string(reinterpret_cast<const char*>(field), fieldLength(field, width));
}

// Writes at most width - 1 bytes of `text` and zero-fills the rest of the field.
inline void writeText(Byte* field, std::size_t width, std::string_view text) {
    const std::size_t n = text.size() < width ? text.size() : width - 1;
    for (std::size_t i = 0; i < width; ++i) field[i] = i < n ? static_cast<Byte>(text[i]) : Byte{0};
    // A zero inside `text` simply ends it, as it would in the file.
}

// Leading and trailing blanks removed.
inline std::string_view trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(' ');
    return s.substr(first, last - first + 1);
}

}  // namespace zelvo
