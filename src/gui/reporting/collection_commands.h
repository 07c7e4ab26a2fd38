// The command "Δελτία Έργου": the collection start dialog when the report month's collection is
// not open, then the publisher list.
#pragma once

namespace zelvo::gui {

class CMainFrame;

void installCollectionCommands(CMainFrame& frame);

}  // namespace zelvo::gui
