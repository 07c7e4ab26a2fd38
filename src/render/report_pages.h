// Drawing a report on the screen, the print preview, a printer or a PDF file: one context, one
// page loop. Each printed page clips to its band of the report's strip, moves the origin up to
// it and draws the whole report.
#pragma once

#include <functional>

#include "reports/report_font.h"
#include "reports/report_routines.h"
#include "reports/view_state.h"
#include "store/calendar.h"

class QPagedPaintDevice;
class QPainter;

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::render {

// What every drawing of the current report reads.
struct ReportSource {
    CZelvoDoc* doc = nullptr;
    const reports::ReportFonts* fonts = nullptr;
    reports::ViewState* state = nullptr;
    Date today;
};

// The context for a surface of the given resolution. On paper the fonts are scaled to the
// resolution actually printed on, so a job on a printer other than the default one (or a PDF
// file) keeps the sizes the screen shows.
reports::ReportContext contextFor(const ReportSource& source, int surfaceDpiX, int surfaceDpiY);

// Told after each page: the pages printed so far and the job's pages. False cancels the job
// once that page is done.
using PageDone = std::function<bool(int pagesPrinted, int pagesInJob)>;

enum class PagesResult { Printed, Cancelled, DeviceFailed };

// The page loop of a job whose range the state holds (ViewState::jobChosen), on a device the
// painter is already active on. `afterPage` starts the job on a new page of the device (the
// next group of a file that holds them all). DeviceFailed when the device would not start a
// new page.
PagesResult printPages(const ReportSource& source, QPagedPaintDevice& device, QPainter& painter,
                       const PageDone& pageDone = {}, bool afterPage = false);

}  // namespace zelvo::render
