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
inline constexpr std::string_view kCardPlacements = "Αριθμός Εκδόσεων";
inline constexpr std::string_view kCardVideos = "Προβολές Βίντεο";
inline constexpr std::string_view kCardReturnVisits = "Επανεπι-σκέψεις";
inline constexpr std::string_view kCardTotal = "Σύνολο";
inline constexpr std::string_view kCardAverage = "Μέσος Όρος";
// The old-form values of a month printed in a new-form table, in its remark cell.
inline constexpr std::string_view kCardOldValues = "Εκδ. %1 Βίντ. %2 Επαν. %3";

}  // namespace zelvo::res
