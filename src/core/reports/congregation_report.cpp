#include "reports/congregation_report.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

#include "records/group_caption.h"
#include "reports/attendance_page.h"
#include "reports/branch_block.h"
#include "reports/hours_averages.h"
#include "reports/meeting_block.h"
#include "reports/text_fit.h"
#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/zelvo_doc.h"

namespace zelvo::reports {

namespace {

constexpr std::size_t kHours = columnIndex(ReportColumn::Hours);
constexpr std::size_t kStudies = columnIndex(ReportColumn::Studies);
constexpr int kGroupStartLine = 1;         // lines counted before a group's first row
constexpr int kCongregationStartLine = 5;  // … and before the congregation's
constexpr int kSummaryLines = 15;          // the summary needs this much room after the rows
constexpr int kBranchPageAfterLine = 18;   // the branch block starts a page below this line

// Counts lines as the page count does and says where each block goes. Every page counts its
// header as the first page does; a block that would take the count past the lines of a page
// starts the next page at the first row line and is counted there with all its lines, so a page
// that begins with a heading, a row, its remark and its late reports holds no more than any other.
class LineCursor {
public:
    struct Place {
        int page = 0;
        int line = 0;
    };

    LineCursor(int linesPerPage, int start)
        : linesPerPage_(linesPerPage), start_(start), counted_(start) {}

    Place place(int lines) {
        // A page that holds nothing yet takes even a block longer than a page.
        if (counted_ + lines > linesPerPage_ && line_ > kFirstRowLine) {
            ++page_;
            counted_ = start_;
            line_ = kFirstRowLine;
        }
        counted_ += lines;
        const Place p{page_, line_};
        line_ += lines;
        return p;
    }
    int page() const { return page_; }
    int line() const { return line_; }
    int counted() const { return counted_; }

    // The last line the rows of a page reach; the summary and the inactive list stay above it too.
    static int lastLine(int linesPerPage, int start) {
        return kFirstRowLine + linesPerPage - start - 1;
    }

private:
    int linesPerPage_;
    int start_;
    int counted_;
    int page_ = 0;
    int line_ = kFirstRowLine;
};

// Walks the sections as their lines fall on the pages. A heading is placed together with its
// first row, so that no heading is left alone at the foot of a page.
template <typename OnHeading, typename OnRow>
void layOutSections(const CZelvoDoc& doc, const std::vector<AnalysisSection>& sections,
                    LineCursor& cursor, OnHeading onHeading, OnRow onRow) {
    for (const AnalysisSection& section : sections) {
        bool headingDue = !section.heading.empty();
        if (headingDue && section.rows.empty()) {
            onHeading(section, cursor.place(1));
            continue;
        }
        for (int row : section.rows) {
            const int lines = analysisLines(doc, row);
            if (headingDue) {
                LineCursor::Place at = cursor.place(1 + lines);
                onHeading(section, at);
                ++at.line;
                onRow(row, at);
                headingDue = false;
            } else {
                onRow(row, cursor.place(lines));
            }
        }
    }
}

int inactiveLines(int members) {
    return members / 3 + (members % 3 != 0 ? 1 : 0) + 1;
}

std::string formatted(const char* format, double a, double b) {
    char buf[64];
    std::snprintf(buf, sizeof buf, format, a, b);
    return buf;
}

std::string formatted(const char* format, double a) {
    char buf[64];
    std::snprintf(buf, sizeof buf, format, a);
    return buf;
}

std::string reportTitle(const CZelvoDoc& doc, const CongregationArgs& args) {
    const int month = doc.calendar.reportMonth;
    if (args.group >= 1) {
        const std::string_view ofMonth = res::monthNameGenitive(month);
        if (groupHasOwnName(doc.groups, args.group))
            return res::format(res::kGroupAnalysisTitleName, ofMonth,
                               groupCaption(doc.groups, args.group));
        return res::format(res::kGroupAnalysisTitleNumber, ofMonth, std::to_string(args.group));
    }
    std::string title =
        res::format(args.mode == CongregationMode::Totals ? res::kTotalsTitle : res::kAnalysisTitle,
                    res::monthNameAccusative(month));
    if (!doc.settings.congregationName.empty())
        title += std::string(res::kNameJoin) + cp1253::toUtf8(doc.settings.congregationName);
    return title;
}

class CongregationReport {
public:
    CongregationReport(CZelvoDoc& doc, Surface& surface, const CongregationArgs& args,
                       ReportContext& context)
        : doc_(doc),
          surface_(surface),
          args_(args),
          context_(context),
          fonts_(*context.fonts),
          newForm_(doc.calendar.newReportForm != 0) {}

    void draw() {
        const int linesPerPage = congregationLinesPerPage(surface_, context_);
        page_ = beginReport(surface_, fonts_, context_.page);
        page_.linesPerPage = linesPerPage;
        lastLine_ = LineCursor::lastLine(linesPerPage, startCount());
        fitLinesToThePage();
        page_.columns = analysisColumns(page_);
        page_.title = reportTitle(doc_, args_);
        if (forGroup()) page_.subtitle = overseerTitle(doc_, args_.group);

        if (args_.mode == CongregationMode::Meetings) {
            startPage(0, false);
            drawAttendanceBody(drawMeetingBlock(doc_, surface_, page_, context_, 2) + 1);
            return;
        }
        const std::vector<AnalysisSection> sections =
            analysisSections(doc_, args_.group, args_.order);
        const std::vector<int> inactive =
            forGroup() ? groupInactiveRows(doc_, args_.group) : std::vector<int>{};
        if (args_.mode == CongregationMode::Analysis)
            context_.pageCount = analysisPageCount(doc_, sections, args_.group, linesPerPage);

        startPage(0, true);
        int line = kFirstRowLine;
        if (args_.mode == CongregationMode::Analysis) {
            line = drawRows(sections) + 1;
            if (counted_ + (forGroup() ? inactiveLines(static_cast<int>(inactive.size())) : 0) >
                linesPerPage - kSummaryLines) {
                startPage(pageIndex_ + 1, true);
                line = kFirstRowLine;
            }
        } else {
            for (const AnalysisSection& section : sections)
                for (int row : section.rows) tally_.add(doc_, analysisRow(doc_, row));
        }
        line = drawTotals(line);
        line = drawSummary(line);
        if (forGroup()) {
            drawInactive(inactive, line + 1);
            return;
        }
        if (line > kBranchPageAfterLine) {
            startPage(pageIndex_ + 1, false);
            line = 2;
        } else {
            ++line;
        }
        line = drawBranchBlock(doc_, surface_, page_, context_, line);
        drawMeetingBlock(doc_, surface_, page_, context_, line + 1);
    }

    int pagesDrawn() const { return pageIndex_ + 1; }

private:
    // The attendance record of both meetings; a table that does not fit goes on the next page.
    void drawAttendanceBody(int line) {
        line = drawAttendanceTitle(surface_, page_, context_, line);
        for (int meeting = 0; meeting < 2; ++meeting) {
            if (line + kAttendanceTableLines > page_.linesPerPage) {
                startPage(pageIndex_ + 1, false);
                line = 2;
            }
            line = drawAttendanceTable(doc_, surface_, page_, context_, meeting, line);
        }
    }

    bool forGroup() const { return args_.group >= 1; }
    int startCount() const { return forGroup() ? kGroupStartLine : kCongregationStartLine; }

    // The lines are counted at the printer's resolution; a surface whose own line is taller (a
    // screen font with leading) draws them closer, so the last line still ends inside the page.
    void fitLinesToThePage() {
        const int room = printableBand(0, page_.pageLength, page_.dpiY).bottom -
                         pageTopOf(0, page_.pageLength, page_.dpiY, page_.topMargin);
        page_.lineHeight =
            static_cast<std::uint16_t>(lineHeightToFit(page_.lineHeight, room, lastLine_ + 1));
    }
    int y(int line) const { return rowY(page_, line); }
    int column(std::size_t c) const { return page_.columns[c]; }
    void select(FontRole role) { selectReportFont(surface_, role, fonts_, page_, context_.page); }
    void text(int x, int line, std::string_view s, Align align = Align::Left) {
        if (!s.empty()) surface_.drawText(x, y(line), s, align, VAlign::Top);
    }

    // The header of page `index`: title, date stamp and subtitle; on analysis pages the column
    // headings and the averages' heading too.
    void startPage(int index, bool headings) {
        pageIndex_ = index;
        setPageIndex(page_, index);
        HeaderOptions header = context_.header;
        header.dateStampX = page_.dpiX * 29 / 4;
        drawPageHeader(surface_, page_, fonts_, context_.page, header);
        if (forGroup()) {
            const std::string assistant =
                doc_.groups.text(ServiceGroupTable::assistantField(args_.group));
            if (assistant.find_first_not_of(' ') != std::string::npos)
                surface_.drawText(page_.left + page_.dpiX * 7 / 2,
                                  page_.pageTop + page_.lineHeight / 2,
                                  std::string(res::kAssistantWord) + std::string(res::kLabelJoin) +
                                      cp1253::toUtf8(assistant),
                                  Align::Left, VAlign::Top);
        }
        if (!headings) return;
        std::vector<std::string_view> names;
        std::vector<int> edges;
        const auto all = reportValueHeadings();
        for (std::size_t v = 0; v < kReportColumns.size(); ++v) {
            if (newForm_ && v != kHours && v != kStudies) continue;
            names.push_back(all[v]);
            edges.push_back(column(v));
        }
        drawColumnHeadings(surface_, page_, fonts_, context_.page, names, edges);
        text(column(kAveragesColumn), 2, res::kHeadingHoursAverage, Align::Right);
        text(column(kAveragesColumn), 3, res::kHeadingThreeSixMonths, Align::Right);
    }

    // The rows, section by section; returns the first line after them.
    int drawRows(const std::vector<AnalysisSection>& sections) {
        LineCursor cursor(page_.linesPerPage, startCount());
        layOutSections(
            doc_, sections, cursor,
            [&](const AnalysisSection& section, LineCursor::Place at) {
                if (at.page != pageIndex_) startPage(at.page, true);
                select(FontRole::Heading);
                text(page_.left, at.line, section.heading);
            },
            [&](int row, LineCursor::Place at) {
                const AnalysisRow a = analysisRow(doc_, row);
                tally_.add(doc_, a);
                if (at.page != pageIndex_) startPage(at.page, true);
                drawRow(a, at.line);
            });
        counted_ = cursor.counted();
        return cursor.line();
    }

    void drawValues(const std::array<std::string, 5>& values, int line) {
        for (std::size_t v = 0; v < 5; ++v) text(column(v), line, values[v], Align::Right);
    }

    // The name ends before the first value column shown: a column spacing left of its edge.
    int nameRoom() const {
        const std::size_t first = newForm_ ? kHours : 0;
        return column(first) - page_.dpiX * 9 / 16 - page_.left;
    }

    void drawRow(const AnalysisRow& a, int line) {
        select(FontRole::Text);
        text(page_.left, line, fitText(surface_, a.name, nameRoom()));
        drawValues(a.values, line);
        text(column(kAveragesColumn), line, a.averages, Align::Right);
        text(column(kMarksColumn), line, a.marks);
        const int indent = page_.left + page_.dpiY / 2;
        if (!a.remark.empty()) text(indent, ++line, a.remark);
        for (const LateLine& late : a.late) {
            text(indent, ++line, late.month);
            drawValues(late.values, line);
        }
    }

    // What a category shows: the new form asks publishers for studies only, pioneers for hours
    // and studies.
    bool shown(int category, std::size_t value) const {
        if (!newForm_) return true;
        return value == kStudies || (value == kHours && category != 0);
    }

    std::string threeSix(int category) const {
        const ReportFilter filter{category, args_.group, 0};
        return formatted("%7.1f/%4.1f", reportAverage(doc_, filter, 3, ReportColumn::Hours),
                         reportAverage(doc_, filter, 6, ReportColumn::Hours));
    }

    // Totals and averages (old form only), then a line per category with reports.
    int drawTotals(int line) {
        select(FontRole::Text);
        const CategoryTally all = tally_.all();
        if (!newForm_) {
            text(page_.left, line, forGroup() ? res::kGroupWord : res::kCongregation);
            text(page_.left, line + 1, res::kAverageShort);
            for (std::size_t v = 0; v < 5; ++v) {
                const long total = v == kHours ? all.hours() : all.totals[v];
                text(column(v), line, std::to_string(total), Align::Right);
                const double average =
                    all.reports() > 0 ? static_cast<double>(total) / all.reports() : 0.0;
                text(column(v), line + 1, formatted("%6.1f", average), Align::Right);
            }
            text(column(kAveragesColumn), line + 1, threeSix(kAnyCategory), Align::Right);
            line += 3;
        }
        static constexpr std::array<std::string_view, 4> kLabels{
            res::kCategoryPublishers, res::kCategoryAuxiliary, res::kCategoryRegular,
            res::kCategorySpecial};
        for (int c = 0; c < 4; ++c) {
            const CategoryTally& t = tally_.categories[static_cast<std::size_t>(c)];
            if (t.reports() == 0) continue;
            text(page_.left, line, kLabels[static_cast<std::size_t>(c)]);
            char count[16];
            std::snprintf(count, sizeof count, "%4d", t.reports());
            text(page_.left + page_.dpiX, line, count);
            for (std::size_t v = 0; v < 5; ++v) {
                if (!shown(c, v)) continue;
                const long total = v == kHours ? t.hours() : t.totals[v];
                text(column(v), line, formatted("%6.1f", static_cast<double>(total) / t.reports()),
                     Align::Right);
            }
            text(column(kAveragesColumn), line, threeSix(c), Align::Right);
            ++line;
        }
        return line + 1;
    }

    struct SummaryItem {
        std::string_view mark;
        std::string_view label;
        int count = 0;
        bool percent = true;
    };

    // Two columns 3.5 inches apart: hour bands on the left, marks on the right.
    int drawSummary(int line) {
        select(FontRole::Text);
        const CategoryTally all = tally_.all();
        std::vector<SummaryItem> left{{{}, res::kSummaryPublishers, all.rows, false}};
        if (!newForm_) {
            left.push_back({{}, res::kSummaryUnderFive, tally_.underFive});
            left.push_back({{}, res::kSummaryFiveToNine, tally_.fiveToNine});
            left.push_back({{}, res::kSummaryTenOrMore, tally_.tenOrMore});
            left.push_back({{}, res::kSummaryUnderOneHour, tally_.underOneHour});
        }
        const std::vector<SummaryItem> right{
            {res::kMarkAuxiliaryPioneer, res::kSummaryAuxiliary, tally_.auxiliary},
            {res::kMarkIrregular, res::kSummaryIrregular, all.irregular},
            {res::kMarkNoReport, res::kSummaryNoReport, all.noReport},
            {res::kMarkUnbaptized, res::kSummaryUnbaptized, tally_.unbaptized}};
        const int width = surface_.averageCharWidth();
        const auto item = [&](const SummaryItem& s, int x, int at) {
            text(x, at, s.mark);
            text(x + page_.dpiY / 3, at, s.label);
            text(x + 32 * width, at, std::to_string(s.count), Align::Right);
            if (!s.percent) return;
            char buf[16];
            std::snprintf(buf, sizeof buf, "%2.0f%c",
                          all.rows > 0 ? s.count * 100.0 / all.rows : 0.0, '%');
            text(x + 39 * width, at, buf, Align::Right);
        };
        const std::size_t rows = std::max(left.size(), right.size());
        for (std::size_t i = 0; i < rows; ++i, ++line) {
            if (i < left.size()) item(left[i], page_.left, line);
            if (i < right.size()) item(right[i], page_.left + page_.dpiX * 7 / 2, line);
        }
        return line;
    }

    // Three names a line, each inside its column; a list longer than the page goes on over the
    // next pages.
    void drawInactive(const std::vector<int>& rows, int line) {
        select(FontRole::Text);
        text(page_.left, line, std::string(res::kInactiveWord) + " " + std::to_string(rows.size()));
        const int spacing = page_.dpiX * 7 / 3;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (i % 3 == 0 && ++line > lastLine_) {
                startPage(pageIndex_ + 1, false);
                select(FontRole::Text);
                line = kFirstRowLine;
            }
            const int room = spacing - surface_.averageCharWidth();
            text(page_.left + static_cast<int>(i % 3) * spacing, line,
                 fitText(surface_, cp1253::toUtf8(doc_.displayName(rows[i])), room));
        }
    }

    CZelvoDoc& doc_;
    Surface& surface_;
    const CongregationArgs& args_;
    ReportContext& context_;
    const ReportFonts& fonts_;
    const bool newForm_;
    ReportPage page_;
    AnalysisTally tally_;
    int pageIndex_ = 0;
    int counted_ = 0;
    int lastLine_ = kFirstRowLine;
};

}  // namespace

std::vector<std::uint16_t> analysisColumns(const ReportPage& page) {
    std::vector<std::uint16_t> columns;
    const auto at = [](int x) { return static_cast<std::uint16_t>(std::clamp(x, 0, 0xFFFF)); };
    const int first = page.left + page.dpiX * 5 / 2;
    for (int v = 0; v < 5; ++v) columns.push_back(at(first + v * page.dpiX * 9 / 16));
    const int averages = first + 4 * page.dpiX * 9 / 16 + page.dpiX * 9 / 8;
    columns.push_back(at(averages));
    columns.push_back(at(averages + page.dpiX / 8));
    return columns;
}

int congregationLinesPerPage(Surface& surface, const ReportContext& context) {
    const PageSettings& s = context.page;
    surface.selectFont(FontRole::Text,
                       fontForSurface(context.fonts->font(FontRole::Text), true, s));
    const int lineHeight =
        lineHeightFor(s.printerDpiY, surface.charHeight(), surface.externalLeading(), s.gridLines);
    return context.isA4 ? linesPerA4AnalysisPage(s.printerDpiY, lineHeight)
                        : linesPerPage(s.printerDpiY, lineHeight);
}

std::vector<int> groupInactiveRows(const CZelvoDoc& doc, int group) {
    std::vector<int> rows;
    for (const IndexEntry& e : doc.kindLists[kInactive]) {
        const PublisherRecord& r = doc.publishers[e.recordIndex];
        if (r.groupNumber() == group && (r.privileges() & privilege::kLeftOutOfGroupLists) == 0)
            rows.push_back(e.recordIndex);
    }
    return rows;
}

int analysisPageCount(const CZelvoDoc& doc, const std::vector<AnalysisSection>& sections, int group,
                      int linesPerPage) {
    LineCursor cursor(linesPerPage, group >= 1 ? kGroupStartLine : kCongregationStartLine);
    layOutSections(
        doc, sections, cursor, [](const AnalysisSection&, LineCursor::Place) {},
        [](int, LineCursor::Place) {});
    int pages = cursor.page() + 1;
    int counted = cursor.counted();
    if (group >= 1)
        counted += inactiveLines(static_cast<int>(groupInactiveRows(doc, group).size()));
    if (counted > linesPerPage - kSummaryLines) ++pages;
    if (counted + 8 > linesPerPage - 11 || group < 1) ++pages;
    return pages;
}

void drawCongregationReport(CZelvoDoc& doc, Surface& surface, const CongregationArgs& args,
                            ReportContext& context) {
    context.pageCount = 1;
    if (doc.kindLists[kPublisher].empty() || context.fonts == nullptr) return;
    if (args.group >= 1 && args.group > doc.groups.groupCount()) return;
    CongregationReport report(doc, surface, args, context);
    report.draw();
    // Whatever the count foresaw, every page drawn is a page of the report.
    context.pageCount = std::max(context.pageCount, report.pagesDrawn());
    context.pagesUsed = report.pagesDrawn();
}

}  // namespace zelvo::reports
