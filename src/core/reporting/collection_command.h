// The command "Δελτία Έργου": the collection start when the report month's collection is not
// open, the month it chose made the report month, its initialization, the status line, and
// whether the publisher list opens. The desktop program and zelvo-cli both run it.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "reporting/collection_start_model.h"
#include "reporting/month_initialization.h"
#include "store/calendar.h"

namespace zelvo {
class CZelvoDoc;
class UserPrompts;
}  // namespace zelvo

namespace zelvo::reporting {

// Shows the collection start dialog over the model: the answer of the button pressed, nothing
// when it was cancelled.
using StartDialog =
    std::function<std::optional<CollectionStartModel::Result>(const CollectionStartModel&)>;

struct EnterReportsOutcome {
    bool dialogShown = false;
    bool cancelled = false;  // nothing changed
    bool initialized = false;
    bool refused = false;    // the initialization could not run: nothing changed, the user was told
    std::string statusText;  // the status line's working month (UTF-8); empty when cancelled
    bool listOpens = false;
};

// True while the report month's collection is open: the command goes straight to the list.
bool collectionOpen(const CZelvoDoc& doc);

// Runs the command. The early choice goes into zelvog.ini at once (a live session only); a
// settings file that cannot be written is told through `prompts`.
EnterReportsOutcome enterReports(CZelvoDoc& doc, const Date& today, UserPrompts& prompts,
                                 const StartDialog& showStartDialog);

// "Μήνας Εργασίας = ..." with the report month.
std::string workingMonthText(const CZelvoDoc& doc);

}  // namespace zelvo::reporting
