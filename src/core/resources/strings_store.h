// The data folder's texts: reading it, saving it, the start-up and the month copies.
// Part of the string table: include resources/strings.h.
#pragma once

#include <string_view>

namespace zelvo::res {

inline constexpr std::string_view kSaveChanges = "Να αποθηκευτούν οι αλλαγές;";
inline constexpr std::string_view kSavingWait = "Περίμενε .....\nΑποθήκευση των δεδομένων σου";
inline constexpr std::string_view kCannotCreateFile =
    "Αδύνατη η δημιουργία νέου αρχείου: %1.\nΑλλάξτε την ιδιότητα μόνο για ανάγνωση από τον "
    "Κατάλογο/ το αρχείο ή ζητήστε να σας επιτραπεί να δημιουργήσετε αρχεία σ' αυτό τον "
    "κατάλογο.";
// The notice of the first start, in three paragraphs.
inline constexpr std::string_view kNoticeLine1 =
    "Αυτό το πρόγραμμα προορίζεται για να βοηθήσει στους υπολογισμούς όταν συγκεντρώνονται "
    "τα δελτία έργου και ετοιμάζεται η μηνιαία έκθεση.";
inline constexpr std::string_view kNoticeLine2 =
    "Δεν αντικαθιστά ούτε επηρεάζει τις οδηγίες της οργάνωσης προς τον Γραμματέα.";
inline constexpr std::string_view kNoticeLine3 =
    "Όλες οι κάρτες και οι φόρμες που παρέχονται από την οργάνωση πρέπει να τηρούνται "
    "κατάλληλα σύμφωνα με τις οδηγίες.";
// The meetings' names until the user gives them others.
inline constexpr std::string_view kMidweekMeeting = "Μεσοβδόμαδη Συνάθροιση";
inline constexpr std::string_view kWeekendMeeting = "Συνάθροιση Σαββατοκύριακου";
// A second circuit overseer in the table: %1 the one set aside, %2 the one kept.
inline constexpr std::string_view kDuplicateOverseer =
    "Υπάρχουν δύο επίσκοποι περιοχής, %1 και %2· ισχύει ο/η %2.";
// A month copy in the backup history: month (Windows-1253), day, year.
inline constexpr std::string_view kRollHistoryLine = "%1 %2 %3 (Roll)";
inline constexpr std::string_view kMonthCopyAfterFailedSave =
    "Η αποθήκευση δεν ολοκληρώθηκε· το αντίγραφο του μήνα δεν ανοίγει, για να μη χαθούν οι "
    "αλλαγές σου.";

// The password gate after one wrong OK: %1 what a wrong last try costs.
inline constexpr std::string_view kPasswordLastTry =
    "Προσοχή: το επόμενο πλήκτρο ή το OK είναι η τελευταία προσπάθεια· αν ο Κωδικός δεν είναι "
    "σωστός, %1";
inline constexpr std::string_view kPasswordLastTryEnds = "το πρόγραμμα θα κλείσει.";
inline constexpr std::string_view kPasswordLastTryCopy = "το αντίγραφο του μήνα δεν θα ανοίξει.";
inline constexpr std::string_view kPasswordLastTryChange = "η αλλαγή του Κωδικού ακυρώνεται.";
inline constexpr std::string_view kPasswordProgramEnds =
    "Χωρίς τον σωστό Κωδικό τα στοιχεία δεν ανοίγουν. Το πρόγραμμα θα κλείσει.";

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

}  // namespace zelvo::res
