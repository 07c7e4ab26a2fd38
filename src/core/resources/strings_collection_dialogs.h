// The collection dialogs' notes on what is not built yet. Part of the string table: include
// resources/strings.h.
#pragma once

#include <string_view>

namespace zelvo::res {

inline constexpr std::string_view kCollectionFilesNotYet =
    "Τα αρχεία συλλογής των Επισκόπων Ομίλων δεν είναι ακόμη διαθέσιμα· έρχονται σε επόμενη "
    "έκδοση του προγράμματος.";

}  // namespace zelvo::res
