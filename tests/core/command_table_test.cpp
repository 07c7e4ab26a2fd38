// The command table: its shape (ids, menus, toolbar, dashboard) and every enabling, check-mark
// and text rule at its boundaries.
#include "shell/command_table.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/zelvo_doc.h"
#include "test_folder.h"

namespace zelvo::shell {
namespace {

using Kind = MenuEntry::Kind;

const Command& command(int id) {
    const Command* c = findCommand(id);
    EXPECT_NE(c, nullptr) << id;
    static const Command none{};
    return c != nullptr ? *c : none;
}

// The rule alone, whether or not the command's feature exists yet.
bool rule(int id, const CommandState& s) {
    return ruleHolds(command(id).enable, s, id);
}

bool buttonRule(int id, const CommandState& s) {
    const DashboardButton* b = findDashboardButton(id);
    EXPECT_NE(b, nullptr) << id;
    return b != nullptr && ruleHolds(b->enable, s, b->command);
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

// --- shape of the table ---

TEST(CommandTable, IdsAreUniqueAndEveryMenuEntryNamesACommandOnce) {
    std::set<int> ids;
    for (const Command& c : commands()) EXPECT_TRUE(ids.insert(c.id).second) << c.id;

    std::map<int, int> inMenus;
    for (const MenuEntry& e : menuOutline())
        if (e.kind == Kind::Command) {
            EXPECT_NE(findCommand(e.command), nullptr) << e.command;
            ++inMenus[e.command];
        }
    for (const auto& [id, count] : inMenus) EXPECT_EQ(count, 1) << id;
    // Everything has a menu entry except the two the system gives none.
    for (const Command& c : commands()) {
        const bool menuless = c.id == cmd::kAutoCapitalizeToggle || c.id == cmd::kReturnToLiveData;
        EXPECT_EQ(inMenus.count(c.id) == 0, menuless) << c.id;
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
    std::vector<int> inside;
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
            inside.push_back(e.command);
        }
    }
    EXPECT_EQ(inside, (std::vector<int>{32895, 32896, 32897, 32898, 32899, 32900}));
}

TEST(CommandTable, ToolbarOrder) {
    const auto bar = toolbarLayout();
    EXPECT_EQ(std::vector<int>(bar.begin(), bar.end()),
              (std::vector<int>{32787, 0,     57603, 0, 57607, 57609, 0,     32769, 32777, 32778,
                                0,     32768, 32770, 0, 32773, 32774, 32782, 0,     57664, 57669}));
    for (int id : bar)
        if (id != kToolbarGap) {
            EXPECT_NE(findCommand(id), nullptr) << id;
        }
}

TEST(CommandTable, EveryDashboardButtonRunsACommand) {
    std::set<int> ids;
    for (const DashboardButton& b : dashboardButtons()) {
        EXPECT_TRUE(ids.insert(b.id).second) << b.id;
        EXPECT_NE(findCommand(b.command), nullptr) << b.id;
        EXPECT_LT(static_cast<std::size_t>(b.section), dashboardSections().size()) << b.id;
    }
    EXPECT_EQ(ids, (std::set<int>{106, 108, 109, 110, 111, 112, 113, 114, 115, 116, 117, 118,
                                  119, 120, 121, 122, 123, 124, 125, 126, 127, 128, 129}));
    EXPECT_EQ(findDashboardButton(108)->command, 32777);  // the same as Entry > Reports
    EXPECT_EQ(findDashboardButton(110)->command, cmd::kExit);
    EXPECT_EQ(findDashboardButton(129)->command, cmd::kReturnToLiveData);
}

TEST(CommandTable, TextsKeepTheirMnemonicsAndLiteralAmpersands) {
    EXPECT_EQ(command(32796).text, "Εκκλησίας");
    EXPECT_EQ(command(32807).text, "Εκκλησίας");
    EXPECT_EQ(command(32840).text, "Πρεσβυτέρων && Διακ. Υπηρετών");
    EXPECT_EQ(command(32829).text, "&Εξαγωγή Μηνιαίου Αρχείου");
    EXPECT_EQ(command(cmd::kSave).shortcut, "Ctrl+S");
    EXPECT_EQ(findDashboardButton(124)->label, "Αρχειο Ευαγγελιζομένου Εκκλησίας");
}

// --- what is built ---

TEST(CommandTable, OnlyBuiltFeaturesCanBeEnabled) {
    const std::set<int> built = {57603, 57665, 32786, 32850, 32883, 32895, 32896, 32897, 32898,
                                 32899, 32900, 129, 57664, 57666, 57667, 57669, 32787,
                                 // publishers and students
                                 32768, 32839,
                                 // the report view: printing, fonts, the branch-report kinds
                                 57606, 57607, 57609, 32788, 32789, 32790, 32791, 32803, 32813,
                                 32891, 32892, 32780, 32793, 32794};
    CommandState everything = livePeople();
    everything.viewMode = ViewMode::Report;
    everything.customCategoryEnabled = true;
    everything.lateReportsToDelete = true;
    everything.previousMask = 0x7E;
    for (const Command& c : commands()) {
        EXPECT_EQ(c.built, built.count(c.id) == 1) << c.id;
        if (!c.built) {
            EXPECT_FALSE(commandEnabled(c, everything)) << c.id;
        }
    }
    // Print and preview need a report on the screen; printer setup is always there.
    EXPECT_TRUE(commandEnabled(command(cmd::kPrint), everything));
    EXPECT_TRUE(commandEnabled(command(cmd::kPrintSetup), everything));
    everything.viewMode = ViewMode::Dashboard;
    EXPECT_FALSE(commandEnabled(command(cmd::kPrint), everything));
    EXPECT_FALSE(commandEnabled(command(cmd::kPrintPreview), everything));
    everything.viewMode = ViewMode::Report;
    EXPECT_TRUE(commandEnabled(command(cmd::kReturnToDashboard), everything));
    // A button is disabled while its command is not built, whatever the button's own rule.
    EXPECT_FALSE(buttonEnabled(*findDashboardButton(108), everything));
    EXPECT_TRUE(buttonEnabled(*findDashboardButton(110), everything));
}

// --- enabling rules ---

TEST(EnablingRules, Save) {
    CommandState s = livePeople();
    EXPECT_TRUE(rule(57603, s));
    s.modified = false;
    EXPECT_FALSE(rule(57603, s));
    EXPECT_FALSE(rule(57603, copyOpen()));  // modified, but a copy is never saved
}

TEST(EnablingRules, NeedPeopleAndLiveData) {
    for (int id : {32769, 32777, 32781, 32782, 32833}) {
        CommandState s = livePeople();
        EXPECT_TRUE(rule(id, s)) << id;
        s.recordCount = 1;  // the header row alone
        EXPECT_FALSE(rule(id, s)) << id;
        EXPECT_FALSE(rule(id, copyOpen())) << id;
    }
}

TEST(EnablingRules, NeedPeopleOnly) {
    for (int id : {32829, 32906}) {
        CommandState s = copyOpen();
        EXPECT_TRUE(rule(id, s)) << id;
        s.recordCount = 1;
        EXPECT_FALSE(rule(id, s)) << id;
    }
}

TEST(EnablingRules, DeletedList) {
    CommandState s = livePeople();
    EXPECT_TRUE(rule(32881, s));
    s.deletedCount = 0;
    EXPECT_FALSE(rule(32881, s));
    EXPECT_FALSE(rule(32881, copyOpen()));
}

TEST(EnablingRules, LiveDataOnly) {
    for (int id :
         {32768, 32770, 32778, 32786, 32839, 32863, 32864, 32878, 32887, 32911, 32912, 32834}) {
        CommandState s;  // no people, nothing modified
        EXPECT_TRUE(rule(id, s)) << id;
        s.monthCopyOpen = true;
        EXPECT_FALSE(rule(id, s)) << id;
    }
}

TEST(EnablingRules, CustomCategoryLateReportsAndAlways) {
    CommandState s;
    EXPECT_FALSE(rule(32835, s));
    EXPECT_FALSE(rule(32857, s));
    s.customCategoryEnabled = true;
    s.lateReportsToDelete = true;
    EXPECT_TRUE(rule(32835, s));
    EXPECT_TRUE(rule(32857, s));
    // Unlisted commands, the notice toggle among them, hold in a copy and with no people.
    for (int id : {32850, 32891, 32802, 57606, 57665, 57664})
        EXPECT_TRUE(rule(id, copyOpen())) << id;
}

TEST(EnablingRules, ReportCommandsNeedTheReportView) {
    for (int id : {57607, 57609, 32787}) {
        CommandState s = livePeople();
        EXPECT_FALSE(rule(id, s)) << id;  // the dashboard is already shown
        s.viewMode = ViewMode::Report;
        EXPECT_TRUE(rule(id, s)) << id;
    }
}

TEST(EnablingRules, PreviousReportsFollowTheirBit) {
    CommandState s;
    s.previousMask = (1 << 1) | (1 << 6);
    EXPECT_TRUE(rule(32895, s));
    EXPECT_FALSE(rule(32896, s));
    EXPECT_FALSE(rule(32899, s));
    EXPECT_TRUE(rule(32900, s));
    EXPECT_TRUE(previousReportsMenuShown(s));
    s.previousMask = 0;
    EXPECT_FALSE(rule(32895, s));
    EXPECT_FALSE(previousReportsMenuShown(s));
    s.previousMask = 1;  // bit 0 means no month
    EXPECT_FALSE(rule(32895, s));
}

TEST(EnablingRules, DashboardButtons) {
    for (int id : {108, 109, 112, 114, 118, 120, 121, 128}) {
        CommandState s;
        EXPECT_TRUE(buttonRule(id, s)) << id;  // even with no people
        EXPECT_FALSE(buttonRule(id, copyOpen())) << id;
    }
    for (int id : {106, 110, 111, 113, 115, 116, 117, 119, 122, 123, 124, 125, 126, 127}) {
        EXPECT_TRUE(buttonRule(id, CommandState{})) << id;
        EXPECT_TRUE(buttonRule(id, copyOpen())) << id;
    }
    const DashboardButton& back = *findDashboardButton(129);
    EXPECT_FALSE(buttonEnabled(back, livePeople()));
    EXPECT_FALSE(buttonVisible(back, livePeople()));
    EXPECT_TRUE(buttonEnabled(back, copyOpen()));
    EXPECT_TRUE(buttonVisible(back, copyOpen()));
    EXPECT_TRUE(buttonVisible(*findDashboardButton(108), copyOpen()));  // greyed, not hidden
}

// --- check marks and texts ---

TEST(CommandRules, CheckMarks) {
    CommandState s;
    EXPECT_FALSE(commandChecked(command(32850), s));
    EXPECT_FALSE(commandChecked(command(32834), s));
    s.noticeOff = true;
    EXPECT_TRUE(commandChecked(command(32850), s));
    EXPECT_FALSE(commandChecked(command(32834), s));
    s.customCategoryEnabled = true;
    EXPECT_TRUE(commandChecked(command(32834), s));
    EXPECT_FALSE(commandChecked(command(57603), s));
}

TEST(CommandRules, DynamicTexts) {
    CommandState s;
    s.liveReportMonth = 1;  // February
    s.reportMonth = 10;     // a copy's month plays no part
    EXPECT_EQ(commandText(command(32895), s), "Ιανουάριος");
    EXPECT_EQ(commandText(command(32896), s), "Δεκέμβριος");
    EXPECT_EQ(commandText(command(32900), s), "Αύγουστος");
    EXPECT_EQ(buttonText(*findDashboardButton(129), s), "Φεβρουάριος ->");
    EXPECT_EQ(buttonText(*findDashboardButton(108), s), "Καταχώρηση Δελτίων");

    EXPECT_EQ(commandText(command(32835), s), "Προσαρμοσμένο");
    s.customCategoryName = "Ομάδα Α";
    EXPECT_EQ(commandText(command(32835), s), "Προσαρμοσμένο");  // not in use
    s.customCategoryEnabled = true;
    for (int id : {32835, 32836, 32844}) EXPECT_EQ(commandText(command(id), s), "Ομάδα Α") << id;
    EXPECT_EQ(commandText(command(57603), s), "Αποθήκευση");
}

TEST(CommandRules, StatusTextsNameTheCommandAndWhatIsNotThereYet) {
    CommandState s = livePeople();
    EXPECT_EQ(commandStatusText(command(cmd::kSave), s), "Αποθήκευση") << "built, even disabled";
    EXPECT_EQ(commandStatusText(command(32829), s),
              "Εξαγωγή Μηνιαίου Αρχείου: δεν είναι ακόμη διαθέσιμο");
    EXPECT_EQ(commandStatusText(command(32840), s),
              "Πρεσβυτέρων & Διακ. Υπηρετών: δεν είναι "
              "ακόμη διαθέσιμο");
    s.customCategoryEnabled = true;
    s.customCategoryName = "Ομάδα Α";
    EXPECT_EQ(commandStatusText(command(32835), s), "Ομάδα Α: δεν είναι ακόμη διαθέσιμο");
    EXPECT_EQ(buttonStatusText(*findDashboardButton(116), s),
              "Στατιστικά: δεν είναι ακόμη διαθέσιμο");
    EXPECT_EQ(buttonStatusText(*findDashboardButton(113), s), "Ανάλυση Εκκλησίας");
    // Every command and button has something to say.
    for (const Command& c : commands()) EXPECT_FALSE(commandStatusText(c, s).empty()) << c.id;
    for (const DashboardButton& b : dashboardButtons())
        EXPECT_FALSE(buttonStatusText(b, s).empty()) << b.id;
    EXPECT_EQ(plainText("A && B &C&"), "A & B C&");
}

// --- the state taken from the data store ---

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

    doc.modified = 1;
    doc.calendar.viewingPrevious = 1;
    const CommandState copy = commandState(doc, ViewMode::Dashboard);
    EXPECT_TRUE(copy.modified);
    EXPECT_TRUE(copy.monthCopyOpen);
    EXPECT_FALSE(commandEnabled(command(57603), copy));
}

}  // namespace
}  // namespace zelvo::shell
