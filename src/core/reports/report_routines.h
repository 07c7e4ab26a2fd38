// The one entry the view, the printer, the PDF writer and zelvo-cli use to draw a report: it picks
// the drawing routine of a report kind and hands it the document, the surface and the context.
#pragma once

#include <vector>

#include "reports/page_header.h"
#include "reports/page_model.h"
#include "reports/report_font.h"
#include "reports/surface.h"

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::reports {

// The labels' job: the first label position (1-20) and the people chosen for it by id (rows move
// when the table is sorted again while the labels are shown); no ids: every active publisher.
struct LabelJob {
    int firstPosition = 1;
    std::vector<int> ids;
};

// What a drawing routine needs besides the document and the surface.
struct ReportContext {
    const ReportFonts* fonts = nullptr;
    PageSettings page;     // resolutions, page length, grid lines, top margin
    HeaderOptions header;  // the print-date option, today, the language word
    bool isA4 = false;     // the job prints on A4 paper
    LabelJob labels;       // the labels report only
    int pageCount = 1;     // set by the routine on every draw
    // The pages that hold anything; the count may foresee a last page the drawing never needed.
    // A job of the whole report stops there. 0: the same as pageCount.
    int pagesUsed = 0;
};

// The context of the document's settings: grid lines, top margin, print date, language word.
ReportContext reportContextFor(const CZelvoDoc& doc, const ReportFonts& fonts, const Date& today);

// Draws report `kind` (with `group` for the group variants) on `surface` and sets
// `context.pageCount`. Returns false for a kind whose routine is not built yet (nothing drawn).
bool drawReport(CZelvoDoc& doc, Surface& surface, int kind, int group, ReportContext& context);

}  // namespace zelvo::reports
