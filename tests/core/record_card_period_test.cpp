// Period cards: the months ending with the report month at each period's edges, the 24-month
// card's two tables, a period across the form switch, and the dialog's short headings.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "report_fixture.h"
#include "reports/record_card.h"
#include "reports/record_card_year.h"
#include "reports/recording_surface.h"
#include "resources/strings.h"
#include "store/publisher_status.h"

namespace zelvo::reports {
namespace {

std::vector<CardTable> tables(const test::ReportDoc& d, int row, CardKind kind,
                              CardOptions options = {}) {
    options.kind = kind;
    return cardTables(d.doc.calendar, options, personMonths(d.doc, row));
}

std::vector<int> monthsOf(const CardTable& table) {
    std::vector<int> months;
    for (const CardMonth& m : table.months) months.push_back(m.month);
    return months;
}

int count(const RecordingSurface& s, std::string_view text) {
    const auto& texts = s.pages().front().texts;
    return static_cast<int>(std::count_if(texts.begin(), texts.end(),
                                          [&](const RecordedText& t) { return t.text == text; }));
}

TEST(RecordCardPeriod, ServiceYearSoFarRunsFromSeptemberToTheReportMonth) {
    test::ReportDoc september(Date{2025, 10, 8});  // report month September 2025
    const int a = september.add("Νίκος", "Ααα");
    const std::vector<CardTable> first = tables(september, a, CardKind::YearSoFar);
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(monthsOf(first[0]), std::vector<int>{8});
    EXPECT_EQ(first[0].caption[0], "Σεπ 2025 -");
    EXPECT_EQ(first[0].caption[1], "Σεπ 2025");

    test::ReportDoc august(Date{2025, 9, 8});  // report month August 2025
    const int b = august.add("Νίκος", "Ααα");
    august.report(b, 11, 5);  // September 2024, the service year's first month
    CardOptions switches;     // the record card's switches do not apply to a period card
    switches.previousYear = switches.onePerPage = true;
    const std::vector<CardTable> whole = tables(august, b, CardKind::YearSoFar, switches);
    ASSERT_EQ(whole.size(), 1u);
    ASSERT_EQ(whole[0].months.size(), 12u);
    EXPECT_EQ(whole[0].months.front().month, 8);
    EXPECT_EQ(whole[0].months.front().hours, "5");
    EXPECT_EQ(whole[0].months.back().month, 7);
    EXPECT_TRUE(std::none_of(whole[0].months.begin(), whole[0].months.end(),
                             [](const CardMonth& m) { return m.blank; }));
    EXPECT_EQ(whole[0].caption[1], "Αυγ 2025");
}

TEST(RecordCardPeriod, SixMonthsAcrossTheTurnOfTheYearInTimeOrder) {
    test::ReportDoc d(Date{2027, 2, 8});  // report month January 2027
    const int row = d.add("Νίκος", "Ααα");
    d.report(row, 0, 4);   // January 2027
    d.report(row, 1, 7);   // December 2026
    d.report(row, 5, 9);   // August 2026
    d.report(row, 6, 30);  // July 2026: outside the window
    const std::vector<CardTable> six = tables(d, row, CardKind::SixMonths);
    ASSERT_EQ(six.size(), 1u);
    EXPECT_EQ(monthsOf(six[0]), (std::vector<int>{7, 8, 9, 10, 11, 0}));
    EXPECT_EQ(six[0].months[0].hours, "9");
    EXPECT_EQ(six[0].months[4].hours, "7");
    EXPECT_EQ(six[0].months[5].hours, "4");
    EXPECT_EQ(six[0].total, "20");
    EXPECT_EQ(six[0].caption[0], "Αυγ 2026 -");
    EXPECT_EQ(six[0].caption[1], "Ιαν 2027");

    const std::vector<CardTable> twelve = tables(d, row, CardKind::TwelveMonths);
    EXPECT_EQ(twelve[0].months.front().month, 1);  // February 2026
    EXPECT_EQ(twelve[0].total, "50");

    CardOptions options;
    options.kind = CardKind::SixMonths;
    RecordingSurface s(300, 300);
    drawRecordCard(d.doc, row, options, s);
    EXPECT_EQ(count(s, res::kPeriodSixMonths), 1);
    EXPECT_EQ(count(s, res::kCardTitle), 0);
    EXPECT_EQ(count(s, "Αυγ 2026 -"), 1);
    EXPECT_EQ(count(s, res::monthName(6)), 0);  // July is not on the card
}

TEST(RecordCardPeriod, TwentyFourMonthsInTwoTablesAcrossTheFormSwitch) {
    test::ReportDoc d(Date{2024, 4, 8});  // report month March 2024
    const int row = d.add("Νίκος", "Ααα");
    d.report(row, 7, 10);  // August 2023, old form
    d.values(row, 7, 3, 1, 2);
    d.report(row, 12, 6);  // March 2023, the earlier twelve's last month
    d.values(row, 12, 5, 0, 0);
    const std::vector<CardTable> two = tables(d, row, CardKind::TwentyFourMonths);
    ASSERT_EQ(two.size(), 2u);
    // The later twelve, April 2023 - March 2024: new form, its old-form months keep their values.
    EXPECT_EQ(two[0].caption[0], "Απρ 2023 -");
    EXPECT_TRUE(two[0].newForm);
    EXPECT_FALSE(two[0].previous);
    EXPECT_EQ(two[0].months[4].remark, res::format(res::kCardOldValues, "3", "1", "2"));
    // The earlier twelve, April 2022 - March 2023: old form, the previous year's preferences.
    EXPECT_EQ(two[1].caption[1], "Μαρ 2023");
    EXPECT_FALSE(two[1].newForm);
    EXPECT_TRUE(two[1].previous);
    EXPECT_EQ(two[1].months[11].old[0], 5);
    EXPECT_EQ(two[1].averages[0], "0.4");  // five placements over twelve months

    // A six-month card ending in September 2023 is still old form.
    test::ReportDoc old(Date{2023, 10, 8});
    EXPECT_FALSE(tables(old, old.add("Νίκος", "Ααα"), CardKind::SixMonths)[0].newForm);

    CardOptions options;
    options.kind = CardKind::TwentyFourMonths;
    options.hidden = 2;  // the second table's averages
    RecordingSurface s(300, 300);
    drawRecordCard(d.doc, row, options, s);
    EXPECT_EQ(count(s, res::kPeriodTwentyFourMonths), 1);
    EXPECT_EQ(count(s, res::kCardAverage), 1);  // only the old-form table has the line
    EXPECT_EQ(count(s, "0.4"), 0);
    EXPECT_EQ(count(s, res::kCardTotal), 2);
}

TEST(RecordCardPeriod, TheDialogsCardHasTheShortHeadings) {
    test::ReportDoc d(Date{2026, 12, 8});
    const int row = d.add("Νίκος", "Ααα");
    CardOptions options;
    options.screen = true;
    RecordingSurface s(300, 300);
    drawRecordCard(d.doc, row, options, s);
    EXPECT_EQ(count(s, res::kCardScreenTookPart), 2);  // both service years
    EXPECT_EQ(count(s, res::kCategoryAuxiliary), 2);
    EXPECT_EQ(count(s, "Διακονία"), 2);
    EXPECT_EQ(count(s, "Σκαπανέας"), 0);  // no long heading, whole or wrapped
}

TEST(RecordCardPeriod, SixMonthsAverageAsTheAveragesReportDoes) {
    test::ReportDoc d(Date{2023, 3, 10});  // report month February 2023, the old form
    const int moved = d.add("Νίκος", "Ααα");
    const int steady = d.add("Γιώργος", "Βββ");
    for (int back = 0; back < 3; ++back) {
        d.report(moved, back, 12);
        d.report(steady, back, 12);
    }
    // Transferred in January: averaged since then, not over six months of which three are empty.
    d.at(moved).setByte(PublisherRecord::kStatusFlags,
                        static_cast<std::uint8_t>((d.month(1).month + 1) * 16 + kMarkTransferred));
    CardOptions six;
    six.kind = CardKind::SixMonths;
    const std::size_t hours = columnIndex(ReportColumn::Hours);
    EXPECT_EQ(personCardTables(d.doc, moved, six).front().averages[hours], "12.0");
    EXPECT_EQ(personCardTables(d.doc, steady, six).front().averages[hours], "6.0");
    // Every other card keeps the average over the months it shows.
    six.kind = CardKind::TwelveMonths;
    EXPECT_EQ(personCardTables(d.doc, moved, six).front().averages[hours], "3.0");
}

}  // namespace
}  // namespace zelvo::reports
