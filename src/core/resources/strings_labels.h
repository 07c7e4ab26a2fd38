// The texts of the record-file labels and the first-label dialog.
// Part of the string table: include resources/strings.h.
#pragma once

#include <string_view>

namespace zelvo::res {

inline constexpr std::string_view kLabelBirthDate = "Ημερομηνία Γέννησης";
inline constexpr std::string_view kLabelOtherSheep = "Άλλα Πρόβατα";
inline constexpr std::string_view kLabelUnbaptized = "Αβάφτιστοι Ευαγ/μενοι";
inline constexpr std::string_view kLabelServant = "Διακ.Υπηρ.";
inline constexpr std::string_view kLabelCrossed = "[X]";

// The first-label dialog.
inline constexpr std::string_view kFirstLabelTitle = "Επιλογή Αρχικής Ετικέτας";

}  // namespace zelvo::res
