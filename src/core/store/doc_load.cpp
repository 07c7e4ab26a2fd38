// The load sequence of the data folder.
#include <algorithm>
#include <set>

#include "resources/strings.h"
#include "store/branch_totals.h"
#include "store/cp1253.h"
#include "store/data_files.h"
#include "store/folder_access.h"
#include "store/late_reports.h"
#include "store/legacy_conversion.h"
#include "store/load_checks.h"
#include "store/password_check.h"
#include "store/remark_file.h"
#include "store/under_hour_file.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo {

class DocLoader {
public:
    DocLoader(CZelvoDoc& doc, UserPrompts& prompts, LoadMode mode)
        : doc_(doc),
          prompts_(prompts),
          folder_(doc.currentFolder(),
                  mode == LoadMode::ReadOnly || doc.calendar.viewingPrevious != 0) {}

    LoadResult run();

private:
    CZelvoDoc& doc_;
    UserPrompts& prompts_;
    FolderAccess folder_;
    bool oldFormat_ = false;
    Bytes oldHeader_;

    // Reads a file of fixed-size records: at most `maxRecords`; notes a partial last record and
    // records beyond the capacity.
    std::vector<Bytes> readRecords(std::string_view name, std::size_t size, std::size_t maxRecords);
    // The same as one block of whole records.
    Bytes readRecordBytes(std::string_view name, std::size_t size, std::size_t maxRecords);
    // A file of one fixed-size block: nothing when missing; a file of another size is noted and
    // read as far as it goes (zero-filled), so what it holds is kept.
    std::optional<Bytes> readBlock(std::string_view name, std::size_t size);
    void problem(std::string_view pattern, std::string_view a, std::string_view b = {}) {
        doc_.problems.push_back(res::format(pattern, a, b));
    }
    // The load's own tidying. A write that fails leaves the file as it was and is a problem for
    // the user (a file that could not be read is one already).
    void write(std::string_view name, const Bytes& data) {
        if (!folder_.write(name, data)) notWritten(name);
    }
    void remove(std::string_view name) {
        if (!folder_.remove(name)) notWritten(name);
    }
    void notWritten(std::string_view name) {
        if (!folder_.unreadable().contains(name))
            problem(res::kCannotCreateFile, folder_.pathOf(name).string());
    }

    void readDisplayConfig();
    void readContactExtras();
    void readPublisherTable();
    bool readOldPublishers();
    void convertOldCompanions();
    void readMonthTotals();
    void readGroups();
    void appendOldKindFiles();
    void readAppointments();
    void cleanEmergencyContacts();
    void readSpecialNeeds();
    void convertOldMeetings();
    void readMeetings();
    void readRemarks();
};

LoadResult CZelvoDoc::load(UserPrompts& prompts, LoadMode mode) {
    DocLoader loader(*this, prompts, mode);
    return loader.run();
}

Bytes DocLoader::readRecordBytes(std::string_view name, std::size_t size, std::size_t maxRecords) {
    auto data = folder_.read(name, size * (maxRecords + 1));
    if (!data) return {};
    const std::size_t whole = data->size() / size;
    if (whole > maxRecords) {
        problem(res::kProblemTooManyRecords, name, std::to_string(maxRecords));
    } else if (data->size() % size != 0) {
        problem(res::kProblemShortFile, name);
    }
    data->resize(std::min(whole, maxRecords) * size);
    return *data;
}

std::vector<Bytes> DocLoader::readRecords(std::string_view name, std::size_t size,
                                          std::size_t maxRecords) {
    const Bytes data = readRecordBytes(name, size, maxRecords);
    std::vector<Bytes> records;
    records.reserve(data.size() / size);
    for (std::size_t at = 0; at < data.size(); at += size)
        records.emplace_back(data.begin() + static_cast<std::ptrdiff_t>(at),
                             data.begin() + static_cast<std::ptrdiff_t>(at + size));
    return records;
}

std::optional<Bytes> DocLoader::readBlock(std::string_view name, std::size_t size) {
    auto data = folder_.read(name, size + 1);
    if (!data) return std::nullopt;
    if (data->size() != size) problem(res::kProblemBadSize, name);
    data->resize(size, 0);
    return data;
}

LoadResult DocLoader::run() {
    // A load begins from the files: only what it repairs or converts marks the data changed.
    doc_.modified_ = false;
    doc_.problems = doc_.startProblems_;
    doc_.unreadableFiles = doc_.startUnreadable_;
    doc_.lastEnteredId = 0;
    // Nothing reaches the folder before the password gate has opened.
    folder_.holdWrites();
    doc_.groups = {};
    doc_.groupsOld = {};
    doc_.monthTotals = {};
    doc_.displayConfig = {};
    // Files read as they stand, before the table: the display configuration, the contact extras.
    readDisplayConfig();
    readContactExtras();
    // The publisher table with its totals, groups and under-one-hour marks: for the live report
    // month, or for the month copy being viewed.
    const bool tableToLoad = doc_.calendar.reportMonth == doc_.calendar.liveReportMonth ||
                             doc_.calendar.viewingPrevious != 0;
    if (tableToLoad) {
        readPublisherTable();
        if ((doc_.header().headerMonth() & 0x0F) == doc_.calendar.reportMonth + 1)
            doc_.lastEnteredId = static_cast<std::int16_t>(doc_.header().lastEnteredId());
        if (oldFormat_) convertOldCompanions();
        readMonthTotals();
        readGroups();
        doc_.sortRows();
        doc_.countKind(kPublisher);
        // The duplicate-overseer message waits for the index of the final order below.
        doc_.buildIndexes(nullptr);
        applyUnderHourRecords(doc_, readRecordBytes(files::kUnderHour, UnderHourRecord::kSize,
                                                    4 * CZelvoDoc::kMaxRows));
    }
    // Old-format data: the files of the other kinds join the converted table.
    if (oldFormat_) {
        appendOldKindFiles();
        doc_.countAllKinds();
    }
    // The rows in plain form, checked, sorted and indexed with their appointments; duplicate ids
    // renumbered.
    if (doc_.header().bytes[PublisherRecord::kScrambleMarker] != 'A')
        for (PublisherRecord& r : doc_.publishers) unscrambleRecord(r);
    // A damaged header would keep every later save from writing the table.
    doc_.header().bytes[PublisherRecord::kScrambleMarker] = 'A';
    checkPublisherRows(doc_, !folder_.unreadable().contains(files::kGroups));
    doc_.sortRows();
    readAppointments();
    checkAppointments(doc_);
    doc_.countAllKinds();
    doc_.buildIndexes(&prompts_);
    doc_.renumberDuplicateIds();
    // After the renumbering, so that every entry names the row it belongs to.
    if (tableToLoad) rebuildLateReports(doc_);
    // Emergency contacts and special needs, keyed to the rows that refer to them; the live
    // emergency file loses the others.
    cleanEmergencyContacts();
    readSpecialNeeds();
    deriveReportMonth(doc_.calendar);
    // The password gate. Refused: an empty document (its folder, calendar, settings and mode
    // kept) and none of the held writes.
    PasswordCheck check(doc_.header().password(), doc_.calendar.viewingPrevious != 0
                                                      ? PasswordCheck::Gate::OpenMonthCopy
                                                      : PasswordCheck::Gate::OpenData);
    if (check.needed() && !prompts_.runPasswordCheck(check)) {
        const std::string folder = doc_.dataFolder;
        const CalendarState calendar = doc_.calendar;
        const Settings settings = doc_.settings;
        const bool readOnly = doc_.readOnly_;
        doc_ = CZelvoDoc();
        doc_.readOnly_ = readOnly;
        doc_.dataFolder = folder;
        doc_.calendar = calendar;
        doc_.settings = settings;
        return {false, true};
    }
    for (const std::string& name : folder_.commitHeld()) notWritten(name);
    doc_.writeClearedEarlyChoice();
    // Meeting attendance (converted first in old-format data) and the remarks.
    if (oldFormat_) convertOldMeetings();
    readMeetings();
    readRemarks();
    // What the rest of the program reads from the loaded data: which month copies exist and
    // the branch-report totals.
    doc_.computePreviousMask();
    computeBranchTotals(doc_, false);
    for (const std::string& name : folder_.unreadable()) {
        if (doc_.unreadableFiles.contains(name)) continue;
        doc_.unreadableFiles.insert(name);
        problem(res::kProblemUnreadable, name);
    }
    return {true, false};
}

void DocLoader::readDisplayConfig() {
    if (const auto data = readBlock(files::kDisplayConfig, DisplayConfig::kSize))
        std::copy(data->begin(), data->end(), doc_.displayConfig.bytes.begin());
}

void DocLoader::readContactExtras() {
    doc_.contactExtras.clear();
    doc_.contactExtraKeys.clear();
    for (const Bytes& b :
         readRecords(files::kContactExtras, ContactExtra::kSize, CZelvoDoc::kMaxContactExtras)) {
        ContactExtra raw;
        std::copy(b.begin(), b.end(), raw.bytes.begin());
        ContactExtra plain = raw;
        plain.fromFile();
        doc_.contactExtras.push_back(raw);
        doc_.contactExtraKeys.push_back({raw.publisherId(), plain.presence()});
    }
}

void DocLoader::readPublisherTable() {
    doc_.publishers.clear();
    const auto size = folder_.size(files::kPublishers);
    if (folder_.unreadable().contains(files::kPublishers)) {
        // Left empty: the save refuses to write anything over the table it could not read.
    } else if (size && *size >= files::kMinPublisherFile) {
        for (const Bytes& b :
             readRecords(files::kPublishers, PublisherRecord::kSize, CZelvoDoc::kMaxRows)) {
            PublisherRecord r;
            std::copy(b.begin(), b.end(), r.bytes.begin());
            doc_.publishers.push_back(r);
        }
    } else if (readOldPublishers()) {
        oldFormat_ = true;
        doc_.markModified();
    }
    if (doc_.publishers.empty()) {
        // A fresh data store: the header row alone.
        PublisherRecord h;
        h.setText(PublisherRecord::kFirstName, " ");
        h.bytes[PublisherRecord::kScrambleMarker] = 'A';
        doc_.publishers.push_back(h);
    }
}

bool DocLoader::readOldPublishers() {
    const auto rows =
        readRecords(files::kOldPublishers, legacy::kOldRowSize, CZelvoDoc::kOldKindFileRecords + 1);
    if (rows.empty()) return false;
    oldHeader_ = rows[0];
    const auto months = legacy::monthsToConvert(oldHeader_.data(), doc_.calendar);
    doc_.publishers.push_back(legacy::convertOldHeader(oldHeader_.data(), doc_.calendar));
    for (std::size_t i = 1; i < rows.size(); ++i) {
        PublisherRecord r = legacy::convertOldRow(rows[i].data(), months, doc_.calendar);
        r.setKind(kPublisher);
        doc_.publishers.push_back(r);
    }
    return true;
}

void DocLoader::convertOldCompanions() {
    const auto& cal = doc_.calendar;
    const auto codes = legacy::yearCodes(oldHeader_.data());
    // Remarks: this year's and the previous year's, into remark9.dat.
    constexpr std::size_t kLimit = legacy::kOldRemarkSize * (CZelvoDoc::kRemarksLoaded + 1);
    std::vector<RemarkRecord> remarks(1);
    for (const bool previous : {false, true}) {
        const Bytes file =
            readRecordBytes(previous ? files::kOldPreviousYearRemarks : files::kOldRemarks,
                            legacy::kOldRemarkSize, kLimit / legacy::kOldRemarkSize);
        for (const RemarkRecord& r : legacy::convertRemarks(file, codes, cal, previous))
            if (remarks.size() <= CZelvoDoc::kRemarksLoaded) remarks.push_back(r);
    }
    if (remarks.size() > 1) write(files::kRemarks, remarkFileBytes(remarks));
    // Totals: merged into zcard.dat.
    const auto current = folder_.read(files::kMonthTotals, MonthTotals::kSize);
    MonthTotals totals;
    if (current && current->size() == MonthTotals::kSize)
        std::copy(current->begin(), current->end(), totals.bytes.begin());
    bool merged = false;
    for (const bool previous : {false, true}) {
        const auto file = readBlock(previous ? files::kOldPreviousYearTotals : files::kOldTotals,
                                    legacy::kOldTotalsSize);
        if (!file) continue;
        legacy::mergeTotals(totals, *file, cal, previous);
        merged = true;
    }
    if (merged) write(files::kMonthTotals, Bytes(totals.bytes.begin(), totals.bytes.end()));
    // Late reports.
    legacy::applyLateReports(
        doc_.publishers,
        readRecordBytes(files::kOldLateReports, legacy::kOldLateSize, legacy::kOldLateMax), cal);
}

void DocLoader::readMonthTotals() {
    if (const auto data = readBlock(files::kMonthTotals, MonthTotals::kSize))
        std::copy(data->begin(), data->end(), doc_.monthTotals.bytes.begin());
}

void DocLoader::readGroups() {
    const auto size = folder_.size(files::kGroups);
    if (!size) return;
    if (*size == files::kOldGroupTableSize) {
        const auto data = folder_.read(files::kGroups, files::kOldGroupTableSize);
        if (!data || data->size() != files::kOldGroupTableSize) return;
        std::copy(data->begin(), data->end(), doc_.groupsOld.bytes.begin());
        // The conversion holds the count to the table; say so, as for the current layout.
        if (doc_.groupsOld.bytes[0] > ServiceGroupTable::kMaxGroups)
            problem(res::kProblemGroupCount, files::kGroups,
                    std::to_string(doc_.groupsOld.bytes[0]));
        doc_.groupsOld.unscramble();
        doc_.groups = doc_.groupsOld.converted();
        doc_.markModified();
        return;
    }
    const auto data = readBlock(files::kGroups, ServiceGroupTable::kSize);
    if (!data) return;
    std::copy(data->begin(), data->end(), doc_.groups.bytes.begin());
    doc_.groups.toggleScramble();
    if (doc_.groups.groupCount() > ServiceGroupTable::kMaxGroups) {
        problem(res::kProblemGroupCount, files::kGroups, std::to_string(doc_.groups.groupCount()));
        doc_.groups.bytes[0] = ServiceGroupTable::kMaxGroups;
        doc_.markModified();
    }
}

void DocLoader::appendOldKindFiles() {
    const std::pair<std::string_view, PublisherKind> kinds[] = {
        {files::kOldInactive, kInactive},
        {files::kOldMoved, kMoved},
        {files::kOldNonPublishers, kNonPublisher},
        {files::kOldDeleted, kDeleted}};
    const auto months = legacy::monthsToConvert(oldHeader_.data(), doc_.calendar);
    for (const auto& [name, kind] : kinds) {
        for (const Bytes& b :
             readRecords(name, legacy::kOldRowSize, CZelvoDoc::kOldKindFileRecords)) {
            if (doc_.publishers.size() >= CZelvoDoc::kMaxRows) {
                problem(res::kProblemTableFull, std::to_string(CZelvoDoc::kMaxRows - 1), name);
                break;
            }
            PublisherRecord r = legacy::convertOldRow(b.data(), months, doc_.calendar);
            r.setKind(kind);
            doc_.publishers.push_back(r);
        }
    }
}

void DocLoader::readAppointments() {
    doc_.appointments.clear();
    for (const Bytes& b :
         readRecords(files::kAppointments, AppointmentRecord::kSize, CZelvoDoc::kMaxAppointments)) {
        AppointmentRecord a;
        std::copy(b.begin(), b.end(), a.bytes.begin());
        doc_.appointments.push_back(a);
    }
}

void DocLoader::cleanEmergencyContacts() {
    doc_.emergencyKeys.clear();
    doc_.emergencyRecords.clear();
    const auto records =
        readRecords(files::kEmergency, EmergencyContact::kSize, CZelvoDoc::kMaxEmergency);
    auto add = [&](const Bytes& b) {
        EmergencyContact e;
        std::copy(b.begin(), b.end(), e.bytes.begin());
        doc_.emergencyKeys.push_back(
            {e.key(), static_cast<std::uint16_t>(doc_.emergencyRecords.size())});
        doc_.emergencyRecords.push_back(e);
    };
    if (doc_.calendar.viewingPrevious != 0) {
        for (const Bytes& b : records) add(b);
        return;
    }
    std::set<std::uint16_t> referenced;
    for (std::size_t row = 1; row < doc_.publishers.size(); ++row)
        referenced.insert(doc_.publishers[row].emergencyKey());
    std::set<std::uint16_t> kept;
    for (const Bytes& b : records) {
        const std::uint16_t key = readU16(b.data());
        if (key == 0 || kept.count(key) != 0 || referenced.count(key) == 0) continue;
        kept.insert(key);
        add(b);
    }
    if (doc_.emergencyRecords.empty()) return;  // the file stays as it was
    Bytes out;
    out.reserve(doc_.emergencyRecords.size() * EmergencyContact::kSize);
    for (const EmergencyContact& e : doc_.emergencyRecords)
        out.insert(out.end(), e.bytes.begin(), e.bytes.end());
    if (records.size() != doc_.emergencyRecords.size() ||
        folder_.size(files::kEmergency) != out.size())
        write(files::kEmergency, out);
}

void DocLoader::readSpecialNeeds() {
    doc_.specialNeedsKeys.clear();
    doc_.specialNeedRecords.clear();
    std::set<std::uint16_t> referenced;
    for (std::size_t row = 1; row < doc_.publishers.size(); ++row)
        referenced.insert(doc_.publishers[row].specialNeedsKey());
    std::set<std::uint16_t> seen;
    for (const Bytes& b :
         readRecords(files::kSpecialNeeds, SpecialNeed::kSize, CZelvoDoc::kMaxKeyList)) {
        SpecialNeed n;
        std::copy(b.begin(), b.end(), n.bytes.begin());
        std::uint16_t key = n.key();
        if (seen.count(key) != 0 || referenced.count(key) == 0)
            key = 0;
        else
            seen.insert(key);
        doc_.specialNeedsKeys.push_back(
            {key, static_cast<std::uint16_t>(doc_.specialNeedRecords.size())});
        doc_.specialNeedRecords.push_back(n);
    }
}

void DocLoader::convertOldMeetings() {
    const Bytes file =
        readRecordBytes(files::kOldMeetings, legacy::kOldMeetingSize, legacy::kOldMeetingMax);
    if (!file.empty()) {
        const auto meetings = legacy::convertMeetings(file, doc_.calendar);
        const std::size_t n = std::min<std::size_t>(2, file.size() / legacy::kOldMeetingSize);
        Bytes out;
        for (std::size_t k = 0; k < n; ++k)
            out.insert(out.end(), meetings[k].bytes.begin(), meetings[k].bytes.end());
        write(files::kMeetings, out);
    }
    // The report month's collection: open when it was opened in the report year.
    const int m = doc_.calendar.reportMonth;
    const bool open =
        doc_.header().collectionYear(m, doc_.calendar.reportSlot()) == doc_.calendar.reportYear;
    doc_.header().setCollectionState(m, open ? 1 : 2);
}

void DocLoader::readMeetings() {
    const auto records = readRecords(files::kMeetings, MeetingAttendance::kSize, 2);
    doc_.meetings = {};
    for (std::size_t k = 0; k < records.size(); ++k)
        std::copy(records[k].begin(), records[k].end(), doc_.meetings[k].bytes.begin());
    doc_.meetingCount = records.empty() ? 2 : static_cast<std::uint16_t>(records.size());
    doc_.meetings[0].setText(MeetingAttendance::kTitle, cp1253::fromUtf8(res::kMidweekMeeting));
    doc_.meetings[1].setText(MeetingAttendance::kTitle, cp1253::fromUtf8(res::kWeekendMeeting));
}

void DocLoader::readRemarks() {
    // The undo copy is the remarks as loaded: none when there is no remark file (a stale copy
    // of a session that did not close would otherwise come back on "No"). An unreadable file
    // keeps whatever is there, and closing without saving leaves it alone.
    if (!folder_.copy(files::kRemarks, files::kRemarkUndo) &&
        !folder_.unreadable().contains(files::kRemarks))
        remove(files::kRemarkUndo);
    for (std::size_t row = 1; row < doc_.publishers.size(); ++row)
        for (int m = 0; m < 12; ++m)
            for (int s = 0; s < 3; ++s)
                doc_.publishers[row].setMonthWord(MonthWord::RemarkIndex, m, s, 0);

    // Files far beyond the table are read in part and never compacted, so nothing is lost.
    const std::size_t limit = RemarkRecord::kSize * (CZelvoDoc::kMaxRemarks * 4);
    auto data = folder_.read(files::kRemarks, limit + 1);
    doc_.remarks.assign(1, RemarkRecord{});
    if (!data) return;
    const bool whole = data->size() <= limit;
    if (!whole) {
        problem(res::kProblemTooManyRecords, files::kRemarks,
                std::to_string(CZelvoDoc::kRemarksLoaded));
        data->resize(limit);
    } else if (data->size() % RemarkRecord::kSize != 0) {
        problem(res::kProblemShortFile, files::kRemarks);
    }
    std::vector<RemarkRecord> records = parseRemarkFile(*data);
    if (whole && data->size() > files::kRemarkCompactAbove) {
        records = compactRemarks(records);
        write(files::kRemarks, remarkFileBytes(records));
    }
    int outOfRange = 0;
    for (std::size_t i = 1; i < records.size() && doc_.remarks.size() <= CZelvoDoc::kRemarksLoaded;
         ++i) {
        const RemarkRecord& r = records[i];
        if (r.month() > 12) ++outOfRange;
        if (trimmed(r.remarkText()).empty() || r.month() < 1 || r.month() > 12 ||
            r.publisherId() <= 10)
            continue;
        const auto row = doc_.findById(r.publisherId());
        if (!row) continue;
        doc_.publishers[static_cast<std::size_t>(*row)].setMonthWord(
            MonthWord::RemarkIndex, r.month() - 1, r.slot() & 1,
            static_cast<std::uint16_t>(doc_.remarks.size()));
        doc_.remarks.push_back(r);
    }
    if (outOfRange > 0)
        problem(res::kProblemBadRecords, files::kRemarks, std::to_string(outOfRange));
}

}  // namespace zelvo
