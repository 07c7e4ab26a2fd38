#include "reports/averages_report.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <string_view>

#include "records/group_caption.h"
#include "reports/congregation_report.h"
#include "reports/hours_averages.h"
#include "reports/report_kind.h"
#include "reports/text_fit.h"
#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/publisher_status.h"
#include "store/zelvo_doc.h"

namespace zelvo::reports {

namespace {

constexpr int kOwnSummaryPageAfter = 30;  // rows on the last page that push the summary over
// A blank line, the average line, three category lines two apart, the total two below, the
// irregular line.
constexpr int kSummaryLines = 11;
constexpr int kCategories = 4;         // publishers, auxiliary, regular and special pioneers
constexpr int kCountedCategories = 3;  // special pioneers are listed but not counted
constexpr std::size_t kValues = kReportColumns.size();
constexpr int kRegularPioneer = 2;

std::string threeSix(const ThreeSix& a) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%6.1f/%4.1f", a.three, a.six);
    return buf;
}

bool matchesRow(const CZelvoDoc& doc, int row, const AveragesArgs& args) {
    const PublisherRecord& r = doc.publishers[static_cast<std::size_t>(row)];
    if (args.group >= 1 && r.groupNumber() != args.group) return false;
    if (!privilegesMatch(args.privilegeFilter, r.privileges())) return false;
    const CalendarState& cal = doc.calendar;
    return args.pioneerFilter == 0 ||
           doc.pioneerKindOf(row, cal.reportMonth, cal.reportSlot()) == args.pioneerFilter;
}

bool wholeCongregation(const AveragesArgs& a) {
    return a.group == 0 && a.pioneerFilter == 0 && a.privilegeFilter == 0;
}

std::string subtitleOf(const CZelvoDoc& doc, const AveragesArgs& a) {
    if (a.group >= 1) return groupCaption(doc.groups, a.group);
    std::string s(res::kCongregation);
    if (a.pioneerFilter == kRegularPioneer)
        s = res::kAveragesRegularPioneers;
    else if ((a.privilegeFilter & privilege::kCustomCategory) != 0)
        s = cp1253::toUtf8(doc.settings.customCategoryName);
    else if ((a.privilegeFilter & privilege::kCodeMask) == privilege::kElder)
        s = res::kAveragesElders;
    else if ((a.privilegeFilter & privilege::kCodeMask) == privilege::kServant)
        s = res::kAveragesServants;
    else if ((a.privilegeFilter & privilege::kCodeMask) == privilege::kBaptizedBrother)
        s = res::kAveragesBaptizedBrothers;
    if (doc.settings.congregationName.empty()) return s;
    if (!s.empty()) s += res::kNameJoin;
    return s + cp1253::toUtf8(doc.settings.congregationName);
}

// What the drawing pass adds up: per category the rows, the irregular rows and the sums of the
// publishers' averages of each value.
struct Tally {
    std::array<int, kCategories> rows{};
    std::array<int, kCategories> irregular{};
    std::array<std::array<ThreeSix, kValues>, kCategories> sums{};

    int counted() const { return rows[0] + rows[1] + rows[2]; }
    int countedIrregular() const { return irregular[0] + irregular[1] + irregular[2]; }
};

class AveragesReport {
public:
    AveragesReport(const CZelvoDoc& doc, Surface& surface, const AveragesArgs& args,
                   ReportContext& context)
        : doc_(doc),
          surface_(surface),
          args_(args),
          context_(context),
          newForm_(doc.calendar.newReportForm != 0) {}

    void draw() {
        // Rows a page are counted at the printer's resolution, so the screen breaks pages as the
        // paper does; the 9.7-inch A4 page belongs to the branch report alone.
        ReportContext letter = context_;
        letter.isA4 = false;
        const int rowsPerPage = congregationLinesPerPage(surface_, letter);
        page_ = beginReport(surface_, *context_.fonts, context_.page);
        page_.linesPerPage = rowsPerPage;
        // The header lines and a full page of rows end inside the printable part of the sheet
        // at any top margin; a taller screen line is drawn closer.
        const int room = printableBand(0, page_.pageLength, page_.dpiY).bottom -
                         pageTopOf(0, page_.pageLength, page_.dpiY, page_.topMargin);
        page_.lineHeight = static_cast<std::uint16_t>(lineHeightToFit(
            page_.lineHeight, room, kFirstRowLine + std::max(rowsPerPage, kSummaryLines)));
        columns_ = columnsOf(page_);
        page_.title =
            res::format(res::kAveragesTitle, res::monthNameAccusative(doc_.calendar.reportMonth));
        page_.subtitle = subtitleOf(doc_, args_);

        const std::vector<int> rows = averagesRows(doc_, args_);
        const int pages = averagesPageCount(static_cast<int>(rows.size()), rowsPerPage);
        context_.pageCount = pages;
        context_.pagesUsed = pages;

        startPage(0);
        int line = kFirstRowLine;
        for (int row : rows) {
            if (line - kFirstRowLine == rowsPerPage) {
                drawGrid(line);
                startPage(pageIndex_ + 1);
                line = kFirstRowLine;
            }
            drawRow(row, line++);
        }
        drawGrid(line);
        if (pageIndex_ + 1 < pages) {
            startPage(pageIndex_ + 1);
            line = kFirstRowLine;
        } else {
            ++line;
        }
        drawSummary(line);
    }

private:
    // col0 2.5 inches right of the margin, then 13/16 of an inch apart.
    static std::array<int, 7> columnsOf(const ReportPage& page) {
        std::array<int, 7> c{};
        c[0] = page.left + 25 * (page.dpiX / 10);
        for (std::size_t i = 1; i < c.size(); ++i)
            c[i] = c[i - 1] + page.dpiX * 3 / 4 + page.dpiX / 16;
        return c;
    }
    int valueX(std::size_t v) const { return columns_[v + 1] + page_.dpiX / 15; }
    int gridX(std::size_t c) const { return columns_[c] + page_.dpiX / 10; }

    // Placements, videos and return visits are not asked on the new form.
    bool shown(std::size_t v) const {
        return !newForm_ || v == columnIndex(ReportColumn::Hours) ||
               v == columnIndex(ReportColumn::Studies);
    }

    void select(FontRole role) {
        selectReportFont(surface_, role, *context_.fonts, page_, context_.page);
    }
    void text(int x, int line, std::string_view s, Align align = Align::Left) {
        surface_.drawText(x, rowY(page_, line), s, align, VAlign::Top);
    }

    void startPage(int index) {
        pageIndex_ = index;
        setPageIndex(page_, index);
        drawPageHeader(surface_, page_, *context_.fonts, context_.page, context_.header);
        std::vector<std::string_view> names;
        std::vector<int> edges;
        const auto headings = reportValueHeadings();
        for (std::size_t v = 0; v < kValues; ++v) {
            if (!shown(v)) continue;
            names.push_back(headings[v]);
            edges.push_back(columns_[v + 1]);
        }
        drawColumnHeadings(surface_, page_, *context_.fonts, context_.page, names, edges);
        select(FontRole::Small);  // the rows' font, chosen once a page
    }

    // The grid of the page's rows, from the headings' line to `endLine`.
    void drawGrid(int endLine) {
        if (!context_.page.gridLines) return;
        std::vector<int> xs;
        for (std::size_t c = 0; c <= kValues; ++c) xs.push_back(gridX(c));
        const int first = kFirstRowLine - 1;
        reports::drawGrid(surface_, gridFrameFor(page_, first, endLine - first, xs));
    }

    void drawValueLineGrid(int line) {
        if (!context_.page.gridLines) return;
        std::vector<int> xs;
        for (std::size_t c = 0; c <= kValues; ++c) xs.push_back(gridX(c));
        reports::drawGrid(surface_, gridFrameFor(page_, line, 1, xs));
    }

    void drawValues(const std::array<ThreeSix, kValues>& values, int line) {
        for (std::size_t v = 0; v < kValues; ++v)
            if (shown(v)) text(valueX(v), line, threeSix(values[v]), Align::Right);
    }

    void drawRow(int row, int line) {
        const CalendarState& cal = doc_.calendar;
        const auto category =
            static_cast<std::size_t>(doc_.pioneerKindOf(row, cal.reportMonth, cal.reportSlot()));
        ++tally_.rows[category];
        // The name ends before the first value column's line.
        const int nameRoom = gridX(0) - surface_.averageCharWidth() - page_.left;
        text(page_.left, line, fitText(surface_, cp1253::toUtf8(doc_.displayName(row)), nameRoom));
        std::array<ThreeSix, kValues> values{};
        for (std::size_t v = 0; v < kValues; ++v) {
            values[v] = publisherAverages(doc_, row, kReportColumns[v]);
            tally_.sums[category][v].three += values[v].three;
            tally_.sums[category][v].six += values[v].six;
        }
        drawValues(values, line);
        if (irregularMask(doc_, row) != 0) {
            text(columns_[5] + page_.dpiX / 5, line, res::kAveragesIrregularMark, Align::Right);
            ++tally_.irregular[category];
        }
    }

    ThreeSix reportAverages(int category, ReportColumn column) const {
        const ReportFilter filter{category, args_.group, args_.privilegeFilter};
        return {reportAverage(doc_, filter, 3, column), reportAverage(doc_, filter, 6, column)};
    }

    // The set's averages: of the publishers' averages, or for the pioneers' report those of
    // every report they made.
    std::array<ThreeSix, kValues> setAverages(int counted) const {
        std::array<ThreeSix, kValues> out{};
        for (std::size_t v = 0; v < kValues; ++v) {
            if (args_.pioneerFilter != 0) {
                out[v] = reportAverages(args_.pioneerFilter, kReportColumns[v]);
                continue;
            }
            for (std::size_t c = 0; c < kCountedCategories; ++c) {
                out[v].three += tally_.sums[c][v].three;
                out[v].six += tally_.sums[c][v].six;
            }
            out[v].three /= counted;
            out[v].six /= counted;
        }
        return out;
    }

    void drawSummary(int line) {
        select(FontRole::Small);
        const int counted = tally_.counted();
        const std::string_view label =
            wholeCongregation(args_) ? res::kCongregation : res::kGroupWord;
        text(page_.left, line, std::string(label) + " " + std::string(res::kAverageShort));
        if (counted > 0) drawValues(setAverages(counted), line);
        drawValueLineGrid(line);

        static constexpr std::array<std::string_view, kCountedCategories> kLabels{
            res::kCategoryPublishers, res::kCategoryAuxiliary, res::kCategoryRegular};
        for (int c = 0; c < kCountedCategories && args_.pioneerFilter == 0; ++c) {
            // A category the congregation has had no report of in six months is left out.
            if (reportCount(doc_, {c, 0, 0}, 6) == 0) continue;
            line += 2;
            text(page_.left, line, kLabels[static_cast<std::size_t>(c)]);
            char count[16];
            std::snprintf(count, sizeof count, "%4d", tally_.rows[static_cast<std::size_t>(c)]);
            text(page_.left + page_.dpiX, line, count);
            std::array<ThreeSix, kValues> values{};
            for (std::size_t v = 0; v < kValues; ++v)
                values[v] = reportAverages(c, kReportColumns[v]);
            drawValues(values, line);
            drawValueLineGrid(line);
        }

        line += 2;
        const int labelX = page_.left + page_.dpiX / 2;
        text(labelX, line, res::kSummaryPublishers);
        text(columns_[0], line, std::to_string(counted), Align::Right);
        const int irregular = tally_.countedIrregular();
        if (irregular > 0) {
            text(labelX, line + 1, res::kSummaryIrregular);
            text(columns_[0], line + 1, std::to_string(irregular), Align::Right);
            char percent[32];
            std::snprintf(percent, sizeof percent, "( %2.0f%c )", irregular * 100.0 / counted, '%');
            text(gridX(0) + surface_.averageCharWidth(), line + 1, percent);
        }
        if (context_.page.gridLines)
            reports::drawGrid(
                surface_, gridFrameFor(page_, line, irregular > 0 ? 2 : 1, {gridX(0), gridX(1)}));
    }

    const CZelvoDoc& doc_;
    Surface& surface_;
    const AveragesArgs& args_;
    ReportContext& context_;
    const bool newForm_;
    ReportPage page_;
    std::array<int, 7> columns_{};
    Tally tally_;
    int pageIndex_ = 0;
};

}  // namespace

std::optional<AveragesArgs> averagesArgsFor(int kind, int group) {
    switch (static_cast<ReportKind>(kind)) {
        case ReportKind::AveragesCongregation:
            return AveragesArgs{};
        case ReportKind::AveragesGroup:
            return AveragesArgs{group, 0, 0};
        case ReportKind::AveragesRegularPioneers:
            return AveragesArgs{0, kRegularPioneer, 0};
        case ReportKind::AveragesElders:
            return AveragesArgs{0, 0, privilege::kElder};
        case ReportKind::AveragesServants:
            return AveragesArgs{0, 0, privilege::kServant};
        case ReportKind::AveragesBaptizedBrothers:
            return AveragesArgs{0, 0, privilege::kBaptizedBrother};
        case ReportKind::AveragesCustomCategory:
            return AveragesArgs{0, 0, privilege::kCustomCategory};
        default:
            return std::nullopt;
    }
}

std::vector<int> averagesRows(const CZelvoDoc& doc, const AveragesArgs& args) {
    std::vector<int> rows;
    for (const IndexEntry& e : doc.kindLists[kPublisher])
        if (matchesRow(doc, e.recordIndex, args)) rows.push_back(e.recordIndex);
    return rows;
}

int averagesPageCount(int rows, int rowsPerPage) {
    rowsPerPage = std::max(rowsPerPage, 1);
    const int last = rows % rowsPerPage;
    const bool ownPage = last > kOwnSummaryPageAfter || last + kSummaryLines > rowsPerPage;
    return pageCountFor(rows, rowsPerPage, ownPage ? 1 : 0);
}

void drawAveragesReport(const CZelvoDoc& doc, Surface& surface, const AveragesArgs& args,
                        ReportContext& context) {
    context.pageCount = 1;
    if (context.fonts == nullptr) return;
    AveragesReport report(doc, surface, args, context);
    report.draw();
}

}  // namespace zelvo::reports
