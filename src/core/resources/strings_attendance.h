// The texts of the meeting attendance: the entry dialog, the attendance record on screen and on
// paper, and the export. Part of the string table: include resources/strings.h.
#pragma once

#include <string_view>

namespace zelvo::res {

// The entry dialog. %1 the month's name, %2 the four-digit year.
inline constexpr std::string_view kAttendanceEntryTitle = "Παρόντες Συναθροίσεων  - %1 - %2";
inline constexpr std::string_view kAttendanceMidweekBox = " Μεσοβδόμαδη Συνάθροιση ";
inline constexpr std::string_view kAttendanceWeekendBox = " Συνάθροιση Σαββατοκύριακου ";
inline constexpr std::string_view kAttendanceTotalLabel = "Σύνολο";
inline constexpr std::string_view kAttendanceAverageLabel = "Μέσος Όρος";
// The next-month tick: %1 the month's name, %2 the four-digit year.
inline constexpr std::string_view kAttendanceNextMonth = "%1 - %2";

// The attendance record.
inline constexpr std::string_view kAttendanceRecordTitle =
    "Εκθεση Παρακολούθησης Συναθροίσεων Εκκλησίας";
inline constexpr std::string_view kAttendanceHeldHeading = "Αριθμός Συναθροίσεων";
inline constexpr std::string_view kServiceYearCaption = "Υπηρεσιακό Έτος %1";
inline constexpr std::string_view kAttendanceMonthlyAveragePaper = "Μέσος Όρος παρόντων Κάθε Μήνα";
inline constexpr std::string_view kAttendanceMonthlyAverageScreen = "Συνάθροιση Υπηρεσίας";
inline constexpr std::string_view kAttendancePrintTitle = "ΑΡΙΘΜΟΣ ΠΑΡΟΝΤΩΝ ΣΤΙΣ ΣΥΝΑΘΡΟΙΣΕΙΣ";

// The export.
inline constexpr std::string_view kAttendanceExportName = "Παρόντες Συναθροίσεων";
inline constexpr std::string_view kExportMeetingHeading = "Συνάθροιση";
inline constexpr std::string_view kExportMonthHeading = "Μήνας";
inline constexpr std::string_view kMidweekShort = "Πε.";
inline constexpr std::string_view kWeekendShort = "Επ.";
inline constexpr std::string_view kExportAttendanceTitle = "Εξαγωγή Παρόντων Συναθροίσεων";
inline constexpr std::string_view kCsvFileFilter = "Αρχεία CSV (*.csv)";
inline constexpr std::string_view kExportShowFolder = "Εξαγωγή %1\nΕμφάνιση σε φάκελο?";

// zelvo-cli attendance.
inline constexpr std::string_view kAttendanceWeeksCount =
    "Μια συνάθροιση παίρνει από μία έως πέντε εβδομάδες (%1).";
inline constexpr std::string_view kAttendanceMonthOutside =
    "Ο μήνας %1 δεν είναι ένας από τους μήνες της καταχώρησης παρόντων.";

}  // namespace zelvo::res
