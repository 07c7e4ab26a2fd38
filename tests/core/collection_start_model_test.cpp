// The collection start dialog's rules at their days, and the command Δελτία Έργου that applies
// its answer.
#include <gtest/gtest.h>

#include "report_fixture.h"
#include "reporting/collection_command.h"
#include "reporting/collection_start_model.h"
#include "resources/strings.h"
#include "store/data_files.h"
#include "store/ini_file.h"

namespace zelvo {
namespace {

using reporting::CollectionStartModel;
using Button = CollectionStartModel::Button;
using test::ReportDoc;

// A day of December 2026: the report month is November (index 10, year 26).
ReportDoc december(int day, std::array<std::uint8_t, 12> states = {}) {
    ReportDoc d({2026, 12, day});
    for (int m = 0; m < 12; ++m)
        d.doc.header().setCollectionState(m, states[static_cast<std::size_t>(m)]);
    return d;
}

std::string caption(std::string_view pattern, int month) {
    return res::format(pattern, res::monthNameAccusative(month));
}

TEST(CollectionStart, WhatTheDialogShowsByDay) {
    struct Case {
        int day;
        bool suggestion, previousMode, early, confirmsRestart;
    };
    // October (9) still open, November (10) not started.
    const Case cases[] = {
        {1, false, true, false, false}, {5, false, true, false, false},
        {6, false, true, false, true},  {7, false, true, false, true},
        {8, false, false, false, true}, {20, false, false, false, true},
        {21, true, false, false, true}, {24, true, false, false, true},
        {25, true, false, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("day " + std::to_string(c.day));
        std::array<std::uint8_t, 12> states{};
        states[9] = 1;
        const CollectionStartModel fresh(december(c.day, states).doc);
        EXPECT_EQ(fresh.suggestionVisible(), c.suggestion);
        EXPECT_EQ(fresh.previousMonthMode(), c.previousMode);
        EXPECT_EQ(fresh.continueVisible(), c.previousMode);
        EXPECT_EQ(fresh.earlyVisible(), c.early);
        EXPECT_EQ(fresh.initializeCaption(), caption(res::kInitializeCaption, 10));
        EXPECT_FALSE(fresh.confirmation(Button::Initialize));  // November was never started

        states[10] = 2;  // November closed: reopen, or restart with the question from day 6
        const CollectionStartModel closed(december(c.day, states).doc);
        EXPECT_TRUE(closed.continueVisible());
        EXPECT_FALSE(closed.previousMonthMode());
        EXPECT_EQ(closed.continueCaption(), caption(res::kReopenCaption, 10));
        EXPECT_EQ(closed.initializeCaption(), caption(res::kRestartCaption, 10));
        EXPECT_EQ(closed.confirmation(Button::Initialize).has_value(), c.confirmsRestart);
        if (c.confirmsRestart) {
            EXPECT_EQ(*closed.confirmation(Button::Initialize),
                      caption(res::kInitializeConfirm, 10));
        }
    }
}

TEST(CollectionStart, ButtonsAnswerTheirMonth) {
    std::array<std::uint8_t, 12> states{};
    states[9] = 1;
    states[11] = 2;  // December a year ago
    // Day 3, previous-month mode: continue October without initializing.
    auto r = CollectionStartModel(december(3, states).doc).press(Button::Continue);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->month, 9);
    EXPECT_EQ(r->year, 26);
    EXPECT_FALSE(r->initialize);
    EXPECT_EQ(r->states[9], 1);
    // Initialize November: the month after it is reset.
    r = CollectionStartModel(december(3, states).doc).press(Button::Initialize);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->month, 10);
    EXPECT_TRUE(r->initialize);
    EXPECT_EQ(r->states[10], 1);
    EXPECT_EQ(r->states[11], 0);
    EXPECT_FALSE(r->early);
    // Day 25: December early, asked first; the early choice names January 2027.
    const CollectionStartModel late(december(25, states).doc);
    EXPECT_EQ(late.earlyCaption(), caption(res::kInitializeCaption, 11));
    EXPECT_EQ(*late.confirmation(Button::EarlyNextMonth), caption(res::kInitializeConfirm, 11));
    r = late.press(Button::EarlyNextMonth);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->month, 11);
    EXPECT_EQ(r->year, 26);
    EXPECT_TRUE(r->early);
    EXPECT_EQ(r->earlyYear, 27);
    EXPECT_EQ(r->earlyMonth, 1);
    EXPECT_EQ(r->states[11], 1);
    EXPECT_EQ(r->states[0], 0);
    // Buttons the dialog does not show answer nothing.
    EXPECT_FALSE(CollectionStartModel(december(8, {}).doc).press(Button::Continue));
    EXPECT_FALSE(CollectionStartModel(december(24, {}).doc).press(Button::EarlyNextMonth));
}

TEST(CollectionStart, TheTurnOfTheYear) {
    // 4 February 2027, January (0) not started, December 2026 open: continue December of 2026.
    ReportDoc feb({2027, 2, 4});
    feb.doc.header().setCollectionState(11, 1);
    const auto r = CollectionStartModel(feb.doc).press(Button::Continue);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->month, 11);
    EXPECT_EQ(r->year, 26);
    // 26 January 2027, report month December 2026: early January 2027, choice February 2027.
    ReportDoc jan({2027, 1, 26});
    const auto early = CollectionStartModel(jan.doc).press(Button::EarlyNextMonth);
    ASSERT_TRUE(early);
    EXPECT_EQ(early->month, 0);
    EXPECT_EQ(early->year, 27);
    EXPECT_EQ(early->earlyYear, 27);
    EXPECT_EQ(early->earlyMonth, 2);
}

// ---------------------------------------------------------------- the command

struct CommandDoc : ReportDoc {
    test::TestFolder folder;
    ScriptedPrompts prompts;
    int shown = 0;
    explicit CommandDoc(Date today) : ReportDoc(today) { doc.dataFolder = folder.str(); }
    reporting::EnterReportsOutcome run(std::optional<Button> button, Date today) {
        return reporting::enterReports(
            doc, today, prompts,
            [&](const CollectionStartModel& m) -> std::optional<CollectionStartModel::Result> {
                ++shown;
                return button ? m.press(*button) : std::nullopt;
            });
    }
};

TEST(EnterReports, OpenGoesStraightToTheListAndCancelChangesNothing) {
    CommandDoc d({2026, 12, 10});
    d.doc.header().setCollectionState(10, 1);
    auto out = d.run(Button::Initialize, {2026, 12, 10});
    EXPECT_EQ(d.shown, 0);
    EXPECT_TRUE(out.listOpens);
    EXPECT_EQ(out.statusText, res::format(res::kStatusReportMonth, res::monthName(10)));

    d.doc.header().setCollectionState(10, 2);
    const auto before = d.doc.publishers;
    out = d.run(std::nullopt, {2026, 12, 10});
    EXPECT_TRUE(out.cancelled);
    EXPECT_EQ(d.doc.publishers, before);
    EXPECT_FALSE(d.doc.isModified());
}

TEST(EnterReports, ContinuingThePreviousMonthMakesItTheReportMonth) {
    CommandDoc d({2026, 12, 3});
    const int p = d.add("Late", "Reporter");
    d.doc.header().setCollectionState(9, 1);
    // A late report for August counted in October, kept in the row's mark.
    d.at(p).setMonthByte(MonthByte::CountedInMonth, 7, 0, 10);
    d.report(p, 3, 5);
    const auto out = d.run(Button::Continue, {2026, 12, 3});
    EXPECT_FALSE(out.initialized);
    EXPECT_TRUE(out.listOpens);
    EXPECT_EQ(d.doc.calendar.reportMonth, 9);
    EXPECT_EQ(d.doc.calendar.liveReportMonth, 9);
    ASSERT_EQ(d.doc.lateReports.size(), 1u);
    EXPECT_EQ(d.doc.lateReports[0].month, 7);
    EXPECT_EQ(out.statusText, res::format(res::kStatusReportMonth, res::monthName(9)));
}

TEST(EnterReports, EarlyNextMonthInitializesAndWritesTheChoice) {
    CommandDoc d({2026, 12, 26});
    const auto out = d.run(Button::EarlyNextMonth, {2026, 12, 26});
    ASSERT_TRUE(out.initialized);
    EXPECT_EQ(d.doc.calendar.reportMonth, 11);
    EXPECT_EQ(d.doc.header().collectionState(11), 1);
    const IniFile ini = IniFile::load(d.folder.file(files::kSettings));
    const Settings s = readSettings(ini, "greek");
    EXPECT_EQ(s.earlyYear, 27);
    EXPECT_EQ(s.earlyMonth, 1);
}

TEST(EnterReports, ARefusedInitializationKeepsTheMonth) {
    CommandDoc d({2027, 1, 3});  // report month December, previous-month mode off (Nov not open)
    d.folder.write(files::kMonthTotals, test::FileBytes(MonthTotals::kSize, 1));
    std::filesystem::create_directories(d.folder.file("Roll/Zv9_11/zcard.dat") / "inside");
    const auto out = d.run(Button::Initialize, {2027, 1, 3});
    EXPECT_TRUE(out.refused);
    EXPECT_FALSE(out.listOpens);
    ASSERT_EQ(d.prompts.messages.size(), 1u);
    EXPECT_EQ(d.doc.header().collectionState(11), 0);
    EXPECT_EQ(d.doc.calendar.reportMonth, 11);
    EXPECT_FALSE(d.doc.isModified());
}

}  // namespace
}  // namespace zelvo
