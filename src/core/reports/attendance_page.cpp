#include "reports/attendance_page.h"

#include <array>
#include <string>

#include "reporting/attendance_record.h"
#include "reports/page_header.h"
#include "resources/language_table.h"
#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/zelvo_doc.h"

namespace zelvo::reports {

namespace {

using reporting::AttendanceRecordBlock;

// The headings of the printed page: Times New Roman, 15 points, bold, made for the surface like
// the report fonts.
void selectHeadingFace(Surface& surface, const ReportPage& page, const ReportContext& context) {
    LogicalFont f;
    f.height = -15 * context.page.screenDpiY / 72;
    f.weight = 700;
    f.charSet = reportFontCharset(context.header.languageWord);
    f.faceName = "Times New Roman";
    surface.selectFont(FontRole::Fixed, fontForSurface(f, page.printing, context.page));
}

std::string meetingTitle(const CZelvoDoc& doc, int meeting) {
    const std::string title =
        doc.meetings[static_cast<std::size_t>(meeting)].text(MeetingAttendance::kTitle);
    if (!title.empty()) return cp1253::toUtf8(title);
    return std::string(meeting == 0 ? res::kMidweekMeeting : res::kWeekendMeeting);
}

// One service year from column x0: caption, headings on two lines, twelve months, the average.
void drawBlock(Surface& surface, const ReportPage& page, const ReportContext& context,
               const AttendanceRecordBlock& block, int x0, int line) {
    const ReportFonts& fonts = *context.fonts;
    const std::array<int, 3> columns{x0 + page.dpiX * 2, x0 + page.dpiX * 13 / 5,
                                     x0 + page.dpiX * 33 / 10};
    selectReportFont(surface, FontRole::Heading, fonts, page, context.page);
    surface.drawText(x0, rowY(page, line), reporting::serviceYearCaption(block), Align::Left,
                     VAlign::Top);
    const std::array<std::string_view, 3> headings{
        res::kAttendanceHeldHeading, res::kAttendanceTotalLabel, res::kAttendanceAverageLabel};
    for (std::size_t c = 0; c < headings.size(); ++c) {
        const auto [first, second] = reporting::splitHeading(headings[c]);
        surface.drawText(columns[c], rowY(page, line + 1), first, Align::Right, VAlign::Top);
        surface.drawText(columns[c], rowY(page, line + 2), second, Align::Right, VAlign::Top);
    }
    selectReportFont(surface, FontRole::Text, fonts, page, context.page);
    int row = line + 3;
    for (const auto& r : block.rows) {
        const int y = rowY(page, row++);
        surface.drawText(x0, y, res::monthName(r.month), Align::Left, VAlign::Top);
        if (!r.shown) continue;
        const std::array<std::string, 3> values{std::to_string(r.held), std::to_string(r.total),
                                                reporting::averageText(r.average)};
        for (std::size_t c = 0; c < values.size(); ++c)
            surface.drawText(columns[c], y, values[c], Align::Right, VAlign::Top);
    }
    const int y = rowY(page, row);
    surface.drawText(x0, y, res::kAttendanceMonthlyAveragePaper, Align::Left, VAlign::Top);
    surface.drawText(columns[2], y, reporting::averageText(block.monthlyAverage), Align::Right,
                     VAlign::Top);
    if (context.page.gridLines) {
        const int cell = page.dpiX / 10;
        drawGrid(surface, gridFrameFor(page, line + 3, 12,
                                       {x0 - cell, columns[0] - page.dpiX * 3 / 4 + cell,
                                        columns[0] + cell, columns[1] + cell, columns[2] + cell}));
    }
}

}  // namespace

int drawAttendanceTitle(Surface& surface, const ReportPage& page, const ReportContext& context,
                        int line) {
    selectHeadingFace(surface, page, context);
    surface.drawText(page.dpiX * 17 / 4, rowY(page, line), res::kAttendancePrintTitle,
                     Align::Centre, VAlign::Top);
    return line + 2;
}

int drawAttendanceTable(const CZelvoDoc& doc, Surface& surface, const ReportPage& page,
                        const ReportContext& context, int meeting, int line) {
    selectHeadingFace(surface, page, context);
    surface.drawText(page.left, rowY(page, line), meetingTitle(doc, meeting), Align::Left,
                     VAlign::Top);
    const auto blocks = reporting::attendanceRecord(doc, meeting);
    drawBlock(surface, page, context, blocks[0], page.left, line + 2);
    drawBlock(surface, page, context, blocks[1], page.left + page.dpiX * 37 / 10, line + 2);
    return line + kAttendanceTableLines;
}

void drawAttendanceRecordPage(const CZelvoDoc& doc, Surface& surface, ReportContext& context) {
    context.pageCount = 1;
    context.pagesUsed = 1;
    if (context.fonts == nullptr) return;
    ReportPage page = beginReport(surface, *context.fonts, context.page);
    // The page holds both tables whatever the fonts: lines close up when they must.
    page.lineHeight = static_cast<std::uint16_t>(lineHeightToFit(
        page.lineHeight, page.linesPerPage * page.lineHeight, 2 + 2 * kAttendanceTableLines));
    int line = drawAttendanceTitle(surface, page, context, 0);
    for (int meeting = 0; meeting < 2; ++meeting)
        line = drawAttendanceTable(doc, surface, page, context, meeting, line);
}

}  // namespace zelvo::reports
