// Texts kept inside their columns: a text too wide for its room is shortened and ends with an
// ellipsis, measured with the surface's own metrics in the selected font.
#pragma once

#include <string>
#include <string_view>

#include "reports/surface.h"

namespace zelvo::reports {

inline constexpr std::string_view kEllipsis = "…";

// `utf8` when it is at most `width` wide; else as many of its first characters as fit with the
// ellipsis after them (trailing blanks dropped); the ellipsis alone, or nothing, when even that
// does not fit.
std::string fitText(const Surface& surface, std::string_view utf8, int width);

}  // namespace zelvo::reports
