// The twelve-month hours report: one row per publisher of a list, one column per month of the
// twelve ending with the report month, and the average.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "reports/hours_lists.h"
#include "reports/report_routines.h"

namespace zelvo::reports {

// The list of hours report `kind` (with `group` for the group kind); nothing for another kind.
std::optional<HoursListArgs> hoursReportArgsFor(int kind, int group);

// How many months at the start of the twelve ending with the report month are drawn in the old
// report form (whole hours and quarter hours for everybody); the rest are drawn in the new one
// (a tick for a publisher who took part). A pioneer list whose window crosses the switch-over
// is drawn in the old form all through.
int oldFormMonths(int reportAbsMonth, int lastOldFormMonth, bool pioneerFilter);

// What a row shows: each month's text (empty for nothing), whether the month has a tick
// instead, and the average (empty when not shown).
struct HoursRow {
    std::string name;  // UTF-8
    std::array<std::string, 12> months;
    std::array<bool, 12> ticks{};
    std::string average;
};
HoursRow hoursRow(const CZelvoDoc& doc, int row, const HoursListArgs& args);

// Draws the report and sets context.pageCount.
void drawHoursReport(const CZelvoDoc& doc, Surface& surface, const HoursListArgs& args,
                     ReportContext& context);

}  // namespace zelvo::reports
