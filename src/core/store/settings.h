// The user's settings, kept in zelvog.ini in the data folder (Windows-1253 INI text).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "store/ini_file.h"

namespace zelvo {

// Every setting of the settings table with its default. Texts are Windows-1253, as in the file.
struct Settings {
    int labelBirthDate = 1;
    int labelAlternative = 0;
    int labelLeftMargin = 20;
    int reportGridLines = 0;
    int reportNoSlipFields = 0;
    int emergJw = 1;
    int reportTopMargin = 50;
    int reportDate = 0;
    std::string congregationName;  // at most 25 characters
    int autoCapitalize = 1;
    int noticeOff = 0;
    int languageOption = 0;
    int printGroups = 0;
    int hideAverages = 0;
    int onePerPage = 0;
    int hideBirthDates = 0;
    int customCategoryEnabled = 0;
    std::string customCategoryName;  // at most 15 characters
    std::string senderEmail;
    int earlyYear = 0;
    int earlyMonth = 0;

    friend bool operator==(const Settings&, const Settings&) = default;
};

inline constexpr const char* kSettingsFileName = "zelvog.ini";
inline constexpr std::size_t kCustomCategoryMax = 15;
inline constexpr std::size_t kCongregationNameMax = 25;

// Reads the settings table from `ini`; missing keys take their defaults. The custom category
// name is cut to 15 characters; `languageOption` is forced to 0 unless `languageWord` is "ptg".
// Numbers out of their range (margins 0-99, ticks 0-1, the record card's hidden totals 0-15)
// take the default, texts longer than their field are cut, and an early choice that names no
// month is dropped; each repair adds a line to `problems` when given.
Settings readSettings(const IniFile& ini, const std::string& languageWord,
                      std::vector<std::string>* problems = nullptr);

// Writes every setting of the table into `ini`, keeping every other section and key as it was.
// `languageOption` is not written for language words other than "ptg".
void writeSettings(const Settings& settings, IniFile& ini, const std::string& languageWord);

// The early-collection keys alone ("Early"/"Year" and "Early"/"Month").
void writeEarlyChoice(const Settings& settings, IniFile& ini);

}  // namespace zelvo
