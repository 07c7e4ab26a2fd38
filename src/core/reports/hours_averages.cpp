#include "reports/hours_averages.h"

#include <algorithm>

#include "store/publisher_status.h"
#include "store/zelvo_doc.h"

namespace zelvo::reports {

namespace {

bool matches(const PublisherRecord& r, int row, const ReportFilter& f, int month, int slot) {
    if (f.group >= 1 && r.groupNumber() != f.group) return false;
    const int code = f.privileges & privilege::kCodeMask;
    if (code != 0 && code != (r.privileges() & privilege::kCodeMask)) return false;
    if ((f.privileges & privilege::kCustomCategory) != 0 &&
        (r.privileges() & privilege::kCustomCategory) == 0)
        return false;
    const int category = row == 0 ? 0 : r.pioneerKind(month, slot);
    return f.category == kAnyCategory || category == f.category;
}

}  // namespace

ThreeSix publisherAverages(const CZelvoDoc& doc, int row, ReportColumn column) {
    const int window = statusWindow(doc, row, kAveragingMarks);
    return {doc.averageOverMonths(row, column, std::min(window, 3)),
            doc.averageOverMonths(row, column, std::min(window, 6))};
}

double reportAverage(const CZelvoDoc& doc, const ReportFilter& filter, int months,
                     ReportColumn column) {
    const bool hours = column == ReportColumn::Hours;
    if (doc.recordCount() < 2) return 0.0;
    long sum = 0;
    long quarters = 0;
    long reports = 0;
    MonthWalk walk = doc.calendar.walkFromReportMonth();
    for (int i = 0; i < months; ++i, walk.back()) {
        const auto [m, s] = walk.current();
        for (const IndexEntry& e : doc.kindLists[kPublisher]) {
            const int row = e.recordIndex;
            const PublisherRecord& r = doc.publishers[static_cast<std::size_t>(row)];
            if (!matches(r, row, filter, m, s) || !doc.hasReport(row, m, s)) continue;
            sum += doc.reportValue(row, m, column, s);
            if (hours) quarters += r.quarters(m, s);
            ++reports;
        }
    }
    if (reports == 0) return 0.0;
    if (hours) sum += quarters / 4 + (quarters % 4 == 3 ? 1 : 0);
    return static_cast<double>(sum) / static_cast<double>(reports);
}

}  // namespace zelvo::reports
