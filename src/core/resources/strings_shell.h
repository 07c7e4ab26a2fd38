// The shell's texts: buttons, the main window, the password and the outside services.
// Part of the string table: include resources/strings.h.
#pragma once

#include <string_view>

namespace zelvo::res {

// Buttons of message boxes and dialogs.
inline constexpr std::string_view kButtonOk = "OK";
inline constexpr std::string_view kButtonYes = "Ναι";
inline constexpr std::string_view kButtonNo = "Όχι";
inline constexpr std::string_view kButtonCancel = "Ακύρωση";
inline constexpr std::string_view kButtonClose = "Κλείσιμο";
inline constexpr std::string_view kPrint = "Εκτύπωση";

// The main window.
inline constexpr std::string_view kProgramName = "Zelvo";
// %1 the congregation's name, or a group's caption over its report.
inline constexpr std::string_view kWindowTitle = "Zelvo - %1";
inline constexpr std::string_view kStatusReportMonth = "Μήνας Εργασίας = %1";
inline constexpr std::string_view kStatusReady = "Έτοιμο";
// The status line after a save; %1 the time, as 14:05.
inline constexpr std::string_view kStatusSaved = "Αποθηκεύτηκε στις %1";
// After a failed save; %1 the first file it could not write, %2 how many more it could not.
inline constexpr std::string_view kStatusSaveFailed = "Η αποθήκευση απέτυχε";
inline constexpr std::string_view kStatusSaveFailedFile = "Η αποθήκευση απέτυχε: %1";
inline constexpr std::string_view kStatusSaveFailedFiles = "Η αποθήκευση απέτυχε: %1 και %2 ακόμη";
// %1 the live report month.
inline constexpr std::string_view kReturnToLiveFormat = "%1 ->";
inline constexpr std::string_view kUseCloseButton = "Χρησιμοποιήστε το κουμπί Κλείσιμο";
inline constexpr std::string_view kToolbarTitle = "Γραμμή Εργαλείων";
inline constexpr std::string_view kPreviousReportsMenu = "Προβολή προηγούμενων αναφορών";
// The status line over a command whose feature is not there yet; %1 the command.
inline constexpr std::string_view kNotYetAvailable = "%1: δεν είναι ακόμη διαθέσιμο";
inline constexpr std::string_view kAboutTitle = "Σχετικά με το Zelvo";
inline constexpr std::string_view kAboutText =
    "Zelvo, έκδοση %1\n\nΤήρηση αρχείων για τον γραμματέα της εκκλησίας: ευαγγελιζόμενοι, "
    "μηνιαίες εκθέσεις έργου, όμιλοι, παρακολούθηση συναθροίσεων και κατάλογοι.\n\n"
    "Φάκελος δεδομένων: %2";
inline constexpr std::string_view kHelpUnavailable =
    "Ο οδηγός χρήσης δεν άνοιξε: %1\nΑνοίξτε το αρχείο με έναν περιηγητή ιστού.";
inline constexpr std::string_view kFolderMissing = "Ο φάκελος δεδομένων δεν υπάρχει: %1";
inline constexpr std::string_view kUsageDesktop = "Χρήση: zelvo [ΦΑΚΕΛΟΣ]";
inline constexpr std::string_view kLoadProblems =
    "Κατά την ανάγνωση των αρχείων δεδομένων βρέθηκαν τα εξής:\n\n%1";
inline constexpr std::string_view kExportsWarningTitle = "Προσοχή!!";
inline constexpr std::string_view kExportsWarningText =
    "Αυτά τα αρχεία περιέχουν εκκλησιαστικές πληροφορίες που δεν είναι κρυπτογραφημένες. "
    "Για λόγους εμπιστευτικότητας καλό είναι να διαγραφούν. Πατήστε OK για να διαγραφούν τα "
    "επιλεγμένα αρχεία.";

// The password gate and the password's change.
inline constexpr std::string_view kPasswordTitle = "Απαιτείται Κωδικός";
inline constexpr std::string_view kPasswordPrompt = "Δώσε τον Κωδικό";
inline constexpr std::string_view kPasswordPromptOld = "Δώσε τον παλιό Κωδικό";
inline constexpr std::string_view kPasswordWrong = "Συγνώμη, Λάθος Κωδικός ...";
inline constexpr std::string_view kPasswordChangeTitle = "Αλλαγή Κωδικού";
inline constexpr std::string_view kPasswordNewPrompt = "Δώσε νέο Κωδικό";
inline constexpr std::string_view kPasswordTryAgain = "Ξαναπροσπάθησε.";
inline constexpr std::string_view kPasswordRemoved = "Ο Κωδικός απενεργοποιήθηκε.";
inline constexpr std::string_view kPasswordChanged = "Ο Κωδικός έχει αλλάξει.";
inline constexpr std::string_view kPasswordNotChanged = "Ο Κωδικός ΔΕΝ έχει αλλάξει.";
// A password is kept in a name field of the data file, which cannot hold every character in
// every position; %1 lists them as kPasswordCharAt.
inline constexpr std::string_view kPasswordUnusable =
    "Ο Κωδικός δεν μπορεί να φυλαχτεί όπως γράφτηκε. Δεν επιτρέπονται: %1. "
    "Διάλεξε άλλον Κωδικό.";
inline constexpr std::string_view kPasswordCharAt = "«%1» (θέση %2)";

// Telephone dialing and e-mail.
inline constexpr std::string_view kProgramCallerName = "ZELVO";
inline constexpr std::string_view kMailAddressPrefix = "SMTP:";
inline constexpr std::string_view kTelephoneUnavailable =
    "Η υπηρεσία τηλεφωνίας δεν είναι διαθέσιμη.";
inline constexpr std::string_view kMailUnavailable =
    "Η υποστήριξη ηλεκτρονικού ταχυδρομείου δεν φορτώθηκε.";
inline constexpr std::string_view kMailFailed =
    "Η αποστολή του μηνύματος ηλεκτρονικού ταχυδρομείου απέτυχε.";

}  // namespace zelvo::res
