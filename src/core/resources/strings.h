// The edition's string table: every text the program shows, by the id the system gives it,
// and the named texts that have no id. All UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace zelvo::res {

enum StringId : int {
    kMonthJanuary = 3,  // 3-14: full month names
    kSaveChanges = 1197,
    kLanguageWordId = 1198,
    kMonthAbbrevJanuary = 1203,  // 1203-1214
    kCannotCreateFile = 1231,
    kNoticeLine1 = 1235,
    kNoticeLine2 = 1236,
    kNoticeLine3 = 1237,
    kQuarter1 = 1323,  // ".25"
    kQuarter2 = 1324,
    kQuarter3 = 1325,
};

// The text of a string resource; empty for an id the table does not hold.
std::string_view text(int id);

// "%1", "%2" replaced by the arguments.
std::string format(std::string_view pattern, std::string_view arg1, std::string_view arg2 = {});

std::string_view monthName(int monthIndex);    // "Ιανουάριος" ...
std::string_view monthAbbrev(int monthIndex);  // "Ιαν" ...

// Texts without a resource id.
inline constexpr std::string_view kCouldNotAllocate = "Couldn't allocate memory";
inline constexpr std::string_view kDuplicateOverseer = "Oh no, duplicate co!  Check LoadNumx()";
inline constexpr std::string_view kBadYearInRemCheck = "bad year in RemCheck";
inline constexpr std::string_view kMidweekMeeting = "Μεσοβδόμαδη Συνάθροιση";
inline constexpr std::string_view kWeekendMeeting = "Συνάθροιση Σαββατοκύριακου";
inline constexpr std::string_view kSavingWait = "Περίμενε .....\nΑποθήκευση των δεδομένων σου";
inline constexpr std::string_view kPreviousReportsMenu = "Προβολή προηγούμενων αναφορών";
inline constexpr std::string_view kExportsWarningTitle = "Προσοχή!!";
inline constexpr std::string_view kExportsWarningText =
    "Αυτά τα αρχεία περιέχουν εκκλησιαστικές πληροφορίες που δεν είναι κρυπτογραφημένες. "
    "Για λόγους εμπιστευτικότητας καλό είναι να διαγραφούν. Πατήστε OK για να διαγραφούν τα "
    "επιλεγμένα αρχεία.";
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
inline constexpr std::string_view kRollHistoryLine = "%s %d %d (Roll)";
inline constexpr std::string_view kStatusDialogTitle = "Κατάσταση του  %1";

// Buttons of message boxes and dialogs.
inline constexpr std::string_view kButtonOk = "OK";
inline constexpr std::string_view kButtonYes = "Ναι";
inline constexpr std::string_view kButtonNo = "Όχι";
inline constexpr std::string_view kButtonCancel = "Ακύρωση";

// Telephone dialing and e-mail.
inline constexpr std::string_view kProgramCallerName = "ZELVO";
inline constexpr std::string_view kMailAddressPrefix = "SMTP:";
inline constexpr std::string_view kTelephoneUnavailable = "Telephone service not available";
inline constexpr std::string_view kMailUnavailable = "Unable to load mail system support.";
inline constexpr std::string_view kMailFailed = "Send Mail failed to send message.";

// Problems found while reading the data folder (shown by the check and the start-up).
inline constexpr std::string_view kProblemShortFile =
    "Το αρχείο %1 τελειώνει με ημιτελή εγγραφή, που αγνοήθηκε.";
inline constexpr std::string_view kProblemTooManyRecords =
    "Το αρχείο %1 έχει περισσότερες εγγραφές από όσες χωρούν (%2)· οι επιπλέον αγνοήθηκαν.";
inline constexpr std::string_view kProblemBadSize =
    "Το αρχείο %1 δεν έχει το αναμενόμενο μέγεθος και αγνοήθηκε.";
inline constexpr std::string_view kProblemDuplicateId =
    "Διπλός αριθμός ευαγγελιζομένου %1· δόθηκε νέος αριθμός %2.";
inline constexpr std::string_view kProblemInvalidId =
    "Μη έγκυρος αριθμός ευαγγελιζομένου %1· δόθηκε νέος αριθμός %2.";
inline constexpr std::string_view kProblemTableFull =
    "Ο πίνακας ευαγγελιζομένων γέμισε (%1 άτομα)· οι υπόλοιπες εγγραφές του %2 αγνοήθηκαν.";
inline constexpr std::string_view kProblemRepairedText =
    "Το κείμενο «%1» δεν μπορεί να αποθηκευτεί όπως είναι και έγινε «%2».";

// The main window.
inline constexpr std::string_view kProgramName = "Zelvo";
inline constexpr std::string_view kWindowTitle = "Zelvo - %1";  // %1 the congregation's name
inline constexpr std::string_view kStatusReportMonth = "Μήνας Εργασίας = %1";
inline constexpr std::string_view kStatusReady = "Έτοιμο";
inline constexpr std::string_view kReturnToLiveFormat = "%1 ->";  // %1 the live report month
inline constexpr std::string_view kUseCloseButton = "Use Close Button";
inline constexpr std::string_view kToolbarTitle = "Γραμμή Εργαλείων";
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

// The report view.
inline constexpr std::string_view kPrinted = "Τυπώθηκε";
inline constexpr std::string_view kHeadingName = "Όνομα";
inline constexpr std::string_view kHeadingPlacements = "Εκδ.";
inline constexpr std::string_view kHeadingVideos = "Βίντεο";
inline constexpr std::string_view kHeadingHours = "Ώρες";
inline constexpr std::string_view kHeadingReturnVisits = "Επαν.";
inline constexpr std::string_view kHeadingStudies = "Γρ.Μελ";
inline constexpr std::string_view kGroupCaption = "Όμιλος #";

}  // namespace zelvo::res
