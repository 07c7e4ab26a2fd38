// Creating the document: settings, date, report month and the tidy of old exports.
#include <algorithm>

#include "resources/language_table.h"
#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/data_files.h"
#include "store/file_io.h"
#include "store/folder_access.h"
#include "store/ini_file.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo {

void CZelvoDoc::startUp(const std::string& folder, const Date& today, LoadMode mode) {
    readOnly_ = mode == LoadMode::ReadOnly;
    modified_ = false;
    calendar = CalendarState{};
    calendar.earlyAllowed = 1;
    previousMask = 0;
    viewFolder.clear();
    dataFolder = folder;
    languageWord = std::string(kEditionLanguageWord);
    startProblems_.clear();
    startUnreadable_.clear();

    const fs::path iniPath = resolvePath(folder, files::kSettings);
    const IniFile ini = IniFile::load(iniPath);
    if (probeFile(iniPath) == FileState::Unreadable) {
        startUnreadable_.emplace(files::kSettings);
        startProblems_.push_back(res::format(res::kProblemUnreadable, files::kSettings));
    } else if (!ini.complete()) {
        startProblems_.push_back(res::format(res::kProblemIniTooLarge, files::kSettings));
    }
    settings = readSettings(ini, languageWord, &startProblems_);

    calendar.earlyYear = settings.earlyYear;
    calendar.earlyMonth = settings.earlyMonth;
    // The cleared choice reaches the file once the load is through the password gate.
    const bool cleared = applyReportMonthAtStart(calendar, today);
    if (cleared) {
        settings.earlyYear = 0;
        settings.earlyMonth = 0;
    }
    earlyChoiceToWrite_ = cleared && mode == LoadMode::Live;
    if (!languageInfo(languageWord).keepsLanguageOption) settings.languageOption = 0;

    const auto cfg =
        readFileBytes(resolvePath(folder, files::kDisplayConfig), DisplayConfig::kSize);
    if (cfg && cfg->size() == DisplayConfig::kSize)
        std::copy(cfg->begin(), cfg->end(), displayConfig.bytes.begin());
}

void CZelvoDoc::writeClearedEarlyChoice() {
    if (!earlyChoiceToWrite_ || readOnly()) return;
    earlyChoiceToWrite_ = false;
    if (startUnreadable_.contains(files::kSettings)) return;
    const fs::path iniPath = resolvePath(dataFolder, files::kSettings);
    IniFile ini = IniFile::load(iniPath);
    if (!ini.complete()) return;  // too large: reported at start, never rewritten
    writeEarlyChoice(settings, ini);
    // Not written, a stale choice could come back at the next start: the user is told.
    if (!ini.save(iniPath))
        problems.push_back(res::format(res::kCannotCreateFile, iniPath.string()));
}

void CZelvoDoc::showStartupNotice(UserPrompts& prompts) const {
    if (settings.noticeOff == 1) return;
    std::string text(res::kNoticeLine1);
    text += "\n\n";
    text += res::kNoticeLine2;
    text += "\n\n";
    text += res::kNoticeLine3;
    prompts.showStartupNotice(text);
}

void CZelvoDoc::tidyExports(UserPrompts& prompts) {
    const fs::path folder = dataFolder;
    // These files hold the congregation's data unencrypted: one left behind is not kept quiet.
    auto remove = [&](const fs::path& path) {
        if (!removeFile(path))
            prompts.showMessage(res::format(res::kCannotCreateFile, path.string()));
    };
    // File names on Linux are UTF-8, whoever wrote the file.
    auto existing = [&](const std::string& utf8Name) -> std::optional<std::string> {
        const fs::path p = resolvePath(folder, utf8Name);
        if (fileExists(p)) return p.filename().string();
        return std::nullopt;
    };
    std::vector<std::string> found;
    for (int m = 0; m < 12; ++m) {
        const std::string month(res::monthName(m));
        if (auto csv = existing(month + ".csv"))
            found.push_back(*csv);
        else if (auto rpt = existing(month + ".rpt"))
            found.push_back(*rpt);
    }
    if (!found.empty()) {
        if (auto xml = existing("publist.xml")) found.push_back(*xml);
        for (const std::string& name : prompts.chooseExportsToDelete(found))
            if (std::find(found.begin(), found.end(), name) != found.end()) remove(folder / name);
    }
    for (const char* name : {"contact.tsv", "3rdparty.tsv", "cardhdr.tsv", "publist.xml"})
        remove(resolvePath(folder, name));
}

}  // namespace zelvo
