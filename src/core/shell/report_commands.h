// The commands that show a report, and the kind each one shows. The report kinds know nothing
// of the menus; their titles are the menu texts of the commands that show them.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "reports/report_kind.h"
#include "shell/command_ids.h"

namespace zelvo::shell {

struct ReportCommand {
    CommandId command;
    reports::ReportKind kind;
};

std::span<const ReportCommand> reportCommands();
// The kind a command shows (the emergency-forms command opens on the first of its two), none for
// a command that shows no report.
std::optional<reports::ReportKind> reportKindOf(CommandId command);
// The menu text of the first command that shows the kind, without its mnemonic marks; empty for a
// kind no command shows.
std::string reportKindTitle(reports::ReportKind kind);

}  // namespace zelvo::shell
