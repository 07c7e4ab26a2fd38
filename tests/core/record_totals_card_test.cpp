// The congregation's totals cards from known monthly totals: the counts in the new form, the
// five sums in the old, the pioneers as regular and special together, and the switches.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "report_fixture.h"
#include "reports/record_totals_card.h"
#include "reports/recording_surface.h"
#include "resources/strings.h"

namespace zelvo::reports {
namespace {

using reporting::TotalsCategory;
namespace tv = reporting::totals_value;

int count(const RecordingSurface& s, std::string_view text) {
    const auto& texts = s.pages().front().texts;
    return static_cast<int>(std::count_if(texts.begin(), texts.end(),
                                          [&](const RecordedText& t) { return t.text == text; }));
}

class TotalsCardTest : public ::testing::Test {
protected:
    test::ReportDoc d{Date{2024, 4, 8}};  // report month March 2024
    // Values 0-4 of a category in the month `back` months before the report month.
    void set(int back, int category, std::array<int, 5> values, int quarters = 0, int reports = 0) {
        const MonthSlot m = d.month(back);
        for (int v = 0; v < 5; ++v)
            d.doc.monthTotals.setValue(m.month, category, v, m.slot,
                                       static_cast<std::uint16_t>(values[std::size_t(v)]));
        d.doc.monthTotals.setValue(m.month, category, tv::kQuarters, m.slot,
                                   static_cast<std::uint16_t>(quarters));
        d.doc.monthTotals.setValue(m.month, category, tv::kReports, m.slot,
                                   static_cast<std::uint16_t>(reports));
    }
};

TEST_F(TotalsCardTest, NewFormCountsAndPioneersTogether) {
    set(0, 0, {0, 0, 0, 0, 12}, 0, 31);  // March: 31 reports, 12 studies
    set(0, 2, {0, 0, 100, 0, 4}, 3, 5);  // regular pioneers
    set(0, 3, {0, 0, 50, 0, 1}, 2, 1);   // special pioneers
    set(1, 2, {0, 0, 90, 0, 0}, 0, 5);   // February
    d.doc.monthTotals.setValue(d.month(0).month, 0, tv::kActive, d.month(0).slot, 40);

    const auto table = [&](TotalsCategory c) {
        return cardTables(d.doc.calendar, {}, totalsMonths(d.doc, c)).front();
    };
    const CardTable p = table(TotalsCategory::Pioneers);
    ASSERT_TRUE(p.newForm);
    const CardMonth& march = p.months[6];
    EXPECT_EQ(march.month, 2);
    EXPECT_EQ(march.reports, 6);
    EXPECT_EQ(march.studies, 5);
    EXPECT_EQ(march.hours, "151.25");  // five quarters carry into the hours
    EXPECT_EQ(p.total, "241.25");
    EXPECT_TRUE(p.months[7].blank);  // April 2024 is after the report month

    RecordingSurface s(300, 300);
    drawTotalsCard(d.doc, TotalsCategory::Publishers, {}, s);
    EXPECT_EQ(count(s, res::kHistoryPublishers), 1);
    EXPECT_EQ(count(s, "31"), 1);
    EXPECT_EQ(count(s, "12"), 1);
    EXPECT_EQ(count(s, "40"), 0);  // the active count is not a card's figure
    EXPECT_EQ(count(s, std::string(res::kCardBirthDate) + ":  "), 0);
    // No check boxes, in the header or the months: only the two tables' frames.
    EXPECT_EQ(s.pages().front().rects.size(), 2u);

    RecordingSurface active(300, 300);
    drawTotalsCard(d.doc, TotalsCategory::Active, {}, active);
    EXPECT_TRUE(active.pages().front().texts.empty());
}

TEST_F(TotalsCardTest, OldFormSumsAndTheSwitches) {
    set(7, 1, {20, 3, 50, 10, 2}, 1, 4);  // August 2023, auxiliary pioneers
    set(6, 1, {6, 0, 30, 2, 1}, 0, 2);    // September 2023: old form in the new-form year

    CardOptions previous;
    previous.onePerPage = previous.previousYear = true;
    RecordingSurface s(300, 300);
    drawTotalsCard(d.doc, TotalsCategory::Auxiliary, previous, s);
    EXPECT_EQ(count(s, "2023"), 1);
    for (const char* cell : {"20", "3", "10", "2"}) EXPECT_EQ(count(s, cell), 1) << cell;
    EXPECT_EQ(count(s, "50.25"), 2);  // the month and the total
    EXPECT_EQ(count(s, "1.7"), 1);    // twenty placements over twelve months
    // The old form has no column for the reports counted: they stand in the remark cell.
    EXPECT_EQ(count(s, "4"), 0);
    EXPECT_EQ(count(s, res::format(res::kCardReportsCounted, "4")), 1);

    CardOptions six;
    six.kind = CardKind::SixMonths;
    const CardTable t =
        cardTables(d.doc.calendar, six, totalsMonths(d.doc, TotalsCategory::Auxiliary)).front();
    EXPECT_EQ(t.months.front().month, 9);  // October 2023 - March 2024
    CardOptions year;
    year.kind = CardKind::TwelveMonths;
    const CardTable twelve =
        cardTables(d.doc.calendar, year, totalsMonths(d.doc, TotalsCategory::Auxiliary)).front();
    EXPECT_EQ(twelve.months[5].remark, res::format(res::kCardOldValues, "6", "0", "2"));
    EXPECT_EQ(twelve.total, "80.25");
}

}  // namespace
}  // namespace zelvo::reports
