// The command table: the shape of menus, toolbar and dashboard, every enabling rule at its
// boundaries, check marks and texts, and the commands that show a report.
#include "shell/command_table.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "reports/report_kind.h"
#include "resources/strings.h"
#include "shell/report_commands.h"
#include "shell/report_file_name.h"
#include "store/cp1253.h"
#include "store/zelvo_doc.h"
#include "test_folder.h"

namespace zelvo::shell {
namespace {

using Kind = MenuEntry::Kind;
using C = CommandId;
using B = DashboardButtonId;
using R = EnableRule;

const Command& command(CommandId id) {
    const Command* c = findCommand(id);
    EXPECT_NE(c, nullptr) << idNumber(id);
    static const Command none{};
    return c != nullptr ? *c : none;
}

const DashboardButton& button(DashboardButtonId id) {
    const DashboardButton* b = findDashboardButton(id);
    EXPECT_NE(b, nullptr) << idNumber(id);
    static const DashboardButton none{};
    return b != nullptr ? *b : none;
}

// The rule alone, whether or not the command's feature exists yet.
bool rule(CommandId id, const CommandState& s) {
    return ruleHolds(command(id).enable, s, id);
}

bool holds(EnableRule r, const CommandState& s) {
    return ruleHolds(r, s, C::Save);
}

// A state in which every rule that depends on data holds.
CommandState livePeople() {
    CommandState s;
    s.recordCount = 2;
    s.deletedCount = 1;
    s.modified = true;
    return s;
}

CommandState copyOpen() {
    CommandState s = livePeople();
    s.monthCopyOpen = true;
    return s;
}

// Every state the rules can tell apart, for "never" and "at some time" checks.
std::vector<CommandState> everyState() {
    std::vector<CommandState> states;
    for (const bool copy : {false, true})
        for (const int records : {1, 2})
            for (const bool report : {false, true}) {
                CommandState s;
                s.monthCopyOpen = copy;
                s.modified = true;
                s.recordCount = records;
                s.deletedCount = 1;
                s.viewMode = report ? ViewMode::Report : ViewMode::Dashboard;
                s.customCategoryEnabled = true;
                s.lateReportsToDelete = true;
                s.previousMask = 0x7E;
                states.push_back(s);
            }
    return states;
}

// --- shape of the table ---

TEST(CommandTable, IdsAreUniqueAndEveryMenuEntryNamesACommandOnce) {
    std::set<CommandId> ids;
    for (const Command& c : commands()) EXPECT_TRUE(ids.insert(c.id).second) << idNumber(c.id);

    std::map<CommandId, int> inMenus;
    for (const MenuEntry& e : menuOutline())
        if (e.kind == Kind::Command) {
            EXPECT_NE(findCommand(e.command), nullptr) << idNumber(e.command);
            ++inMenus[e.command];
        }
    for (const auto& [id, count] : inMenus) EXPECT_EQ(count, 1) << idNumber(id);
    // Everything has a menu entry except the two that never had one.
    for (const Command& c : commands()) {
        const bool menuless = c.id == C::ToggleAutoCapitalize || c.id == C::ReturnToLiveData;
        EXPECT_EQ(inMenus.count(c.id) == 0, menuless) << idNumber(c.id);
    }
}

TEST(CommandTable, OutlineIsWellFormed) {
    const auto outline = menuOutline();
    ASSERT_FALSE(outline.empty());
    EXPECT_EQ(outline.front().kind, Kind::Menu);
    int depth = 0;
    std::set<std::string_view> names;
    std::vector<std::string_view> topMenus;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const MenuEntry& e = outline[i];
        if (i > 0) {
            EXPECT_LE(e.depth, depth + (outline[i - 1].kind == Kind::Menu ? 1 : 0)) << i;
        }
        if (e.kind == Kind::Menu) {
            EXPECT_FALSE(e.text.empty()) << i;
            EXPECT_TRUE(names.insert(e.name).second) << e.name;
            if (e.depth == 0) topMenus.push_back(e.text);
            // A menu is never empty.
            ASSERT_LT(i + 1, outline.size());
            EXPECT_EQ(outline[i + 1].depth, e.depth + 1) << e.name;
        } else {
            EXPECT_GE(e.depth, 1) << i;
        }
        depth = e.depth;
    }
    EXPECT_EQ(topMenus,
              (std::vector<std::string_view>{"&Αρχείο", "&Επεξεργασία", "Καταχώρηση", "Προβολή",
                                             "Εκθέσεις", "Γραμματοσειρές", "Επιλογές", "Βοήθεια"}));
}

TEST(CommandTable, PreviousReportsSubmenuIsAtPosition5OfTheSeventhMenu) {
    int menu = -1;
    int position = -1;
    std::vector<int> monthsBack;
    bool inPrevious = false;
    for (const MenuEntry& e : menuOutline()) {
        if (e.depth == 0) {
            ++menu;
            position = -1;
            continue;
        }
        if (e.depth == 1) {
            ++position;
            inPrevious = e.kind == Kind::Menu && e.name == kPreviousReportsMenuName;
            if (inPrevious) {
                EXPECT_EQ(menu, 6);
                EXPECT_EQ(position, 5);
                EXPECT_EQ(e.text, res::kPreviousReportsMenu);
            }
        } else if (inPrevious) {
            monthsBack.push_back(monthsBackOf(e.command));
        }
    }
    EXPECT_EQ(monthsBack, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(monthsBackOf(C::Save), 0);
}

TEST(CommandTable, ToolbarGroupsAreSeparatedBySingleGaps) {
    const auto bar = toolbarLayout();
    ASSERT_FALSE(bar.empty());
    EXPECT_TRUE(bar.front().has_value());
    EXPECT_TRUE(bar.back().has_value());
    std::set<CommandId> seen;
    for (std::size_t i = 0; i < bar.size(); ++i) {
        if (!bar[i]) {
            EXPECT_TRUE(bar[i - 1].has_value()) << "two gaps at " << i;
            continue;
        }
        EXPECT_NE(findCommand(*bar[i]), nullptr) << i;
        EXPECT_TRUE(seen.insert(*bar[i]).second) << "twice: " << idNumber(*bar[i]);
    }
    EXPECT_EQ(bar.front(), C::ReturnToDashboard);
}

TEST(CommandTable, EveryDashboardButtonRunsACommand) {
    std::set<DashboardButtonId> ids;
    for (const DashboardButton& b : dashboardButtons()) {
        EXPECT_TRUE(ids.insert(b.id).second) << idNumber(b.id);
        EXPECT_NE(findCommand(b.command), nullptr) << idNumber(b.id);
        EXPECT_LT(static_cast<std::size_t>(b.section), dashboardSections().size())
            << idNumber(b.id);
    }
    EXPECT_EQ(button(B::Exit).command, C::Exit);
    EXPECT_EQ(button(B::ReturnToLiveData).command, C::ReturnToLiveData);
}

TEST(CommandTable, TextsKeepTheirMnemonicsAndLiteralAmpersands) {
    EXPECT_EQ(command(C::HoursEldersAndServants).text, "Πρεσβυτέρων && Διακ. Υπηρετών");
    EXPECT_EQ(command(C::ExportMonthFile).text, "&Εξαγωγή Μηνιαίου Αρχείου");
    EXPECT_EQ(command(C::Save).shortcut, "Ctrl+S");
    EXPECT_EQ(button(B::RecordCards).label, "Αρχείο Ευαγγελιζομένου Εκκλησίας");
}

// --- what is built ---

TEST(CommandTable, OnlyBuiltFeaturesCanBeEnabled) {
    const std::vector<CommandState> states = everyState();
    for (const Command& c : commands()) {
        bool enabledSometime = false;
        for (const CommandState& s : states) enabledSometime |= commandEnabled(c, s);
        EXPECT_EQ(enabledSometime, c.built) << idNumber(c.id);
    }
    // A button is disabled while its command is not built, whatever the button's own rule.
    for (const DashboardButton& b : dashboardButtons()) {
        bool enabledSometime = false;
        for (const CommandState& s : states) enabledSometime |= buttonEnabled(b, s);
        EXPECT_EQ(enabledSometime, command(b.command).built) << idNumber(b.id);
    }
}

// --- enabling rules ---

TEST(EnablingRules, EachRuleAtItsBoundaries) {
    CommandState s;  // live data, the header row alone, nothing changed, the dashboard shown
    EXPECT_TRUE(holds(R::Always, s));
    EXPECT_TRUE(holds(R::Always, copyOpen()));
    EXPECT_TRUE(holds(R::LiveData, s));
    EXPECT_FALSE(holds(R::LiveData, copyOpen()));
    EXPECT_FALSE(holds(R::MonthCopyOpen, livePeople()));
    EXPECT_TRUE(holds(R::MonthCopyOpen, copyOpen()));

    EXPECT_FALSE(holds(R::SaveAllowed, s));
    EXPECT_TRUE(holds(R::SaveAllowed, livePeople()));
    EXPECT_FALSE(holds(R::SaveAllowed, copyOpen())) << "modified, but a copy is never saved";

    // One row is the header alone: no people.
    EXPECT_FALSE(holds(R::People, s));
    EXPECT_FALSE(holds(R::PeopleLive, s));
    s.recordCount = 2;
    EXPECT_TRUE(holds(R::People, s));
    EXPECT_TRUE(holds(R::PeopleLive, s));
    EXPECT_TRUE(holds(R::People, copyOpen()));
    EXPECT_FALSE(holds(R::PeopleLive, copyOpen()));

    EXPECT_FALSE(holds(R::DeletedLive, s));
    s.deletedCount = 1;
    EXPECT_TRUE(holds(R::DeletedLive, s));
    EXPECT_FALSE(holds(R::DeletedLive, copyOpen()));

    EXPECT_FALSE(holds(R::CustomCategory, s));
    EXPECT_FALSE(holds(R::LateReports, s));
    s.customCategoryEnabled = true;
    s.lateReportsToDelete = true;
    EXPECT_TRUE(holds(R::CustomCategory, s));
    EXPECT_TRUE(holds(R::LateReports, s));

    EXPECT_FALSE(holds(R::ReportShown, s));
    s.viewMode = ViewMode::Report;
    EXPECT_TRUE(holds(R::ReportShown, s));
}

TEST(EnablingRules, AMonthCopyIsNeverChanged) {
    for (const CommandId id :
         {C::Save, C::EditPublishers, C::EditStudents, C::EnterReports, C::EnterAttendance,
          C::ChangePassword, C::Restore, C::ImportXml, C::EditHistory, C::CustomCategory,
          C::ReportLayoutOptions, C::RecordCardOptions, C::EditCircuitOverseer}) {
        EXPECT_FALSE(rule(id, copyOpen())) << idNumber(id);
        EXPECT_TRUE(rule(id, livePeople())) << idNumber(id);
    }
    // Reading goes on: reports, fonts, the notice toggle, help and the way out.
    for (const CommandId id : {C::AnalysisByPioneersAndGroups, C::ToggleStartupNotice,
                               C::PrintSetup, C::Exit, C::About, C::ExportMonthFile})
        EXPECT_TRUE(rule(id, copyOpen())) << idNumber(id);
}

TEST(EnablingRules, PrintingAndTheWayBackNeedAReportOnTheScreen) {
    for (const CommandId id : {C::Print, C::PrintPreview, C::SaveAsPdf, C::ReturnToDashboard}) {
        CommandState s = livePeople();
        EXPECT_FALSE(rule(id, s)) << idNumber(id);  // the dashboard is already shown
        s.viewMode = ViewMode::Report;
        EXPECT_TRUE(rule(id, s)) << idNumber(id);
    }
    EXPECT_TRUE(rule(C::PrintSetup, livePeople()));
}

// The PDF is another way to paper: built, in the File menu among the printing commands.
TEST(CommandTable, SaveAsPdfSitsWithPrinting) {
    EXPECT_TRUE(command(C::SaveAsPdf).built);
    EXPECT_EQ(command(C::SaveAsPdf).enable, command(C::Print).enable);
    std::vector<CommandId> file;
    for (const MenuEntry& e : menuOutline()) {
        if (e.kind == Kind::Menu && e.depth == 0 && !file.empty()) break;
        if (e.kind == Kind::Command && e.depth == 1) file.push_back(e.command);
    }
    ASSERT_GE(file.size(), 4u);
    EXPECT_EQ(std::vector<CommandId>(file.begin(), file.begin() + 4),
              (std::vector<CommandId>{C::Print, C::PrintPreview, C::SaveAsPdf, C::PrintSetup}));
}

TEST(EnablingRules, PreviousReportsFollowTheirBit) {
    CommandState s;
    s.previousMask = (1 << 1) | (1 << 6);
    EXPECT_TRUE(rule(C::PreviousReport1, s));
    EXPECT_FALSE(rule(C::PreviousReport2, s));
    EXPECT_FALSE(rule(C::PreviousReport5, s));
    EXPECT_TRUE(rule(C::PreviousReport6, s));
    EXPECT_TRUE(previousReportsMenuShown(s));
    s.previousMask = 0;
    EXPECT_FALSE(rule(C::PreviousReport1, s));
    EXPECT_FALSE(previousReportsMenuShown(s));
    s.previousMask = 1;  // bit 0 means no month
    EXPECT_FALSE(rule(C::PreviousReport1, s));
}

TEST(EnablingRules, DashboardButtons) {
    // The dashboard has its own rules: report entry needs no people there, as the menu does.
    EXPECT_FALSE(rule(C::EnterReports, CommandState{}));
    EXPECT_TRUE(ruleHolds(button(B::EnterReports).enable, CommandState{}, C::EnterReports));
    for (const DashboardButton& b : dashboardButtons()) {
        const bool live = ruleHolds(b.enable, livePeople(), b.command);
        const bool copy = ruleHolds(b.enable, copyOpen(), b.command);
        if (b.id == B::ReturnToLiveData) {
            EXPECT_FALSE(live);
            EXPECT_TRUE(copy);
        } else {
            // Editing buttons grey in a month copy; the others always hold.
            EXPECT_TRUE(live) << idNumber(b.id);
            EXPECT_EQ(copy, b.enable == R::Always) << idNumber(b.id);
            EXPECT_TRUE(buttonVisible(b, copyOpen())) << "greyed, not hidden";
        }
    }
    const DashboardButton& back = button(B::ReturnToLiveData);
    EXPECT_FALSE(buttonEnabled(back, livePeople()));
    EXPECT_FALSE(buttonVisible(back, livePeople()));
    EXPECT_TRUE(buttonEnabled(back, copyOpen()));
    EXPECT_TRUE(buttonVisible(back, copyOpen()));
}

// --- check marks and texts ---

TEST(CommandRules, CheckMarks) {
    CommandState s;
    EXPECT_FALSE(commandChecked(command(C::ToggleStartupNotice), s));
    EXPECT_FALSE(commandChecked(command(C::CustomCategory), s));
    s.noticeOff = true;
    EXPECT_TRUE(commandChecked(command(C::ToggleStartupNotice), s));
    EXPECT_FALSE(commandChecked(command(C::CustomCategory), s));
    s.customCategoryEnabled = true;
    EXPECT_TRUE(commandChecked(command(C::CustomCategory), s));
    EXPECT_FALSE(commandChecked(command(C::Save), s));
}

TEST(CommandRules, DynamicTexts) {
    CommandState s;
    s.liveReportMonth = 1;  // February
    s.reportMonth = 10;     // a copy's month plays no part
    EXPECT_EQ(commandText(command(C::PreviousReport1), s), "Ιανουάριος");
    EXPECT_EQ(commandText(command(C::PreviousReport2), s), "Δεκέμβριος");
    EXPECT_EQ(commandText(command(C::PreviousReport6), s), "Αύγουστος");
    EXPECT_EQ(buttonText(button(B::ReturnToLiveData), s), "Φεβρουάριος ->");
    EXPECT_EQ(buttonText(button(B::EnterReports), s), "Καταχώρηση Δελτίων");

    EXPECT_EQ(commandText(command(C::ListCustomCategory), s), "Προσαρμοσμένο");
    s.customCategoryName = "Ομάδα Α";
    EXPECT_EQ(commandText(command(C::ListCustomCategory), s), "Προσαρμοσμένο");  // not in use
    s.customCategoryEnabled = true;
    for (const CommandId id :
         {C::ListCustomCategory, C::AveragesCustomCategory, C::HoursCustomCategory})
        EXPECT_EQ(commandText(command(id), s), "Ομάδα Α") << idNumber(id);
    EXPECT_EQ(commandText(command(C::Save), s), "Αποθήκευση");
}

TEST(CommandRules, StatusTextsNameTheCommandAndWhatIsNotThereYet) {
    CommandState s = livePeople();
    EXPECT_EQ(commandStatusText(command(C::Save), s), "Αποθήκευση") << "built, even disabled";
    EXPECT_EQ(commandStatusText(command(C::ExportMonthFile), s),
              "Εξαγωγή Μηνιαίου Αρχείου: δεν είναι ακόμη διαθέσιμο");
    EXPECT_EQ(commandStatusText(command(C::PhonesEldersAndServants), s),
              "Πρεσβυτέρων & Διακ. Υπηρετών: δεν είναι "
              "ακόμη διαθέσιμο");
    s.customCategoryEnabled = true;
    s.customCategoryName = "Ομάδα Α";
    EXPECT_EQ(commandStatusText(command(C::ListCustomCategory), s), "Ομάδα Α");
    EXPECT_EQ(buttonStatusText(button(B::Statistics), s), "Στατιστικά: δεν είναι ακόμη διαθέσιμο");
    EXPECT_EQ(buttonStatusText(button(B::CongregationAnalysis), s), "Ανάλυση Εκκλησίας");
    // Every command and button has something to say.
    for (const Command& c : commands())
        EXPECT_FALSE(commandStatusText(c, s).empty()) << idNumber(c.id);
    for (const DashboardButton& b : dashboardButtons())
        EXPECT_FALSE(buttonStatusText(b, s).empty()) << idNumber(b.id);
    EXPECT_EQ(plainText("A && B &C&"), "A & B C&");
}

// --- the commands that show a report ---

TEST(ReportCommands, EveryKindIsShownByACommandOfTheMenus) {
    std::set<reports::ReportKind> shown;
    for (const ReportCommand& r : reportCommands()) {
        ASSERT_NE(findCommand(r.command), nullptr) << idNumber(r.command);
        EXPECT_NE(reports::findReportKind(r.kind), nullptr) << reports::kindNumber(r.kind);
        shown.insert(r.kind);
    }
    for (const reports::ReportKindInfo& k : reports::reportKinds())
        EXPECT_EQ(shown.count(k.kind), 1u) << reports::kindNumber(k.kind);
}

// A kind marked built whose command stays greyed could never be shown, and a command built
// before its kind would show nothing.
TEST(ReportCommands, ACommandIsBuiltExactlyWhenItsKindIs) {
    for (const ReportCommand& r : reportCommands()) {
        const reports::ReportKindInfo* kind = reports::findReportKind(r.kind);
        ASSERT_NE(kind, nullptr);
        EXPECT_EQ(command(r.command).built, kind->built) << idNumber(r.command);
    }
}

TEST(ReportCommands, KindsAndTitles) {
    using reports::ReportKind;
    EXPECT_EQ(reportKindOf(C::LabelsChosen), ReportKind::Labels);
    EXPECT_EQ(reportKindOf(C::LabelsAll), ReportKind::Labels);
    EXPECT_EQ(reportKindOf(C::ContactsInactiveGroup), ReportKind::ContactsInactive);
    EXPECT_EQ(reportKindOf(C::EmergencyForms), ReportKind::EmergencyForms) << "the first of two";
    EXPECT_EQ(reportKindOf(C::TitleFont), std::nullopt);
    EXPECT_EQ(reportKindTitle(ReportKind::HoursAuxiliaryPioneers), "Βοηθητικών Σκαπανέων");
    EXPECT_EQ(reportKindTitle(ReportKind::HoursEldersAndServants), "Πρεσβυτέρων & Διακ. Υπηρετών");
    EXPECT_EQ(reportKindTitle(ReportKind::EmergencyFormsSecond),
              "Φόρμες Επικοινωνίας Έκτακτης Ανάγκης");
    EXPECT_EQ(reportKindTitle(static_cast<ReportKind>(999)), "");
    EXPECT_EQ(reports::findReportKind(999), nullptr);
    EXPECT_EQ(reports::findReportKind(110)->kind, ReportKind::AnalysisAlphabetical);
}

// --- the state taken from the data store ---

// The file a report is saved to as PDF: its menu title, its groups, the report month; a title
// character no file name may hold becomes "-".
TEST(ReportCommands, PdfFileNames) {
    using reports::ReportKind;
    EXPECT_EQ(reportPdfName(ReportKind::AnalysisByPioneersAndGroups, {}, 10, 26),
              "Σκαπανείς - Όμιλοι Νοέμβριος 2026.pdf");
    const int one[] = {3};
    EXPECT_EQ(reportPdfName(ReportKind::GroupAnalysis, one, 0, 27),
              "Ανάλυση Ομίλου #3 Ιανουάριος 2027.pdf");
    const int all[] = {1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(reportPdfName(ReportKind::GroupAnalysis, all, 11, 26),
              "Ανάλυση Ομίλου #1-8 Δεκέμβριος 2026.pdf");
    const int none[] = {0};
    EXPECT_EQ(reportPdfName(ReportKind::CongregationTotals, none, 10, 26),
              "Σύνολα Εκκλησίας Νοέμβριος 2026.pdf");
    // "Πρεσβυτέρων && Διακ. Υπηρετών" keeps one ampersand and its dot; nothing is refused there.
    EXPECT_EQ(reportPdfName(ReportKind::YearTotalsEldersAndServants, {}, 8, 26),
              "Πρεσβυτέρων & Διακ. Υπηρετών Σεπτέμβριος 2026.pdf");
    for (const Command& c : commands()) {
        const std::optional<reports::ReportKind> kind = reportKindOf(c.id);
        if (!kind) continue;
        const std::string name = reportPdfName(*kind, {}, 10, 26);
        EXPECT_EQ(name.find_first_of("/\\:*?\"<>|"), std::string::npos) << name;
    }
}

TEST(CommandStateFromDoc, ReadsTheStore) {
    test::TestFolder folder;
    folder.write("zdat9.bin", test::tableFile({test::headerRow(), test::person(20, "Άννα", "Βέρα"),
                                               test::person(21, "Γιώργος", "Δέλτα", kDeleted)}));
    folder.writeText("zelvog.ini", cp1253::fromUtf8("[Προσαρμοσμένη Κατηγορία]\r\n"
                                                    "Ενεργοποιημένο=1\r\n"
                                                    "Προσαρμοσμένη Κατηγορία=Ομάδα Α\r\n"
                                                    "[Nag]\r\nΕνεργοποιημένο=1\r\n"));
    CZelvoDoc doc;
    ASSERT_TRUE(test::openDoc(doc, folder, Date{2025, 3, 10}).ok);
    const CommandState s = commandState(doc, ViewMode::Report);
    EXPECT_EQ(s.recordCount, 3);
    EXPECT_EQ(s.deletedCount, 1);
    EXPECT_FALSE(s.monthCopyOpen);
    EXPECT_FALSE(s.modified);
    EXPECT_EQ(s.viewMode, ViewMode::Report);
    EXPECT_TRUE(s.customCategoryEnabled);
    EXPECT_EQ(s.customCategoryName, "Ομάδα Α");
    EXPECT_TRUE(s.noticeOff);
    EXPECT_EQ(s.liveReportMonth, 1);
    EXPECT_EQ(s.previousMask, 0);

    doc.markModified();
    doc.calendar.viewingPrevious = 1;
    const CommandState copy = commandState(doc, ViewMode::Dashboard);
    EXPECT_TRUE(copy.modified);
    EXPECT_TRUE(copy.monthCopyOpen);
    EXPECT_FALSE(commandEnabled(command(C::Save), copy));
}

}  // namespace
}  // namespace zelvo::shell
