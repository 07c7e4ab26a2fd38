#include "store/restore.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <system_error>

#include "resources/strings.h"
#include "store/data_files.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo::backup {

namespace {

constexpr std::string_view kUndoName = "unrestore";
constexpr std::string_view kUndoOfUndo = "_tmp";
constexpr std::string_view kPartial = ".partial~";

// Every data file and month-copy file present in `folder`, relative names.
std::vector<std::string> everythingIn(const fs::path& folder) {
    std::vector<std::string> names = dataFilesIn(folder);
    const std::vector<std::string> copies = monthCopyFilesIn(folder, monthCopiesIn(folder));
    names.insert(names.end(), copies.begin(), copies.end());
    return names;
}

bool contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The data files `before` holds and the backup does not: they would outlive the restore and
// mix with the restored data (a zdat9.bin left beside a restored zdat7.bin would be loaded
// instead of it).
std::vector<std::string> leftOver(const std::vector<std::string>& before,
                                  const std::vector<std::string>& incoming) {
    std::vector<std::string> names;
    for (const std::string_view name : backupFileNames())
        if (contains(before, std::string(name)) && !contains(incoming, std::string(name)))
            names.emplace_back(name);
    return names;
}

// Puts the data folder back as `kept` holds it: the files it had are copied back, those the
// restore brought in are removed. The first file that could not be put back, if any.
std::optional<std::string> putBack(const fs::path& dataFolder, const fs::path& kept,
                                   const std::vector<std::string>& before,
                                   const std::vector<std::string>& incoming, const CopyFile& copy) {
    std::optional<std::string> first;
    const CopyOutcome back = copyFiles(kept, dataFolder, before, copy, {});
    if (back.failed) first = back.failed;
    for (const std::string& name : incoming)
        if (!contains(before, name) && !removeFile(resolvePath(dataFolder, name)) && !first)
            first = name;
    return first;
}

}  // namespace

std::vector<BackupHistoryEntry> restoreList(const fs::path& dataFolder) {
    std::vector<BackupHistoryEntry> list;
    for (BackupHistoryEntry& entry : readBackupHistory(dataFolder))
        if (!entry.folder.empty() && isValidBackup(entry.folder)) list.push_back(std::move(entry));
    return list;
}

fs::path undoFolder(const fs::path& dataFolder) {
    return dataFolder / kUndoName;
}

std::optional<std::string> undoTimeStamp(const fs::path& dataFolder) {
    const fs::path undo = undoFolder(dataFolder);
    if (!isValidBackup(undo)) return std::nullopt;
    std::error_code ec;
    const auto written = fs::last_write_time(resolvePath(undo, files::kPublishers), ec);
    if (ec) return std::string();
    const std::time_t t = std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(
            std::chrono::file_clock::to_sys(written)));
    std::tm tm{};
    localtime_r(&t, &tm);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", tm.tm_year + 1900, tm.tm_mon + 1,
                  tm.tm_mday, tm.tm_hour, tm.tm_min);
    return std::string(text);
}

RestoreResult restoreFiles(const fs::path& dataFolder, const fs::path& source, bool undoing,
                           const ProgressFn& progress, const CopyFile& copy) {
    RestoreResult result;
    if (!isValidBackup(source)) return result;

    // 1. The data as they are, into a whole undo folder before anything else is written.
    const fs::path undo = undoFolder(dataFolder);
    const fs::path kept = undoing ? fs::path(undo.string() + std::string(kUndoOfUndo)) : undo;
    const fs::path partial = kept.string() + std::string(kPartial);
    const std::vector<std::string> before = everythingIn(dataFolder);
    const std::vector<std::string> incoming = everythingIn(source);
    const std::size_t total = before.size() + incoming.size();
    result.status = RestoreResult::Status::UndoNotMade;
    std::error_code ec;
    if (!removeFolder(partial) || !fs::create_directories(partial, ec)) {
        result.failed = partial.string();
        return result;
    }
    const CopyOutcome saved = copyFiles(dataFolder, partial, before, copy, progress, 0, total);
    if (saved.failed) {
        result.failed = resolvePath(dataFolder, *saved.failed).string();
        static_cast<void>(removeFolder(partial));
        return result;
    }
    if (!replaceFolder(partial, kept)) {
        result.failed = kept.string();
        static_cast<void>(removeFolder(partial));
        return result;
    }
    result.undo = kept;

    // 2. The backup's files over the data, and away with the data files it does not hold.
    const CopyOutcome restored =
        copyFiles(source, dataFolder, incoming, copy, progress, before.size(), total);
    result.restored = restored.copied;
    std::optional<std::string> failed;
    if (restored.failed) failed = resolvePath(source, *restored.failed).string();
    if (!failed)
        for (const std::string& name : leftOver(before, incoming))
            if (!removeFile(resolvePath(dataFolder, name))) {
                failed = resolvePath(dataFolder, name).string();
                break;
            }
    if (failed) {
        result.failed = *failed;
        const auto notBack = putBack(dataFolder, kept, before, incoming, copy);
        if (notBack) {
            result.status = RestoreResult::Status::Mixed;
            result.notPutBack = resolvePath(dataFolder, *notBack).string();
            return result;
        }
        result.status = RestoreResult::Status::RolledBack;
        // The data are as they were, so the undo of the last restore is still the one before.
        if (undoing) {
            static_cast<void>(removeFolder(kept));
            result.undo = undo;
        }
        return result;
    }

    // 3. After an undo the data it replaced become the undo folder: an undo can be undone.
    if (undoing && replaceFolder(kept, undo)) result.undo = undo;
    result.status = RestoreResult::Status::Done;
    return result;
}

std::string restoreMessage(const RestoreResult& result, const fs::path& source) {
    switch (result.status) {
        case RestoreResult::Status::Done:
            return {};
        case RestoreResult::Status::NotABackup:
            return res::format(res::kRestoreNotBackup, source.string());
        case RestoreResult::Status::UndoNotMade:
            return res::format(res::kRestoreUndoNotMade, result.failed);
        case RestoreResult::Status::RolledBack:
            return res::format(res::kRestoreRolledBack, result.failed);
        case RestoreResult::Status::Mixed:
            return res::format(res::kRestoreNotRolledBack, result.failed, result.notPutBack,
                               result.undo.string());
    }
    return {};
}

std::optional<DocumentRestore> restoreDocument(CZelvoDoc& doc, UserPrompts& prompts,
                                               const fs::path& source, bool undoing,
                                               const Date& today, const ProgressFn& progress,
                                               const CopyFile& copy) {
    if (doc.readOnly()) return std::nullopt;
    if (doc.isModified()) {
        switch (prompts.askYesNoCancel(res::kSaveChanges)) {
            case Answer::Yes:
                if (!doc.saveAll(prompts).ok) {
                    prompts.showMessage(res::kRestoreAfterFailedSave);
                    return std::nullopt;
                }
                break;
            case Answer::No:
                doc.discardRemarkChanges(prompts);
                break;
            case Answer::Cancel:
                return std::nullopt;
        }
    }
    DocumentRestore outcome{restoreFiles(doc.dataFolder, source, undoing, progress, copy)};
    if (!outcome.files.touched()) return outcome;
    // The restored folder is read as at a start: settings, report month, conversion of a
    // previous generation, the password of the restored data.
    const std::string folder = doc.dataFolder;
    doc.closeDocument();
    doc.startUp(folder, today, LoadMode::Live);
    const LoadResult loaded = doc.load(prompts, LoadMode::Live);
    outcome.reloaded = loaded.ok;
    outcome.passwordRefused = loaded.passwordRefused;
    return outcome;
}

}  // namespace zelvo::backup
