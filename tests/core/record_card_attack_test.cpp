// The record card and the labels with data a secretary could really have or a damaged file could
// hold: texts that are no dates, groups the table does not hold, the widest names, the longest
// remarks, sums at the limit, months before 2000 and the widest label margin.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "records/group_caption.h"
#include "report_fixture.h"
#include "reports/labels_report.h"
#include "reports/record_card.h"
#include "reports/record_card_year.h"
#include "reports/record_totals_card.h"
#include "reports/recording_surface.h"
#include "reports/report_kind.h"
#include "resources/strings.h"
#include "store/cp1253.h"

namespace zelvo::reports {
namespace {

constexpr int kDpi = 300;

// Letters as wide as a real face draws them (`fifteenths` of the height; the recording surface
// takes one half), so that what would run over a line or a text on paper does so here too.
class WideFace : public RecordingSurface {
public:
    explicit WideFace(int fifteenths = 10) : RecordingSurface(kDpi, kDpi), n_(fifteenths) {}
    int textWidth(std::string_view utf8) const override {
        return utf8Length(utf8) * charHeight() * n_ / 15;
    }
    const std::vector<RecordedText>& texts() const { return pages().front().texts; }
    const RecordedText* find(std::string_view text) const {
        for (const RecordedText& t : texts())
            if (t.text == text) return &t;
        return nullptr;
    }
    // Every text above `below` that runs over a line or over another text on its baseline.
    std::vector<std::string> collisions(int below = 11 * kDpi) const {
        std::vector<int> xs;  // the vertical lines and frame sides, with their extent
        std::vector<std::pair<int, int>> ys;
        for (const RecordedLine& l : pages().front().lines)
            if (l.x1 == l.x2) xs.push_back(l.x1), ys.emplace_back(l.y1, l.y2);
        for (const RecordedRect& r : pages().front().rects)
            for (int x : {r.rect.left, r.rect.right})
                xs.push_back(x), ys.emplace_back(r.rect.top, r.rect.bottom);
        std::vector<std::string> out;
        for (const RecordedText& a : texts()) {
            if (a.text.empty() || a.y > below) continue;
            const auto [a1, a2] = span(a);
            for (std::size_t k = 0; k < xs.size(); ++k)
                if (xs[k] > a1 && xs[k] < a2 && std::min(ys[k].first, ys[k].second) < a.y &&
                    std::max(ys[k].first, ys[k].second) > a.y)
                    out.push_back(a.text + " | line");
            for (const RecordedText& b : texts())
                if (&a < &b && !b.text.empty() && a.y == b.y && span(b).first < a2 &&
                    a1 < span(b).second)
                    out.push_back(a.text + " | " + b.text);
        }
        return out;
    }

private:
    std::pair<int, int> span(const RecordedText& t) const {
        const int w = utf8Length(t.text) * std::abs(t.fontHeight) * n_ / 15;
        const int x1 = t.align == Align::Left    ? t.x
                       : t.align == Align::Right ? t.x - w
                                                 : t.x - w / 2;
        return {x1, x1 + w};
    }
    int n_;
};

TEST(RecordCardAttack, DamagedHeaderStaysReadable) {
    test::ReportDoc d(Date{2026, 12, 8});
    d.setGroups(20);
    const int row =
        d.add(cp1253::fromUtf8("ΜΩΜΩΜΩΜΩΜΩΜΩΜΩΜΩΜΩΜΩ"), cp1253::fromUtf8("ΩΜΩΜΩΜΩΜΩΜΩΜΩΜΩΜΩΜΩΜ"));
    // Both names fill their fields to the last byte; the birth date is letters.
    d.at(row).bytes[PublisherRecord::kFirstName.offset + 20] = 0xCC;
    d.at(row).bytes[PublisherRecord::kLastName.offset + 20] = 0xD9;
    d.at(row).setText(PublisherRecord::kBirthDate, cp1253::fromUtf8("ΑΒΓΔΕΖΗΘ"));
    CardOptions options;
    options.printGroups = options.hideBirthDayMonth = options.a4 = true;
    for (const int group : {20, 250}) {  // 250: beyond the table, the person is unassigned
        d.at(row).setByte(PublisherRecord::kGroupNumber, static_cast<std::uint8_t>(group));
        WideFace s(12);  // wide capitals
        drawRecordCard(d.doc, row, options, s);
        EXPECT_EQ(s.collisions(2 * kDpi), std::vector<std::string>{});
        // The group as every list names it: its label, else "Όμιλος #" and its number.
        EXPECT_EQ(s.find(groupCaption(d.doc.groups, 20)) != nullptr, group == 20);
        EXPECT_EQ(s.find(groupCaption(d.doc.groups, 250)), nullptr);
        // The year only: the last four characters, whole, of a text that is no date.
        EXPECT_NE(s.find("ΕΖΗΘ"), nullptr);
    }
}

// A remark on the month `back` months before the report month.
void remark(test::ReportDoc& d, int row, int back, std::string_view utf8) {
    const MonthSlot m = d.month(back);
    RemarkRecord r;
    r.set(cp1253::fromUtf8(utf8), static_cast<std::uint8_t>(m.month + 1),
          static_cast<std::uint8_t>(m.slot), d.at(row).id());
    d.at(row).setMonthWord(MonthWord::RemarkIndex, m.month, m.slot,
                           static_cast<std::uint16_t>(d.doc.remarks.size()));
    d.doc.remarks.push_back(r);
}

TEST(RecordCardAttack, LongestRemarksStayWholeInsideTheirCell) {
    test::ReportDoc d(Date{2024, 3, 10});  // report month February 2024
    const int row = d.add("Νίκος", "Ααα");
    const int september = 5;  // 2023: old values before the remark, in a new-form year
    d.values(row, september, 65535, 65535, 65535);
    const std::string spaced = "Μετακόμισε στο εξωτερικό, νέα διεύθυνση στη";  // 43, the most
    std::string omegas;
    for (int i = 0; i < 43; ++i) omegas += "Ω";
    remark(d, row, 0, omegas);
    remark(d, row, september, spaced);
    remark(d, row, september + 1, spaced);  // August 2023, in the old-form year
    for (const bool a4 : {false, true}) {
        CardOptions options;
        options.a4 = a4;
        WideFace s;
        drawRecordCard(d.doc, row, options, s);
        EXPECT_EQ(s.collisions(), std::vector<std::string>{});
        std::string remarks;  // the remark column's texts, blanks left out
        for (const RecordedText& t : s.texts())
            if (t.align == Align::Left && t.x > 9 * kDpi / 2 && t.y > 2 * kDpi) remarks += t.text;
        std::string whole =
            res::format(res::kCardOldValues, "65535", "65535", "65535") + spaced + omegas + spaced;
        std::erase(remarks, ' ');
        std::erase(whole, ' ');
        EXPECT_EQ(remarks, whole);
    }
}

TEST(RecordCardAttack, TotalsAtTheLimitStayInTheirColumns) {
    test::ReportDoc d(Date{2023, 9, 8});  // report month August 2023: the old form
    for (int m = 0; m < 12; ++m)
        for (int c = 0; c < MonthTotals::kCategories; ++c)
            for (int v = 0; v < MonthTotals::kValues; ++v)
                for (int slot = 0; slot < 2; ++slot)
                    d.doc.monthTotals.setValue(m, c, v, slot, 65535);
    // Three quarters left over: the total takes its longest form.
    d.doc.monthTotals.setValue(7, 2, reporting::totals_value::kQuarters, 1, 1);
    d.doc.monthTotals.setValue(7, 3, reporting::totals_value::kQuarters, 1, 0);
    WideFace s;
    drawTotalsCard(d.doc, reporting::TotalsCategory::Pioneers, {}, s);
    EXPECT_EQ(s.collisions(), std::vector<std::string>{});
}

TEST(RecordCardAttack, MonthsBefore2000AreBlankNotRead) {
    test::ReportDoc d(Date{2001, 2, 8});  // report month January 2001
    const int row = d.add("Νίκος", "Ααα");
    CardOptions options;
    options.kind = CardKind::TwentyFourMonths;
    const CardTable earlier = cardTables(d.doc.calendar, options, personMonths(d.doc, row))[1];
    EXPECT_EQ(earlier.caption[0], std::string(res::monthAbbrev(1)) + " 1999 -");
    EXPECT_EQ(earlier.months[0].month, 1);
    for (std::size_t i = 0; i < 12; ++i) EXPECT_EQ(earlier.months[i].blank, i < 11) << i;
}

TEST(LabelsAttack, ItemsNeverMeetAndStayWithinTheirLabel) {
    test::ReportDoc d(Date{2026, 12, 8});
    for (int i = 0; i < 2; ++i) {  // the longest names, in both columns
        const int row = d.add(cp1253::fromUtf8("Χαραλαμπία-Ευαγγελία"),
                              cp1253::fromUtf8("Κωνσταντινοπούλου-Πα"));
        d.at(row).setByte(PublisherRecord::kPrivileges, privilege::kElder | privilege::kMale);
        d.at(row).setText(PublisherRecord::kBirthDate, "03021960");
        d.pioneer(row, 0, 2);
    }
    ReportFonts fonts;
    fonts.resetToDefaults("greek");
    d.doc.settings.labelAlternative = 1;
    for (const int margin : {0, 99}) {  // 99: the right column meets the page's edge
        d.doc.settings.labelLeftMargin = margin;
        ReportContext context = reportContextFor(d.doc, fonts, {2026, 12, 8});
        WideFace s(8);
        ASSERT_TRUE(drawReport(d.doc, s, kindNumber(ReportKind::Labels), 0, context));
        EXPECT_EQ(s.collisions(), std::vector<std::string>{});
        for (const RecordedText& t : s.texts())  // every baseline within the label's inch
            EXPECT_LT((t.y - s.texts().front().y + kDpi / 5) % kDpi, kDpi * 19 / 20) << t.text;
    }
    // The chosen by id, in the active list's order whatever the order chosen; an id no longer
    // listed (the view redrawn after the table changed) prints no label.
    const auto& active = d.doc.kindLists[static_cast<std::size_t>(kPublisher)];
    const auto idOf = [&](std::size_t i) { return int{d.at(active[i].recordIndex).id()}; };
    EXPECT_EQ(labelRows(d.doc, {1, {idOf(1), 0, 65000, idOf(0)}}),
              (std::vector<int>{active[0].recordIndex, active[1].recordIndex}));
}

}  // namespace
}  // namespace zelvo::reports
