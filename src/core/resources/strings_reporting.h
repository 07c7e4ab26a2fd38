// Monthly reporting's texts: the collection start, the publisher list and its totals grid, the
// remarks, and month initialization. Part of the string table: include resources/strings.h.
#pragma once

#include <string_view>

#include "resources/strings_reports.h"
#include "resources/strings_shell.h"

namespace zelvo::res {

// The collection start dialog. Captions: %1 a month, as monthNameAccusative gives it.
inline constexpr std::string_view kCollectionStartTitle = "Καταχώρηση Δελτίου Έργου";
inline constexpr std::string_view kContinueButton = "Συνέχεια";
inline constexpr std::string_view kInitializeButton = "Αρχικοποίηση";
inline constexpr std::string_view kSuggestionButton = "Πρόταση!";
inline constexpr std::string_view kSuggestionText =
    "Πρόταση: Κανονικά είναι καλύτερα να καταχωρείτε χρόνο από την 1η έως την 20η κάθε μήνα. "
    "Τα δελτία που λαβαίνονται μετά τις 20 πρέπει να φυλάσσονται και να καταχωρούνται στον "
    "επόμενο μήνα";
inline constexpr std::string_view kReopenCaption =
    "Ανοίξτε ξανά και συνεχίστε τη συλλογή εκθέσεων για τον %1";
inline constexpr std::string_view kInitializeCaption =
    "Αρχικοποιήστε και ανοίξτε τη συλλογή εκθέσεων για τον %1";
inline constexpr std::string_view kRestartCaption =
    "Επανέναρξη και άνοιγμα συλλογής εκθέσεων για τον %1";
inline constexpr std::string_view kInitializeConfirm =
    "Είστε σίγουροι ότι θέλετε να κάνετε αρχικοποίηση τον %1;\n\nΚάντε Κλικ για να "
    "αρχικοποίησετε τον %1";

// The publisher list. %1 the report month (nominative); the close caption's as
// monthNameAccusative gives it.
inline constexpr std::string_view kCollectionListTitle = "%1 Συλλογή Έργου";
inline constexpr std::string_view kCloseCollectionCaption =
    "Κλείσιμο συλλογής εκθέσεων για τον %1  ( Ολοκληρώθηκε η συλλογή )";
inline constexpr std::string_view kLastPersonBox = " Τελευταίο Ατομο ";
inline constexpr std::string_view kImportReportsLabel = "Προσθήκη εκθέσεων %1 από ->";
inline constexpr std::string_view kUnreportedOnly = "Μη Καταχωρημένοι";
inline constexpr std::string_view kDoneButton = "Έγινε";
inline constexpr std::string_view kMakeCollectionList =
    "Δημιουργία Λίστας Συλλογής Εκθέσεων για τον Επίσκοπο Ομίλου";
inline constexpr std::string_view kImportCollection =
    "Εισαγωγή Εκθέσεων που Συγκέντρωσε ο Επίσκοπος Ομίλου";
inline constexpr std::string_view kXmlFileButton = "(.xml)";
inline constexpr std::string_view kCsvFileButton = "(.csv)";
// The totals grid: the column of the reports counted.
inline constexpr std::string_view kGridReportsCounted = "Αρ.";

// Remarks of the report form.
inline constexpr std::string_view kNoRoomForRemarks = "Δεν υπάρχει χώρος για Παρατηρήσεις";

// The report form. %1 a month's name (nominative), %2 the person.
inline constexpr std::string_view kChangeMonthButton = "Αλλαγή &Μήνα (Καθ/μένη έκθεση)";
inline constexpr std::string_view kUnderOneHourTick = "<1 ώ.";
inline constexpr std::string_view kUnderOneHourTip = "Κάτω από 1 ώρα";
inline constexpr std::string_view kParticipatedTick = "Συμμετείχε στη Διακονία";
inline constexpr std::string_view kParticipatedTip =
    "Συμμετείχε σε οποιαδήποτε μορφή διακονίας στη διάρκεια του μήνα";
inline constexpr std::string_view kAuxiliaryTick = "Βοηθ. Σκαπανέας";
inline constexpr std::string_view kRegularPioneerLabel = "Τακτικός Σκαπανέας";
inline constexpr std::string_view kSpecialPioneerLabel = "Ειδικός Σκαπανέας";
inline constexpr std::string_view kFieldMissionaryLabel = "Ιεραπόστολος";
inline constexpr std::string_view kServantLabel = "Διακονικός Υπηρέτης";
inline constexpr std::string_view kElderLabel = "Πρεσβύτερος";
inline constexpr std::string_view kBaptizedBrotherLabel = "Βαφτισμένος Αδελφός";
inline constexpr std::string_view kRemarksButton = "Παρατηρήσεις";
inline constexpr std::string_view kHoursWord = "Ώρες";
// The credit label: %1 the credit hours.
inline constexpr std::string_view kCreditLabel = "( + %1 Ώρες )";
inline constexpr std::string_view kTimeAlreadyEntered =
    "-ΠΡΟΣΟΧΗ -  Έχετε ήδη εισαγάγει χρόνο %1 για %2.";
inline constexpr std::string_view kSpecialPioneersLeftOut =
    "Οι Ειδικοί Σκαπανείς ΔΕΝ ΠΕΡΙΛΑΜΒΑΝΟΝΤΑΙ στην Εκθεση για το Γραφείο Τμήματος";
// %1 the report month (nominative).
inline constexpr std::string_view kChangesIncluded =
    "Οι αλλαγές ΘΑ ΠΕΡΙΛΗΦΘΟΥΝ στην έκθεση %1 προς το Γραφείο Τμήματος.";
inline constexpr std::string_view kChangesNotIncluded =
    "Οι αλλαγές ΔΕΝ ΘΑ ΠΕΡΙΛΗΦΘΟΥΝ στην έκθεση %1 προς το Γραφείο Τμήματος.";
// A refused count: %1 and %2 the bounds.
inline constexpr std::string_view kEnterIntegerBetween = "Δώστε έναν ακέραιο από %1 έως %2.";
inline constexpr std::string_view kEnterInteger = "Δώστε έναν ακέραιο αριθμό.";

// Deleting the late-report list: %1 the number of entries.
inline constexpr std::string_view kDeleteLateReportsQuestion =
    "Πατήστε OK για διαγραφή %1 αναφοράς(ών)   ";
// zelvo-cli enter: a field the form does not show. %1 the option.
inline constexpr std::string_view kFieldNotShown =
    "Το πεδίο %1 δεν εμφανίζεται στο δελτίο αυτού του ατόμου για αυτόν τον μήνα.";

// Month initialization refused: %1 the month (monthNameAccusative), %2 the files not copied.
inline constexpr std::string_view kInitializationNotCopied =
    "Η συλλογή εκθέσεων για τον %1 δεν αρχικοποιήθηκε, γιατί το αντίγραφο του μήνα δεν "
    "γράφτηκε: %2. Δεν άλλαξε τίποτα.";
inline constexpr std::string_view kInitializationAfterFailedSave =
    "Η συλλογή εκθέσεων για τον %1 δεν αρχικοποιήθηκε, γιατί η τελευταία αποθήκευση δεν "
    "ολοκληρώθηκε και το αντίγραφο του μήνα δεν θα ήταν σωστό. Αποθηκεύστε πρώτα. Δεν άλλαξε "
    "τίποτα.";
// zelvo-cli's refusals of a choice the dialogs do not offer: %1 the month (monthNameAccusative).
inline constexpr std::string_view kContinueNotOffered = "Η «Συνέχεια» δεν προσφέρεται για τον %1.";
inline constexpr std::string_view kEarlyNotOffered =
    "Η πρόωρη έναρξη του επόμενου μήνα δεν προσφέρεται.";
inline constexpr std::string_view kInitializeWhileOpen =
    "Η συλλογή εκθέσεων για τον %1 είναι ανοιχτή· η εντολή πηγαίνει κατευθείαν στη λίστα.";
inline constexpr std::string_view kCollectionNotOpen =
    "Η συλλογή εκθέσεων για τον %1 δεν είναι ανοιχτή.";

}  // namespace zelvo::res
