#include "reports/branch_block.h"

#include <array>
#include <cstdio>
#include <vector>

#include "resources/strings.h"
#include "store/branch_totals.h"
#include "store/zelvo_doc.h"

namespace zelvo::reports {

namespace {

constexpr std::uint16_t kExcludedBits =
    appointment::kSpecialFullTimeServant | appointment::kFieldMissionary;

// Under the new form the publishers' row shows only studies; the other rows hours and studies.
bool shown(bool newForm, int row, int value) {
    if (!newForm) return true;
    return value == 4 || (value == 2 && row != 0);
}

}  // namespace

bool hasExcludedServants(const CZelvoDoc& doc) {
    for (std::size_t row = 1; row < doc.publishers.size(); ++row) {
        const PublisherRecord& r = doc.publishers[row];
        if (r.kind() == kPublisher && (r.appointmentBits() & kExcludedBits) != 0) return true;
    }
    return false;
}

int drawBranchBlock(CZelvoDoc& doc, Surface& surface, const ReportPage& page,
                    const ReportContext& context, int line) {
    computeBranchTotals(doc, hasExcludedServants(doc));
    const ReportFonts& fonts = *context.fonts;
    const bool newForm = doc.calendar.newReportForm != 0;
    const ReportTotals& t = doc.reportTotals;
    char buf[64];

    selectReportFont(surface, FontRole::Subtitle, fonts, page, context.page);
    std::string title =
        res::format(res::kBranchReportTitle, res::monthNameGenitive(doc.calendar.reportMonth));
    title += res::format(res::kBranchActiveFormat, std::to_string(static_cast<int>(t[0][5])));
    title += res::kActiveWord;
    surface.drawText(page.left, rowY(page, line), title, Align::Left, VAlign::Top);
    line += 2;

    const int headingLine = line;
    selectReportFont(surface, FontRole::Heading, fonts, page, context.page);
    const auto headings = reportValueHeadings();
    for (int v = 0; v < 5; ++v)
        if (shown(newForm, 1, v))
            surface.drawText(page.columns[static_cast<std::size_t>(v)], rowY(page, line),
                             headings[static_cast<std::size_t>(v)], Align::Right, VAlign::Top);

    selectReportFont(surface, FontRole::Text, fonts, page, context.page);
    static constexpr std::array<std::string_view, 4> kLabels{
        res::kCategoryPublishers, res::kCategoryAuxiliary, res::kCategoryRegular,
        res::kCategoryTotals};
    std::array<long, 9> sum{};
    for (int row = 0; row < 4; ++row) {
        line += 2;
        std::array<long, 9> values{};
        if (row < 3) {
            // Special pioneers (row 3) are computed but never part of the branch report.
            const auto& counted = t[static_cast<std::size_t>(row)];
            for (std::size_t s = 0; s < 9; ++s) values[s] = counted[s];
            values[2] += values[7] / 4;
            for (std::size_t s = 0; s < 9; ++s) sum[s] += values[s];
        } else {
            values = sum;
        }
        const int y = rowY(page, line);
        surface.drawText(page.left + page.dpiY / 3, y, kLabels[static_cast<std::size_t>(row)],
                         Align::Left, VAlign::Top);
        std::snprintf(buf, sizeof buf, "%4ld", values[8]);
        surface.drawText(page.left + page.dpiY * 3 / 2, y, buf, Align::Left, VAlign::Top);
        for (int v = 0; v < 5; ++v) {
            if (!shown(newForm, row, v)) continue;
            std::snprintf(buf, sizeof buf, "%6ld", values[static_cast<std::size_t>(v)]);
            surface.drawText(page.columns[static_cast<std::size_t>(v)], y, buf, Align::Right,
                             VAlign::Top);
        }
    }

    if (context.page.gridLines) {
        const int cell = page.dpiX / 10;
        std::vector<int> columns{page.left + page.dpiY * 3 / 2 - page.dpiX / 20,
                                 page.columns[0] - page.dpiX * 9 / 16 + cell};
        for (std::size_t v = 0; v < 5; ++v) columns.push_back(page.columns[v] + cell);
        GridFrame grid = gridFrameFor(page, headingLine, 5, std::move(columns));
        grid.rowHeight = 2 * page.lineHeight;
        drawGrid(surface, grid);
    }
    computeBranchTotals(doc, false);
    return line + 1;
}

}  // namespace zelvo::reports
