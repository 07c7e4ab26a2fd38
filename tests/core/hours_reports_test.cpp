// The hours reports (kinds 38-43, 48), the service-year totals (44-46) and the pioneer hours
// (47): who each lists, the form switch in the twelve-month window, quarter hours carried over
// the service year, the pioneer's requirement, and pages that hold their rows at every margin.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "report_fixture.h"
#include "reports/hours_report.h"
#include "reports/pioneer_hours_report.h"
#include "reports/recording_surface.h"
#include "reports/report_kind.h"
#include "reports/row_pages.h"
#include "reports/text_fit.h"
#include "reports/year_totals_report.h"
#include "resources/strings.h"
#include "store/cp1253.h"

namespace zelvo::reports {
namespace {

using test::ReportDoc;

// A publisher of the given UTF-8 name; the row.
int add(ReportDoc& d, std::string_view first, std::string_view last) {
    return d.add(cp1253::fromUtf8(first), cp1253::fromUtf8(last));
}

std::vector<std::string> namesOf(ReportDoc& d, HoursList list) {
    std::vector<std::string> out;
    for (int row : hoursListRows(d.doc, {list, 0}))
        out.push_back(cp1253::toUtf8(d.doc.displayName(row)));
    return out;
}

// The texts drawn on the strip at `y`'s line, left to right.
std::vector<std::string> lineAt(const RecordingSurface& s, int y) {
    std::vector<RecordedText> on;
    for (const RecordedText& t : s.pages().front().texts)
        if (t.y == y) on.push_back(t);
    std::stable_sort(on.begin(), on.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
    std::vector<std::string> out;
    for (const RecordedText& t : on) out.push_back(t.text);
    return out;
}

const RecordedText* find(const RecordingSurface& s, std::string_view text) {
    for (const RecordedText& t : s.pages().front().texts)
        if (t.text == text) return &t;
    return nullptr;
}

struct Drawn {
    RecordingSurface surface;
    ReportFonts fonts;
    ReportContext context;
    // On paper at 300 dpi, or on a 96-dpi screen.
    Drawn(CZelvoDoc& doc, ReportKind kind, int margin = 50, bool grid = false, int dpi = 300)
        : surface(dpi, dpi) {
        fonts.resetToDefaults("greek");
        doc.settings.reportTopMargin = margin;
        doc.settings.reportGridLines = grid ? 1 : 0;
        context = reportContextFor(doc, fonts, {2026, 12, 8});
        EXPECT_TRUE(drawReport(doc, surface, kindNumber(kind), 0, context));
    }
};

TEST(HoursReports, EachListTakesItsPeopleAndBaptizedBrothersIncludeEldersAndServants) {
    ReportDoc d({2025, 3, 10});  // report month February 2025
    const int elder = add(d, "Άλφα", "Πρεσβύτερος");
    const int servant = add(d, "Βήτα", "Διακονικός");
    const int brother = add(d, "Γάμμα", "Αδελφός");
    const int sister = add(d, "Δέλτα", "Αδελφή");
    d.at(elder).setByte(PublisherRecord::kPrivileges, privilege::kElder | privilege::kMale);
    d.at(servant).setByte(PublisherRecord::kPrivileges,
                          privilege::kServant | privilege::kCustomCategory);
    d.at(brother).setByte(PublisherRecord::kPrivileges, privilege::kBaptizedBrother);
    d.pioneer(sister, 11, 1);   // auxiliary twelve months back: still in the window
    d.pioneer(brother, 12, 1);  // thirteen months back: out of it
    d.pioneer(servant, 0, 2);
    using L = HoursList;
    EXPECT_EQ(namesOf(d, L::BaptizedBrothers),
              (std::vector<std::string>{"Άλφα Πρεσβύτερος", "Βήτα Διακονικός", "Γάμμα Αδελφός"}));
    EXPECT_EQ(namesOf(d, L::EldersAndServants),
              (std::vector<std::string>{"Άλφα Πρεσβύτερος", "Βήτα Διακονικός"}));
    EXPECT_EQ(namesOf(d, L::AuxiliaryPioneers), (std::vector<std::string>{"Δέλτα Αδελφή"}));
    EXPECT_EQ(namesOf(d, L::RegularPioneers), (std::vector<std::string>{"Βήτα Διακονικός"}));
    EXPECT_EQ(namesOf(d, L::CustomCategory), (std::vector<std::string>{"Βήτα Διακονικός"}));
    EXPECT_EQ(namesOf(d, L::Congregation).size(), 4u);
}

TEST(HoursReports, TheWindowSwitchesFormAfterSeptember2023) {
    EXPECT_EQ(oldFormMonths(284, 284, false), 12);  // September 2023: all old form
    EXPECT_EQ(oldFormMonths(285, 284, false), 11);
    EXPECT_EQ(oldFormMonths(295, 284, false), 1);
    EXPECT_EQ(oldFormMonths(296, 284, false), 0);
    EXPECT_EQ(oldFormMonths(285, 284, true), 12);  // a pioneer list across the switch: old form
    EXPECT_EQ(oldFormMonths(296, 284, true), 0);

    // October 2023, the month after the switch-over: eleven months of hours, one of ticks.
    ReportDoc d({2023, 11, 10});
    const int p = add(d, "Άννα", "Α");
    for (int back = 0; back < 12; ++back) d.report(p, back, 10, back == 1 ? 3 : 0, 0, true);
    d.pioneer(p, 0, 0);
    const HoursRow congregation = hoursRow(d.doc, p, {HoursList::Congregation, 0});
    EXPECT_EQ(congregation.months[0], "10");
    EXPECT_EQ(congregation.months[10], "10.75");  // September, with three quarter hours
    EXPECT_EQ(congregation.months[11], "");
    EXPECT_FALSE(congregation.ticks[10]);
    EXPECT_TRUE(congregation.ticks[11]);
    EXPECT_EQ(congregation.average, "") << "no averages while the window straddles the switch";

    Drawn drawn(d.doc, ReportKind::HoursCongregation);
    EXPECT_EQ(drawn.surface.pages().front().lines.size(), 2u) << "one tick, two strokes";
    EXPECT_EQ(find(drawn.surface, res::kAverageShort), nullptr);

    d.pioneer(p, 0, 2);  // a regular pioneer in October: hours in every month, and the average
    const HoursRow pioneers = hoursRow(d.doc, p, {HoursList::RegularPioneers, 0});
    EXPECT_EQ(pioneers.months[11], "10");
    EXPECT_EQ(pioneers.average, "10.1");  // 120 hours and 3 quarters (round up) over 12
}

TEST(HoursReports, AuxiliaryListFillsOnlyTheAuxiliaryMonthsAndAveragesThem) {
    ReportDoc d({2025, 3, 10});
    const int p = add(d, "Άννα", "Α");
    d.steady(p, 20);
    d.pioneer(p, 2, 1);
    d.report(p, 2, 50, 2);
    d.pioneer(p, 4, 1);
    d.report(p, 4, 31);
    const HoursRow r = hoursRow(d.doc, p, {HoursList::AuxiliaryPioneers, 0});
    EXPECT_EQ(std::count_if(r.months.begin(), r.months.end(),
                            [](const std::string& m) { return !m.empty(); }),
              2);
    EXPECT_EQ(r.months[9], "50.5");
    EXPECT_EQ(r.average, "40.5");  // whole hours only
}

TEST(YearTotals, SeptemberCoversOneMonthAndQuartersCarryIntoHours) {
    EXPECT_EQ(serviceYearMonths(8), 1);
    EXPECT_EQ(serviceYearMonths(11), 4);
    EXPECT_EQ(serviceYearMonths(0), 5);
    EXPECT_EQ(serviceYearMonths(7), 12);

    ReportDoc september({2025, 10, 10});
    const int s = add(september, "Άννα", "Α");
    september.report(s, 0, 7);
    september.report(s, 1, 90);  // August: the year before
    EXPECT_EQ(yearTotalsRow(september.doc, s).hours.text(), "7");

    ReportDoc d({2025, 12, 10});  // November: September to November
    const int a = add(d, "Άννα", "Α");
    const int b = add(d, "Βασίλης", "Β");
    for (const auto& [back, quarters] : {std::pair{0, 2}, {1, 1}, {2, 1}})
        d.report(a, back, 5, quarters);
    d.report(b, 0, 4, 3);
    d.report(b, 3, 50);  // August: not counted
    d.values(a, 1, 2, 1, 3);
    EXPECT_EQ(yearTotalsRow(d.doc, a).hours.text(), "16");
    EXPECT_EQ(yearTotalsRow(d.doc, b).hours.text(), "4.75");
    EXPECT_EQ(yearTotalsRow(d.doc, a).values[0], 2);

    // The totals line carries the quarters left over by each row too.
    d.report(a, 0, 5, 3);
    Drawn drawn(d.doc, ReportKind::YearTotalsCongregation);
    const RecordedText* label = find(drawn.surface, res::kCategoryTotals);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(lineAt(drawn.surface, label->y),
              (std::vector<std::string>{"Σύνολα", "2", "1", "21", "3", "0"}));
}

TEST(PioneerHoursReport, RequirementRemainingAndTheLateStartNote) {
    ReportDoc d({2025, 4, 10});  // report month March 2025, service year 2025: 50 a month
    const int fromJanuary = add(d, "Άννα", "Α");
    const int fromSeptember = add(d, "Βασίλης", "Β");
    for (int back = 0; back < 3; ++back) d.pioneer(fromJanuary, back, 2);
    for (int back = 0; back < 7; ++back) d.pioneer(fromSeptember, back, 2);
    d.report(fromJanuary, 0, 40);
    d.report(fromJanuary, 4, 99);  // November, before the run: not counted
    d.at(fromJanuary).setMonthWord(MonthWord::CreditHours, d.month(1).month, d.month(1).slot, 5);
    d.report(fromSeptember, 0, 700);

    const PioneerHoursRow a = pioneerHoursRow(d.doc, fromJanuary);
    EXPECT_EQ(a.name, "Άννα Α *");
    EXPECT_EQ(a.values, (std::array<std::string, 7>{"40", "5", "45", "15.0", "400", "71.0",
                                                    "355"}));  // 8 months × 50; 355 over 5
    const PioneerHoursRow b = pioneerHoursRow(d.doc, fromSeptember);
    EXPECT_FALSE(b.lateStart);
    EXPECT_EQ(b.values[4], "600");
    EXPECT_EQ(b.values[6], "0") << "remaining hours never below 0";
    EXPECT_EQ(b.values[5], " 0.0");

    Drawn drawn(d.doc, ReportKind::PioneerHours);
    const RecordedText* note = find(drawn.surface, res::kLateStartNote);
    const RecordedText* last = find(drawn.surface, "Βασίλης Β");
    ASSERT_NE(note, nullptr);
    ASSERT_NE(last, nullptr);
    const RecordedText* first = find(drawn.surface, "Άννα Α *");
    const RecordedText* heading = find(drawn.surface, res::kHeadingName);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(heading, nullptr);
    const int lineHeight = (first->y - heading->y) / 2;  // rows begin two lines below
    EXPECT_EQ(note->y - last->y, 4 * lineHeight);
}

TEST(PioneerHoursReport, RequirementChangesWithServiceYear2023AndAugustNeedsNoMore) {
    ReportDoc august({2022, 9, 10});  // August 2022: service year 2022, 70 a month
    const int p = add(august, "Άννα", "Α");
    for (int back = 0; back < 12; ++back) august.pioneer(p, back, 2);
    const PioneerHoursRow a = pioneerHoursRow(august.doc, p);
    EXPECT_EQ(a.values[4], "840");
    EXPECT_EQ(a.values[5], "") << "August: no months left";

    ReportDoc september({2022, 10, 10});  // September 2022: service year 2023, 50 a month
    const int q = add(september, "Άννα", "Α");
    september.pioneer(q, 0, 2);
    september.report(q, 0, 60);
    EXPECT_EQ(pioneerHoursRow(september.doc, q).values,
              (std::array<std::string, 7>{"60", "0", "60", "60.0", "600", "49.1", "540"}));
}

// Every text and line inside the printable part of its page, at every margin, with and without
// the grid, on paper and on the screen; long names shortened before the first number column.
TEST(HoursReportPages, RowsStayOnTheirPagesAndNamesBeforeTheNumbers) {
    ReportDoc d({2025, 3, 10});
    for (int i = 0; i < 130; ++i) {
        const int row = add(d, "Κωνσταντίνα-Αικατερίνη" + std::to_string(i),
                            "Παπαχριστοδουλοπούλου-Ευαγγελοπούλου");
        d.steady(row, 30, 2);
        d.report(row, 0, 12, 1);
        d.report(row, 1, 12, 2);
        d.pioneer(row, 0, i % 9 == 0 ? 0 : 2);
    }
    for (const ReportKind kind : {ReportKind::HoursCongregation, ReportKind::YearTotalsCongregation,
                                  ReportKind::PioneerHours})
        for (const int margin : {0, 50, 99})
            for (const bool grid : {false, true})
                for (const int dpi : {300, 96}) {
                    Drawn drawn(d.doc, kind, margin, grid, dpi);
                    const int dpiY = drawn.surface.dpiY();
                    const auto where = [&](int y) {
                        return std::to_string(kindNumber(kind)) + " margin " +
                               std::to_string(margin) + (grid ? " grid" : "") + " dpi " +
                               std::to_string(dpi) + " y " + std::to_string(y);
                    };
                    int lastPage = 0;
                    const int band = bandBottom(0, kLetterPageLength, dpiY);
                    const auto inside = [&](int top, int bottom) {
                        const int page = top / band;
                        lastPage = std::max(lastPage, page);
                        const PrintableBand room = printableBand(page, kLetterPageLength, dpiY);
                        return top >= room.top && bottom <= room.bottom;
                    };
                    int firstNumber = 1 << 30;
                    int widestName = 0;
                    std::map<int, std::vector<std::pair<int, int>>> numbers;  // by line
                    for (const RecordedText& t : drawn.surface.pages().front().texts) {
                        EXPECT_TRUE(inside(t.y, t.y + std::abs(t.fontHeight)))
                            << where(t.y) << t.text;
                        if (t.align == Align::Right && t.font == FontRole::Text) {
                            const int left = t.x - drawn.surface.textWidth(t.text);
                            firstNumber = std::min(firstNumber, left);
                            numbers[t.y].emplace_back(left, t.x);
                        }
                        if (t.align == Align::Left && t.text.rfind("Κωνσταντίνα", 0) == 0) {
                            EXPECT_NE(t.text.find(kEllipsis), std::string::npos) << t.text;
                            widestName =
                                std::max(widestName, t.x + drawn.surface.textWidth(t.text));
                        }
                    }
                    for (const RecordedLine& l : drawn.surface.pages().front().lines)
                        EXPECT_TRUE(inside(std::min(l.y1, l.y2), std::max(l.y1, l.y2)))
                            << where(l.y1);
                    EXPECT_LT(widestName, firstNumber) << where(0);
                    for (auto& [y, spans] : numbers) {
                        std::sort(spans.begin(), spans.end());
                        for (std::size_t i = 1; i < spans.size(); ++i)
                            EXPECT_GT(spans[i].first, spans[i - 1].second)
                                << where(y) << ": a number runs into its neighbour";
                    }
                    EXPECT_EQ(lastPage + 1, drawn.context.pageCount) << where(0);
                    EXPECT_GE(drawn.context.pageCount, 3);
                }
}

}  // namespace
}  // namespace zelvo::reports
