// Characters of UTF-8 text, for the few rules that count characters rather than bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zelvo {

// Each character of `text` as its own byte sequence. A malformed sequence counts as one
// character per byte, so nothing is lost.
std::vector<std::string_view> utf8Chars(std::string_view text);

// The first `count` characters of `text`.
std::string firstUtf8Chars(std::string_view text, std::size_t count);

}  // namespace zelvo
