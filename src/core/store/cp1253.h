// Windows-1253 (Greek) text: the single-byte form of every text in the data files.
#pragma once

#include <string>
#include <string_view>

namespace zelvo::cp1253 {

// UTF-8 to Windows-1253. Characters the code page lacks become '?'.
std::string fromUtf8(std::string_view utf8);
// Windows-1253 to UTF-8. Bytes the code page leaves undefined become U+FFFD.
std::string toUtf8(std::string_view text);

// Case folding as the Greek locale does it: upper-case letters (accented ones included) map
// to their lower-case forms; everything else is unchanged.
unsigned char toLower(unsigned char c);
unsigned char toUpper(unsigned char c);
bool isUpper(unsigned char c);
bool isLetter(unsigned char c);
std::string toLower(std::string_view text);

}  // namespace zelvo::cp1253
