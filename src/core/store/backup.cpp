#include "store/backup.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <system_error>

#include "resources/strings.h"
#include "store/backup_history.h"
#include "store/cp1253.h"
#include "store/data_files.h"
#include "store/ini_file.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo::backup {

namespace {

constexpr std::string_view kPrefix = "Zv9_";
constexpr std::string_view kPartial = ".partial~";
constexpr std::uintmax_t kMinValidTable = 500;
constexpr std::uintmax_t kOldRecordSize = 336;
constexpr std::uintmax_t kSpaceFactor = 7;

// The folder names keep the month abbreviations they always had, whatever the language.
constexpr const char* kFolderMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// The settings of the backup, in the file's Windows-1253.
std::string sectionName() {
    return cp1253::fromUtf8("Αντίγραφο Ασφαλείας");
}
std::string locationKey() {
    return cp1253::fromUtf8("Αναζήτηση");
}
constexpr std::string_view kLastKey = "Last";
constexpr std::string_view kAskedKey = "Asked";

std::string twoDigits(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

std::string isoDate(const Date& d) {
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
    return text;
}

std::string yearMonth(const Date& d) {
    return isoDate(d).substr(0, 7);
}

fs::path settingsPath(const fs::path& dataFolder) {
    return resolvePath(dataFolder, files::kSettings);
}

}  // namespace

Moment systemNow() {
    const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm tm{};
    localtime_r(&t, &tm);
    return {{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday}, tm.tm_hour, tm.tm_min};
}

bool isBackupFolderName(std::string_view name) {
    return name.substr(0, kPrefix.size()) == kPrefix;
}

std::string backupFolderName(const Moment& when) {
    const int month = (when.date.month + 11) % 12;
    return std::string(kPrefix) + twoDigits(when.hour) + twoDigits(when.minute) + "_20" +
           twoDigits(when.date.year % 100) + kFolderMonths[month] + twoDigits(when.date.day);
}

std::string backupHistoryText(const Moment& when) {
    using namespace std::chrono;
    const Date& d = when.date;
    const weekday day{sys_days{year{d.year} / month{static_cast<unsigned>(d.month)} /
                               std::chrono::day{static_cast<unsigned>(d.day)}}};
    const std::string date =
        res::format(res::kBackupLongDate, res::kDayNames[day.iso_encoding() - 1],
                    std::to_string(d.day) + " " + std::string(res::monthNameGenitive(d.month - 1)),
                    std::to_string(d.year));
    const int hour12 = when.hour % 12 == 0 ? 12 : when.hour % 12;
    const std::string time =
        res::format(res::kBackupTime, std::to_string(hour12), twoDigits(when.minute),
                    when.hour < 12 ? res::kBeforeNoon : res::kAfterNoon);
    return date + " " + time;
}

bool isValidBackup(const fs::path& folder) {
    if (const auto size = fileSize(resolvePath(folder, files::kPublishers)))
        return *size > kMinValidTable;
    const auto old = fileSize(resolvePath(folder, files::kOldPublishers));
    return old && *old >= kOldRecordSize;
}

std::uintmax_t requiredSpace(const fs::path& dataFolder) {
    static constexpr std::string_view kCounted[] = {
        files::kUnderHour,  files::kMonthTotals,   files::kMeetings, files::kRemarks,
        files::kPublishers, files::kAppointments,  files::kSettings, files::kSpecialNeeds,
        files::kEmergency,  files::kContactExtras, files::kGroups,   files::kDisplayConfig};
    std::uintmax_t sum = 0;
    for (const std::string_view name : kCounted)
        sum += fileSize(resolvePath(dataFolder, name)).value_or(0);
    return kSpaceFactor * sum;
}

fs::path backupLocation(const fs::path& dataFolder) {
    const IniFile ini = IniFile::load(settingsPath(dataFolder));
    const auto value = ini.value(sectionName(), locationKey());
    std::error_code ec;
    if (value && !value->empty()) {
        const fs::path location = cp1253::toUtf8(*value);
        if (fs::is_directory(location, ec)) return location;
    }
    return dataFolder;
}

std::optional<Date> lastBackupDate(const fs::path& dataFolder) {
    const IniFile ini = IniFile::load(settingsPath(dataFolder));
    const auto value = ini.value(sectionName(), kLastKey);
    if (!value) return std::nullopt;
    const std::string& v = *value;
    int y = 0, m = 0, d = 0;
    if (v.size() != 10 || std::sscanf(v.c_str(), "%4d-%2d-%2d", &y, &m, &d) != 3)
        return std::nullopt;
    if (m < 1 || m > 12 || d < 1 || d > 31) return std::nullopt;
    return Date{y, m, d};
}

LocationChoice chooseLocation(const fs::path& picked) {
    const fs::path clean = picked.has_filename() ? picked : picked.parent_path();
    if (isBackupFolderName(clean.filename().string())) return {clean.parent_path(), true};
    return {clean, false};
}

std::vector<int> monthCopiesToTake(const fs::path& dataFolder, int previousMask,
                                   int liveReportMonth, bool allMonths) {
    if (allMonths) return monthCopiesIn(dataFolder);
    std::vector<int> numbers;
    for (int k = 1; k <= 6; ++k)
        if (previousMask & (1 << k)) numbers.push_back(((liveReportMonth - k) % 12 + 12) % 12 + 1);
    return numbers;
}

BackupResult makeBackup(const BackupRequest& request, const ProgressFn& progress,
                        const CopyFile& copy) {
    BackupResult result;
    const std::string name = backupFolderName(request.when);
    result.folder = request.location / name;
    std::error_code ec;
    if (fs::exists(result.folder, ec)) {
        result.status = BackupResult::Status::SameMinute;
        return result;
    }
    const fs::path partial = request.location / (name + std::string(kPartial));
    if (!removeFolder(partial) || !fs::create_directories(partial, ec)) {
        result.failed = partial.string();
        return result;
    }
    std::vector<std::string> names = dataFilesIn(request.dataFolder);
    const std::vector<std::string> copies =
        monthCopyFilesIn(request.dataFolder, request.monthCopies);
    names.insert(names.end(), copies.begin(), copies.end());
    const CopyOutcome outcome = copyFiles(request.dataFolder, partial, names, copy, progress);
    if (outcome.failed) {
        result.failed = resolvePath(request.dataFolder, *outcome.failed).string();
        static_cast<void>(removeFolder(partial));
        return result;
    }
    fs::rename(partial, result.folder, ec);
    if (ec) {
        result.failed = result.folder.string();
        static_cast<void>(removeFolder(partial));
        return result;
    }
    result.copied = outcome.copied;
    result.status = BackupResult::Status::Done;

    // The backup is whole from here on; what follows only remembers it.
    if (!addBackupHistory(request.dataFolder, cp1253::fromUtf8(backupHistoryText(request.when)),
                          result.folder.string()))
        result.notes.push_back(
            res::format(res::kCannotCreateFile,
                        resolvePath(request.dataFolder, files::kBackupHistory).string()));
    IniFile ini = IniFile::load(settingsPath(request.dataFolder));
    ini.setText(sectionName(), locationKey(), cp1253::fromUtf8(request.location.string()));
    ini.setText(sectionName(), kLastKey, isoDate(request.when.date));
    if (!ini.save(settingsPath(request.dataFolder)))
        result.notes.push_back(
            res::format(res::kCannotCreateFile, settingsPath(request.dataFolder).string()));
    return result;
}

BackupResult backupDocument(CZelvoDoc& doc, UserPrompts& prompts, const fs::path& location,
                            const Moment& when, bool allMonths, const ProgressFn& progress,
                            const CopyFile& copy) {
    if (doc.isModified() && !doc.saveAll(prompts).ok) {
        BackupResult refused;
        refused.notes.emplace_back(res::kBackupAfterFailedSave);
        return refused;
    }
    const fs::path data = doc.dataFolder;
    BackupRequest request{
        data, location, when,
        monthCopiesToTake(data, doc.previousMask, doc.calendar.liveReportMonth, allMonths)};
    return makeBackup(request, progress, copy);
}

bool backupOfferDue(const fs::path& dataFolder, const Date& today) {
    const IniFile ini = IniFile::load(settingsPath(dataFolder));
    if (ini.value(sectionName(), kAskedKey) == yearMonth(today)) return false;
    const auto last = lastBackupDate(dataFolder);
    if (!last) return true;
    const int months = (today.year * 12 + today.month) - (last->year * 12 + last->month);
    return months > 1 || (months == 1 && today.day > last->day);
}

bool rememberBackupOffer(const fs::path& dataFolder, const Date& today) {
    IniFile ini = IniFile::load(settingsPath(dataFolder));
    ini.setText(sectionName(), kAskedKey, yearMonth(today));
    return ini.save(settingsPath(dataFolder));
}

}  // namespace zelvo::backup
