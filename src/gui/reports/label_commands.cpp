#include "gui/reports/label_commands.h"

#include <optional>

#include "gui/reports/first_label_dialog.h"
#include "gui/shell/main_window.h"
#include "gui/shell/zelvo_view.h"
#include "shell/command_ids.h"

namespace zelvo::gui {

void installLabelCommands(CMainFrame& frame) {
    frame.setCommandHandler(shell::CommandId::LabelsAll, [&frame] {
        const std::optional<int> first = chooseFirstLabel(&frame);
        if (!first) return;
        frame.view()->showLabels({*first, {}});
    });
}

}  // namespace zelvo::gui
