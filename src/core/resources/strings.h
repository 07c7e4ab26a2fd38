// The string table: every text the user reads, once, each a named constant, so that a text the
// table does not hold cannot be asked for. The texts live by subsystem in the headers below;
// blanks in a text are %1, %2, %3, filled by format(). All UTF-8.
#pragma once

#include <string>
#include <string_view>

#include "resources/strings_attendance.h"
#include "resources/strings_averages.h"
#include "resources/strings_backup.h"
#include "resources/strings_card.h"
#include "resources/strings_chooser.h"
#include "resources/strings_collection_dialogs.h"
#include "resources/strings_history.h"
#include "resources/strings_hours.h"
#include "resources/strings_labels.h"
#include "resources/strings_options.h"
#include "resources/strings_privileges.h"
#include "resources/strings_records.h"
#include "resources/strings_reporting.h"
#include "resources/strings_reports.h"
#include "resources/strings_shell.h"
#include "resources/strings_status_lists.h"
#include "resources/strings_store.h"

namespace zelvo::res {

// The pattern with "%1", "%2", "%3" replaced by the arguments; any other "%" stays as it is.
std::string format(std::string_view pattern, std::string_view arg1, std::string_view arg2 = {},
                   std::string_view arg3 = {});

// A month by its index, 0 for January; an index outside 0-11 counts on round the year (-1 is
// December), so that "n months before" needs no care at the turn of the year.
std::string_view monthName(int monthIndex);          // "Ιανουάριος" ...
std::string_view monthAbbrev(int monthIndex);        // "Ιαν" ...
std::string_view monthNameGenitive(int monthIndex);  // "Ιανουαρίου" ..., for dates in words
std::string_view monthNameAccusative(int monthIndex);  // "Ιανουάριο" ..., after "για τον"

// What follows whole hours for 1-3 quarters of an hour (".25", ".5", ".75"); empty otherwise.
std::string_view quarterSuffix(int quarters);

// A number with one decimal, right-aligned in `width` characters ("%*.1f"): averages.
std::string oneDecimal(double value, int width = 3);

}  // namespace zelvo::res
