// The labels commands: the first label position, then the labels report on the view.
#pragma once

namespace zelvo::gui {

class CMainFrame;

// Installed after the report commands: the labels ask their first position before showing.
void installLabelCommands(CMainFrame& frame);

}  // namespace zelvo::gui
