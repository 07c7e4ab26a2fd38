#include "records/type_ahead.h"

#include <algorithm>

#include "store/bytes.h"
#include "store/cp1253.h"
#include "store/name_collation.h"

namespace zelvo::records {

namespace {

// Every letter typed so far is the first one again, whatever its case or accent.
bool oneLetterRepeated(const std::string& typed) {
    return collation::startsWith(typed, std::string(typed.size(), typed.front()));
}

int findPrefix(const std::vector<std::string>& texts, const std::string& prefix, int from) {
    const int count = static_cast<int>(texts.size());
    for (int k = 0; k < count; ++k) {
        const int i = (from + k) % count;
        const std::string text = cp1253::fromUtf8(texts[static_cast<std::size_t>(i)]);
        if (collation::startsWith(trimmed(text), prefix)) return i;
    }
    return -1;
}

}  // namespace

int TypeAhead::find(const std::vector<std::string>& texts, int current,
                    std::string_view lettersUtf8, long long nowMs) {
    const std::string letters = cp1253::fromUtf8(lettersUtf8);
    if (letters.empty() || texts.empty()) return -1;
    const bool fresh = typed_.empty() || nowMs - lastTyped_ > kPauseMs;
    typed_ = fresh ? letters : typed_ + letters;
    lastTyped_ = nowMs;
    // A first letter looks from the entry after the current one (the first when none is),
    // more letters from the current one.
    const int next = std::max(current, -1) + 1;
    int found = findPrefix(texts, typed_, fresh ? next : std::max(current, 0));
    // The same letter typed again goes on to the next entry that begins with it.
    if (found < 0 && oneLetterRepeated(typed_))
        found = findPrefix(texts, typed_.substr(0, 1), next);
    return found;
}

}  // namespace zelvo::records
