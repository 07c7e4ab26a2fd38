// What the status line of the main window says after a save.
#pragma once

#include <string>

#include "store/zelvo_doc.h"

namespace zelvo::shell {

// A time of the day, to the minute.
struct TimeOfDay {
    int hour = 0;
    int minute = 0;
};

// After a save that wrote every file, the time it was saved ("Αποθηκεύτηκε στις 14:05");
// after a failed one, the name of the first file it could not write and how many more.
std::string saveStatusText(const SaveResult& result, TimeOfDay savedAt);

}  // namespace zelvo::shell
