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
    // Contacts, needs and the group choosers.
    kOverseerLine = 1040,         // "Επίσκοπος: %1"
    kPrint = 1242,                // "Εκτύπωση"
    kNumberSign = 1305,           // "#"
    kEmergencyChooserTitle = 1389,
    // The publisher and student pickers, households, the status dialog, the month chooser.
    kDuplicateName = 1006,       // "Διπλό Όνομα."
    kReplaceWithNew = 1007,      // "Αντικατάσταση με νέα πληροφορία"
    kAddStudentButton = 1043,    // "<<<    &Πρόσθεσε    <<<"
    kVerbReactivated = 1056,     // "επαναδραστηριοποιήθηκε"
    kMonthThat = 1249,           // "Μήνας που"
    kChooseChoice = 1259,        // "Επιλογή"
    kCancelChoice = 1260,        // "Ακύρωση"
    kChooseStudentTitle = 1287,  // "Επέλεξε Σπουδαστή"
    kStudentMark = 1327,         // "σ"
    kInactiveMark = 1328,        // "i"
    // The congregation report.
    kCongregation = 1057,        // "Εκκλησία"
    kGroupWord = 1058,           // "Όμιλος"
    kInactiveWord = 1063,        // "Αδρανείς"
    kMeetingsHeld = 1129,        // "Αρ."
    kAttendanceTotal = 1130,     // "Σύν"
    kAverageShort = 1131,        // "Μ.Ο."
    kActiveWord = 1139,          // "Δραστήριοι"
    kUnassignedPublishers = 1238,  // "Αδιόριστοι Ευαγγελιζόμενοι"
    kAssistantWord = 1263,       // "Βοηθός"
    kServantLine = 1269,         // "Υπηρέτης: %1"
    kGuideLine = 1299,           // "Οδηγός: %1"
    // The details of a publisher or a student.
    kReallyDelete = 1008,          // "Θέλεις αλήθεια να διαγράψεις %1;"
    kStudentDetailsTitle = 1288,   // "Επεξεργασία Σπουδαστή"
    kConductorLine = 1289,         // "Οδηγός Γραφικής Μελέτης"
    kChooseConductor = 1290,       // "Επέλεξε Οδηγό Γραφικής Μελέτης"
    kClearConductor = 1292,        // "Διαγραφή Οδηγού Γραφικής Μελέτης"
    kEditHousehold = 1358,         // "Επεξεργασία Σπιτικού"
    kViewHousehold = 1359,         // "Προβολή Σπιτικού"
    kCopy = 1399,                  // "Αντιγραφή"
    kPaste = 1400,                 // "Επικόλληση"
};

// The text of a string resource; empty for an id the table does not hold.
std::string_view text(int id);

// "%1", "%2", "%3" replaced by the arguments.
std::string format(std::string_view pattern, std::string_view arg1, std::string_view arg2 = {},
                   std::string_view arg3 = {});

// A pattern in the "%s %d" style of the edition's formats: the first "%s" replaced by `s`, the
// first "%d" by `d`.
std::string fillPrintf(std::string_view pattern, std::string_view s, long d);

std::string_view monthName(int monthIndex);    // "Ιανουάριος" ...
std::string_view monthAbbrev(int monthIndex);  // "Ιαν" ...
std::string_view monthNameGenitive(int monthIndex);  // "Ιανουαρίου" ..., for dates in words

// Texts without a resource id.
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
// A month copy in the backup history: month (Windows-1253), day, year.
inline constexpr std::string_view kRollHistoryLine = "%1 %2 %3 (Roll)";
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
inline constexpr std::string_view kProblemUnreadable =
    "Το αρχείο %1 υπάρχει αλλά δεν διαβάζεται (δικαιώματα, φάκελος ή ειδικό αρχείο στη θέση "
    "του)· δεν θα αντικατασταθεί ούτε θα διαγραφεί μέχρι να διορθωθεί.";
inline constexpr std::string_view kProblemUnknownKind =
    "Ο/Η %1 είχε άγνωστο είδος (%2) και τοποθετήθηκε στους Αδρανείς.";
inline constexpr std::string_view kProblemQuarterUnits =
    "Ο/Η %1 είχε περισσότερα από 3 τέταρτα της ώρας σε %2 μήνες· οι ολόκληρες ώρες τους "
    "μεταφέρθηκαν στις ώρες.";
inline constexpr std::string_view kProblemMissingGroup =
    "Ο/Η %1 ανήκει στον όμιλο %2, που δεν υπάρχει· εμφανίζεται με τους αδιόριστους.";
inline constexpr std::string_view kProblemMissingHead =
    "Ο/Η %1 ανήκε στο σπιτικό του αριθμού %2, που δεν υπάρχει· ο δεσμός καταργήθηκε.";
inline constexpr std::string_view kProblemGroupCount =
    "Το αρχείο %1 δηλώνει %2 ομίλους· κρατήθηκαν οι 20 που χωράει ο πίνακας.";
inline constexpr std::string_view kProblemEarlyMonth =
    "Η πρόωρη έναρξη συλλογής του zelvog.ini δείχνει τον μήνα %1, που δεν υπάρχει· αγνοήθηκε.";
inline constexpr std::string_view kProblemSettingRange =
    "Η ρύθμιση «%1» του zelvog.ini έχει την τιμή %2, εκτός ορίων· ισχύει η προεπιλογή.";
inline constexpr std::string_view kProblemIniTooLarge =
    "Το αρχείο %1 είναι πολύ μεγάλο για αρχείο ρυθμίσεων· διαβάστηκε μόνο η αρχή του και δεν "
    "θα ξαναγραφτεί.";
inline constexpr std::string_view kProblemMorePeople = "… και %1 ακόμη άτομα με το ίδιο πρόβλημα.";
inline constexpr std::string_view kProblemBadRecords =
    "Το αρχείο %1 έχει %2 εγγραφές με τιμές εκτός ορίων ή για άτομα που δεν υπάρχουν.";

// Files a save leaves alone so that nothing is lost.
inline constexpr std::string_view kSaveKeptUnreadable =
    "Το αρχείο %1 δεν διαβάστηκε κατά το άνοιγμα και δεν αντικαταστάθηκε, για να μη χαθεί ό,τι "
    "περιέχει. Διορθώστε το και ανοίξτε ξανά τα δεδομένα.";
inline constexpr std::string_view kSaveRefusedNoTable =
    "Ο πίνακας ευαγγελιζομένων (%1) δεν διαβάστηκε· δεν αποθηκεύτηκε τίποτα, για να μη χαθούν "
    "δεδομένα. Διορθώστε το αρχείο και ανοίξτε ξανά τα δεδομένα.";
inline constexpr std::string_view kSaveRemarksTooLarge =
    "Το αρχείο %1 είναι μεγαλύτερο από όσο χωρά ο πίνακας παρατηρήσεων και δεν ξαναγράφεται, "
    "για να μη χαθεί τίποτα· οι αλλαγές στις παρατηρήσεις δεν αποθηκεύτηκαν.";
inline constexpr std::string_view kSaveIniTooLarge =
    "Το αρχείο %1 είναι πολύ μεγάλο για αρχείο ρυθμίσεων και δεν ξαναγράφεται· οι αλλαγές στις "
    "ρυθμίσεις δεν αποθηκεύτηκαν.";
inline constexpr std::string_view kMonthCopyAfterFailedSave =
    "Η αποθήκευση δεν ολοκληρώθηκε· το αντίγραφο του μήνα δεν ανοίγει, για να μη χαθούν οι "
    "αλλαγές σου.";

// The main window.
inline constexpr std::string_view kProgramName = "Zelvo";
inline constexpr std::string_view kWindowTitle = "Zelvo - %1";  // %1 the congregation's name
inline constexpr std::string_view kStatusReportMonth = "Μήνας Εργασίας = %1";
inline constexpr std::string_view kStatusReady = "Έτοιμο";
inline constexpr std::string_view kReturnToLiveFormat = "%1 ->";  // %1 the live report month
inline constexpr std::string_view kUseCloseButton = "Use Close Button";
inline constexpr std::string_view kToolbarTitle = "Γραμμή Εργαλείων";
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
// One writer per data folder.
inline constexpr std::string_view kFolderLocked =
    "Ο φάκελος δεδομένων είναι ήδη ανοιχτός για αλλαγές σε άλλο πρόγραμμα (%1).\n"
    "Κλείστε εκείνο το πρόγραμμα και δοκιμάστε ξανά.";
inline constexpr std::string_view kLockHolder = "πρόγραμμα %1, αριθμός διεργασίας %2";
inline constexpr std::string_view kLockHolderHost = ", στον υπολογιστή %1";
inline constexpr std::string_view kLockHolderUnknown = "αρχείο κλειδώματος %1";
inline constexpr std::string_view kFolderNotLockable =
    "Ο φάκελος δεδομένων δεν δέχεται αλλαγές: δεν μπορεί να δημιουργηθεί το αρχείο %1.";
inline constexpr std::string_view kLeftoverRemoved =
    "Αφαιρέθηκε το προσωρινό αρχείο μιας αποθήκευσης που διακόπηκε: %1";

// The report view.
inline constexpr std::string_view kPrinted = "Τυπώθηκε";
inline constexpr std::string_view kHeadingName = "Όνομα";
inline constexpr std::string_view kHeadingPlacements = "Εκδ.";
inline constexpr std::string_view kHeadingVideos = "Βίντεο";
inline constexpr std::string_view kHeadingHours = "Ώρες";
inline constexpr std::string_view kHeadingReturnVisits = "Επαν.";
inline constexpr std::string_view kHeadingStudies = "Γρ.Μελ";
inline constexpr std::string_view kGroupCaption = "Όμιλος #";

// Emergency contacts, special needs and the group choosers.
inline constexpr std::string_view kEmergencyName = "Άλλη επαφή";
inline constexpr std::string_view kEmergencyInfo = "Επιπλέον Πληροφορίες (Προαιρετικό)";
inline constexpr std::string_view kEmergencyPhoneHome = "Τηλέφωνο Οικίας";
inline constexpr std::string_view kEmergencyPhoneMobile = "Κινητό Τηλέφωνο";
inline constexpr std::string_view kEmergencyPhoneWork = "Τηλέφωνο Εργασίας";
inline constexpr std::string_view kEmergencyWitness = "JW";
inline constexpr std::string_view kUseExistingContact = "Χρησιμοποίησε μια υπάρχουσα επαφή";
inline constexpr std::string_view kStopUsingContact = "Διακοπή χρήσης αυτής της επαφής";
inline constexpr std::string_view kSharedContactNote =
    "Αυτή η επαφή είναι κοινόχρηστη. Τυχόν αλλαγές θα επηρεάσουν άλλους χρήστες";
inline constexpr std::string_view kClearFields = "Clear Fields?";
inline constexpr std::string_view kOtherContactLabel = "Αλλες Πληροφορίες Επαφής";
inline constexpr std::string_view kSpecialNeedsGroup = " Ειδικές Ανάγκες ";
inline constexpr std::string_view kUseSharedNeed = "Χρησιμοποίησε μια κοινή ειδική ανάγκη";
inline constexpr std::string_view kStopUsingNeed = "Διακοπή χρήσης αυτής της κοινόχρηστης ανάγκης";
inline constexpr std::string_view kSharedNeedNote =
    "Αυτή είναι μια κοινόχρηστη ανάγκη. Τυχόν αλλαγές θα επηρεάσουν άλλους χρήστες.";
inline constexpr std::string_view kAllFieldsOptional = "Ολα Τα Πεδία είναι Προαιρετικα";
inline constexpr std::string_view kAnyMayBeBlank = "Μπορεις να Αφήσεις οποιοδήποτε ή όλα Κενά.";
inline constexpr std::string_view kSharedNeedsTitle = "Κοινές Ειδικές Ανάγκες";
// A record that could not reach its file stays in the dialog, so nothing typed is lost.
inline constexpr std::string_view kRecordNotWritten =
    "Η εγγραφή δεν αποθηκεύτηκε: το αρχείο %1 δεν μπόρεσε να γραφτεί. Τα στοιχεία έμειναν στο "
    "παράθυρο· ελέγξτε ότι ο φάκελος δεδομένων επιτρέπει την εγγραφή.";
inline constexpr std::string_view kRecordFileFull =
    "Η εγγραφή δεν αποθηκεύτηκε: το αρχείο %1 έχει ήδη όσες εγγραφές χωρούν (%2).";
inline constexpr std::string_view kPublisherGroupTitle = "Όμιλοι Υπηρεσίας Αγρού";
inline constexpr std::string_view kGroupMembers = "Μέλη Ομίλου";
inline constexpr std::string_view kTaskGroupTitle = "Επιλογή Ομίλου Υπηρεσίας Αγρού";
inline constexpr std::string_view kPrintAllGroupsFormat = " 1 - %d";
inline constexpr std::string_view kPrintOneGroupFormat = " %s %d";
inline constexpr std::string_view kGroupCaptionFormat = "%s %d";

// The publisher and student pickers, the add chooser, households, the status dialog and the
// month chooser.
inline constexpr std::string_view kPickerTitle = "Επιλογή Ευαγγελιζομένου";
inline constexpr std::string_view kPickerEdit = "Επεξεργασία...";
inline constexpr std::string_view kAddPublisher = "Προσθήκη Ευαγγελιζομένου";
inline constexpr std::string_view kPickerClose = "Κλείσιμο";
inline constexpr std::string_view kKindSuffix = " ( %s )";  // %s the mark of the list
inline constexpr std::string_view kAddNewPerson =
    "Εισαγωγή ευαγγελιζομένου που δεν ειναι στις λίστα Αδρανών ή στη λίστα Γραφικών Μελετών";
inline constexpr std::string_view kAddFromStudents =
    "Μεταφορά νέου ευαγγελιζομένου από την λίστα Γραφικών Μελετών";
inline constexpr std::string_view kAddFromInactive =
    "Μεταφορα επαναδραστηριοποιημένου ευαγγελιζομένου από την λίστα Αδρανών";
inline constexpr std::string_view kBecamePublisher = "έγινε ευαγγελιζόμενος";
inline constexpr std::string_view kHeadWithMembersMark = " *";
inline constexpr std::string_view kInOtherHouseholdMark = " #";
// The backslash parts the caption's two lines.
inline constexpr std::string_view kHouseholdMembers = "Μέλη Οικογένειας\\στο ίδιο σπίτι";
inline constexpr std::string_view kAddMember = "&Προσθήκη Μέλους";
inline constexpr std::string_view kRemoveMember = "&Διαγραφή";
inline constexpr std::string_view kCloseHousehold = "&Κλείσιμο";
inline constexpr std::string_view kStatusNew = "Νέος Ευαγγελιζόμενος (1η Έκθεση)";
inline constexpr std::string_view kStatusTransferredRegular = "Μεταφορά Τακτικού από άλλη Εκκλησία";
inline constexpr std::string_view kStatusTransferredIrregular =
    "Μεταφορά Μη Τακτικού από άλλη Εκκλησία";
inline constexpr std::string_view kStatusReactivated = "Επαναδραστηριοποιημένος";
inline constexpr std::string_view kStatusPutRight = "Τακτοποίηση κατάστασης του Ευαγγελιζομένου";
inline constexpr std::string_view kStatusMonthCaption =
    "Μήνας που δραστηριοποιήθηκε ξανά ή έδωσε έκθεση 1η φορά στην εκκλησία ΣΑΣ";
inline constexpr std::string_view kMonthChooserTitle = "Επιλογή Μήνα";
inline constexpr std::string_view kRegularPublisherTick = "Τακτικός Ευαγγελιζόμενος";
// Texts of this program's own, where the system gives none.
inline constexpr std::string_view kTableFull =
    "Ο πίνακας είναι γεμάτος: χωράει 1.509 άτομα όλων των λιστών (ευαγγελιζόμενους, αδρανείς, "
    "σπουδαστές, όσους μετακόμισαν και διαγραμμένους). Δεν προστέθηκε κανείς.\n\nΓια να "
    "ελευθερωθεί θέση, διαγράψτε οριστικά κάποιον από τη λίστα των διαγραμμένων ή όσων "
    "μετακόμισαν.";
inline constexpr std::string_view kChooseInactiveTitle = "Επέλεξε Αδρανή Ευαγγελιζόμενο";
inline constexpr std::string_view kChooseMemberTitle = "Επέλεξε Μέλος Οικογένειας";
inline constexpr std::string_view kHouseholdLegend =
    "*  κεφαλή οικογένειας με μέλη      #  μέλος άλλου σπιτικού";

// The congregation report: analysis, totals, the branch block and the meeting block.
inline constexpr std::string_view kAnalysisTitle = "Έκθεση Εκκλησίας για";
inline constexpr std::string_view kTotalsTitle = "Σύνολα Εκθέσεων για τον %1";
inline constexpr std::string_view kGroupAnalysisTitleNumber = "%1 Έκθεση για τον Όμιλο # %2";
inline constexpr std::string_view kGroupAnalysisTitleName = "%1 Έκθεση για τον %2";
inline constexpr std::string_view kNameJoin = " - ";
inline constexpr std::string_view kLabelJoin = ": ";
inline constexpr std::string_view kHeadingHoursAverage = "Μ.Ο. Ωρών";
inline constexpr std::string_view kHeadingThreeSixMonths = "3μη / 6μη";
inline constexpr std::string_view kPioneersSection = "Τακτικοί και Ειδικοί Σκαπανείς";
inline constexpr std::string_view kGroupSectionFormat = "  %s %d";
inline constexpr std::string_view kParticipated = kButtonYes;  // "Ναι" in the hours column
inline constexpr std::string_view kMarkUnbaptized = "§";
inline constexpr std::string_view kMarkRegularPioneer = "Σ";
inline constexpr std::string_view kMarkSpecialPioneer = "ΕΣ";
inline constexpr std::string_view kMarkAuxiliaryPioneer = "ΒΣ";
inline constexpr std::string_view kMarkSpecialServant = "+";
inline constexpr std::string_view kMarkUnderOneHour = "<";
inline constexpr std::string_view kMarkNoReport = "#";
inline constexpr std::string_view kMarkIrregular = "i";
inline constexpr std::string_view kCategoryPublishers = "Ευαγ.";
inline constexpr std::string_view kCategoryAuxiliary = "Βοηθ.Σκαπ";
inline constexpr std::string_view kCategoryRegular = "Σκαπ";
inline constexpr std::string_view kCategorySpecial = "Ειδ.Σκαπ.";
inline constexpr std::string_view kCategoryTotals = "Σύνολα";
inline constexpr std::string_view kSummaryPublishers = "Σύνολο Ευαγγελιζομένων";
inline constexpr std::string_view kSummaryAuxiliary = "Βοηθητικοί Σκαπανείς";
inline constexpr std::string_view kSummaryUnderFive = "Κάτω από 5 ώρες";
inline constexpr std::string_view kSummaryIrregular = "Σύνολο Μη Τακτικών";
inline constexpr std::string_view kSummaryFiveToNine = "5 έως 9 ώρες";
inline constexpr std::string_view kSummaryNoReport = "Χωρίς Δελτίο";
inline constexpr std::string_view kSummaryTenOrMore = "10 ώρες ή περισσότερο";
inline constexpr std::string_view kSummaryUnbaptized = "Αβάφτιστοι ";
inline constexpr std::string_view kSummaryUnderOneHour = "Κάτω από 1 ώρα";
inline constexpr std::string_view kBranchReportTitle = "Έκθεση %1 για το Γραφείο Τμήματος";
inline constexpr std::string_view kBranchActiveFormat = " - %d ";
inline constexpr std::string_view kMeetingReportHeading = "Έκθεση Παρόντων Συναθροίσεων";
inline constexpr std::string_view kHeadingPercent = "Επί τοις 100";
inline constexpr std::string_view kOutOf = "από";
inline constexpr std::string_view kMeetingPercentFormat = "%6.0f%c  %s  %3d";
inline constexpr std::string_view kMonthNumberFormat = "%d-%.2d";  // year, month 1-12

// The report view's fonts, printing and print preview.
inline constexpr std::string_view kFontTitleChooser = "Γραμ/σειρά για Τίτλους";
inline constexpr std::string_view kFontSubtitleChooser = "Γραμ/σειρά για Υπότιτλους";
inline constexpr std::string_view kFontHeadingChooser = "Γραμ/σειρά για Επικεφαλίδες";
inline constexpr std::string_view kFontTextChooser = "Γραμ/σειρά για το κείμενο της Έκθεσης";
inline constexpr std::string_view kPreviewPrevious = "Προηγούμενη";
inline constexpr std::string_view kPreviewNext = "Επόμενη";
inline constexpr std::string_view kPreviewFirst = "Πρώτη";
inline constexpr std::string_view kPreviewLast = "Τελευταία";
inline constexpr std::string_view kPreviewZoomIn = "Μεγέθυνση";
inline constexpr std::string_view kPreviewZoomOut = "Σμίκρυνση";
inline constexpr std::string_view kPreviewFitWidth = "Πλάτος Σελίδας";
inline constexpr std::string_view kPreviewWholePage = "Ολόκληρη Σελίδα";
inline constexpr std::string_view kPreviewClose = "Κλείσιμο";
inline constexpr std::string_view kPreviewPageOf = "Σελίδα %1 από %2";
inline constexpr std::string_view kPrintDialogTitle = "Εκτύπωση";
inline constexpr std::string_view kNoPrinter =
    "Δεν βρέθηκε εκτυπωτής. Εγκαταστήστε έναν εκτυπωτή και ξαναδοκιμάστε.";
inline constexpr std::string_view kPrintFailed = "Η εκτύπωση δεν ξεκίνησε στον εκτυπωτή %1.";
inline constexpr std::string_view kPdfNotWritten = "Το αρχείο PDF δεν μπόρεσε να γραφτεί: %1";
inline constexpr std::string_view kPdfNoReport = "Η έκθεση αυτή δεν είναι ακόμη διαθέσιμη.";

// The details of a publisher or a student (dialog 139).
inline constexpr std::string_view kDetailsTitle = "Επεξεργασία Στοιχείων Ευαγγελιζομένου";
inline constexpr std::string_view kLastNameLabel = "Επίθετο";
inline constexpr std::string_view kAddressLabel = "Διεύθυνση";
inline constexpr std::string_view kPhoneMobileLabel = "Κινητό τηλέφωνο";
inline constexpr std::string_view kEmailLabel = "Διεύθυνση Email";
inline constexpr std::string_view kBirthDateLabel = "Ημ/νία Γέννησης";
inline constexpr std::string_view kBaptismDateLabel = "Ημ/νία Βαφτίσματος.";
inline constexpr std::string_view kTickAnointed = "Χρισμένος";
inline constexpr std::string_view kTickMale = "Άντρας";
inline constexpr std::string_view kTickFemale = "Γυναίκα";
inline constexpr std::string_view kTickServant = "Διακονικός Υπηρέτης.";
inline constexpr std::string_view kTickElder = "Πρεσβύτερος";
inline constexpr std::string_view kTickBaptized = "Βαφτισμένος";
inline constexpr std::string_view kTickRegular = "Τακτικός Σκαπανέας";
inline constexpr std::string_view kTickSpecial = "Ειδικός Σκαπανέας";
inline constexpr std::string_view kTickContinuousAux = "Συνέχεια Βοηθ. Σκαπανέας";
inline constexpr std::string_view kTickFullTimeServant = "Ειδικός Ολοχρόνιος Υπηρέτης ";
inline constexpr std::string_view kTickFieldMissionary = "Ιεραπόσλος στον αγρό";
inline constexpr std::string_view kTickHeadOfFamily = "Κεφαλή Οικογένειας";
inline constexpr std::string_view kTickConsent =
    "Συναίνεση για χρήση Προσωπικών Δεδομένων στο αρχείο (EU GDPR)";
inline constexpr std::string_view kPrivilegesButton = "Προνόμια";
inline constexpr std::string_view kClearRemembered = "Καθαρισμός";
inline constexpr std::string_view kFullNameButton = "Πλήρες Όνομα - Άλλες Πληροφορίες Επαφής";
inline constexpr std::string_view kEmergencyButton = "Άλλη Επαφή";
inline constexpr std::string_view kSpecialNeedsButton = "Ειδικές Ανάγκες";
inline constexpr std::string_view kStatusButton = "Κατάσταση";
inline constexpr std::string_view kDeleteButton = "Διαγραφή";
inline constexpr std::string_view kPreviousButton = "Προηγούμενο";
inline constexpr std::string_view kNextButton = "Επόμενο";
// Texts of this program's own, where the system gives none.
inline constexpr std::string_view kLastNameRequired =
    "Γράψτε το επίθετο. Χωρίς επίθετο τα στοιχεία δεν αποθηκεύονται.";
inline constexpr std::string_view kStudentLastNameTooShort =
    "Το επίθετο πρέπει να έχει τουλάχιστον δύο χαρακτήρες για να αποθηκευτούν τα στοιχεία.";
inline constexpr std::string_view kDateIncomplete = "Ελλιπής ημερομηνία: δεν θα αποθηκευτεί";
inline constexpr std::string_view kContactExtraNotStored =
    "Η διεύθυνση email και τα άλλα στοιχεία επικοινωνίας δεν αποθηκεύτηκαν: το αρχείο %1 δεν "
    "μπόρεσε να γραφτεί ή είναι γεμάτο.";
inline constexpr std::string_view kAppointmentsFull =
    "Η συναίνεση (GDPR) δεν αποθηκεύτηκε: ο πίνακας διορισμών έχει ήδη όσες εγγραφές χωρούν "
    "(%1).";

}  // namespace zelvo::res
