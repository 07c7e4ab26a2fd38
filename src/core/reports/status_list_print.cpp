#include "reports/status_list_print.h"

#include <algorithm>
#include <string_view>

#include "reports/text_fit.h"

namespace zelvo::reports {

namespace {

constexpr int kHeadingLine = 2;

// The parts of a row between its tabs.
std::vector<std::string_view> columnsOf(std::string_view row) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t tab = row.find('\t', start);
        parts.push_back(row.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos) return parts;
        start = tab + 1;
    }
}

// Where each column begins: the tab stops (dialog units, a quarter of the average character
// width), moved right together when a name is wider than the first column allows.
std::vector<int> columnEdges(const reporting::StatusPrintout& list, const Surface& surface,
                             int left) {
    const int average = surface.averageCharWidth();
    std::vector<int> edges{left};
    int widestName = 0;
    for (const std::string& row : list.rows)
        widestName = std::max(widestName, surface.textWidth(columnsOf(row).front()));
    int shift = 0;
    for (std::size_t i = 0; i < list.tabStops.size(); ++i) {
        const int stop = left + average * list.tabStops[i] / 4;
        if (i == 0) shift = std::max(0, left + widestName + 2 * average - stop);
        edges.push_back(stop + shift);
    }
    return edges;
}

}  // namespace

void drawStatusList(const reporting::StatusPrintout& list, Surface& surface,
                    ReportContext& context) {
    context.pageCount = 1;
    if (context.fonts == nullptr) return;
    ReportPage page = beginReport(surface, *context.fonts, context.page);
    page.title = list.title;
    page.subtitle = list.heading;
    const int perPage = std::max(1, page.linesPerPage - kFirstRowLine);
    const int rows = static_cast<int>(list.rows.size());
    const int pages = std::max(1, (rows + perPage - 1) / perPage);
    context.pageCount = pages;
    context.pagesUsed = pages;

    const auto select = [&](FontRole role) {
        selectReportFont(surface, role, *context.fonts, page, context.page);
    };
    select(FontRole::Text);
    const std::vector<int> edges = columnEdges(list, surface, page.left);
    const int right = page.left + page.dpiX * 15 / 2;
    const auto drawColumns = [&](const std::vector<std::string_view>& parts, int y) {
        const int gap = surface.averageCharWidth();
        for (std::size_t i = 0; i < parts.size(); ++i) {
            // Parts past the last stop follow the last column, as a list box shows them.
            const std::size_t at = std::min(i, edges.size() - 1);
            const int x = i < edges.size() ? edges[at] : edges.back() + surface.textWidth(" ");
            const int end = at + 1 < edges.size() && i + 1 < parts.size() ? edges[at + 1] : right;
            surface.drawText(x, y, fitText(surface, parts[i], std::max(end - x - gap, gap)),
                             Align::Left, VAlign::Top);
        }
    };

    for (int p = 0; p < pages; ++p) {
        setPageIndex(page, p);
        drawPageHeader(surface, page, *context.fonts, context.page, context.header);
        select(FontRole::Heading);
        std::vector<std::string_view> headings(list.headings.begin(), list.headings.end());
        drawColumns(headings, rowY(page, kHeadingLine));
        select(FontRole::Text);
        for (int i = p * perPage; i < std::min(rows, (p + 1) * perPage); ++i)
            drawColumns(columnsOf(list.rows[static_cast<std::size_t>(i)]),
                        rowY(page, kFirstRowLine + i - p * perPage));
    }
}

}  // namespace zelvo::reports
