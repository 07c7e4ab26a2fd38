#include "reports/report_routines.h"

#include "store/zelvo_doc.h"

namespace zelvo::reports {

ReportContext reportContextFor(const CZelvoDoc& doc, const ReportFonts& fonts, const Date& today) {
    ReportContext c;
    c.fonts = &fonts;
    c.page.gridLines = doc.settings.reportGridLines != 0;
    c.page.topMarginOption = doc.settings.reportTopMargin;
    c.header.printDate = doc.settings.reportDate != 0;
    c.header.today = today;
    c.header.languageWord = doc.languageWord;
    return c;
}

bool drawReport(CZelvoDoc& doc, Surface& surface, int kind, int group, ReportContext& context) {
    (void)doc;
    (void)surface;
    (void)kind;
    (void)group;
    context.pageCount = 1;
    return false;
}

}  // namespace zelvo::reports
