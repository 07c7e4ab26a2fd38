// Month copies under Roll: made when a month's collection opens, reopened read-only later.
#include <chrono>
#include <ctime>
#include <optional>
#include <tuple>

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

// The local date a file was last written; nothing when it cannot be told.
std::optional<Date> lastWriteDate(const fs::path& path) {
    std::error_code ec;
    const auto when = fs::last_write_time(path, ec);
    if (ec) return std::nullopt;
    const auto sys = std::chrono::file_clock::to_sys(when);
    const std::time_t t = std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(sys));
    std::tm tm{};
    localtime_r(&t, &tm);
    return Date{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
}

bool earlier(const Date& a, const Date& b) {
    return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
}

}  // namespace

std::vector<std::string> CZelvoDoc::makeMonthCopy(int monthIndex, const Date& today) {
    if (readOnly()) return {};
    const int number = monthIndex == 0 ? 12 : monthIndex;
    const fs::path data = dataFolder;
    const fs::path target = resolvePath(data, copyFolderName(number));
    const fs::path copiedTable = resolvePath(target, files::kPublishers);
    // This round's copy was written once the month being opened had begun; an older one is
    // last year's and is replaced (the copy of December, made in January, too).
    const int opened = calendar.absoluteMonthOf(monthIndex, calendar.slotOfMonth(monthIndex));
    const Date openedFrom{2000 + opened / 12, opened % 12 + 1, 1};
    const auto size = fileSize(copiedTable);
    const auto written = lastWriteDate(copiedTable);
    if (size && *size > kMinCopiedTable && written && !earlier(*written, openedFrom)) return {};

    std::error_code ec;
    fs::create_directories(target, ec);
    std::vector<std::string> notCopied;
    // The table goes last and only after all the others: a copy with a file missing is not
    // taken for a whole one, neither here next time nor in the previous-reports menu.
    for (const std::string_view name : files::kMonthCopyFiles) {
        if (name == files::kPublishers) continue;
        const fs::path from = resolvePath(data, name);
        const fs::path to = resolvePath(target, name);
        if (fileExists(from) && !copyFileAtomic(from, to)) notCopied.push_back(to.string());
    }
    const fs::path table = resolvePath(data, files::kPublishers);
    if (!notCopied.empty()) {
        if (fileExists(copiedTable)) static_cast<void>(removeFile(copiedTable));
        return notCopied;
    }
    if (fileExists(table) && !copyFileAtomic(table, copiedTable)) {
        notCopied.push_back(copiedTable.string());
        return notCopied;
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
