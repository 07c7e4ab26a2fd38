// A text as a JSON string literal: quotes and backslashes escaped, control characters as \u00XX,
// UTF-8 passed through. Shared by every writer of JSON.
#pragma once

#include <string>
#include <string_view>

namespace zelvo {

void appendJsonString(std::string& out, std::string_view utf8);

}  // namespace zelvo
