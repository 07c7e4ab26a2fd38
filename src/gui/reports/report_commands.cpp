#include "gui/reports/report_commands.h"

#include <optional>

#include "gui/records/group_choosers.h"
#include "gui/shell/main_window.h"
#include "gui/shell/zelvo_view.h"
#include "reports/report_font.h"
#include "reports/report_kind.h"
#include "reports/view_state.h"
#include "shell/command_ids.h"
#include "shell/report_commands.h"
#include "store/zelvo_doc.h"

namespace zelvo::gui {

namespace {

using shell::CommandId;

struct FontCommand {
    CommandId command;
    reports::FontRole role;
};

constexpr FontCommand kFontCommands[] = {
    {CommandId::TitleFont, reports::FontRole::Title},
    {CommandId::SubtitleFont, reports::FontRole::Subtitle},
    {CommandId::HeadingFont, reports::FontRole::Heading},
    {CommandId::TextFont, reports::FontRole::Text},
    {CommandId::SmallTextFont, reports::FontRole::Small},
};

// The command's report kind, looked up when it runs: a kind lights up as soon as its routine is
// marked built.
void showReportOf(CMainFrame& frame, CommandId command) {
    const std::optional<reports::ReportKind> kind = shell::reportKindOf(command);
    const reports::ReportKindInfo* info = kind ? reports::findReportKind(*kind) : nullptr;
    if (info == nullptr || !info->built) return;
    const int number = reports::kindNumber(info->kind);
    CZelvoView& view = *frame.view();
    if (!info->groupVariant) {
        view.showReport(number);
        return;
    }
    CZelvoDoc& doc = frame.document();
    const int preset = view.reportGroup() > 0 ? view.reportGroup() : 1;
    // The group analysis offers to print every group, or the chosen one, at once.
    const bool printButtons = info->kind == reports::ReportKind::GroupAnalysis;
    const TaskGroupChoice choice = chooseTaskGroup(&frame, doc, preset, printButtons);
    switch (choice.action) {
        case TaskGroupChoice::Action::Cancelled:
            return;
        case TaskGroupChoice::Action::Chosen:
            if (reports::groupHasPublishers(doc, choice.group))
                view.showReport(number, choice.group);
            return;
        case TaskGroupChoice::Action::PrintOne:
            if (reports::groupHasPublishers(doc, choice.group))
                view.printGroups(number, {choice.group}, false);
            return;
        case TaskGroupChoice::Action::PrintAll:
            view.printGroups(
                number,
                reports::ViewState::groupsToPrint(true, choice.group, doc.groups.groupCount()),
                true);
            return;
    }
}

}  // namespace

void installReportCommands(CMainFrame& frame) {
    CZelvoView& view = *frame.view();
    view.attach(frame.document(), frame.prompts());

    for (const shell::ReportCommand& r : shell::reportCommands()) {
        const CommandId command = r.command;
        frame.setCommandHandler(command, [&frame, command] { showReportOf(frame, command); });
    }
    for (const FontCommand& f : kFontCommands) {
        const reports::FontRole role = f.role;
        frame.setCommandHandler(f.command, [&view, role] { view.chooseFont(role); });
    }
    frame.setCommandHandler(CommandId::DefaultFonts, [&view] { view.resetFonts(); });
    frame.setCommandHandler(CommandId::PrintSetup, [&view] { view.printerSetup(); });
    frame.setCommandHandler(CommandId::Print, [&view] { view.print(); });
    frame.setCommandHandler(CommandId::PrintPreview, [&view] { view.printPreview(); });
    frame.setCommandHandler(CommandId::SaveAsPdf, [&view] { view.saveAsPdf(); });
}

}  // namespace zelvo::gui
