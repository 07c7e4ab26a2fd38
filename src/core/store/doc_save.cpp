// saveAll: writing the data store back into the data folder.
#include <set>
#include <utility>

#include "reporting/branch_totals.h"
#include "resources/strings.h"
#include "store/data_files.h"
#include "store/folder_access.h"
#include "store/ini_file.h"
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

    void write(std::string_view name, const Bytes& data) {
        if (folder_.write(name, data)) return;
        fail(name);
    }
    void fail(std::string_view name) {
        const std::string path = folder_.pathOf(name).string();
        result_.ok = false;
        result_.failedFiles.push_back(path);
        prompts_.showMessage(res::format(res::text(res::kCannotCreateFile), path));
    }
    void setLateReportMarks();
    void writeScrambledFiles();
    void writeAppointments();
    void writeRemarks();
};

SaveResult CZelvoDoc::saveAll(UserPrompts& prompts) {
    if (readOnly()) return {};
    prompts.beginWait(res::kSavingWait);
    DocSaver saver(*this, prompts);
    SaveResult result = saver.run();
    prompts.endWait();
    return result;
}

SaveResult DocSaver::run() {
    const CalendarState& cal = doc_.calendar;
    // 1
    computeBranchTotals(doc_, false);
    PublisherRecord& h = doc_.header();
    h.setWord(PublisherRecord::kStatusSince, static_cast<std::uint16_t>(doc_.lastEnteredId));
    h.setWord(PublisherRecord::kAppointmentBits,
              static_cast<std::uint16_t>((h.headerMonth() & ~0x0F) | (cal.reportMonth + 1)));
    // 2-3
    setLateReportMarks();
    writeScrambledFiles();
    // 4
    Bytes meetings;
    for (std::size_t k = 0; k < std::min<std::size_t>(doc_.meetingCount, 2); ++k)
        meetings.insert(meetings.end(), doc_.meetings[k].bytes.begin(),
                        doc_.meetings[k].bytes.end());
    write(files::kMeetings, meetings);
    // 5-6
    writeAppointments();
    writeRemarks();
    // 7
    write(files::kDisplayConfig,
          Bytes(doc_.displayConfig.bytes.begin(), doc_.displayConfig.bytes.end()));
    const fs::path iniPath = folder_.pathOf(files::kSettings);
    IniFile ini = IniFile::load(iniPath);
    doc_.settings.earlyYear = cal.earlyYear;
    doc_.settings.earlyMonth = cal.earlyMonth;
    writeSettings(doc_.settings, ini, doc_.languageWord);
    if (doc_.viewSettingsWriter) doc_.viewSettingsWriter(ini);
    if (!ini.save(iniPath)) fail(files::kSettings);
    // 8
    doc_.modified = 0;
    applyUnderHourRecords(doc_, underHour_);
    return result_;
}

void DocSaver::setLateReportMarks() {
    const CalendarState& cal = doc_.calendar;
    const int countedIn = cal.reportMonth + 1;
    for (PublisherRecord& r : doc_.publishers)
        for (int m = 0; m < 12; ++m)
            for (int s = 0; s < 3; ++s)
                if (r.monthByte(MonthByte::CountedInMonth, m, s) == countedIn)
                    r.setMonthByte(MonthByte::CountedInMonth, m, s, 0);
    for (const LateReportEntry& e : doc_.lateReports) {
        const auto row = doc_.findById(e.publisherId);
        if (!row || e.month > 11) continue;
        doc_.publishers[static_cast<std::size_t>(*row)].setMonthByte(
            MonthByte::CountedInMonth, e.month, cal.slotOfMonth(e.month), e.countedIn);
    }
}

void DocSaver::writeScrambledFiles() {
    for (PublisherRecord& r : doc_.publishers) scrambleRecord(r);
    if (doc_.header().bytes[PublisherRecord::kScrambleMarker] == 'u') {
        // zlt15.dat is written from the rows' marks before the rows themselves.
        if (!folder_.remove(files::kUnderHour)) fail(files::kUnderHour);
        if (moveUnderHourMarks(doc_, underHour_)) write(files::kUnderHour, underHour_);
        Bytes table;
        table.reserve(doc_.publishers.size() * PublisherRecord::kSize);
        for (const PublisherRecord& r : doc_.publishers)
            table.insert(table.end(), r.bytes.begin(), r.bytes.end());
        write(files::kPublishers, table);
        write(files::kMonthTotals,
              Bytes(doc_.monthTotals.bytes.begin(), doc_.monthTotals.bytes.end()));
        if (!folder_.remove(files::kGroups)) fail(files::kGroups);
        if (doc_.groups.groupCount() != 0) {
            ServiceGroupTable scrambled = doc_.groups;
            scrambled.toggleScramble();
            write(files::kGroups, Bytes(scrambled.bytes.begin(), scrambled.bytes.end()));
        }
    }
    for (PublisherRecord& r : doc_.publishers) unscrambleRecord(r);
}

void DocSaver::writeAppointments() {
    const std::size_t n = doc_.appointments.size();
    if (n < 1 || n > CZelvoDoc::kMaxAppointments) return;
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
    const std::size_t limit = RemarkRecord::kSize * (CZelvoDoc::kMaxRemarks * 4);
    const auto existing = folder_.read(files::kRemarks, limit + 1);
    if (existing && existing->size() > limit) {
        // Too large to rewrite safely; the file was reported at load and is left alone.
        fail(files::kRemarks);
        return;
    }
    if (!existing && doc_.remarks.size() <= 1) return;
    std::vector<RemarkRecord> file =
        existing ? parseRemarkFile(*existing) : std::vector<RemarkRecord>{};
    mergeRemarksIntoFile(file, doc_.remarks);
    write(files::kRemarks, remarkFileBytes(file));
}

}  // namespace zelvo
