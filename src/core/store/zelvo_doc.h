// CZelvoDoc: the single in-memory data store of one congregation.
#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "store/calendar.h"
#include "store/publisher_record.h"
#include "store/report_column.h"
#include "store/settings.h"
#include "store/side_records.h"

namespace zelvo {

class UserPrompts;
class IniFile;

struct IndexEntry {
    std::uint16_t id = 0;
    std::uint16_t recordIndex = 0;  // row in the publisher table
    std::uint8_t kind = 0;
};

// A key list entry of emerg.dat or spneed.dat: the record's key and its position in the file.
struct KeySlot {
    std::uint16_t key = 0;
    std::uint16_t slot = 0;
};

struct ContactExtraKey {
    std::uint16_t publisherId = 0;
    std::uint8_t presence = 0;
};

// Bits that encode a position in a kind list, in place of a row.
inline constexpr std::uint16_t kInactivePosition = 0x4000;
inline constexpr std::uint16_t kNonPublisherPosition = 0x8000;
inline constexpr std::uint16_t kMovedPosition = 0x2000;
inline constexpr std::uint16_t kPositionMask = 0x01FF;

// How a load treats the data folder.
enum class LoadMode {
    Live,      // the program's own load: may tidy files (rmkundo.dat, emergency cleanup, ...)
    ReadOnly,  // writes nothing at all; the in-memory result is the same
};

struct [[nodiscard]] LoadResult {
    bool ok = false;
    bool passwordRefused = false;
};

struct [[nodiscard]] SaveResult {
    bool ok = true;
    std::vector<std::string> failedFiles;  // full paths of files that could not be written
};

class CZelvoDoc {
public:
    // Capacities of the data model.
    static constexpr std::size_t kMaxRows = 1510;  // row 0 is the header, so 1,509 people
    static constexpr std::size_t kMaxRemarks = 3900;
    static constexpr std::size_t kRemarksLoaded = 3898;
    static constexpr std::size_t kRemarkRefuseAt = 3854;
    static constexpr std::size_t kMaxContactExtras = 601;
    static constexpr std::size_t kMaxEmergency = 1000;
    static constexpr std::size_t kMaxKeyList = 1300;
    static constexpr std::size_t kMaxAppointments = 1500;
    static constexpr std::size_t kMaxLateReports = 250;
    static constexpr std::size_t kKindListCapacity = 300;
    static constexpr std::size_t kOldKindFileRecords = 300;

    CZelvoDoc();
    // A document is replaced only by its own loads: assigning another would also clear the
    // changed flag from outside.
    CZelvoDoc(const CZelvoDoc&) = default;
    CZelvoDoc(CZelvoDoc&&) = default;
    ~CZelvoDoc() = default;

    // The changed flag: set by every change of the data; cleared only by a save that wrote
    // every file, and by the start-up and the loads, which begin from the files.
    bool isModified() const { return modified_; }
    void markModified() { modified_ = true; }
    // True after a save that could not write every file, until one that did: the folder may
    // then hold files of two different saves, which a month copy must not keep.
    bool lastSaveFailed() const { return lastSaveFailed_; }

    // --- tables, in the order of the data model ---
    std::array<MeetingAttendance, 2> meetings{};
    std::uint16_t meetingCount = 2;
    OldServiceGroupTable groupsOld{};
    ServiceGroupTable groups{};
    CalendarState calendar{};
    std::int16_t lastEnteredId = 0;

    Settings settings{};
    std::string dataFolder;
    std::string viewFolder;
    std::string languageWord = "greek";

    std::vector<ContactExtraKey> contactExtraKeys;  // one per record of xten7.dat, record 0 first
    std::vector<ContactExtra> contactExtras;        // the records themselves, in memory form
    std::uint16_t circuitOverseerRow = 0;

    std::vector<PublisherRecord> publishers;  // size() == recordCount; row 0 the header
    std::vector<IndexEntry> masterIndex;
    std::array<std::vector<IndexEntry>, 5> kindLists;
    std::vector<KeySlot> emergencyKeys;
    std::vector<EmergencyContact> emergencyRecords;  // emerg.dat as kept, by file position
    std::vector<KeySlot> specialNeedsKeys;
    std::vector<SpecialNeed> specialNeedRecords;  // spneed.dat by file position
    std::vector<AppointmentRecord> appointments;
    std::array<int, 5> kindCounts{};

    MonthTotals monthTotals{};
    ReportTotals reportTotals{};
    std::vector<LateReportEntry> lateReports;
    // F11 in the report view enables deleting the late-report list; never saved.
    bool lateReportDeleteEnabled = false;
    std::vector<RemarkRecord> remarks;  // remarks[0] is the empty header
    DisplayConfig displayConfig{};
    int previousMask = 0;
    // Settings the report view keeps (its fonts), written into zelvog.ini by every save.
    std::function<void(IniFile&)> viewSettingsWriter;

    // Problems met while reading the folder, for the user (UTF-8).
    std::vector<std::string> problems;
    // Files of the data folder that exist but could not be read at the last load: a save never
    // writes over them or deletes them.
    std::set<std::string, std::less<>> unreadableFiles;
    // True when zdat9.bin (or the previous generation's table) could not be read: saving would
    // put an empty table in its place, so nothing is saved at all.
    bool tableUnreadable() const;

    // --- sizes ---
    std::uint16_t recordCount() const { return static_cast<std::uint16_t>(publishers.size()); }
    std::uint16_t remarkCount() const { return static_cast<std::uint16_t>(remarks.size()); }
    int contactExtraCount() const { return static_cast<int>(contactExtraKeys.size()); }
    PublisherRecord& header() { return publishers[0]; }
    const PublisherRecord& header() const { return publishers[0]; }

    // --- start-up, load and save (store/doc_*.cpp) ---
    // Document creation up to the load: settings, date, report month, zvxcfg.cfg. Writes the
    // cleared early choice into the settings file unless `mode` is ReadOnly.
    void startUp(const std::string& folder, const Date& today, LoadMode mode);
    LoadResult load(UserPrompts& prompts, LoadMode mode);
    SaveResult saveAll(UserPrompts& prompts);
    // The export tidy of the start-up: the plain-text exports left in the folder, offered for
    // deletion through `prompts`.
    void tidyExports(UserPrompts& prompts);
    // Shows the start-up notice unless it is turned off.
    void showStartupNotice(UserPrompts& prompts) const;
    // The folder files are read from: the month copy while one is open, else the data folder.
    std::string currentFolder() const { return calendar.viewingPrevious ? viewFolder : dataFolder; }

    // --- month copies (store/month_copies.cpp) ---
    // Copies the data files under Roll for opening month `monthIndex`, unless its copy was
    // written since that month began. The full paths of the files that could not be copied
    // (buhist.dat when the copy could not be entered there; the copy's table is then not written,
    // so a partial copy never counts as made); empty when the copy is whole or was made already.
    [[nodiscard]] std::vector<std::string> makeMonthCopy(int monthIndex, const Date& today);
    void computePreviousMask();
    // Opens the copy of `monthsBack` (1-6) read-only, asking to save first. False when the user
    // cancelled or the copy could not be read.
    bool openMonthCopy(int monthsBack, UserPrompts& prompts);
    // The same without the save question: shows the copy read-only. False when it has no table
    // or the password gate refused it (the live data is then loaded again).
    bool viewMonthCopy(int monthsBack, UserPrompts& prompts);
    // Back from a month copy to the live data.
    LoadResult returnToLiveData(UserPrompts& prompts);
    // On closing the document: No to the save question restores the remarks from their undo
    // copy; a remark file that could not be put back is reported through `prompts`.
    void discardRemarkChanges(UserPrompts& prompts);
    void closeDocument();

    // --- report values (store/zelvo_doc.cpp) ---
    std::uint16_t reportValue(int row, int month, ReportColumn column, int slot) const;
    int pioneerKindOf(int row, int month, int slot) const;
    bool hasHours(int row, int month, int slot) const;
    bool hasReport(int row, int month, int slot) const;
    struct HoursSum {
        long whole = 0;
        int quarters = 0;  // remaining quarters, 0-3
    };
    // Sum over the report month and the `count - 1` months before it.
    long sumOverMonths(int row, ReportColumn column, int count) const;
    HoursSum hoursOverMonths(int row, int count) const;
    // The sum as text; hours end in ".25", ".5" or ".75" for the quarters left over.
    std::string sumOverMonthsText(int row, ReportColumn column, int count) const;
    double averageOverMonths(int row, ReportColumn column, int count) const;
    long pioneerHoursOverMonths(int row, int count) const;
    std::string pioneerHoursOverMonthsText(int row, int count) const;

    // --- people ---
    // Row of a row number or an encoded list position; nullopt for 0 or out of range.
    std::optional<int> rowOf(int rowOrPosition) const;
    // Display name (Windows-1253): "First Last", or "Last, First" when asked or configured.
    std::string displayName(int rowOrPosition, bool lastNameFirst = false) const;
    // The same for a record in or out of the table.
    std::string nameOf(const PublisherRecord& r, bool lastNameFirst = false) const;
    std::string phoneHome(int rowOrPosition) const;
    std::string phoneMobile(int rowOrPosition) const;
    std::string phoneWork(int rowOrPosition) const;
    std::string bestPhone(int row) const;
    std::optional<int> findById(int id) const;
    int nextFreeId(int start) const;
    std::string householdName(int id) const;
    // The person's contact extra (memory form) when the row links to a record of the person's
    // own; a link to another person's record or to none gives nothing.
    std::optional<ContactExtra> contactExtraOf(int row) const;
    std::string emailOf(int row) const;
    int groupOf(int rowOrPosition, bool skipLeftOut) const;
    bool hasRemark(int row, int month, int slot) const;

    // --- indexes ---
    int countKind(int kind);
    void countAllKinds();
    void buildIndexes(UserPrompts* prompts = nullptr);
    void renumberDuplicateIds();
    // The order of the table, for sortRows and the sorted insert alike: a circuit overseer after
    // everyone, otherwise the name as the lists show it, trimmed, in Greek collation (letters
    // first, then accents, then letter case).
    struct SortKey {
        bool overseer = false;
        std::string name;  // collation::sortKey of the name
        auto operator<=>(const SortKey&) const = default;
    };
    SortKey sortKey(const PublisherRecord& r) const;
    // Sorts rows 1.. by display name (kind 5 last); stable, like an insertion sort.
    void sortRows();

    // --- record-level files (store/doc_records.cpp): written at once ---
    EmergencyContact readEmergency(int key) const;
    [[nodiscard]] bool writeEmergency(int key, const EmergencyContact& record);
    [[nodiscard]] std::optional<int> addEmergency(EmergencyContact record);
    SpecialNeed readSpecialNeed(int key) const;
    [[nodiscard]] bool writeSpecialNeed(int key, const SpecialNeed& record);
    [[nodiscard]] std::optional<int> addSpecialNeed(SpecialNeed record);
    // Record `recordNumber` of xten7.dat in memory form, when it is the person's of `row`.
    std::optional<ContactExtra> readContactExtra(int recordNumber, int row) const;
    // Writes `record` (memory form, its publisher id set) over that person's record, else over
    // a free one, else at the end. The record number, or nothing when it was not written.
    [[nodiscard]] std::optional<int> writeContactExtra(const ContactExtra& record);

    // --- the compute of branch totals lives in store/branch_totals.h ---

    // True for a session started read-only and while a month copy is open: nothing is written.
    bool readOnly() const { return readOnly_ || calendar.viewingPrevious != 0; }

private:
    bool modified_ = false;
    bool lastSaveFailed_ = false;
    void markSaved() { modified_ = false; }
    CZelvoDoc& operator=(const CZelvoDoc&) = default;
    CZelvoDoc& operator=(CZelvoDoc&&) = default;

    bool readOnly_ = false;
    void writeClearedEarlyChoice();
    // What the start-up found before the load (settings file, display configuration).
    std::vector<std::string> startProblems_;
    std::set<std::string, std::less<>> startUnreadable_;
    // The early choice cleared at start, written to the settings file once the load is through
    // the password gate.
    bool earlyChoiceToWrite_ = false;
    // Row of each id as the master index lists it (the first row when ids repeat); 0 = none.
    std::vector<std::uint16_t> rowOfId_;
    void rebuildIdLookup();

    friend class DocLoader;
    friend class DocSaver;
};

}  // namespace zelvo
