// The texts of the backup and the restore: the dialog in both modes, the wait window, the
// history lines and the question on exit.
// Part of the string table: include resources/strings.h.
#pragma once

#include <string_view>

namespace zelvo::res {

inline constexpr std::string_view kBackupTitle = "Αντίγραφο Ασφαλείας";
inline constexpr std::string_view kRestoreTitle = "Επαναφορά";
inline constexpr std::string_view kBackupChecking =
    "Περιμένετε ...\n\nΈλεγχος αντιγράφων ασφαλείας";

// Backup mode.
inline constexpr std::string_view kRequiredSpace = "Απαιτούμενος Χώρος: %1 bytes";
inline constexpr std::string_view kBackupWhere = " Που θα αποθηκευτεί το αντίγραφο ασφαλείας ";
inline constexpr std::string_view kBackupPressOk =
    "Πατήστε OK για να δημιουργήσετε αντίγραφο ασφαλείας στο: %1";
inline constexpr std::string_view kBackupBrowse = "Αναζήτηση";
inline constexpr std::string_view kBackupLocationRefused =
    "%1 δεν μπορεί να χρησιμοποιηθεί ως χώρος αποθήκευσης αντιγράφων ασφαλείας.\n\nΠαρακαλώ, "
    "επιλέξτε άλλο φάκελο.";
inline constexpr std::string_view kBackupSameMinute =
    "Ξαναδοκιμάστε σε 1 λεπτό το σώσιμο των αρχείων.";
inline constexpr std::string_view kBackupSavingFile = "Αποθήκευση αρχείου: %1";
inline constexpr std::string_view kBackupDone = "Αποθήκευση αντιγράφων ασφαλείας ολοκληρώθηκε!";
inline constexpr std::string_view kBackupIncomplete =
    "Το αντίγραφο ασφαλείας δεν ολοκληρώθηκε: δεν αντιγράφηκε το αρχείο %1.\nΔεν κρατήθηκε "
    "μισό αντίγραφο· τα δεδομένα σας δεν άλλαξαν.";
inline constexpr std::string_view kBackupAfterFailedSave =
    "Η αποθήκευση των δεδομένων δεν ολοκληρώθηκε· δεν δημιουργήθηκε αντίγραφο ασφαλείας.";
inline constexpr std::string_view kBackupLocationMissing =
    "Ο φάκελος %1 δεν υπάρχει ή δεν δέχεται αρχεία.";

// Restore mode.
inline constexpr std::string_view kRestoreListGroup =
    " Επιλέξτε το αντιγράφο ασφαλείας για επαναφορά ";
inline constexpr std::string_view kRestoreFromList =
    " Επιλέξτε το αντιγράφο ασφαλείας από τον κατάλογο";
inline constexpr std::string_view kRestoreBrowse = "Αναζητήση αντιγράφου ασφαλείας";
inline constexpr std::string_view kRestoreLast = "Χρήση του τελευταίου αντιγράφου ασφαλείας";
inline constexpr std::string_view kRestoreUndo = "Αναίρεσε την τελευταία επαναφορά";
inline constexpr std::string_view kRestoreUndoLine =
    "Πατήστε ΟΚ για να αναιρέσετε την τελευταία επαναφορά : %1";
inline constexpr std::string_view kRestorePressOk =
    "Πατήστε OK για επαναφορά από αντίγραφο ασφαλείας: %1";
inline constexpr std::string_view kRestoringFile = "Επαναφορά αρχείου %1";
inline constexpr std::string_view kRestoreNotBackup = "Ο φάκελος %1 δεν είναι αντίγραφο ασφαλείας.";
inline constexpr std::string_view kRestoreNoBackup =
    "Δεν υπάρχει αντίγραφο ασφαλείας για επαναφορά.";
inline constexpr std::string_view kRestoreNoUndo = "Δεν υπάρχει επαναφορά για αναίρεση.";
inline constexpr std::string_view kRestoreAfterFailedSave =
    "Η αποθήκευση δεν ολοκληρώθηκε· η επαναφορά δεν ξεκινά, για να μη χαθούν οι αλλαγές σου.";
inline constexpr std::string_view kRestoreUndoNotMade =
    "Η επαναφορά δεν ξεκίνησε: δεν αντιγράφηκε το αρχείο %1 στον φάκελο αναίρεσης.\nΤα "
    "δεδομένα σας δεν άλλαξαν.";
inline constexpr std::string_view kRestoreRolledBack =
    "Η επαναφορά δεν ολοκληρώθηκε: δεν αντιγράφηκε το αρχείο %1.\nΤα δεδομένα επανήλθαν όπως "
    "ήταν πριν από την επαναφορά.";
inline constexpr std::string_view kRestoreNotRolledBack =
    "Η επαναφορά δεν ολοκληρώθηκε: δεν αντιγράφηκε το αρχείο %1, ούτε επανήλθε το %2.\nΤα "
    "δεδομένα όπως ήταν πριν από την επαναφορά βρίσκονται στον φάκελο %3.";

// A backup's line in the restore list: day name, day and month, year; then hour, minutes and
// the half of the day.
inline constexpr std::string_view kBackupLongDate = "%1, %2 %3";
inline constexpr std::string_view kBackupTime = "%1:%2 %3";
inline constexpr std::string_view kBeforeNoon = "πμ";
inline constexpr std::string_view kAfterNoon = "μμ";

// The offer on exit.
inline constexpr std::string_view kBackupOfferOld =
    "Το τελευταίο αντίγραφο ασφαλείας έγινε πριν από περισσότερο από έναν μήνα (%1).\nΝα "
    "δημιουργηθεί αντίγραφο ασφαλείας τώρα;";
inline constexpr std::string_view kBackupOfferNone =
    "Δεν έχει δημιουργηθεί ακόμη αντίγραφο ασφαλείας των δεδομένων.\nΝα δημιουργηθεί τώρα;";

}  // namespace zelvo::res
