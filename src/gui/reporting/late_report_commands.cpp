#include "gui/reporting/late_report_commands.h"

#include "gui/shell/main_window.h"
#include "gui/shell/zelvo_view.h"
#include "reporting/late_report_deletion.h"
#include "shell/command_ids.h"

namespace zelvo::gui {

void installLateReportCommands(CMainFrame& frame) {
    frame.setCommandHandler(shell::CommandId::DeleteLateReports, [&frame] {
        // A branch report on the screen no longer counts the late reports.
        if (reporting::deleteLateReports(frame.document(), frame.prompts())) frame.view()->redraw();
    });
}

}  // namespace zelvo::gui
