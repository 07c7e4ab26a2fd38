// Today's date from one injectable source.
#pragma once

#include <optional>
#include <string_view>

#include "store/calendar.h"

namespace zelvo {

class Clock {
public:
    virtual ~Clock() = default;
    virtual Date today() const = 0;
};

class SystemClock : public Clock {
public:
    Date today() const override;
};

class FixedClock : public Clock {
public:
    explicit FixedClock(Date d) : date_(d) {}
    Date today() const override { return date_; }

private:
    Date date_;
};

// "YYYY-MM-DD" with a real calendar date; nothing otherwise.
std::optional<Date> parseIsoDate(std::string_view text);

// The environment variable that fixes today's date for tests of the desktop program.
inline constexpr const char* kTodayEnvironmentVariable = "ZELVO_TODAY";

// SystemClock, unless ZELVO_TODAY holds a valid date.
Date todayFromEnvironment();

}  // namespace zelvo
