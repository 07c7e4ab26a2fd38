#include "reports/hours_report.h"

#include <algorithm>
#include <vector>

#include "reports/analysis_rows.h"
#include "reports/page_header.h"
#include "reports/report_kind.h"
#include "reports/row_pages.h"
#include "reports/text_fit.h"
#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/zelvo_doc.h"

namespace zelvo::reports {

namespace {

constexpr int kMonths = 12;
constexpr int kAuxiliary = 1;

// The twelve months ending with the report month, oldest first.
std::array<MonthSlot, kMonths> windowMonths(const CZelvoDoc& doc) {
    std::array<MonthSlot, kMonths> months;
    MonthWalk walk = doc.calendar.walkFromReportMonth();
    for (int i = kMonths - 1; i >= 0; --i, walk.back())
        months[static_cast<std::size_t>(i)] = walk.current();
    return months;
}

int oldFormMonthsOf(const CZelvoDoc& doc, const HoursListArgs& args) {
    const CalendarState& cal = doc.calendar;
    return oldFormMonths(absoluteMonth(cal.reportYear, cal.reportMonth), cal.lastOldFormMonth,
                         pioneerList(args.list));
}

// The average column is left empty while the window of a list without pioneer filter holds
// months of both forms.
bool averagesShown(const CZelvoDoc& doc, const HoursListArgs& args) {
    const int old = oldFormMonthsOf(doc, args);
    return pioneerList(args.list) || old == 0 || old == kMonths;
}

// Whole hours over the months of the window the publisher served and reported as an auxiliary
// pioneer; 0 when none.
double auxiliaryAverage(const CZelvoDoc& doc, int row) {
    long hours = 0;
    int months = 0;
    for (const MonthSlot& m : windowMonths(doc)) {
        if (doc.pioneerKindOf(row, m.month, m.slot) != kAuxiliary ||
            !doc.hasReport(row, m.month, m.slot))
            continue;
        hours += doc.reportValue(row, m.month, ReportColumn::Hours, m.slot);
        ++months;
    }
    return months > 0 ? static_cast<double>(hours) / months : 0.0;
}

class HoursReport {
public:
    HoursReport(const CZelvoDoc& doc, Surface& surface, const HoursListArgs& args,
                ReportContext& context)
        : doc_(doc),
          surface_(surface),
          args_(args),
          context_(context),
          averages_(averagesShown(doc, args)) {}

    void draw() {
        page_ = beginReport(surface_, *context_.fonts, context_.page);
        pages_ = rowPagesFor(surface_, context_, page_);
        page_.title = res::format(res::kHoursReportTitle,
                                  res::monthNameAccusative(doc_.calendar.reportMonth));
        page_.subtitle = hoursListSubtitle(doc_, args_);
        const std::vector<int> rows = hoursListRows(doc_, args_);
        context_.pageCount = pages_.pages(static_cast<int>(rows.size()));
        context_.pagesUsed = context_.pageCount;

        startPage(0);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const LinePlace at = pages_.row(static_cast<int>(i));
            if (at.page != pageIndex_) {
                drawGridOfPage(rowsOnPage_);
                startPage(at.page);
            }
            drawRow(hoursRow(doc_, rows[i], args_), at.line);
            rowsOnPage_ = at.line - pages_.firstLine + 1;
        }
        drawGridOfPage(rowsOnPage_);
    }

private:
    // The names take 1.75 inches and each month 0.4 inch, room for hours with a quarter suffix
    // ("20.25") without running into the next month; the average ends seven inches right of
    // the margin.
    int nameEdge() const { return page_.left + page_.dpiX * 7 / 4; }
    int monthEdge(int k) const { return nameEdge() + (k + 1) * (page_.dpiX * 2 / 5); }
    int averageEdge() const { return monthEdge(kMonths - 1) + page_.dpiX * 9 / 20; }
    int y(int line) const { return rowY(page_, line); }

    void startPage(int index) {
        pageIndex_ = index;
        rowsOnPage_ = 0;
        setPageIndex(page_, index);
        drawPageHeader(surface_, page_, *context_.fonts, context_.page, context_.header);
        std::vector<std::string_view> headings;
        std::vector<int> edges;
        const auto months = windowMonths(doc_);
        for (int k = 0; k < kMonths; ++k) {
            headings.push_back(res::monthAbbrev(months[static_cast<std::size_t>(k)].month));
            edges.push_back(monthEdge(k));
        }
        if (averages_) {
            headings.push_back(res::kAverageShort);
            edges.push_back(averageEdge());
        }
        drawColumnHeadings(surface_, page_, *context_.fonts, context_.page, headings, edges);
    }

    void drawRow(const HoursRow& r, int line) {
        selectReportFont(surface_, FontRole::Text, *context_.fonts, page_, context_.page);
        const int room = nameEdge() - page_.left - surface_.averageCharWidth();
        surface_.drawText(page_.left, y(line), fitText(surface_, r.name, room), Align::Left,
                          VAlign::Top);
        for (int k = 0; k < kMonths; ++k) {
            const auto m = static_cast<std::size_t>(k);
            if (r.ticks[m]) drawTick(monthEdge(k) - page_.dpiX / 13, line);
            if (!r.months[m].empty())
                surface_.drawText(monthEdge(k), y(line), r.months[m], Align::Right, VAlign::Top);
        }
        if (!r.average.empty())
            surface_.drawText(averageEdge(), y(line), r.average, Align::Right, VAlign::Top);
    }

    // A tick whose right end is at `x`, about a tenth of an inch high, standing on the line.
    void drawTick(int x, int line) {
        const int h = std::max(page_.dpiY / 10, 2);
        const int foot = y(line) + page_.lineHeight * 3 / 4;
        surface_.setPenWidth(std::max(1, page_.dpiY / 96));
        surface_.drawLine(x - h, foot - h / 2, x - h * 2 / 3, foot);
        surface_.drawLine(x - h * 2 / 3, foot, x, foot - h);
    }

    void drawGridOfPage(int rows) {
        if (!context_.page.gridLines || rows <= 0) return;
        const int pad = page_.dpiX / 20;
        std::vector<int> columns{nameEdge() + pad};
        for (int k = 0; k < kMonths; ++k) columns.push_back(monthEdge(k) + pad);
        if (averages_) columns.push_back(averageEdge() + pad);
        drawGrid(surface_, gridFrameFor(page_, pages_.firstLine, rows, std::move(columns)));
    }

    const CZelvoDoc& doc_;
    Surface& surface_;
    const HoursListArgs& args_;
    ReportContext& context_;
    const bool averages_;
    ReportPage page_;
    RowPages pages_;
    int pageIndex_ = 0;
    int rowsOnPage_ = 0;
};

}  // namespace

std::optional<HoursListArgs> hoursReportArgsFor(int kind, int group) {
    switch (static_cast<ReportKind>(kind)) {
        case ReportKind::HoursCongregation:
            return HoursListArgs{HoursList::Congregation, 0};
        case ReportKind::HoursGroup:
            return HoursListArgs{HoursList::Group, group};
        case ReportKind::HoursRegularPioneers:
            return HoursListArgs{HoursList::RegularPioneers, 0};
        case ReportKind::HoursAuxiliaryPioneers:
            return HoursListArgs{HoursList::AuxiliaryPioneers, 0};
        case ReportKind::HoursEldersAndServants:
            return HoursListArgs{HoursList::EldersAndServants, 0};
        case ReportKind::HoursBaptizedBrothers:
            return HoursListArgs{HoursList::BaptizedBrothers, 0};
        case ReportKind::HoursCustomCategory:
            return HoursListArgs{HoursList::CustomCategory, 0};
        default:
            return std::nullopt;
    }
}

int oldFormMonths(int reportAbsMonth, int lastOldFormMonth, bool pioneerFilter) {
    const int d = reportAbsMonth - lastOldFormMonth;
    if (d <= 0) return kMonths;
    if (d >= kMonths) return 0;
    return pioneerFilter ? kMonths : kMonths - d;
}

HoursRow hoursRow(const CZelvoDoc& doc, int row, const HoursListArgs& args) {
    HoursRow out;
    out.name = cp1253::toUtf8(doc.displayName(row));
    const PublisherRecord& r = doc.publishers[static_cast<std::size_t>(row)];
    const int old = oldFormMonthsOf(doc, args);
    const auto months = windowMonths(doc);
    for (int k = 0; k < kMonths; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const auto [m, s] = months[i];
        const int category = doc.pioneerKindOf(row, m, s);
        if (args.list == HoursList::AuxiliaryPioneers && category != kAuxiliary) continue;
        if (k >= old && category == 0)
            out.ticks[i] = r.tookPart(m, s);
        else
            out.months[i] = hoursText(r.hours(m, s), r.quarters(m, s));
    }
    if (args.list == HoursList::AuxiliaryPioneers)
        out.average = res::oneDecimal(auxiliaryAverage(doc, row));
    else if (averagesShown(doc, args))
        out.average = res::oneDecimal(doc.averageOverMonths(row, ReportColumn::Hours, kMonths));
    return out;
}

void drawHoursReport(const CZelvoDoc& doc, Surface& surface, const HoursListArgs& args,
                     ReportContext& context) {
    context.pageCount = 1;
    if (context.fonts == nullptr) return;
    HoursReport report(doc, surface, args, context);
    report.draw();
}

}  // namespace zelvo::reports
