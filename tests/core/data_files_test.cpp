// The data folder: load and save of every file, byte-exact round trips, the load-time tidying
// (remarks, emergency contacts, special needs), the password gate, the record-level writers,
// and read-only loads that write nothing.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <memory>

#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/data_files.h"
#include "store/password_check.h"
#include "store/remark_file.h"
#include "store/text_form.h"
#include "store/zelvo_doc.h"
#include "test_folder.h"

namespace zelvo {
namespace {

using test::FileBytes;
using test::headerRow;
using test::person;
using test::recordsOf;
using test::setReport;
using test::TestFolder;
namespace fs = std::filesystem;

// 10 March 2025: the report month is February 2025 (month index 1, year slot 1).
constexpr Date kToday{2025, 3, 10};
constexpr int kReportMonth = 1;
constexpr int kSlot = 1;

RemarkRecord remark(std::string_view text, int monthPlusOne, int slot, int id) {
    RemarkRecord r;
    r.set(text, static_cast<std::uint8_t>(monthPlusOne), static_cast<std::uint8_t>(slot),
          static_cast<std::uint16_t>(id));
    return r;
}

std::vector<PublisherRecord> tableOf(const FileBytes& file) {
    auto rows = recordsOf<PublisherRecord>(file);
    for (PublisherRecord& r : rows) unscrambleRecord(r);
    return rows;
}

EmergencyContact emergency(int key, std::string_view name) {
    EmergencyContact e;
    e.setKey(static_cast<std::uint16_t>(key));
    e.setText(EmergencyContact::kName, name);
    return e;
}

SpecialNeed need(int key, std::string_view text) {
    SpecialNeed n;
    n.setKey(static_cast<std::uint16_t>(key));
    n.setText(SpecialNeed::kText, text);
    return n;
}

AppointmentRecord appointment(int id, int kind, std::string_view text) {
    AppointmentRecord a;
    a.setWord(0, static_cast<std::uint16_t>(id));
    a.setWord(2, static_cast<std::uint16_t>(kind));
    a.setText(AppointmentRecord::kText, text);
    return a;
}

// Counts the password dialogs that would really be shown.
class CountingPrompts : public ScriptedPrompts {
public:
    int passwordDialogs = 0;
    bool runPasswordCheck(PasswordCheck& check) override {
        if (check.needed()) ++passwordDialogs;
        return ScriptedPrompts::runPasswordCheck(check);
    }
};

class DataFilesTest : public ::testing::Test {
protected:
    std::unique_ptr<CZelvoDoc> load(LoadMode mode = LoadMode::Live, UserPrompts* prompts = nullptr,
                                    const TestFolder* where = nullptr) {
        auto doc = std::make_unique<CZelvoDoc>();
        ScriptedPrompts quiet;
        doc->startUp((where ? *where : folder).str(), kToday, mode);
        lastLoad = doc->load(prompts ? *prompts : quiet, mode);
        return doc;
    }
    SaveResult save(CZelvoDoc& doc) {
        saveMessages.messages.clear();
        return doc.saveAll(saveMessages);
    }
    void writeTable(const std::vector<PublisherRecord>& rows) {
        folder.write(files::kPublishers, test::tableFile(rows));
    }
    static int rowOfId(const CZelvoDoc& doc, int id) {
        for (int r = 1; r < doc.recordCount(); ++r)
            if (doc.publishers[static_cast<std::size_t>(r)].id() == id) return r;
        return -1;
    }

    // A congregation with a bit of everything, built through the document.
    std::unique_ptr<CZelvoDoc> buildCongregation() {
        auto doc = load();
        EXPECT_TRUE(lastLoad.ok);
        PublisherRecord a = person(120, "Anna", "Alpha");
        a.setText(PublisherRecord::kAddress, cp1253::fromUtf8("Οδός Μακεδονίας 12, Αθήνα"));
        a.setText(PublisherRecord::kPhoneHome, "2101234567");
        a.setText(PublisherRecord::kPhoneMobile, "6971234567");
        a.setText(PublisherRecord::kBaptismDate, "01/02/99");
        a.setText(PublisherRecord::kBirthDate, "03/04/80");
        a.setText(PublisherRecord::kConsentDate, "05/06/18");
        a.setByte(PublisherRecord::kGroupNumber, 1);
        a.setByte(PublisherRecord::kPrivileges, 0x21);
        setReport(a, kReportMonth, kSlot, 12, 2, 3);
        setReport(a, 0, kSlot, 30, 0, 1);
        a.setMonthByte(MonthByte::PioneerKind, 0, kSlot, 1);
        a.setMonthWord(MonthWord::Placements, 0, kSlot, 7);
        setReport(a, 11, 0, 5);
        PublisherRecord b = person(121, cp1253::fromUtf8("Μάρκος"), cp1253::fromUtf8("Βήτας"));
        setReport(b, 10, 0, 0, 0, 2, true);
        PublisherRecord c = person(122, "Ina", "Inactive", kInactive);
        c.setByte(PublisherRecord::kStatusFlags2, 24);
        PublisherRecord d = person(123, "Stu", "Student", kNonPublisher);
        d.setText(PublisherRecord::kConductor, "Anna Alpha");
        PublisherRecord e = person(124, "Mo", "Moved", kMoved);
        PublisherRecord f = person(125, "Del", "Deleted", kDeleted);
        PublisherRecord g = person(126, "Circuit", "Overseer", kCircuitOverseer);
        for (const auto& p : {a, b, c, d, e, f, g}) doc->publishers.push_back(p);

        doc->remarks.push_back(remark("Was ill", kReportMonth + 1, kSlot, 120));
        doc->publishers[1].setMonthWord(MonthWord::RemarkIndex, kReportMonth, kSlot, 1);
        doc->groups.setGroupCount(2);
        doc->groups.setText(ServiceGroupTable::overseerField(1), "Anna Alpha");
        doc->groups.setText(ServiceGroupTable::placeField(2), cp1253::fromUtf8("Αίθουσα"));
        doc->groups.setText(ServiceGroupTable::timeField(2), "10:00");
        doc->groups.setMeetingDay(2, 5);
        doc->meetings[0].setValue(MeetingAttendance::Total, kReportMonth, kSlot, 300);
        doc->meetings[1].setValue(MeetingAttendance::Held, 11, 0, 4);
        doc->appointments.push_back(appointment(120, 3, "Elder since 2020"));
        doc->lateReports.push_back({120, 0, kReportMonth + 1});
        doc->monthTotals.setValue(0, 1, 2, kSlot, 30);
        doc->displayConfig.bytes[5] = 1;
        doc->header().setCollectionState(kReportMonth, 2);
        doc->header().setMonthWord(MonthWord::RemarkIndex, kReportMonth, kSlot, 25);
        doc->settings.congregationName = "Kentro";
        doc->sortRows();
        doc->countAllKinds();
        doc->buildIndexes();
        doc->markModified();
        return doc;
    }

    TestFolder folder;
    LoadResult lastLoad;
    ScriptedPrompts saveMessages;
};

// ---------------------------------------------------------------- round trips

TEST_F(DataFilesTest, SavedTableIsTheRowsInFileForm) {
    auto doc = buildCongregation();
    ASSERT_TRUE(save(*doc).ok);
    EXPECT_FALSE(doc->isModified());
    const FileBytes file = folder.read(files::kPublishers);
    ASSERT_EQ(file.size(), 816u * doc->recordCount());
    EXPECT_EQ(file[23], 'u');
    // The rows as in memory, except the under-one-hour marks that live in zlt15.dat.
    std::vector<PublisherRecord> expected = doc->publishers;
    for (const UnderHourRecord& u : recordsOf<UnderHourRecord>(folder.read(files::kUnderHour))) {
        PublisherRecord& r = expected[static_cast<std::size_t>(rowOfId(*doc, u.publisherId()))];
        for (int m = 0; m < 12; ++m)
            for (int s = 0; s < 2; ++s)
                if (u.flag(m, s))
                    r.setMonthWord(
                        MonthWord::StudiesAndFlags, m, s,
                        static_cast<std::uint16_t>(r.studiesAndFlags(m, s) & ~kTookPart));
    }
    EXPECT_FALSE(expected[static_cast<std::size_t>(rowOfId(*doc, 121))].tookPart(10, 0));
    const auto rows = tableOf(file);
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i].bytes, expected[i].bytes) << "row " << i;
    // The header remembers the report month of the save.
    EXPECT_EQ(rows[0].headerMonth() & 0x0F, kReportMonth + 1);
    // The late report is marked in its month.
    const int a = rowOfId(*doc, 120);
    EXPECT_EQ(rows[static_cast<std::size_t>(a)].monthByte(MonthByte::CountedInMonth, 0, kSlot),
              kReportMonth + 1);

    EXPECT_EQ(folder.size(files::kMonthTotals), 1728u);
    EXPECT_EQ(folder.read(files::kMonthTotals), test::bytesOf(doc->monthTotals));
    EXPECT_EQ(folder.size(files::kMeetings), 2u * 672);
    EXPECT_EQ(folder.size(files::kGroups), 2141u);
    ServiceGroupTable groups = recordsOf<ServiceGroupTable>(folder.read(files::kGroups))[0];
    EXPECT_NE(groups.bytes, doc->groups.bytes) << "group texts are scrambled in the file";
    groups.toggleScramble();
    EXPECT_EQ(groups.bytes, doc->groups.bytes);
    EXPECT_EQ(folder.read(files::kDisplayConfig), test::bytesOf(doc->displayConfig));
    EXPECT_EQ(folder.size(files::kAppointments), 32u);
    EXPECT_TRUE(folder.exists(files::kSettings));
}

TEST_F(DataFilesTest, ReloadGivesTheSameDocumentLiveAndReadOnly) {
    auto saved = buildCongregation();
    ASSERT_TRUE(save(*saved).ok);
    for (LoadMode mode : {LoadMode::Live, LoadMode::ReadOnly}) {
        SCOPED_TRACE(mode == LoadMode::Live ? "live" : "read-only");
        auto doc = load(mode);
        ASSERT_TRUE(lastLoad.ok);
        ASSERT_EQ(doc->recordCount(), saved->recordCount());
        for (std::size_t i = 0; i < doc->publishers.size(); ++i)
            EXPECT_EQ(doc->publishers[i].bytes, saved->publishers[i].bytes) << "row " << i;
        EXPECT_FALSE(doc->isModified());
        ASSERT_EQ(doc->remarkCount(), 2);
        EXPECT_EQ(doc->remarks[1].remarkText(), "Was ill");
        EXPECT_EQ(doc->groups.bytes, saved->groups.bytes);
        EXPECT_EQ(doc->meetings[0].value(MeetingAttendance::Total, kReportMonth, kSlot), 300);
        EXPECT_EQ(doc->meetings[1].value(MeetingAttendance::Held, 11, 0), 4);
        EXPECT_EQ(doc->meetings[0].text(MeetingAttendance::kTitle),
                  cp1253::fromUtf8(res::kMidweekMeeting));
        EXPECT_EQ(doc->meetings[1].text(MeetingAttendance::kTitle),
                  cp1253::fromUtf8(res::kWeekendMeeting));
        EXPECT_EQ(doc->monthTotals.bytes, saved->monthTotals.bytes);
        EXPECT_EQ(doc->displayConfig.bytes, saved->displayConfig.bytes);
        ASSERT_EQ(doc->appointments.size(), 1u);
        EXPECT_EQ(doc->appointments[0].bytes, saved->appointments[0].bytes);
        ASSERT_EQ(doc->lateReports.size(), 1u);
        EXPECT_EQ(doc->lateReports[0].publisherId, 120);
        EXPECT_EQ(doc->lateReports[0].month, 0);
        EXPECT_EQ(doc->lateReports[0].countedIn, kReportMonth + 1);
        EXPECT_EQ(doc->kindCounts, saved->kindCounts);
        EXPECT_EQ(doc->circuitOverseerRow, saved->circuitOverseerRow);
        EXPECT_EQ(doc->settings, saved->settings);
    }
}

TEST_F(DataFilesTest, ASecondSaveWritesEveryFileByteForByte) {
    auto doc = buildCongregation();
    ASSERT_TRUE(save(*doc).ok);
    const auto first = folder.snapshot();
    auto again = load();
    ASSERT_TRUE(lastLoad.ok);
    ASSERT_TRUE(save(*again).ok);
    const auto second = folder.snapshot();
    for (const auto& [name, bytes] : first) {
        ASSERT_TRUE(second.count(name)) << name;
        EXPECT_EQ(second.at(name), bytes) << name;
    }
    for (const auto& [name, bytes] : second)
        EXPECT_TRUE(first.count(name) || name == files::kRemarkUndo) << "new file " << name;
}

TEST_F(DataFilesTest, AFreshDocumentSavesItsHeaderOnly) {
    auto doc = load();
    ASSERT_TRUE(lastLoad.ok);
    EXPECT_EQ(doc->recordCount(), 1);
    ASSERT_TRUE(save(*doc).ok);
    const FileBytes file = folder.read(files::kPublishers);
    ASSERT_EQ(file.size(), 816u);
    EXPECT_EQ(file[2], ' ' + 52);
    EXPECT_EQ(file[23], 'u');
    EXPECT_FALSE(folder.exists(files::kGroups)) << "no groups, no group file";
}

// Without a table the groups of bkstudy.dat are kept rather than emptied, so that the next save
// does not delete a group file that may be all that is left of a damaged folder.
TEST_F(DataFilesTest, WithoutATableTheGroupsAreKept) {
    ServiceGroupTable groups;
    groups.setGroupCount(3);
    groups.setText(ServiceGroupTable::overseerField(1), "Overseer");
    groups.toggleScramble();
    folder.write(files::kGroups, test::bytesOf(groups));
    auto doc = load(LoadMode::ReadOnly);
    EXPECT_EQ(doc->recordCount(), 1);
    EXPECT_EQ(doc->groups.groupCount(), 3);
    EXPECT_EQ(doc->groups.text(ServiceGroupTable::overseerField(1)), "Overseer");
}

TEST_F(DataFilesTest, ShortTablesAndPartialRows) {
    folder.write(files::kPublishers, FileBytes(400, 0x55));
    auto doc = load();
    ASSERT_TRUE(lastLoad.ok);
    EXPECT_EQ(doc->recordCount(), 1) << "400 bytes count as no table";
    EXPECT_EQ(doc->header().password(), " ");

    FileBytes table = test::tableFile({headerRow(), person(120, "A", "A"), person(121, "B", "B")});
    table.resize(table.size() + 100, 0x11);  // a partial last row is dropped
    folder.write(files::kPublishers, table);
    doc = load();
    EXPECT_EQ(doc->recordCount(), 3);
}

TEST_F(DataFilesTest, StaleRemarkIndexesAreClearedAtLoad) {
    PublisherRecord a = person(120, "A", "A");
    a.setMonthWord(MonthWord::RemarkIndex, 5, 0, 7);
    writeTable({headerRow(), a});
    auto doc = load(LoadMode::ReadOnly);
    EXPECT_EQ(doc->publishers[1].monthWord(MonthWord::RemarkIndex, 5, 0), 0);
}

TEST_F(DataFilesTest, ReadersStopAtTheTableCapacities) {
    std::vector<PublisherRecord> rows = {headerRow()};
    for (int i = 0; i < 1600; ++i)
        rows.push_back(person(static_cast<std::uint16_t>(100 + i), "P", "N" + std::to_string(i)));
    writeTable(rows);
    std::vector<AppointmentRecord> appts(1600, appointment(120, 3, "Long enough text"));
    folder.write(files::kAppointments, test::concat(appts));
    std::vector<ContactExtra> extras(700);
    folder.write(files::kContactExtras, test::concat(extras));
    // 24 remarks for each of 170 people: more than the 3,898 a load keeps.
    std::vector<RemarkRecord> remarks = {RemarkRecord{}};
    for (int i = 0; i < 170; ++i)
        for (int m = 0; m < 12; ++m)
            for (int sl = 0; sl < 2; ++sl) remarks.push_back(remark("r", m + 1, sl, 100 + i));
    folder.write(files::kRemarks, test::concat(remarks));
    auto doc = load(LoadMode::ReadOnly);
    ASSERT_TRUE(lastLoad.ok);
    EXPECT_EQ(doc->recordCount(), CZelvoDoc::kMaxRows);
    EXPECT_EQ(doc->appointments.size(), CZelvoDoc::kMaxAppointments);
    EXPECT_EQ(doc->contactExtraCount(), 601);
    EXPECT_EQ(doc->remarkCount(), 1 + CZelvoDoc::kRemarksLoaded);
    EXPECT_FALSE(doc->problems.empty());
}

TEST_F(DataFilesTest, APlainTableIsReadAsItIs) {
    // Byte 23 of the header reads 'A': the texts were never shifted.
    test::FileBytes plain =
        test::concat(std::vector<PublisherRecord>{headerRow(), person(120, "Plain", "Text")});
    folder.write(files::kPublishers, plain);
    auto doc = load(LoadMode::ReadOnly);
    ASSERT_EQ(doc->recordCount(), 2);
    EXPECT_EQ(doc->publishers[1].firstName(), "Plain");
    EXPECT_EQ(doc->header().password(), " ");
}

TEST_F(DataFilesTest, AHeaderThatDoesNotScrambleToUKeepsTheTableFiles) {
    auto doc = buildCongregation();
    ASSERT_TRUE(save(*doc).ok);
    const FileBytes table = folder.read(files::kPublishers);
    const FileBytes totals = folder.read(files::kMonthTotals);
    doc->header().setByte(PublisherRecord::kScrambleMarker, 'B');
    doc->publishers[1].setText(PublisherRecord::kAddress, "Not written");
    doc->monthTotals.setValue(5, 0, 0, 0, 5);
    doc->meetings[0].setValue(MeetingAttendance::Total, 5, 0, 55);
    ASSERT_TRUE(save(*doc).ok);
    EXPECT_EQ(folder.read(files::kPublishers), table);
    EXPECT_EQ(folder.read(files::kMonthTotals), totals);
    EXPECT_EQ(recordsOf<MeetingAttendance>(folder.read(files::kMeetings))[0].value(
                  MeetingAttendance::Total, 5, 0),
              55)
        << "the other files are still written";
    EXPECT_EQ(doc->header().byte(PublisherRecord::kScrambleMarker), 'B');
    EXPECT_EQ(doc->publishers[1].address(), "Not written") << "the rows are plain again";
}

TEST_F(DataFilesTest, MeetingRecordsAreSavedAsManyAsWereLoaded) {
    MeetingAttendance midweek;
    midweek.setValue(MeetingAttendance::Week1, kReportMonth, kSlot, 40);
    folder.write(files::kMeetings, test::bytesOf(midweek));
    auto doc = load();
    EXPECT_EQ(doc->meetingCount, 1);
    EXPECT_EQ(doc->meetings[0].value(MeetingAttendance::Week1, kReportMonth, kSlot), 40);
    ASSERT_TRUE(save(*doc).ok);
    EXPECT_EQ(folder.size(files::kMeetings), 672u);

    folder.remove(files::kMeetings);
    doc = load();
    EXPECT_EQ(doc->meetingCount, 2) << "none found counts as two";
}

// Left in place, the file would bring the last appointment back at the next load.
TEST_F(DataFilesTest, AnEmptyAppointmentTableRemovesTheFile) {
    folder.write(files::kAppointments, test::bytesOf(appointment(120, 3, "Elder since 2020")));
    auto doc = load();
    ASSERT_EQ(doc->appointments.size(), 1u);
    doc->appointments.clear();
    ASSERT_TRUE(save(*doc).ok);
    EXPECT_FALSE(folder.exists(files::kAppointments));
}

TEST_F(DataFilesTest, SaveMarksLateReportsFromTheListOnly) {
    auto doc = load();
    PublisherRecord a = person(120, "A", "A");
    a.setMonthByte(MonthByte::CountedInMonth, 0, kSlot, kReportMonth + 1);  // not in the list
    a.setMonthByte(MonthByte::CountedInMonth, 10, 0, 1);                    // another month's
    PublisherRecord b = person(121, "B", "B");
    setReport(b, 11, 0, 4);
    test::addPeople(*doc, {a, b});
    doc->lateReports = {{121, 11, kReportMonth + 1}};
    ASSERT_TRUE(save(*doc).ok);
    const auto rows = tableOf(folder.read(files::kPublishers));
    EXPECT_EQ(rows[1].monthByte(MonthByte::CountedInMonth, 0, kSlot), 0);
    EXPECT_EQ(rows[1].monthByte(MonthByte::CountedInMonth, 10, 0), 1);
    EXPECT_EQ(rows[2].monthByte(MonthByte::CountedInMonth, 11, 0), kReportMonth + 1)
        << "December lies in the other slot";
}

// ---------------------------------------------------------------- zlt15.dat

TEST_F(DataFilesTest, UnderOneHourMarksSurviveOnlyOnMonthsWithoutHours) {
    auto doc = load();
    PublisherRecord a = person(120, "A", "A");
    setReport(a, 5, 0, 0, 0, 0, true);                 // June 2024, no hours: keeps its mark
    setReport(a, 6, 0, 4, 0, 0, true);                 // July 2024 with hours: a stray mark
    setReport(a, 7, 0, 0, 2, 0, true);                 // quarter hours are hours too
    setReport(a, kReportMonth, kSlot, 0, 0, 1, true);  // participated this month
    test::addPeople(*doc, {a});
    ASSERT_TRUE(save(*doc).ok);

    const FileBytes under = folder.read(files::kUnderHour);
    ASSERT_EQ(under.size(), 32u);
    UnderHourRecord rec = recordsOf<UnderHourRecord>(under)[0];
    EXPECT_EQ(rec.publisherId(), 120);
    EXPECT_TRUE(rec.flag(5, 0));
    EXPECT_TRUE(rec.flag(6, 0));
    EXPECT_FALSE(rec.flag(kReportMonth, kSlot)) << "this month's mark stays in the table";
    for (std::size_t i = 26; i < 32; ++i) EXPECT_EQ(under[i], 0);
    const auto rows = tableOf(folder.read(files::kPublishers));
    EXPECT_FALSE(rows[1].tookPart(5, 0)) << "moved out of the table";
    EXPECT_TRUE(rows[1].tookPart(kReportMonth, kSlot));

    const auto reloaded = load();
    for (const CZelvoDoc* d : {doc.get(), reloaded.get()}) {
        const PublisherRecord& r = d->publishers[1];
        EXPECT_TRUE(r.tookPart(5, 0));
        EXPECT_FALSE(r.tookPart(6, 0));
        EXPECT_FALSE(r.tookPart(7, 0));
        EXPECT_TRUE(r.tookPart(kReportMonth, kSlot));
        EXPECT_EQ(r.hours(6, 0), 4);
    }
}

TEST_F(DataFilesTest, OldFormMonthsKeepTheirMarksApartToo) {
    // 10 August 2024: report month July 2024 (index 6, slot 0). March 2023 (slot 1) is an
    // old-form month; March 2024 (slot 0) is not, and lies before the report month.
    auto doc = std::make_unique<CZelvoDoc>();
    ScriptedPrompts prompts;
    doc->startUp(folder.str(), {2024, 8, 10}, LoadMode::Live);
    ASSERT_TRUE(doc->load(prompts, LoadMode::Live).ok);
    PublisherRecord a = person(120, "A", "A");
    setReport(a, 2, 1, 0, 0, 0, true);
    setReport(a, 2, 0, 0, 0, 0, true);
    setReport(a, 3, 1, 2, 0, 0, true);  // an old-form month with hours: a stray mark
    test::addPeople(*doc, {a});
    ASSERT_TRUE(doc->saveAll(prompts).ok);
    const UnderHourRecord rec = recordsOf<UnderHourRecord>(folder.read(files::kUnderHour)).at(0);
    EXPECT_TRUE(rec.flag(2, 1));
    EXPECT_FALSE(rec.flag(2, 0));
    const PublisherRecord inFile = tableOf(folder.read(files::kPublishers))[1];
    EXPECT_FALSE(inFile.tookPart(2, 1));
    EXPECT_TRUE(inFile.tookPart(2, 0));

    auto again = std::make_unique<CZelvoDoc>();
    again->startUp(folder.str(), {2024, 8, 10}, LoadMode::Live);
    ASSERT_TRUE(again->load(prompts, LoadMode::Live).ok);
    EXPECT_TRUE(again->publishers[1].tookPart(2, 1));
    EXPECT_TRUE(again->publishers[1].tookPart(2, 0));
    EXPECT_FALSE(again->publishers[1].tookPart(3, 1));
}

TEST_F(DataFilesTest, MarksThatStayInTheTableLeaveAnEmptyUnderHourFile) {
    auto doc = load();
    PublisherRecord a = person(120, "A", "A");
    setReport(a, kReportMonth, kSlot, 0, 0, 0, true);
    PublisherRecord b = person(121, "B", "B");
    setReport(b, 5, 0, 0, 0, 0, true);
    test::addPeople(*doc, {a, b, person(122, "C", "C")});
    ASSERT_TRUE(save(*doc).ok);
    ASSERT_EQ(folder.size(files::kUnderHour), 32u) << "one record: only B has a moved mark";
    EXPECT_EQ(recordsOf<UnderHourRecord>(folder.read(files::kUnderHour))[0].publisherId(), 121);

    doc->publishers[2].setMonthWord(MonthWord::StudiesAndFlags, 5, 0, 0);
    ASSERT_TRUE(save(*doc).ok);
    EXPECT_TRUE(folder.exists(files::kUnderHour));
    EXPECT_EQ(folder.size(files::kUnderHour), 0u);
}

TEST_F(DataFilesTest, NoMarksNoUnderHourFile) {
    folder.write(files::kUnderHour, FileBytes(32, 0));
    auto doc = load();
    test::addPeople(*doc, {person(120, "A", "A")});
    ASSERT_TRUE(save(*doc).ok);
    EXPECT_FALSE(folder.exists(files::kUnderHour));
}

// ---------------------------------------------------------------- appointments

TEST_F(DataFilesTest, AppointmentsAreFilteredOnSave) {
    auto doc = load();
    doc->appointments = {
        appointment(120, 3, "Elder since 2020"), appointment(120, 3, "Same pair again"),
        appointment(0, 3, "No person at all"),   appointment(120, 0, "No kind at all"),
        appointment(121, 4, "  short  "),        appointment(122, 20, ""),
        appointment(121, 5, "Servant 2019")};
    ASSERT_TRUE(save(*doc).ok);
    const auto written = recordsOf<AppointmentRecord>(folder.read(files::kAppointments));
    ASSERT_EQ(written.size(), 3u);
    EXPECT_EQ(written[0].appointmentText(), "Elder since 2020");
    EXPECT_EQ(written[1].appointmentKind(), 20);
    EXPECT_EQ(written[2].appointmentText(), "Servant 2019");
}

// ---------------------------------------------------------------- remarks

class RemarkFileTest : public DataFilesTest {
protected:
    void SetUp() override {
        writeTable({headerRow(), person(120, "A", "A"), person(130, "B", "B")});
    }
};

TEST_F(RemarkFileTest, LiveLoadCompactsAndKeepsAnUndoCopy) {
    const FileBytes original = test::concat(std::vector<RemarkRecord>{
        RemarkRecord{}, remark("first", 2, 1, 120), remark("other", 3, 1, 120),
        remark("no month", 0, 1, 120), remark("low id", 2, 1, 5), remark("", 4, 1, 120),
        remark("second", 2, 1, 120), remark("nobody", 2, 1, 999)});
    folder.write(files::kRemarks, original);
    auto doc = load();
    ASSERT_TRUE(lastLoad.ok);
    EXPECT_EQ(folder.read(files::kRemarkUndo), original);
    const auto file = recordsOf<RemarkRecord>(folder.read(files::kRemarks));
    ASSERT_EQ(file.size(), 4u);
    EXPECT_TRUE(file[0].isAllZero());
    EXPECT_EQ(file[1].remarkText(), "other");
    EXPECT_EQ(file[2].remarkText(), "second");
    EXPECT_EQ(file[3].remarkText(), "nobody");

    // In the table: "nobody" has no row; the later of two remarks for one month stands.
    ASSERT_EQ(doc->remarkCount(), 3);
    const PublisherRecord& a = doc->publishers[1];
    EXPECT_EQ(doc->remarks[a.monthWord(MonthWord::RemarkIndex, 1, 1)].remarkText(), "second");
    EXPECT_EQ(doc->remarks[a.monthWord(MonthWord::RemarkIndex, 2, 1)].remarkText(), "other");
    EXPECT_EQ(a.monthWord(MonthWord::RemarkIndex, 3, 1), 0);
}

TEST_F(RemarkFileTest, BlankRemarksAreNotReadIntoTheTable) {
    folder.write(files::kRemarks, test::concat(std::vector<RemarkRecord>{
                                      RemarkRecord{}, remark("   ", 2, 1, 120),
                                      remark("kept", 3, 1, 120), remark("x", 4, 1, 130)}));
    auto doc = load();
    EXPECT_EQ(doc->remarkCount(), 3);
    EXPECT_EQ(doc->publishers[1].monthWord(MonthWord::RemarkIndex, 1, 1), 0);
    EXPECT_EQ(folder.size(files::kRemarks), 4u * 48) << "compaction keeps blank texts";
}

TEST_F(RemarkFileTest, ReadOnlyLoadNeitherCompactsNorCopies) {
    const FileBytes original = test::concat(std::vector<RemarkRecord>{
        RemarkRecord{}, remark("first", 2, 1, 120), remark("second", 2, 1, 120)});
    folder.write(files::kRemarks, original);
    auto doc = load(LoadMode::ReadOnly);
    ASSERT_TRUE(lastLoad.ok);
    EXPECT_EQ(folder.read(files::kRemarks), original);
    EXPECT_FALSE(folder.exists(files::kRemarkUndo));
    const PublisherRecord& a = doc->publishers[1];
    EXPECT_EQ(doc->remarks[a.monthWord(MonthWord::RemarkIndex, 1, 1)].remarkText(), "second");
}

TEST_F(RemarkFileTest, FilesOf143BytesOrLessAreNotCompacted) {
    FileBytes small =
        test::concat(std::vector<RemarkRecord>{RemarkRecord{}, remark("", 2, 1, 120)});
    small.resize(143, 0x41);  // a partial third record
    folder.write(files::kRemarks, small);
    load();
    EXPECT_EQ(folder.read(files::kRemarks), small);

    const FileBytes bigger = test::concat(std::vector<RemarkRecord>{
        RemarkRecord{}, remark("", 2, 1, 120), remark("kept", 3, 1, 120)});
    ASSERT_EQ(bigger.size(), 144u);
    folder.write(files::kRemarks, bigger);
    load();
    EXPECT_EQ(folder.size(files::kRemarks), 96u);
}

TEST_F(RemarkFileTest, SaveWritesRemarksInPlace) {
    folder.write(files::kRemarks,
                 test::concat(std::vector<RemarkRecord>{RemarkRecord{}, remark("one", 2, 1, 120),
                                                        remark("two", 3, 1, 130)}));
    auto doc = load();
    const int a = rowOfId(*doc, 120);
    auto& ra = doc->publishers[static_cast<std::size_t>(a)];
    const int index = ra.monthWord(MonthWord::RemarkIndex, 1, 1);
    doc->remarks[static_cast<std::size_t>(index)].set("one changed", 2, 1, 120);
    doc->remarks.push_back(remark("three", 1, 1, 120));
    ra.setMonthWord(MonthWord::RemarkIndex, 0, 1,
                    static_cast<std::uint16_t>(doc->remarkCount() - 1));
    ASSERT_TRUE(save(*doc).ok);
    const auto file = recordsOf<RemarkRecord>(folder.read(files::kRemarks));
    ASSERT_EQ(file.size(), 4u);
    EXPECT_EQ(file[1].remarkText(), "one changed");
    EXPECT_EQ(file[2].remarkText(), "two");
    EXPECT_EQ(file[3].remarkText(), "three");
}

TEST_F(RemarkFileTest, ANewRemarkFileStartsWithAnEmptyHeader) {
    auto doc = load();
    doc->remarks.push_back(remark("new", 2, 1, 120));
    doc->publishers[1].setMonthWord(MonthWord::RemarkIndex, 1, 1, 1);
    ASSERT_TRUE(save(*doc).ok);
    const auto file = recordsOf<RemarkRecord>(folder.read(files::kRemarks));
    ASSERT_EQ(file.size(), 2u);
    EXPECT_TRUE(file[0].isAllZero());
    EXPECT_EQ(file[1].remarkText(), "new");
}

TEST(RemarkMerge, SameKeyThenFirstEmptyThenAppended) {
    std::vector<RemarkRecord> file = {RemarkRecord{}, remark("a", 2, 1, 120), RemarkRecord{},
                                      remark("b", 3, 1, 130)};
    const std::vector<RemarkRecord> table = {RemarkRecord{}, remark("a2", 2, 1, 120),
                                             remark("c", 4, 0, 140), remark("d", 5, 0, 140)};
    mergeRemarksIntoFile(file, table);
    ASSERT_EQ(file.size(), 5u);
    EXPECT_EQ(file[1].remarkText(), "a2");
    EXPECT_EQ(file[2].remarkText(), "c");
    EXPECT_EQ(file[3].remarkText(), "b");
    EXPECT_EQ(file[4].remarkText(), "d");
    EXPECT_TRUE(file[0].isAllZero());
}

TEST(RemarkMerge, CompactionRules) {
    const std::vector<RemarkRecord> in = {
        remark("junk header", 1, 1, 99), remark("x", 2, 0, 120),  remark("y", 2, 1, 120),
        remark("x2", 2, 0, 120),         remark("ten", 2, 0, 10), remark("eleven", 2, 0, 11)};
    const auto out = compactRemarks(in);
    ASSERT_EQ(out.size(), 4u);
    EXPECT_TRUE(out[0].isAllZero());
    EXPECT_EQ(out[1].remarkText(), "y");
    EXPECT_EQ(out[2].remarkText(), "x2");
    EXPECT_EQ(out[3].remarkText(), "eleven");
}

// ---------------------------------------------------------------- emergency and needs

TEST_F(DataFilesTest, EmergencyCleanupKeepsReferencedRecordsOnce) {
    PublisherRecord a = person(120, "A", "A");
    a.setWord(PublisherRecord::kEmergencyKey, 10);
    PublisherRecord b = person(121, "B", "B");
    b.setWord(PublisherRecord::kEmergencyKey, 12);
    writeTable({headerRow(), a, b});
    folder.write(files::kEmergency,
                 test::concat(std::vector<EmergencyContact>{
                     emergency(10, "Ten"), emergency(11, "Unused"), emergency(0, "Free"),
                     emergency(10, "Ten again"), emergency(12, "Twelve")}));
    auto doc = load();
    const auto file = recordsOf<EmergencyContact>(folder.read(files::kEmergency));
    ASSERT_EQ(file.size(), 2u);
    EXPECT_EQ(file[0].text(EmergencyContact::kName), "Ten");
    EXPECT_EQ(file[1].text(EmergencyContact::kName), "Twelve");
    EXPECT_FALSE(folder.exists(files::kEmergencyTemp));
    ASSERT_EQ(doc->emergencyKeys.size(), 2u);
    EXPECT_EQ(doc->emergencyKeys[0].key, 10);
    EXPECT_EQ(doc->emergencyKeys[1].key, 12);
    EXPECT_EQ(doc->readEmergency(12).text(EmergencyContact::kName), "Twelve");
}

TEST_F(DataFilesTest, EmergencyFileStaysWhenNothingIsReferenced) {
    writeTable({headerRow(), person(120, "A", "A")});
    const FileBytes original = test::concat(
        std::vector<EmergencyContact>{emergency(11, "Unused"), emergency(13, "Unused too")});
    folder.write(files::kEmergency, original);
    auto doc = load();
    EXPECT_EQ(folder.read(files::kEmergency), original);
    EXPECT_FALSE(folder.exists(files::kEmergencyTemp));
    EXPECT_TRUE(doc->emergencyKeys.empty());
}

TEST_F(DataFilesTest, SpecialNeedKeysRepeatedOrUnusedAreZeroedInTheListOnly) {
    PublisherRecord a = person(120, "A", "A");
    a.setWord(PublisherRecord::kSpecialNeedsKey, 20);
    writeTable({headerRow(), a});
    const FileBytes original = test::concat(
        std::vector<SpecialNeed>{need(20, "ramp"), need(20, "again"), need(21, "unused")});
    folder.write(files::kSpecialNeeds, original);
    auto doc = load();
    EXPECT_EQ(folder.read(files::kSpecialNeeds), original);
    ASSERT_EQ(doc->specialNeedsKeys.size(), 3u);
    EXPECT_EQ(doc->specialNeedsKeys[0].key, 20);
    EXPECT_EQ(doc->specialNeedsKeys[1].key, 0);
    EXPECT_EQ(doc->specialNeedsKeys[2].key, 0);
    EXPECT_EQ(doc->readSpecialNeed(20).needText(), "ramp");
}

TEST_F(DataFilesTest, SpecialNeedKeyListStopsAtItsCapacity) {
    std::vector<SpecialNeed> many;
    for (int i = 0; i < 1400; ++i) many.push_back(need(0, "x"));
    folder.write(files::kSpecialNeeds, test::concat(many));
    auto doc = load();
    ASSERT_TRUE(lastLoad.ok);
    EXPECT_EQ(doc->specialNeedsKeys.size(), CZelvoDoc::kMaxKeyList);
}

TEST_F(DataFilesTest, EmergencyWritersGoToTheFileAtOnce) {
    PublisherRecord a = person(120, "A", "A");
    a.setWord(PublisherRecord::kEmergencyKey, 10);
    PublisherRecord b = person(121, "B", "B");
    b.setWord(PublisherRecord::kEmergencyKey, 12);
    writeTable({headerRow(), a, b});
    folder.write(files::kEmergency, test::concat(std::vector<EmergencyContact>{
                                        emergency(10, "Ten"), emergency(12, "Twelve")}));
    auto doc = load();

    EXPECT_EQ(doc->addEmergency(emergency(0, "New")), 11);
    auto file = recordsOf<EmergencyContact>(folder.read(files::kEmergency));
    ASSERT_EQ(file.size(), 3u);
    EXPECT_EQ(file[2].key(), 11);
    EXPECT_EQ(file[2].text(EmergencyContact::kName), "New");

    EXPECT_TRUE(doc->writeEmergency(10, emergency(10, "Ten changed")));
    file = recordsOf<EmergencyContact>(folder.read(files::kEmergency));
    ASSERT_EQ(file.size(), 3u);
    EXPECT_EQ(file[0].text(EmergencyContact::kName), "Ten changed");
    EXPECT_EQ(doc->readEmergency(10).text(EmergencyContact::kName), "Ten changed");

    // A free slot (key 0) is reused before the file grows; 12 is no longer used by anyone.
    doc->publishers[static_cast<std::size_t>(rowOfId(*doc, 121))].setWord(
        PublisherRecord::kEmergencyKey, 0);
    for (KeySlot& k : doc->emergencyKeys)
        if (k.key == 12) k.key = 0;
    EXPECT_EQ(doc->addEmergency(emergency(0, "Reused")), 12);
    file = recordsOf<EmergencyContact>(folder.read(files::kEmergency));
    ASSERT_EQ(file.size(), 3u);
    EXPECT_EQ(file[1].key(), 12);
    EXPECT_EQ(file[1].text(EmergencyContact::kName), "Reused");
}

TEST_F(DataFilesTest, SpecialNeedWritersReuseFreeSlotsThenAppend) {
    PublisherRecord a = person(120, "A", "A");
    a.setWord(PublisherRecord::kSpecialNeedsKey, 20);
    writeTable({headerRow(), a});
    folder.write(files::kSpecialNeeds, test::concat(std::vector<SpecialNeed>{
                                           need(20, "ramp"), need(20, "dup"), need(21, "old")}));
    auto doc = load();
    EXPECT_EQ(doc->addSpecialNeed(need(0, "hearing")), 10);
    EXPECT_EQ(doc->addSpecialNeed(need(0, "sight")), 11);
    EXPECT_EQ(doc->addSpecialNeed(need(0, "diet")), 12);
    const auto file = recordsOf<SpecialNeed>(folder.read(files::kSpecialNeeds));
    ASSERT_EQ(file.size(), 4u);
    EXPECT_EQ(file[0].needText(), "ramp");
    EXPECT_EQ(file[1].key(), 10);
    EXPECT_EQ(file[1].needText(), "hearing");
    EXPECT_EQ(file[2].key(), 11);
    EXPECT_EQ(file[3].key(), 12);
    EXPECT_TRUE(doc->writeSpecialNeed(20, need(20, "ramp and lift")));
    EXPECT_EQ(recordsOf<SpecialNeed>(folder.read(files::kSpecialNeeds))[0].needText(),
              "ramp and lift");
}

TEST_F(DataFilesTest, ContactExtraWriterOverwritesReusesAndAppends) {
    writeTable({headerRow(), person(120, "A", "A"), person(130, "B", "B"), person(140, "C", "C")});
    auto doc = load();
    auto fill = [&](int id, std::string_view email) {
        ContactExtra e;
        e.setPublisherId(static_cast<std::uint16_t>(id));
        e.setText(ContactExtra::kFullName, cp1253::fromUtf8("Μαρία Α"));
        e.setText(ContactExtra::kEmail, email);
        return e;
    };
    auto record = [&](std::size_t n) {
        ContactExtra c = recordsOf<ContactExtra>(folder.read(files::kContactExtras)).at(n);
        c.fromFile();
        return c;
    };

    const ContactExtra first = fill(120, "a@x.gr");
    EXPECT_EQ(doc->writeContactExtra(first), 1);
    ASSERT_EQ(folder.size(files::kContactExtras), 2u * 192);
    EXPECT_TRUE(recordsOf<ContactExtra>(folder.read(files::kContactExtras))[0].isAllZero());
    EXPECT_EQ(record(1).bytes, first.bytes);
    ASSERT_EQ(doc->contactExtraKeys.size(), 2u);
    EXPECT_EQ(doc->contactExtraKeys[1].publisherId, 120);
    EXPECT_EQ(doc->contactExtraKeys[1].presence, 3);

    EXPECT_EQ(doc->writeContactExtra(fill(120, "new@x.gr")), 1);
    EXPECT_EQ(folder.size(files::kContactExtras), 2u * 192);
    EXPECT_EQ(record(1).email(), "new@x.gr");

    EXPECT_EQ(doc->writeContactExtra(fill(130, "b@x.gr")), 2);
    EXPECT_EQ(folder.size(files::kContactExtras), 3u * 192);
    ASSERT_TRUE(doc->readContactExtra(2, rowOfId(*doc, 130)));
    EXPECT_EQ(doc->readContactExtra(2, rowOfId(*doc, 130))->email(), "b@x.gr");
    EXPECT_FALSE(doc->readContactExtra(2, rowOfId(*doc, 120))) << "another person's record";

    // An all-zero record is reused.
    FileBytes withHole = folder.read(files::kContactExtras);
    std::fill(withHole.begin() + 192, withHole.begin() + 384, Byte{0});
    folder.write(files::kContactExtras, withHole);
    doc = load();
    EXPECT_EQ(doc->contactExtraCount(), 3);
    EXPECT_EQ(doc->writeContactExtra(fill(140, "c@x.gr")), 1);
    EXPECT_EQ(folder.size(files::kContactExtras), 3u * 192);
    EXPECT_EQ(record(1).publisherId(), 140);
}

// ---------------------------------------------------------------- header and late reports

// The eleven months the report form takes late reports for, and as many entries as the list
// holds: a late report counts the same before and after a restart.
TEST_F(DataFilesTest, LateReportListIsRebuiltFromTheElevenMonthsBefore) {
    PublisherRecord a = person(120, "A", "Alpha");
    a.setMonthByte(MonthByte::CountedInMonth, 0, kSlot, kReportMonth + 1);  // January
    a.setMonthByte(MonthByte::CountedInMonth, 7, 0, kReportMonth + 1);      // August: 6 back
    a.setMonthByte(MonthByte::CountedInMonth, 6, 0, kReportMonth + 1);      // July: 7 back
    a.setMonthByte(MonthByte::CountedInMonth, 2, 0, kReportMonth + 1);      // March: 11 back
    a.setMonthByte(MonthByte::CountedInMonth, 11, 1, kReportMonth + 1);     // wrong slot
    a.setMonthByte(MonthByte::CountedInMonth, 11, 0, kReportMonth + 2);     // another month
    a.setMonthByte(MonthByte::CountedInMonth, 1, 0, kReportMonth + 1);      // 12 back
    PublisherRecord c = person(122, "C", "Gamma");
    c.setMonthByte(MonthByte::CountedInMonth, 0, kSlot, kReportMonth + 1);
    PublisherRecord b = person(121, "B", "Beta", kInactive);
    b.setMonthByte(MonthByte::CountedInMonth, 0, kSlot, kReportMonth + 1);
    writeTable({headerRow(), c, b, a});
    auto doc = load(LoadMode::ReadOnly);
    // Month by month walking back, each month's rows in the order of the (sorted) table.
    ASSERT_EQ(doc->lateReports.size(), 5u);
    EXPECT_EQ(doc->lateReports[0].publisherId, 120);
    EXPECT_EQ(doc->lateReports[0].month, 0);
    EXPECT_EQ(doc->lateReports[0].countedIn, kReportMonth + 1);
    EXPECT_EQ(doc->lateReports[1].publisherId, 122);
    EXPECT_EQ(doc->lateReports[2].month, 7);
    EXPECT_EQ(doc->lateReports[3].month, 6);
    EXPECT_EQ(doc->lateReports[4].month, 2);
}

TEST_F(DataFilesTest, LateReportListIsRebuiltUpTo250) {
    std::vector<PublisherRecord> rows = {headerRow()};
    for (int i = 0; i < 260; ++i) {
        PublisherRecord p =
            person(static_cast<std::uint16_t>(100 + i), "P", "P" + std::to_string(i));
        p.setMonthByte(MonthByte::CountedInMonth, 0, kSlot, kReportMonth + 1);
        rows.push_back(p);
    }
    writeTable(rows);
    auto doc = load(LoadMode::ReadOnly);
    EXPECT_EQ(doc->lateReports.size(), CZelvoDoc::kMaxLateReports);
}

TEST_F(DataFilesTest, LastEnteredIdOnlyForTheSameReportMonth) {
    for (int headerMonth : {0x10 | (kReportMonth + 1), kReportMonth + 2}) {
        PublisherRecord h = headerRow();
        h.setWord(PublisherRecord::kStatusSince, 345);
        h.setWord(PublisherRecord::kAppointmentBits, static_cast<std::uint16_t>(headerMonth));
        writeTable({h, person(345, "A", "A")});
        auto doc = load(LoadMode::ReadOnly);
        EXPECT_EQ(doc->lastEnteredId, headerMonth == kReportMonth + 2 ? 0 : 345) << headerMonth;
    }
}

// ---------------------------------------------------------------- password gate

TEST_F(DataFilesTest, PasswordGate) {
    struct Case {
        const char* stored;
        std::vector<std::string> typed;
        bool opens;
        int dialogs;
    };
    const Case cases[] = {
        {" ", {}, true, 0},
        {"secret", {"secret"}, true, 1},
        {"secret", {"wrong"}, false, 1},
        {"secret", {"wrong", "secret"}, true, 1},
        {"secret", {"wrong", "secrex"}, false, 1},
        {"secret", {}, false, 1},
        {"secret", {"SECRET"}, false, 1},
    };
    for (const Case& c : cases) {
        writeTable({headerRow(c.stored), person(120, "A", "A")});
        CountingPrompts prompts;
        prompts.passwordAttempts = c.typed;
        auto doc = load(LoadMode::Live, &prompts);
        EXPECT_EQ(lastLoad.ok, c.opens) << c.stored << " " << c.typed.size();
        EXPECT_EQ(lastLoad.passwordRefused, !c.opens);
        EXPECT_EQ(prompts.passwordDialogs, c.dialogs);
        if (c.opens) {
            EXPECT_EQ(doc->header().password(), c.stored);
        }
    }
}

// ---------------------------------------------------------------- read-only loads

// A folder in which a live load has work to do: remarks to compact, emergency records to drop,
// an early choice to clear.
void writeUntidyFolder(const TestFolder& f) {
    PublisherRecord a = person(120, "A", "A");
    a.setWord(PublisherRecord::kEmergencyKey, 10);
    a.setWord(PublisherRecord::kSpecialNeedsKey, 20);
    setReport(a, kReportMonth, kSlot, 3);
    f.write(files::kPublishers, test::tableFile({headerRow(), a, person(120, "Dup", "Id")}));
    f.write(files::kRemarks,
            test::concat(std::vector<RemarkRecord>{RemarkRecord{}, remark("x", 2, 1, 120),
                                                   remark("y", 2, 1, 120), remark("", 3, 1, 120)}));
    f.write(files::kEmergency, test::concat(std::vector<EmergencyContact>{emergency(11, "Unused"),
                                                                          emergency(10, "Used")}));
    f.write(files::kSpecialNeeds,
            test::concat(std::vector<SpecialNeed>{need(20, "a"), need(20, "b")}));
    f.write(files::kUnderHour, FileBytes(32, 0));
    f.writeText(files::kSettings, "[Early]\r\nYear=25\r\nMonth=4\r\n");
}

TEST_F(DataFilesTest, ReadOnlyLoadWritesNothingAndSeesWhatALiveLoadSees) {
    writeUntidyFolder(folder);
    const auto before = folder.snapshot();
    auto readOnly = load(LoadMode::ReadOnly);
    ASSERT_TRUE(lastLoad.ok);
    EXPECT_EQ(folder.snapshot(), before);

    TestFolder liveFolder;
    writeUntidyFolder(liveFolder);
    auto live = load(LoadMode::Live, nullptr, &liveFolder);
    ASSERT_TRUE(lastLoad.ok);
    ASSERT_NE(liveFolder.snapshot(), before) << "the live load had something to tidy";
    EXPECT_TRUE(liveFolder.exists(files::kRemarkUndo));

    ASSERT_EQ(readOnly->recordCount(), live->recordCount());
    for (std::size_t i = 0; i < live->publishers.size(); ++i)
        EXPECT_EQ(readOnly->publishers[i].bytes, live->publishers[i].bytes) << "row " << i;
    ASSERT_EQ(readOnly->remarkCount(), live->remarkCount());
    for (std::size_t i = 0; i < live->remarks.size(); ++i)
        EXPECT_EQ(readOnly->remarks[i].bytes, live->remarks[i].bytes) << "remark " << i;
    auto keys = [](const std::vector<KeySlot>& v) {
        std::vector<std::pair<int, int>> out;
        for (const KeySlot& k : v) out.emplace_back(k.key, k.slot);
        return out;
    };
    EXPECT_EQ(keys(readOnly->emergencyKeys), keys(live->emergencyKeys));
    EXPECT_EQ(keys(readOnly->specialNeedsKeys), keys(live->specialNeedsKeys));
    EXPECT_EQ(readOnly->readEmergency(10).bytes, live->readEmergency(10).bytes);
    EXPECT_EQ(readOnly->isModified(), live->isModified());
    EXPECT_EQ(readOnly->settings, live->settings);
    EXPECT_EQ(readOnly->calendar.reportMonth, live->calendar.reportMonth);
    EXPECT_EQ(live->settings.earlyYear, 0);
}

// ---------------------------------------------------------------- failures on save

TEST_F(DataFilesTest, AFileThatCannotBeWrittenIsReportedAndTheOthersAreWritten) {
    auto doc = buildCongregation();
    ASSERT_TRUE(save(*doc).ok);
    const FileBytes oldTotals = folder.read(files::kMonthTotals);
    folder.remove(files::kMonthTotals);
    fs::create_directories(folder.file(files::kMonthTotals) / "blocker");

    doc->publishers[1].setText(PublisherRecord::kAddress, "New address 1");
    doc->monthTotals.setValue(3, 0, 0, 0, 99);
    const SaveResult r = save(*doc);
    EXPECT_FALSE(r.ok);
    ASSERT_EQ(r.failedFiles.size(), 1u);
    EXPECT_EQ(fs::path(r.failedFiles[0]), folder.file(files::kMonthTotals));
    ASSERT_EQ(saveMessages.messages.size(), 1u);
    EXPECT_EQ(saveMessages.messages[0], res::format(res::kCannotCreateFile, r.failedFiles[0]));
    EXPECT_TRUE(fs::is_directory(folder.file(files::kMonthTotals)));
    EXPECT_EQ(tableOf(folder.read(files::kPublishers))[1].address(), "New address 1");
}

TEST_F(DataFilesTest, SavingIntoAReadOnlyFolderKeepsTheOldFiles) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    auto doc = buildCongregation();
    ASSERT_TRUE(save(*doc).ok);
    const auto before = folder.snapshot();
    ::chmod(folder.str().c_str(), 0555);
    doc->publishers[1].setText(PublisherRecord::kAddress, "Changed");
    const SaveResult r = save(*doc);
    ::chmod(folder.str().c_str(), 0755);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.failedFiles.empty());
    ASSERT_EQ(saveMessages.messages.size(), r.failedFiles.size());
    for (std::size_t i = 0; i < r.failedFiles.size(); ++i)
        EXPECT_EQ(saveMessages.messages[i], res::format(res::kCannotCreateFile, r.failedFiles[i]));
    EXPECT_EQ(folder.snapshot(), before);
}

TEST(ProgramFileNames, TheDataFolderFilesWhateverTheCaseAndFolder) {
    for (const char* path : {"zdat9.bin", "/home/x/Zelvo/ZELVOG.INI", "C:\\Data\\Remark9.dat",
                             "zdat7.bin", "buhist.dat"})
        EXPECT_TRUE(files::isProgramFileName(path)) << path;
    for (const char* path : {"zdat9.bin.pdf", "/tmp/zdat9.bin/report.pdf", "zdat9.bi", ""})
        EXPECT_FALSE(files::isProgramFileName(path)) << path;
}

}  // namespace
}  // namespace zelvo
