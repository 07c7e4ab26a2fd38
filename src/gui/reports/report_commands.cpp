#include "gui/reports/report_commands.h"

#include "gui/shell/main_window.h"

namespace zelvo::gui {

void installReportCommands(CMainFrame& frame) {
    (void)frame;
}

}  // namespace zelvo::gui
