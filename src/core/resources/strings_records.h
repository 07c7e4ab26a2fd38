// The record editors' texts: details, pickers, contacts, needs, groups, households and status.
// Part of the string table: include resources/strings.h.
#pragma once

#include <string_view>

namespace zelvo::res {

// The details of a publisher or a student.
inline constexpr std::string_view kDetailsTitle = "Επεξεργασία Στοιχείων Ευαγγελιζομένου";
inline constexpr std::string_view kStudentDetailsTitle = "Επεξεργασία Σπουδαστή";
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
inline constexpr std::string_view kTickFieldMissionary = "Ιεραπόστολος στον αγρό";
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
inline constexpr std::string_view kConductorLine = "Οδηγός Γραφικής Μελέτης";
inline constexpr std::string_view kChooseConductor = "Επέλεξε Οδηγό Γραφικής Μελέτης";
inline constexpr std::string_view kClearConductor = "Διαγραφή Οδηγού Γραφικής Μελέτης";
inline constexpr std::string_view kEditHousehold = "Επεξεργασία Σπιτικού";
inline constexpr std::string_view kViewHousehold = "Προβολή Σπιτικού";
inline constexpr std::string_view kCopy = "Αντιγραφή";
inline constexpr std::string_view kPaste = "Επικόλληση";
inline constexpr std::string_view kReallyDelete = "Θέλεις αλήθεια να διαγράψεις %1;";
inline constexpr std::string_view kDuplicateName = "Διπλό Όνομα.";
inline constexpr std::string_view kReplaceWithNew = "Αντικατάσταση με νέα πληροφορία";
inline constexpr std::string_view kLastNameRequired =
    "Γράψτε το επίθετο. Χωρίς επίθετο τα στοιχεία δεν αποθηκεύονται.";
inline constexpr std::string_view kStudentLastNameTooShort =
    "Το επίθετο πρέπει να έχει τουλάχιστον δύο χαρακτήρες για να αποθηκευτούν τα στοιχεία.";
inline constexpr std::string_view kDateIncomplete = "Ελλιπής ημερομηνία: δεν θα αποθηκευτεί";
// Under the lists of a date whose day the month does not have: %1 kMonthHasDays.
inline constexpr std::string_view kDateDoesNotExist = "Δεν υπάρχει: %1";
// %1 the month's name (with kMonthOfYear for February of a known year), %2 its days.
inline constexpr std::string_view kMonthHasDays = "ο %1 έχει %2 ημέρες";
inline constexpr std::string_view kMonthOfYear = "%1 του %2";
// OK with such a date: %1 one of the date names below, %2 kMonthHasDays.
inline constexpr std::string_view kDateRefused =
    "Η %1 δεν υπάρχει: %2.\n\nΔιορθώστε την ή αφήστε την κενή για να αποθηκευτούν τα στοιχεία.";
inline constexpr std::string_view kBirthDateName = "ημερομηνία γέννησης";
inline constexpr std::string_view kBaptismDateName = "ημερομηνία βαφτίσματος";
inline constexpr std::string_view kConsentDateName = "ημερομηνία συναίνεσης (GDPR)";
inline constexpr std::string_view kBaptismBeforeBirth =
    "Προσοχή: η ημερομηνία βαφτίσματος είναι πριν από τη γέννηση.";
// Under the names while typing. %1 as typed, %2 as it will be stored, %3 the limit.
inline constexpr std::string_view kNameCut =
    "«%1» θα αποθηκευτεί ως «%2»: το πεδίο χωράει %3 γράμματα.";
inline constexpr std::string_view kFirstNameInitial =
    "Το όνομα «%1» θα αποθηκευτεί ως «%2»: όνομα και επίθετο μαζί χωρούν %3 γράμματα.";

// What an editor could not store as typed, or at all.
inline constexpr std::string_view kProblemRepairedText =
    "Το κείμενο «%1» δεν μπορεί να αποθηκευτεί όπως είναι και έγινε «%2».";
// A record that could not reach its file stays in the dialog, so nothing typed is lost.
inline constexpr std::string_view kRecordNotWritten =
    "Η εγγραφή δεν αποθηκεύτηκε: το αρχείο %1 δεν μπόρεσε να γραφτεί. Τα στοιχεία έμειναν στο "
    "παράθυρο· ελέγξτε ότι ο φάκελος δεδομένων επιτρέπει την εγγραφή.";
inline constexpr std::string_view kRecordFileFull =
    "Η εγγραφή δεν αποθηκεύτηκε: το αρχείο %1 έχει ήδη όσες εγγραφές χωρούν (%2).";
inline constexpr std::string_view kContactExtraNotStored =
    "Η διεύθυνση email και τα άλλα στοιχεία επικοινωνίας δεν αποθηκεύτηκαν: το αρχείο %1 δεν "
    "μπόρεσε να γραφτεί ή είναι γεμάτο.";
inline constexpr std::string_view kAppointmentsFull =
    "Η συναίνεση (GDPR) δεν αποθηκεύτηκε: ο πίνακας διορισμών έχει ήδη όσες εγγραφές χωρούν "
    "(%1).";
inline constexpr std::string_view kTableFull =
    "Ο πίνακας είναι γεμάτος: χωράει 1.509 άτομα όλων των λιστών (ευαγγελιζόμενους, αδρανείς, "
    "σπουδαστές, όσους μετακόμισαν και διαγραμμένους). Δεν προστέθηκε κανείς.\n\nΓια να "
    "ελευθερωθεί θέση, διαγράψτε οριστικά κάποιον από τη λίστα των διαγραμμένων ή όσων "
    "μετακόμισαν.";

// Emergency contacts and special needs.
inline constexpr std::string_view kEmergencyChooserTitle =
    "Άλλη επαφή (προτιμότερο εκτός περιοχής)";
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
inline constexpr std::string_view kClearFields =
    "Διακοπή χρήσης της κοινής επαφής. Να αδειάσουν και τα πεδία;\n\n"
    "Ναι: τα πεδία αδειάζουν για μια νέα επαφή.\n"
    "Όχι: τα στοιχεία μένουν, ως νέα επαφή μόνο αυτού του ατόμου.\n"
    "Ακύρωση: η επαφή μένει κοινή.";
inline constexpr std::string_view kOtherContactLabel = "Άλλες Πληροφορίες Επαφής";
inline constexpr std::string_view kSpecialNeedsGroup = " Ειδικές Ανάγκες ";
inline constexpr std::string_view kUseSharedNeed = "Χρησιμοποίησε μια κοινή ειδική ανάγκη";
inline constexpr std::string_view kStopUsingNeed = "Διακοπή χρήσης αυτής της κοινόχρηστης ανάγκης";
inline constexpr std::string_view kSharedNeedNote =
    "Αυτή είναι μια κοινόχρηστη ανάγκη. Τυχόν αλλαγές θα επηρεάσουν άλλους χρήστες.";
inline constexpr std::string_view kAllFieldsOptional = "Όλα Τα Πεδία είναι Προαιρετικά";
inline constexpr std::string_view kAnyMayBeBlank = "Μπορείς να Αφήσεις οποιοδήποτε ή όλα Κενά.";
inline constexpr std::string_view kSharedNeedsTitle = "Κοινές Ειδικές Ανάγκες";

// Field service groups and their choosers.
inline constexpr std::string_view kGroupCaption = "Όμιλος #";
// %1 kGroupCaption, %2 the group's number.
inline constexpr std::string_view kGroupCaptionFormat = "%1 %2";
inline constexpr std::string_view kOverseerLine = "Επίσκοπος: %1";
inline constexpr std::string_view kServantLine = "Υπηρέτης: %1";
inline constexpr std::string_view kGuideLine = "Οδηγός: %1";
inline constexpr std::string_view kPublisherGroupTitle = "Όμιλοι Υπηρεσίας Αγρού";
inline constexpr std::string_view kGroupMembers = "Μέλη Ομίλου";
inline constexpr std::string_view kTaskGroupTitle = "Επιλογή Ομίλου Υπηρεσίας Αγρού";
inline constexpr std::string_view kNumberSign = "#";
// After kPrint: %1 the number of groups.
inline constexpr std::string_view kPrintAllGroupsFormat = " 1 - %1";
// After kPrint: %1 kNumberSign, %2 the group's number.
inline constexpr std::string_view kPrintOneGroupFormat = " %1 %2";

// The group editor, a group's details and the assignment of publishers.
inline constexpr std::string_view kGroupEditorTitle = "Επεξεργασία Όμιλοι υπηρεσίας αγρού";
inline constexpr std::string_view kNotInPublisherFile = "* Δεν υπάρχει στο Αρχείο Ευαγγελιζομένων";
inline constexpr std::string_view kEditGroupFormat = "Επεξεργασία %1";
inline constexpr std::string_view kAssignedPublishers = "Διορισμένοι Ευαγγελιζόμενοι";
inline constexpr std::string_view kGroupOverseer = "Επίσκοπος";
inline constexpr std::string_view kGroupAssistant = "Βοηθός";
inline constexpr std::string_view kGroupPlace = "Τοποθεσία";
inline constexpr std::string_view kGroupTime = "Ώρα";
inline constexpr std::string_view kGroupLabelTick = "Ονομα Όμιλος ( Ετικέτες )";
inline constexpr std::string_view kDayNames[] = {"Δευτέρα",   "Τρίτη",   "Τετάρτη", "Πέμπτη",
                                                 "Παρασκευή", "Σάββατο", "Κυριακή"};
inline constexpr std::string_view kAssignmentTitle = "Ευαγγελιζόμενοι στον Όμιλο %1";
inline constexpr std::string_view kIncludeInactive = "Συμπερίληψη Αδρανών *";
inline constexpr std::string_view kMemberCountFormat = "%1 Ευαγγελιζόμενοι";
inline constexpr std::string_view kInactiveMemberCountFormat = "( %1 Αδρανείς * )";
inline constexpr std::string_view kAllGroupsFilter = "***";
inline constexpr std::string_view kUnassignedFormat = "%1 Αδιόριστοι Ευαγγελιζόμενοι";
inline constexpr std::string_view kToGroupFormat = "στον Όμιλο #%1";
inline constexpr std::string_view kAssignButton = "<<< Διορισμός <<<";
// %1 the group's number.
inline constexpr std::string_view kNoSuchGroup = "Ο Όμιλος %1 δεν υπάρχει.";
inline constexpr std::string_view kOnlyPublishersInGroups =
    "Σε όμιλο διορίζονται μόνο ενεργοί και αδρανείς ευαγγελιζόμενοι.";

// The publisher and student pickers and the add chooser.
inline constexpr std::string_view kPickerTitle = "Επιλογή Ευαγγελιζομένου";
inline constexpr std::string_view kPickerEdit = "Επεξεργασία...";
inline constexpr std::string_view kChooseChoice = "Επιλογή";
inline constexpr std::string_view kAddPublisher = "Προσθήκη Ευαγγελιζομένου";
inline constexpr std::string_view kChooseStudentTitle = "Επέλεξε Σπουδαστή";
inline constexpr std::string_view kAddStudentButton = "<<<    &Πρόσθεσε    <<<";
inline constexpr std::string_view kChooseInactiveTitle = "Επέλεξε Αδρανή Ευαγγελιζόμενο";
inline constexpr std::string_view kChooseMemberTitle = "Επέλεξε Μέλος Οικογένειας";
// After a name in a list: %1 the mark of an inactive person or a student.
inline constexpr std::string_view kKindSuffix = " ( %1 )";
inline constexpr std::string_view kInactiveMark = "i";
inline constexpr std::string_view kStudentMark = "σ";
inline constexpr std::string_view kAddNewPerson =
    "Εισαγωγή ευαγγελιζομένου που δεν είναι στη λίστα Αδρανών ή στη λίστα Γραφικών Μελετών";
inline constexpr std::string_view kAddFromStudents =
    "Μεταφορά νέου ευαγγελιζομένου από την λίστα Γραφικών Μελετών";
inline constexpr std::string_view kAddFromInactive =
    "Μεταφορά επαναδραστηριοποιημένου ευαγγελιζομένου από την λίστα Αδρανών";
inline constexpr std::string_view kBecamePublisher = "έγινε ευαγγελιζόμενος";
inline constexpr std::string_view kVerbReactivated = "επαναδραστηριοποιήθηκε";

// Households.
inline constexpr std::string_view kHeadWithMembersMark = " *";
inline constexpr std::string_view kInOtherHouseholdMark = " #";
// The backslash parts the caption's two lines.
inline constexpr std::string_view kHouseholdMembers = "Μέλη Οικογένειας\\στο ίδιο σπίτι";
inline constexpr std::string_view kAddMember = "&Προσθήκη Μέλους";
inline constexpr std::string_view kRemoveMember = "&Διαγραφή";
inline constexpr std::string_view kCloseHousehold = "&Κλείσιμο";
inline constexpr std::string_view kHouseholdLegend =
    "*  κεφαλή οικογένειας με μέλη      #  μέλος άλλου σπιτικού";

// The status dialog and the month chooser.
inline constexpr std::string_view kStatusDialogTitle = "Κατάσταση του  %1";
inline constexpr std::string_view kStatusNew = "Νέος Ευαγγελιζόμενος (1η Έκθεση)";
inline constexpr std::string_view kStatusTransferredRegular = "Μεταφορά Τακτικού από άλλη Εκκλησία";
inline constexpr std::string_view kStatusTransferredIrregular =
    "Μεταφορά Μη Τακτικού από άλλη Εκκλησία";
inline constexpr std::string_view kStatusReactivated = "Επαναδραστηριοποιημένος";
inline constexpr std::string_view kStatusPutRight = "Τακτοποίηση κατάστασης του Ευαγγελιζομένου";
inline constexpr std::string_view kStatusMonthCaption =
    "Μήνας που δραστηριοποιήθηκε ξανά ή έδωσε έκθεση 1η φορά στην εκκλησία ΣΑΣ";
inline constexpr std::string_view kStatusMonthRequired =
    "Διαλέξτε τον μήνα. Χωρίς μήνα η κατάσταση δεν αποθηκεύεται.";
inline constexpr std::string_view kMonthThat = "Μήνας που";
inline constexpr std::string_view kMonthChooserTitle = "Επιλογή Μήνα";
inline constexpr std::string_view kRegularPublisherTick = "Τακτικός Ευαγγελιζόμενος";

// The inactive, moved and deleted lists, their transitions and the removal dialog.
inline constexpr std::string_view kInactiveDialogTitle =
    "Προσθήκη, Επεξεργασία, Διαγραφή, Επανενεργοποίηση Αδρανών Ευαγγελιζομένων";
inline constexpr std::string_view kInactiveListCaption = " Αδρανείς Ευαγγελιζόμενοι";
inline constexpr std::string_view kCandidatesCaption = " Χωρίς Εκθεση για 6 Μήνες ";
inline constexpr std::string_view kDeletedDialogTitle = "Επεξεργασία - Μόνιμη Διαγραφή - Επαναφορά";
inline constexpr std::string_view kDeletedListName = "Διαγραμμένα";
// %1 kDeletedListName.
inline constexpr std::string_view kDeletedListCaption = " %1 ";
inline constexpr std::string_view kMoveToInactive = "Μεταφορά στους Αδρανείς";
inline constexpr std::string_view kReactivateAction = "Επαναδραστηριοποιημένοι";
inline constexpr std::string_view kRestoreAction = "Επαναφορά";
inline constexpr std::string_view kEditAction = "Επεξεργασία";
inline constexpr std::string_view kCloseAction = "Κλείσιμο";
// The period filters: the last six months, the service year, the last twelve months, older, all.
inline constexpr std::string_view kPeriodSixMonths = "Τελευταίοι 6 Μήνες";
inline constexpr std::string_view kPeriodServiceYear = "Υπηρεσιακό Έτος.";
inline constexpr std::string_view kPeriodTwelveMonths = "Τελευταίοι 12 Μήνες";
inline constexpr std::string_view kPeriodOlder = "Πάνω από 12 Μήνες";
inline constexpr std::string_view kPeriodAll = "Ολα";
inline constexpr std::string_view kMovedDialogTitle = "Μετακόμισαν";
inline constexpr std::string_view kMovedListCaption = "Ευαγγελιζόμενοι που μετακόμισαν ";
// %1 the report month's name.
inline constexpr std::string_view kNoReportInMonth = "Χωρίς Έκθεση τον %1 ";
inline constexpr std::string_view kInactiveTick = "Αδρανείς";
inline constexpr std::string_view kMoveAction = "< < Μετακόμιση  < <";
inline constexpr std::string_view kDeleteAction = "Διαγραφή";
inline constexpr std::string_view kUndoMoveAction = "Αναίρεσε Μετακόμιση";
inline constexpr std::string_view kDoneAction = "Έγινε";
inline constexpr std::string_view kReallyUndoMove =
    "Θελεις σίγουρα να αναιρέσεις την μετακίνηση για %1;";
// The verbs after "Μήνας που" and the name in the month chooser's question.
inline constexpr std::string_view kVerbMoved = "Μετακόμισαν";
inline constexpr std::string_view kVerbBecameInactive = "Αδράνησαν";
inline constexpr std::string_view kVerbReturned = "επέστρεψε";
// The details of an inactive or deleted person.
inline constexpr std::string_view kLeaveOutOfGroupLists =
    "Αποκλείστε από την Λίστα του Ομίλου Υπηρεσίας Αγρού";
inline constexpr std::string_view kDeletedGroupCaption = " Διεγράφη ";
// The removal dialog.
inline constexpr std::string_view kRemovalTitle = "Διαγραφή";
inline constexpr std::string_view kRemovePermanently = "Μόνιμη Διαγραφή";
inline constexpr std::string_view kRemoveTemporarily = "Προσωρινή Διαγραφή";
// Why a transition does not run. %1 a list's name, %2 how many people it takes.
inline constexpr std::string_view kListFull = "Η λίστα «%1» είναι γεμάτη (%2 άτομα).";
// %1 the person's name, %2 the name of the list the person is in.
inline constexpr std::string_view kNotForThisList =
    "Αυτό δεν γίνεται για %1: είναι στη λίστα «%2».";
inline constexpr std::string_view kNoSuchPerson = "Δεν υπάρχει τέτοιο άτομο στον πίνακα.";
inline constexpr std::string_view kPublishersListName = "Ευαγγελιζόμενοι";
inline constexpr std::string_view kInactiveListName = "Αδρανείς";
inline constexpr std::string_view kMovedListName = "Μετακόμισαν";
inline constexpr std::string_view kStudentsListName = "Σπουδαστές";
inline constexpr std::string_view kOverseerListName = "Επίσκοπος Περιοχής";

}  // namespace zelvo::res
