#include "render/report_pages.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include "render/painter_surface.h"

namespace zelvo::render {

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
    c.labels = state.labels;
    c.pageCount = state.pageCount;
    return c;
}

PagesResult printPages(const ReportSource& source, QPagedPaintDevice& device, QPainter& painter,
                       const PageDone& pageDone, bool afterPage) {
    reports::ViewState& state = *source.state;
    const int dpiX = device.logicalDpiX();
    const int dpiY = device.logicalDpiY();
    bool first = !afterPage;
    for (int page = state.firstPage(); state.prepareSurface(page); ++page) {
        if (!first && !device.newPage()) return PagesResult::DeviceFailed;
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
        state.pagePrinted();
        if (pageDone && !pageDone(state.pagesPrinted(), state.pagesInJob())) state.cancelJob();
    }
    return state.jobCancelled() ? PagesResult::Cancelled : PagesResult::Printed;
}

}  // namespace zelvo::render
