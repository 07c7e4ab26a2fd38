// The attendance record on paper: the title, then each meeting with its previous and current
// service year side by side. Printed by the record dialog and after the meeting block of the
// meetings report.
#pragma once

#include "reports/report_routines.h"

namespace zelvo::reports {

// The lines one meeting's table takes, its heading and the line after it included.
inline constexpr int kAttendanceTableLines = 19;

// The title, centred on `line`; returns the line after it.
int drawAttendanceTitle(Surface& surface, const ReportPage& page, const ReportContext& context,
                        int line);
// Meeting `meeting` (0 midweek, 1 weekend) from `line`; returns the line after it.
int drawAttendanceTable(const CZelvoDoc& doc, Surface& surface, const ReportPage& page,
                        const ReportContext& context, int meeting, int line);

// The record dialog's printed page: one page with the title and both meetings.
void drawAttendanceRecordPage(const CZelvoDoc& doc, Surface& surface, ReportContext& context);

}  // namespace zelvo::reports
