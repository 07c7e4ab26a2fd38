// Comparing loaded documents: a read-only load must see what a live load sees, and a folder
// saved and loaded again must give back what was loaded, less what saving itself changes.
#pragma once

#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "store/branch_totals.h"
#include "store/ini_file.h"
#include "store/settings.h"
#include "store/zelvo_doc.h"

namespace zelvo::sample {

// What a save changes in a loaded document on its way to the files, so that the result can be
// compared with the document loaded back from them.
inline void applySaveEffects(CZelvoDoc& doc) {
    const CalendarState& cal = doc.calendar;
    PublisherRecord& h = doc.header();
    h.setWord(PublisherRecord::kStatusSince, static_cast<std::uint16_t>(doc.lastEnteredId));
    h.setWord(PublisherRecord::kAppointmentBits,
              static_cast<std::uint16_t>((h.headerMonth() & ~0x0F) | (cal.reportMonth + 1)));
    // The shifted texts get their terminators at their maxima.
    for (PublisherRecord& r : doc.publishers) {
        scrambleRecord(r);
        unscrambleRecord(r);
    }
    // Of the marks "counted in the report month" only those of the late-report list remain.
    const int countedIn = cal.reportMonth + 1;
    std::set<std::pair<int, int>> listed;
    for (const LateReportEntry& e : doc.lateReports) listed.insert({e.publisherId, e.month});
    for (std::size_t row = 0; row < doc.publishers.size(); ++row) {
        PublisherRecord& r = doc.publishers[row];
        for (int m = 0; m < 12; ++m)
            for (int s = 0; s < 3; ++s) {
                if (r.monthByte(MonthByte::CountedInMonth, m, s) != countedIn) continue;
                const bool keep =
                    row != 0 && s == cal.slotOfMonth(m) && listed.count({r.id(), m}) != 0;
                if (!keep) r.setMonthByte(MonthByte::CountedInMonth, m, s, 0);
            }
    }
    // Under-one-hour marks that pass through zlt15.dat come back only for months without hours.
    for (std::size_t row = 1; row < doc.publishers.size(); ++row) {
        PublisherRecord& r = doc.publishers[row];
        for (int s = 0; s < 2; ++s)
            for (int m = 0; m < 12; ++m) {
                const bool moves =
                    cal.absoluteMonthOf(m, s) <= kLastOldFormMonth || m > cal.reportMonth;
                if (r.tookPart(m, s) && moves && (r.hours(m, s) != 0 || r.quarters(m, s) != 0))
                    r.setMonthWord(MonthWord::StudiesAndFlags, m, s,
                                   static_cast<std::uint16_t>(r.studiesAndFlags(m, s) & ~kTookPart));
            }
    }
    // Appointments are written once per person and kind, and only those worth keeping.
    std::set<std::pair<int, int>> written;
    std::erase_if(doc.appointments, [&](const AppointmentRecord& a) {
        return !a.worthKeeping() || !written.insert({a.publisherId(), a.appointmentKind()}).second;
    });
    // Without groups there is no group file.
    if (doc.groups.groupCount() == 0) doc.groups = {};
    // A name cut short may move its row: rows come back in the order a load sorts them into,
    // by their file form first and then by their names.
    for (PublisherRecord& r : doc.publishers) scrambleRecord(r);
    doc.sortRows();
    for (PublisherRecord& r : doc.publishers) unscrambleRecord(r);
    doc.sortRows();
    doc.countAllKinds();
    doc.buildIndexes();
    // The settings pass through the INI file.
    doc.settings.earlyYear = cal.earlyYear;
    doc.settings.earlyMonth = cal.earlyMonth;
    IniFile ini;
    writeSettings(doc.settings, ini, doc.languageWord);
    doc.settings = readSettings(IniFile::parse(ini.serialize()), doc.languageWord);
    computeBranchTotals(doc, false);
}

namespace detail {

template <typename T, typename Same>
std::string compareLists(const char* what, const std::vector<T>& a, const std::vector<T>& b,
                         Same same) {
    if (a.size() != b.size())
        return std::string(what) + ": " + std::to_string(a.size()) + " vs " +
               std::to_string(b.size());
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!same(a[i], b[i])) return std::string(what) + " [" + std::to_string(i) + "]";
    return {};
}

inline bool sameIndex(const IndexEntry& x, const IndexEntry& y) {
    return x.id == y.id && x.recordIndex == y.recordIndex && x.kind == y.kind;
}

}  // namespace detail

// The first difference between two documents ("" when none). Problems and the modified flag
// count only when asked: a save settles both.
inline std::string firstDifference(const CZelvoDoc& a, const CZelvoDoc& b, bool withProblems) {
    using detail::compareLists;
    const auto equal = [](const auto& x, const auto& y) { return x == y; };
    std::string d;
    if (a.publishers.size() != b.publishers.size())
        return "rows: " + std::to_string(a.publishers.size()) + " vs " +
               std::to_string(b.publishers.size());
    for (std::size_t row = 0; row < a.publishers.size(); ++row)
        for (std::size_t i = 0; i < PublisherRecord::kSize; ++i)
            if (a.publishers[row].bytes[i] != b.publishers[row].bytes[i])
                return "row " + std::to_string(row) + " byte " + std::to_string(i) + ": " +
                       std::to_string(a.publishers[row].bytes[i]) + " vs " +
                       std::to_string(b.publishers[row].bytes[i]);
    if (!(d = compareLists("remarks", a.remarks, b.remarks, equal)).empty()) return d;
    if (!(d = compareLists("appointments", a.appointments, b.appointments, equal)).empty())
        return d;
    if (!(d = compareLists("emergency records", a.emergencyRecords, b.emergencyRecords, equal))
             .empty())
        return d;
    if (!(d = compareLists("special needs", a.specialNeedRecords, b.specialNeedRecords, equal))
             .empty())
        return d;
    if (!(d = compareLists("contact extras", a.contactExtras, b.contactExtras, equal)).empty())
        return d;
    const auto sameKey = [](const KeySlot& x, const KeySlot& y) {
        return x.key == y.key && x.slot == y.slot;
    };
    if (!(d = compareLists("emergency keys", a.emergencyKeys, b.emergencyKeys, sameKey)).empty())
        return d;
    if (!(d = compareLists("special-need keys", a.specialNeedsKeys, b.specialNeedsKeys, sameKey))
             .empty())
        return d;
    if (!(d = compareLists("contact-extra keys", a.contactExtraKeys, b.contactExtraKeys,
                           [](const ContactExtraKey& x, const ContactExtraKey& y) {
                               return x.publisherId == y.publisherId && x.presence == y.presence;
                           }))
             .empty())
        return d;
    // The late-report list follows the order of the rows in the file, which a save may change.
    const auto lateSet = [](const CZelvoDoc& doc) {
        std::multiset<std::tuple<int, int, int>> out;
        for (const LateReportEntry& e : doc.lateReports)
            out.insert({e.publisherId, e.month, e.countedIn});
        return out;
    };
    if (a.lateReports.size() != b.lateReports.size())
        return "late reports: " + std::to_string(a.lateReports.size()) + " vs " +
               std::to_string(b.lateReports.size());
    if (lateSet(a) != lateSet(b)) return "late reports differ";
    if (!(d = compareLists("master index", a.masterIndex, b.masterIndex, detail::sameIndex))
             .empty())
        return d;
    for (std::size_t k = 0; k < a.kindLists.size(); ++k)
        if (!(d = compareLists("kind list", a.kindLists[k], b.kindLists[k], detail::sameIndex))
                 .empty())
            return d;
    if (!(a.monthTotals == b.monthTotals)) return "month totals";
    if (!(a.groups == b.groups)) return "groups";
    if (a.meetingCount != b.meetingCount || !(a.meetings == b.meetings)) return "meetings";
    if (!(a.displayConfig == b.displayConfig)) return "display configuration";
    if (!(a.settings == b.settings)) return "settings";
    if (a.lastEnteredId != b.lastEnteredId) return "last entered id";
    if (a.kindCounts != b.kindCounts) return "kind counts";
    if (a.circuitOverseerRow != b.circuitOverseerRow) return "circuit overseer row";
    if (a.reportTotals != b.reportTotals) return "report totals";
    if (a.previousMask != b.previousMask) return "previous mask";
    if (a.calendar.reportMonth != b.calendar.reportMonth ||
        a.calendar.reportYear != b.calendar.reportYear ||
        a.calendar.newReportForm != b.calendar.newReportForm)
        return "report month";
    if (withProblems) {
        if (a.isModified() != b.isModified()) return "modified flag";
        if (a.problems != b.problems) return "problems";
    }
    return {};
}

}  // namespace zelvo::sample
