// The service-year totals: one row per publisher of a list with the five report values summed
// from September to the report month, and the totals of each column.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "reports/hours_lists.h"
#include "reports/report_routines.h"

namespace zelvo::reports {

// The list of service-year totals `kind`; nothing for another kind.
std::optional<HoursListArgs> yearTotalsArgsFor(int kind);

// The months from September to the report month: 1 in September, 12 in August.
int serviceYearMonths(int reportMonth);

// Whole hours and quarter-hour units summed over months, four units carried into an hour as
// they come; what is left shows as ".25", ".5" or ".75".
struct HoursTotal {
    long hours = 0;
    int quarters = 0;  // 0-3
    void add(long moreHours, long moreQuarters);
    std::string text() const;
};

// The five values of a publisher (placements, videos, hours, return visits, studies) summed
// over the months of the service year so far, as printed.
struct YearTotalsRow {
    std::string name;  // UTF-8
    std::array<long, 5> values{};
    HoursTotal hours;  // the hours value, quarters carried
};
YearTotalsRow yearTotalsRow(const CZelvoDoc& doc, int row);

// Draws the report and sets context.pageCount.
void drawYearTotalsReport(const CZelvoDoc& doc, Surface& surface, const HoursListArgs& args,
                          ReportContext& context);

}  // namespace zelvo::reports
