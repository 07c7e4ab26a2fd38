// What the printer settled for a job, read from Qt's printer. The page loop itself is shared
// with the PDF writer: render/report_pages.h.
#pragma once

#include "reports/view_state.h"

class QPrinter;

namespace zelvo::gui {

// What the printer settled for a job: its name, A4 paper, copies and who makes them, range.
reports::PrinterJob printerJob(const QPrinter& printer, int pageCount);

// Whether a job can be sent to the printer at all (a printer of the system, or a named file).
bool printerUsable(const QPrinter& printer);

}  // namespace zelvo::gui
