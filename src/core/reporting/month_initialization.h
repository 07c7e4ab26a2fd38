// Opening a month's collection: the month's slot, which still holds the same month of two years
// before, is cleared for everybody after the data folder has been copied under Roll.
#pragma once

#include <string>
#include <vector>

#include "store/calendar.h"

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::reporting {

struct [[nodiscard]] InitializationResult {
    bool done = false;
    // Not done: the month copy's files that could not be written, or the last save had failed
    // (the folder may hold files of two saves). Nothing was changed then.
    std::vector<std::string> notCopied;
    bool afterFailedSave = false;
    // Not done: what to tell the user (UTF-8).
    std::string refusal;
};

// Initializes month index `month` in year slot `slot`: the month copy, status marks aged, pioneer
// kinds carried over from the month before, the slot cleared (late-report marks too), the
// inactive, moved and deleted lists rolled over, the quarter-hour remainder, the attendance slot,
// the late-report list emptied and `month` left the only open collection. Rows of students keep
// their conductor's name untouched. `today` dates the month copy's history line.
InitializationResult initializeMonth(CZelvoDoc& doc, int month, int slot, const Date& today);

// The removal rule of an overfull inactive or deleted list: while the list holds more than 280
// people, the one with the earliest year in statusFlags2 before the current year (ties: the
// earliest month of statusFlags) is removed until 250 remain, or until nobody qualifies.
void thinOutList(CZelvoDoc& doc, int kind);

}  // namespace zelvo::reporting
