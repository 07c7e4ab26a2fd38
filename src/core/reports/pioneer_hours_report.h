// The pioneer hours report: each regular pioneer of the report month with the hours and credit
// of the service year so far, the year's requirement and what remains, by the same count as the
// regular pioneer hours dialog.
#pragma once

#include <array>
#include <string>

#include "reports/report_routines.h"

namespace zelvo::reports {

// What a pioneer's row shows after the name: hours, credit, their total, the monthly average,
// the year's requirement, the hours still needed each month left (empty in August) and the
// hours remaining.
struct PioneerHoursRow {
    std::string name;  // UTF-8, with " *" when the run began after September
    bool lateStart = false;
    std::array<std::string, 7> values;
};
PioneerHoursRow pioneerHoursRow(const CZelvoDoc& doc, int row);

// Draws the report and sets context.pageCount; the note under the last row explains " *".
void drawPioneerHoursReport(const CZelvoDoc& doc, Surface& surface, ReportContext& context);

}  // namespace zelvo::reports
