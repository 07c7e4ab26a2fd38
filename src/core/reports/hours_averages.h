// The averages behind the analysis and the averages reports: a publisher's averages over the
// months since a new or transferred status began (at most three and six), and the average of all
// reports of a set of publishers over the last months.
#pragma once

#include <cstdint>

#include "store/report_column.h"

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::reports {

// Status bits that shorten a publisher's averaging window: new (bit 0) and transferred (bit 2).
inline constexpr int kAveragingMarks = 0x05;
// The category filter that takes every pioneer kind.
inline constexpr int kAnyCategory = 15;

// Whole hours with quarter-hour units summed over several reports: four units make an hour, and
// three left over round up to one (45 minutes count; 15 or 30 are dropped).
long hoursWithQuarters(long hours, long quarters);

struct ThreeSix {
    double three = 0.0;
    double six = 0.0;
};

// The column's value of publisher `row` averaged over min(window, 3) and min(window, 6) months
// ending with the report month; a month without a report counts as 0, even when it holds values
// (placements alone make no report).
ThreeSix publisherAverages(const CZelvoDoc& doc, int row, ReportColumn column);

// Which publishers a report average takes.
struct ReportFilter {
    int category = kAnyCategory;  // pioneer kind of each month, or kAnyCategory
    int group = 0;                // 0 = every group
    int privileges = 0;  // bits 0-1: 1 servants, 2 elders, 3 baptized brothers; bit 4 custom
};

// A privilege filter (bits 0-1 a code, bit 4 the custom category) against a person's privileges.
// Elders and ministerial servants are baptized brothers too, so code 3 takes codes 1-3.
bool privilegesMatch(int filter, std::uint8_t privileges);

// The reports the matching active publishers made in the `months` months ending with the report
// month.
long reportCount(const CZelvoDoc& doc, const ReportFilter& filter, int months);

// The column's value summed over every report the matching active publishers made in the `months`
// months ending with the report month, divided by the number of those reports (0 when none).
// Hours take the quarter hours: four make an hour, and three left over round up to one.
double reportAverage(const CZelvoDoc& doc, const ReportFilter& filter, int months,
                     ReportColumn column);

}  // namespace zelvo::reports
