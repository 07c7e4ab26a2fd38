#include "gui/reports/report_printing.h"

#include <QPageSize>
#include <QPrinter>

namespace zelvo::gui {

reports::PrinterJob printerJob(const QPrinter& printer, int pageCount) {
    reports::PrinterJob job;
    job.printerName = printer.printerName().toStdString();
    job.a4 = printer.pageLayout().pageSize().id() == QPageSize::A4;
    job.copies = printer.copyCount();
    job.driverMakesCopies = printer.supportsMultipleCopies();
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        job.fromPage = printer.fromPage();
        job.toPage = printer.toPage();
    } else {
        job.fromPage = 1;
        job.toPage = pageCount;
    }
    return job;
}

bool printerUsable(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) return !printer.outputFileName().isEmpty();
    return !printer.printerName().isEmpty();
}

}  // namespace zelvo::gui
