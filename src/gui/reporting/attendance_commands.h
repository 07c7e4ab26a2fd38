// The meeting attendance commands: Καταχώρηση > Παρόντες Συναθροίσεων (the entry), Προβολή >
// Παρόντες Συναθροίσεων (the record with its printed page) and the 24-month export.
#pragma once

namespace zelvo::gui {

class CMainFrame;

void installAttendanceCommands(CMainFrame& frame);

}  // namespace zelvo::gui
