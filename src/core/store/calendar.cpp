#include "store/calendar.h"

namespace zelvo {

int CalendarState::absoluteMonthOf(int month, int slot) const {
    // The latest year of the right parity whose month is not after the report month.
    int year = reportYear;
    if (month > reportMonth) --year;
    if (yearSlot(year) != slot) year -= 1;
    return absoluteMonth(year, month);
}

bool applyReportMonthAtStart(CalendarState& cal, const Date& today) {
    cal.calYear = today.year;
    cal.calMonth = today.month;
    cal.calDay = today.day;
    bool cleared = false;
    if (cal.calDay < 25) {
        cleared = cal.earlyYear != 0 || cal.earlyMonth != 0;
        cal.earlyYear = 0;
        cal.earlyMonth = 0;
    }
    if (cal.earlyYear != 0 && cal.earlyAllowed != 0) {
        cal.calYear = 2000 + cal.earlyYear;
        cal.calMonth = cal.earlyMonth;
    }
    cal.yearCode = static_cast<std::uint8_t>(cal.calYear > 2000 ? cal.calYear - 2000 : 0);
    const int abs = (cal.calYear - 2000) * 12 + cal.calMonth - 2;
    cal.reportAbsMonth = static_cast<std::uint16_t>(abs > 0 ? abs : 0);
    cal.liveReportMonth = static_cast<std::uint8_t>(cal.reportAbsMonth % 12);
    cal.liveReportYear = static_cast<std::uint8_t>(cal.reportAbsMonth / 12);
    deriveReportMonth(cal);
    return cleared;
}

void deriveReportMonth(CalendarState& cal) {
    if (cal.viewingPrevious != 0) {
        cal.reportMonth = cal.viewMonth;
        cal.reportYear = cal.viewYear;
        cal.reportAbsMonth = static_cast<std::uint16_t>(absoluteMonth(cal.viewYear, cal.viewMonth));
    } else {
        cal.reportMonth = cal.liveReportMonth;
        cal.reportYear = cal.liveReportYear;
        cal.reportAbsMonth =
            static_cast<std::uint16_t>(absoluteMonth(cal.liveReportYear, cal.liveReportMonth));
    }
    cal.lastOldFormMonth = kLastOldFormMonth;
    cal.newReportForm = cal.reportAbsMonth > cal.lastOldFormMonth ? 1 : 0;
}

void chooseEarlyCollection(CalendarState& cal) {
    const int next = cal.reportAbsMonth + 1;
    const int after = next + 1;
    cal.earlyYear = after / 12;
    cal.earlyMonth = after % 12 + 1;
    cal.liveReportMonth = static_cast<std::uint8_t>(next % 12);
    cal.liveReportYear = static_cast<std::uint8_t>(next / 12);
    deriveReportMonth(cal);
}

}  // namespace zelvo
