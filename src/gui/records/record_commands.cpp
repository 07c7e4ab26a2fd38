#include "gui/records/record_commands.h"

#include "gui/shell/main_window.h"

namespace zelvo::gui {

void installRecordCommands(CMainFrame& frame) {
    (void)frame;
}

}  // namespace zelvo::gui
