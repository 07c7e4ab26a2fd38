// The texts of the person chooser (record cards, labels, emergency forms, XML export and import).
// Part of the string table: include resources/strings.h.
#pragma once

#include <string_view>

namespace zelvo::res {

inline constexpr std::string_view kChooserCardsTitle = "Επιλογή Αρχείων για Εκτύπωση";
inline constexpr std::string_view kChooserLabelsTitle = "Επιλογή Ετικετών";
inline constexpr std::string_view kChooserEmergencyTitle =
    "Επιλέξτε Φόρμες Επαφής Έκτακτης Ανάγκης";
inline constexpr std::string_view kChooserExportTitle =
    "Δημιουργήστε αρχείο xml με τα δεδομένα των ευαγγελιζομένων";
inline constexpr std::string_view kChooserImportTitle =
    "Ενήμέρωση πληροφοριών ευαγγελιζομένων από αρχείο .xml";

inline constexpr std::string_view kChooserSelect = "<< Επιλογή <<";
inline constexpr std::string_view kChooserClear = ">>Απαλοιφή >>";
inline constexpr std::string_view kChooserSelectAll = "Επιλογή Όλων";
inline constexpr std::string_view kChooserClearAll = "Καθαρισμός Όλων";
inline constexpr std::string_view kChooserOr = "ή";
inline constexpr std::string_view kChooserWholeGroup = "Όλα τα Μέλη στον Όμιλο";
inline constexpr std::string_view kChooserBlankForm = "Κενή Φόρμα";
inline constexpr std::string_view kChooserPioneers = "Τακτικοί και Ειδικοί Σκαπανείς";
inline constexpr std::string_view kChooserActiveList = "Δραστήριοι";
inline constexpr std::string_view kChooserInactiveList = "Αδρανείς";
inline constexpr std::string_view kChooserStudentsList = "Μη-ευαγγελιζόμενοι (Σπουδαστές)";
inline constexpr std::string_view kChooserUpdateExisting = "Ενημέρωση υπάρχουσας Έκθεσης";
inline constexpr std::string_view kChooserCreateNew = "Δημιουργία νέας Έκθεσης";
// The import's counts: the duplicates among the chosen, the list's total after the import, and
// the refusal when the list would hold more than it can.
inline constexpr std::string_view kChooserDuplicates = "Διπλότυπα (%1)";
inline constexpr std::string_view kChooserTotals = "%1 %2 + %3 = ";  // the sum follows
inline constexpr std::string_view kChooserTooMany = "Πάρα Πολλοί";

}  // namespace zelvo::res
