// Calendar terms: month index 0 = January, two-digit years, absolute months and year slots,
// the walk back over months, and the report month at start.
#pragma once

#include <cstdint>

namespace zelvo {

struct Date {
    int year = 2000;  // four digits
    int month = 1;    // 1-12
    int day = 1;
};

inline constexpr int kLastOldFormMonth = 284;  // September 2023

inline int absoluteMonth(int twoDigitYear, int monthIndex) {
    return twoDigitYear * 12 + monthIndex;
}
inline int yearSlot(int twoDigitYear) {
    return twoDigitYear % 2;
}

// One month of the 24 kept in a record: month index and year slot.
struct MonthSlot {
    int month = 0;
    int slot = 0;
    bool operator==(const MonthSlot&) const = default;
};

// Walks back month by month; the slot flips when the walk passes from January to December.
class MonthWalk {
public:
    MonthWalk(int month, int slot) : current_{month, slot} {}
    MonthSlot current() const { return current_; }
    void back() {
        if (current_.month == 0) {
            current_.month = 11;
            current_.slot ^= 1;
        } else {
            --current_.month;
        }
    }

private:
    MonthSlot current_;
};

// The calendar state of the document.
struct CalendarState {
    int calYear = 2000;
    int calMonth = 1;  // 1-12
    int calDay = 1;
    std::uint8_t yearCode = 0;
    int earlyYear = 0;  // the stored early-collection choice (two-digit year), 0 = none
    int earlyMonth = 0;
    std::uint8_t earlyAllowed = 1;
    std::uint8_t reportMonth = 0;
    std::uint8_t liveReportMonth = 0;
    std::uint8_t viewMonth = 0;
    std::uint8_t viewYear = 0;
    std::uint8_t viewingPrevious = 0;
    std::uint16_t lastOldFormMonth = kLastOldFormMonth;
    std::uint8_t newReportForm = 0;
    std::uint16_t reportAbsMonth = 0;
    std::uint8_t reportYear = 0;
    std::uint8_t liveReportYear = 0;

    int reportSlot() const { return yearSlot(reportYear); }
    // The slot that holds month `month` of the 24 months ending with the report month.
    int slotOfMonth(int month) const {
        return month <= reportMonth ? reportSlot() : yearSlot(reportYear + 1);
    }
    // The absolute month held in (month, slot) of a record, for the 24 months ending with the
    // report month.
    int absoluteMonthOf(int month, int slot) const;
    MonthWalk walkFromReportMonth() const { return MonthWalk(reportMonth, reportSlot()); }
};

// The early-collection rule and the report month derived from `today`. `earlyYear` and
// `earlyMonth` hold the stored choice on entry; before the 25th of a month it is cleared
// (returns true when a stored choice was cleared, so the caller writes the settings).
bool applyReportMonthAtStart(CalendarState& cal, const Date& today);
// Report month, report year and the form from `reportAbsMonth` (live or viewed month).
void deriveReportMonth(CalendarState& cal);

// The early choice that starts the current calendar month early: from the report month, the
// next month becomes the report month and the month after it is stored.
void chooseEarlyCollection(CalendarState& cal);

}  // namespace zelvo
