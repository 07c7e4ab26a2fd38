// A document in memory with the report month of a chosen day, for the report tests: people are
// added as the editors add them, with reports walking back from the report month.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "store/calendar.h"
#include "store/publisher_record.h"
#include "store/zelvo_doc.h"
#include "test_folder.h"

namespace zelvo::test {

class ReportDoc {
public:
    CZelvoDoc doc;

    explicit ReportDoc(Date today) {
        applyReportMonthAtStart(doc.calendar, today);
        deriveReportMonth(doc.calendar);
    }

    // A baptized publisher; the row number.
    int add(std::string_view first, std::string_view last, std::uint8_t kind = kPublisher) {
        const auto id = static_cast<std::uint16_t>(100 + doc.publishers.size());
        PublisherRecord p = person(id, first, last, kind);
        p.setText(PublisherRecord::kBaptismDate, "01/05/1990");
        doc.publishers.push_back(p);
        doc.countAllKinds();
        doc.buildIndexes();
        return static_cast<int>(doc.publishers.size()) - 1;
    }
    PublisherRecord& at(int row) { return doc.publishers[static_cast<std::size_t>(row)]; }

    // Month `back` months before the report month (0 = the report month itself).
    MonthSlot month(int back) const {
        MonthWalk walk = doc.calendar.walkFromReportMonth();
        for (int i = 0; i < back; ++i) walk.back();
        return walk.current();
    }
    void report(int row, int back, std::uint16_t hours, int quarters = 0, std::uint16_t studies = 0,
                bool tookPart = false) {
        const MonthSlot m = month(back);
        setReport(at(row), m.month, m.slot, hours, quarters, studies, tookPart);
    }
    void values(int row, int back, std::uint16_t placements, std::uint16_t videos,
                std::uint16_t returnVisits) {
        const MonthSlot m = month(back);
        at(row).setMonthWord(MonthWord::Placements, m.month, m.slot, placements);
        at(row).setMonthWord(MonthWord::Videos, m.month, m.slot, videos);
        at(row).setMonthWord(MonthWord::ReturnVisits, m.month, m.slot, returnVisits);
    }
    void pioneer(int row, int back, int kind) {
        const MonthSlot m = month(back);
        at(row).setMonthByte(MonthByte::PioneerKind, m.month, m.slot,
                             static_cast<std::uint8_t>(kind));
    }
    // Reports of `hours` in each of the six months ending with the report month.
    void steady(int row, std::uint16_t hours, int pioneerKind = 0) {
        for (int back = 0; back < 6; ++back) {
            report(row, back, hours);
            pioneer(row, back, pioneerKind);
        }
    }
    void setGroups(int count) { doc.groups.setGroupCount(static_cast<std::uint8_t>(count)); }
    void remark(int row, std::string_view text) {
        RemarkRecord r;
        r.set(text, static_cast<std::uint8_t>(doc.calendar.reportMonth + 1),
              static_cast<std::uint8_t>(doc.calendar.reportSlot()), at(row).id());
        at(row).setMonthWord(MonthWord::RemarkIndex, doc.calendar.reportMonth,
                             doc.calendar.reportSlot(),
                             static_cast<std::uint16_t>(doc.remarks.size()));
        doc.remarks.push_back(r);
    }
};

}  // namespace zelvo::test
