// The file forms of text fields: the shift of zdat9.bin and xten7.dat and the XOR of
// bkstudy.dat, with the check and repair of texts that a shifted field cannot hold.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "store/bytes.h"

namespace zelvo {

// A shifted field stores byte i as byte + (i + 52). In name fields (and the first 30 positions
// of the address) a byte 204 is left as it is, both ways.
struct ShiftForm {
    std::size_t exceptionPositions;  // positions 0 .. n-1 keep the byte 204 unchanged
};

inline constexpr ShiftForm kNameShift{static_cast<std::size_t>(-1)};
inline constexpr ShiftForm kAddressShift{30};
inline constexpr ShiftForm kPlainShift{0};

// Shifts the text of a field (up to its first zero) into its file form, after forcing the
// terminator in the field's last byte.
void shiftToFile(Byte* field, std::size_t width, ShiftForm form);
// Back from the file form; the text ends at the first zero byte of the file form.
void shiftFromFile(Byte* field, std::size_t width, ShiftForm form);

// Whether every character of `text` (Windows-1253) comes back unchanged from the file form.
// A character whose shifted form is 0 would end the text there; one whose shifted form is 204
// in an excepted position would come back as 204.
bool survivesShift(std::string_view text, ShiftForm form);
bool survivesShiftAt(unsigned char c, std::size_t position, ShiftForm form);
// Changes only the characters that would not survive: an upper-case letter becomes its
// lower-case form; any other character the nearest byte value that survives.
std::string repairForShift(std::string_view text, ShiftForm form);

// bkstudy.dat: each text XORed with a fixed ten-byte key, restarting the key for each text;
// a byte equal to the key byte is left as it is, so the operation is its own inverse and a
// text never gains or loses a zero byte.
void xorGroupText(Byte* field, std::size_t width);

}  // namespace zelvo
