// Today's date. The system's, unless fixed from outside: `--today` in zelvo-cli, the environment
// variable ZELVO_TODAY for the desktop program, so tests never depend on the day they run.
#pragma once

#include <optional>
#include <string_view>

#include "store/calendar.h"

namespace zelvo {

// Today by the system's local time.
Date systemToday();

// "YYYY-MM-DD" with a real calendar date; nothing otherwise.
std::optional<Date> parseIsoDate(std::string_view text);

// The environment variable that fixes today's date for the desktop program and its tests.
inline constexpr const char* kTodayEnvironmentVariable = "ZELVO_TODAY";

// The desktop program's today: ZELVO_TODAY when it holds a valid date, else the system's.
Date todayFromEnvironment();

}  // namespace zelvo
