// The texts of the three- and six-month averages reports.
// Part of the string table: include resources/strings.h.
#pragma once

#include <string_view>

#include "resources/strings_reporting.h"

namespace zelvo::res {

// %1 the report month, in the accusative.
inline constexpr std::string_view kAveragesTitle = "Μέσος όρος για 3 / 6μήνες που τελειώνουν το %1";
inline constexpr std::string_view kAveragesIrregularMark = "*";
// The subtitles of the pioneer and privilege kinds.
inline constexpr std::string_view kAveragesRegularPioneers = kRegularPioneerLabel;
inline constexpr std::string_view kAveragesElders = kElderLabel;
inline constexpr std::string_view kAveragesServants = kServantLabel;
inline constexpr std::string_view kAveragesBaptizedBrothers = kBaptizedBrotherLabel;

}  // namespace zelvo::res
