// saveAll: writing the data store back into the data folder.
#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "resources/strings.h"
#include "store/branch_totals.h"
#include "store/data_files.h"
#include "store/folder_access.h"
#include "store/ini_file.h"
#include "store/late_reports.h"
#include "store/remark_file.h"
#include "store/under_hour_file.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo {

class DocSaver {
public:
    DocSaver(CZelvoDoc& doc, UserPrompts& prompts)
        : doc_(doc), prompts_(prompts), folder_(doc.dataFolder, false) {}
    SaveResult run();

private:
    CZelvoDoc& doc_;
    UserPrompts& prompts_;
    FolderAccess folder_;
    SaveResult result_;
    Bytes underHour_;  // zlt15.dat as written
    // Files to remove because their table is empty; removed only when everything else was
    // written, so a failure or a kill never leaves the data without them.
    std::vector<std::string_view> toRemove_;

    void write(std::string_view name, const Bytes& data) {
        if (keptAsIs(name)) return;
        if (folder_.write(name, data)) return;
        fail(name);
    }
    void fail(std::string_view name) { failWith(name, res::kCannotCreateFile); }
    void failWith(std::string_view name, std::string_view pattern) {
        const std::string path = folder_.pathOf(name).string();
        result_.ok = false;
        result_.failedFiles.push_back(path);
        if (!pattern.empty()) prompts_.showMessage(res::format(pattern, path));
    }
    // A file that could not be read at load is never written over or removed.
    bool keptAsIs(std::string_view name) {
        if (!doc_.unreadableFiles.contains(name)) return false;
        if (std::find(reported_.begin(), reported_.end(), name) == reported_.end()) {
            reported_.push_back(name);
            failWith(name, res::kSaveKeptUnreadable);
        }
        return true;
    }
    std::vector<std::string_view> reported_;

    void writeScrambledFiles();
    void writeAppointments();
    void writeRemarks();
    void writeSettingsFile();
    void removeEmptyTables();
};

SaveResult CZelvoDoc::saveAll(UserPrompts& prompts) {
    if (readOnly()) return {};
    if (tableUnreadable()) {
        const std::string path = resolvePath(dataFolder, files::kPublishers).string();
        prompts.showMessage(res::format(res::kSaveRefusedNoTable, path));
        lastSaveFailed_ = true;
        return {false, {path}};
    }
    prompts.beginWait(res::kSavingWait);
    DocSaver saver(*this, prompts);
    SaveResult result = saver.run();
    lastSaveFailed_ = !result.ok;
    prompts.endWait();
    return result;
}

SaveResult DocSaver::run() {
    const CalendarState& cal = doc_.calendar;
    // The month's history takes the branch totals; the header the last entered id and the report
    // month.
    computeBranchTotals(doc_, false);
    PublisherRecord& h = doc_.header();
    h.setWord(PublisherRecord::kStatusSince, static_cast<std::uint16_t>(doc_.lastEnteredId));
    h.setWord(PublisherRecord::kAppointmentBits,
              static_cast<std::uint16_t>((h.headerMonth() & ~0x0F) | (cal.reportMonth + 1)));
    // The rows take the late-report list; then the table and its companions, scrambled.
    setLateReportMarks(doc_);
    writeScrambledFiles();
    // Meeting attendance: the midweek and the weekend meeting.
    Bytes meetings;
    for (std::size_t k = 0; k < std::min<std::size_t>(doc_.meetingCount, 2); ++k)
        meetings.insert(meetings.end(), doc_.meetings[k].bytes.begin(),
                        doc_.meetings[k].bytes.end());
    write(files::kMeetings, meetings);
    // Appointments and remarks.
    writeAppointments();
    writeRemarks();
    // The display configuration and the settings; the files of empty tables go last.
    write(files::kDisplayConfig,
          Bytes(doc_.displayConfig.bytes.begin(), doc_.displayConfig.bytes.end()));
    writeSettingsFile();
    removeEmptyTables();
    // Only a save that wrote every file leaves nothing unsaved.
    if (result_.ok) doc_.markSaved();
    applyUnderHourRecords(doc_, underHour_);
    return result_;
}

void DocSaver::writeSettingsFile() {
    if (keptAsIs(files::kSettings)) return;
    const CalendarState& cal = doc_.calendar;
    const fs::path iniPath = folder_.pathOf(files::kSettings);
    IniFile ini = IniFile::load(iniPath);
    if (!ini.complete()) {
        failWith(files::kSettings, res::kSaveIniTooLarge);
        return;
    }
    doc_.settings.earlyYear = cal.earlyYear;
    doc_.settings.earlyMonth = cal.earlyMonth;
    writeSettings(doc_.settings, ini, doc_.languageWord);
    if (doc_.viewSettingsWriter) doc_.viewSettingsWriter(ini);
    if (!ini.save(iniPath)) fail(files::kSettings);
}

void DocSaver::removeEmptyTables() {
    if (!result_.ok) return;
    for (const std::string_view name : toRemove_)
        if (folder_.exists(name) && !folder_.remove(name)) fail(name);
}

void DocSaver::writeScrambledFiles() {
    for (PublisherRecord& r : doc_.publishers) scrambleRecord(r);
    if (doc_.header().bytes[PublisherRecord::kScrambleMarker] == 'u') {
        // zlt15.dat is written from the rows' marks before the rows themselves; the rows lose
        // the marks they hand over, so they are not written where zlt15.dat cannot be.
        const bool marks = moveUnderHourMarks(doc_, underHour_);
        if (keptAsIs(files::kUnderHour)) {
            failWith(files::kPublishers, {});
        } else {
            if (marks)
                write(files::kUnderHour, underHour_);
            else
                toRemove_.push_back(files::kUnderHour);
            Bytes table;
            table.reserve(doc_.publishers.size() * PublisherRecord::kSize);
            for (const PublisherRecord& r : doc_.publishers)
                table.insert(table.end(), r.bytes.begin(), r.bytes.end());
            write(files::kPublishers, table);
        }
        write(files::kMonthTotals,
              Bytes(doc_.monthTotals.bytes.begin(), doc_.monthTotals.bytes.end()));
        if (doc_.groups.groupCount() != 0) {
            ServiceGroupTable scrambled = doc_.groups;
            scrambled.toggleScramble();
            write(files::kGroups, Bytes(scrambled.bytes.begin(), scrambled.bytes.end()));
        } else if (!keptAsIs(files::kGroups)) {
            toRemove_.push_back(files::kGroups);
        }
    }
    for (PublisherRecord& r : doc_.publishers) unscrambleRecord(r);
}

void DocSaver::writeAppointments() {
    const std::size_t n = doc_.appointments.size();
    if (n > CZelvoDoc::kMaxAppointments) return;
    if (n == 0) {
        // Left in place, the file would bring back the appointments of people removed since.
        if (!keptAsIs(files::kAppointments)) toRemove_.push_back(files::kAppointments);
        return;
    }
    std::set<std::pair<std::uint16_t, std::uint16_t>> written;
    Bytes out;
    for (const AppointmentRecord& a : doc_.appointments) {
        if (!a.worthKeeping() || !written.insert({a.publisherId(), a.appointmentKind()}).second)
            continue;
        out.insert(out.end(), a.bytes.begin(), a.bytes.end());
    }
    write(files::kAppointments, out);
}

void DocSaver::writeRemarks() {
    if (keptAsIs(files::kRemarks)) return;
    const std::size_t limit = RemarkRecord::kSize * (CZelvoDoc::kMaxRemarks * 4);
    auto existing = folder_.read(files::kRemarks, limit + 1);
    if (existing && existing->size() > limit) {
        // Too large to rewrite safely: left alone, which loses nothing unless remarks changed.
        existing->resize(limit);
        const std::vector<RemarkRecord> before = parseRemarkFile(*existing);
        std::vector<RemarkRecord> after = before;
        mergeRemarksIntoFile(after, doc_.remarks);
        if (remarkFileBytes(after) != remarkFileBytes(before))
            failWith(files::kRemarks, res::kSaveRemarksTooLarge);
        return;
    }
    if (!existing && doc_.remarks.size() <= 1) return;
    std::vector<RemarkRecord> file =
        existing ? parseRemarkFile(*existing) : std::vector<RemarkRecord>{};
    mergeRemarksIntoFile(file, doc_.remarks);
    if (!folder_.write(files::kRemarks, remarkFileBytes(file))) {
        fail(files::kRemarks);
        return;
    }
    // "No" at exit goes back to the remarks as last saved, not as loaded.
    if (!folder_.copy(files::kRemarks, files::kRemarkUndo)) fail(files::kRemarkUndo);
}

}  // namespace zelvo
