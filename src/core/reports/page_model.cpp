#include "reports/page_model.h"

#include <algorithm>

namespace zelvo::reports {

namespace {

std::uint16_t u16(int v) {
    return static_cast<std::uint16_t>(v < 0 ? 0 : v > 0xFFFF ? 0xFFFF : v);
}

// A font height or width read from the settings file may be any number: it is scaled in a wide
// type and kept within what a font can sensibly be (far more than a page), so no arithmetic on
// it overflows.
int fontUnits(int value, int multiplier, int divisor) {
    const long long v = static_cast<long long>(value) * multiplier / divisor;
    return static_cast<int>(std::clamp<long long>(v, -kMaxFontUnits, kMaxFontUnits));
}

}  // namespace

Resolution workingResolution(int surfaceDpiX, int surfaceDpiY, int screenDpiX) {
    if (surfaceDpiX == screenDpiX) return {surfaceDpiX * 11 / 12, surfaceDpiY, false};
    return {surfaceDpiX, surfaceDpiY, true};
}

LogicalFont fontForSurface(const LogicalFont& stored, bool printing, const PageSettings& s) {
    LogicalFont f = stored;
    const bool scaleY = printing && s.screenDpiY != 0;
    const bool scaleX = printing && s.screenDpiX != 0;
    f.height = fontUnits(f.height, scaleY ? s.printerDpiY : 1, scaleY ? s.screenDpiY : 1);
    f.width = fontUnits(f.width, scaleX ? s.printerDpiX : 1, scaleX ? s.screenDpiX : 1);
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

// A font taller than the page still leaves one line a page.
int linesPerPage(int dpiY, int lineHeight) {
    return lineHeight > 0 ? std::max(1, dpiY * 9 / lineHeight) : 1;
}

int linesPerA4AnalysisPage(int dpiY, int lineHeight) {
    return lineHeight > 0 ? std::max(1, (dpiY * 9 + dpiY / 2 + dpiY / 5) / lineHeight) : 1;
}

int topMarginFor(int option, int dpiY) {
    const long long margin = static_cast<long long>(option) * dpiY / 100;
    if (margin > dpiY) return dpiY / 2;
    // The title stands a fifth of an inch above the margin; a smaller margin would put it above
    // the top of the sheet.
    return std::max(static_cast<int>(std::max(margin, 0LL)), dpiY / 5);
}

int lineHeightToFit(int lineHeight, int room, int lines) {
    if (lines <= 0 || room <= 0) return lineHeight;
    return std::max(1, std::min(lineHeight, room / lines));
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

int sheetLength(int pageLength, int dpiY) {
    constexpr int kA4HundredthsOfAnInch = 1169;
    if (pageLength >= kA4PageLength) return dpiY * kA4HundredthsOfAnInch / 100;
    return (pageLength / 10) * dpiY;
}

PrintableBand printableBand(int page, int pageLength, int dpiY) {
    const int top = bandTop(page, pageLength, dpiY);
    return {top, top + sheetLength(pageLength, dpiY) - dpiY / 2};
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
