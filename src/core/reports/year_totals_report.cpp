#include "reports/year_totals_report.h"

#include <vector>

#include "reports/page_header.h"
#include "reports/report_kind.h"
#include "reports/row_pages.h"
#include "reports/text_fit.h"
#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/zelvo_doc.h"

namespace zelvo::reports {

namespace {

constexpr std::size_t kHoursValue = columnIndex(ReportColumn::Hours);
constexpr int kValueColumns = 5;

class YearTotalsReport {
public:
    YearTotalsReport(const CZelvoDoc& doc, Surface& surface, const HoursListArgs& args,
                     ReportContext& context)
        : doc_(doc), surface_(surface), args_(args), context_(context) {}

    void draw() {
        page_ = beginReport(surface_, *context_.fonts, context_.page);
        pages_ = rowPagesFor(surface_, context_, page_);
        page_.title = res::format(res::kYearTotalsTitle, res::monthName(doc_.calendar.reportMonth));
        page_.subtitle = hoursListSubtitle(doc_, args_);
        const std::vector<int> rows = hoursListRows(doc_, args_);
        const int count = static_cast<int>(rows.size());
        context_.pageCount = pages_.pages(count, 0, 1);
        context_.pagesUsed = context_.pageCount;

        startPage(0);
        std::array<long, kValueColumns> totals{};
        HoursTotal hours;
        int rowsOnPage = 0;
        for (int i = 0; i < count; ++i) {
            const LinePlace at = pages_.row(i);
            if (at.page != pageIndex_) {
                drawGridOfRows(pages_.firstLine, rowsOnPage);
                startPage(at.page);
            }
            const YearTotalsRow r = yearTotalsRow(doc_, rows[static_cast<std::size_t>(i)]);
            for (std::size_t v = 0; v < totals.size(); ++v) totals[v] += r.values[v];
            hours.add(r.hours.hours, r.hours.quarters);
            drawValues(fitText(surface_, r.name, nameRoom()), r.values, r.hours, at.line);
            rowsOnPage = at.line - pages_.firstLine + 1;
        }
        const LinePlace at = pages_.after(count, 0, 1);
        if (at.page != pageIndex_) {
            drawGridOfRows(pages_.firstLine, rowsOnPage);
            rowsOnPage = 0;
            startPage(at.page);
        }
        drawGridOfRows(pages_.firstLine, rowsOnPage);
        totals[kHoursValue] = hours.hours;
        drawValues(std::string(res::kCategoryTotals), totals, hours, at.line);
        drawGridOfRows(at.line, 1);
    }

private:
    // col0 2.3 inches right of the margin, the next ones three quarters of an inch apart.
    int column(int k) const {
        return page_.left + 23 * (page_.dpiX / 10) + k * (page_.dpiX * 3 / 4);
    }
    int nameRoom() const { return column(0) - page_.left; }

    void startPage(int index) {
        pageIndex_ = index;
        setPageIndex(page_, index);
        drawPageHeader(surface_, page_, *context_.fonts, context_.page, context_.header);
        std::vector<int> edges;
        for (int k = 1; k <= kValueColumns; ++k) edges.push_back(column(k));
        drawColumnHeadings(surface_, page_, *context_.fonts, context_.page, reportValueHeadings(),
                           edges);
        selectReportFont(surface_, FontRole::Text, *context_.fonts, page_, context_.page);
    }

    void drawValues(const std::string& label, const std::array<long, kValueColumns>& values,
                    const HoursTotal& hours, int line) {
        const int y = rowY(page_, line);
        surface_.drawText(page_.left, y, label, Align::Left, VAlign::Top);
        for (std::size_t v = 0; v < values.size(); ++v) {
            const std::string text = v == kHoursValue ? hours.text() : std::to_string(values[v]);
            surface_.drawText(column(static_cast<int>(v) + 1), y, text, Align::Right, VAlign::Top);
        }
    }

    void drawGridOfRows(int firstLine, int rows) {
        if (!context_.page.gridLines || rows <= 0) return;
        std::vector<int> columns;
        for (int k = 0; k <= kValueColumns; ++k) columns.push_back(column(k) + page_.dpiX / 10);
        drawGrid(surface_, gridFrameFor(page_, firstLine, rows, std::move(columns)));
        selectReportFont(surface_, FontRole::Text, *context_.fonts, page_, context_.page);
    }

    const CZelvoDoc& doc_;
    Surface& surface_;
    const HoursListArgs& args_;
    ReportContext& context_;
    ReportPage page_;
    RowPages pages_;
    int pageIndex_ = 0;
};

}  // namespace

std::optional<HoursListArgs> yearTotalsArgsFor(int kind) {
    switch (static_cast<ReportKind>(kind)) {
        case ReportKind::YearTotalsCongregation:
            return HoursListArgs{HoursList::Congregation, 0};
        case ReportKind::YearTotalsRegularPioneers:
            return HoursListArgs{HoursList::RegularPioneers, 0};
        case ReportKind::YearTotalsEldersAndServants:
            return HoursListArgs{HoursList::EldersAndServants, 0};
        default:
            return std::nullopt;
    }
}

int serviceYearMonths(int reportMonth) {
    return reportMonth < 8 ? reportMonth + 5 : reportMonth - 7;
}

void HoursTotal::add(long moreHours, long moreQuarters) {
    const long all = quarters + moreQuarters;
    hours += moreHours + all / 4;
    quarters = static_cast<int>(all % 4);
}

std::string HoursTotal::text() const {
    return std::to_string(hours) + std::string(res::quarterSuffix(quarters));
}

YearTotalsRow yearTotalsRow(const CZelvoDoc& doc, int row) {
    YearTotalsRow out;
    out.name = cp1253::toUtf8(doc.displayName(row));
    const int months = serviceYearMonths(doc.calendar.reportMonth);
    for (const ReportColumn column : kReportColumns)
        if (column != ReportColumn::Hours)
            out.values[columnIndex(column)] = doc.sumOverMonths(row, column, months);
    const CZelvoDoc::HoursSum sum = doc.hoursOverMonths(row, months);
    out.hours.add(sum.whole, sum.quarters);
    out.values[kHoursValue] = out.hours.hours;
    return out;
}

void drawYearTotalsReport(const CZelvoDoc& doc, Surface& surface, const HoursListArgs& args,
                          ReportContext& context) {
    context.pageCount = 1;
    if (context.fonts == nullptr) return;
    YearTotalsReport report(doc, surface, args, context);
    report.draw();
}

}  // namespace zelvo::reports
