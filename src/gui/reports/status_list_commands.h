// The View menu's status lists: each command opens the status list dialog on its list.
#pragma once

namespace zelvo::gui {

class CMainFrame;

void installStatusListCommands(CMainFrame& frame);

}  // namespace zelvo::gui
