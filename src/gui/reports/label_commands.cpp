#include "gui/reports/label_commands.h"

#include <optional>
#include <utility>
#include <vector>

#include "gui/records/person_chooser_dialog.h"
#include "gui/reports/first_label_dialog.h"
#include "gui/shell/main_window.h"
#include "gui/shell/zelvo_view.h"
#include "shell/command_ids.h"
#include "store/zelvo_doc.h"

namespace zelvo::gui {

namespace {

void showLabelsFrom(CMainFrame& frame, std::vector<int> ids) {
    const std::optional<int> first = chooseFirstLabel(&frame);
    if (!first) return;
    frame.view()->showLabels({*first, std::move(ids)});
}

}  // namespace

void installLabelCommands(CMainFrame& frame) {
    frame.setCommandHandler(shell::CommandId::LabelsAll, [&frame] { showLabelsFrom(frame, {}); });
    frame.setCommandHandler(shell::CommandId::LabelsChosen, [&frame] {
        const CZelvoDoc& doc = frame.document();
        const auto ids =
            choosePersons(&frame, doc, records::chooserSetup(records::ChooserPurpose::Labels));
        if (!ids) return;
        // No one chosen prints nothing: an empty job would mean every publisher.
        if (ids->empty()) return;
        showLabelsFrom(frame, *ids);
    });
}

}  // namespace zelvo::gui
