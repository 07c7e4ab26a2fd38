#include "reports/hours_averages.h"

#include <algorithm>

#include "store/publisher_status.h"
#include "store/zelvo_doc.h"

namespace zelvo::reports {

namespace {

bool matches(const PublisherRecord& r, int row, const ReportFilter& f, int month, int slot) {
    if (f.group >= 1 && r.groupNumber() != f.group) return false;
    if (!privilegesMatch(f.privileges, r.privileges())) return false;
    const int category = row == 0 ? 0 : r.pioneerKind(month, slot);
    return f.category == kAnyCategory || category == f.category;
}

// The column's value over the `months` months ending with the report month, divided by `months`.
double averageOfReports(const CZelvoDoc& doc, int row, ReportColumn column, int months) {
    if (months <= 0) return 0.0;
    const PublisherRecord& r = doc.publishers[static_cast<std::size_t>(row)];
    long sum = 0;
    long quarters = 0;
    MonthWalk walk = doc.calendar.walkFromReportMonth();
    for (int i = 0; i < months; ++i, walk.back()) {
        const auto [m, s] = walk.current();
        if (!doc.hasReport(row, m, s)) continue;
        sum += doc.reportValue(row, m, column, s);
        quarters += r.quarters(m, s);
    }
    if (column == ReportColumn::Hours) sum = hoursWithQuarters(sum, quarters);
    return static_cast<double>(sum) / months;
}

// Calls `onReport(row, month, slot)` for every report of the matching publishers.
template <typename OnReport>
void forEachReport(const CZelvoDoc& doc, const ReportFilter& filter, int months,
                   OnReport onReport) {
    MonthWalk walk = doc.calendar.walkFromReportMonth();
    for (int i = 0; i < months; ++i, walk.back()) {
        const auto [m, s] = walk.current();
        for (const IndexEntry& e : doc.kindLists[kPublisher]) {
            const int row = e.recordIndex;
            const PublisherRecord& r = doc.publishers[static_cast<std::size_t>(row)];
            if (matches(r, row, filter, m, s) && doc.hasReport(row, m, s)) onReport(row, m, s);
        }
    }
}

}  // namespace

long hoursWithQuarters(long hours, long quarters) {
    return hours + quarters / 4 + (quarters % 4 == 3 ? 1 : 0);
}

bool privilegesMatch(int filter, std::uint8_t privileges) {
    const int code = filter & privilege::kCodeMask;
    const int own = privileges & privilege::kCodeMask;
    const bool codeMatches =
        code == 0 || code == own || (code == privilege::kBaptizedBrother && own != 0);
    if (!codeMatches) return false;
    return (filter & privilege::kCustomCategory) == 0 ||
           (privileges & privilege::kCustomCategory) != 0;
}

ThreeSix publisherAverages(const CZelvoDoc& doc, int row, ReportColumn column) {
    if (row <= 0 || row >= doc.recordCount()) return {};
    const int window = statusWindow(doc, row, kAveragingMarks);
    return {averageOfReports(doc, row, column, std::min(window, 3)),
            averageOfReports(doc, row, column, std::min(window, 6))};
}

long reportCount(const CZelvoDoc& doc, const ReportFilter& filter, int months) {
    if (doc.recordCount() < 2) return 0;
    long reports = 0;
    forEachReport(doc, filter, months, [&](int, int, int) { ++reports; });
    return reports;
}

double reportAverage(const CZelvoDoc& doc, const ReportFilter& filter, int months,
                     ReportColumn column) {
    if (doc.recordCount() < 2) return 0.0;
    long sum = 0;
    long quarters = 0;
    long reports = 0;
    forEachReport(doc, filter, months, [&](int row, int m, int s) {
        sum += doc.reportValue(row, m, column, s);
        quarters += doc.publishers[static_cast<std::size_t>(row)].quarters(m, s);
        ++reports;
    });
    if (reports == 0) return 0.0;
    if (column == ReportColumn::Hours) sum = hoursWithQuarters(sum, quarters);
    return static_cast<double>(sum) / static_cast<double>(reports);
}

}  // namespace zelvo::reports
