// Nothing a secretary kept is lost: unreadable files are never written over, a failed save
// stays unsaved, nothing is written before the password gate, and values out of range are
// reported and repaired conservatively.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <memory>
#include <type_traits>

#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/data_files.h"
#include "store/folder_access.h"
#include "store/remark_file.h"
#include "store/zelvo_doc.h"
#include "test_folder.h"

namespace zelvo {
namespace {

using test::FileBytes;
using test::headerRow;
using test::person;
using test::setReport;
using test::TestFolder;
namespace fs = std::filesystem;

// 10 March 2025: the report month is February 2025 (month index 1, year slot 1).
constexpr Date kToday{2025, 3, 10};
constexpr int kReportMonth = 1;
constexpr int kSlot = 1;

bool mentions(const std::vector<std::string>& lines, std::string_view what) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& l) { return l.find(what) != std::string::npos; });
}

RemarkRecord remark(std::string_view text, int id) {
    RemarkRecord r;
    r.set(text, kReportMonth + 1, kSlot, static_cast<std::uint16_t>(id));
    return r;
}

class DataSafetyTest : public ::testing::Test {
protected:
    std::unique_ptr<CZelvoDoc> load(LoadMode mode = LoadMode::Live) {
        auto doc = std::make_unique<CZelvoDoc>();
        doc->startUp(dir->str(), kToday, mode);
        loaded = doc->load(prompts, mode);
        return doc;
    }
    SaveResult save(CZelvoDoc& doc) {
        prompts.messages.clear();
        return doc.saveAll(prompts);
    }

    // Two groups, a mark under one hour in an old month, a remark, settings: every file a save
    // writes is there, saved once.
    void writeCongregation() {
        auto doc = load();
        PublisherRecord a = person(120, "Anna", "Alpha");
        a.setByte(PublisherRecord::kGroupNumber, 1);
        setReport(a, kReportMonth, kSlot, 12, 2, 3);
        PublisherRecord b = person(121, "Bob", "Beta");
        setReport(b, 3, 0, 0, 0, 0, true);  // May 2024, old form: under one hour
        doc->publishers.push_back(a);
        doc->publishers.push_back(b);
        doc->groups.setGroupCount(2);
        doc->groups.setText(ServiceGroupTable::overseerField(1), "Anna Alpha");
        doc->remarks.push_back(remark("Was ill", 120));
        doc->settings.congregationName = "Kentro";
        doc->appointments.push_back({});
        doc->appointments.back().setWord(0, 120);
        doc->appointments.back().setWord(2, kServantStart);
        doc->appointments.back().setText(AppointmentRecord::kText, "01/02/2020");
        doc->sortRows();
        doc->countAllKinds();
        doc->buildIndexes();
        doc->markModified();
        ASSERT_TRUE(save(*doc).ok);
        ASSERT_TRUE(dir->exists(files::kGroups));
        ASSERT_TRUE(dir->exists(files::kUnderHour));
        ASSERT_TRUE(dir->exists(files::kRemarks));
        ASSERT_TRUE(dir->exists(files::kSettings));
    }
    // Puts a folder where the file was: it exists, and cannot be read or replaced by rename.
    void blockWithFolder(std::string_view name) {
        dir->remove(name);
        fs::create_directories(dir->file(name) / "inside");
    }

    std::unique_ptr<TestFolder> dir = std::make_unique<TestFolder>();
    ScriptedPrompts prompts;
    LoadResult loaded;
};

// ---------------------------------------------------------------- unreadable is not absent

TEST_F(DataSafetyTest, AnUnreadableTableIsAProblemAndNothingIsSaved) {
    writeCongregation();
    blockWithFolder(files::kPublishers);
    const auto before = dir->snapshot();

    auto doc = load();
    ASSERT_TRUE(loaded.ok);
    EXPECT_TRUE(doc->tableUnreadable());
    EXPECT_TRUE(mentions(doc->problems, res::format(res::kProblemUnreadable, files::kPublishers)));
    doc->markModified();
    const SaveResult r = save(*doc);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(doc->isModified());
    EXPECT_TRUE(mentions(prompts.messages, "zdat9.bin"));
    // zlt15.dat, bkstudy.dat, zcard.dat and the rest are exactly as they were.
    EXPECT_EQ(dir->snapshot(), before);
}

TEST_F(DataSafetyTest, AnUnreadableSideFileIsKeptAndTheRestIsSaved) {
    for (const std::string_view name :
         {files::kGroups, files::kMonthTotals, files::kMeetings, files::kUnderHour,
          files::kSettings, files::kRemarks, files::kAppointments}) {
        SCOPED_TRACE(name);
        dir = std::make_unique<TestFolder>();
        writeCongregation();
        blockWithFolder(name);

        auto doc = load();
        ASSERT_TRUE(loaded.ok);
        EXPECT_TRUE(doc->unreadableFiles.contains(name));
        EXPECT_TRUE(mentions(doc->problems, res::format(res::kProblemUnreadable, name)));
        // Something to write into every file, the appointments included.
        doc->appointments.push_back({});
        doc->appointments.back().setWord(0, 121);
        doc->appointments.back().setWord(2, kConsentKind);
        doc->markModified();
        const SaveResult r = save(*doc);
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(doc->isModified());
        EXPECT_TRUE(mentions(prompts.messages, name));
        EXPECT_TRUE(fs::is_directory(dir->file(name) / "inside"));
        // What could be read is still written; the groups and marks are not deleted.
        if (name != files::kGroups) {
            EXPECT_TRUE(fs::is_regular_file(dir->file(files::kGroups)));
        }
        if (name != files::kUnderHour) {
            EXPECT_TRUE(fs::is_regular_file(dir->file(files::kUnderHour)));
        }
    }
}

TEST_F(DataSafetyTest, AFifoInPlaceOfAFileIsUnreadableNotEmpty) {
    writeCongregation();
    dir->remove(files::kMonthTotals);
    ASSERT_EQ(::mkfifo(dir->file(files::kMonthTotals).c_str(), 0600), 0);
    auto doc = load(LoadMode::ReadOnly);
    ASSERT_TRUE(loaded.ok);
    EXPECT_TRUE(doc->unreadableFiles.contains(files::kMonthTotals));
}

TEST_F(DataSafetyTest, AnUnreadableSettingsFileKeepsTheCongregationName) {
    writeCongregation();
    const FileBytes ini = dir->read(files::kSettings);
    blockWithFolder(files::kSettings);
    auto doc = load();
    EXPECT_TRUE(doc->unreadableFiles.contains(files::kSettings));
    EXPECT_FALSE(save(*doc).ok);
    EXPECT_TRUE(fs::is_directory(dir->file(files::kSettings)));
}

TEST_F(DataSafetyTest, FolderAccessNeverReplacesWhatItCouldNotRead) {
    fs::create_directories(dir->file("zcard.dat") / "inside");
    dir->write("meetin9.dat", FileBytes{1, 2, 3});
    FolderAccess access(dir->path(), false);
    EXPECT_FALSE(access.read("zcard.dat", 100));
    EXPECT_FALSE(access.read("absent.dat", 100));
    EXPECT_TRUE(access.unreadable().contains("zcard.dat"));
    EXPECT_FALSE(access.unreadable().contains("absent.dat"));
    EXPECT_FALSE(access.write("zcard.dat", FileBytes(1728, 0)));
    EXPECT_FALSE(access.remove("zcard.dat"));
    EXPECT_TRUE(fs::is_directory(dir->file("zcard.dat") / "inside"));

    // Held writes are read back from memory and reach the folder only when committed.
    access.holdWrites();
    EXPECT_TRUE(access.write("meetin9.dat", FileBytes{9}));
    EXPECT_TRUE(access.remove("emerg.dat"));
    EXPECT_EQ(*access.read("meetin9.dat", 100), FileBytes{9});
    EXPECT_EQ(dir->read("meetin9.dat"), (FileBytes{1, 2, 3}));
    EXPECT_TRUE(access.commitHeld().empty());
    EXPECT_EQ(dir->read("meetin9.dat"), FileBytes{9});
}

// ---------------------------------------------------------------- order of the save

TEST_F(DataSafetyTest, EmptyTablesAreRemovedOnlyAfterEverythingElseWasWritten) {
    writeCongregation();
    auto doc = load();
    // No more groups and no more marks: both files are to go, but a file fails first.
    doc->groups.setGroupCount(0);
    for (PublisherRecord& r : doc->publishers)
        for (int m = 0; m < 12; ++m)
            for (int s = 0; s < 3; ++s)
                r.setMonthWord(MonthWord::StudiesAndFlags, m, s,
                               static_cast<std::uint16_t>(r.studiesAndFlags(m, s) & ~kTookPart));
    blockWithFolder(files::kMeetings);
    EXPECT_FALSE(save(*doc).ok);
    EXPECT_TRUE(dir->exists(files::kGroups));
    EXPECT_TRUE(dir->exists(files::kUnderHour));

    fs::remove_all(dir->file(files::kMeetings));
    EXPECT_TRUE(save(*doc).ok);
    EXPECT_FALSE(dir->exists(files::kGroups));
    EXPECT_FALSE(dir->exists(files::kUnderHour));
}

TEST_F(DataSafetyTest, GroupsAndMarksAreReplacedNotDeletedFirst) {
    writeCongregation();
    auto doc = load();
    doc->groups.setText(ServiceGroupTable::overseerField(2), "Bob Beta");
    // The table cannot be renamed into place: the groups and marks of before must still be there.
    const FileBytes groups = dir->read(files::kGroups);
    const FileBytes marks = dir->read(files::kUnderHour);
    fs::remove(dir->file(files::kPublishers));
    fs::create_directories(dir->file(files::kPublishers) / "inside");
    EXPECT_FALSE(save(*doc).ok);
    EXPECT_TRUE(dir->exists(files::kGroups));
    EXPECT_EQ(dir->read(files::kUnderHour), marks);
    EXPECT_NE(dir->read(files::kGroups), groups);  // written whole, by rename
}

// ---------------------------------------------------------------- the changed flag

// Nothing outside the document clears the changed flag: no member does, and a loaded document
// cannot be replaced by assigning another one over it.
template <typename Doc>
concept FlagAssignable = requires(Doc& d) {
    d.modified = 0;
};
template <typename Doc>
concept FlagMemberReachable = requires(Doc& d) {
    d.modified_ = false;
};
template <typename Doc>
concept SavedMarkReachable = requires(Doc& d) {
    d.markSaved();
};
static_assert(!FlagAssignable<CZelvoDoc> && !FlagMemberReachable<CZelvoDoc> &&
              !SavedMarkReachable<CZelvoDoc>);
static_assert(!std::is_copy_assignable_v<CZelvoDoc> && !std::is_move_assignable_v<CZelvoDoc>);

TEST_F(DataSafetyTest, TheChangedFlagIsClearedOnlyByAWholeSaveAndByTheLoads) {
    writeCongregation();
    auto doc = load();
    EXPECT_FALSE(doc->isModified());
    doc->markModified();
    blockWithFolder(files::kMeetings);
    EXPECT_FALSE(save(*doc).ok);
    EXPECT_TRUE(doc->isModified());
    fs::remove_all(dir->file(files::kMeetings));
    ASSERT_TRUE(save(*doc).ok);
    EXPECT_FALSE(doc->isModified());
    // Going back to the files begins clean.
    doc->markModified();
    ASSERT_TRUE(doc->returnToLiveData(prompts).ok);
    EXPECT_FALSE(doc->isModified());
}

TEST_F(DataSafetyTest, AFailedSaveLeavesTheDataUnsavedAndNoMonthCopyOpens) {
    writeCongregation();
    {
        auto doc = load();
        // The copy of one month back.
        EXPECT_TRUE(doc->makeMonthCopy(kReportMonth, kToday).empty());
        ASSERT_TRUE(save(*doc).ok);
    }
    auto doc = load();
    doc->publishers[1].setText(PublisherRecord::kAddress, "New street 5");
    doc->markModified();
    blockWithFolder(files::kMeetings);  // after the load: the write fails
    EXPECT_FALSE(save(*doc).ok);
    EXPECT_TRUE(doc->isModified());

    prompts.answers = {Answer::Yes};
    prompts.messages.clear();
    EXPECT_FALSE(doc->openMonthCopy(1, prompts));
    EXPECT_EQ(doc->calendar.viewingPrevious, 0);
    EXPECT_EQ(doc->publishers[1].address(), "New street 5");
    EXPECT_TRUE(mentions(prompts.messages, res::kMonthCopyAfterFailedSave));
}

// ---------------------------------------------------------------- remarks undo

TEST_F(DataSafetyTest, NoAtExitKeepsTheRemarksOfTheLastSave) {
    writeCongregation();
    auto doc = load();
    doc->remarks.push_back(remark("Moved away", 121));
    ASSERT_TRUE(save(*doc).ok);
    doc->discardRemarkChanges(prompts);  // "No" to the save question later on
    doc->closeDocument();
    auto again = load(LoadMode::ReadOnly);
    EXPECT_EQ(again->remarkCount(), 3);
}

TEST_F(DataSafetyTest, AStaleUndoCopyNeverComesBackWithoutARemarkFile) {
    writeCongregation();
    dir->remove(files::kRemarks);
    dir->write(files::kRemarkUndo,
               test::concat(std::vector<RemarkRecord>{RemarkRecord{}, remark("Old", 120)}));
    auto doc = load();
    doc->discardRemarkChanges(prompts);
    EXPECT_FALSE(dir->exists(files::kRemarks));
}

TEST_F(DataSafetyTest, TheUndoCopyOfPrivateRemarksStaysPrivate) {
    writeCongregation();
    fs::permissions(dir->file(files::kRemarks), fs::perms::owner_read | fs::perms::owner_write);
    const auto mode = [&](std::string_view name) {
        return fs::status(dir->file(name)).permissions() & fs::perms::all;
    };
    auto doc = load();
    EXPECT_EQ(mode(files::kRemarkUndo), mode(files::kRemarks));
    doc->remarks.push_back(remark("Moved away", 121));
    ASSERT_TRUE(save(*doc).ok);
    EXPECT_EQ(mode(files::kRemarks), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(mode(files::kRemarkUndo), mode(files::kRemarks));
}

// ---------------------------------------------------------------- month copies

TEST_F(DataSafetyTest, TheLastEnteredIdOfAMonthCopyStaysThere) {
    writeCongregation();
    {
        auto doc = load();
        doc->lastEnteredId = 121;
        doc->markModified();
        ASSERT_TRUE(save(*doc).ok);
        EXPECT_TRUE(doc->makeMonthCopy(kReportMonth, kToday).empty());
        doc->lastEnteredId = 0;
        ASSERT_TRUE(save(*doc).ok);
    }
    // The copy was made while the report month was that of the copy's header: make the copy's
    // header name the month shown, so the copy has a last-entered id of its own.
    const std::string copy = "Roll/Zv9_" + std::to_string(kReportMonth);
    auto rows = test::recordsOf<PublisherRecord>(dir->read(copy + "/zdat9.bin"));
    unscrambleRecord(rows[0]);
    rows[0].setWord(PublisherRecord::kAppointmentBits, kReportMonth);  // the copy's month + 1
    rows[0].setWord(PublisherRecord::kStatusSince, 121);
    dir->write(copy + "/zdat9.bin", test::tableFile(rows));

    auto doc = load();
    ASSERT_EQ(doc->lastEnteredId, 0);
    ASSERT_TRUE(doc->viewMonthCopy(1, prompts));
    EXPECT_EQ(doc->lastEnteredId, 121);
    ASSERT_TRUE(doc->returnToLiveData(prompts).ok);
    EXPECT_EQ(doc->lastEnteredId, 0);
}

// ---------------------------------------------------------------- the password gate

TEST_F(DataSafetyTest, NothingIsWrittenBeforeThePasswordGateOpens) {
    PublisherRecord a = person(120, "A", "A");
    a.setWord(PublisherRecord::kEmergencyKey, 10);
    dir->write(files::kPublishers, test::tableFile({headerRow("secret"), a}));
    EmergencyContact used, unused;
    used.setKey(10);
    unused.setKey(11);
    dir->write(files::kEmergency, test::concat(std::vector<EmergencyContact>{unused, used}));
    dir->writeText(files::kSettings,
                   "[Early]\r\nYear=25\r\nMonth=4\r\n");  // cleared before the 25th
    const auto before = dir->snapshot();

    prompts.passwordAttempts = {"wrong"};
    auto doc = load();
    EXPECT_TRUE(loaded.passwordRefused);
    EXPECT_EQ(dir->snapshot(), before);

    prompts.passwordAttempts = {"secret"};
    doc = load();
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(dir->size(files::kEmergency), EmergencyContact::kSize);
    EXPECT_EQ(dir->readText(files::kSettings).find("Month=4"), std::string::npos);
}

// ---------------------------------------------------------------- values out of range

TEST_F(DataSafetyTest, RowsOutOfRangeAreReportedAndRepaired) {
    PublisherRecord odd = person(120, "Kind", "Nine");
    odd.setKind(9);
    PublisherRecord quarters = person(121, "Many", "Quarters");
    setReport(quarters, kReportMonth, kSlot, 5);
    quarters.setMonthWord(MonthWord::StudiesAndFlags, kReportMonth, kSlot,
                          static_cast<std::uint16_t>(6 << kQuarterShift | 2));
    PublisherRecord lost = person(122, "Group", "Seven");
    lost.setByte(PublisherRecord::kGroupNumber, 7);
    PublisherRecord member = person(123, "Lost", "Member");
    member.setWord(PublisherRecord::kHouseholdKey, 777);
    PublisherRecord kept = person(124, "Kept", "Member");
    kept.setWord(PublisherRecord::kHouseholdKey, 122);
    dir->write(files::kPublishers,
               test::tableFile({headerRow(), odd, quarters, lost, member, kept}));
    ServiceGroupTable groups;
    groups.setGroupCount(2);
    ServiceGroupTable scrambled = groups;
    scrambled.toggleScramble();
    dir->write(files::kGroups, test::bytesOf(scrambled));

    auto doc = load(LoadMode::ReadOnly);
    ASSERT_TRUE(loaded.ok);
    const auto row = [&](int id) {
        return doc->publishers[static_cast<std::size_t>(*doc->findById(id))];
    };
    EXPECT_EQ(row(120).kind(), kInactive);
    EXPECT_EQ(doc->kindCounts[kInactive], 1);
    // 5 hours and 6 quarter units: 6 hours and 2 units, studies untouched.
    EXPECT_EQ(row(121).hours(kReportMonth, kSlot), 6);
    EXPECT_EQ(row(121).quarters(kReportMonth, kSlot), 2);
    EXPECT_EQ(row(121).studiesAndFlags(kReportMonth, kSlot) & 0x3FF, 2);
    // The group number is kept: the reports list the person with the unassigned.
    EXPECT_EQ(row(122).groupNumber(), 7);
    EXPECT_TRUE(mentions(doc->problems, "Nine"));
    EXPECT_TRUE(mentions(doc->problems, "Quarters"));
    EXPECT_TRUE(mentions(doc->problems, "Seven"));
    // A link to a head nobody is goes; a link to a real head stays.
    EXPECT_EQ(row(123).householdKey(), 0);
    EXPECT_EQ(row(124).householdKey(), 122);
    EXPECT_TRUE(mentions(doc->problems, "Lost"));
}

TEST_F(DataSafetyTest, AGroupCountAbove20IsHeldTo20) {
    dir->write(files::kPublishers, test::tableFile({headerRow(), person(120, "A", "A")}));
    FileBytes table(ServiceGroupTable::kSize, 0x5A);
    table[0] = 255;
    dir->write(files::kGroups, table);
    auto doc = load(LoadMode::ReadOnly);
    EXPECT_EQ(doc->groups.groupCount(), 20);
    EXPECT_TRUE(
        mentions(doc->problems, res::format(res::kProblemGroupCount, files::kGroups, "255")));
}

TEST_F(DataSafetyTest, SettingsOutOfRangeTakeTheirDefaults) {
    dir->write(files::kPublishers, test::tableFile({headerRow(), person(120, "A", "A")}));
    dir->writeText(files::kSettings,
                   "[Early]\r\nYear=29\r\nMonth=40\r\n"
                   "[\xC5\xEA\xE8\xDD\xF3\xE5\xE9\xF2]\r\n"  // Εκθέσεις
                   "\xC5\xF0\xDC\xED\xF9 \xD0\xE5\xF1\xE9\xE8\xFE\xF1\xE9\xEF=100000000\r\n");
    auto doc = std::make_unique<CZelvoDoc>();
    doc->startUp(dir->str(), Date{2025, 3, 27}, LoadMode::ReadOnly);  // an early choice counts
    ASSERT_TRUE(doc->load(prompts, LoadMode::ReadOnly).ok);
    EXPECT_EQ(doc->calendar.reportMonth, kReportMonth);
    EXPECT_EQ(doc->calendar.reportYear, 25);
    EXPECT_EQ(doc->settings.reportTopMargin, 50);
    EXPECT_TRUE(mentions(doc->problems, "40/29"));
    EXPECT_TRUE(mentions(doc->problems, "100000000"));
}

TEST_F(DataSafetyTest, ASettingsFileTooLargeIsReportedAndNotRewritten) {
    writeCongregation();
    std::string big = dir->readText(files::kSettings);
    big += std::string(std::size_t{1} << 20, ';') + "\r\n";
    dir->writeText(files::kSettings, big);
    auto doc = load();
    EXPECT_TRUE(mentions(doc->problems, files::kSettings));
    EXPECT_FALSE(save(*doc).ok);
    EXPECT_TRUE(mentions(prompts.messages,
                         res::format(res::kSaveIniTooLarge, dir->file(files::kSettings).string())));
    EXPECT_EQ(dir->readText(files::kSettings), big);
}

TEST_F(DataSafetyTest, ARemarkFileBeyondItsCapacityIsLeftAloneWithAClearMessage) {
    writeCongregation();
    const std::size_t over = CZelvoDoc::kMaxRemarks * 4 + 1;
    std::vector<RemarkRecord> many(over);
    many[1] = remark("Was ill", 120);
    dir->write(files::kRemarks, test::concat(many));
    const FileBytes file = dir->read(files::kRemarks);

    auto doc = load();
    doc->markModified();
    EXPECT_TRUE(save(*doc).ok);  // nothing changed in the remarks: nothing to lose
    doc->remarks.push_back(remark("New one", 121));
    const SaveResult r = save(*doc);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(mentions(prompts.messages, res::format(res::kSaveRemarksTooLarge,
                                                       dir->file(files::kRemarks).string())));
    EXPECT_EQ(dir->read(files::kRemarks), file);
}

TEST_F(DataSafetyTest, RandomSideRecordsAreReported) {
    writeCongregation();
    FileBytes noise(AppointmentRecord::kSize * 4);
    for (std::size_t i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<std::uint8_t>(i * 37 + 11);
    dir->write(files::kAppointments, noise);
    FileBytes remarks(RemarkRecord::kSize * 4, 0xC3);
    dir->write(files::kRemarks, remarks);
    auto doc = load(LoadMode::ReadOnly);
    EXPECT_TRUE(mentions(doc->problems, files::kAppointments));
    EXPECT_TRUE(mentions(doc->problems, files::kRemarks));
}

}  // namespace
}  // namespace zelvo
