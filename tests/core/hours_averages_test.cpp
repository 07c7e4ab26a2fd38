// The averages of the analysis and averages reports: a publisher's window since a new or
// transferred status began, the quarter-hour rounding, and the per-report average with its
// filters.
#include "reports/hours_averages.h"

#include <gtest/gtest.h>

#include "report_fixture.h"

namespace zelvo::reports {
namespace {

using test::ReportDoc;
using test::setReport;

constexpr ReportColumn kHours = ReportColumn::Hours;

TEST(PublisherAverages, AMonthWithoutReportCountsAsZero) {
    ReportDoc d({2025, 3, 10});  // February 2025
    const int row = d.add("A", "A");
    for (int back = 0; back < 6; ++back) d.report(row, back, 12);
    d.report(row, 1, 0);  // January missed
    const ThreeSix avg = publisherAverages(d.doc, row, kHours);
    EXPECT_DOUBLE_EQ(avg.three, 8.0);
    EXPECT_DOUBLE_EQ(avg.six, 10.0);
    // Placements in a month without a report are not counted either.
    d.values(row, 0, 3, 0, 0);
    d.values(row, 1, 6, 0, 0);
    EXPECT_DOUBLE_EQ(publisherAverages(d.doc, row, ReportColumn::Placements).three, 1.0);
}

TEST(PublisherAverages, ANewPublisherIsAveragedOverTheMonthsSinceTheStart) {
    ReportDoc d({2025, 3, 10});
    const int row = d.add("N", "N");
    // New in January (two months ago), nothing before: both averages divide by 2.
    d.at(row).setByte(PublisherRecord::kStatusFlags, 1 * 16 + 1);
    d.report(row, 0, 10);
    d.report(row, 1, 6);
    const ThreeSix avg = publisherAverages(d.doc, row, kHours);
    EXPECT_DOUBLE_EQ(avg.three, 8.0);
    EXPECT_DOUBLE_EQ(avg.six, 8.0);
    // A reactivated mark (bit 1) does not shorten the averages' window.
    d.at(row).setByte(PublisherRecord::kStatusFlags, 1 * 16 + 2);
    EXPECT_DOUBLE_EQ(publisherAverages(d.doc, row, kHours).six, 16.0 / 6);
}

TEST(PublisherAverages, QuarterHoursRoundThreeUp) {
    ReportDoc d({2025, 3, 10});
    const int row = d.add("Q", "Q");
    d.report(row, 0, 1, 3);  // 1.75 + 1.5 + 0.75: two whole hours and eight quarters
    d.report(row, 1, 1, 2);
    d.report(row, 2, 0, 3);
    EXPECT_DOUBLE_EQ(publisherAverages(d.doc, row, kHours).three, 4.0 / 3);
    d.report(row, 2, 0, 2);  // 7 quarters: one hour and three left, which count as another
    EXPECT_DOUBLE_EQ(publisherAverages(d.doc, row, kHours).three, 4.0 / 3);
    d.report(row, 2, 0, 1);  // 6 quarters: one hour, two dropped
    EXPECT_DOUBLE_EQ(publisherAverages(d.doc, row, kHours).three, 3.0 / 3);
}

TEST(ReportAverage, CountsOnlyMonthsWithAReport) {
    ReportDoc d({2025, 3, 10});
    const int a = d.add("A", "A");
    const int b = d.add("B", "B");
    d.report(a, 0, 10);
    d.report(a, 1, 20);
    d.report(b, 0, 0, 0, 0, true);  // took part, no hours: a report of 0
    d.at(b).setMonthWord(MonthWord::Placements, d.month(1).month, d.month(1).slot, 9);
    EXPECT_DOUBLE_EQ(reportAverage(d.doc, {}, 3, kHours), 10.0);
    EXPECT_DOUBLE_EQ(reportAverage(d.doc, {}, 3, ReportColumn::Placements), 0.0)
        << "placements alone make no report";
    EXPECT_DOUBLE_EQ(reportAverage(d.doc, {}, 1, kHours), 5.0);
}

TEST(ReportAverage, FiltersByCategoryGroupAndPrivilege) {
    ReportDoc d({2025, 3, 10});
    const int pioneer = d.add("P", "P");
    const int elder = d.add("E", "E");
    const int custom = d.add("C", "C");
    d.report(pioneer, 0, 60);
    d.pioneer(pioneer, 0, 2);
    d.report(pioneer, 1, 30);  // a publisher that month
    d.at(pioneer).setByte(PublisherRecord::kGroupNumber, 2);
    d.report(elder, 0, 8);
    d.at(elder).setByte(PublisherRecord::kPrivileges, 2);
    d.report(custom, 0, 4);
    d.at(custom).setByte(PublisherRecord::kPrivileges, 0x10 | 3);

    EXPECT_DOUBLE_EQ(reportAverage(d.doc, {2, 0, 0}, 3, kHours), 60.0);
    EXPECT_DOUBLE_EQ(reportAverage(d.doc, {0, 0, 0}, 3, kHours), (30 + 8 + 4) / 3.0);
    EXPECT_DOUBLE_EQ(reportAverage(d.doc, {kAnyCategory, 2, 0}, 3, kHours), 45.0);
    EXPECT_DOUBLE_EQ(reportAverage(d.doc, {kAnyCategory, 0, 2}, 3, kHours), 8.0);
    EXPECT_DOUBLE_EQ(reportAverage(d.doc, {kAnyCategory, 0, 3}, 3, kHours), 6.0)
        << "an elder is a baptized brother too";
    EXPECT_DOUBLE_EQ(reportAverage(d.doc, {kAnyCategory, 0, 0x10}, 3, kHours), 4.0);
    EXPECT_DOUBLE_EQ(reportAverage(d.doc, {3, 0, 0}, 6, kHours), 0.0) << "no reports: 0";
}

TEST(ReportAverage, QuarterHoursOfAllReportsRoundThreeUp) {
    ReportDoc d({2025, 3, 10});
    const int a = d.add("A", "A");
    const int b = d.add("B", "B");
    d.report(a, 0, 2, 3);
    d.report(b, 0, 2, 0);  // 4 hours and 3 quarters: 5
    EXPECT_DOUBLE_EQ(reportAverage(d.doc, {}, 1, kHours), 2.5);
}

TEST(ReportAverage, JanuaryReachesBackIntoTheYearBefore) {
    ReportDoc d({2025, 2, 10});  // January 2025
    const int a = d.add("A", "A");
    setReport(d.at(a), 11, 0, 30);  // December 2024: slot 0
    setReport(d.at(a), 11, 1, 99);  // December of the report year's slot: stale
    setReport(d.at(a), 10, 0, 20);
    d.report(a, 0, 10);
    EXPECT_DOUBLE_EQ(reportAverage(d.doc, {}, 3, kHours), 20.0);
}

TEST(ReportAverage, ATableWithoutPeopleAveragesNothing) {
    ReportDoc d({2025, 3, 10});
    EXPECT_DOUBLE_EQ(reportAverage(d.doc, {}, 6, kHours), 0.0);
}

}  // namespace
}  // namespace zelvo::reports
