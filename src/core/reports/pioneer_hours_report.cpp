#include "reports/pioneer_hours_report.h"

#include <algorithm>
#include <vector>

#include "records/pioneer_hours_model.h"
#include "reports/hours_lists.h"
#include "reports/page_header.h"
#include "reports/row_pages.h"
#include "reports/text_fit.h"
#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/zelvo_doc.h"

namespace zelvo::reports {

namespace {

constexpr int kSeptember = 8;
constexpr int kValueColumns = 7;
constexpr int kNoteGap = 3;  // the note stands four lines below the last row
constexpr HoursListArgs kRegularPioneers{HoursList::RegularPioneers, 0};

class PioneerHoursReport {
public:
    PioneerHoursReport(const CZelvoDoc& doc, Surface& surface, ReportContext& context)
        : doc_(doc), surface_(surface), context_(context) {}

    void draw() {
        page_ = beginReport(surface_, *context_.fonts, context_.page);
        pages_ = rowPagesFor(surface_, context_, page_);
        page_.title = res::format(res::kYearTotalsTitle, res::monthName(doc_.calendar.reportMonth));
        page_.subtitle = hoursListSubtitle(doc_, kRegularPioneers);
        const std::vector<int> rows = hoursListRows(doc_, kRegularPioneers);
        const int count = static_cast<int>(rows.size());
        std::vector<PioneerHoursRow> shown;
        bool anyLate = false;
        for (int row : rows) {
            shown.push_back(pioneerHoursRow(doc_, row));
            anyLate = anyLate || shown.back().lateStart;
        }
        context_.pageCount = anyLate ? pages_.pages(count, kNoteGap, 1) : pages_.pages(count);
        context_.pagesUsed = context_.pageCount;

        startPage(0);
        int rowsOnPage = 0;
        for (int i = 0; i < count; ++i) {
            const LinePlace at = pages_.row(i);
            if (at.page != pageIndex_) {
                drawGridOfRows(rowsOnPage);
                startPage(at.page);
            }
            drawRow(shown[static_cast<std::size_t>(i)], at.line);
            rowsOnPage = at.line - pages_.firstLine + 1;
        }
        drawGridOfRows(rowsOnPage);
        if (!anyLate) return;
        const LinePlace at = pages_.after(count, kNoteGap, 1);
        if (at.page != pageIndex_) startPage(at.page);
        surface_.drawText(page_.left, rowY(page_, at.line), res::kLateStartNote, Align::Left,
                          VAlign::Top);
    }

private:
    // The name takes 2.2 inches; the values follow 0.65 inch apart, the last, under the widest
    // heading, 0.9 inch after its neighbour, ending seven inches right of the margin.
    int column(int k) const {
        const int x = page_.left + page_.dpiX * 11 / 5 + std::min(k, 6) * (page_.dpiX * 13 / 20);
        return k < kValueColumns ? x : x + page_.dpiX * 9 / 10;
    }

    void startPage(int index) {
        pageIndex_ = index;
        setPageIndex(page_, index);
        drawPageHeader(surface_, page_, *context_.fonts, context_.page, context_.header);
        static constexpr std::array<std::string_view, kValueColumns> kHeadings{
            res::kHeadingHours,    res::kPioneerCreditColumn,    res::kCategoryTotals,
            res::kAverageShort,    res::kHeadingYearRequirement, res::kHeadingPerMonth,
            res::kHeadingRemaining};
        std::vector<int> edges;
        for (int k = 1; k <= kValueColumns; ++k) edges.push_back(column(k));
        drawColumnHeadings(surface_, page_, *context_.fonts, context_.page, kHeadings, edges);
        selectReportFont(surface_, FontRole::Text, *context_.fonts, page_, context_.page);
    }

    void drawRow(const PioneerHoursRow& r, int line) {
        const int y = rowY(page_, line);
        // The mark stays whole; the name gives way to it.
        const std::string mark = r.lateStart ? std::string(res::kLateStartMark) : std::string();
        const std::string name = r.name.substr(0, r.name.size() - mark.size());
        const int room = column(0) - page_.left - surface_.averageCharWidth();
        surface_.drawText(page_.left, y,
                          fitText(surface_, name, room - surface_.textWidth(mark)) + mark,
                          Align::Left, VAlign::Top);
        for (int k = 0; k < kValueColumns; ++k)
            surface_.drawText(column(k + 1), y, r.values[static_cast<std::size_t>(k)], Align::Right,
                              VAlign::Top);
    }

    void drawGridOfRows(int rows) {
        if (!context_.page.gridLines || rows <= 0) return;
        std::vector<int> columns;
        for (int k = 0; k <= kValueColumns; ++k) columns.push_back(column(k) + page_.dpiX / 20);
        drawGrid(surface_, gridFrameFor(page_, pages_.firstLine, rows, std::move(columns)));
        selectReportFont(surface_, FontRole::Text, *context_.fonts, page_, context_.page);
    }

    const CZelvoDoc& doc_;
    Surface& surface_;
    ReportContext& context_;
    ReportPage page_;
    RowPages pages_;
    int pageIndex_ = 0;
};

}  // namespace

PioneerHoursRow pioneerHoursRow(const CZelvoDoc& doc, int row) {
    const records::PioneerYear y = records::pioneerYear(doc, row);
    PioneerHoursRow out;
    out.lateStart = y.startMonth != kSeptember;
    out.name = cp1253::toUtf8(doc.displayName(row));
    if (out.lateStart) out.name += res::kLateStartMark;
    const int done = y.hours + y.credit;
    const int remaining = y.remaining();
    out.values = {
        std::to_string(y.hours),
        std::to_string(y.credit),
        std::to_string(done),
        res::oneDecimal(y.monthsElapsed > 0 ? static_cast<double>(done) / y.monthsElapsed : 0.0, 4),
        std::to_string(y.requirement()),
        y.monthsLeft > 0 ? res::oneDecimal(static_cast<double>(remaining) / y.monthsLeft, 4)
                         : std::string(),
        std::to_string(remaining)};
    return out;
}

void drawPioneerHoursReport(const CZelvoDoc& doc, Surface& surface, ReportContext& context) {
    context.pageCount = 1;
    if (context.fonts == nullptr) return;
    PioneerHoursReport report(doc, surface, context);
    report.draw();
}

}  // namespace zelvo::reports
