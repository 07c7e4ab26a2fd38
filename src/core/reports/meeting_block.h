// The meeting-attendance summary of the report month at the foot of the congregation reports.
#pragma once

#include "reports/report_routines.h"

namespace zelvo::reports {

// Draws the block from line `line` of `page`; page.columns begins with the right edges of the
// five value columns. Returns the first line after it.
int drawMeetingBlock(const CZelvoDoc& doc, Surface& surface, const ReportPage& page,
                     const ReportContext& context, int line);

}  // namespace zelvo::reports
