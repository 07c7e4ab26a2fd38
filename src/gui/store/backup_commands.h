// The commands "Αντίγραφο Ασφαλείας" and "Επαναφορά", and the backup offered on exit when the
// last one is more than a month old.
#pragma once

namespace zelvo::gui {

class CMainFrame;

void installBackupCommands(CMainFrame& frame);

// On exit: when there is no backup or the last is more than a month old, one question (at most
// once a month); Yes makes the backup into the usual location. Whatever happens, the exit goes
// on. The desktop program makes it the main window's closing step.
void offerBackupOnExit(CMainFrame& frame);

}  // namespace zelvo::gui
