// buhist.dat: the last ten backups (and month copies), newest first, 512 bytes each.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "store/file_io.h"

namespace zelvo {

inline constexpr std::size_t kBackupHistoryRecords = 10;
inline constexpr std::size_t kBackupHistoryRecordSize = 512;
inline constexpr std::size_t kBackupHistoryTextWidth = 52;
inline constexpr std::size_t kBackupHistoryPathWidth = 460;

struct BackupHistoryEntry {
    std::string text;    // Windows-1253, as shown in the restore list
    std::string folder;  // the backup or month-copy folder
};

// All ten records (empty ones included), newest first. A missing or short file reads as empty
// records.
std::vector<BackupHistoryEntry> readBackupHistory(const fs::path& dataFolder);
// Moves records 0-8 down one place, puts the new one first and rewrites the whole file.
[[nodiscard]] bool addBackupHistory(const fs::path& dataFolder, std::string_view text,
                                    std::string_view folder);

}  // namespace zelvo
