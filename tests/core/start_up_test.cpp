// Creating the document: the report month from today's date and the early-collection choice,
// the settings, the start-up notice, the tidy of old exports, and the password rules.
#include <gtest/gtest.h>

#include "resources/strings.h"
#include "store/calendar.h"
#include "store/cp1253.h"
#include "store/ini_file.h"
#include "store/password_check.h"
#include "store/settings.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"
#include "test_folder.h"

namespace zelvo {
namespace {

using test::TestFolder;

// ---------------------------------------------------------------- report month

struct MonthCase {
    Date today;
    int reportMonth, reportYear, absMonth, newForm, yearCode;
};

void PrintTo(const MonthCase& c, std::ostream* os) {
    *os << c.today.year << "-" << c.today.month << "-" << c.today.day;
}

class ReportMonthAtStart : public ::testing::TestWithParam<MonthCase> {};

TEST_P(ReportMonthAtStart, IsTheMonthBeforeToday) {
    const MonthCase c = GetParam();
    CalendarState cal;
    applyReportMonthAtStart(cal, c.today);
    deriveReportMonth(cal);
    EXPECT_EQ(cal.calYear, c.today.year);
    EXPECT_EQ(cal.calMonth, c.today.month);
    EXPECT_EQ(cal.calDay, c.today.day);
    EXPECT_EQ(cal.yearCode, c.yearCode);
    EXPECT_EQ(cal.reportAbsMonth, c.absMonth);
    EXPECT_EQ(cal.reportMonth, c.reportMonth);
    EXPECT_EQ(cal.liveReportMonth, c.reportMonth);
    EXPECT_EQ(cal.reportYear, c.reportYear);
    EXPECT_EQ(cal.liveReportYear, c.reportYear);
    EXPECT_EQ(cal.newReportForm, c.newForm);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, ReportMonthAtStart,
    ::testing::Values(MonthCase{{2025, 1, 3}, 11, 24, 299, 1, 25},
                      MonthCase{{2023, 10, 15}, 8, 23, 284, 0, 23},  // the last old-form month
                      MonthCase{{2023, 11, 15}, 9, 23, 285, 1, 23},  // the first new-form month
                      MonthCase{{2024, 3, 1}, 1, 24, 289, 1, 24},
                      MonthCase{{2024, 12, 24}, 10, 24, 298, 1, 24},
                      MonthCase{{2001, 1, 31}, 11, 0, 11, 0, 1}));

TEST(EarlyCollection, ChoosingItStartsTheCurrentMonthAndStoresTheNext) {
    struct Case {
        Date today;
        int newReportMonth, newReportYear, earlyYear, earlyMonth;
    };
    const Case cases[] = {
        {{2024, 12, 26}, 11, 24, 25, 1},
        {{2024, 11, 27}, 10, 24, 24, 12},
        {{2025, 1, 25}, 0, 25, 25, 2},
    };
    for (const Case& c : cases) {
        CalendarState cal;
        applyReportMonthAtStart(cal, c.today);
        deriveReportMonth(cal);
        chooseEarlyCollection(cal);
        EXPECT_EQ(cal.reportMonth, c.newReportMonth) << c.today.month;
        EXPECT_EQ(cal.reportYear, c.newReportYear);
        EXPECT_EQ(cal.earlyYear, c.earlyYear);
        EXPECT_EQ(cal.earlyMonth, c.earlyMonth);

        // Every later start before the 25th of the next month gives the same report month.
        CalendarState next;
        next.earlyYear = cal.earlyYear;
        next.earlyMonth = cal.earlyMonth;
        Date later = c.today;
        later.day = 30;
        applyReportMonthAtStart(next, later);
        deriveReportMonth(next);
        EXPECT_EQ(next.reportMonth, c.newReportMonth);
        EXPECT_EQ(next.reportYear, c.newReportYear);
    }
}

TEST(EarlyCollection, ClearedBeforeThe25thAndOnlyAppliedWhenAllowed) {
    CalendarState cal;
    cal.earlyYear = 25;
    cal.earlyMonth = 1;
    EXPECT_TRUE(applyReportMonthAtStart(cal, {2025, 1, 24}));
    EXPECT_EQ(cal.earlyYear, 0);
    EXPECT_EQ(cal.earlyMonth, 0);

    CalendarState none;
    EXPECT_FALSE(applyReportMonthAtStart(none, {2025, 1, 10})) << "nothing stored, nothing cleared";

    CalendarState notAllowed;
    notAllowed.earlyYear = 25;
    notAllowed.earlyMonth = 1;
    notAllowed.earlyAllowed = 0;
    applyReportMonthAtStart(notAllowed, {2024, 12, 27});
    deriveReportMonth(notAllowed);
    EXPECT_EQ(notAllowed.reportMonth, 10);
}

class StartUpTest : public ::testing::Test {
protected:
    CZelvoDoc doc;
    TestFolder folder;
    void start(Date today, LoadMode mode = LoadMode::Live) {
        doc.startUp(folder.str(), today, mode);
    }
    Settings storedSettings() const {
        return readSettings(IniFile::load(folder.file("zelvog.ini")), "greek");
    }
};

TEST_F(StartUpTest, ReportMonthOfTheDocument) {
    start({2025, 1, 3});
    EXPECT_EQ(doc.calendar.reportMonth, 11);
    EXPECT_EQ(doc.calendar.reportYear, 24);
    EXPECT_EQ(doc.calendar.reportAbsMonth, 299);
    EXPECT_EQ(doc.calendar.liveReportMonth, 11);
    EXPECT_EQ(doc.calendar.lastOldFormMonth, 284);
    EXPECT_EQ(doc.calendar.viewingPrevious, 0);
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.dataFolder, folder.str());
    EXPECT_EQ(doc.languageWord, "greek");
}

TEST_F(StartUpTest, StoredEarlyChoiceHoldsUntilThe24thOfTheNextMonth) {
    folder.writeText("zelvog.ini", "[Early]\r\nYear=25\r\nMonth=1\r\n");
    const std::string stored = folder.readText("zelvog.ini");
    for (Date d : {Date{2024, 12, 27}, Date{2024, 12, 31}}) {
        start(d);
        EXPECT_EQ(doc.calendar.reportMonth, 11) << d.day;
        EXPECT_EQ(doc.calendar.reportYear, 24);
        EXPECT_EQ(folder.readText("zelvog.ini"), stored);
    }
    // Before the 25th the choice is cleared; a read-only start leaves the file as it is.
    start({2025, 1, 10}, LoadMode::ReadOnly);
    EXPECT_EQ(doc.calendar.reportMonth, 11);
    EXPECT_EQ(doc.settings.earlyYear, 0);
    EXPECT_EQ(folder.readText("zelvog.ini"), stored);
    // A live start writes the cleared choice once the load is through the password gate.
    start({2025, 1, 10});
    EXPECT_EQ(doc.calendar.reportMonth, 11);
    EXPECT_EQ(folder.readText("zelvog.ini"), stored);
    ScriptedPrompts prompts;
    ASSERT_TRUE(doc.load(prompts, LoadMode::Live).ok);
    EXPECT_EQ(storedSettings().earlyYear, 0);
    EXPECT_EQ(storedSettings().earlyMonth, 0);
    // From the 25th only a choice stored again counts.
    start({2025, 1, 25});
    EXPECT_EQ(doc.calendar.reportMonth, 11);
    folder.writeText("zelvog.ini", "[Early]\r\nYear=25\r\nMonth=2\r\n");
    start({2025, 1, 26});
    EXPECT_EQ(doc.calendar.reportMonth, 0);
    EXPECT_EQ(doc.calendar.reportYear, 25);
}

TEST_F(StartUpTest, WithoutASettingsFileTheDefaults) {
    start({2025, 3, 10});
    EXPECT_EQ(doc.settings, Settings{});
    EXPECT_EQ(doc.settings.labelLeftMargin, 20);
    EXPECT_EQ(doc.settings.reportTopMargin, 50);
    EXPECT_EQ(doc.settings.autoCapitalize, 1);
    EXPECT_EQ(doc.settings.noticeOff, 0);
}

TEST_F(StartUpTest, DisplayConfigIsReadAtStart) {
    folder.write("zvxcfg.cfg", {1, 0, 0, 0, 0, 1, 0});
    start({2025, 3, 10});
    EXPECT_TRUE(doc.displayConfig.lastNameFirst());
    EXPECT_TRUE(doc.displayConfig.alternativeDate());
}

// ---------------------------------------------------------------- notice and exports

class RecordingPrompts : public ScriptedPrompts {
public:
    std::string notice;
    int exportDialogs = 0;
    void showStartupNotice(std::string_view text) override {
        ScriptedPrompts::showStartupNotice(text);
        notice = text;
    }
    std::vector<std::string> chooseExportsToDelete(const std::vector<std::string>& files) override {
        ++exportDialogs;
        return ScriptedPrompts::chooseExportsToDelete(files);
    }
};

TEST_F(StartUpTest, StartUpNoticeUnlessTurnedOff) {
    start({2025, 3, 10});
    RecordingPrompts prompts;
    doc.showStartupNotice(prompts);
    ASSERT_TRUE(prompts.noticeShown);
    const auto first = prompts.notice.find(res::kNoticeLine1);
    const auto second = prompts.notice.find(res::kNoticeLine2);
    const auto third = prompts.notice.find(res::kNoticeLine3);
    ASSERT_NE(first, std::string::npos);
    ASSERT_NE(second, std::string::npos);
    ASSERT_NE(third, std::string::npos);
    EXPECT_LT(first, second);
    EXPECT_LT(second, third);

    folder.writeText("zelvog.ini", cp1253::fromUtf8("[Nag]\r\nΕνεργοποιημένο=1\r\n"));
    start({2025, 3, 10});
    RecordingPrompts off;
    doc.showStartupNotice(off);
    EXPECT_FALSE(off.noticeShown);
}

class TidyExportsTest : public StartUpTest {
protected:
    void SetUp() override {
        for (const char* name :
             {"Ιανουάριος.csv", "Μάρτιος.csv", "Μάρτιος.rpt", "Μάιος.rpt", "other.csv",
              "publist.xml", "contact.tsv", "3rdparty.tsv", "cardhdr.tsv"})
            folder.writeText(name, "x");
        start({2025, 3, 10});
    }
};

TEST_F(TidyExportsTest, MonthExportsAreOfferedAndTheOthersDeleted) {
    RecordingPrompts prompts;
    prompts.deleteOfferedExports = true;
    doc.tidyExports(prompts);
    EXPECT_EQ(prompts.exportDialogs, 1);
    EXPECT_EQ(prompts.exportsOffered, (std::vector<std::string>{"Ιανουάριος.csv", "Μάρτιος.csv",
                                                                "Μάιος.rpt", "publist.xml"}));
    for (const char* gone : {"Ιανουάριος.csv", "Μάρτιος.csv", "Μάιος.rpt", "publist.xml",
                             "contact.tsv", "3rdparty.tsv", "cardhdr.tsv"})
        EXPECT_FALSE(folder.exists(gone)) << gone;
    EXPECT_TRUE(folder.exists("Μάρτιος.rpt")) << "only one file per month is offered";
    EXPECT_TRUE(folder.exists("other.csv"));
}

TEST_F(TidyExportsTest, KeepingTheMonthExportsStillDeletesTheRest) {
    RecordingPrompts prompts;
    doc.tidyExports(prompts);
    EXPECT_EQ(prompts.exportDialogs, 1);
    for (const char* kept : {"Ιανουάριος.csv", "Μάρτιος.csv", "Μάιος.rpt"})
        EXPECT_TRUE(folder.exists(kept)) << kept;
    for (const char* gone : {"publist.xml", "contact.tsv", "3rdparty.tsv", "cardhdr.tsv"})
        EXPECT_FALSE(folder.exists(gone)) << gone;
}

TEST_F(StartUpTest, NoMonthExportsNoQuestion) {
    folder.writeText("contact.tsv", "x");
    folder.writeText("publist.xml", "x");
    start({2025, 3, 10});
    RecordingPrompts prompts;
    doc.tidyExports(prompts);
    EXPECT_EQ(prompts.exportDialogs, 0);
    EXPECT_FALSE(folder.exists("contact.tsv"));
    EXPECT_FALSE(folder.exists("publist.xml"));
}

TEST_F(StartUpTest, AnExportThatCannotBeDeletedIsReported) {
    std::filesystem::create_directories(folder.file("contact.tsv") / "inside");
    start({2025, 3, 10});
    RecordingPrompts prompts;
    doc.tidyExports(prompts);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_NE(prompts.messages[0].find("contact.tsv"), std::string::npos);
}

// ---------------------------------------------------------------- password rules

TEST(PasswordRules, NoPasswordNoQuestion) {
    PasswordCheck check(" ", PasswordCheck::Gate::OpenData);
    EXPECT_FALSE(check.needed());
    EXPECT_EQ(check.outcome(), PasswordCheck::Outcome::Passed);
}

TEST(PasswordRules, PassesOnTheLastKeystroke) {
    PasswordCheck check("secret", PasswordCheck::Gate::OpenData);
    EXPECT_TRUE(check.needed());
    EXPECT_EQ(check.prompt(), res::kPasswordPrompt);
    const std::string typed = "secret";
    for (std::size_t n = 1; n < typed.size(); ++n)
        EXPECT_EQ(check.textChanged(typed.substr(0, n)), PasswordCheck::Outcome::Pending);
    EXPECT_EQ(check.textChanged(typed), PasswordCheck::Outcome::Passed);
}

TEST(PasswordRules, GreekPasswordsCompareInTheCodePage) {
    PasswordCheck check(cp1253::fromUtf8("κωδικός"), PasswordCheck::Gate::OpenData);
    EXPECT_EQ(check.textChanged("ΚΩΔΙΚΌΣ"), PasswordCheck::Outcome::Pending) << "case matters";
    EXPECT_EQ(check.textChanged("κωδικός"), PasswordCheck::Outcome::Passed);
}

TEST(PasswordRules, AFourteenthCharacterActsAsOk) {
    PasswordCheck check("secret", PasswordCheck::Gate::ChangePassword);
    EXPECT_EQ(check.prompt(), res::kPasswordPromptOld);
    EXPECT_EQ(check.textChanged("abcdefghijklm"), PasswordCheck::Outcome::Pending);
    EXPECT_FALSE(check.wrongOnce());
    EXPECT_EQ(check.textChanged("abcdefghijklmn"), PasswordCheck::Outcome::Pending);
    EXPECT_TRUE(check.wrongOnce());
    EXPECT_EQ(check.prompt(), res::kPasswordWrong);
    EXPECT_EQ(check.textChanged("abcdefghijklmno"), PasswordCheck::Outcome::Refused);
}

TEST(PasswordRules, AfterOneWrongOkTheNextChangeOrOkEndsIt) {
    struct Case {
        const char* next;
        bool isOk;
        PasswordCheck::Outcome outcome;
    };
    const Case cases[] = {
        {"secret", false, PasswordCheck::Outcome::Passed},
        {"wrongx", false, PasswordCheck::Outcome::Refused},
        {"secre", false, PasswordCheck::Outcome::Refused},
        {"wrong", true, PasswordCheck::Outcome::Refused},
        {"secret", true, PasswordCheck::Outcome::Passed},
    };
    for (const Case& c : cases) {
        PasswordCheck check("secret", PasswordCheck::Gate::OpenData);
        EXPECT_EQ(check.okPressed("wrong"), PasswordCheck::Outcome::Pending);
        EXPECT_EQ(check.prompt(), res::kPasswordWrong);
        const auto got = c.isOk ? check.okPressed(c.next) : check.textChanged(c.next);
        EXPECT_EQ(got, c.outcome) << c.next << (c.isOk ? " OK" : " typed");
        EXPECT_EQ(check.outcome(), c.outcome);
    }
}

TEST(PasswordRules, TheLastTryIsToldWithWhatItCostsAtEachGate) {
    using Gate = PasswordCheck::Gate;
    const std::pair<Gate, std::string_view> costs[] = {
        {Gate::OpenData, res::kPasswordLastTryEnds},
        {Gate::OpenMonthCopy, res::kPasswordLastTryCopy},
        {Gate::ChangePassword, res::kPasswordLastTryChange},
    };
    for (const auto& [gate, cost] : costs) {
        PasswordCheck check("secret", gate);
        EXPECT_FALSE(check.lastTry());
        check.okPressed("wrong");
        EXPECT_TRUE(check.lastTry());
        EXPECT_EQ(check.lastTryWarning(), res::format(res::kPasswordLastTry, cost));
        EXPECT_EQ(check.endMessage(), "") << "nothing ended yet";
        check.textChanged("wrongx");
        EXPECT_FALSE(check.lastTry());
        // Only the gate of the live data ends the program, and says so.
        EXPECT_EQ(check.endMessage(), gate == Gate::OpenData ? res::kPasswordProgramEnds : "");
    }
    PasswordCheck passed("secret", Gate::OpenData);
    passed.okPressed("wrong");
    passed.textChanged("secret");
    EXPECT_EQ(passed.endMessage(), "");
    PasswordCheck escaped("secret", Gate::OpenData);
    escaped.cancelled();
    EXPECT_EQ(escaped.endMessage(), res::kPasswordProgramEnds);
}

TEST(PasswordRules, ClosingTheDialogRefuses) {
    PasswordCheck check("secret", PasswordCheck::Gate::OpenData);
    check.textChanged("sec");
    EXPECT_EQ(check.cancelled(), PasswordCheck::Outcome::Refused);
    EXPECT_EQ(check.textChanged("secret"), PasswordCheck::Outcome::Refused) << "already ended";
}

}  // namespace
}  // namespace zelvo
