#include "records/reactivation.h"

#include <algorithm>

#include "store/publisher_status.h"
#include "store/zelvo_doc.h"

namespace zelvo {

namespace {

// Head of household, male, female.
constexpr std::uint8_t kKeptPrivileges =
    privilege::kHeadOfFamily | privilege::kMale | privilege::kFemale;

void markReactivated(PublisherRecord& r, int monthIndex) {
    const auto flags = static_cast<std::uint8_t>((monthIndex + 1) * 16 + kMarkReactivated);
    r.setByte(PublisherRecord::kStatusFlags, flags);
    r.setByte(PublisherRecord::kStatusFlags2, flags);
    r.setByte(PublisherRecord::kPrivileges,
              static_cast<std::uint8_t>(r.privileges() & kKeptPrivileges));
    r.setKind(kPublisher);
}

void clearMonth(CZelvoDoc& doc, PublisherRecord& r, int m, int s) {
    for (MonthWord w : {MonthWord::Placements, MonthWord::Videos, MonthWord::Hours,
                        MonthWord::ReturnVisits, MonthWord::StudiesAndFlags})
        r.setMonthWord(w, m, s, 0);
    const int remark = r.monthWord(MonthWord::RemarkIndex, m, s);
    // The remark record is emptied too, so the next load drops it from remark9.dat.
    if (remark >= 1 && remark < doc.remarkCount())
        doc.remarks[static_cast<std::size_t>(remark)].setText(RemarkRecord::kText, "");
    r.setMonthWord(MonthWord::RemarkIndex, m, s, 0);
    r.setMonthByte(MonthByte::PioneerKind, m, s, 0);
}

void finish(CZelvoDoc& doc) {
    doc.countAllKinds();
    doc.buildIndexes();
    doc.markModified();
}

}  // namespace

int inactiveYear(int code) {
    return code < 201 ? 2000 + code : 1744 + code;
}

std::uint8_t inactiveYearCode(int year) {
    const int clamped = std::clamp(year, 1945, 2200);
    return static_cast<std::uint8_t>(clamped >= 2000 ? clamped - 2000 : clamped - 1744);
}

void reactivatePublisher(CZelvoDoc& doc, int row, int monthIndex) {
    if (row <= 0 || row >= doc.recordCount() || monthIndex < 0 || monthIndex > 11) return;
    PublisherRecord& r = doc.publishers[static_cast<std::size_t>(row)];
    if (r.kind() != kInactive) return;
    const CalendarState& cal = doc.calendar;

    // When the person became inactive, from the marks as they stand before they change.
    const int sinceMonth = statusMonth(r.statusFlags());
    const int inactiveSince =
        (inactiveYear(r.statusFlags2()) - 2000) * 12 + (sinceMonth >= 1 ? sinceMonth - 1 : 0);
    const int year = monthIndex > cal.reportMonth ? cal.reportYear - 1 : cal.reportYear;
    const int reactivatedAt = absoluteMonth(year, monthIndex);

    markReactivated(r, monthIndex);
    r.setWord(PublisherRecord::kStatusSince, static_cast<std::uint16_t>(reactivatedAt));

    // The months of inactivity: from the month of reactivation back to the month after becoming
    // inactive (that month keeps its report), at most 24, and never past the oldest month the
    // record holds: further back the places are the newest months again.
    const int first = std::max({inactiveSince + 1, reactivatedAt - 23, cal.reportAbsMonth - 23});
    MonthWalk walk(monthIndex, yearSlot(year));
    for (int abs = reactivatedAt; abs >= first; --abs, walk.back())
        clearMonth(doc, r, walk.current().month, walk.current().slot);
    finish(doc);
}

void restoreDeletedPublisher(CZelvoDoc& doc, int row, int monthIndex) {
    if (row <= 0 || row >= doc.recordCount() || monthIndex < 0 || monthIndex > 11) return;
    PublisherRecord& r = doc.publishers[static_cast<std::size_t>(row)];
    if (r.kind() != kDeleted) return;
    markReactivated(r, monthIndex);
    r.setWord(PublisherRecord::kStatusSince, 0);
    finish(doc);
}

}  // namespace zelvo
