// The report view's commands: the report kinds, the font commands and printing.
#pragma once

namespace zelvo::gui {

class CMainFrame;

void installReportCommands(CMainFrame& frame);

}  // namespace zelvo::gui
