// backup FOLDER [--to LOCATION] [--all-months] [--time HH:MM] and
// restore FOLDER (--last | --from BACKUP | --undo): the backup dialog's two modes, headless.
#include <cstdio>
#include <ostream>

#include "cli/cli.h"
#include "cli/commands.h"
#include "resources/strings.h"
#include "store/folder_lock.h"
#include "store/restore.h"

namespace zelvo::cli {

namespace {

namespace fs = std::filesystem;

struct BackupArgs {
    std::optional<fs::path> to;
    bool allMonths = false;
    std::optional<std::pair<int, int>> time;
};

std::optional<BackupArgs> parseBackupArgs(const std::vector<std::string>& rest, std::ostream& err) {
    BackupArgs a;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const std::string& arg = rest[i];
        if (arg == "--all-months") {
            a.allMonths = true;
            continue;
        }
        if ((arg != "--to" && arg != "--time") || i + 1 >= rest.size()) {
            err << "Άγνωστη ή ελλιπής επιλογή: " << arg << "\n";
            return std::nullopt;
        }
        const std::string& value = rest[++i];
        if (arg == "--to") {
            a.to = value;
            continue;
        }
        int hour = -1, minute = -1;
        char end = 0;
        if (std::sscanf(value.c_str(), "%2d:%2d%c", &hour, &minute, &end) != 2 || hour < 0 ||
            hour > 23 || minute < 0 || minute > 59) {
            err << "Μη έγκυρη ώρα: " << value << "\n";
            return std::nullopt;
        }
        a.time = std::pair{hour, minute};
    }
    return a;
}

}  // namespace

int commandBackup(const Options& o, std::ostream& out, std::ostream& err) {
    const auto args = parseBackupArgs(o.rest, err);
    if (!args) return kExitUsage;
    const fs::path folder = fs::absolute(o.folder).lexically_normal();
    const FolderLock lock(folder);
    if (const int rc = takeFolder(lock, folder, err); rc != kExitOk) return rc;

    fs::path location = backup::backupLocation(folder);
    if (args->to) {
        const backup::LocationChoice choice =
            backup::chooseLocation(fs::absolute(*args->to).lexically_normal());
        if (choice.refused) {
            err << res::format(res::kBackupLocationRefused, args->to->string()) << "\n";
            return kExitRefused;
        }
        location = choice.location;
    }
    std::error_code ec;
    if (!fs::is_directory(location, ec)) {
        err << res::format(res::kBackupLocationMissing, location.string()) << "\n";
        return kExitFolder;
    }
    // Which month copies go along is the live report month's affair: the start-up tells it,
    // without the tables (and so without the password).
    CZelvoDoc doc;
    doc.startUp(folder.string(), todayOf(o), LoadMode::ReadOnly);
    doc.computePreviousMask();
    backup::Moment when = backup::systemNow();
    when.date = todayOf(o);
    if (args->time) std::tie(when.hour, when.minute) = *args->time;

    const backup::BackupResult result = backup::makeBackup(
        {folder, location, when,
         backup::monthCopiesToTake(folder, doc.previousMask, doc.calendar.liveReportMonth,
                                   args->allMonths)},
        [&out](const backup::Progress& p) {
            out << res::format(res::kBackupSavingFile, p.file) << "\n";
        });
    switch (result.status) {
        case backup::BackupResult::Status::SameMinute:
            err << res::kBackupSameMinute << "\n";
            return kExitRefused;
        case backup::BackupResult::Status::Failed:
            err << res::format(res::kBackupIncomplete, result.failed) << "\n";
            return kExitFailed;
        case backup::BackupResult::Status::Done:
            break;
    }
    out << res::kBackupDone << "\n" << result.folder.string() << "\n";
    for (const std::string& note : result.notes) err << note << "\n";
    return result.notes.empty() ? kExitOk : kExitFailed;
}

int commandRestore(const Options& o, std::ostream& out, std::ostream& err) {
    const fs::path folder = fs::absolute(o.folder).lexically_normal();
    const auto& rest = o.rest;
    const bool last = rest.size() == 1 && rest[0] == "--last";
    const bool undo = rest.size() == 1 && rest[0] == "--undo";
    const bool from = rest.size() == 2 && rest[0] == "--from";
    if (!last && !undo && !from) {
        err << "Δώστε ένα από --last, --from ΑΝΤΙΓΡΑΦΟ, --undo.\n";
        return kExitUsage;
    }
    const FolderLock lock(folder);
    if (const int rc = takeFolder(lock, folder, err); rc != kExitOk) return rc;

    fs::path source;
    if (last) {
        const auto list = backup::restoreList(folder);
        if (list.empty()) {
            err << res::kRestoreNoBackup << "\n";
            return kExitRefused;
        }
        source = list.front().folder;
    } else if (undo) {
        if (!backup::undoTimeStamp(folder)) {
            err << res::kRestoreNoUndo << "\n";
            return kExitRefused;
        }
        source = backup::undoFolder(folder);
    } else {
        source = fs::absolute(rest[1]).lexically_normal();
        // A backup picked by hand is a "Zv9_" folder, as the dialog's browsing allows.
        if (!backup::isBackupFolderName(source.filename().string()) ||
            !backup::isValidBackup(source)) {
            err << res::format(res::kRestoreNotBackup, source.string()) << "\n";
            return kExitRefused;
        }
    }
    const backup::RestoreResult result = backup::restoreFiles(folder, source, undo);
    if (!result.ok()) {
        err << backup::restoreMessage(result, source) << "\n";
        return result.status == backup::RestoreResult::Status::NotABackup ? kExitRefused
                                                                          : kExitFailed;
    }
    for (const std::string& name : result.restored)
        out << res::format(res::kRestoringFile, name) << "\n";
    out << res::format(res::kRestorePressOk, source.string()) << "\n";
    return kExitOk;
}

}  // namespace zelvo::cli
