// A data folder of the previous program generation (zdat7.bin and its companions) loads as
// converted data and is saved in today's files.
#include <gtest/gtest.h>

#include <memory>

#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/data_files.h"
#include "store/legacy_conversion.h"
#include "store/text_form.h"
#include "store/zelvo_doc.h"
#include "test_folder.h"

namespace zelvo {
namespace {

using test::FileBytes;
using test::TestFolder;
namespace fs = std::filesystem;

// 10 March 2025: calendar month March (index 2), year code 25; report month February 2025.
constexpr Date kToday{2025, 3, 10};

// One 336-byte row of zdat7.bin and its companions, built field by field.
struct OldRow {
    std::array<Byte, 336> b{};

    void text(std::size_t offset, std::size_t width, std::string_view t) {
        writeText(b.data() + offset, width, t);
    }
    void word(std::size_t offset, std::uint16_t v) { writeU16(b.data() + offset, v); }
    void month(int m, int placements, int videos, int hours, int returnVisits, int studies,
               int quarters, int credit) {
        const auto i = static_cast<std::size_t>(m);
        b[216 + i] = static_cast<Byte>(placements & 0xFF);
        b[228 + i] = static_cast<Byte>(videos & 0xFF);
        b[240 + i] = static_cast<Byte>(hours);
        b[252 + i] = static_cast<Byte>(returnVisits & 0xFF);
        b[264 + i] = static_cast<Byte>(studies & 0x3F);
        b[276 + i] = static_cast<Byte>(((returnVisits >> 8) & 0x03) << 6);
        b[288 + i] = static_cast<Byte>((((placements >> 8) & 0x0F) << 4) | ((videos >> 8) & 0x0F));
        b[300 + i] = static_cast<Byte>(quarters & 0x03);
        b[324 + i] = static_cast<Byte>(credit);
    }
    // The texts in their shifted file form, as the old program kept them.
    OldRow& scrambled() {
        shiftToFile(b.data() + 2, 21, kNameShift);
        shiftToFile(b.data() + 23, 21, kNameShift);
        shiftToFile(b.data() + 44, 61, kAddressShift);
        for (std::size_t o : {105u, 120u, 135u}) shiftToFile(b.data() + o, 15, kPlainShift);
        for (std::size_t o : {150u, 159u}) shiftToFile(b.data() + o, 9, kPlainShift);
        return *this;
    }
};

FileBytes rowsFile(std::vector<OldRow> rows) {
    FileBytes out;
    for (const OldRow& r : rows) out.insert(out.end(), r.b.begin(), r.b.end());
    return out;
}

// Year codes of the old header, by month index.
constexpr std::uint8_t kYearCodes[12] = {25, 25, 25, 25, 24, 24, 24, 24, 24, 23, 22, 24};

OldRow oldHeader(std::uint8_t februaryCode = 25) {
    OldRow h;
    h.text(2, 21, " ");
    h.text(23, 21, "A");
    for (std::size_t m = 0; m < 12; ++m) h.b[202 + m] = kYearCodes[m];
    h.b[203] = februaryCode;
    return h.scrambled();
}

OldRow oldPerson(std::uint16_t id, std::string_view first, std::string_view last) {
    OldRow r;
    r.text(2, 21, first);
    r.text(23, 21, last);
    r.word(182, id);
    return r;
}

OldRow anna() {
    OldRow r = oldPerson(120, "Anna", cp1253::fromUtf8("Αλφα"));
    r.text(44, 61, cp1253::fromUtf8("Οδός Μακεδονίας 12"));
    r.text(105, 15, "2101234567");
    r.text(120, 15, "6971234567");
    r.text(135, 15, "2107654321");
    r.text(150, 9, "01/02/99");
    r.text(159, 9, "03/04/80");
    r.text(168, 9, "05/06/18");
    r.b[177] = 1;
    r.b[178] = 'A';
    r.b[179] = 2;
    r.word(192, 290);
    r.word(194, 0x0080);
    r.word(196, 0x0003);
    r.b[200] = kPublisher;
    r.b[201] = 0x21;
    r.b[202] = 0x05;  // January: auxiliary pioneer (low two bits)
    r.b[214] = 0x21;
    r.b[215] = 0x20;
    r.month(0, 0x234, 0x105, 45, 0x2C8, 37, 3, 15);  // January 2025
    r.month(1, 1, 0, 10, 0, 0, 0, 0);                // February 2025, the report month
    r.month(2, 0, 0, 7, 0, 0, 0, 0);                 // March (code 25, not later than today)
    r.month(3, 0, 0, 33, 0, 0, 0, 0);                // April 2025: not yet, dropped
    r.month(9, 0, 0, 9, 0, 0, 0, 0);                 // October, code 23
    r.month(10, 0, 0, 44, 0, 0, 0, 0);               // November, code 22: too old
    r.month(11, 0, 0, 20, 0, 0, 0, 0);               // December 2024
    return r.scrambled();
}

FileBytes oldRemarks() {
    FileBytes out(40, 0);  // an empty first record
    auto add = [&](std::string_view text, int monthPlusOne, int id) {
        FileBytes r(40, 0);
        writeText(r.data(), 36, text);
        r[36] = static_cast<Byte>(monthPlusOne);
        writeU16(r.data() + 38, static_cast<std::uint16_t>(id));
        out.insert(out.end(), r.begin(), r.end());
    };
    add("January note", 1, 120);
    add("February note", 2, 120);
    add("", 3, 120);
    return out;
}

FileBytes oldTotals(int month, int category, int value, std::uint16_t v) {
    FileBytes out(864, 0);
    writeU16(out.data() + (month * 36 + category * 9 + value) * 2, v);
    return out;
}

FileBytes oldMeetings() {
    FileBytes out(3 * 224, 0);
    writeText(out.data(), 32, "Midweek");
    writeU16(out.data() + 32 + 6 * 24 + 1 * 2, 250);  // total, February
    writeText(out.data() + 224, 32, "Weekend");
    writeU16(out.data() + 224 + 32 + 5 * 24 + 11 * 2, 4);  // meetings held, December
    writeU16(out.data() + 448 + 32, 999);                  // a third record is not used
    return out;
}

FileBytes oldGroups() {
    OldServiceGroupTable t;
    t.bytes[0] = 2;
    writeText(t.bytes.data() + OldServiceGroupTable::kOverseer, 24, "Over One");
    writeText(t.bytes.data() + OldServiceGroupTable::kAssistant + 24, 24, "Assist Two");
    writeText(t.bytes.data() + OldServiceGroupTable::kPlace, 24, cp1253::fromUtf8("Αίθουσα"));
    writeText(t.bytes.data() + OldServiceGroupTable::kShortName, 12, "SN");
    writeText(t.bytes.data() + OldServiceGroupTable::kTime + 9, 9, "19:30");
    t.bytes[OldServiceGroupTable::kMeetingDay + 1] = 3;
    for (int g = 0; g < 2; ++g) {
        const auto n = static_cast<std::size_t>(g);
        for (std::size_t base : {OldServiceGroupTable::kOverseer, OldServiceGroupTable::kAssistant,
                                 OldServiceGroupTable::kPlace})
            xorGroupText(t.bytes.data() + base + n * 24, 24);
        xorGroupText(t.bytes.data() + OldServiceGroupTable::kShortName + n * 12, 12);
        xorGroupText(t.bytes.data() + OldServiceGroupTable::kTime + n * 9, 9);
    }
    return test::bytesOf(t);
}

void writeOldFolder(const TestFolder& f, std::uint8_t februaryCode = 25) {
    f.write(files::kOldPublishers,
            rowsFile({oldHeader(februaryCode), anna(), oldPerson(121, "Bob", "Beta").scrambled()}));
    OldRow inactive = oldPerson(130, "Ina", "Inactive").scrambled();
    f.write(files::kOldInactive,
            rowsFile({inactive, oldPerson(131, "Ivo", "Inactive2").scrambled()}));
    f.write(files::kOldMoved, rowsFile({oldPerson(140, "Mo", "Moved").scrambled()}));
    f.write(files::kOldNonPublishers, rowsFile({oldPerson(150, "Stu", "Student").scrambled()}));
    f.write(files::kOldDeleted, rowsFile({oldPerson(160, "Del", "Deleted").scrambled()}));
    f.write(files::kOldRemarks, oldRemarks());
    f.write(files::kOldTotals, oldTotals(0, 2, 2, 77));
    f.write(files::kOldPreviousYearTotals, oldTotals(0, 0, 0, 9));
    FileBytes late(4, 0);
    writeU16(late.data(), 120);
    late[2] = 0;
    late[3] = 2;
    f.write(files::kOldLateReports, late);
    f.write(files::kOldMeetings, oldMeetings());
    f.write(files::kGroups, oldGroups());
}

class LegacyConversionTest : public ::testing::Test {
protected:
    std::unique_ptr<CZelvoDoc> load(LoadMode mode = LoadMode::Live,
                                    const TestFolder* where = nullptr) {
        auto doc = std::make_unique<CZelvoDoc>();
        ScriptedPrompts prompts;
        doc->startUp((where ? *where : folder).str(), kToday, mode);
        lastLoad = doc->load(prompts, mode);
        return doc;
    }
    static const PublisherRecord* byId(const CZelvoDoc& doc, int id) {
        for (const PublisherRecord& r : doc.publishers)
            if (r.id() == id && &r != &doc.publishers[0]) return &r;
        return nullptr;
    }

    TestFolder folder;
    LoadResult lastLoad;
};

TEST_F(LegacyConversionTest, RowsAreConvertedFieldByField) {
    writeOldFolder(folder);
    auto doc = load();
    ASSERT_TRUE(lastLoad.ok);
    EXPECT_TRUE(doc->isModified());
    EXPECT_EQ(doc->header().password(), " ");
    EXPECT_EQ(doc->header().byte(23), 'A');
    const PublisherRecord* a = byId(*doc, 120);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->firstName(), "Anna");
    EXPECT_EQ(a->lastName(), cp1253::fromUtf8("Αλφα"));
    EXPECT_EQ(a->address(), cp1253::fromUtf8("Οδός Μακεδονίας 12"));
    EXPECT_EQ(a->phoneHome(), "2101234567");
    EXPECT_EQ(a->phoneMobile(), "6971234567");
    EXPECT_EQ(a->phoneWork(), "2107654321");
    EXPECT_EQ(a->baptismDate(), "01/02/99");
    EXPECT_EQ(a->birthDate(), "03/04/80");
    EXPECT_EQ(a->consentDate(), "05/06/18");
    EXPECT_EQ(a->consentGiven(), 1);
    EXPECT_EQ(a->hope(), 'A');
    EXPECT_EQ(a->groupNumber(), 2);
    EXPECT_EQ(a->statusSince(), 290);
    EXPECT_EQ(a->appointmentBits(), 0x0080);
    EXPECT_EQ(a->monthMarks(), 0x0003);
    EXPECT_EQ(a->kind(), kPublisher);
    EXPECT_EQ(a->statusFlags(), 0x21);
    EXPECT_EQ(a->statusFlags2(), 0x21);
    EXPECT_EQ(a->privileges(), 0x20);

    // January 2025 (slot 1) with every value's high bits.
    EXPECT_EQ(a->monthWord(MonthWord::Placements, 0, 1), 0x234);
    EXPECT_EQ(a->monthWord(MonthWord::Videos, 0, 1), 0x105);
    EXPECT_EQ(a->hours(0, 1), 45);
    EXPECT_EQ(a->monthWord(MonthWord::ReturnVisits, 0, 1), 0x2C8);
    EXPECT_EQ(a->bibleStudies(0, 1), 37);
    EXPECT_EQ(a->quarters(0, 1), 3);
    EXPECT_FALSE(a->tookPart(0, 1));
    EXPECT_EQ(a->monthWord(MonthWord::CreditHours, 0, 1), 15);
    EXPECT_EQ(a->pioneerKind(0, 1), 1);
    EXPECT_EQ(a->monthWord(MonthWord::Placements, 1, 1), 1);
}

TEST_F(LegacyConversionTest, OnlyMonthsOfTheLastYearCodesAreCarriedIntoTheirSlots) {
    writeOldFolder(folder);
    auto doc = load();
    const PublisherRecord* a = byId(*doc, 120);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->hours(1, 1), 10) << "February, the report month";
    EXPECT_EQ(a->hours(2, 0), 7) << "a month after the report month goes to the other slot";
    EXPECT_EQ(a->hours(11, 0), 20) << "December 2024";
    EXPECT_EQ(a->hours(9, 0), 9) << "code 23 is still converted";
    EXPECT_EQ(a->hours(3, 0) + a->hours(3, 1), 0) << "April 2025 lies in the future";
    EXPECT_EQ(a->hours(10, 0) + a->hours(10, 1), 0) << "code 22 is too old";
    for (int m = 0; m < 12; ++m) EXPECT_EQ(a->hours(m, 2), 0) << "slot 2 stays zero";
}

TEST_F(LegacyConversionTest, CompanionFilesAreAppendedAndConverted) {
    writeOldFolder(folder);
    auto doc = load();
    EXPECT_EQ(doc->kindCounts, (std::array<int, 5>{2, 2, 1, 1, 1}));
    EXPECT_EQ(doc->recordCount(), 1 + 2 + 2 + 1 + 1 + 1);
    ASSERT_NE(byId(*doc, 131), nullptr);
    EXPECT_EQ(byId(*doc, 131)->kind(), kInactive);
    EXPECT_EQ(byId(*doc, 131)->lastName(), "Inactive2");
    EXPECT_EQ(byId(*doc, 140)->kind(), kMoved);
    EXPECT_EQ(byId(*doc, 150)->kind(), kNonPublisher);
    EXPECT_EQ(byId(*doc, 160)->kind(), kDeleted);

    // Remarks of this year.
    const PublisherRecord* a = byId(*doc, 120);
    const auto remarkAt = [&](int m, int s) {
        const auto i = a->monthWord(MonthWord::RemarkIndex, m, s);
        return i ? doc->remarks[i].remarkText() : std::string();
    };
    EXPECT_EQ(remarkAt(0, 1), "January note");
    EXPECT_EQ(remarkAt(1, 1), "February note");
    EXPECT_EQ(doc->remarkCount(), 3);

    // Totals: this year's into each month's slot, last year's into the other.
    EXPECT_EQ(doc->monthTotals.value(0, 2, 2, 1), 77);
    EXPECT_EQ(doc->monthTotals.value(0, 0, 0, 0), 9);

    // The late report and the list built from it.
    EXPECT_EQ(a->monthByte(MonthByte::CountedInMonth, 0, 1), 2);
    ASSERT_EQ(doc->lateReports.size(), 1u);
    EXPECT_EQ(doc->lateReports[0].publisherId, 120);
    EXPECT_EQ(doc->lateReports[0].month, 0);

    // Meetings: the first two records, spread over the months before the report month.
    EXPECT_EQ(doc->meetings[0].value(MeetingAttendance::Total, 1, 1), 250);
    EXPECT_EQ(doc->meetings[1].value(MeetingAttendance::Held, 11, 0), 4);
    EXPECT_EQ(doc->meetings[0].text(MeetingAttendance::kTitle),
              cp1253::fromUtf8(res::kMidweekMeeting));
    EXPECT_EQ(folder.size(files::kMeetings), 2u * 672) << "written by the conversion";

    // The old group table.
    EXPECT_EQ(doc->groups.groupCount(), 2);
    EXPECT_EQ(doc->groups.text(ServiceGroupTable::overseerField(1)), "Over One");
    EXPECT_EQ(doc->groups.text(ServiceGroupTable::assistantField(2)), "Assist Two");
    EXPECT_EQ(doc->groups.text(ServiceGroupTable::placeField(1)), cp1253::fromUtf8("Αίθουσα"));
    EXPECT_EQ(doc->groups.text(ServiceGroupTable::timeField(2)), "19:30");
    EXPECT_EQ(doc->groups.meetingDay(2), 3);
    EXPECT_EQ(doc->groups.text(ServiceGroupTable::labelNameField(1)), "");
    EXPECT_EQ(doc->groups.useLabel(1), 0);

    // The report month's collection was opened this year.
    EXPECT_EQ(doc->header().collectionState(1), 1);
}

TEST_F(LegacyConversionTest, AReportMonthOfAnotherYearIsClosedAndLosesItsRemark) {
    writeOldFolder(folder, 24);
    auto doc = load();
    EXPECT_EQ(doc->header().collectionState(1), 2);
    const PublisherRecord* a = byId(*doc, 120);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->monthWord(MonthWord::RemarkIndex, 1, 1), 0);
    EXPECT_NE(a->monthWord(MonthWord::RemarkIndex, 0, 1), 0);
}

TEST_F(LegacyConversionTest, SavedAsTodaysFiles) {
    writeOldFolder(folder);
    auto doc = load();
    ScriptedPrompts prompts;
    ASSERT_TRUE(doc->saveAll(prompts).ok);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(folder.size(files::kPublishers), 816u * doc->recordCount());
    EXPECT_EQ(folder.size(files::kGroups), 2141u);
    EXPECT_EQ(folder.size(files::kMonthTotals), 1728u);
    EXPECT_EQ(folder.size(files::kRemarks), 3u * 48);

    auto again = load();
    ASSERT_TRUE(lastLoad.ok);
    EXPECT_FALSE(again->isModified()) << "today's files need no conversion";
    ASSERT_EQ(again->recordCount(), doc->recordCount());
    for (std::size_t i = 0; i < doc->publishers.size(); ++i)
        EXPECT_EQ(again->publishers[i].bytes, doc->publishers[i].bytes) << "row " << i;
    EXPECT_EQ(again->groups.bytes, doc->groups.bytes);
    EXPECT_EQ(again->monthTotals.bytes, doc->monthTotals.bytes);
    EXPECT_EQ(again->meetings[0].bytes, doc->meetings[0].bytes);
}

TEST_F(LegacyConversionTest, ATableOf400BytesGivesWayToTheOldTable) {
    writeOldFolder(folder);
    folder.write(files::kPublishers, FileBytes(400, 0));
    auto doc = load();
    EXPECT_TRUE(doc->isModified());
    EXPECT_NE(byId(*doc, 120), nullptr);

    folder.write(files::kPublishers,
                 test::tableFile({test::headerRow(), test::person(999, "New", "Table")}));
    folder.write(files::kGroups, FileBytes{});
    doc = load();
    EXPECT_FALSE(doc->isModified());
    EXPECT_EQ(doc->recordCount(), 2);
    EXPECT_NE(byId(*doc, 999), nullptr);
}

TEST_F(LegacyConversionTest, ReadOnlyConversionWritesNothingAndMatchesALiveOne) {
    writeOldFolder(folder);
    const auto before = folder.snapshot();
    auto readOnly = load(LoadMode::ReadOnly);
    ASSERT_TRUE(lastLoad.ok);
    EXPECT_EQ(folder.snapshot(), before);

    TestFolder liveFolder;
    writeOldFolder(liveFolder);
    auto live = load(LoadMode::Live, &liveFolder);
    ASSERT_EQ(readOnly->recordCount(), live->recordCount());
    for (std::size_t i = 0; i < live->publishers.size(); ++i)
        EXPECT_EQ(readOnly->publishers[i].bytes, live->publishers[i].bytes) << "row " << i;
    ASSERT_EQ(readOnly->remarkCount(), live->remarkCount());
    for (std::size_t i = 0; i < live->remarks.size(); ++i)
        EXPECT_EQ(readOnly->remarks[i].bytes, live->remarks[i].bytes);
    EXPECT_EQ(readOnly->meetings[0].bytes, live->meetings[0].bytes);
    EXPECT_EQ(readOnly->meetings[1].bytes, live->meetings[1].bytes);
    EXPECT_EQ(readOnly->groups.bytes, live->groups.bytes);
    EXPECT_EQ(readOnly->monthTotals.bytes, live->monthTotals.bytes);
    EXPECT_EQ(readOnly->isModified(), live->isModified());
}

TEST_F(LegacyConversionTest, OldKindFilesHoldAtMost300Rows) {
    writeOldFolder(folder);
    std::vector<OldRow> many;
    for (int i = 0; i < 320; ++i)
        many.push_back(oldPerson(static_cast<std::uint16_t>(1000 + i), "I", "N" + std::to_string(i))
                           .scrambled());
    folder.write(files::kOldInactive, rowsFile(many));
    auto doc = load(LoadMode::ReadOnly);
    ASSERT_TRUE(lastLoad.ok);
    EXPECT_EQ(doc->kindCounts[kInactive], 300);
}

}  // namespace
}  // namespace zelvo
