// The commands that edit the publisher records: the pickers and the details dialogs.
#pragma once

namespace zelvo::gui {

class CMainFrame;

void installRecordCommands(CMainFrame& frame);

}  // namespace zelvo::gui
