// The texts of the privileges dialog, the monthly pioneer lists and the pioneer hours.
// Part of the string table: include resources/strings.h.
#pragma once

#include <string_view>

namespace zelvo::res {

// The privileges dialog.
inline constexpr std::string_view kPrivilegesTitle = "Προνόμια υπηρεσίας";
inline constexpr std::string_view kPrivilegeServant = "Διακονικός Υπηρέτης";
inline constexpr std::string_view kPrivilegeStart = "Έναρξη";
inline constexpr std::string_view kPrivilegeEnd = "Τέλος";
inline constexpr std::string_view kPrivilegeDatesFull =
    "Οι ημερομηνίες προνομίων δεν αποθηκεύτηκαν όλες: ο πίνακας διορισμών έχει ήδη όσες εγγραφές "
    "χωρούν (%1).";

// Refusals of the headless privilege and pioneer changes.
inline constexpr std::string_view kPrivilegesActiveOnly =
    "Προνόμια και σκαπανείς ορίζονται μόνο για ενεργούς ευαγγελιζομένους.";
inline constexpr std::string_view kPrivilegesNeedBaptism =
    "Τα προνόμια ορίζονται μόνο με πλήρη ημερομηνία βαφτίσματος.";
inline constexpr std::string_view kPrivilegeMenOnly =
    "Διακονικός Υπηρέτης και Πρεσβύτερος ορίζονται μόνο για άντρες.";
inline constexpr std::string_view kPrivilegeEndNeedsStart =
    "Ημερομηνία τέλους μόνο για προνόμιο με πλήρη ημερομηνία έναρξης.";
inline constexpr std::string_view kPrivilegeImpossibleDate = "Η ημερομηνία δεν υπάρχει: %1.";
inline constexpr std::string_view kPioneerMonthOutside =
    "Ο μήνας %1 δεν είναι ένας από τους μήνες των λιστών σκαπανέων.";

// The monthly pioneer lists.
inline constexpr std::string_view kAuxiliaryPioneersTitle = "Βοηθητικοί Σκαπανείς";
inline constexpr std::string_view kRegularPioneersTitle = "Τακτικοί Σκαπανείς";
inline constexpr std::string_view kSpecialPioneersTitle = "Ειδικοί Σκαπανείς";
inline constexpr std::string_view kPioneerListAdd = "<<<    &Πρόσθεσε    <<<";
inline constexpr std::string_view kPioneerListRemove = ">>>  &Αφαίρεσε  >>>";

// The regular pioneer hours.
inline constexpr std::string_view kPioneerHoursTitle = "Ώρες Σκαπανέων";
inline constexpr std::string_view kPioneerSince = "Σκαπανέας από %1";
inline constexpr std::string_view kHoursRemaining = "Σύνολο Ωρών που Απομένουν ( %1 ) = ";
inline constexpr std::string_view kHoursRemainingAverage =
    "Μέσος Όρος Ωρών που Απομένουν σε κάθε Μήνα ( %1 ) = ";
inline constexpr std::string_view kPreviousServiceYearTick = "Προηγούμενο Υπηρεσιακό Έτος";
inline constexpr std::string_view kPioneerCreditColumn = "Πίστωση";
inline constexpr std::string_view kPioneerRemarksColumn = "Παρατηρήσεις";
inline constexpr std::string_view kPrintButton = "Εκτύπωση";

}  // namespace zelvo::res
