// The late-report list and the remark table as the report form uses them.
#include <gtest/gtest.h>

#include "report_fixture.h"
#include "resources/strings.h"
#include "store/late_reports.h"
#include "store/remark_table.h"

namespace zelvo {
namespace {

using test::ReportDoc;

// 2 July 2026: the report month is June 2026 (index 5, slot 0).
constexpr Date kJuly{2026, 7, 2};

TEST(LateReports, OneEntryPerPersonAndMonthAndNoMoreThan250) {
    ReportDoc d(kJuly);
    const int a = d.add("A", "One");
    const int b = d.add("B", "Two");
    addLateReport(d.doc, a, 4);
    addLateReport(d.doc, b, 4);
    addLateReport(d.doc, a, 3);
    addLateReport(d.doc, a, 4);  // replaces the first, now last
    ASSERT_EQ(d.doc.lateReports.size(), 3u);
    EXPECT_EQ(d.doc.lateReports[0].publisherId, d.at(b).id());
    EXPECT_EQ(d.doc.lateReports[2].publisherId, d.at(a).id());
    EXPECT_EQ(d.doc.lateReports[2].month, 4);
    EXPECT_EQ(d.doc.lateReports[2].countedIn, 6);
    EXPECT_TRUE(isLateReport(d.doc, a, 3));
    EXPECT_FALSE(isLateReport(d.doc, b, 3));
    EXPECT_EQ(lateReportCount(d.doc, a), 2);

    d.doc.lateReports.assign(249, LateReportEntry{9999, 1, 6});
    addLateReport(d.doc, b, 2);  // the 250th is kept
    addLateReport(d.doc, a, 2);  // beyond 250: not counted
    ASSERT_EQ(d.doc.lateReports.size(), 250u);
    EXPECT_FALSE(isLateReport(d.doc, a, 2));
    addLateReport(d.doc, b, 2);  // a replacement still goes in when the list is full
    EXPECT_EQ(d.doc.lateReports.size(), 250u);
    EXPECT_EQ(d.doc.lateReports.back().publisherId, d.at(b).id());
}

TEST(LateReports, HasDataLooksAtTheEntrysMonthInItsSlot) {
    ReportDoc d(kJuly);
    const int a = d.add("A", "One");
    const int b = d.add("B", "Two");
    addLateReport(d.doc, a, 7);  // August of the year before: the other slot
    addLateReport(d.doc, a, 4);
    EXPECT_EQ(lateReportHasData(d.doc, 0, a), 0);
    d.at(a).setMonthWord(MonthWord::StudiesAndFlags, 7, 1, 1u << 12);  // one quarter hour
    EXPECT_EQ(lateReportHasData(d.doc, 0, a), 8);
    EXPECT_EQ(lateReportHasData(d.doc, 0, b), 0);  // not b's entry
    d.at(a).setMonthWord(MonthWord::Videos, 4, 0, 1);
    EXPECT_EQ(lateReportHasData(d.doc, 1, a), 5);
    EXPECT_EQ(lateReportHasData(d.doc, 2, a), 0);  // no such entry
}

TEST(RemarkTable, NewRemarksUpTo3853AndTheFullTableSaysSo) {
    ReportDoc d(kJuly);
    const int a = d.add("A", "One");
    ScriptedPrompts prompts;
    RemarkSlot s = prepareRemark(d.doc, a, 5, 0, prompts);
    EXPECT_EQ(s.number, 1);
    EXPECT_EQ(s.text, "");
    ASSERT_TRUE(storeRemark(d.doc, a, 5, 0, s.number, std::string(50, 'x')));
    EXPECT_EQ(d.doc.remarks[1].remarkText(), std::string(43, 'x'));
    EXPECT_EQ(d.at(a).monthWord(MonthWord::RemarkIndex, 5, 0), 1);
    s = prepareRemark(d.doc, a, 5, 0, prompts);  // the existing one, changed in place
    EXPECT_EQ(s.number, 1);
    ASSERT_TRUE(storeRemark(d.doc, a, 5, 0, 1, "short"));
    EXPECT_EQ(d.doc.remarkCount(), 2);
    EXPECT_FALSE(storeRemark(d.doc, a, 4, 0, 3, "beyond"));
    EXPECT_FALSE(storeRemark(d.doc, a, 4, 0, 0, "header"));

    d.doc.remarks.resize(3853);
    s = prepareRemark(d.doc, a, 4, 0, prompts);
    EXPECT_EQ(s.number, 3853);
    ASSERT_TRUE(storeRemark(d.doc, a, 4, 0, s.number, "last"));
    EXPECT_EQ(d.doc.remarkCount(), 3854);
    EXPECT_TRUE(prompts.messages.empty());
    s = prepareRemark(d.doc, a, 3, 0, prompts);
    EXPECT_EQ(s.number, 0);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0], res::kNoRoomForRemarks);
    EXPECT_FALSE(storeRemark(d.doc, a, 3, 0, 3854, "refused"));
}

}  // namespace
}  // namespace zelvo
