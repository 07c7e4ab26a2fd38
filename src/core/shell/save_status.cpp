#include "shell/save_status.h"

#include <filesystem>
#include <set>

#include "resources/strings.h"

namespace zelvo::shell {

namespace {

std::string twoDigits(int value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace

std::string saveStatusText(const SaveResult& result, TimeOfDay savedAt) {
    if (result.ok)
        return res::format(res::kStatusSaved,
                           twoDigits(savedAt.hour) + ":" + twoDigits(savedAt.minute));
    if (result.failedFiles.empty()) return std::string(res::kStatusSaveFailed);
    // The full path would crowd the line; the folder is the one the user opened.
    const std::string first = std::filesystem::path(result.failedFiles.front()).filename().string();
    // A file reported twice is one file the user has to see to.
    const std::set<std::string> distinct(result.failedFiles.begin(), result.failedFiles.end());
    if (distinct.size() == 1) return res::format(res::kStatusSaveFailedFile, first);
    return res::format(res::kStatusSaveFailedFiles, first, std::to_string(distinct.size() - 1));
}

}  // namespace zelvo::shell
