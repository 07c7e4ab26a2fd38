// The texts of the history editor and of zelvo-cli history.
// Part of the string table: include resources/strings.h.
#pragma once

#include <string_view>

#include "resources/strings_privileges.h"
#include "resources/strings_records.h"
#include "resources/strings_reporting.h"
#include "resources/strings_reports.h"

namespace zelvo::res {

// The title: %1 the person (or the totals), %2 the month, %3 the year.
inline constexpr std::string_view kHistoryTitle = "%1 - %2 %3";
inline constexpr std::string_view kHistoryCredit = "Πίστωση Σκαπανέα";
inline constexpr std::string_view kHistoryAuxiliary = "Βοηθητικός Σκαπανέας";
inline constexpr std::string_view kHistoryRegular = "Τακτικός σκαπανέας";
inline constexpr std::string_view kHistorySpecial = "Ειδικός σκαπανέας";
inline constexpr std::string_view kHistoryLate = "Καθυστερημένη Έκθεση";
inline constexpr std::string_view kHistoryAdvance = "-> +";
inline constexpr std::string_view kHistoryTotalsTick = kCategoryTotals;
inline constexpr std::string_view kHistoryTotalsNote =
    "Τα σύνολα θα πρέπει να αντιστοιχούν στις μηνιαίες εκθέσεις που υποβάλλονται στο Γραφείο "
    "Τμήματος. Η έκθεση για τους Σκαπανείς πρέπει επίσης να περιλαμβάνει εκθέσεις που "
    "υποβάλλονται απευθείας στο Γραφείο Τμήματος από Ειδικούς Σκαπανείς και Ιεραπόστολους.";
// The categories of the totals mode and the ticks of the pioneers' category.
inline constexpr std::string_view kHistoryPublishers = kPublishersListName;
inline constexpr std::string_view kHistoryAuxiliaries = kAuxiliaryPioneersTitle;
inline constexpr std::string_view kHistoryPioneers = kPioneersSection;
inline constexpr std::string_view kHistoryActive = kActiveWord;
inline constexpr std::string_view kHistoryRegulars = kRegularPioneersTitle;
inline constexpr std::string_view kHistorySpecials = kSpecialPioneersTitle;

// zelvo-cli history: %1 the month's number, %2 the year.
inline constexpr std::string_view kHistoryMonthOutside =
    "Ο μήνας %1/%2 δεν είναι ένας από τους μήνες του ιστορικού.";
inline constexpr std::string_view kHistoryNoPeople = "Ο πίνακας δεν έχει κανένα άτομο.";

}  // namespace zelvo::res
