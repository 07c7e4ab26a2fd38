#include "gui/reporting/history_commands.h"

#include "gui/reporting/history_dialog.h"
#include "gui/shell/main_window.h"
#include "gui/shell/zelvo_view.h"
#include "shell/command_ids.h"

namespace zelvo::gui {

void installHistoryCommands(CMainFrame& frame) {
    frame.setCommandHandler(shell::CommandId::EditHistory, [&frame] {
        openHistory(&frame, frame.document(), frame.prompts());
        // A report on the screen shows the corrected months.
        frame.view()->redraw();
    });
}

}  // namespace zelvo::gui
