#include "reporting/month_initialization.h"

#include <algorithm>
#include <optional>

#include "records/publisher_table.h"
#include "records/reactivation.h"
#include "resources/strings.h"
#include "store/publisher_status.h"
#include "store/zelvo_doc.h"

namespace zelvo::reporting {

namespace {

constexpr std::size_t kListThinnedAbove = 280;
constexpr std::size_t kListThinnedTo = 250;

PublisherRecord& at(CZelvoDoc& doc, int row) {
    return doc.publishers[static_cast<std::size_t>(row)];
}

std::vector<int> rowsOf(const CZelvoDoc& doc, int kind) {
    std::vector<int> rows;
    for (const IndexEntry& e : doc.kindLists[static_cast<std::size_t>(kind)])
        rows.push_back(e.recordIndex);
    return rows;
}

// The five report values of a month; its late-report mark goes with them, so a mark of two years
// before is never rebuilt into the late-report list.
void clearValues(PublisherRecord& r, int m, int s) {
    for (const MonthWord w : {MonthWord::Placements, MonthWord::Videos, MonthWord::Hours,
                              MonthWord::ReturnVisits, MonthWord::StudiesAndFlags})
        r.setMonthWord(w, m, s, 0);
    r.setMonthByte(MonthByte::CountedInMonth, m, s, 0);
}

void clearRemarkAndCredit(PublisherRecord& r, int m, int s) {
    r.setMonthWord(MonthWord::RemarkIndex, m, s, 0);
    r.setMonthWord(MonthWord::CreditHours, m, s, 0);
    r.setMonthByte(MonthByte::CountedInMonth, m, s, 0);
}

void agePublishers(CZelvoDoc& doc, int month, int slot, int prev, int prevSlot) {
    const CalendarState& cal = doc.calendar;
    for (const int row : rowsOf(doc, kPublisher)) {
        PublisherRecord& r = at(doc, row);
        // A status begun six months before the month opened has run its course.
        if (statusMonth(r.statusFlags()) == (month + 6) % 12 + 1)
            r.setByte(PublisherRecord::kStatusFlags, 0);
        if (statusMonth(r.statusFlags2()) == month + 1 && statusMonth(r.statusFlags()) != month + 1)
            r.setByte(PublisherRecord::kStatusFlags2, r.statusFlags2() & 0x0F);
        if (r.statusSince() != 0 && r.statusSince() < cal.reportAbsMonth - 24) {
            r.setWord(PublisherRecord::kStatusSince, 0);
            r.setByte(PublisherRecord::kStatusFlags2, 0);
        }
        int pioneer = 0;
        if ((r.privileges() & privilege::kContinuousAuxiliary) != 0)
            pioneer = 1;
        else if (const int before = r.pioneerKind(prev, prevSlot); before == 2 || before == 3)
            pioneer = before;
        r.setMonthByte(MonthByte::PioneerKind, month, slot, static_cast<std::uint8_t>(pioneer));
        const int remark = r.monthWord(MonthWord::RemarkIndex, month, slot);
        if (remark >= 1 && remark < doc.remarkCount())
            doc.remarks[static_cast<std::size_t>(remark)].setText(RemarkRecord::kText, "");
        clearValues(r, month, slot);
        clearRemarkAndCredit(r, month, slot);
        r.setWord(PublisherRecord::kMonthMarks,
                  static_cast<std::uint16_t>(r.monthMarks() & ~(1u << month)));
    }
    for (const int row : rowsOf(doc, kDeleted)) {
        PublisherRecord& r = at(doc, row);
        clearValues(r, month, slot);
        clearRemarkAndCredit(r, month, slot);
        r.setMonthByte(MonthByte::PioneerKind, month, slot, 0);
    }
}

void resetCollection(CZelvoDoc& doc, int month, int slot) {
    const CalendarState& cal = doc.calendar;
    doc.lastEnteredId = 0;
    // The header's remark numbers hold the year each month's collection was opened for.
    const int year = cal.yearCode - (month == 11 && cal.calMonth < 3 ? 1 : 0);
    doc.header().setMonthWord(MonthWord::RemarkIndex, month, slot,
                              static_cast<std::uint16_t>(std::max(year, 0)));
    auto& t = doc.reportTotals;
    if (t[0][8] + t[1][8] + t[2][8] > 0)
        for (auto& row : t) row.fill(0);
    doc.lateReports.clear();
    for (MeetingAttendance& meeting : doc.meetings)
        for (std::size_t a = 0; a < MeetingAttendance::kArrays; ++a) {
            const auto array = static_cast<MeetingAttendance::Array>(a);
            meeting.setValue(array, month, slot, meeting.value(array, month, 2));
            for (int m = 0; m < 12; ++m)
                if (m != month) meeting.setValue(array, m, 2, 0);
        }
}

void deleteById(CZelvoDoc& doc, std::uint16_t id) {
    if (const auto row = doc.findById(id)) records::deletePerson(doc, *row);
}

void rollOverLists(CZelvoDoc& doc, int month, int slot) {
    const CalendarState& cal = doc.calendar;
    thinOutList(doc, kInactive);
    for (const int row : rowsOf(doc, kInactive)) {
        PublisherRecord& r = at(doc, row);
        if ((r.statusFlags2() & 1) != slot) continue;
        if (statusMonth(r.statusFlags()) == month + 1) {
            r.setMonthByte(MonthByte::PioneerKind, month, slot, 0);
            clearValues(r, month, slot);
        }
        clearRemarkAndCredit(r, month, slot);
    }
    std::vector<std::uint16_t> movedAway;
    for (const int row : rowsOf(doc, kMoved)) {
        PublisherRecord& r = at(doc, row);
        if (statusMonth(r.statusFlags()) == month + 1) {
            movedAway.push_back(r.id());
            continue;
        }
        clearValues(r, month, slot);
        clearRemarkAndCredit(r, month, slot);
    }
    for (const std::uint16_t id : movedAway) deleteById(doc, id);
    thinOutList(doc, kDeleted);
    for (const int row : rowsOf(doc, kDeleted)) {
        PublisherRecord& r = at(doc, row);
        if (statusMonth(r.statusFlags()) == month + 1) {
            r.setByte(PublisherRecord::kStatusFlags, 0);
            const int back = cal.calMonth < month + 1 ? 2 : 1;
            r.setByte(PublisherRecord::kStatusFlags2,
                      static_cast<std::uint8_t>(std::max(cal.yearCode - back, 0)));
            r.setMonthByte(MonthByte::PioneerKind, month, slot, 0);
            clearValues(r, month, slot);
        }
        clearRemarkAndCredit(r, month, slot);
    }
}

// The publishers' quarter hours of the month before that made no whole hour.
void dropQuarterRemainder(CZelvoDoc& doc, int month, int slot, int prev, int prevSlot) {
    const std::uint16_t total = doc.monthTotals.value(prev, 0, 7, prevSlot);
    const int q = total % 4;
    if (q == 0) return;
    PublisherRecord& h = doc.header();
    h.setMonthWord(MonthWord::StudiesAndFlags, month, slot,
                   static_cast<std::uint16_t>(h.studiesAndFlags(month, slot) & 0x0FFF));
    doc.monthTotals.setValue(prev, 0, 7, prevSlot, static_cast<std::uint16_t>(total - q));
}

}  // namespace

void thinOutList(CZelvoDoc& doc, int kind) {
    const auto& list = doc.kindLists[static_cast<std::size_t>(kind)];
    if (list.size() <= kListThinnedAbove) return;
    const int thisYear = 2000 + doc.calendar.yearCode;
    // Each round removes one person or ends: the loop cannot outlast the list.
    while (list.size() > kListThinnedTo) {
        std::optional<int> oldest;
        int oldestYear = 0;
        int oldestMonth = 0;
        for (const IndexEntry& e : list) {
            const PublisherRecord& r = doc.publishers[e.recordIndex];
            const int year = inactiveYear(r.statusFlags2());
            const int month = statusMonth(r.statusFlags());
            if (year >= thisYear) continue;
            if (!oldest || year < oldestYear || (year == oldestYear && month < oldestMonth)) {
                oldest = e.recordIndex;
                oldestYear = year;
                oldestMonth = month;
            }
        }
        if (!oldest) return;
        records::deletePerson(doc, *oldest);
    }
}

InitializationResult initializeMonth(CZelvoDoc& doc, int month, int slot, const Date& today) {
    InitializationResult result;
    if (month < 0 || month > 11 || slot < 0 || slot > 1) return result;
    const std::string monthText(res::monthNameAccusative(month));
    if (doc.lastSaveFailed()) {
        result.afterFailedSave = true;
        result.refusal = res::format(res::kInitializationAfterFailedSave, monthText);
        return result;
    }
    result.notCopied = doc.makeMonthCopy(month, today);
    if (!result.notCopied.empty()) {
        std::string files;
        for (const std::string& f : result.notCopied) files += (files.empty() ? "" : ", ") + f;
        result.refusal = res::format(res::kInitializationNotCopied, monthText, files);
        return result;
    }
    const int prev = month == 0 ? 11 : month - 1;
    const int prevSlot = prev == 11 ? slot ^ 1 : slot;
    agePublishers(doc, month, slot, prev, prevSlot);
    resetCollection(doc, month, slot);
    rollOverLists(doc, month, slot);
    dropQuarterRemainder(doc, month, slot, prev, prevSlot);
    for (int m = 0; m < 12; ++m) doc.header().setCollectionState(m, 0);
    doc.header().setCollectionState(month, 1);
    doc.markModified();
    result.done = true;
    return result;
}

}  // namespace zelvo::reporting
