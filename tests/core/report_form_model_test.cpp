// The report form: what each form shows, the hours fraction, the pioneer credit, the remark, the
// note and the commit with its late-report entry.
#include <gtest/gtest.h>

#include "report_fixture.h"
#include "reporting/late_report_deletion.h"
#include "reporting/report_form_model.h"
#include "resources/strings.h"
#include "store/branch_totals.h"
#include "store/cp1253.h"
#include "store/data_files.h"
#include "store/late_reports.h"

namespace zelvo {
namespace {

using reporting::FormField;
using reporting::ReportFormModel;
using test::ReportDoc;

constexpr Date kJuly2026{2026, 7, 2};  // report month June 2026: new report form, slot 0
constexpr Date kJuly2023{2023, 7, 2};  // report month June 2023: old report form
constexpr Date kFeb2024{2024, 2, 2};   // report month January 2024

TEST(ReportForm, TheNewFormShowsWhatTakingPartAndPioneeringAsk) {
    ReportDoc d(kJuly2026);
    const int pub = d.add("Anna", "Alpha");
    const int pio = d.add("Petros", "Pi");
    d.pioneer(pio, 0, 2);
    ScriptedPrompts prompts;

    ReportFormModel p(d.doc, pub, prompts);
    EXPECT_EQ(p.title(), "Anna Alpha");
    EXPECT_FALSE(p.participated());
    EXPECT_EQ(p.focusOrder(),
              (std::vector<FormField>{FormField::Participated, FormField::Auxiliary,
                                      FormField::RemarkButton, FormField::MonthButton,
                                      FormField::Ok, FormField::Cancel}));
    p.setParticipated(true);
    EXPECT_TRUE(p.visible(FormField::Studies));
    EXPECT_FALSE(p.visible(FormField::Hours));  // a publisher reports no hours
    EXPECT_FALSE(p.visible(FormField::Placements));
    p.setAuxiliary(true);
    EXPECT_TRUE(p.visible(FormField::Hours));

    ReportFormModel r(d.doc, pio, prompts);
    EXPECT_FALSE(r.visible(FormField::Auxiliary));
    EXPECT_EQ(r.pioneerLabel(), res::kRegularPioneerLabel);
    r.setParticipated(true);
    EXPECT_TRUE(r.visible(FormField::Hours));
}

TEST(ReportForm, TheOldFormShowsTheFiveCountsAndTheUnderOneHourTick) {
    ReportDoc d(kJuly2023);
    const int a = d.add("Anna", "Alpha");
    d.values(a, 0, 4, 2, 3);
    ScriptedPrompts prompts;
    ReportFormModel f(d.doc, a, prompts);
    ASSERT_FALSE(f.newForm());
    EXPECT_EQ(f.focusOrder().front(), FormField::Placements);
    EXPECT_EQ(f.text(FormField::Placements), "4");
    EXPECT_EQ(f.arrowTarget(FormField::Studies, true), FormField::Placements);
    EXPECT_EQ(f.arrowTarget(FormField::Placements, false), FormField::Studies);
    EXPECT_EQ(f.arrowTarget(FormField::Videos, true), FormField::Hours);
    EXPECT_TRUE(f.visible(FormField::ReturnVisits));
    EXPECT_TRUE(f.visible(FormField::UnderOneHour));  // hours 0
    f.setUnderOneHour(true);
    ASSERT_FALSE(f.accept());
    EXPECT_TRUE(d.doc.hasReport(a, 5, 1));

    // Hours typed later drop the under-one-hour mark; placements and return visits are kept.
    ReportFormModel g(d.doc, a, prompts);
    g.type(FormField::Hours, "3");
    EXPECT_FALSE(g.visible(FormField::UnderOneHour));
    g.type(FormField::ReturnVisits, "1024");
    const auto refusal = g.accept();
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->field, FormField::ReturnVisits);
    EXPECT_EQ(refusal->message, "Δώστε έναν ακέραιο από 0 έως 1023.");
    g.type(FormField::ReturnVisits, "1.5");
    EXPECT_EQ(g.accept()->message, res::kEnterInteger);
    g.type(FormField::ReturnVisits, "1023");
    ASSERT_FALSE(g.accept());
    EXPECT_FALSE(d.at(a).tookPart(5, 1));
    EXPECT_EQ(d.at(a).hours(5, 1), 3);
    EXPECT_EQ(d.at(a).monthWord(MonthWord::ReturnVisits, 5, 1), 1023);
    EXPECT_EQ(d.at(a).monthWord(MonthWord::Placements, 5, 1), 4);
}

TEST(ReportForm, TheHoursFractionIsShownAndStoredAsQuarters) {
    ReportDoc d(kJuly2026);
    const int a = d.add("Anna", "Alpha");
    d.pioneer(a, 0, 1);
    ScriptedPrompts prompts;
    ReportFormModel f(d.doc, a, prompts);
    f.setParticipated(true);
    for (const auto& [typed, shown] : {std::pair{"7.6", "7.5"},
                                       {"7.", "7.25"},
                                       {"7.3", "7.25"},
                                       {"7.9", "7.75"},
                                       {"7", "7"},
                                       {".5", "0.5"}}) {
        f.type(FormField::Hours, typed);
        f.leaveHours();
        EXPECT_EQ(f.text(FormField::Hours), shown) << typed;
    }
    f.type(FormField::Hours, "7.6");  // OK without leaving the field
    ASSERT_FALSE(f.accept());
    EXPECT_EQ(d.at(a).hours(5, 0), 7);
    EXPECT_EQ(d.at(a).quarters(5, 0), 2);
    computeBranchTotals(d.doc, false);
    EXPECT_EQ(d.doc.reportTotals[1][7], 2u);

    // Loaded quarters are shown and kept when the hours are not typed again.
    ReportFormModel g(d.doc, a, prompts);
    EXPECT_EQ(g.text(FormField::Hours), "7.5");
    g.type(FormField::Studies, "2");
    ASSERT_FALSE(g.accept());
    EXPECT_EQ(d.at(a).quarters(5, 0), 2);
    EXPECT_EQ(d.at(a).bibleStudies(5, 0), 2);
}

TEST(ReportForm, PioneerCreditFollowsTheRemark) {
    std::string remark = "10 x";
    EXPECT_EQ(reporting::pioneerCredit(0, 50, remark, 280), 5);  // limit 55
    remark = "10!";
    EXPECT_EQ(reporting::pioneerCredit(0, 50, remark, 280), 10);
    remark = "30*";
    EXPECT_EQ(reporting::pioneerCredit(0, 60, remark, 280), 30);
    remark = "300!";
    EXPECT_EQ(reporting::pioneerCredit(0, 10, remark, 280), 255);
    remark = "";
    EXPECT_EQ(reporting::pioneerCredit(12, 30, remark, 280), 12);
    EXPECT_EQ(remark, cp1253::fromUtf8("12 +Ώρες"));
    remark = "";
    EXPECT_EQ(reporting::pioneerCredit(12, 60, remark, 280), 0);  // above the cap
    EXPECT_EQ(remark, "");
}

TEST(ReportForm, TheCreditLimitTurnsWithTheLateMonthsOwnYear) {
    // Report month January 2024: February and March are of 2023, absolute months 277 and 278.
    ReportDoc d(kFeb2024);
    const int a = d.add("Petros", "Pi");
    for (const int back : {11, 10}) {
        d.pioneer(a, back, 2);
        d.report(a, back, 50);
    }
    ScriptedPrompts prompts;
    ReportFormModel f(d.doc, a, prompts);
    for (const auto& [month, credit] : {std::pair{1, 10}, {2, 5}}) {
        f.chooseMonth(month);
        EXPECT_EQ(f.absoluteMonth(), 276 + month);
        f.openRemark();
        f.leaveRemark("10 x");
        EXPECT_EQ(f.credit(), credit) << month;
        EXPECT_EQ(f.creditLabel(), "( + " + std::to_string(credit) + " Ώρες )");
    }
}

TEST(ReportForm, TakingPartDecidesTheFieldsAndTheReport) {
    ReportDoc d(kJuly2026);
    const int a = d.add("Anna", "Alpha");
    d.report(a, 0, 0, 0, 3, false);  // studies without hours or the mark
    ScriptedPrompts prompts;
    ReportFormModel f(d.doc, a, prompts);
    EXPECT_EQ(f.text(FormField::Studies), "0");
    f.setParticipated(true);
    f.type(FormField::Studies, "4");
    f.setParticipated(false);
    EXPECT_EQ(f.text(FormField::Studies), "0");
    f.setParticipated(true);
    ASSERT_FALSE(f.accept());
    EXPECT_TRUE(d.doc.hasReport(a, 5, 0));
    EXPECT_EQ(d.doc.lastEnteredId, d.at(a).id());
    EXPECT_TRUE(d.doc.isModified());
}

TEST(ReportForm, ALateReportOfTheYearBeforeIsCountedOnce) {
    // June 2026: August is of 2025, the other slot.
    ReportDoc d(kJuly2026);
    const int a = d.add("Anna", "Alpha");
    ScriptedPrompts prompts;
    for (int pass = 0; pass < 2; ++pass) {
        ReportFormModel f(d.doc, a, prompts);
        f.showMonthList();
        f.chooseMonth(7);
        f.closeMonthList();
        EXPECT_EQ(f.slot(), 1);
        EXPECT_TRUE(f.late());
        EXPECT_NE(f.note().find("ΘΑ ΠΕΡΙΛΗΦΘΟΥΝ στην έκθεση Ιουνίου"), std::string::npos);
        f.setParticipated(true);
        f.type(FormField::Studies, std::to_string(pass + 1));
        ASSERT_FALSE(f.accept());
        ASSERT_TRUE(f.committed());
    }
    EXPECT_EQ(d.doc.lateReports.size(), 1u);
    EXPECT_EQ(d.at(a).bibleStudies(7, 1), 2);
    computeBranchTotals(d.doc, false);
    EXPECT_EQ(d.doc.reportTotals[0][8], 1u);
    EXPECT_EQ(d.doc.reportTotals[0][4], 2u);
}

TEST(ReportForm, LateMonthsWithHoursAndSpecialPioneersAreNotCounted) {
    ReportDoc d(kJuly2026);
    const int a = d.add("Anna", "Alpha");
    const int s = d.add("Sofia", "Sigma");
    d.report(a, 2, 5);
    d.pioneer(a, 2, 1);
    d.pioneer(s, 0, 3);
    ScriptedPrompts prompts;

    ReportFormModel f(d.doc, a, prompts);
    f.chooseMonth(3);
    EXPECT_NE(f.note().find("ΔΕΝ ΘΑ ΠΕΡΙΛΗΦΘΟΥΝ"), std::string::npos);
    EXPECT_NE(f.note().find("-ΠΡΟΣΟΧΗ -"), std::string::npos);
    f.type(FormField::Hours, "6");
    ASSERT_FALSE(f.accept());
    EXPECT_EQ(d.at(a).hours(3, 0), 6);
    EXPECT_TRUE(d.doc.lateReports.empty());

    // A publisher reports no hours: a month already marked as taken part is counted already.
    d.report(a, 1, 0, 0, 0, true);
    ReportFormModel again(d.doc, a, prompts);
    again.chooseMonth(4);
    EXPECT_TRUE(again.excluded());
    again.type(FormField::Studies, "2");
    ASSERT_FALSE(again.accept());
    EXPECT_TRUE(d.doc.lateReports.empty());

    ReportFormModel g(d.doc, s, prompts);
    EXPECT_EQ(g.pioneerLabel(), res::kSpecialPioneerLabel);
    g.chooseMonth(2);
    EXPECT_NE(g.note().find(std::string(res::kSpecialPioneersLeftOut)), std::string::npos);
    g.setParticipated(true);
    g.type(FormField::Hours, "90");
    ASSERT_FALSE(g.accept());
    EXPECT_TRUE(d.doc.lateReports.empty());
}

TEST(ReportForm, AFullLateListKeepsTheReportButDoesNotCountIt) {
    ReportDoc d(kJuly2026);
    const int a = d.add("Anna", "Alpha");
    d.doc.lateReports.assign(CZelvoDoc::kMaxLateReports, LateReportEntry{9999, 1, 6});
    ScriptedPrompts prompts;
    ReportFormModel f(d.doc, a, prompts);
    f.chooseMonth(4);
    f.setParticipated(true);
    ASSERT_FALSE(f.accept());
    EXPECT_TRUE(d.at(a).tookPart(4, 0));
    EXPECT_FALSE(isLateReport(d.doc, a, 4));
}

TEST(ReportForm, RemarksAreNeverLost) {
    ReportDoc d(kJuly2026);
    const int a = d.add("Anna", "Alpha");
    const std::string longRemark(40, 'r');
    d.remark(a, longRemark);
    ScriptedPrompts prompts;

    // Unchanged, a remark longer than the form types is not cut.
    ReportFormModel f(d.doc, a, prompts);
    EXPECT_EQ(f.remarkMaxLength(), 40);
    f.openRemark();
    f.leaveRemark(f.remark());
    f.setParticipated(true);
    ASSERT_FALSE(f.accept());
    EXPECT_EQ(d.doc.remarks[1].remarkText(), longRemark);

    // In a full table an existing remark is still edited in place and stays linked.
    d.doc.remarks.resize(CZelvoDoc::kRemarkRefuseAt);
    ReportFormModel g(d.doc, a, prompts);
    g.openRemark();
    g.leaveRemark("edited");
    ASSERT_FALSE(g.accept());
    EXPECT_EQ(d.doc.remarks[1].remarkText(), "edited");
    EXPECT_EQ(d.at(a).monthWord(MonthWord::RemarkIndex, 5, 0), 1);

    // A typed remark keeps 36 characters.
    const int b = d.add("Vasilis", "Beta");
    d.doc.remarks.resize(10);
    ReportFormModel h(d.doc, b, prompts);
    h.openRemark();
    h.leaveRemark(std::string(50, 'x'));
    EXPECT_EQ(d.doc.remarks[10].remarkText(), std::string(36, 'x'));
    EXPECT_EQ(d.at(b).monthWord(MonthWord::RemarkIndex, 5, 0), 10);  // linked at once
}

TEST(LateReportDeletion, F11EnablesItAndOkEmptiesTheList) {
    ReportDoc d(kJuly2026);
    const int a = d.add("Anna", "Alpha");
    reporting::enableLateReportDeletion(d.doc);
    EXPECT_FALSE(d.doc.lateReportDeleteEnabled);  // nothing to delete
    addLateReport(d.doc, a, 3);
    reporting::enableLateReportDeletion(d.doc);
    EXPECT_TRUE(d.doc.lateReportDeleteEnabled);

    ScriptedPrompts prompts;
    prompts.answers = {Answer::Cancel, Answer::Yes};
    EXPECT_FALSE(reporting::deleteLateReports(d.doc, prompts));
    EXPECT_EQ(d.doc.lateReports.size(), 1u);
    EXPECT_TRUE(reporting::deleteLateReports(d.doc, prompts));
    EXPECT_TRUE(d.doc.lateReports.empty());
    EXPECT_FALSE(d.doc.lateReportDeleteEnabled);
    EXPECT_TRUE(d.doc.isModified());
    ASSERT_EQ(prompts.questions.size(), 2u);
    EXPECT_EQ(prompts.questions[0], "Πατήστε OK για διαγραφή 1 αναφοράς(ών)   ");
}

TEST(LateReports, ALateReportEightMonthsBackCountsTheSameAfterARestart) {
    test::TestFolder folder;
    folder.write(files::kPublishers,
                 test::tableFile({test::headerRow(), test::person(120, "Anna", "Alpha")}));
    CZelvoDoc doc;
    ASSERT_TRUE(test::openDoc(doc, folder, kJuly2026).ok);
    ScriptedPrompts prompts;
    {
        ReportFormModel f(doc, 1, prompts);
        f.chooseMonth(9);  // October 2025
        f.setParticipated(true);
        f.type(FormField::Studies, "3");
        ASSERT_FALSE(f.accept());
    }
    computeBranchTotals(doc, false);
    const ReportTotals before = doc.reportTotals;
    ASSERT_EQ(before[0][8], 1u);
    ASSERT_TRUE(doc.saveAll(prompts).ok);

    CZelvoDoc again;
    ASSERT_TRUE(test::openDoc(again, folder, kJuly2026).ok);
    computeBranchTotals(again, false);
    EXPECT_EQ(again.reportTotals, before);
    EXPECT_EQ(again.lateReports.size(), 1u);
}

}  // namespace
}  // namespace zelvo
