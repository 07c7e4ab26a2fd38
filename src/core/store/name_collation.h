// Names in the order a Greek reader expects (ICU's Greek collation): the letters first, with
// accents and letter case ignored and final sigma the same letter as sigma; then accents break
// the tie, then letter case. Texts are Windows-1253, as in the records.
#pragma once

#include <string>
#include <string_view>

namespace zelvo::collation {

// A key whose byte order is the name order; make it once per name and compare keys, which is
// much cheaper than comparing the names.
std::string sortKey(std::string_view name);

// True when two keys of sortKey are the same name: the same letters and accents, whatever the
// letter case (the names a list cannot tell apart).
bool sameName(std::string_view keyA, std::string_view keyB);

// True when `name` begins with `prefix`, accents and letter case ignored: what type-ahead finds.
bool startsWith(std::string_view name, std::string_view prefix);

}  // namespace zelvo::collation
