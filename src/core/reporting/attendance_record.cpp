#include "reporting/attendance_record.h"

#include <cstdio>

#include "reporting/attendance_model.h"
#include "resources/strings.h"
#include "store/zelvo_doc.h"

namespace zelvo::reporting {

namespace {

constexpr int kSeptember = 8;

}  // namespace

std::array<AttendanceRecordBlock, 2> attendanceRecord(const CZelvoDoc& doc, int meeting) {
    const auto& cal = doc.calendar;
    const MeetingAttendance& m = doc.meetings[static_cast<std::size_t>(meeting)];
    const int reportAbs = absoluteMonth(cal.reportYear, cal.reportMonth);
    const int currentStart = reportAbs - (cal.reportMonth - kSeptember + 12) % 12;
    std::array<AttendanceRecordBlock, 2> blocks{};
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        AttendanceRecordBlock& block = blocks[b];
        const int start = currentStart - (b == 0 ? 12 : 0);
        block.firstYear = 2000 + start / 12;
        double sum = 0;
        int counted = 0;
        for (std::size_t i = 0; i < block.rows.size(); ++i) {
            AttendanceRecordRow& row = block.rows[i];
            const int abs = start + static_cast<int>(i);
            row.month = abs % 12;
            row.shown = abs >= 0 && abs <= reportAbs;
            if (!row.shown) continue;
            const int slot = yearSlot(abs / 12);
            row.held = m.value(MeetingAttendance::Held, row.month, slot);
            row.total = m.value(MeetingAttendance::Total, row.month, slot);
            row.average = monthAverage(m, row.month, slot);
            if (row.held == 0) continue;
            sum += row.average;
            ++counted;
        }
        block.monthlyAverage = counted == 0 ? 0.0 : sum / counted;
    }
    return blocks;
}

std::string serviceYearCaption(const AttendanceRecordBlock& block) {
    return res::format(res::kServiceYearCaption, std::to_string(block.firstYear) + " - " +
                                                     std::to_string(block.firstYear + 1));
}

std::pair<std::string, std::string> splitHeading(std::string_view heading) {
    // Counted in characters of UTF-8, not bytes.
    std::size_t characters = 0;
    for (std::size_t i = 0; i < heading.size(); ++i) {
        const auto byte = static_cast<unsigned char>(heading[i]);
        if ((byte & 0xC0) == 0x80) continue;
        ++characters;
        if (characters > 4 && heading[i] == ' ')
            return {std::string(heading.substr(0, i)), std::string(heading.substr(i + 1))};
    }
    if (const auto dash = heading.find('-'); dash != std::string_view::npos)
        return {std::string(heading.substr(0, dash)), std::string(heading.substr(dash + 1))};
    return {std::string(heading), {}};
}

std::string averageText(double average) {
    char text[32];
    std::snprintf(text, sizeof text, "%4.2f", average);
    return text;
}

}  // namespace zelvo::reporting
