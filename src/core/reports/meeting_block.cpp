#include "reports/meeting_block.h"

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/zelvo_doc.h"

namespace zelvo::reports {

namespace {

std::string meetingName(const CZelvoDoc& doc, std::size_t k) {
    const std::string title = doc.meetings[k].text(MeetingAttendance::kTitle);
    if (!title.empty()) return cp1253::toUtf8(title);
    return std::string(k == 0 ? res::kMidweekMeeting : res::kWeekendMeeting);
}

}  // namespace

int drawMeetingBlock(const CZelvoDoc& doc, Surface& surface, const ReportPage& page,
                     const ReportContext& context, int line) {
    const ReportFonts& fonts = *context.fonts;
    const int month = doc.calendar.reportMonth;
    const int slot = doc.calendar.reportSlot();
    const int active = static_cast<int>(doc.kindLists[kPublisher].size());
    const std::array<int, 4> columns{page.columns[0], page.columns[1], page.columns[2],
                                     page.columns[4] + page.dpiX / 4};

    selectReportFont(surface, FontRole::Subtitle, fonts, page, context.page);
    surface.drawText(page.left, rowY(page, line), res::kMeetingReportHeading, Align::Left,
                     VAlign::Top);
    selectReportFont(surface, FontRole::Text, fonts, page, context.page);
    surface.drawText(page.left, rowY(page, line + 1), res::monthName(month), Align::Left,
                     VAlign::Top);
    line += 2;

    const int headingLine = line;
    selectReportFont(surface, FontRole::Heading, fonts, page, context.page);
    const std::array<std::string_view, 4> headings{res::kMeetingsHeld, res::kAttendanceTotal,
                                                   res::kAverageShort, res::kHeadingPercent};
    for (std::size_t c = 0; c < 4; ++c)
        surface.drawText(columns[c], rowY(page, line), headings[c], Align::Right, VAlign::Top);

    selectReportFont(surface, FontRole::Text, fonts, page, context.page);
    for (std::size_t k = 0; k < 2; ++k) {
        ++line;
        const int y = rowY(page, line);
        const MeetingAttendance& m = doc.meetings[k];
        const int average = m.value(MeetingAttendance::Average, month, slot);
        const double percent = active > 0 ? average * 100.0 / active : 0.0;
        char percentText[32];
        std::snprintf(percentText, sizeof percentText, "%6.0f", percent);
        char activeText[16];
        std::snprintf(activeText, sizeof activeText, "%3d", active);
        const std::array<std::string, 4> values{
            std::to_string(m.value(MeetingAttendance::Held, month, slot)),
            std::to_string(m.value(MeetingAttendance::Total, month, slot)), std::to_string(average),
            res::format(res::kMeetingPercentLine, percentText, activeText)};
        surface.drawText(page.left, y, meetingName(doc, k), Align::Left, VAlign::Top);
        for (std::size_t c = 0; c < 4; ++c)
            surface.drawText(columns[c], y, values[c], Align::Right, VAlign::Top);
    }

    if (context.page.gridLines) {
        const int cell = page.dpiX / 10;
        std::vector<int> lines{columns[0] - page.dpiX * 9 / 16 + cell};
        for (int x : columns) lines.push_back(x + cell);
        drawGrid(surface, gridFrameFor(page, headingLine, 3, std::move(lines)));
    }
    return line + 1;
}

}  // namespace zelvo::reports
