#include "store/backup_copy.h"

#include <algorithm>
#include <system_error>

#include "store/data_files.h"

namespace zelvo::backup {

bool copyFileSafely(const fs::path& from, const fs::path& to) {
    return copyFileAtomic(from, to);
}

const std::vector<std::string_view>& backupFileNames() {
    static const std::vector<std::string_view> names = {
        files::kPublishers,    files::kContactExtras, files::kRemarks,
        files::kAppointments,  files::kEmergency,     files::kMeetings,
        files::kUnderHour,     files::kMonthTotals,   files::kSpecialNeeds,
        files::kSettings,      files::kGroups,        files::kDisplayConfig,
        files::kOldPublishers, files::kOldRemarks,    files::kOldLateReports,
        files::kOldInactive,   files::kOldMoved,      files::kOldNonPublishers,
        files::kOldDeleted};
    return names;
}

std::vector<std::string> dataFilesIn(const fs::path& folder) {
    std::vector<std::string> present;
    for (const std::string_view name : backupFileNames())
        if (fileExists(resolvePath(folder, name))) present.emplace_back(name);
    return present;
}

std::string monthCopyFolder(int monthNumber) {
    return "Roll/Zv9_" + std::to_string(monthNumber);
}

std::vector<std::string> monthCopyFilesIn(const fs::path& folder, const std::vector<int>& numbers) {
    std::vector<std::string> present;
    for (const int n : numbers)
        for (const std::string_view name : files::kMonthCopyFiles) {
            const std::string relative = monthCopyFolder(n) + "/" + std::string(name);
            if (fileExists(resolvePath(folder, relative))) present.push_back(relative);
        }
    return present;
}

std::vector<int> monthCopiesIn(const fs::path& folder) {
    std::vector<int> numbers;
    std::error_code ec;
    for (int n = 1; n <= 12; ++n)
        if (fs::is_directory(resolvePath(folder, monthCopyFolder(n)), ec)) numbers.push_back(n);
    return numbers;
}

CopyOutcome copyFiles(const fs::path& from, const fs::path& to,
                      const std::vector<std::string>& names, const CopyFile& copy,
                      const ProgressFn& progress, std::size_t progressOffset,
                      std::size_t progressTotal) {
    CopyOutcome outcome;
    const std::size_t total = std::max(progressTotal, progressOffset + names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string& name = names[i];
        if (progress) progress({name, progressOffset + i, total});
        const fs::path target = resolvePath(to, name);
        std::error_code ec;
        fs::create_directories(target.parent_path(), ec);
        if (!copy(resolvePath(from, name), target)) {
            outcome.failed = name;
            return outcome;
        }
        outcome.copied.push_back(name);
    }
    return outcome;
}

bool removeFolder(const fs::path& folder) {
    std::error_code ec;
    fs::remove_all(folder, ec);
    return !fs::exists(folder, ec);
}

bool replaceFolder(const fs::path& from, const fs::path& to) {
    // The old folder is set aside, not removed, until the new one has its name.
    std::error_code ec;
    const fs::path aside = to.string() + ".old~";
    if (!removeFolder(aside)) return false;
    const bool hadOld = fs::exists(to, ec);
    if (hadOld) {
        fs::rename(to, aside, ec);
        if (ec) return false;
    }
    fs::rename(from, to, ec);
    if (ec) {
        if (hadOld) fs::rename(aside, to, ec);
        return false;
    }
    static_cast<void>(removeFolder(aside));
    return true;
}

}  // namespace zelvo::backup
