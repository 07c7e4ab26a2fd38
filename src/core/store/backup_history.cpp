#include "store/backup_history.h"

#include <algorithm>

#include "store/bytes.h"
#include "store/data_files.h"

namespace zelvo {

namespace {
constexpr std::size_t kFileSize = kBackupHistoryRecords * kBackupHistoryRecordSize;
}

std::vector<BackupHistoryEntry> readBackupHistory(const fs::path& dataFolder) {
    Bytes data =
        readFileBytes(resolvePath(dataFolder, files::kBackupHistory), kFileSize).value_or(Bytes{});
    data.resize(kFileSize, 0);
    std::vector<BackupHistoryEntry> entries;
    for (std::size_t i = 0; i < kBackupHistoryRecords; ++i) {
        const Byte* r = data.data() + i * kBackupHistoryRecordSize;
        entries.push_back({readText(r, kBackupHistoryTextWidth),
                           readText(r + kBackupHistoryTextWidth, kBackupHistoryPathWidth)});
    }
    return entries;
}

bool addBackupHistory(const fs::path& dataFolder, std::string_view text, std::string_view folder) {
    const fs::path path = resolvePath(dataFolder, files::kBackupHistory);
    Bytes data = readFileBytes(path, kFileSize).value_or(Bytes{});
    data.resize(kFileSize, 0);
    std::copy_backward(data.begin(), data.end() - kBackupHistoryRecordSize, data.end());
    std::fill(data.begin(), data.begin() + kBackupHistoryRecordSize, Byte{0});
    writeText(data.data(), kBackupHistoryTextWidth, text);
    writeText(data.data() + kBackupHistoryTextWidth, kBackupHistoryPathWidth, folder);
    return writeFileAtomic(path, data);
}

}  // namespace zelvo
