#include "resources/strings.h"

#include <array>
#include <cstdio>

namespace zelvo::res {

namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {
    "Ιανουάριος", "Φεβρουάριος", "Μάρτιος",     "Απρίλιος",  "Μάιος",     "Ιούνιος",
    "Ιούλιος",    "Αύγουστος",   "Σεπτέμβριος", "Οκτώβριος", "Νοέμβριος", "Δεκέμβριος"};

constexpr std::array<std::string_view, 12> kMonthAbbrevs = {
    "Ιαν", "Φεβ", "Μαρ", "Απρ", "Μαϊ", "Ιουν", "Ιουλ", "Αυγ", "Σεπ", "Οκτ", "Νοε", "Δεκ"};

constexpr std::array<std::string_view, 12> kMonthGenitives = {
    "Ιανουαρίου", "Φεβρουαρίου", "Μαρτίου",     "Απριλίου",  "Μαΐου",     "Ιουνίου",
    "Ιουλίου",    "Αυγούστου",   "Σεπτεμβρίου", "Οκτωβρίου", "Νοεμβρίου", "Δεκεμβρίου"};

constexpr std::array<std::string_view, 12> kMonthAccusatives = {
    "Ιανουάριο", "Φεβρουάριο", "Μάρτιο",     "Απρίλιο",  "Μάιο",     "Ιούνιο",
    "Ιούλιο",    "Αύγουστο",   "Σεπτέμβριο", "Οκτώβριο", "Νοέμβριο", "Δεκέμβριο"};

constexpr std::array<std::string_view, 3> kQuarterSuffixes = {".25", ".5", ".75"};

std::size_t monthSlot(int monthIndex) {
    return static_cast<std::size_t>((monthIndex % 12 + 12) % 12);
}

}  // namespace

std::string format(std::string_view pattern, std::string_view arg1, std::string_view arg2,
                   std::string_view arg3) {
    const std::string_view args[] = {arg1, arg2, arg3};
    std::string out;
    out.reserve(pattern.size() + arg1.size() + arg2.size() + arg3.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
            pattern[i + 1] <= '3') {
            out += args[pattern[i + 1] - '1'];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::string_view monthName(int monthIndex) {
    return kMonthNames[monthSlot(monthIndex)];
}

std::string_view monthAbbrev(int monthIndex) {
    return kMonthAbbrevs[monthSlot(monthIndex)];
}

std::string_view monthNameGenitive(int monthIndex) {
    return kMonthGenitives[monthSlot(monthIndex)];
}

std::string_view monthNameAccusative(int monthIndex) {
    return kMonthAccusatives[monthSlot(monthIndex)];
}

std::string_view quarterSuffix(int quarters) {
    if (quarters < 1 || quarters > 3) return {};
    return kQuarterSuffixes[static_cast<std::size_t>(quarters - 1)];
}

std::string oneDecimal(double value, int width) {
    char text[48];
    std::snprintf(text, sizeof text, "%*.1f", width, value);
    return text;
}

}  // namespace zelvo::res
