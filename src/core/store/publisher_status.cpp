#include "store/publisher_status.h"

#include <algorithm>

#include "store/zelvo_doc.h"

namespace zelvo {

namespace {

const PublisherRecord* recordOf(const CZelvoDoc& doc, int row) {
    if (row <= 0 || row >= doc.recordCount()) return nullptr;
    return &doc.publishers[static_cast<std::size_t>(row)];
}

bool hasMark(std::uint8_t flags, int bits) {
    return (flags & 0x0F & bits) != 0;
}

// How many months back from the report month month index `month` lies (0-11).
int monthsBack(const CalendarState& cal, int month) {
    return ((cal.reportMonth - month) % 12 + 12) % 12;
}

}  // namespace

bool isInactiveCandidate(const CZelvoDoc& doc, int row) {
    const PublisherRecord* r = recordOf(doc, row);
    if (r == nullptr || r->kind() != kPublisher) return false;
    MonthWalk walk = doc.calendar.walkFromReportMonth();
    for (int i = 0; i < 6; ++i, walk.back())
        if (doc.hasReport(row, walk.current().month, walk.current().slot)) return false;
    return true;
}

int statusWindow(const CZelvoDoc& doc, int row, int bits) {
    const PublisherRecord* r = recordOf(doc, row);
    if (r == nullptr || !hasMark(r->statusFlags(), bits)) return 6;
    const int markMonthIndex = statusMonth(r->statusFlags()) - 1;
    MonthWalk walk = doc.calendar.walkFromReportMonth();
    bool reached = false;
    int count = 0;
    while (count < 6) {
        ++count;
        const MonthSlot here = walk.current();
        if (here.month == markMonthIndex) reached = true;
        walk.back();
        if (reached && !doc.hasHours(row, walk.current().month, walk.current().slot)) break;
    }
    return count;
}

int missedMonths(const CZelvoDoc& doc, int row, int count) {
    const PublisherRecord* r = recordOf(doc, row);
    if (r == nullptr) return 0;
    const CalendarState& cal = doc.calendar;
    const bool reportMonthOpen = doc.header().collectionState(cal.reportMonth) == 1;
    int mask = 0;
    MonthWalk walk = cal.walkFromReportMonth();
    for (int i = 0; i < count; ++i, walk.back()) {
        const auto [m, s] = walk.current();
        if (i == 0 && reportMonthOpen) continue;
        if (r->pioneerKind(m, s) == 3) continue;
        if (!doc.hasReport(row, m, s)) mask |= 1 << m;
    }
    return mask;
}

int irregularMask(const CZelvoDoc& doc, int row) {
    return missedMonths(doc, row, std::min(statusWindow(doc, row, 7), 6));
}

int markMonthRecent(const CZelvoDoc& doc, int row, int bits) {
    const PublisherRecord* r = recordOf(doc, row);
    if (r == nullptr || !hasMark(r->statusFlags(), bits)) return 0;
    const int month = statusMonth(r->statusFlags());
    if (month < 1 || month > 12) return 0;
    return monthsBack(doc.calendar, month - 1) < 6 ? month : 0;
}

int markMonthThisYear(const CZelvoDoc& doc, int row, int bits) {
    const PublisherRecord* r = recordOf(doc, row);
    if (r == nullptr || !hasMark(r->statusFlags2(), bits)) return 0;
    const int month = statusMonth(r->statusFlags2());
    if (month < 1 || month > 12) return 0;
    // Months of the service year so far: from September up to the report month.
    const int report = doc.calendar.reportMonth;
    const int soFar = report >= 8 ? report - 7 : report + 5;
    return monthsBack(doc.calendar, month - 1) < soFar ? month : 0;
}

int markMonth(const CZelvoDoc& doc, int row, int bits) {
    const PublisherRecord* r = recordOf(doc, row);
    if (r == nullptr) return 0;
    if (hasMark(r->statusFlags2(), bits)) return statusMonth(r->statusFlags2());
    if (hasMark(r->statusFlags(), bits)) return statusMonth(r->statusFlags());
    return 0;
}

int markMonthWithSince(const CZelvoDoc& doc, int row, int bits) {
    const PublisherRecord* r = recordOf(doc, row);
    if (r == nullptr || (!hasMark(r->statusFlags(), bits) && !hasMark(r->statusFlags2(), bits)))
        return 0;
    const int since = r->statusSince();
    if (since != 0) {
        const int back = doc.calendar.reportAbsMonth - since;
        if (back >= 24) return 0;
        if (back >= 12) return since % 12 + 1;
    }
    return statusMonth(r->statusFlags());
}

}  // namespace zelvo
