// The command "Ιστορικό": the history editor on the active list's first person.
#pragma once

namespace zelvo::gui {

class CMainFrame;

void installHistoryCommands(CMainFrame& frame);

}  // namespace zelvo::gui
