// The history editor: the year and month lists, every stored value of a month in both report
// forms, the late mark and its list, moving on, the totals mode and its commits.
#include <gtest/gtest.h>

#include "report_fixture.h"
#include "reporting/history_model.h"
#include "resources/strings.h"
#include "store/late_reports.h"

namespace zelvo {
namespace {

using reporting::HistoryField;
using reporting::HistoryModel;
using reporting::HistoryPreset;
using reporting::TotalsCategory;
using F = HistoryField;
using test::ReportDoc;

constexpr Date kApril2024{2024, 4, 2};  // report month March 2024, slot 0; 2023 in slot 1
constexpr Date kFeb2026{2026, 2, 2};    // report month January 2026

TEST(HistoryEditor, ListsTheMonthsBeforeTheReportMonthOverThreeYears) {
    ReportDoc d(kApril2024);
    d.add("Anna", "Alpha");
    ScriptedPrompts prompts;
    HistoryModel h(d.doc, prompts);
    EXPECT_EQ(h.yearTexts(), (std::vector<std::string>{"2022", "2023", "2024"}));
    // This year: January and February (March is the report form's); the latest is chosen.
    EXPECT_EQ(h.months(), (std::vector<int>{0, 1}));
    EXPECT_EQ(h.month(), 1);
    EXPECT_EQ(h.title(), "Anna Alpha - Φεβρουάριος 2024");
    h.chooseYear(1);
    EXPECT_EQ(h.months().size(), 12u);
    EXPECT_EQ(h.month(), 1);  // the month is kept when the year lists it
    EXPECT_EQ(h.slot(), 1);
    // Two years ago: the months after March, and March while its collection has not started.
    h.chooseYear(0);
    EXPECT_EQ(h.months().front(), 2);
    EXPECT_EQ(h.month(), 2);
    EXPECT_EQ(h.slot(), 0);
    d.doc.header().setCollectionState(2, 1);
    EXPECT_EQ(HistoryModel(d.doc, prompts).months(), (std::vector<int>{0, 1}));
    HistoryModel started(d.doc, prompts);
    started.chooseYear(0);
    EXPECT_EQ(started.months().front(), 3);

    // January as the report month: nothing of this year, so last year's December.
    ReportDoc j(kFeb2026);
    j.add("Anna", "Alpha");
    HistoryModel jan(j.doc, prompts);
    EXPECT_TRUE(jan.months().size() == 12u && jan.yearPosition() == 1 && jan.month() == 11);
    jan.chooseYear(2);
    EXPECT_EQ(jan.month(), -1);
    EXPECT_FALSE(jan.enabled(F::Hours));
}

TEST(HistoryEditor, TheOldFormEditsEveryCountAndTheUnderOneHourMark) {
    ReportDoc d(kApril2024);
    const int a = d.add("Anna", "Alpha");
    d.values(a, 10, 4, 2, 3);  // May 2023, a month later in the year than March: slot 1
    ScriptedPrompts prompts;
    HistoryModel h(d.doc, prompts);
    h.chooseYear(1);
    h.chooseMonth(4);
    ASSERT_FALSE(h.newForm());
    EXPECT_EQ(h.text(F::Placements), "4");
    EXPECT_EQ(h.enterOrder(), (std::vector<F>{F::Placements, F::Videos, F::Hours, F::ReturnVisits,
                                              F::Studies, F::Remark}));
    EXPECT_TRUE(h.visible(F::UnderOneHour));
    h.setTicked(F::UnderOneHour, true);
    EXPECT_FALSE(h.enabled(F::Hours));
    h.chooseMonth(5);  // saved into the copy, not yet into the document
    EXPECT_FALSE(d.at(a).tookPart(4, 1));
    h.chooseMonth(4);
    EXPECT_TRUE(h.ticked(F::UnderOneHour));
    h.setTicked(F::UnderOneHour, false);
    h.type(F::Hours, "12.5");  // hours clear the mark
    h.type(F::ReturnVisits, "70000");
    h.finish();
    const PublisherRecord& r = d.at(a);
    EXPECT_EQ(r.hours(4, 1), 12);
    EXPECT_EQ(r.quarters(4, 1), 2);
    EXPECT_FALSE(r.tookPart(4, 1));
    EXPECT_EQ(r.monthWord(MonthWord::ReturnVisits, 4, 1), 65535);
    EXPECT_EQ(r.monthWord(MonthWord::Placements, 4, 0), 0);  // the other slot untouched
    EXPECT_TRUE(d.doc.isModified());

    // The fraction as the field shows it once left: "12.0" is a quarter, never three.
    for (const auto& [typed, shown, quarters] :
         {std::tuple{"12.0", "12.25", 1}, {"12.6", "12.5", 2}, {"12.75", "12.75", 3}}) {
        HistoryModel g(d.doc, prompts);
        g.chooseYear(1);
        g.chooseMonth(4);
        g.type(F::Hours, typed);
        g.finish();
        EXPECT_EQ(d.at(a).quarters(4, 1), quarters) << typed;
        g.leaveHours();
        EXPECT_EQ(g.text(F::Hours), shown);
    }
}

TEST(HistoryEditor, TheNewFormShowsTheReportFormsFieldsAndThePioneerTicks) {
    ReportDoc d(kApril2024);
    const int a = d.add("Anna", "Alpha");
    d.report(a, 4, 0, 0, 3, false);  // November 2023: studies without the mark
    ScriptedPrompts prompts;
    HistoryModel h(d.doc, prompts);
    h.chooseYear(1);
    h.chooseMonth(10);
    ASSERT_TRUE(h.newForm());
    EXPECT_EQ(h.enterOrder(), (std::vector<F>{F::Participated, F::Remark}));
    h.finish();  // nothing typed: the month stays as it was
    EXPECT_FALSE(d.doc.isModified());
    EXPECT_FALSE(d.at(a).tookPart(10, 1));

    h.setTicked(F::Participated, true);
    EXPECT_TRUE(h.visible(F::Studies));
    EXPECT_FALSE(h.visible(F::Hours));
    h.setTicked(F::Auxiliary, true);
    h.setTicked(F::Regular, true);  // clears the auxiliary tick, shows the credit
    EXPECT_FALSE(h.ticked(F::Auxiliary));
    EXPECT_TRUE(h.visible(F::Hours) && h.visible(F::Credit));
    EXPECT_EQ(h.creditLabel(), res::kHistoryCredit);
    h.type(F::Hours, "40");
    h.type(F::Credit, "15");
    h.leaveRemark("Ασθενής");
    h.finish();
    const PublisherRecord& r = d.at(a);
    EXPECT_EQ(r.pioneerKind(10, 1), 2);
    EXPECT_EQ(r.hours(10, 1), 40);
    EXPECT_EQ(r.monthWord(MonthWord::CreditHours, 10, 1), 15);
    EXPECT_TRUE(r.tookPart(10, 1));
    EXPECT_TRUE(d.doc.hasRemark(a, 10, 1));

    // Clearing the participated tick clears what it shows.
    HistoryModel g(d.doc, prompts);
    g.chooseYear(1);
    g.chooseMonth(10);
    g.setTicked(F::Participated, false);
    g.finish();
    EXPECT_FALSE(d.doc.hasReport(a, 10, 1));
}

TEST(HistoryEditor, TheLateTickKeepsTheLateReportListInStep) {
    ReportDoc d(kApril2024);
    const int a = d.add("Anna", "Alpha");
    d.report(a, 2, 5);  // January 2024
    addLateReport(d.doc, a, 0);
    setLateReportMarks(d.doc);
    d.at(a).setMonthByte(MonthByte::CountedInMonth, 1, 0, 9);  // counted in another month
    ScriptedPrompts prompts;
    HistoryModel h(d.doc, prompts);
    EXPECT_FALSE(h.visible(F::Late));  // February: not counted late in March
    h.type(F::Hours, "3");
    h.chooseMonth(0);
    EXPECT_TRUE(h.visible(F::Late) && h.ticked(F::Late));
    h.setTicked(F::Late, false);
    h.finish();
    EXPECT_TRUE(d.doc.lateReports.empty());
    setLateReportMarks(d.doc);  // what the save writes
    EXPECT_EQ(d.at(a).monthByte(MonthByte::CountedInMonth, 0, 0), 0);
    EXPECT_EQ(d.at(a).monthByte(MonthByte::CountedInMonth, 1, 0), 9);

    HistoryModel g(d.doc, prompts);
    EXPECT_FALSE(g.visible(F::Late));
}

TEST(HistoryEditor, EnterMovesOnByMonthOrByPerson) {
    ReportDoc d(kApril2024);
    const int a = d.add("Anna", "Alpha");
    const int b = d.add("Beta", "Bravo");
    ScriptedPrompts prompts;
    HistoryModel h(d.doc, prompts);
    h.setTicked(F::MonthAdvance, true);
    h.moveOn();  // after the latest month comes the oldest
    EXPECT_TRUE(h.yearPosition() == 0 && h.month() == 2);
    h.chooseYear(1);
    h.chooseMonth(11);
    h.moveOn();
    EXPECT_TRUE(h.yearPosition() == 2 && h.month() == 0);

    h.setTicked(F::PersonAdvance, true);
    EXPECT_FALSE(h.ticked(F::MonthAdvance));
    h.type(F::Hours, "7");
    h.moveOn();
    EXPECT_EQ(d.at(a).hours(0, 0), 7);  // committed on leaving the person
    EXPECT_EQ(h.row(), b);
    h.moveOn();
    EXPECT_EQ(h.row(), a);

    // A preset person is shown alone, without the list.
    HistoryModel one(d.doc, prompts, HistoryPreset{b, false, {}});
    EXPECT_FALSE(one.visible(F::List) || one.visible(F::PersonAdvance));
    EXPECT_EQ(one.row(), b);
    // A student's months hold the conductor's name: nobody is edited.
    const int student = d.add("Gamma", "Gamma", kNonPublisher);
    d.at(student).setText(PublisherRecord::kConductor, "Anna Alpha");
    HistoryModel none(d.doc, prompts, HistoryPreset{student, false, {}});
    none.type(F::Hours, "5");
    none.finish();
    EXPECT_EQ(none.row(), 0);
    EXPECT_EQ(d.at(student).conductor(), "Anna Alpha");
}

TEST(HistoryEditor, AnInactivePersonsYearsCountFromTheYearOfBecomingInactive) {
    ReportDoc d(kApril2024);
    const int a = d.add("Anna", "Alpha", kInactive);
    d.at(a).setByte(PublisherRecord::kStatusFlags2, 21);           // 2021
    d.at(a).setByte(PublisherRecord::kStatusFlags, (6 + 1) << 4);  // July
    ScriptedPrompts prompts;
    HistoryModel h(d.doc, prompts, HistoryPreset{a, true, {}});
    EXPECT_EQ(h.yearTexts(), (std::vector<std::string>{"2019", "2020", "2021"}));
    EXPECT_TRUE(h.yearPosition() == 2 && h.month() == 6 && h.slot() == 1);
}

TEST(HistoryEditor, TheTotalsModeEditsTheCategoriesOfMonthTotals) {
    ReportDoc d(kApril2024);
    const int a = d.add("Anna", "Alpha");
    MonthTotals& t = d.doc.monthTotals;
    t.setValue(4, 2, 2, 1, 100);  // May 2023: regular pioneers 100 hours, special 60.5
    t.setValue(4, 3, 2, 1, 60);
    t.setValue(4, 3, 7, 1, 2);
    t.setValue(4, 2, 8, 1, 2);
    t.setValue(4, 3, 8, 1, 1);
    ScriptedPrompts prompts;
    HistoryModel h(d.doc, prompts);
    h.type(F::Hours, "9");  // the person's copy is committed on switching
    h.setTotalsMode(true);
    EXPECT_EQ(d.at(a).hours(1, 0), 9);
    EXPECT_FALSE(h.visible(F::Remark) || h.visible(F::Regular) || h.visible(F::MonthAdvance));
    EXPECT_EQ(h.listEntries().size(), 4u);
    h.chooseYear(1);
    h.chooseMonth(4);
    h.chooseListEntry(2);
    // Neither tick: the sum of both rows, not to be edited.
    EXPECT_EQ(h.text(F::Hours), "160.5");
    EXPECT_EQ(h.text(F::Credit), "3");
    EXPECT_FALSE(h.enabled(F::Hours));
    EXPECT_EQ(h.creditLabel(), "Τακτικοί και Ειδικοί Σκαπ...");
    h.setTicked(F::SpecialTotals, true);
    EXPECT_EQ(h.creditLabel(), res::kHistorySpecials);
    EXPECT_EQ(h.text(F::Hours), "60.5");
    h.type(F::Hours, "61.75");
    h.chooseListEntry(3);  // the active publishers: one number
    EXPECT_EQ(h.enterOrder(), (std::vector<F>{F::Credit}));
    h.type(F::Credit, "41");
    h.setTotalsMode(false);
    EXPECT_EQ(t.value(4, 3, 2, 1), 61);
    EXPECT_EQ(t.value(4, 3, 7, 1), 3);
    EXPECT_EQ(t.value(4, 2, 2, 1), 100);
    EXPECT_EQ(t.value(4, 0, 5, 1), 41);

    // Closing after changing nothing leaves the changed flag as it was.
    ReportDoc e(kApril2024);
    e.add("Anna", "Alpha");
    e.doc.monthTotals.setValue(1, 0, 7, 0, 9);  // more quarters than a field shows
    HistoryModel quiet(e.doc, prompts, HistoryPreset{0, false, TotalsCategory::Publishers});
    EXPECT_EQ(quiet.text(F::Hours), "2.25");
    quiet.chooseYear(1);
    quiet.finish();
    EXPECT_FALSE(e.doc.isModified());
    EXPECT_EQ(e.doc.monthTotals.value(1, 0, 7, 0), 9);
}

}  // namespace
}  // namespace zelvo
