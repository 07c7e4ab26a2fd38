#include "shell/utf8_chars.h"

namespace zelvo {

namespace {

std::size_t sequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead < 0xF8) return 4;
    if (lead >= 0xE0) return lead < 0xF0 ? 3 : 1;
    if (lead >= 0xC0) return 2;
    return 1;
}

bool isContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::vector<std::string_view> utf8Chars(std::string_view text) {
    std::vector<std::string_view> chars;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t len = sequenceLength(static_cast<unsigned char>(text[i]));
        if (i + len > text.size()) len = 1;
        for (std::size_t k = 1; k < len; ++k)
            if (!isContinuation(text[i + k])) len = 1;
        chars.push_back(text.substr(i, len));
        i += len;
    }
    return chars;
}

std::string firstUtf8Chars(std::string_view text, std::size_t count) {
    std::string out;
    for (std::string_view c : utf8Chars(text)) {
        if (count-- == 0) break;
        out += c;
    }
    return out;
}

}  // namespace zelvo
