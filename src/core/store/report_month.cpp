#include "store/report_month.h"

#include "store/branch_totals.h"
#include "store/late_reports.h"
#include "store/zelvo_doc.h"

namespace zelvo {

void changeReportMonth(CZelvoDoc& doc, int month, int year) {
    CalendarState& cal = doc.calendar;
    if (cal.viewingPrevious != 0 || month < 0 || month > 11 || year < 0 || year > 255) return;
    const bool otherMonth = month != cal.liveReportMonth;
    if (otherMonth) setLateReportMarks(doc);
    cal.liveReportMonth = static_cast<std::uint8_t>(month);
    cal.liveReportYear = static_cast<std::uint8_t>(year);
    deriveReportMonth(cal);
    if (!otherMonth) return;
    rebuildLateReports(doc);
    // The header keeps the last entered person of the month it was saved in.
    const PublisherRecord& h = doc.header();
    doc.lastEnteredId = (h.headerMonth() & 0x0F) == month + 1
                            ? static_cast<std::int16_t>(h.lastEnteredId())
                            : std::int16_t{0};
    doc.computePreviousMask();
    computeBranchTotals(doc, false);
}

}  // namespace zelvo
