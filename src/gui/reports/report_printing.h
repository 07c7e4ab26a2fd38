// What the printer settled for a job, read from Qt's printer. The page loop itself is shared
// with the PDF writer: render/report_pages.h.
#pragma once

#include <QString>

#include "reports/view_state.h"

class QPrinter;

namespace zelvo {
class UserPrompts;
}
class QWidget;

namespace zelvo::gui {

// What the printer settled for a job: its name, A4 paper, copies and who makes them, range.
reports::PrinterJob printerJob(const QPrinter& printer, int pageCount);

// Whether a job can be sent to the printer at all (a printer of the system, or a named file).
bool printerUsable(const QPrinter& printer);

// The print dialog of every job, printing to a file allowed (a PDF where no printer is at hand);
// the page range is offered when `maxPage` is set. True: print.
bool execPrintDialog(QWidget* parent, QPrinter& printer, int minPage = 0, int maxPage = 0);

// A job printed to a file is written under a temporary name beside it and renamed over it only
// when whole, so a cancelled or failed job leaves no half file nor spoils the one there.
class FileJob {
public:
    // Points a print-to-file `target` at the temporary name; a printer job is left as it is.
    explicit FileJob(QPrinter& target);
    // After the job: the file's own name back on the target, and the file renamed over it when
    // `printed`, else the half file removed. Whether the job stands.
    bool finish(bool printed);

private:
    QPrinter& target_;
    QString file_;  // empty for a printer job
    QString temporary_;
};

// Says why a job stopped: Cancel (with the pages sent to a printer), a file not written, or the
// printer failing.
void tellJobStopped(UserPrompts& prompts, const QPrinter& target, bool cancelled, int pagesSent);

}  // namespace zelvo::gui
