#include "reports/row_pages.h"

#include <algorithm>

namespace zelvo::reports {

namespace {

// The room below the top margin of the first page, down to the foot of its printable part.
int roomOfPage(int pageLength, int dpiY, int topMargin) {
    return printableBand(0, pageLength, dpiY).bottom - pageTopOf(0, pageLength, dpiY, topMargin);
}

}  // namespace

LinePlace RowPages::row(int index) const {
    return {index / perPage(), firstLine + index % perPage()};
}

LinePlace RowPages::after(int rows, int gap, int lines) const {
    LinePlace at{0, firstLine};
    if (rows > 0) {
        const LinePlace last = row(rows - 1);
        at = {last.page, last.line + 1 + gap};
    }
    if (lines > 0 && at.line + lines - 1 > lastLine) at = {at.page + 1, firstLine};
    return at;
}

RowPages rowPagesFor(Surface& surface, const ReportContext& context, ReportPage& page) {
    const PageSettings& s = context.page;
    surface.selectFont(FontRole::Text,
                       fontForSurface(context.fonts->font(FontRole::Text), true, s));
    const int line =
        lineHeightFor(s.printerDpiY, surface.charHeight(), surface.externalLeading(), s.gridLines);
    const int room =
        roomOfPage(s.pageLength, s.printerDpiY, topMarginFor(s.topMarginOption, s.printerDpiY));
    // A line fits when its whole height lies in the room; nine inches of lines at most.
    const int fitting = room / std::max(line, 1) - 1;
    RowPages pages;
    pages.lastLine = std::max(
        kFirstRowLine, std::min(kFirstRowLine + linesPerPage(s.printerDpiY, line) - 1, fitting));
    page.lineHeight = static_cast<std::uint16_t>(
        lineHeightToFit(page.lineHeight, roomOfPage(page.pageLength, page.dpiY, page.topMargin),
                        pages.lastLine + 1));
    return pages;
}

}  // namespace zelvo::reports
