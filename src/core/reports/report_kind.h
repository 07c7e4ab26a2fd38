// The report kinds of the view: each code, the command that shows it, the routine family that
// draws it and whether that routine exists yet. Titles come from the command table.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace zelvo::reports {

enum class ViewMode { Dashboard = 1, Report = 2 };

struct ReportKindInfo {
    int kind = 0;
    int command = 0;            // the command that shows it
    int altCommand = 0;         // a second command showing the same kind, 0 for none
    std::string_view routine;   // the drawing routine and its arguments
    bool groupVariant = false;  // asks for a group first
    bool built = false;
};

std::span<const ReportKindInfo> reportKinds();
const ReportKindInfo* findReportKind(int kind);
// The first kind a command shows (the emergency-form command shows two), null for others.
const ReportKindInfo* reportKindOfCommand(int command);

// The menu text of the kind's command without its mnemonic marks ("&&" stays one "&").
std::string reportKindTitle(int kind);

}  // namespace zelvo::reports
