#include "store/text_form.h"

#include "store/cp1253.h"

namespace zelvo {

namespace {

constexpr int kShiftBase = 52;
constexpr Byte kKeptByte = 204;
constexpr char kGroupKey[10] = {'Z', 'e', 'l', 'v', 'o', '#', 'G', 'r', 'p', '9'};

bool excepted(std::size_t position, ShiftForm form) {
    return position < form.exceptionPositions;
}

Byte shifted(Byte b, std::size_t i, int sign) {
    return static_cast<Byte>((b + sign * static_cast<int>(i + kShiftBase)) & 0xFF);
}

}  // namespace

void shiftToFile(Byte* field, std::size_t width, ShiftForm form) {
    field[width - 1] = 0;
    const std::size_t n = fieldLength(field, width);
    for (std::size_t i = 0; i < n; ++i) {
        if (field[i] == kKeptByte && excepted(i, form)) continue;
        field[i] = shifted(field[i], i, +1);
    }
}

void shiftFromFile(Byte* field, std::size_t width, ShiftForm form) {
    const std::size_t n = fieldLength(field, width);
    for (std::size_t i = 0; i < n; ++i) {
        if (field[i] == kKeptByte && excepted(i, form)) continue;
        field[i] = shifted(field[i], i, -1);
    }
}

bool survivesShiftAt(unsigned char c, std::size_t position, ShiftForm form) {
    if (c == 0) return false;
    if (c == kKeptByte && excepted(position, form)) return true;
    const Byte stored = shifted(c, position, +1);
    if (stored == 0) return false;
    if (stored == kKeptByte && excepted(position, form)) return false;
    return true;
}

bool survivesShift(std::string_view text, ShiftForm form) {
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!survivesShiftAt(static_cast<unsigned char>(text[i]), i, form)) return false;
    return true;
}

std::string repairForShift(std::string_view text, ShiftForm form) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto c = static_cast<unsigned char>(out[i]);
        if (survivesShiftAt(c, i, form)) continue;
        if (cp1253::isUpper(c)) {
            out[i] = static_cast<char>(cp1253::toLower(c));
            continue;
        }
        for (int d = 1; d < 256; ++d) {
            if (c - d > 0 && survivesShiftAt(static_cast<unsigned char>(c - d), i, form)) {
                out[i] = static_cast<char>(c - d);
                break;
            }
            if (c + d < 256 && survivesShiftAt(static_cast<unsigned char>(c + d), i, form)) {
                out[i] = static_cast<char>(c + d);
                break;
            }
        }
    }
    return out;
}

void xorGroupText(Byte* field, std::size_t width) {
    const std::size_t n = fieldLength(field, width);
    for (std::size_t i = 0; i < n; ++i) {
        const auto key = static_cast<Byte>(kGroupKey[i % sizeof kGroupKey]);
        if (field[i] != key) field[i] = static_cast<Byte>(field[i] ^ key);
    }
}

}  // namespace zelvo
