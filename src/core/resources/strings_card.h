// The texts of the printed publisher record card.
// Part of the string table: include resources/strings.h.
#pragma once

#include <string_view>

namespace zelvo::res {

inline constexpr std::string_view kCardTitle = "ΑΡΧΕΙΟ ΕΥΑΓΓΕΛΙΖΟΜΕΝΟΥ ΕΚΚΛΗΣΙΑΣ";
inline constexpr std::string_view kCardName = "Όνομα";
inline constexpr std::string_view kCardBirthDate = "Ημερομηνία γέννησης";
inline constexpr std::string_view kCardBaptismDate = "Ημερομηνία Βαφτίσματος";
inline constexpr std::string_view kCardOtherSheep = "Άλλα Πρόβατα";
inline constexpr std::string_view kCardMissionary = "Ιεραπόστολος";
inline constexpr std::string_view kCardInTheField = "στον αγρό";
inline constexpr std::string_view kCardServiceYear = "Υπηρεσιακό Έτος";
inline constexpr std::string_view kCardTookPart = "Συμμετείχε στη Διακονία";
inline constexpr std::string_view kCardStudies = "Γραφικές Μελέτες";
inline constexpr std::string_view kCardAuxiliary = "Βοηθητικός Σκαπανέας";
inline constexpr std::string_view kCardPioneerHours =
    "Ώρες (Αν υπηρετεί ως σκαπανέας ή ως ιεραπόστολος στον αγρό)";
// The dialog's card: the participation column's short heading.
inline constexpr std::string_view kCardScreenTookPart = "Διακονία";
inline constexpr std::string_view kCardPlacements = "Αριθμός Εκδόσεων";
inline constexpr std::string_view kCardVideos = "Προβολές Βίντεο";
inline constexpr std::string_view kCardReturnVisits = "Επανεπι-σκέψεις";
inline constexpr std::string_view kCardTotal = "Σύνολο";
inline constexpr std::string_view kCardAverage = "Μέσος Όρος";
// The old-form values of a month printed in a new-form table, in its remark cell.
inline constexpr std::string_view kCardOldValues = "Εκδ. %1 Βίντ. %2 Επαν. %3";

// The card dialog.
inline constexpr std::string_view kCardDialogTitle = "Αρχειο Ευαγγελιζομένου Εκκλησίας";
inline constexpr std::string_view kCardKindRecord = "Αρχείο Ευαγγελιζομένου";
inline constexpr std::string_view kCardPreviousYearSwitch = "Προηγούμενο Υπηρεσιακό Έτος";
inline constexpr std::string_view kCardPrintShown = "Εκτύπωση αυτού του Αρχείου";
inline constexpr std::string_view kCardPrintChosen = "Εκτύπωση Επιλεγμένων Αρχείων";
inline constexpr std::string_view kCardActivePdf = "&Αρχείο Ενεργών (PDF)";
inline constexpr std::string_view kCardInactivePdf = "&Αδρανείς (PDF)";
inline constexpr std::string_view kCardPrinterDevice = "Συσκευή Εκτύπωσης ->";
inline constexpr std::string_view kCardPreferences = "Προτιμήσεις";
inline constexpr std::string_view kCardEdit = "&Επεξεργασία";
inline constexpr std::string_view kCardHistory = "Ιστορικό";
// The printer document of the chosen cards.
inline constexpr std::string_view kCardJobName = "Pub Records";
// After kNoPrinterInstalled and a blank line.
inline constexpr std::string_view kCardPdfOffer = "Να αποθηκευτούν τα αρχεία ως PDF;";
// The file offered for every active or inactive card (".pdf" follows).
inline constexpr std::string_view kCardActivePdfName = "Αρχεία Ενεργών";
inline constexpr std::string_view kCardInactivePdfName = "Αρχεία Αδρανών";
// The reports counted, in the remark cell of an old-form month on the congregation's cards, whose
// columns have no place for them.
inline constexpr std::string_view kCardReportsCounted = "Εκθέσεις: %1";
// A job of no cards: nothing is drawn, no empty page written.
inline constexpr std::string_view kCardNone = "Κανένα αρχείο για εκτύπωση.";

}  // namespace zelvo::res
