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

void showLabelsFrom(CMainFrame& frame, std::vector<int> rows) {
    const std::optional<int> first = chooseFirstLabel(&frame);
    if (!first) return;
    frame.view()->showLabels({*first, std::move(rows)});
}

}  // namespace

void installLabelCommands(CMainFrame& frame) {
    frame.setCommandHandler(shell::CommandId::LabelsAll, [&frame] { showLabelsFrom(frame, {}); });
    frame.setCommandHandler(shell::CommandId::LabelsChosen, [&frame] {
        const CZelvoDoc& doc = frame.document();
        const auto ids =
            choosePersons(&frame, doc, records::chooserSetup(records::ChooserPurpose::Labels));
        if (!ids) return;
        std::vector<int> rows;
        for (int id : *ids)
            if (const std::optional<int> row = doc.findById(id)) rows.push_back(*row);
        // No one chosen prints nothing: an empty job would mean every publisher.
        if (rows.empty()) return;
        showLabelsFrom(frame, std::move(rows));
    });
}

}  // namespace zelvo::gui
