// What the edition's language word switches: runtime locale, report font character set and a few
// behaviours that differ between editions.
#pragma once

#include <string>
#include <string_view>

namespace zelvo {

inline constexpr std::string_view kEditionLanguageWord = "greek";

struct LanguageInfo {
    std::string_view locale;  // C runtime locale name; empty leaves the locale as it is
    int fontCharset = 0;
    bool previousMenuAtPosition5 = false;    // previous-reports submenu at 5 instead of 6
    bool lastNameFirstWithoutComma = false;  // names formatted "Last First"
    bool keepsLanguageOption = false;        // the first-name-order option is in use
};

LanguageInfo languageInfo(std::string_view word);

int reportFontCharset(std::string_view word);

// Window class of the main window; a second start looks for it to find the first.
std::string windowClassName(std::string_view word);

}  // namespace zelvo
