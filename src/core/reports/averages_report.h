// The three- and six-month averages reports: for a set of publishers (the congregation, a group,
// the regular pioneers, the elders, the ministerial servants, the baptized brothers or the custom
// category), each one's averages of the five report values, then the set's averages, those of
// each pioneer category, and how many are irregular.
#pragma once

#include <optional>
#include <vector>

#include "reports/report_routines.h"

namespace zelvo::reports {

struct AveragesArgs {
    int group = 0;            // 0 = every group
    int pioneerFilter = 0;    // 0 any, else the report month's pioneer kind (2 regular pioneers)
    int privilegeFilter = 0;  // bits 0-1 a privilege code, bit 4 the custom category
};

// The arguments of the averages kinds (`group` for the group variant); none for another kind.
std::optional<AveragesArgs> averagesArgsFor(int kind, int group);

// The publishers the report lists, in active-list order.
std::vector<int> averagesRows(const CZelvoDoc& doc, const AveragesArgs& args);

// Pages of `rows` rows at `rowsPerPage` a page. The summary takes a page of its own when more than
// 30 rows fall on the last page, or more than the summary leaves room for.
int averagesPageCount(int rows, int rowsPerPage);

// Draws the report and sets context.pageCount. With nobody to list, the header and the summary
// are drawn.
void drawAveragesReport(const CZelvoDoc& doc, Surface& surface, const AveragesArgs& args,
                        ReportContext& context);

}  // namespace zelvo::reports
