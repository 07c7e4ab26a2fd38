// Finding an entry of a list by typing the first letters of its text, as list boxes do: accents
// and letter case aside, letters typed in quick succession make one beginning, and the same
// letter again goes on to the next entry with it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zelvo::records {

class TypeAhead {
public:
    // A pause longer than this between two letters starts a new beginning.
    static constexpr long long kPauseMs = 1000;

    // Letters typed at `nowMs` while the entry `current` of `texts` (UTF-8) is selected (-1 for
    // none): the first entry from the current one that begins with the letters typed so far; a
    // first letter moves on from the current entry. -1 when no entry begins so.
    int find(const std::vector<std::string>& texts, int current, std::string_view lettersUtf8,
             long long nowMs);

private:
    std::string typed_;  // Windows-1253, as typed
    long long lastTyped_ = 0;
};

}  // namespace zelvo::records
