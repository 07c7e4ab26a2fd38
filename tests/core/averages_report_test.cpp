// The averages reports (kinds 5-11) through the recording surface: whom each kind lists, the
// window of a new or transferred publisher, the summary's counts, the form switch and the pages.
#include "reports/averages_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "report_fixture.h"
#include "reports/recording_surface.h"
#include "reports/report_kind.h"
#include "store/cp1253.h"
#include "store/publisher_status.h"

namespace zelvo::reports {
namespace {

using test::ReportDoc;
using K = ReportKind;
constexpr Date kToday{2025, 3, 10};  // report month February 2025, the new form

const ReportFonts& defaultFonts() {
    static const ReportFonts fonts = [] {
        ReportFonts f;
        f.resetToDefaults("greek");
        return f;
    }();
    return fonts;
}

using Texts = std::vector<RecordedText>;

Texts draw(CZelvoDoc& doc, K kind, int group = 0, Date today = kToday) {
    ReportContext context = reportContextFor(doc, defaultFonts(), today);
    RecordingSurface surface(300, 300);
    EXPECT_TRUE(drawReport(doc, surface, kindNumber(kind), group, context));
    return surface.pages().front().texts;
}

// The texts drawn on the line of the first text `first`, in drawing order.
std::vector<std::string> line(const Texts& texts, std::string_view first) {
    const auto at = std::find_if(texts.begin(), texts.end(),
                                 [&](const RecordedText& t) { return t.text == first; });
    std::vector<std::string> out;
    for (const RecordedText& t : texts)
        if (at != texts.end() && t.y == at->y) out.push_back(t.text);
    return out;
}

void markStatus(ReportDoc& d, int row, int mark) {  // begun last month
    const int month = d.month(1).month;
    d.at(row).setByte(PublisherRecord::kStatusFlags,
                      static_cast<std::uint8_t>((month + 1) * 16 + mark));
}

TEST(AveragesReport, TransferredPublishersAreAveragedSinceTheirStart) {
    ReportDoc d(kToday);
    const int moved = d.add("Moved", "B");
    const int back = d.add("Back", "C");
    for (int m = 0; m < 3; ++m) {  // November without a report
        d.report(moved, m, 12);
        d.report(back, m, 12);
    }
    markStatus(d, moved, kMarkTransferred);  // January, and back over December's hours
    markStatus(d, back, kMarkReactivated);   // the averages take six months
    const Texts r = draw(d.doc, K::AveragesCongregation);
    // Name, hours, studies: the new form asks nothing else; regular over its window: no mark.
    EXPECT_EQ(line(r, "Moved B"),
              (std::vector<std::string>{"Moved B", "  12.0/12.0", "   0.0/ 0.0"}));
    EXPECT_EQ(line(r, "Back C")[1], "  12.0/ 6.0");
}

TEST(AveragesReport, EachKindListsItsPublishers) {
    ReportDoc d(kToday);
    d.setGroups(2);
    std::vector<int> rows;
    using privilege::kBaptizedBrother, privilege::kCustomCategory;
    for (const std::uint8_t bits : std::vector<std::uint8_t>{
             0, 0, privilege::kElder, privilege::kServant, kBaptizedBrother, kCustomCategory}) {
        rows.push_back(d.add("P" + std::to_string(rows.size()), "Q"));
        d.at(rows.back()).setByte(PublisherRecord::kPrivileges, bits);
    }
    d.at(rows[0]).setByte(PublisherRecord::kGroupNumber, 2);
    d.pioneer(rows[1], 0, 2);
    d.pioneer(rows[5], 1, 2);  // a regular pioneer last month only
    const auto listed = [&](K kind, int group = 0) {
        return averagesRows(d.doc, *averagesArgsFor(kindNumber(kind), group));
    };
    using Rows = std::vector<int>;
    EXPECT_EQ(listed(K::AveragesCongregation), rows);
    EXPECT_EQ(listed(K::AveragesGroup, 2), Rows{rows[0]});
    EXPECT_EQ(listed(K::AveragesRegularPioneers), Rows{rows[1]});
    EXPECT_EQ(listed(K::AveragesElders), Rows{rows[2]});
    EXPECT_EQ(listed(K::AveragesServants), Rows{rows[3]});
    EXPECT_EQ(listed(K::AveragesBaptizedBrothers), (Rows{rows[2], rows[3], rows[4]}))
        << "elders and ministerial servants are baptized brothers";
    EXPECT_EQ(listed(K::AveragesCustomCategory), Rows{rows[5]});
}

TEST(AveragesReport, TheSummaryCountsEveryoneButSpecialPioneers) {
    ReportDoc d(kToday);
    d.steady(d.add("Steady", "A"), 10);
    const int regular = d.add("Regular", "B");
    d.steady(regular, 50, 2);
    d.report(regular, 4, 0);  // no report in September
    d.steady(d.add("Special", "C"), 100, 3);
    const int irregular = d.add("Late", "D");
    for (int m = 0; m < 3; ++m) d.report(irregular, m, 4);

    Texts r = draw(d.doc, K::AveragesCongregation);
    EXPECT_EQ(line(r, "Late D"),
              (std::vector<std::string>{"Late D", "   4.0/ 2.0", "   0.0/ 0.0", "*"}));
    EXPECT_EQ(line(r, "Regular B")[1], "  50.0/41.7") << "the missing month counts as 0";
    EXPECT_EQ(line(r, "Special C").size(), 3u) << "listed, never missing a month";
    // (10 + 50 + 4) / 3 and (10 + 41.7 + 2) / 3: the special pioneer is not counted.
    EXPECT_EQ(line(r, "Εκκλησία Μ.Ο.")[1], "  21.3/17.9");
    // Per report: 3 × 10 and 3 × 4 over 3 months, 6 × 10 and 3 × 4 over 6.
    EXPECT_EQ(line(r, "Ευαγ."),
              (std::vector<std::string>{"Ευαγ.", "   2", "   7.0/ 8.0", "   0.0/ 0.0"}));
    EXPECT_TRUE(line(r, "Βοηθ.Σκαπ").empty()) << "no auxiliary pioneer reported";
    EXPECT_EQ(line(r, "Σκαπ"),
              (std::vector<std::string>{"Σκαπ", "   1", "  50.0/50.0", "   0.0/ 0.0"}));
    EXPECT_EQ(line(r, "Σύνολο Ευαγγελιζομένων")[1], "3");
    EXPECT_EQ(line(r, "Σύνολο Μη Τακτικών"),
              (std::vector<std::string>{"Σύνολο Μη Τακτικών", "2", "( 67% )"}));

    // The pioneers' set average is that of every report they made; no category lines.
    r = draw(d.doc, K::AveragesRegularPioneers);
    EXPECT_EQ(line(r, "Όμιλος Μ.Ο.")[1], "  50.0/50.0");
    EXPECT_TRUE(line(r, "Ευαγ.").empty());
    EXPECT_TRUE(line(r, "Steady A").empty());
}

TEST(AveragesReport, TheFormOfTheReportMonthChoosesTheColumns) {
    // September 2023 is the last month of the old form: five columns; October asks two.
    for (const Date today : {Date{2023, 10, 10}, Date{2023, 11, 10}}) {
        ReportDoc d(today);
        d.report(d.add("A", "A"), 0, 9, 3);  // 9 hours and 3 quarters make 10
        const auto row = line(draw(d.doc, K::AveragesCongregation, 0, today), "A A");
        EXPECT_EQ(row.size(), today.month == 10 ? 7u : 4u) << "the values and the irregular mark";
        EXPECT_EQ(row[today.month == 10 ? 3 : 1], "   3.3/ 1.7");
    }
}

TEST(AveragesReport, PagesHoldTheirRowsAndTheSummaryAtEveryMargin) {
    EXPECT_EQ(averagesPageCount(54 + 30, 54), 2);
    EXPECT_EQ(averagesPageCount(54 + 31, 54), 3);

    ReportDoc d(kToday);
    for (int i = 0; i < 54 + 40; ++i) d.steady(d.add("P" + std::to_string(i), "Q"), 10);
    d.add(std::string(60, 'W'), "X");
    for (const int margin : {0, 99})
        for (const bool grid : {false, true})
            for (const int dpi : {300, 96}) {
                d.doc.settings.reportTopMargin = margin;
                d.doc.settings.reportGridLines = grid ? 1 : 0;
                ReportContext context = reportContextFor(d.doc, defaultFonts(), kToday);
                RecordingSurface surface(dpi, dpi);
                ASSERT_TRUE(drawReport(d.doc, surface, 5, 0, context));
                const int page = bandBottom(0, kLetterPageLength, dpi);
                const int dpiX = dpi == 96 ? 88 : dpi;
                const int nameEnd = dpiX / 2 + 25 * (dpiX / 10) + dpiX / 10;
                int lastPage = 0;
                for (const RecordedText& t : surface.pages().front().texts) {
                    const int p = t.y / page;
                    lastPage = std::max(lastPage, p);
                    EXPECT_LE(t.y + std::abs(t.fontHeight),
                              printableBand(p, kLetterPageLength, dpi).bottom)
                        << t.text << " margin " << margin << " dpi " << dpi;
                    if (t.x == dpiX / 2 && t.text.starts_with("WWW")) {
                        EXPECT_LE(t.x + utf8Length(t.text) * std::abs(t.fontHeight) / 2, nameEnd);
                    }
                }
                EXPECT_EQ(lastPage + 1, context.pageCount);
                EXPECT_EQ(context.pageCount, 3);
            }
}

}  // namespace
}  // namespace zelvo::reports
