// The attendance record of one meeting: the previous and the current service year, September to
// August, month by month; shown by the record dialog and printed after the meeting block.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <utility>

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::reporting {

struct AttendanceRecordRow {
    int month = 0;       // month index
    bool shown = false;  // the current year shows the months up to the report month
    int held = 0;
    int total = 0;
    double average = 0;
};

struct AttendanceRecordBlock {
    int firstYear = 0;  // four-digit year of its September
    std::array<AttendanceRecordRow, 12> rows{};
    // The mean of the monthly averages of the months held.
    double monthlyAverage = 0;
};

// [0] the previous service year, [1] the current one.
std::array<AttendanceRecordBlock, 2> attendanceRecord(const CZelvoDoc& doc, int meeting);

// "Υπηρεσιακό Έτος 2025 - 2026".
std::string serviceYearCaption(const AttendanceRecordBlock& block);
// A column heading on two lines: split at the first blank after the fourth character, else at
// the first '-'; the whole heading on the first line when neither is there.
std::pair<std::string, std::string> splitHeading(std::string_view heading);
// "%4.2f" of an average.
std::string averageText(double average);

}  // namespace zelvo::reporting
