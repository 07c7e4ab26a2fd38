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
inline constexpr std::string_view kRollHistoryLine = "%s %d %d (Roll)";
inline constexpr std::string_view kStatusDialogTitle = "Κατάσταση του  %1";

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

}  // namespace zelvo::res
