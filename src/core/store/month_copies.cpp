// Month copies under Roll: made when a month's collection opens, reopened read-only later.
#include <chrono>
#include <ctime>

#include "resources/strings.h"
#include "store/backup_history.h"
#include "store/cp1253.h"
#include "store/data_files.h"
#include "store/file_io.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo {

namespace {

constexpr std::uintmax_t kMinCopiedTable = 500;

std::string copyFolderName(int monthNumber) {
    return "Roll/Zv9_" + std::to_string(monthNumber);
}

int lastWriteYear(const fs::path& path) {
    std::error_code ec;
    const auto when = fs::last_write_time(path, ec);
    if (ec) return 0;
    const auto sys = std::chrono::file_clock::to_sys(when);
    const std::time_t t = std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(sys));
    std::tm tm{};
    localtime_r(&t, &tm);
    return tm.tm_year + 1900;
}

}  // namespace

std::vector<std::string> CZelvoDoc::makeMonthCopy(int monthIndex, const Date& today) {
    if (readOnly()) return {};
    const int number = monthIndex == 0 ? 12 : monthIndex;
    const fs::path data = dataFolder;
    const fs::path target = resolvePath(data, copyFolderName(number));
    const fs::path copiedTable = resolvePath(target, files::kPublishers);
    const auto size = fileSize(copiedTable);
    if (size && *size > kMinCopiedTable && lastWriteYear(copiedTable) >= 2000 + calendar.reportYear)
        return {};

    std::error_code ec;
    fs::create_directories(target, ec);
    std::vector<std::string> notCopied;
    for (const std::string_view name : files::kMonthCopyFiles) {
        const fs::path from = resolvePath(data, name);
        const fs::path to = resolvePath(target, name);
        if (fileExists(from) && !copyFileAtomic(from, to)) notCopied.push_back(to.string());
    }
    const std::string line =
        res::format(res::kRollHistoryLine, cp1253::fromUtf8(res::monthName(today.month - 1)),
                    std::to_string(today.day), std::to_string(today.year));
    if (!addBackupHistory(data, line, target.string()))
        notCopied.push_back(resolvePath(data, files::kBackupHistory).string());
    markModified();
    return notCopied;
}

void CZelvoDoc::computePreviousMask() {
    previousMask = 0;
    for (int k = 1; k <= 6; ++k) {
        const int number = ((calendar.liveReportMonth - k) % 12 + 12) % 12 + 1;
        if (fileExists(resolvePath(dataFolder,
                                   copyFolderName(number) + "/" + std::string(files::kPublishers))))
            previousMask |= 1 << k;
    }
}

void CZelvoDoc::discardRemarkChanges(UserPrompts& prompts) {
    if (readOnly() || unreadableFiles.contains(files::kRemarks)) return;
    const fs::path undo = resolvePath(dataFolder, files::kRemarkUndo);
    const fs::path remarkFile = resolvePath(dataFolder, files::kRemarks);
    // Not put back, the remarks keep the changes the user turned down.
    if (fileExists(undo) && !copyFileAtomic(undo, remarkFile))
        prompts.showMessage(res::format(res::kCannotCreateFile, remarkFile.string()));
}

void CZelvoDoc::closeDocument() {
    // An undo copy left behind is harmless: the next load replaces or removes it.
    if (!readOnly()) static_cast<void>(removeFile(resolvePath(dataFolder, files::kRemarkUndo)));
}

bool CZelvoDoc::openMonthCopy(int monthsBack, UserPrompts& prompts) {
    if (monthsBack < 1 || monthsBack > 6) return false;
    if (calendar.viewingPrevious == 0) {
        if (isModified()) {
            switch (prompts.askYesNoCancel(res::kSaveChanges)) {
                case Answer::Yes:
                    // The copy replaces the document: after a failed save the edits would go.
                    if (!saveAll(prompts).ok) {
                        prompts.showMessage(res::kMonthCopyAfterFailedSave);
                        return false;
                    }
                    break;
                case Answer::No:
                    discardRemarkChanges(prompts);
                    break;
                case Answer::Cancel:
                    return false;
            }
        }
        closeDocument();
    }
    return viewMonthCopy(monthsBack, prompts);
}

bool CZelvoDoc::viewMonthCopy(int monthsBack, UserPrompts& prompts) {
    if (monthsBack < 1 || monthsBack > 6) return false;
    const int m = ((calendar.liveReportMonth - monthsBack) % 12 + 12) % 12;
    calendar.viewingPrevious = 1;
    viewFolder = resolvePath(dataFolder, copyFolderName(m + 1)).string();
    calendar.viewMonth = static_cast<std::uint8_t>(m);
    calendar.viewYear = static_cast<std::uint8_t>(
        m >= calendar.liveReportMonth ? calendar.liveReportYear - 1 : calendar.liveReportYear);
    deriveReportMonth(calendar);
    const bool hasTable = fileExists(resolvePath(viewFolder, files::kPublishers));
    const LoadResult result = hasTable ? load(prompts, LoadMode::ReadOnly) : LoadResult{};
    if (!result.ok) {
        // A password refused for the live data leaves the document empty: the caller learns it
        // from the prompts that asked for it.
        static_cast<void>(returnToLiveData(prompts));
        return false;
    }
    return true;
}

LoadResult CZelvoDoc::returnToLiveData(UserPrompts& prompts) {
    calendar.viewingPrevious = 0;
    viewFolder.clear();
    deriveReportMonth(calendar);
    return load(prompts, readOnly_ ? LoadMode::ReadOnly : LoadMode::Live);
}

}  // namespace zelvo
