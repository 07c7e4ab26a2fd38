// The restore: a backup copied back into the data folder, with the data as they were kept in
// the undo folder "unrestore" first, so the last restore can be undone (and the undo too).
// Nothing is lost whatever fails: the undo folder is made whole before the data folder is
// touched, and a file that cannot be restored puts the data back as they were.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "store/backup.h"
#include "store/backup_history.h"

namespace zelvo {
class CZelvoDoc;
class UserPrompts;
struct LoadResult;
}  // namespace zelvo

namespace zelvo::backup {

// The records of the history whose folder is a valid backup, newest first.
std::vector<BackupHistoryEntry> restoreList(const fs::path& dataFolder);
// The undo folder of the data folder.
fs::path undoFolder(const fs::path& dataFolder);
// The time its publisher table was written ("2026-12-08 14:32"), when the undo folder holds a
// valid backup; nothing otherwise.
std::optional<std::string> undoTimeStamp(const fs::path& dataFolder);

struct [[nodiscard]] RestoreResult {
    enum class Status {
        Done,
        NotABackup,   // the chosen folder holds no valid backup: nothing done
        UndoNotMade,  // the undo copy could not be made: the data folder untouched
        RolledBack,   // a file could not be restored: the data put back as they were
        Mixed,        // ... and could not all be put back: the undo folder holds them
    };
    Status status = Status::NotABackup;
    std::vector<std::string> restored;  // relative names, in order
    std::string failed;                 // full path of the file that could not be copied
    std::string notPutBack;             // Mixed: the first file that could not be put back
    fs::path undo;                      // where the data as they were are kept
    bool ok() const { return status == Status::Done; }
    // The data folder was written to (a reload is due).
    bool touched() const { return status == Status::Done || status == Status::Mixed; }
};

// Restores the files of `source` (a backup, or the undo folder when `undoing`) into the data
// folder. Data files the backup does not hold are removed (they are in the undo folder), so a
// backup of the previous generation is converted by the next load as at a start.
RestoreResult restoreFiles(const fs::path& dataFolder, const fs::path& source, bool undoing,
                           const ProgressFn& progress = {}, const CopyFile& copy = copyFileSafely);

// The message that says what a restore that did not succeed did (UTF-8); empty for Done.
std::string restoreMessage(const RestoreResult& result, const fs::path& source);

// The dialog's OK: asks about unsaved changes first (Yes saves, No drops them, Cancel stops:
// nothing then happens), restores, and loads the data folder again as at a start. Nothing when
// the user stopped it or the save failed.
struct DocumentRestore {
    RestoreResult files;
    bool reloaded = false;
    bool passwordRefused = false;  // the restored data's password was not given
};
std::optional<DocumentRestore> restoreDocument(CZelvoDoc& doc, UserPrompts& prompts,
                                               const fs::path& source, bool undoing,
                                               const Date& today, const ProgressFn& progress = {},
                                               const CopyFile& copy = copyFileSafely);

}  // namespace zelvo::backup
