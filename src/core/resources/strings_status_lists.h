// The texts of the status lists: the list codes, their second filters, the dialog's buttons, the
// printed list and the contact line. Part of the string table: include resources/strings.h.
#pragma once

#include <string_view>

namespace zelvo::res {

// The lists, as the dialog's first combo box names them (the no-report list is kNoReportInMonth).
inline constexpr std::string_view kListIrregular = "Μη Τακτικοί Ευαγγελιζόμενοι";
inline constexpr std::string_view kListNewPublishers = "Νέοι Ευαγγελιζόμενοι";
inline constexpr std::string_view kListReactivated = "Επαναδραστηριοποιημένοι";
inline constexpr std::string_view kListInactive = "Αδρανείς";
inline constexpr std::string_view kListMoved = "Μετακόμισαν";
inline constexpr std::string_view kListBaptismYears = "Έτη Βάφτισματος";
inline constexpr std::string_view kListAuxiliaryPioneers = "Βοηθητικοί Σκαπανείς";
inline constexpr std::string_view kListStudyConductors = "Οδηγοί Γραφικών Μελετών";
inline constexpr std::string_view kListUnbaptized = "Αβάφτιστοι ευαγγελιζόμενοι";
inline constexpr std::string_view kListStudents = "Μη-ευαγγελιζόμενοι (Σπουδαστές)";
inline constexpr std::string_view kListCollectionForm = "Φόρμα για τη Συλλογή Εκθέσεων";
inline constexpr std::string_view kListPrivileges = "Προνόμια υπηρεσίας";
inline constexpr std::string_view kListConsent =
    "Συναίνεση για χρήση Προσωπικών Δεδομένων στο αρχείο";
inline constexpr std::string_view kListNoConsent = "Χωρίς συναίνεση GDPR";
// After a list's title: %1 the number of rows.
inline constexpr std::string_view kListCount = " ( %1 )";

// The second filters: the fourth period of the new and reactivated lists, the baptism bands and
// the privileges.
inline constexpr std::string_view kPeriodTwentyFourMonths = "Τελευταίοι 24 Μήνες";
inline constexpr std::string_view kBandRecent = "Πρόσφατα Βαφτισμένοι";
inline constexpr std::string_view kBandZeroToFour = "0 - 4 χρονών";
inline constexpr std::string_view kBandFiveToNine = "5 - 9 Έτη";
inline constexpr std::string_view kBandTens = "10 - 19 Έτη";
inline constexpr std::string_view kBandTwenties = "20 - 29 Έτη";
inline constexpr std::string_view kBandThirties = "30 - 39 χρονών";
inline constexpr std::string_view kBandForties = "40 - 49 χρονών ";
inline constexpr std::string_view kBandFifties = "50 - 59 χρονών ";
inline constexpr std::string_view kBandOverSixty = "Άνω 60 χρονών ";
inline constexpr std::string_view kListServants = "Διακονικοί Υπηρέτες.";
inline constexpr std::string_view kListElders = "Πρεσβύτεροι";
inline constexpr std::string_view kListContinuousAuxiliary = "Συνεχόμενο Βοηθητικό";
inline constexpr std::string_view kListFullTimeServants = "Ειδικός Ολοχρόνιος Υπηρέτης";
inline constexpr std::string_view kListFieldMissionaries = "Ιεραπόσλοι στον αγρό";

// The dialog. %1 the group's name, %2 its overseer.
inline constexpr std::string_view kListGroupLine = "%1  -  %2";
// After kPrint: %1 the group's number.
inline constexpr std::string_view kPrintGroupSuffix = " #%1";
inline constexpr std::string_view kPrinterSetup = "Ρύθμιση Εκτυπωτή";
inline constexpr std::string_view kCopyToClipboard = "Αντιγραφή στο Πρόχειρο";
inline constexpr std::string_view kNextNumber = ">>>";
// %1 the name with the number or the address.
inline constexpr std::string_view kContactChoice = "Επιλογή %1";
inline constexpr std::string_view kNoEmailFor = "Δεν Υπάρχει Ηλ. Διεύθυνση για τον %1";
inline constexpr std::string_view kNoPrinterInstalled =
    "Δεν υπάρχει εκτυπωτής. Βεβαιωθείτε ότι υπάρχει εγκατεστημένος εκτυπωτής και προσπαθείστε "
    "ξανά.";
// After kNoPrinterInstalled and a blank line.
inline constexpr std::string_view kListPdfOffer = "Να αποθηκευτεί η λίστα ως PDF;";

// The printed list.
inline constexpr std::string_view kListHeadingMonth = "Μήνας";
inline constexpr std::string_view kListHeadingDate = "Ημερομηνία";
inline constexpr std::string_view kListHeadingConductor = "Οδηγός Γραφικής Μελέτης";
// After the collection form's heading, room to write the month in by hand.
inline constexpr std::string_view kListMonthBlank = "  -  Μήνας: ____________________";

}  // namespace zelvo::res
