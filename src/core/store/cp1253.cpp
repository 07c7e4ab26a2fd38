#include "store/cp1253.h"

#include <array>
#include <cstdint>

namespace zelvo::cp1253 {
namespace {

// Unicode code points of bytes 0x80-0xFF; 0 marks a byte the code page leaves undefined.
constexpr std::array<std::uint16_t, 128> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0,      0x2030, 0,      0x2039, 0,      0,      0,      0,       // 88
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0,      0x2122, 0,      0x203A, 0,      0,      0,      0,       // 98
    0x00A0, 0x0385, 0x0386, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0,      0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x2015,  // A8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x0384, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0388, 0x0389, 0x038A, 0x00BB, 0x038C, 0x00BD, 0x038E, 0x038F,  // B8
    0x0390, 0x0391, 0x0392, 0x0393, 0x0394, 0x0395, 0x0396, 0x0397,  // C0
    0x0398, 0x0399, 0x039A, 0x039B, 0x039C, 0x039D, 0x039E, 0x039F,  // C8
    0x03A0, 0x03A1, 0,      0x03A3, 0x03A4, 0x03A5, 0x03A6, 0x03A7,  // D0
    0x03A8, 0x03A9, 0x03AA, 0x03AB, 0x03AC, 0x03AD, 0x03AE, 0x03AF,  // D8
    0x03B0, 0x03B1, 0x03B2, 0x03B3, 0x03B4, 0x03B5, 0x03B6, 0x03B7,  // E0
    0x03B8, 0x03B9, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BE, 0x03BF,  // E8
    0x03C0, 0x03C1, 0x03C2, 0x03C3, 0x03C4, 0x03C5, 0x03C6, 0x03C7,  // F0
    0x03C8, 0x03C9, 0x03CA, 0x03CB, 0x03CC, 0x03CD, 0x03CE, 0,       // F8
};

int byteForCodePoint(char32_t cp) {
    if (cp < 0x80) return static_cast<int>(cp);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] != 0 && kHigh[i] == cp) return static_cast<int>(0x80 + i);
    return -1;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

std::string fromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        char32_t cp = 0;
        std::size_t len = 1;
        if (lead < 0x80) {
            cp = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            cp = lead & 0x1F;
            len = 2;
        } else if ((lead & 0xF0) == 0xE0) {
            cp = lead & 0x0F;
            len = 3;
        } else if ((lead & 0xF8) == 0xF0) {
            cp = lead & 0x07;
            len = 4;
        } else {
            out += '?';
            ++i;
            continue;
        }
        bool valid = i + len <= utf8.size();
        for (std::size_t k = 1; valid && k < len; ++k) {
            const auto c = static_cast<unsigned char>(utf8[i + k]);
            if ((c & 0xC0) != 0x80)
                valid = false;
            else
                cp = (cp << 6) | (c & 0x3F);
        }
        if (!valid) {
            out += '?';
            ++i;
            continue;
        }
        const int b = byteForCodePoint(cp);
        out += b < 0 ? '?' : static_cast<char>(b);
        i += len;
    }
    return out;
}

std::string toUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += ch;
        } else {
            const char32_t cp = kHigh[c - 0x80];
            appendUtf8(out, cp == 0 ? char32_t{0xFFFD} : cp);
        }
    }
    return out;
}

bool isUpper(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return true;
    if (c >= 0xC1 && c <= 0xDB && c != 0xD2) return true;  // Α-Ω, Ϊ, Ϋ
    switch (c) {
        case 0xA2:
        case 0xB8:
        case 0xB9:
        case 0xBA:
        case 0xBC:
        case 0xBE:
        case 0xBF:
            return true;  // Ά Έ Ή Ί Ό Ύ Ώ
        default:
            return false;
    }
}

unsigned char toLower(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    if (c >= 0xC1 && c <= 0xDB && c != 0xD2) return static_cast<unsigned char>(c + 32);
    switch (c) {
        case 0xA2:
            return 0xDC;  // Ά ά
        case 0xB8:
            return 0xDD;  // Έ έ
        case 0xB9:
            return 0xDE;  // Ή ή
        case 0xBA:
            return 0xDF;  // Ί ί
        case 0xBC:
            return 0xFC;  // Ό ό
        case 0xBE:
            return 0xFD;  // Ύ ύ
        case 0xBF:
            return 0xFE;  // Ώ ώ
        default:
            return c;
    }
}

unsigned char toUpper(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
    if (c == 0xF2) return 0xD3;  // ς Σ
    if (c >= 0xE1 && c <= 0xFB) return static_cast<unsigned char>(c - 32);
    switch (c) {
        case 0xDC:
            return 0xA2;
        case 0xDD:
            return 0xB8;
        case 0xDE:
            return 0xB9;
        case 0xDF:
            return 0xBA;
        case 0xFC:
            return 0xBC;
        case 0xFD:
            return 0xBE;
        case 0xFE:
            return 0xBF;
        default:
            return c;
    }
}

bool isLetter(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
    if (c == 0xA2 || (c >= 0xB8 && c <= 0xBA) || c == 0xBC || (c >= 0xBE && c <= 0xFE))
        return c != 0xD2 && c != 0xBB && c != 0xBD;
    return false;
}

std::string toLower(std::string_view text) {
    std::string out(text);
    for (char& ch : out) ch = static_cast<char>(toLower(static_cast<unsigned char>(ch)));
    return out;
}

}  // namespace zelvo::cp1253
