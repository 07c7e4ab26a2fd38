#include "store/late_reports.h"

#include <algorithm>

#include "store/zelvo_doc.h"

namespace zelvo {

namespace {

bool sameEntry(const LateReportEntry& e, std::uint16_t id, int month) {
    return e.publisherId == id && e.month == month;
}

}  // namespace

void addLateReport(CZelvoDoc& doc, int row, int month) {
    if (row <= 0 || row >= doc.recordCount() || month < 0 || month > 11) return;
    const std::uint16_t id = doc.publishers[static_cast<std::size_t>(row)].id();
    auto& list = doc.lateReports;
    const auto last = std::find_if(list.rbegin(), list.rend(), [&](const LateReportEntry& e) {
        return sameEntry(e, id, month);
    });
    if (last != list.rend())
        list.erase(std::next(last).base());
    else if (list.size() >= CZelvoDoc::kMaxLateReports)
        return;  // full: the report stays in its month but is not counted
    list.push_back({id, static_cast<std::uint8_t>(month),
                    static_cast<std::uint8_t>(doc.calendar.reportMonth + 1)});
}

bool isLateReport(const CZelvoDoc& doc, int row, int month) {
    const auto r = doc.rowOf(row);
    if (!r) return false;
    const std::uint16_t id = doc.publishers[static_cast<std::size_t>(*r)].id();
    return std::any_of(doc.lateReports.begin(), doc.lateReports.end(),
                       [&](const LateReportEntry& e) { return sameEntry(e, id, month); });
}

int lateReportCount(const CZelvoDoc& doc, int row) {
    const auto r = doc.rowOf(row);
    if (!r) return 0;
    const std::uint16_t id = doc.publishers[static_cast<std::size_t>(*r)].id();
    return static_cast<int>(
        std::count_if(doc.lateReports.begin(), doc.lateReports.end(),
                      [&](const LateReportEntry& e) { return e.publisherId == id; }));
}

int lateReportHasData(const CZelvoDoc& doc, int entryIndex, int row) {
    if (entryIndex < 0 || static_cast<std::size_t>(entryIndex) >= doc.lateReports.size()) return 0;
    const auto r = doc.rowOf(row);
    if (!r) return 0;
    const LateReportEntry& e = doc.lateReports[static_cast<std::size_t>(entryIndex)];
    const PublisherRecord& p = doc.publishers[static_cast<std::size_t>(*r)];
    if (e.publisherId != p.id() || e.month > 11) return 0;
    const int month = e.month;
    const int slot = doc.calendar.slotOfMonth(month);
    for (const MonthWord w : {MonthWord::Placements, MonthWord::Videos, MonthWord::Hours,
                              MonthWord::ReturnVisits, MonthWord::StudiesAndFlags})
        if (p.monthWord(w, month, slot) != 0) return month + 1;
    return 0;
}

void rebuildLateReports(CZelvoDoc& doc) {
    doc.lateReports.clear();
    const int countedIn = doc.calendar.reportMonth + 1;
    MonthWalk walk = doc.calendar.walkFromReportMonth();
    // The eleven months the report form accepts late reports for, and as many entries as the
    // list holds in memory, so a restart counts what was counted before it.
    for (int i = 0; i < kLateMonths; ++i) {
        walk.back();
        const auto [m, s] = walk.current();
        for (std::size_t row = 1; row < doc.publishers.size(); ++row) {
            const PublisherRecord& r = doc.publishers[row];
            if (r.kind() != kPublisher || r.monthByte(MonthByte::CountedInMonth, m, s) != countedIn)
                continue;
            if (doc.lateReports.size() >= CZelvoDoc::kMaxLateReports) return;
            doc.lateReports.push_back(
                {r.id(), static_cast<std::uint8_t>(m), static_cast<std::uint8_t>(countedIn)});
        }
    }
}

void setLateReportMarks(CZelvoDoc& doc) {
    const CalendarState& cal = doc.calendar;
    const int countedIn = cal.reportMonth + 1;
    for (PublisherRecord& r : doc.publishers)
        for (int m = 0; m < 12; ++m)
            for (int s = 0; s < 3; ++s)
                if (r.monthByte(MonthByte::CountedInMonth, m, s) == countedIn)
                    r.setMonthByte(MonthByte::CountedInMonth, m, s, 0);
    for (const LateReportEntry& e : doc.lateReports) {
        const auto row = doc.findById(e.publisherId);
        if (!row || e.month > 11) continue;
        doc.publishers[static_cast<std::size_t>(*row)].setMonthByte(
            MonthByte::CountedInMonth, e.month, cal.slotOfMonth(e.month), e.countedIn);
    }
}

}  // namespace zelvo
