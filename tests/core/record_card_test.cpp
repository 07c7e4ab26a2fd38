// The printed record card through the recording surface: the header's check boxes, both table
// forms, the service year across the form switch, the hidden lines and the years per page.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "report_fixture.h"
#include "reports/record_card.h"
#include "reports/record_card_year.h"
#include "reports/recording_surface.h"
#include "resources/strings.h"

namespace zelvo::reports {
namespace {

constexpr int kDpi = 300;

struct Card {
    RecordingSurface surface{kDpi, kDpi};
    const RecordedPage& page() const { return surface.pages().front(); }

    const RecordedText* find(std::string_view text) const {
        for (const RecordedText& t : page().texts)
            if (t.text == text) return &t;
        return nullptr;
    }
    int count(std::string_view text) const {
        return static_cast<int>(
            std::count_if(page().texts.begin(), page().texts.end(),
                          [&](const RecordedText& t) { return t.text == text; }));
    }
    // The box before a header label is crossed: a diagonal from its top-left corner.
    bool ticked(std::string_view label) const {
        const RecordedText* t = find(label);
        if (t == nullptr) return false;
        const int side = kDpi / 10;
        const int x = t->x - side * 3 / 2;
        return std::any_of(page().lines.begin(), page().lines.end(), [&](const RecordedLine& l) {
            return l.x1 == x && l.y1 == t->y - side && l.x2 == x + side && l.y2 == t->y;
        });
    }
};

Card draw(const CZelvoDoc& doc, int row, CardOptions options = {}) {
    Card card;
    drawRecordCard(doc, row, options, card.surface);
    return card;
}

TEST(RecordCard, HeaderTicksFollowSexHopeAndPrivileges) {
    test::ReportDoc d(Date{2026, 12, 8});
    const int brother = d.add("Νίκος", "Ααα");
    d.at(brother).setByte(PublisherRecord::kPrivileges, privilege::kMale | privilege::kElder);
    d.at(brother).setByte(PublisherRecord::kHope, 'A');
    d.pioneer(brother, 0, 2);
    const int sister = d.add("Μαρία", "Βββ");
    d.at(sister).setByte(PublisherRecord::kPrivileges, privilege::kFemale);
    d.at(sister).setText(PublisherRecord::kBaptismDate, "1990");  // too short: not baptized

    const Card a = draw(d.doc, brother);
    EXPECT_TRUE(a.ticked(res::kTickMale));
    EXPECT_FALSE(a.ticked(res::kTickFemale));
    EXPECT_TRUE(a.ticked(res::kTickAnointed));
    EXPECT_FALSE(a.ticked(res::kCardOtherSheep));
    EXPECT_TRUE(a.ticked(res::kTickElder));
    EXPECT_FALSE(a.ticked(res::kPrivilegeServant));
    EXPECT_TRUE(a.ticked(res::kTickRegular));
    EXPECT_FALSE(a.ticked(res::kTickSpecial));
    ASSERT_NE(a.find(res::kCardTitle), nullptr);

    const Card b = draw(d.doc, sister);
    EXPECT_TRUE(b.ticked(res::kTickFemale));
    EXPECT_FALSE(b.ticked(res::kCardOtherSheep));
    EXPECT_FALSE(b.ticked(res::kTickAnointed));
    EXPECT_FALSE(b.ticked(res::kTickElder));

    EXPECT_FALSE(cardBaptized("  1990   "));
    EXPECT_TRUE(cardBaptized("5/1990"));
}

TEST(RecordCard, NewFormYearShowsMonthsUpToTheReportMonthOnly) {
    test::ReportDoc d(Date{2026, 12, 8});
    const int row = d.add("Νίκος", "Ααα");
    d.report(row, 0, 0, 0, 3, true);  // the report month: took part, three studies
    d.report(row, 1, 50, 3);          // the month before: 50 hours and three quarters
    d.pioneer(row, 1, 1);
    // A year-old value in the report month's place two years back must not show.
    const CardTable year = serviceYearTable(d.doc.calendar, false, personMonths(d.doc, row));
    EXPECT_TRUE(year.newForm);
    const int reportIndex = (d.doc.calendar.reportMonth + 4) % 12;  // September is 0
    const CardMonth& now = year.months[static_cast<std::size_t>(reportIndex)];
    EXPECT_TRUE(now.reported);
    EXPECT_EQ(now.studies, 3);
    const CardMonth& before = year.months[static_cast<std::size_t>(reportIndex - 1)];
    EXPECT_TRUE(before.auxiliary);
    EXPECT_EQ(before.hours, "50" + std::string(res::quarterSuffix(3)));
    EXPECT_EQ(year.total, before.hours);  // quarters kept, as the hours lists print them
    for (int i = reportIndex + 1; i < 12; ++i)
        EXPECT_TRUE(year.months[static_cast<std::size_t>(i)].blank) << i;
    EXPECT_FALSE(year.months[0].blank);

    const Card card = draw(d.doc, row);
    EXPECT_EQ(card.count(res::kCardTookPart), 0);  // wrapped into lines
    EXPECT_EQ(card.count(std::to_string(year.serviceYear)), 1);
    EXPECT_EQ(card.count(std::to_string(year.serviceYear - 1)), 1);
    EXPECT_NE(card.find("3"), nullptr);
}

TEST(RecordCard, YearAcrossTheFormSwitchKeepsItsOldValues) {
    test::ReportDoc d(Date{2024, 3, 10});
    const int row = d.add("Νίκος", "Ααα");
    // September 2023: the last month of the old form, in the first new-form service year.
    int back = 0;
    while (d.month(back).month != 8) ++back;
    d.report(row, back, 10);
    d.values(row, back, 3, 1, 2);
    d.report(row, back + 1, 12);  // August 2023, the old-form year before
    d.values(row, back + 1, 4, 0, 5);

    const CardTable now = serviceYearTable(d.doc.calendar, false, personMonths(d.doc, row));
    const CardTable before = serviceYearTable(d.doc.calendar, true, personMonths(d.doc, row));
    EXPECT_EQ(now.serviceYear, 2024);
    EXPECT_TRUE(now.newForm);
    EXPECT_EQ(now.months[0].remark, res::format(res::kCardOldValues, "3", "1", "2"));
    EXPECT_EQ(before.serviceYear, 2023);
    EXPECT_FALSE(before.newForm);
    EXPECT_EQ(before.months[11].old[0], 4);
    EXPECT_EQ(before.averages[0], "0.3");  // four placements over twelve months

    const Card card = draw(d.doc, row);
    EXPECT_NE(card.find("Εκδόσεων"), nullptr);  // old-form headings for 2023, wrapped
    EXPECT_NE(card.find(now.months[0].remark), nullptr);
    EXPECT_EQ(card.count(res::kCardAverage), 1);  // only the old form has the averages line
}

TEST(RecordCard, PreferencesHideLinesAndChooseYearsPerPage) {
    test::ReportDoc d(Date{2024, 3, 10});
    const int row = d.add("Νίκος", "Ααα");
    d.report(row, 0, 7);
    int back = 0;
    while (d.month(back).month != 7) ++back;
    d.report(row, back, 9);  // August 2023

    const Card both = draw(d.doc, row);
    EXPECT_EQ(both.count(res::kCardServiceYear), 2);
    EXPECT_NE(both.find("7"), nullptr);
    EXPECT_NE(both.find("0.8"), nullptr);  // nine hours over twelve months

    CardOptions hidden;
    hidden.hidden = 1 | 2 | 4 | 8;
    const Card bare = draw(d.doc, row, hidden);
    EXPECT_EQ(bare.count("7"), 1);  // the month, no total
    EXPECT_EQ(bare.find("0.8"), nullptr);
    EXPECT_EQ(bare.count(res::kCardTotal), 2);  // the labels stay

    CardOptions one;
    one.onePerPage = true;
    one.previousYear = true;
    const Card single = draw(d.doc, row, one);
    EXPECT_EQ(single.count(res::kCardServiceYear), 1);
    EXPECT_NE(single.find("2023"), nullptr);
    EXPECT_EQ(single.find("2024"), nullptr);

    // On A4 the card is a quarter inch narrower: the frames end that much further left.
    CardOptions a4;
    a4.a4 = true;
    const Card longPage = draw(d.doc, row, a4);
    EXPECT_EQ(both.page().rects.back().rect.right - longPage.page().rects.back().rect.right,
              kDpi / 4);
}

}  // namespace
}  // namespace zelvo::reports
