// The card dialog's command ("Αρχεία Ευαγγελιζομένων", also on the dashboard).
#pragma once

namespace zelvo::gui {

class CMainFrame;

void installRecordCardCommands(CMainFrame& frame);

}  // namespace zelvo::gui
