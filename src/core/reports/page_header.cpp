#include "reports/page_header.h"

#include <array>
#include <cstdio>
#include <utility>

#include "resources/language_table.h"
#include "resources/strings.h"

namespace zelvo::reports {

std::string printedDateText(const Date& today, std::string_view languageWord) {
    std::string out(res::kPrinted);
    char buf[64];
    if (languageWord == "greek") {
        std::snprintf(buf, sizeof buf, " %d/%d/%d", today.day, today.month, today.year);
        out += buf;
        return out;
    }
    std::snprintf(buf, sizeof buf, " %d ", today.day);
    out += buf;
    out += res::monthNameGenitive(today.month - 1);
    std::snprintf(buf, sizeof buf, " %d", today.year);
    out += buf;
    return out;
}

void drawPageHeader(Surface& surface, const ReportPage& page, const ReportFonts& fonts,
                    const PageSettings& settings, const HeaderOptions& options) {
    const int y = page.pageTop - page.dpiY / 5;
    selectReportFont(surface, FontRole::Title, fonts, page, settings);
    surface.drawText(page.left, y, page.title, Align::Left, VAlign::Top);
    if (page.printing && options.printDate) {
        // Its height is in screen units like the report fonts', so it is scaled like them.
        const LogicalFont stamp = dateStampFont(reportFontCharset(options.languageWord));
        surface.selectFont(FontRole::Fixed, fontForSurface(stamp, page.printing, settings));
        const int x = options.dateStampX >= 0 ? options.dateStampX : page.dpiX * 15 / 2;
        surface.drawText(x, y, printedDateText(options.today, options.languageWord), Align::Right,
                         VAlign::Top);
    }
    selectReportFont(surface, FontRole::Subtitle, fonts, page, settings);
    surface.drawText(page.left, page.pageTop + page.lineHeight / 2, page.subtitle, Align::Left,
                     VAlign::Top);
}

void drawColumnHeadings(Surface& surface, const ReportPage& page, const ReportFonts& fonts,
                        const PageSettings& settings, std::span<const std::string_view> headings,
                        std::span<const int> rightEdges) {
    const int y = page.pageTop + 2 * page.lineHeight;
    selectReportFont(surface, FontRole::Heading, fonts, page, settings);
    surface.drawText(page.left, y, res::kHeadingName, Align::Left, VAlign::Top);
    for (std::size_t i = 0; i < headings.size() && i < rightEdges.size(); ++i)
        surface.drawText(rightEdges[i], y, headings[i], Align::Right, VAlign::Top);
}

std::span<const std::string_view> reportValueHeadings() {
    static constexpr std::array<std::string_view, 5> kHeadings{
        res::kHeadingPlacements, res::kHeadingVideos, res::kHeadingHours, res::kHeadingReturnVisits,
        res::kHeadingStudies};
    return kHeadings;
}

GridFrame gridFrameFor(const ReportPage& page, int firstRow, int rowCount,
                       std::vector<int> columns) {
    GridFrame g;
    g.top = rowY(page, firstRow) - page.lineHeight / 20;
    g.left = page.left - page.dpiX / 20;
    g.rowHeight = page.lineHeight;
    g.rowCount = rowCount;
    g.columns = std::move(columns);
    return g;
}

void drawGrid(Surface& surface, const GridFrame& grid) {
    if (grid.columns.empty()) return;
    surface.setPenWidth(2);
    const int right = grid.columns.back();
    const int bottom = grid.top + grid.rowCount * grid.rowHeight;
    surface.drawRect({grid.left, grid.top, right, bottom});
    for (int r = 1; r < grid.rowCount; ++r) {
        const int y = grid.top + r * grid.rowHeight;
        surface.drawLine(grid.left, y, right, y);
    }
    for (int x : grid.columns) surface.drawLine(x, grid.top, x, bottom);
}

}  // namespace zelvo::reports
