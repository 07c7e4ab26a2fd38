// Every command of the main window in one table: its text, where it sits in the menus, the
// toolbar and the dashboard, when it is enabled or checked, and whether it does anything yet.
// Menus, toolbar and dashboard are all built from here, so no rule is written twice.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "shell/command_ids.h"
#include "shell/command_state.h"

namespace zelvo::shell {

enum class EnableRule {
    Always,
    LiveData,        // no month copy is open
    MonthCopyOpen,   // a month copy is open
    SaveAllowed,     // modified, and no month copy is open
    PeopleLive,      // at least one person, and no month copy is open
    People,          // at least one person
    DeletedLive,     // the deleted list is not empty, and no month copy is open
    CustomCategory,  // the custom category is in use
    LateReports,     // the late-report deletion has something to delete
    PreviousReport,  // the month copy of this command's month exists
    ReportShown,     // the view shows a report
};

enum class CheckRule { None, CustomCategoryEnabled, NoticeOff };

enum class TextRule {
    Fixed,
    CustomCategoryName,   // the custom category's name; the fixed text while it has none
    PreviousReportMonth,  // full name of the month this command reopens
    LiveMonthArrow,       // "%1 ->" with the live report month
};

struct Command {
    CommandId id{};
    std::string_view text;  // UTF-8, with its & mnemonic ("&&" is a literal ampersand)
    EnableRule enable = EnableRule::Always;
    bool built = false;  // false: shown but disabled until its feature exists
    CheckRule check = CheckRule::None;
    TextRule textRule = TextRule::Fixed;
    std::string_view shortcut = {};  // portable key text, e.g. "Ctrl+S"
};

// The menu bar as an outline: each entry one level deeper than the menu it belongs to.
struct MenuEntry {
    enum class Kind { Menu, Command, Separator };
    Kind kind = Kind::Command;
    int depth = 0;          // 0: a menu of the menu bar
    std::string_view text;  // menus only
    CommandId command{};    // commands only
    std::string_view name;  // menus only: a stable name for the widget
};

// A button of the dashboard and the command it runs. The dashboard has its own enabling rules.
struct DashboardButton {
    DashboardButtonId id{};
    std::string_view label;  // empty: the text comes from the command (return to live data)
    CommandId command{};
    EnableRule enable = EnableRule::Always;
    int section = 0;  // index into dashboardSections()
};

inline constexpr std::string_view kPreviousReportsMenuName = "menuPreviousReports";

std::span<const Command> commands();
const Command* findCommand(CommandId id);
std::span<const MenuEntry> menuOutline();
// The toolbar's commands in order; an empty entry is the gap between two groups.
std::span<const std::optional<CommandId>> toolbarLayout();
std::span<const DashboardButton> dashboardButtons();
std::span<const std::string_view> dashboardSections();  // titles; an empty one has none
const DashboardButton* findDashboardButton(DashboardButtonId id);

// 1-6 for the previous-reports commands, 0 for any other.
int monthsBackOf(CommandId id);

bool ruleHolds(EnableRule rule, const CommandState& state, CommandId id);
bool commandEnabled(const Command& command, const CommandState& state);
bool commandChecked(const Command& command, const CommandState& state);
std::string commandText(const Command& command, const CommandState& state);

// A menu text without its mnemonic marks ("&&" is one ampersand), for tool tips and the status
// line.
std::string plainText(std::string_view menuText);
// What the status line says while the pointer rests on a command, enabled or not: its text, and
// for a command whose feature is not built yet, that it is not available yet.
std::string commandStatusText(const Command& command, const CommandState& state);

bool buttonEnabled(const DashboardButton& button, const CommandState& state);
// Buttons whose rule ties them to the month copy are hidden rather than greyed.
bool buttonVisible(const DashboardButton& button, const CommandState& state);
std::string buttonText(const DashboardButton& button, const CommandState& state);
// The status line over a dashboard button: its text, and whether its command is built yet.
std::string buttonStatusText(const DashboardButton& button, const CommandState& state);

// The previous-reports submenu is left out when no month copy exists.
bool previousReportsMenuShown(const CommandState& state);

}  // namespace zelvo::shell
