// The texts of the hours reports, the service-year totals and the pioneer hours report.
// Part of the string table: include resources/strings.h.
#pragma once

#include <string_view>

#include "resources/strings_privileges.h"
#include "resources/strings_reports.h"

namespace zelvo::res {

// %1 the report month, as monthNameAccusative gives it.
inline constexpr std::string_view kHoursReportTitle = "Ώρες για 12 μήνες που τελειώνουν τον %1";
// %1 the report month's name.
inline constexpr std::string_view kYearTotalsTitle =
    "Σύνολα για το Υπηρεσιακό Έτος  Σεπτέμβριος - %1";

// Who a report lists, under its title.
inline constexpr std::string_view kSubtitleRegularPioneers = kRegularPioneersTitle;
inline constexpr std::string_view kSubtitleAuxiliaryPioneers = kAuxiliaryPioneersTitle;
inline constexpr std::string_view kSubtitleEldersAndServants = "Πρεσβύτεροι & Διακονικοί Υπηρέτες";
inline constexpr std::string_view kSubtitleBaptizedBrothers = "Βαφτισμένοι Αδελφοί";

// The pioneer hours report's headings, after "Όνομα".
inline constexpr std::string_view kHeadingYearRequirement = "Υπ.Ετος";
inline constexpr std::string_view kHeadingPerMonth = "Το Μήνα";
inline constexpr std::string_view kHeadingRemaining = "Απομένουν";
// After the name of a pioneer whose run began after September, and before the note.
inline constexpr std::string_view kLateStartMark = " *";
inline constexpr std::string_view kLateStartNote =
    " * Εγγεγραμμένος σαν σκαπανέας τον Οκτώβριο ή αργότερα.";

}  // namespace zelvo::res
