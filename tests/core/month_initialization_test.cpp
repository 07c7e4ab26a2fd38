// Month initialization: the slot cleared, pioneer kinds carried, marks aged, the lists rolled
// over (with removal loops that end), the month copy and its refusals.
#include <gtest/gtest.h>

#include <chrono>

#include "report_fixture.h"
#include "reporting/month_initialization.h"
#include "store/data_files.h"
#include "store/publisher_status.h"

namespace zelvo {
namespace {

using reporting::initializeMonth;
using test::ReportDoc;
using test::TestFolder;
namespace fs = std::filesystem;

void setWriteDate(const fs::path& p, int year, unsigned month, unsigned day) {
    using namespace std::chrono;
    const sys_seconds at{sys_days{std::chrono::year{year} / month / day} + hours{12}};
    fs::last_write_time(p, time_point_cast<fs::file_time_type::duration>(file_clock::from_sys(at)));
}

// A document whose data folder is a scratch folder, report month of `today`.
struct InitDoc : ReportDoc {
    TestFolder folder;
    explicit InitDoc(Date today) : ReportDoc(today) { doc.dataFolder = folder.str(); }
    reporting::InitializationResult init(Date today) {
        const int m = doc.calendar.reportMonth;
        return initializeMonth(doc, m, doc.calendar.reportSlot(), today);
    }
};

// 2 March 2026: report month February 2026 (index 1, slot 0); January is the month before.
constexpr Date kMarch{2026, 3, 2};

TEST(MonthInitialization, ClearsTheSlotCarriesPioneersAndLeavesOnlyTheMonthOpen) {
    InitDoc d(kMarch);
    const int regular = d.add("Regular", "A");
    const int special = d.add("Special", "B");
    const int continuing = d.add("Continuing", "C");
    const int auxiliary = d.add("Auxiliary", "D");
    const int student = d.add("Student", "E", kNonPublisher);
    d.at(student).setText(PublisherRecord::kConductor, "Conductor Name");
    const PublisherRecord studentBefore = d.at(student);
    d.pioneer(regular, 1, 2);
    d.pioneer(special, 1, 3);
    d.pioneer(auxiliary, 1, 1);
    d.at(continuing).setByte(PublisherRecord::kPrivileges, privilege::kContinuousAuxiliary);
    for (const int row : {regular, special, continuing, auxiliary}) {
        d.report(row, 0, 12, 3, 2, true);  // two years old, in the slot being opened
        d.values(row, 0, 1, 2, 3);
        d.at(row).setMonthWord(MonthWord::CreditHours, 1, 0, 5);
        d.at(row).setMonthByte(MonthByte::CountedInMonth, 1, 0, 4);
        d.at(row).setWord(PublisherRecord::kMonthMarks, 0x0003);
    }
    d.remark(regular, "old remark");
    d.doc.lateReports.push_back({d.at(regular).id(), 0, 2});
    d.doc.lastEnteredId = static_cast<std::int16_t>(d.at(regular).id());
    d.doc.header().setCollectionState(1, 2);
    d.doc.header().setCollectionState(5, 1);

    const auto result = d.init({2026, 3, 2});
    ASSERT_TRUE(result.done) << result.refusal;
    for (const int row : {regular, special, continuing, auxiliary}) {
        SCOPED_TRACE(row);
        const PublisherRecord& r = d.at(row);
        for (const MonthWord w :
             {MonthWord::Placements, MonthWord::Videos, MonthWord::Hours, MonthWord::ReturnVisits,
              MonthWord::StudiesAndFlags, MonthWord::RemarkIndex, MonthWord::CreditHours})
            EXPECT_EQ(r.monthWord(w, 1, 0), 0);
        // A late mark left in the slot would be rebuilt into the list and counted again.
        EXPECT_EQ(r.monthByte(MonthByte::CountedInMonth, 1, 0), 0);
        EXPECT_EQ(r.monthMarks(), 0x0001);
        EXPECT_EQ(r.monthWord(MonthWord::Hours, 0, 0), 0);  // January untouched (no report set)
    }
    EXPECT_EQ(d.at(regular).pioneerKind(1, 0), 2);
    EXPECT_EQ(d.at(special).pioneerKind(1, 0), 3);
    EXPECT_EQ(d.at(continuing).pioneerKind(1, 0), 1);
    EXPECT_EQ(d.at(auxiliary).pioneerKind(1, 0), 0);
    EXPECT_EQ(d.doc.remarks[1].remarkText(), "");
    EXPECT_EQ(d.at(student), studentBefore);  // the conductor's name is kept
    EXPECT_TRUE(d.doc.lateReports.empty());
    EXPECT_EQ(d.doc.lastEnteredId, 0);
    EXPECT_EQ(d.doc.header().collectionYear(1, 0), 26);
    for (int m = 0; m < 12; ++m) EXPECT_EQ(d.doc.header().collectionState(m), m == 1 ? 1 : 0);
    EXPECT_TRUE(d.doc.isModified());
}

TEST(MonthInitialization, JanuaryCarriesDecemberOfTheOtherSlotAndDecemberInJanuaryIsLastYears) {
    InitDoc jan({2026, 2, 3});  // report month January 2026, slot 0
    const int p = jan.add("Regular", "A");
    jan.at(p).setMonthByte(MonthByte::PioneerKind, 11, 1, 2);  // December 2025
    ASSERT_TRUE(jan.init({2026, 2, 3}).done);
    EXPECT_EQ(jan.at(p).pioneerKind(0, 0), 2);

    InitDoc dec({2027, 1, 4});  // report month December 2026, opened in January
    ASSERT_TRUE(dec.init({2027, 1, 4}).done);
    EXPECT_EQ(dec.doc.header().collectionYear(11, 0), 26);
}

TEST(MonthInitialization, StatusMarksAge) {
    InitDoc d({2026, 10, 2});  // opening September 2026 (index 8, absolute month 320)
    const int newInMarch = d.add("New", "March");
    d.at(newInMarch).setByte(PublisherRecord::kStatusFlags, 3 * 16 + kMarkNew);
    const int newInApril = d.add("New", "April");
    d.at(newInApril).setByte(PublisherRecord::kStatusFlags, 4 * 16 + kMarkNew);
    const int secondByte = d.add("Second", "Byte");
    d.at(secondByte).setByte(PublisherRecord::kStatusFlags2, 9 * 16 + kMarkReactivated);
    const int old = d.add("Since", "Old");
    d.at(old).setWord(PublisherRecord::kStatusSince, 320 - 25);
    d.at(old).setByte(PublisherRecord::kStatusFlags2, 0x42);
    const int recent = d.add("Since", "Recent");
    d.at(recent).setWord(PublisherRecord::kStatusSince, 320 - 24);
    d.at(recent).setByte(PublisherRecord::kStatusFlags2, 0x42);
    ASSERT_TRUE(d.init({2026, 10, 2}).done);
    EXPECT_EQ(d.at(newInMarch).statusFlags(), 0);
    EXPECT_EQ(d.at(newInApril).statusFlags(), 4 * 16 + kMarkNew);
    EXPECT_EQ(d.at(secondByte).statusFlags2(), kMarkReactivated);
    EXPECT_EQ(d.at(old).statusSince(), 0);
    EXPECT_EQ(d.at(old).statusFlags2(), 0);
    EXPECT_EQ(d.at(recent).statusSince(), 320 - 24);
    EXPECT_EQ(d.at(recent).statusFlags2(), 0x42);
}

TEST(MonthInitialization, ListsRollOver) {
    InitDoc d(kMarch);  // opening February (index 1), slot 0, calendar month 3 of 2026
    const int movedNow = d.add("Moved", "Now", kMoved);
    d.at(movedNow).setByte(PublisherRecord::kStatusFlags, 2 * 16);
    d.doc.appointments.push_back({});
    d.doc.appointments.back().setWord(0, d.at(movedNow).id());
    d.doc.appointments.back().setWord(2, kElderStart);
    const int movedBefore = d.add("Moved", "Before", kMoved);
    d.at(movedBefore).setByte(PublisherRecord::kStatusFlags, 5 * 16);
    d.report(movedBefore, 0, 9);
    const int deletedNow = d.add("Deleted", "Now", kDeleted);
    d.at(deletedNow).setByte(PublisherRecord::kStatusFlags, 2 * 16 + 2);
    const int inactiveThisSlot = d.add("Inactive", "Even", kInactive);
    d.at(inactiveThisSlot).setByte(PublisherRecord::kStatusFlags, 2 * 16);
    d.at(inactiveThisSlot).setByte(PublisherRecord::kStatusFlags2, 24);
    d.report(inactiveThisSlot, 0, 7);
    d.at(inactiveThisSlot).setMonthWord(MonthWord::CreditHours, 1, 0, 3);
    const int inactiveOtherSlot = d.add("Inactive", "Odd", kInactive);
    d.at(inactiveOtherSlot).setByte(PublisherRecord::kStatusFlags, 2 * 16);
    d.at(inactiveOtherSlot).setByte(PublisherRecord::kStatusFlags2, 25);
    d.report(inactiveOtherSlot, 0, 7);
    const std::uint16_t gone = d.at(movedNow).id();
    const std::uint16_t deletedId = d.at(deletedNow).id();
    const std::uint16_t evenId = d.at(inactiveThisSlot).id();
    const std::uint16_t oddId = d.at(inactiveOtherSlot).id();
    const std::uint16_t movedId = d.at(movedBefore).id();

    ASSERT_TRUE(d.init(kMarch).done);
    EXPECT_FALSE(d.doc.findById(gone));
    EXPECT_EQ(d.doc.appointments.front().appointmentKind(), 0);  // the save leaves it out
    auto row = [&](std::uint16_t id) { return d.at(*d.doc.findById(id)); };
    EXPECT_EQ(row(movedId).hours(1, 0), 0);
    EXPECT_EQ(row(deletedId).statusFlags(), 0);
    EXPECT_EQ(row(deletedId).statusFlags2(), 25);  // calendar month 3 is not below 2
    EXPECT_EQ(row(evenId).hours(1, 0), 0);
    EXPECT_EQ(row(evenId).monthWord(MonthWord::CreditHours, 1, 0), 0);
    EXPECT_EQ(row(oddId).hours(1, 0), 7);  // its inactive year is of the other slot
}

TEST(MonthInitialization, OverfullListsLoseTheirOldestAndTheLoopEndsWhenNobodyQualifies) {
    ReportDoc d(kMarch);
    for (int i = 0; i < 285; ++i) {
        const int r = d.add("Inactive", "P" + std::to_string(i), kInactive);
        d.at(r).setByte(PublisherRecord::kStatusFlags2, 26);  // this year: never removed
    }
    reporting::thinOutList(d.doc, kInactive);
    EXPECT_EQ(d.doc.kindLists[kInactive].size(), 285u);

    // Forty of earlier years: the oldest go first, the earlier month first within a year.
    for (int i = 0; i < 40; ++i) {
        PublisherRecord& r =
            d.at(d.doc.kindLists[kInactive][static_cast<std::size_t>(i)].recordIndex);
        r.setByte(PublisherRecord::kStatusFlags2, static_cast<std::uint8_t>(i < 20 ? 20 : 210));
        r.setByte(PublisherRecord::kStatusFlags, static_cast<std::uint8_t>((i % 12 + 1) * 16));
    }
    reporting::thinOutList(d.doc, kInactive);
    ASSERT_EQ(d.doc.kindLists[kInactive].size(), 250u);
    int left1954 = 0;
    int left2020 = 0;
    for (const IndexEntry& e : d.doc.kindLists[kInactive]) {
        const PublisherRecord& r = d.at(e.recordIndex);
        if (r.statusFlags2() == 210) ++left1954;
        if (r.statusFlags2() == 20) {
            ++left2020;
            EXPECT_GE(statusMonth(r.statusFlags()), 8);  // the latest months stayed
        }
    }
    EXPECT_EQ(left1954, 0);  // 1954 (code 210) is older than 2020
    EXPECT_EQ(left2020, 5);
}

TEST(MonthInitialization, QuarterRemainderAndAttendanceSlot) {
    InitDoc d(kMarch);
    d.doc.monthTotals.setValue(0, 0, 7, 0, 7);  // January's quarter units
    d.doc.header().setMonthWord(MonthWord::StudiesAndFlags, 1, 0, 0x3005);
    MeetingAttendance& weekend = d.doc.meetings[1];
    weekend.setValue(MeetingAttendance::Total, 1, 2, 88);
    weekend.setValue(MeetingAttendance::Total, 1, 0, 55);
    weekend.setValue(MeetingAttendance::Week1, 4, 2, 9);
    ASSERT_TRUE(d.init(kMarch).done);
    EXPECT_EQ(d.doc.monthTotals.value(0, 0, 7, 0), 4);
    EXPECT_EQ(d.doc.header().studiesAndFlags(1, 0), 0x0005);
    EXPECT_EQ(weekend.value(MeetingAttendance::Total, 1, 0), 88);
    EXPECT_EQ(weekend.value(MeetingAttendance::Week1, 4, 2), 0);
}

// ---------------------------------------------------------------- the month copy

TEST(MonthInitialization, MonthCopyIsMadeOncePerRoundAndRefreshedAYearLater) {
    // 4 January 2027: December 2026 is opened, into copy 11 (November's data).
    struct Case {
        int year;
        unsigned month, day;
        bool kept;
    };
    const Case cases[] = {
        {2026, 1, 4, false},    // last year's copy, written in the same calendar year as the report
        {2026, 11, 30, false},  // before December began
        {2026, 12, 1, true},    // this round's: a restart keeps the copy of the first opening
        {2027, 1, 3, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" +
                     std::to_string(c.day));
        InitDoc d({2027, 1, 4});
        d.folder.write(files::kPublishers,
                       test::tableFile({test::headerRow(), test::person(120, "Live", "Person")}));
        const test::FileBytes old(900, 0x33);
        d.folder.write("Roll/Zv9_11/zdat9.bin", old);
        setWriteDate(d.folder.file("Roll/Zv9_11/zdat9.bin"), c.year, c.month, c.day);
        ASSERT_TRUE(d.init({2027, 1, 4}).done);
        EXPECT_EQ(d.folder.read("Roll/Zv9_11/zdat9.bin") == old, c.kept);
    }
}

TEST(MonthInitialization, NothingChangesWhenTheCopyCannotBeWrittenOrTheLastSaveFailed) {
    InitDoc d(kMarch);
    const int p = d.add("Some", "One");
    d.report(p, 0, 10);
    d.folder.write(files::kMonthTotals, test::FileBytes(MonthTotals::kSize, 1));
    fs::create_directories(d.folder.file("Roll/Zv9_1/zcard.dat") / "inside");
    const auto before = d.doc.publishers;
    auto result = d.init(kMarch);
    EXPECT_FALSE(result.done);
    ASSERT_EQ(result.notCopied.size(), 1u);
    EXPECT_NE(result.refusal.find("zcard.dat"), std::string::npos);
    EXPECT_EQ(d.doc.publishers, before);
    EXPECT_FALSE(d.doc.isModified());
    EXPECT_EQ(d.doc.header().collectionState(1), 0);

    // A save that could not write every file: the folder holds files of two saves.
    fs::remove_all(d.folder.file("Roll"));
    fs::create_directories(d.folder.file(files::kMeetings) / "inside");
    ScriptedPrompts prompts;
    ASSERT_FALSE(d.doc.saveAll(prompts).ok);
    result = d.init(kMarch);
    EXPECT_FALSE(result.done);
    EXPECT_TRUE(result.afterFailedSave);
    EXPECT_FALSE(d.folder.exists("Roll"));
    EXPECT_EQ(d.at(p).hours(1, 0), 10);
}

TEST(MonthInitialization, TheLastAppointmentGoneLeavesNoZapptBehind) {
    TestFolder folder;
    AppointmentRecord a;
    a.setWord(0, 120);
    a.setWord(2, kElderStart);
    a.setText(AppointmentRecord::kText, "01/02/2003 elder");
    folder.write(files::kPublishers,
                 test::tableFile({test::headerRow(), test::person(120, "Live", "Person")}));
    folder.write(files::kAppointments, test::bytesOf(a));
    CZelvoDoc doc;
    ASSERT_TRUE(test::openDoc(doc, folder, kMarch).ok);
    ASSERT_EQ(doc.appointments.size(), 1u);
    doc.appointments.clear();
    doc.markModified();
    ScriptedPrompts prompts;
    ASSERT_TRUE(doc.saveAll(prompts).ok);
    CZelvoDoc again;
    ASSERT_TRUE(test::openDoc(again, folder, kMarch).ok);
    EXPECT_TRUE(again.appointments.empty());
}

}  // namespace
}  // namespace zelvo
