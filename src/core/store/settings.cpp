#include "store/settings.h"

#include <array>
#include <vector>

#include "resources/language_table.h"
#include "resources/strings.h"
#include "store/cp1253.h"

namespace zelvo {
namespace {

// One row per setting: where it lives in the file and which field holds it. Defaults are the
// initializers of Settings. Names are written here in UTF-8 and converted once.
struct SettingRow {
    std::string_view section;
    std::string_view key;
    int Settings::*number = nullptr;
    std::string Settings::*text = nullptr;
    std::size_t maxLength = 0;  // 0: no limit
    bool languageOption = false;
    // Numbers outside lowest-highest (when highest > 0) take the default: a margin read from a
    // damaged file must not push a report off the page or overflow its arithmetic.
    int lowest = 0;
    int highest = 0;
};

constexpr int kMarginMax = 99;        // hundredths of an inch, as the options dialog allows
constexpr int kTickMax = 1;           // a tick is stored as 0 or 1
constexpr int kHideAveragesMax = 15;  // four bits

// A tick: anything but 0 or 1 comes from a damaged file and takes the default.
constexpr SettingRow tickRow(std::string_view section, std::string_view key, int Settings::*field,
                             bool languageOption = false) {
    return SettingRow{section, key, field, nullptr, 0, languageOption, 0, kTickMax};
}

constexpr std::string_view kEnabled = "Ενεργοποιημένο";

constexpr std::array kRows = {
    tickRow("Ετικέτες", "Ημερομηνία γέννησης", &Settings::labelBirthDate),
    tickRow("Ετικέτες", "Εναλλακτική Ετικέτα", &Settings::labelAlternative),
    SettingRow{"Ετικέτες", "Αριστερο Περιθωριο", &Settings::labelLeftMargin, nullptr, 0, false, 0,
               kMarginMax},
    tickRow("Εκθέσεις", "Εμφάνιση Γραμμών Πλέγματος", &Settings::reportGridLines),
    tickRow("Εκθέσεις", "Χωρίς Δελτίο Έργου Πεδία", &Settings::reportNoSlipFields),
    tickRow("Εκθέσεις", "EmergJw", &Settings::emergJw),
    SettingRow{"Εκθέσεις", "Επάνω Περιθώριο", &Settings::reportTopMargin, nullptr, 0, false, 0,
               kMarginMax},
    tickRow("Εκθέσεις", "Ημερομηνία", &Settings::reportDate),
    SettingRow{"Εκθέσεις", "CongName", nullptr, &Settings::congregationName, kCongregationNameMax},
    tickRow("AutoCap", kEnabled, &Settings::autoCapitalize),
    tickRow("Nag", kEnabled, &Settings::noticeOff),
    tickRow("Σειρά Ονομάτων", kEnabled, &Settings::languageOption, true),
    tickRow("PrtGrp", kEnabled, &Settings::printGroups),
    SettingRow{"HideAvg", kEnabled, &Settings::hideAverages, nullptr, 0, false, 0,
               kHideAveragesMax},
    tickRow("OnePerPage", kEnabled, &Settings::onePerPage),
    tickRow("HideBir", kEnabled, &Settings::hideBirthDates),
    tickRow("Προσαρμοσμένη Κατηγορία", kEnabled, &Settings::customCategoryEnabled),
    SettingRow{"Προσαρμοσμένη Κατηγορία", "Προσαρμοσμένη Κατηγορία", nullptr,
               &Settings::customCategoryName, kCustomCategoryMax},
    SettingRow{"Sec", "Email", nullptr, &Settings::senderEmail},
    SettingRow{"Early", "Year", &Settings::earlyYear},
    SettingRow{"Early", "Month", &Settings::earlyMonth},
};

struct SettingKey {
    std::string section;  // Windows-1253
    std::string key;
    const SettingRow* row;
};

const std::vector<SettingKey>& settingKeys() {
    static const std::vector<SettingKey> keys = [] {
        std::vector<SettingKey> out;
        out.reserve(kRows.size());
        for (const SettingRow& row : kRows)
            out.push_back({cp1253::fromUtf8(row.section), cp1253::fromUtf8(row.key), &row});
        return out;
    }();
    return keys;
}

bool keepsLanguageOption(const std::string& languageWord) {
    return languageInfo(languageWord).keepsLanguageOption;
}

std::string cut(std::string text, std::size_t maxLength) {
    if (maxLength > 0 && text.size() > maxLength) text.resize(maxLength);
    return text;
}

void writeOne(const SettingKey& k, const Settings& settings, IniFile& ini) {
    const SettingRow& row = *k.row;
    if (row.number)
        ini.setInteger(k.section, k.key, settings.*row.number);
    else
        ini.setText(k.section, k.key, cut(settings.*row.text, row.maxLength));
}

}  // namespace

Settings readSettings(const IniFile& ini, const std::string& languageWord,
                      std::vector<std::string>* problems) {
    Settings settings;
    const bool withLanguageOption = keepsLanguageOption(languageWord);
    auto report = [&](std::string_view pattern, std::string_view a, std::string_view b = {}) {
        if (problems) problems->push_back(res::format(pattern, a, b));
    };
    for (const SettingKey& k : settingKeys()) {
        const SettingRow& row = *k.row;
        if (row.languageOption && !withLanguageOption) continue;
        if (row.number) {
            const int fallback = settings.*row.number;
            const int value = ini.integer(k.section, k.key, fallback);
            if (row.highest > 0 && (value < row.lowest || value > row.highest)) {
                report(res::kProblemSettingRange, row.key, std::to_string(value));
                continue;
            }
            settings.*row.number = value;
        } else {
            std::string& text = settings.*row.text;
            text = ini.text(k.section, k.key, text);
            if (row.maxLength > 0 && text.size() > row.maxLength) {
                report(res::kProblemSettingTooLong, row.key, std::to_string(row.maxLength));
                text.resize(row.maxLength);
            }
        }
    }
    // An early choice names a month of a two-digit year; anything else would move the report
    // month years away, so it is dropped whole.
    const bool noChoice = settings.earlyYear == 0 && settings.earlyMonth == 0;
    const bool validChoice = settings.earlyYear >= 1 && settings.earlyYear <= 99 &&
                             settings.earlyMonth >= 1 && settings.earlyMonth <= 12;
    if (!noChoice && !validChoice) {
        report(res::kProblemEarlyMonth,
               std::to_string(settings.earlyMonth) + "/" + std::to_string(settings.earlyYear));
        settings.earlyYear = 0;
        settings.earlyMonth = 0;
    }
    return settings;
}

void writeSettings(const Settings& settings, IniFile& ini, const std::string& languageWord) {
    const bool withLanguageOption = keepsLanguageOption(languageWord);
    for (const SettingKey& k : settingKeys()) {
        if (k.row->languageOption && !withLanguageOption) continue;
        writeOne(k, settings, ini);
    }
}

void writeEarlyChoice(const Settings& settings, IniFile& ini) {
    for (const SettingKey& k : settingKeys())
        if (k.row->number == &Settings::earlyYear || k.row->number == &Settings::earlyMonth)
            writeOne(k, settings, ini);
}

}  // namespace zelvo
