#include "gui/reports/report_printing.h"

#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

#include "gui/reports/painter_surface.h"

namespace zelvo::gui {

reports::ReportContext contextFor(const ReportSource& source, int surfaceDpiX, int surfaceDpiY) {
    const reports::ViewState& state = *source.state;
    reports::ReportContext c = reports::reportContextFor(*source.doc, *source.fonts, source.today);
    c.page.screenDpiX = state.screenDpiX;
    c.page.screenDpiY = state.screenDpiY;
    const bool paper = !state.isScreen(surfaceDpiX);
    c.page.printerDpiX = paper ? surfaceDpiX : state.printerDpiX;
    c.page.printerDpiY = paper ? surfaceDpiY : state.printerDpiY;
    // The screen behind a running preview keeps its 11-inch pages.
    c.page.pageLength = paper ? state.pageLength : reports::kLetterPageLength;
    c.isA4 = state.isA4;
    c.pageCount = state.pageCount;
    return c;
}

bool printPages(const ReportSource& source, QPagedPaintDevice& device, QPainter& painter) {
    reports::ViewState& state = *source.state;
    const int dpiX = device.logicalDpiX();
    const int dpiY = device.logicalDpiY();
    bool first = true;
    for (int page = state.firstPage(); state.prepareSurface(page); ++page) {
        if (!first && !device.newPage()) return false;
        first = false;
        const reports::PrintBand band = state.pageBand(page, dpiX, dpiY);
        painter.save();
        painter.translate(0, -band.originShift);
        PainterSurface surface(painter, dpiX, dpiY);
        surface.setBaseClip(band.clip);
        reports::ReportContext context = contextFor(source, dpiX, dpiY);
        reports::drawReport(*source.doc, surface, state.kind, state.group, context);
        state.printedPageCount(context.pagesUsed > 0 ? context.pagesUsed : context.pageCount);
        painter.restore();
    }
    return true;
}

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
