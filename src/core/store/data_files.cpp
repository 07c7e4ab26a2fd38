#include "store/data_files.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>

namespace zelvo::files {

bool isProgramFileName(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const auto sameName = [name](std::string_view kept) {
        return std::ranges::equal(name, kept, [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) ==
                   std::tolower(static_cast<unsigned char>(b));
        });
    };
    return std::ranges::any_of(kMonthCopyFiles, sameName) ||
           std::ranges::any_of(
               std::initializer_list<std::string_view>{kRemarkUndo, kEmergencyTemp, kBackupHistory,
                                                       kOldPublishers, kOldInactive, kOldMoved,
                                                       kOldNonPublishers, kOldDeleted, kOldRemarks,
                                                       kOldTotals, kOldLateReports, kOldMeetings},
               sameName);
}

}  // namespace zelvo::files
