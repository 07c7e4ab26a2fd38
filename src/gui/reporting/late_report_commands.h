// The command "Διαγραφή Καθυστερημένων Εκθέσεων": enabled by F11 in the report view while late
// reports are listed, it asks its question and empties the list.
#pragma once

namespace zelvo::gui {

class CMainFrame;

void installLateReportCommands(CMainFrame& frame);

}  // namespace zelvo::gui
