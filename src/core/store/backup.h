// The backup: the whole data folder copied into a folder named from the time ("Zv9_1432_2024Mar05")
// in the backup location, with the month copies, entered in the backup history. A backup is
// built under a temporary name and takes its own name only when every file is in it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/backup_copy.h"
#include "store/calendar.h"

namespace zelvo {
class CZelvoDoc;
class UserPrompts;
}  // namespace zelvo

namespace zelvo::backup {

// The moment a backup is made (local time).
struct Moment {
    Date date;
    int hour = 0;  // 0-23
    int minute = 0;
};
Moment systemNow();

// A folder whose name begins with "Zv9_" is a backup or a month copy.
bool isBackupFolderName(std::string_view name);
// "Zv9_" + hour and minute + "_20" + two-digit year + month abbreviation + day.
std::string backupFolderName(const Moment& when);
// The restore list's line of a backup (UTF-8): "Τρίτη, 8 Δεκεμβρίου 2026 2:32 μμ".
std::string backupHistoryText(const Moment& when);
// A folder that holds a publisher table: zdat9.bin larger than 500 bytes, or, for a backup of
// the previous generation, a zdat7.bin of at least one record and no zdat9.bin.
bool isValidBackup(const fs::path& folder);

// Seven times the size of the files a backup copies.
std::uintmax_t requiredSpace(const fs::path& dataFolder);

// The backup location of the settings; the data folder when none is set or it is no folder.
fs::path backupLocation(const fs::path& dataFolder);
// The date of the last backup ("Last" in the settings).
std::optional<Date> lastBackupDate(const fs::path& dataFolder);

// A folder picked as the location: one named "Zv9_..." is refused and its parent taken instead.
struct LocationChoice {
    fs::path location;
    bool refused = false;
};
LocationChoice chooseLocation(const fs::path& picked);

// The month numbers whose copies go along: those the previous-reports mask marks (bit k: the
// month k months before the live report month), or every copy present when `allMonths`.
std::vector<int> monthCopiesToTake(const fs::path& dataFolder, int previousMask,
                                   int liveReportMonth, bool allMonths);

struct BackupRequest {
    fs::path dataFolder;
    fs::path location;
    Moment when;
    std::vector<int> monthCopies;  // month numbers, see monthCopiesToTake
};

struct [[nodiscard]] BackupResult {
    enum class Status {
        Done,
        SameMinute,  // the folder of this minute exists already: nothing copied
        Failed,      // nothing kept; `failed` names the file or folder
    };
    Status status = Status::Failed;
    fs::path folder;                  // the backup folder
    std::vector<std::string> copied;  // relative names, in order
    std::string failed;               // full path of what could not be copied or created
    std::vector<std::string> notes;   // the history or the settings not written (UTF-8)
    bool ok() const { return status == Status::Done; }
};

// Makes the backup: copies into "<name>.partial~", renames it when whole (removes it
// otherwise), then writes the history record and the settings (location, "Last").
BackupResult makeBackup(const BackupRequest& request, const ProgressFn& progress = {},
                        const CopyFile& copy = copyFileSafely);

// The dialog's OK: saves the document when it holds changes (no backup after a failed save),
// then makes the backup of its folder with the month copies its mask marks.
BackupResult backupDocument(CZelvoDoc& doc, UserPrompts& prompts, const fs::path& location,
                            const Moment& when, bool allMonths, const ProgressFn& progress = {},
                            const CopyFile& copy = copyFileSafely);

// The question on exit: asked when there is no backup or the last one is more than a month
// old, at most once in a calendar month.
bool backupOfferDue(const fs::path& dataFolder, const Date& today);
// Remembers in the settings that the question was asked this month.
[[nodiscard]] bool rememberBackupOffer(const fs::path& dataFolder, const Date& today);

}  // namespace zelvo::backup
