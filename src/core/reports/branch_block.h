// The table for the monthly report to the branch office, drawn at the end of the totals report and
// after the summary of the congregation analysis.
#pragma once

#include "reports/report_routines.h"

namespace zelvo::reports {

// True when a publisher (kind 0) is a special full-time servant or a field missionary.
bool hasExcludedServants(const CZelvoDoc& doc);

// Draws the block from line `line` of `page`; page.columns begins with the right edges of the
// five value columns. The totals are computed without special full-time servants and field
// missionaries when there are any, and computed again with everyone once drawn, so that the
// table (and the history of a month whose collection is open) holds everyone afterwards.
// Returns the first line after the block.
int drawBranchBlock(CZelvoDoc& doc, Surface& surface, const ReportPage& page,
                    const ReportContext& context, int line);

}  // namespace zelvo::reports
