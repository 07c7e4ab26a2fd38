// The 24-month attendance export: one line per month of each meeting, for spreadsheets.
#pragma once

#include <filesystem>
#include <string>

namespace zelvo {
class CZelvoDoc;
class UserPrompts;
}  // namespace zelvo

namespace zelvo::reporting {

// The file's text: UTF-8 with a byte-order mark (so spreadsheets take it as UTF-8), CR LF line
// ends; the header, then the 24 months up to the report month of the midweek meeting, oldest
// first, then those of the weekend meeting.
std::string attendanceExportText(const CZelvoDoc& doc);

// "Exports/Παρόντες Συναθροίσεων.csv" in the folder the data are read from.
std::filesystem::path attendanceExportPath(const CZelvoDoc& doc);

// Writes the export to `file`, creating its folder when missing. False when the file could not
// be written (nothing is left half written).
[[nodiscard]] bool writeAttendanceExport(const CZelvoDoc& doc, const std::filesystem::path& file);

// The export command: the save dialog offers the file in the exports folder; a file that cannot
// be written is told; otherwise the question whether to show the folder. The folder to show
// (empty when none: cancelled, failed, or No).
std::filesystem::path exportAttendance(const CZelvoDoc& doc, UserPrompts& prompts);

}  // namespace zelvo::reporting
