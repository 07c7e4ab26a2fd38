// The 24-month attendance export: one line per month of each meeting, for spreadsheets.
#pragma once

#include <filesystem>
#include <string>

namespace zelvo {
class CZelvoDoc;
}

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

}  // namespace zelvo::reporting
