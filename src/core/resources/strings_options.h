// Texts of the congregation-wide editors: the custom category, the circuit overseer, the report
// layout and the record card preferences.
#pragma once

#include <string_view>

namespace zelvo::res {

// The custom category.
inline constexpr std::string_view kCustomCategoryTitle = "Προσαρμοσμένη Κατηγορία Ευαγγελιζομένων";
inline constexpr std::string_view kCustomCategoryExplanation =
    "Εισαγωγή ονόματος για προσαρμοσμένο τύπο. Δημιουργείστε κατηγορία ευαγγελιζομένων που δεν "
    "περιγράφεται από άλλα πεδία.";
inline constexpr std::string_view kCustomCategoryEnable = "Ενεργοποιήστε Αυτή την Κατηγορία";
inline constexpr std::string_view kRenameCategoryTitle = "Αλλαγή Ονόματος Κατηγορίας";
// %1 the count followed by a blank, %2 the old name.
inline constexpr std::string_view kRenameCategoryLine =
    "%1 Ευαγγελιζόμενοι είναι σημειωμένοι ως %2.  Τι θέλετε κάνετε με αυτούς;";
// %1 the old name, %2 the new one.
inline constexpr std::string_view kRenameCategoryKeep = "Αλλαγή όλων από %1 σε %2";
inline constexpr std::string_view kRenameCategoryClear = "Απαλοιφή Ολων";

// The circuit overseer.
inline constexpr std::string_view kCircuitOverseerTitle = "Επίσκοπος περιοχής";
inline constexpr std::string_view kOverseerFirstName = "Όνομα";
inline constexpr std::string_view kOverseerLastName = "Επίθετο";
inline constexpr std::string_view kOverseerAddress = "Διεύθυνση";
inline constexpr std::string_view kOverseerPhoneHome = "Τηλέφωνο Οικίας";
inline constexpr std::string_view kOverseerPhoneMobile = "Κινητό τηλέφωνο";
inline constexpr std::string_view kOverseerPhoneWork = "Τηλέφωνο Εργασίας";
inline constexpr std::string_view kOverseerEmail = "Διεύθυνση Email";
inline constexpr std::string_view kOverseerTableFull =
    "Ο πίνακας είναι γεμάτος (1509 άτομα)· ο επίσκοπος περιοχής δεν προστέθηκε.";

// The report layout.
inline constexpr std::string_view kLayoutTitle = "Επιλογές Διαμόρφωσης";
inline constexpr std::string_view kLayoutLastNameFirst = "Εκτύπωση πρώτα του Επωνύμου";
inline constexpr std::string_view kLayoutAlternativeDate = "Εναλλακτική μορφή Ημ/νίας ( ημ/μη/ετ )";
inline constexpr std::string_view kLayoutBirthStatistics = "Να περιλάβεις Στατ/κές Γέν. / Βαπτ.";
inline constexpr std::string_view kLayoutLabelBirthDate = "Εκτύπωση Ημ/νίας Γέννησης στις Ετικέτες";
inline constexpr std::string_view kLayoutLabelAlternative = "Εναλλακτική μορφή Ετικέτας";
inline constexpr std::string_view kLayoutGridLines = "Εκτύπωση Γραμμων Πλέγματος στις Εκθέσεις";
inline constexpr std::string_view kLayoutNoSlipFields = "Εκτύπωση πλαισίων χωρίς δελτία";
inline constexpr std::string_view kLayoutPrintDate = "Εκτύπωση Ημερομηνίας στις Εκθέσεις ";
// The two English captions of the old dialog, in Greek.
inline constexpr std::string_view kLayoutEmergJw =
    "Να περιληφθεί το «JW?=» στη Λίστα Επαφών Έκτακτης Ανάγκης";
inline constexpr std::string_view kLayoutTopMargin =
    "Πάνω Περιθώριο ( εκατοστά της ίντσας, 1 ίντσα=2,54 εκ. )";
inline constexpr std::string_view kLayoutLabelMargin = "Αριστερό Περιθώριο ( Ετικέτες )";
inline constexpr std::string_view kLayoutCongregationName = "Όνομα Εκκλησίας (προαιρετικό)";

// The record card preferences.
inline constexpr std::string_view kRecordCardTitle = "Προτιμήσεις Αρχείου Ευαγγελιζομένου";
inline constexpr std::string_view kRecordCardGroups = "Εμφάνιση Αριθμών Ομίλου";
inline constexpr std::string_view kRecordCardCurrentYear = " Τρέχον Υπηρεσιακό Έτος ";
inline constexpr std::string_view kRecordCardPreviousYear = " Προηγούμενο Υπηρεσιακό Έτος ";
inline constexpr std::string_view kRecordCardHideAverages = "Απόκρυψη Μέσων Όρων";
inline constexpr std::string_view kRecordCardHideTotals = "Απόκρυψη συνολικών αποτελεσμάτων";
inline constexpr std::string_view kRecordCardOnePerPage = "Μόνο ένα γπηρεσιακό έτος ανά σελίδα";
inline constexpr std::string_view kRecordCardHideBirthDates = "Απόκρυψη μήνα και ημέρας γέννησης";

// A text of the settings file longer than its field. %1 the key, %2 the characters kept.
inline constexpr std::string_view kProblemSettingTooLong =
    "Η ρύθμιση «%1» του zelvog.ini είναι μεγαλύτερη από %2 χαρακτήρες· κόπηκε.";

}  // namespace zelvo::res
