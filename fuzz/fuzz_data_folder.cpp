// Fuzzes the load and save of a whole data folder.
//
// Input: one byte of options, then chunks of a selector byte (low bits: the file, bit 7: a u16
// repeat count follows the length), a u16 length (little-endian) and that many bytes. Chunks of
// one file are appended to each other. Options: bit 0 blanks the password of the header row,
// bits 1-2 choose the date, bit 3 adds a month copy of the folder under Roll and opens it,
// bit 4 writes the file names in capitals (a folder copied from Windows).
//
// Every input is loaded read-only, which must leave the folder exactly as it was and see what a
// live load of a second copy sees. When the live load passes the password gate, the folder is
// saved and loaded again, which must give back what was loaded (less what saving changes on
// purpose); saved and loaded once more, it must be written the same.
#include <algorithm>
#include <array>
#include <cctype>
#include <set>
#include <string>

#include "doc_compare.h"
#include "fuzz_support.h"
#include "sample_folder.h"

namespace {

using namespace zelvo;
using fuzz::check;

struct FileKind {
    std::string_view name;
    std::size_t recordSize;  // 0: text
};

constexpr FileKind kFiles[] = {
    {files::kPublishers, PublisherRecord::kSize},
    {files::kMonthTotals, MonthTotals::kSize},
    {files::kGroups, ServiceGroupTable::kSize},
    {files::kMeetings, MeetingAttendance::kSize},
    {files::kRemarks, RemarkRecord::kSize},
    {files::kContactExtras, ContactExtra::kSize},
    {files::kEmergency, EmergencyContact::kSize},
    {files::kSpecialNeeds, SpecialNeed::kSize},
    {files::kAppointments, AppointmentRecord::kSize},
    {files::kUnderHour, UnderHourRecord::kSize},
    {files::kDisplayConfig, DisplayConfig::kSize},
    {files::kSettings, 0},
    {files::kOldPublishers, legacy::kOldRowSize},
    {files::kOldInactive, legacy::kOldRowSize},
    {files::kOldMoved, legacy::kOldRowSize},
    {files::kOldNonPublishers, legacy::kOldRowSize},
    {files::kOldDeleted, legacy::kOldRowSize},
    {files::kOldRemarks, legacy::kOldRemarkSize},
    {files::kOldTotals, legacy::kOldTotalsSize},
    {files::kOldLateReports, legacy::kOldLateSize},
    {files::kOldMeetings, legacy::kOldMeetingSize},
    {files::kOldPreviousYearTotals, legacy::kOldTotalsSize},
    {files::kOldPreviousYearRemarks, legacy::kOldRemarkSize},
};
constexpr std::size_t kFileCount = std::size(kFiles);
constexpr std::size_t kCurrentFormatFiles = 12;  // the first twelve make up a month copy
constexpr std::size_t kPublisherFile = 0;
constexpr std::size_t kOldPublisherFile = 12;

// Room for a publisher table one row beyond its capacity, and not much more.
constexpr std::size_t kMaxFileBytes = 1'300'000;
constexpr std::size_t kMaxFolderBytes = 3'000'000;

enum Option : std::uint8_t {
    kBlankPassword = 0x01,
    kDateBits = 0x06,
    kMonthCopy = 0x08,
    kCapitals = 0x10,
};

// The samples' date; around the change of the report form with an early collection possible;
// a leap-year spring after the 25th; the very first months the calendar can hold.
constexpr Date kDates[] = {sample::kSampleDate, {2023, 9, 27}, {2024, 3, 26}, {2000, 1, 1}};

volatile std::size_t gSink = 0;

struct Input {
    std::uint8_t options = 0;
    std::array<std::optional<Bytes>, kFileCount> files;
};

Input decode(const std::uint8_t* data, std::size_t size) {
    Input in;
    if (size == 0) return in;
    in.options = data[0];
    std::size_t at = 1;
    std::size_t total = 0;
    auto u16 = [&]() -> std::size_t {
        if (at + 2 > size) {
            at = size;
            return 0;
        }
        const std::size_t v = readU16(data + at);
        at += 2;
        return v;
    };
    while (at < size) {
        const std::uint8_t selector = data[at++];
        const std::size_t length = u16();
        const std::size_t repeat = (selector & 0x80) != 0 ? std::max<std::size_t>(1, u16()) : 1;
        const std::size_t n = std::min(length, size - at);
        auto& file = in.files[(selector & 0x7F) % kFileCount];
        if (!file) file.emplace();
        for (std::size_t k = 0; k < repeat && n > 0; ++k) {
            const std::size_t take =
                std::min({n, kMaxFileBytes - file->size(), kMaxFolderBytes - total});
            if (take == 0) break;
            file->insert(file->end(), data + at, data + at + take);
            total += take;
        }
        at += n;
    }
    return in;
}

// The header row then holds no password, whether its texts are shifted or not.
void blankPassword(Bytes& table) {
    if (table.size() <= PublisherRecord::kScrambleMarker) return;
    table[2] = table[PublisherRecord::kScrambleMarker] == 'A' ? Byte{' '} : Byte{' ' + 52};
    table[3] = 0;
}

std::string capitals(std::string_view name) {
    std::string out(name);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

// Queries of the whole table that read the document only.
void exerciseQueries(const CZelvoDoc& doc) {
    std::size_t sink = 0;
    const int rows = doc.recordCount();
    for (int row = 0; row < rows; ++row) {
        const PublisherRecord& r = doc.publishers[static_cast<std::size_t>(row)];
        sink += doc.displayName(row).size() + doc.displayName(row, true).size();
        for (const ReportColumn column : kReportColumns) {
            sink += static_cast<std::size_t>(doc.sumOverMonths(row, column, 24));
            sink += doc.sumOverMonthsText(row, column, 6).size();
            sink += static_cast<std::size_t>(doc.averageOverMonths(row, column, 12));
        }
        sink += static_cast<std::size_t>(doc.pioneerHoursOverMonths(row, 24));
        for (int m = 0; m < 12; ++m)
            for (int s = 0; s < 3; ++s)
                sink += (doc.hasRemark(row, m, s) ? 1u : 0u) +
                        (doc.hasReport(row, m, s) ? 2u : 0u) +
                        static_cast<std::size_t>(doc.pioneerKindOf(row, m, s));
        sink += doc.householdName(r.householdKey()).size() + doc.bestPhone(row).size();
        sink += static_cast<std::size_t>(doc.groupOf(row, true) + doc.groupOf(row, false));
        if (row > 0 && r.id() > 9) {
            const auto found = doc.findById(r.id());
            check(found && doc.publishers[static_cast<std::size_t>(*found)].id() == r.id(),
                  "findById misses the id of row " + std::to_string(row));
        }
    }
    for (const std::uint16_t list : {kInactivePosition, kNonPublisherPosition, kMovedPosition})
        for (std::uint16_t i = 0; i < 305; ++i) sink += doc.displayName(list | i).size();
    gSink = gSink + sink;
}

// What every loaded document holds to, however damaged its folder.
void checkInvariants(const CZelvoDoc& doc, const std::string& when) {
    const auto expect = [&](bool ok, const char* what) { check(ok, when + ": " + what); };
    expect(doc.recordCount() >= 1 && doc.recordCount() <= CZelvoDoc::kMaxRows, "row count");
    expect(doc.header().bytes[PublisherRecord::kScrambleMarker] == 'A', "header marker");
    expect(!doc.remarks.empty() && doc.remarks.size() <= CZelvoDoc::kRemarksLoaded + 1,
           "remark count");
    expect(doc.appointments.size() <= CZelvoDoc::kMaxAppointments, "appointment count");
    expect(doc.emergencyRecords.size() <= CZelvoDoc::kMaxEmergency, "emergency count");
    expect(doc.emergencyKeys.size() == doc.emergencyRecords.size(), "emergency keys");
    expect(doc.specialNeedRecords.size() <= CZelvoDoc::kMaxKeyList, "special-need count");
    expect(doc.specialNeedsKeys.size() == doc.specialNeedRecords.size(), "special-need keys");
    expect(doc.contactExtras.size() <= CZelvoDoc::kMaxContactExtras, "contact-extra count");
    expect(doc.contactExtraKeys.size() == doc.contactExtras.size(), "contact-extra keys");
    expect(doc.lateReports.size() <= CZelvoDoc::kMaxLateReports, "late-report count");
    expect(doc.meetingCount >= 1 && doc.meetingCount <= 2, "meeting count");
    expect(doc.masterIndex.size() + 1 == doc.recordCount(), "master index");
    for (std::size_t k = 0; k < doc.kindLists.size(); ++k)
        expect(static_cast<int>(doc.kindLists[k].size()) <= doc.kindCounts[k], "kind list");
    std::set<std::uint16_t> ids;
    for (std::size_t row = 1; row < doc.publishers.size(); ++row) {
        const PublisherRecord& r = doc.publishers[row];
        expect(ids.insert(r.id()).second, "duplicate id after renumbering");
        for (int m = 0; m < 12; ++m)
            for (int s = 0; s < 3; ++s) {
                const std::size_t index = r.monthWord(MonthWord::RemarkIndex, m, s);
                if (index == 0) continue;
                expect(s < 2 && index < doc.remarks.size(), "remark index beyond the table");
                const RemarkRecord& remark = doc.remarks[index];
                expect(remark.publisherId() == r.id() && remark.month() == m + 1 &&
                           (remark.slot() & 1) == s,
                       "remark index of another person or month");
            }
    }
}

// Record-level reads and writes; a read-only document must refuse every write.
void exerciseRecords(CZelvoDoc& doc) {
    const int rows = std::min<int>(doc.recordCount(), 40);
    std::size_t sink = 0;
    for (int row = 1; row < rows; ++row) {
        const PublisherRecord& r = doc.publishers[static_cast<std::size_t>(row)];
        sink += doc.readEmergency(r.emergencyKey()).bytes[2] +
                doc.readSpecialNeed(r.specialNeedsKey()).bytes[2];
        if (const auto extra = doc.contactExtraOf(row)) sink += extra->presence();
        sink += doc.emailOf(row).size();
    }
    gSink = gSink + sink;
    EmergencyContact emergency;
    emergency.setText(EmergencyContact::kName, "Fuzz");
    const auto key = doc.addEmergency(emergency);
    if (key) check(doc.writeEmergency(*key, emergency), "rewriting a new emergency contact");
    SpecialNeed need;
    need.setText(SpecialNeed::kText, "Fuzz");
    const auto needKey = doc.addSpecialNeed(need);
    ContactExtra contact;
    contact.setPublisherId(doc.recordCount() > 1 ? doc.publishers[1].id() : 0);
    contact.setText(ContactExtra::kEmail, "fuzz@example.org");
    const auto extra = doc.writeContactExtra(contact);
    if (doc.readOnly()) check(!key && !needKey && !extra, "a read-only document wrote a record");
}

// The files of a folder after a save, less the undo copy that each load makes afresh.
sample::FolderBytes savedFiles(const fs::path& folder) {
    sample::FolderBytes out = sample::readFolder(folder);
    for (auto it = out.begin(); it != out.end();) {
        check(!it->first.ends_with(".tmp~"), "a temporary file was left behind: " + it->first);
        if (fs::path(it->first).filename() == files::kRemarkUndo)
            it = out.erase(it);
        else
            ++it;
    }
    return out;
}

// The first file in which two folders differ ("" when none).
std::string firstDifferentFile(const sample::FolderBytes& a, const sample::FolderBytes& b) {
    for (const auto& [name, bytes] : a) {
        const auto it = b.find(name);
        if (it == b.end()) return name + " (gone)";
        if (it->second != bytes) return name;
    }
    for (const auto& [name, bytes] : b)
        if (a.find(name) == a.end()) return name + " (new)";
    return {};
}

}  // namespace

namespace zelvo::fuzz {

Bytes encodeSeed(const Seed& seed) {
    Bytes out{seed.flags};
    for (const SeedPart& part : seed.parts) {
        const bool repeated = part.repeat > 1 && part.bytes.size() <= 0xFFFF;
        const std::size_t copies = repeated ? 1 : std::min<std::size_t>(part.repeat, 64);
        for (std::size_t k = 0; k < copies; ++k) {
            std::size_t at = 0;
            do {
                const std::size_t n = std::min<std::size_t>(part.bytes.size() - at, 0xFFFF);
                out.push_back(static_cast<Byte>(part.file | (repeated ? 0x80 : 0)));
                out.push_back(static_cast<Byte>(n & 0xFF));
                out.push_back(static_cast<Byte>(n >> 8));
                if (repeated) {
                    const auto r =
                        static_cast<std::uint16_t>(std::min<std::size_t>(part.repeat, 0xFFFF));
                    out.push_back(static_cast<Byte>(r & 0xFF));
                    out.push_back(static_cast<Byte>(r >> 8));
                }
                out.insert(out.end(), part.bytes.begin() + static_cast<std::ptrdiff_t>(at),
                           part.bytes.begin() + static_cast<std::ptrdiff_t>(at + n));
                at += n;
            } while (at < part.bytes.size());
        }
    }
    return out;
}

std::vector<Seed> generateSeeds() {
    const ScratchFolder scratch("zelvo-fuzz-seeds");
    auto seedOf = [](const sample::FolderBytes& folder, std::uint8_t flags) {
        Seed seed;
        seed.flags = flags;
        for (const auto& [name, bytes] : folder)
            for (std::size_t i = 0; i < kFileCount; ++i)
                if (name == kFiles[i].name)
                    seed.parts.push_back({static_cast<int>(i), bytes, kFiles[i].recordSize, 1});
        return seed;
    };
    std::vector<Seed> seeds;
    const fs::path today = scratch.fresh("today");
    check(sample::writeSampleFolder(today), "the sample folder was not written");
    const sample::FolderBytes current = sample::readFolder(today);
    seeds.push_back(seedOf(current, kBlankPassword));
    seeds.push_back(seedOf(current, kMonthCopy | kCapitals));
    const fs::path autumn = scratch.fresh("autumn");
    check(sample::writeSampleFolder(autumn, kDates[1]), "the autumn sample was not written");
    seeds.push_back(seedOf(sample::readFolder(autumn), kBlankPassword | (1 << 1)));
    const sample::FolderBytes old = sample::oldSampleFiles();
    seeds.push_back(seedOf(old, kBlankPassword));
    seeds.push_back(seedOf(old, kBlankPassword | (3 << 1)));
    sample::FolderBytes both = old;
    both.insert(current.begin(), current.end());
    seeds.push_back(seedOf(both, kBlankPassword | kMonthCopy));
    seeds.push_back(Seed{});
    return seeds;
}

}  // namespace zelvo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::currentInput() = {data, size};
    static const fuzz::ScratchFolder scratch("zelvo-fuzz-folder");
    Input in = decode(data, size);
    if ((in.options & kBlankPassword) != 0) {
        for (const std::size_t f : {kPublisherFile, kOldPublisherFile})
            if (in.files[f]) blankPassword(*in.files[f]);
    }
    const Date today = kDates[(in.options & kDateBits) >> 1];
    sample::FolderBytes content;
    for (std::size_t i = 0; i < kFileCount; ++i)
        if (in.files[i])
            content[(in.options & kCapitals) != 0 ? capitals(kFiles[i].name)
                                                  : std::string(kFiles[i].name)] = *in.files[i];

    const fs::path roFolder = scratch.fresh("ro");
    const fs::path liveFolder = scratch.fresh("live");
    sample::writeFolder(roFolder, content);
    if ((in.options & kMonthCopy) != 0) {
        // The copy one month back, where the previous-reports menu looks for it.
        CZelvoDoc probe;
        probe.startUp(roFolder.string(), today, LoadMode::ReadOnly);
        const int month = (probe.calendar.liveReportMonth + 11) % 12;
        const std::string copy = "Roll/Zv9_" + std::to_string(month + 1) + "/";
        for (std::size_t i = 0; i < kCurrentFormatFiles; ++i)
            if (in.files[i]) content[copy + std::string(kFiles[i].name)] = *in.files[i];
        sample::writeFolder(roFolder, content);
    }
    sample::writeFolder(liveFolder, content);
    const sample::FolderBytes before = sample::readFolder(roFolder);

    ScriptedPrompts roPrompts;
    CZelvoDoc ro;
    ro.startUp(roFolder.string(), today, LoadMode::ReadOnly);
    const LoadResult roResult = ro.load(roPrompts, LoadMode::ReadOnly);
    checkInvariants(ro, "read-only load");
    exerciseQueries(ro);

    ScriptedPrompts livePrompts;
    CZelvoDoc live;
    live.startUp(liveFolder.string(), today, LoadMode::Live);
    const LoadResult liveResult = live.load(livePrompts, LoadMode::Live);
    check(roResult.ok == liveResult.ok && roResult.passwordRefused == liveResult.passwordRefused,
          "read-only and live loads end differently");
    const std::string roDifference = sample::firstDifference(ro, live, true);
    check(roDifference.empty(), "read-only and live loads differ: " + roDifference);

    // Nothing done to a read-only document reaches its folder.
    check(ro.saveAll(roPrompts).ok, "saving a read-only document failed");
    exerciseRecords(ro);
    if ((in.options & kMonthCopy) != 0) {
        if (ro.viewMonthCopy(1, roPrompts)) {
            checkInvariants(ro, "month copy");
            exerciseQueries(ro);
        }
        // Whatever the reload finds, the folder is compared below.
        static_cast<void>(ro.returnToLiveData(roPrompts));
    }
    ro.discardRemarkChanges(roPrompts);
    ro.closeDocument();
    const std::string changed = firstDifferentFile(before, sample::readFolder(roFolder));
    check(changed.empty(), "a read-only session changed its folder: " + changed);

    if (!liveResult.ok) return 0;
    CZelvoDoc expected = live;
    sample::applySaveEffects(expected);
    // A fuzzed folder may hold a file a save refuses to replace (a settings file too large to
    // rewrite, for one): what was written is what the loads below compare.
    static_cast<void>(live.saveAll(livePrompts));

    ScriptedPrompts againPrompts;
    CZelvoDoc again;
    again.startUp(liveFolder.string(), today, LoadMode::Live);
    check(again.load(againPrompts, LoadMode::Live).ok, "the saved folder does not load");
    checkInvariants(again, "load after save");
    const std::string saveDifference = sample::firstDifference(expected, again, false);
    check(saveDifference.empty(), "the saved folder loads differently: " + saveDifference);

    // The files settle after one save: cut names may still reorder rows and stray marks leave
    // zlt15.dat on the way, but saving what a saved folder loads writes the same files again.
    static_cast<void>(again.saveAll(againPrompts));
    const sample::FolderBytes saved = savedFiles(liveFolder);
    ScriptedPrompts thirdPrompts;
    CZelvoDoc third;
    third.startUp(liveFolder.string(), today, LoadMode::Live);
    check(third.load(thirdPrompts, LoadMode::Live).ok, "the folder saved twice does not load");
    static_cast<void>(third.saveAll(thirdPrompts));
    const std::string rewritten = firstDifferentFile(saved, savedFiles(liveFolder));
    check(rewritten.empty(), "saving a saved folder again wrote different files: " + rewritten);
    exerciseRecords(third);
    return 0;
}
