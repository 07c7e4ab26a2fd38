#include "reporting/attendance_export.h"

#include <array>
#include <cstdio>
#include <system_error>

#include "reporting/attendance_model.h"
#include "reporting/attendance_record.h"
#include "resources/strings.h"
#include "store/file_io.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo::reporting {

namespace {

constexpr int kMonthsExported = 24;
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string inQuotes(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

}  // namespace

std::string attendanceExportText(const CZelvoDoc& doc) {
    std::string out(kByteOrderMark);
    for (std::string_view heading : {res::kExportMeetingHeading, res::kExportMonthHeading,
                                     res::kMeetingsHeld, res::kAttendanceTotal, res::kAverageShort})
        out.append(heading).append(",");
    out.append(res::kActiveWord).append(kLineEnd);

    const auto& cal = doc.calendar;
    const int last = absoluteMonth(cal.reportYear, cal.reportMonth);
    const std::array<std::string_view, kMeetings> names{res::kMidweekShort, res::kWeekendShort};
    for (std::size_t k = 0; k < names.size(); ++k) {
        const MeetingAttendance& m = doc.meetings[k];
        for (int abs = last - kMonthsExported + 1; abs <= last; ++abs) {
            if (abs < 0) continue;
            const int month = abs % 12;
            const int slot = yearSlot(abs / 12);
            char monthText[16];
            std::snprintf(monthText, sizeof monthText, "%d-%.2d", 2000 + abs / 12, month + 1);
            const int active = doc.monthTotals.value(month, 0, 5, slot);
            out += inQuotes(names[k]) + "," + inQuotes(monthText) + "," +
                   inQuotes(std::to_string(m.value(MeetingAttendance::Held, month, slot))) + "," +
                   inQuotes(std::to_string(m.value(MeetingAttendance::Total, month, slot))) + "," +
                   inQuotes(averageText(monthAverage(m, month, slot))) + "," +
                   inQuotes(active == 0 ? std::string() : std::to_string(active));
            out.append(kLineEnd);
        }
    }
    return out;
}

std::filesystem::path attendanceExportPath(const CZelvoDoc& doc) {
    return std::filesystem::path(doc.currentFolder()) / "Exports" /
           (std::string(res::kAttendanceExportName) + ".csv");
}

bool writeAttendanceExport(const CZelvoDoc& doc, const std::filesystem::path& file) {
    std::error_code ec;
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
    return writeFileAtomic(file, attendanceExportText(doc));
}

std::filesystem::path exportAttendance(const CZelvoDoc& doc, UserPrompts& prompts) {
    const std::filesystem::path offered = attendanceExportPath(doc);
    std::error_code ec;
    std::filesystem::create_directories(offered.parent_path(), ec);
    const std::string chosen =
        prompts.chooseSaveFile(res::kExportAttendanceTitle, offered.string(), res::kCsvFileFilter);
    if (chosen.empty()) return {};
    const std::filesystem::path file(chosen);
    if (!writeAttendanceExport(doc, file)) {
        prompts.showMessage(res::format(res::kCannotCreateFile, file.string()));
        return {};
    }
    if (!prompts.askYesNo(res::format(res::kExportShowFolder, file.filename().string()))) return {};
    return file.parent_path();
}

}  // namespace zelvo::reporting
