#include "gui/reports/report_commands.h"

#include "gui/records/group_choosers.h"
#include "gui/shell/main_window.h"
#include "gui/shell/zelvo_view.h"
#include "reports/report_kind.h"
#include "reports/view_state.h"
#include "shell/command_table.h"
#include "store/zelvo_doc.h"

namespace zelvo::gui {

namespace {

constexpr int kResetFonts = 32813;
constexpr int kGroupAnalysis = 2;  // offers to print every group, or the chosen one, at once

// The command's report kind, looked up when it runs: a kind lights up as soon as its routine is
// marked built.
void showReportOf(CMainFrame& frame, int command) {
    const reports::ReportKindInfo* info = reports::reportKindOfCommand(command);
    if (info == nullptr || !info->built) return;
    CZelvoView& view = *frame.view();
    if (!info->groupVariant) {
        view.showReport(info->kind);
        return;
    }
    CZelvoDoc& doc = frame.document();
    const int preset = view.reportGroup() > 0 ? view.reportGroup() : 1;
    const bool printButtons = info->kind == kGroupAnalysis;
    const TaskGroupChoice choice = chooseTaskGroup(&frame, doc, preset, printButtons);
    switch (choice.action) {
        case TaskGroupChoice::Action::Cancelled:
            return;
        case TaskGroupChoice::Action::Chosen:
            if (reports::groupHasPublishers(doc, choice.group))
                view.showReport(info->kind, choice.group);
            return;
        case TaskGroupChoice::Action::PrintOne:
            if (reports::groupHasPublishers(doc, choice.group))
                view.printGroups(info->kind, {choice.group}, false);
            return;
        case TaskGroupChoice::Action::PrintAll:
            view.printGroups(
                info->kind,
                reports::ViewState::groupsToPrint(true, choice.group, doc.groups.groupCount()),
                true);
            return;
    }
}

}  // namespace

void installReportCommands(CMainFrame& frame) {
    CZelvoView& view = *frame.view();
    view.attach(frame.document(), frame.prompts());

    for (const reports::ReportKindInfo& info : reports::reportKinds()) {
        for (int command : {info.command, info.altCommand}) {
            if (command == 0) continue;
            frame.setCommandHandler(command, [&frame, command] { showReportOf(frame, command); });
        }
    }
    for (int i = 0; i < reports::kReportFontCount; ++i) {
        const auto role = static_cast<reports::FontRole>(i);
        frame.setCommandHandler(reports::fontCommand(role),
                                [&view, role] { view.chooseFont(role); });
    }
    frame.setCommandHandler(kResetFonts, [&view] { view.resetFonts(); });
    frame.setCommandHandler(shell::cmd::kPrintSetup, [&view] { view.printerSetup(); });
    frame.setCommandHandler(shell::cmd::kPrint, [&view] { view.print(); });
    frame.setCommandHandler(shell::cmd::kPrintPreview, [&view] { view.printPreview(); });
}

}  // namespace zelvo::gui
