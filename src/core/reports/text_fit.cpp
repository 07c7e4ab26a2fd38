#include "reports/text_fit.h"

namespace zelvo::reports {

namespace {

// `utf8` without its last character.
std::string_view dropLast(std::string_view utf8) {
    std::size_t end = utf8.size();
    while (end > 0 && (static_cast<unsigned char>(utf8[--end]) & 0xC0) == 0x80) {
    }
    return utf8.substr(0, end);
}

}  // namespace

std::string fitText(const Surface& surface, std::string_view utf8, int width) {
    if (surface.textWidth(utf8) <= width) return std::string(utf8);
    for (std::string_view kept = dropLast(utf8); !kept.empty(); kept = dropLast(kept)) {
        const std::size_t last = kept.find_last_not_of(' ');
        if (last == std::string_view::npos) break;
        std::string candidate(kept.substr(0, last + 1));
        candidate += kEllipsis;
        if (surface.textWidth(candidate) <= width) return candidate;
    }
    return surface.textWidth(kEllipsis) <= width ? std::string(kEllipsis) : std::string();
}

}  // namespace zelvo::reports
