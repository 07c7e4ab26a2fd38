#include "reports/page_model.h"

namespace zelvo::reports {

namespace {

std::uint16_t u16(int v) {
    return static_cast<std::uint16_t>(v < 0 ? 0 : v > 0xFFFF ? 0xFFFF : v);
}

}  // namespace

Resolution workingResolution(int surfaceDpiX, int surfaceDpiY, int screenDpiX) {
    if (surfaceDpiX == screenDpiX) return {surfaceDpiX * 11 / 12, surfaceDpiY, false};
    return {surfaceDpiX, surfaceDpiY, true};
}

LogicalFont fontForSurface(const LogicalFont& stored, bool printing, const PageSettings& s) {
    LogicalFont f = stored;
    if (!printing) return f;
    if (s.screenDpiY != 0) f.height = f.height * s.printerDpiY / s.screenDpiY;
    if (s.screenDpiX != 0) f.width = f.width * s.printerDpiX / s.screenDpiX;
    return f;
}

int lineHeightFor(int dpiY, int textCharHeight, int textExternalLeading, bool gridLines) {
    int h = dpiY / 6;
    const int font = textCharHeight + 2 * textExternalLeading;
    if (font >= h) h = font;
    if (gridLines) {
        const int extra = h / 20;
        h += extra == 0 ? 1 : extra;
    }
    return h;
}

int linesPerPage(int dpiY, int lineHeight) {
    return lineHeight > 0 ? dpiY * 9 / lineHeight : 1;
}

int linesPerA4AnalysisPage(int dpiY, int lineHeight) {
    return lineHeight > 0 ? (dpiY * 9 + dpiY / 2 + dpiY / 5) / lineHeight : 1;
}

int topMarginFor(int option, int dpiY) {
    const int margin = option * dpiY / 100;
    return margin > dpiY ? dpiY / 2 : margin;
}

int bandTop(int page, int pageLength, int dpiY) {
    return page * (pageLength / 10) * dpiY;
}

int bandBottom(int page, int pageLength, int dpiY) {
    return (page + 1) * (pageLength / 10) * dpiY;
}

int pageTopOf(int page, int pageLength, int dpiY, int topMargin) {
    return bandTop(page, pageLength, dpiY) + topMargin;
}

int pageCountFor(int rows, int linesPerPageValue, int extraPages) {
    if (linesPerPageValue <= 0) linesPerPageValue = 1;
    return rows / linesPerPageValue + 1 + extraPages;
}

void selectReportFont(Surface& surface, FontRole role, const ReportFonts& fonts,
                      const ReportPage& page, const PageSettings& s) {
    surface.selectFont(role, fontForSurface(fonts.font(role), page.printing, s));
}

ReportPage beginReport(Surface& surface, const ReportFonts& fonts, const PageSettings& s) {
    ReportPage page;
    const Resolution r = workingResolution(surface.dpiX(), surface.dpiY(), s.screenDpiX);
    page.dpiX = r.dpiX;
    page.dpiY = r.dpiY;
    page.printing = r.printing;
    page.pageLength = s.pageLength;
    selectReportFont(surface, FontRole::Text, fonts, page, s);
    const int lh =
        lineHeightFor(r.dpiY, surface.charHeight(), surface.externalLeading(), s.gridLines);
    page.lineHeight = u16(lh);
    page.linesPerPage = linesPerPage(r.dpiY, lh);
    page.topMargin = u16(topMarginFor(s.topMarginOption, r.dpiY));
    page.left = u16(r.dpiX / 2);
    page.pageTop = pageTopOf(0, s.pageLength, r.dpiY, page.topMargin);
    return page;
}

void setPageIndex(ReportPage& page, int index) {
    page.pageTop = pageTopOf(index, page.pageLength, page.dpiY, page.topMargin);
}

int rowY(const ReportPage& page, int row) {
    return page.pageTop + row * page.lineHeight;
}

ScrollSizes reportScrollSizes(int pageLength, int pageWidth, int pageCount, int screenDpiX,
                              int screenDpiY) {
    ScrollSizes s;
    s.totalHeight = (pageLength / 10) * pageCount * screenDpiY;
    s.totalWidth = (pageWidth / 10) * screenDpiX;
    s.pageX = s.totalWidth / 4;
    s.pageY = 4 * screenDpiY;
    s.lineX = screenDpiX / 10;
    s.lineY = screenDpiY / 6;
    return s;
}

PrintBand printBand(int page, int dpiX, int dpiY, int pageLength, int pageWidth) {
    const int band = dpiY * (pageLength / 10);
    PrintBand b;
    b.clip = {0, band * (page - 1), dpiX * (pageWidth / 10), band * page};
    b.originShift = band * (page - 1);
    return b;
}

int printPageLength(bool isA4) {
    return isA4 ? kA4PageLength : kLetterPageLength;
}

}  // namespace zelvo::reports
