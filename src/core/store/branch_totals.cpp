#include "store/branch_totals.h"

#include <algorithm>

#include "store/zelvo_doc.h"

namespace zelvo {

namespace {

constexpr std::uint16_t kSpecialFullTimeServant = appointment::kSpecialFullTimeServant;
constexpr std::uint16_t kFieldMissionary = appointment::kFieldMissionary;

void addReport(ReportTotals& t, const PublisherRecord& r, int month, int slot, int category,
               bool newForm) {
    auto& row = t[static_cast<std::size_t>(category)];
    row[8] += 1;
    for (int v : {0, 1, 2, 3, 4, 7}) {
        if (newForm && (v == 0 || v == 1 || v == 3)) continue;
        if (newForm && category == 0 && (v == 2 || v == 7)) continue;
        std::uint32_t value = 0;
        switch (v) {
            case 0:
                value = r.monthWord(MonthWord::Placements, month, slot);
                break;
            case 1:
                value = r.monthWord(MonthWord::Videos, month, slot);
                break;
            case 2:
                value = r.hours(month, slot);
                break;
            case 3:
                value = r.monthWord(MonthWord::ReturnVisits, month, slot);
                break;
            case 4:
                value = static_cast<std::uint32_t>(r.bibleStudies(month, slot));
                break;
            default:
                value = static_cast<std::uint32_t>(r.quarters(month, slot));
                break;
        }
        row[static_cast<std::size_t>(v)] += value;
    }
}

}  // namespace

void computeBranchTotals(CZelvoDoc& doc, bool excludeMarked) {
    ReportTotals& t = doc.reportTotals;
    for (auto& row : t) row.fill(0);
    const CalendarState& cal = doc.calendar;
    const bool newForm = cal.newReportForm != 0;
    const int month = cal.reportMonth;
    const int slot = cal.reportSlot();

    for (const IndexEntry& e : doc.kindLists[kPublisher]) {
        const int row = e.recordIndex;
        const PublisherRecord& r = doc.publishers[static_cast<std::size_t>(row)];
        if (excludeMarked &&
            (r.appointmentBits() & (kSpecialFullTimeServant | kFieldMissionary)) != 0)
            continue;
        for (const LateReportEntry& late : doc.lateReports) {
            if (late.publisherId != r.id() || late.month > 11) continue;
            const int lateSlot = cal.slotOfMonth(late.month);
            if (!doc.hasReport(row, late.month, lateSlot)) continue;
            const int category = doc.pioneerKindOf(row, late.month, lateSlot);
            if (category < 3) addReport(t, r, late.month, lateSlot, category, newForm);
        }
        if (doc.hasReport(row, month, slot))
            addReport(t, r, month, slot, doc.pioneerKindOf(row, month, slot), newForm);
    }
    t[0][7] += static_cast<std::uint32_t>(doc.header().quarters(month, slot));
    t[0][5] = static_cast<std::uint32_t>(doc.kindLists[kPublisher].size());

    if (doc.header().collectionState(month) == 1) {
        for (int c = 0; c < 4; ++c)
            for (int v = 0; v < 9; ++v) {
                if (v == 6) continue;  // not ours to write
                const std::uint32_t value = std::min<std::uint32_t>(
                    t[static_cast<std::size_t>(c)][static_cast<std::size_t>(v)], 0xFFFF);
                doc.monthTotals.setValue(month, c, v, slot, static_cast<std::uint16_t>(value));
            }
    }
}

}  // namespace zelvo
