// The record layouts (every field at its offset) and the document's accessors over them:
// report values and sums, names, phones, ids, indexes, sorting, remarks and contact extras.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/publisher_record.h"
#include "store/side_records.h"
#include "store/zelvo_doc.h"
#include "test_folder.h"

namespace zelvo {
namespace {

using test::addPeople;
using test::person;
using test::setReport;

std::string greek(std::string_view utf8) {
    return cp1253::fromUtf8(utf8);
}

// ---------------------------------------------------------------- layouts

TEST(PublisherRecordLayout, IsTheFileRecordOf816Bytes) {
    EXPECT_EQ(sizeof(PublisherRecord), 816u);
    EXPECT_EQ(PublisherRecord{}.bytes, (std::array<Byte, 816>{}));
}

// Every byte of the record belongs to exactly one field, the two reserved words aside, so a
// mistyped offset shows as an overlap or a gap. Each field is written with 0 over a record of
// 0xFF; the bytes that change are the field's (a text's terminator included).
TEST(PublisherRecordLayout, FieldsTileTheRecord) {
    using P = PublisherRecord;
    std::array<int, sizeof(P)> owners{};
    auto own = [&](const std::function<void(P&)>& write) {
        P r;
        for (Byte& b : r.bytes) b = 0xFF;
        write(r);
        for (std::size_t i = 0; i < sizeof(P); ++i)
            if (r.bytes[i] != 0xFF) ++owners[i];
    };
    // The conductor of a student lies where a publisher's reports are, so it is left out here.
    for (const TextField f :
         {P::kFirstName, P::kLastName, P::kAddress, P::kPhoneHome, P::kPhoneMobile, P::kPhoneWork,
          P::kBaptismDate, P::kBirthDate, P::kConsentDate})
        own([f](P& r) { r.setText(f, std::string(f.width - 1, 'q')); });
    for (const std::size_t at : {P::kConsentGiven, P::kHope, P::kGroupNumber, P::kKind,
                                 P::kStatusFlags, P::kStatusFlags2, P::kPrivileges})
        own([at](P& r) { r.setByte(at, 0); });
    for (const std::size_t at :
         {P::kId, P::kExtraIndex, P::kEmergencyKey, P::kHouseholdKey, P::kSpecialNeedsKey,
          P::kStatusSince, P::kAppointmentBits, P::kMonthMarks})
        own([at](P& r) { r.setWord(at, 0); });
    for (const MonthWord a :
         {MonthWord::Placements, MonthWord::Videos, MonthWord::Hours, MonthWord::ReturnVisits,
          MonthWord::StudiesAndFlags, MonthWord::RemarkIndex, MonthWord::CreditHours})
        own([a](P& r) {
            for (int m = 0; m < 12; ++m)
                for (int s = 0; s < 3; ++s) r.setMonthWord(a, m, s, 0);
        });
    for (const MonthByte a :
         {MonthByte::PioneerKind, MonthByte::SlotYear, MonthByte::CountedInMonth})
        own([a](P& r) {
            for (int m = 0; m < 12; ++m)
                for (int s = 0; s < 3; ++s) r.setMonthByte(a, m, s, 0);
        });
    const std::set<std::size_t> reserved = {0, 1, 198, 199};
    for (std::size_t i = 0; i < sizeof(P); ++i)
        EXPECT_EQ(owners[i], reserved.count(i) ? 0 : 1) << "byte " << i;
}

TEST(PublisherRecordLayout, TextsAreCutToTheirFieldAndZeroFilled) {
    for (const TextField f : {PublisherRecord::kFirstName, PublisherRecord::kAddress,
                              PublisherRecord::kBaptismDate, PublisherRecord::kConductor}) {
        SCOPED_TRACE(f.width);
        PublisherRecord r;
        const std::string full(f.width - 1, 'q');
        r.setText(f, full + "overflow");
        EXPECT_EQ(r.text(f), full);
        r.setText(f, "ab");
        EXPECT_EQ(r.text(f), "ab");
        EXPECT_EQ(r.bytes[f.offset + 2], 0) << "zero-filled after the text";
        EXPECT_EQ(r.bytes[f.offset + f.width - 1], 0);
    }
    // The conductor of a student is kept where a publisher's reports would be.
    PublisherRecord student;
    student.setText(PublisherRecord::kConductor, "Conductor");
    EXPECT_NE(student.monthWord(MonthWord::Placements, 0, 0), 0);
}

TEST(PublisherRecordLayout, NumbersAreLittleEndianAndReadBack) {
    PublisherRecord r;
    r.setId(0xBEEF);
    r.setKind(kCircuitOverseer);
    EXPECT_EQ(r.bytes[PublisherRecord::kId], 0xEF);
    EXPECT_EQ(r.bytes[PublisherRecord::kId + 1], 0xBE);
    EXPECT_EQ(r.id(), 0xBEEF);
    EXPECT_EQ(r.kind(), kCircuitOverseer);
    // The header row reads its own meanings from the person's words.
    r.setWord(PublisherRecord::kStatusSince, 0x1234);
    r.setWord(PublisherRecord::kAppointmentBits, 0x0A0B);
    EXPECT_EQ(r.lastEnteredId(), 0x1234);
    EXPECT_EQ(r.headerMonth(), 0x0A0B);
}

TEST(PublisherRecordLayout, MonthArraysAreIndexedByMonthThenSlot) {
    const MonthWord words[] = {MonthWord::Placements,      MonthWord::Videos,
                               MonthWord::Hours,           MonthWord::ReturnVisits,
                               MonthWord::StudiesAndFlags, MonthWord::RemarkIndex,
                               MonthWord::CreditHours};
    for (int m = 0; m < 12; ++m) {
        for (int s = 0; s < 3; ++s) {
            const auto cell = static_cast<std::size_t>(m * 3 + s);
            for (const MonthWord a : words) {
                const auto base = static_cast<std::size_t>(a);
                PublisherRecord r;
                r.setMonthWord(a, m, s, 0xA1B2);
                ASSERT_EQ(r.bytes[base + 2 * cell], 0xB2) << base << " " << m << " " << s;
                ASSERT_EQ(r.bytes[base + 2 * cell + 1], 0xA1);
                ASSERT_EQ(r.monthWord(a, m, s), 0xA1B2);
            }
            PublisherRecord r;
            r.setMonthByte(MonthByte::SlotYear, m, s, 0x7E);
            ASSERT_EQ(r.bytes[static_cast<std::size_t>(MonthByte::SlotYear) + cell], 0x7E);
        }
    }
    // The last cells end exactly at the record's end.
    PublisherRecord r;
    r.setMonthByte(MonthByte::CountedInMonth, 11, 2, 9);
    EXPECT_EQ(r.bytes[815], 9);
}

TEST(PublisherRecordLayout, ServiceReportValuesOfAMonth) {
    PublisherRecord r;
    r.setMonthWord(MonthWord::Hours, 4, 1, 12);
    // 3 quarters, took part, 1023 studies
    r.setMonthWord(MonthWord::StudiesAndFlags, 4, 1, 0x3BFF);
    EXPECT_EQ(r.hours(4, 1), 12);
    EXPECT_EQ(r.quarters(4, 1), 3);
    EXPECT_EQ(r.bibleStudies(4, 1), 1023);
    EXPECT_TRUE(r.tookPart(4, 1));
    r.setMonthWord(MonthWord::StudiesAndFlags, 4, 1, 0x1405);  // bit 10 is no study
    EXPECT_EQ(r.bibleStudies(4, 1), 5);
    EXPECT_EQ(r.quarters(4, 1), 1);
    EXPECT_FALSE(r.tookPart(4, 1));
    r.setMonthByte(MonthByte::PioneerKind, 4, 1, 0xFE);  // only the low two bits count
    EXPECT_EQ(r.pioneerKind(4, 1), 2);
}

TEST(PublisherRecordLayout, HeaderRowFields) {
    PublisherRecord h;
    h.setCollectionState(0, 1);
    h.setCollectionState(11, 2);
    EXPECT_EQ(h.bytes[137], 1);
    EXPECT_EQ(h.bytes[148], 2);
    EXPECT_EQ(h.collectionState(11), 2);
    h.setMonthWord(MonthWord::RemarkIndex, 3, 1, 25);
    EXPECT_EQ(h.collectionYear(3, 1), 25);
    h.setText(PublisherRecord::kFirstName, "secret");
    EXPECT_EQ(h.password(), "secret");
}

TEST(SideRecordLayout, TotalsAndAttendanceOffsets) {
    EXPECT_EQ(sizeof(MonthTotals::bytes), 1728u);
    MonthTotals t;
    t.setValue(0, 0, 0, 1, 0x0102);
    EXPECT_EQ(t.bytes[2], 0x02);
    t.setValue(0, 0, 1, 0, 7);
    EXPECT_EQ(t.bytes[4], 7);
    t.setValue(0, 1, 0, 0, 8);
    EXPECT_EQ(t.bytes[36], 8);
    t.setValue(1, 0, 0, 0, 9);
    EXPECT_EQ(t.bytes[144], 9);
    t.setValue(11, 3, 8, 1, 0xFFEE);
    EXPECT_EQ(t.bytes[1726], 0xEE);
    EXPECT_EQ(t.bytes[1727], 0xFF);
    EXPECT_EQ(t.value(11, 3, 8, 1), 0xFFEE);

    EXPECT_EQ(sizeof(MeetingAttendance::bytes), 672u);
    MeetingAttendance a;
    a.setText(MeetingAttendance::kTitle, std::string(120, 'T'));
    EXPECT_EQ(a.bytes[95], 0);
    const MeetingAttendance::Array arrays[] = {
        MeetingAttendance::Week1, MeetingAttendance::Week2,  MeetingAttendance::Week3,
        MeetingAttendance::Week4, MeetingAttendance::Week5,  MeetingAttendance::Held,
        MeetingAttendance::Total, MeetingAttendance::Average};
    for (std::size_t i = 0; i < 8; ++i) {
        MeetingAttendance m;
        m.setValue(arrays[i], 11, 2, 0x0A0B);
        EXPECT_EQ(m.bytes[96 + i * 72 + 70], 0x0B) << i;
        m.setValue(arrays[i], 0, 0, 3);
        EXPECT_EQ(m.bytes[96 + i * 72], 3) << i;
    }
}

TEST(SideRecordLayout, SmallRecords) {
    RemarkRecord rem;
    rem.set(std::string(50, 'r'), 12, 1, 0x0456);
    EXPECT_EQ(rem.bytes[42], 'r');
    EXPECT_EQ(rem.bytes[43], 0);
    EXPECT_EQ(rem.bytes[44], 12);
    EXPECT_EQ(rem.bytes[45], 1);
    EXPECT_EQ(rem.bytes[46], 0x56);
    EXPECT_EQ(rem.bytes[47], 0x04);
    EXPECT_EQ(rem.remarkText().size(), 43u);

    ContactExtra c;
    EXPECT_EQ(sizeof(c.bytes), 192u);
    c.setPublisherId(0x0102);
    c.setText(ContactExtra::kFullName, "F");
    c.setText(ContactExtra::kEmail, "E");
    c.setText(ContactExtra::kOtherContact, "O");
    c.bytes[190] = 1;
    EXPECT_EQ(c.bytes[0], 2);
    EXPECT_EQ(c.bytes[2], 'F');
    EXPECT_EQ(c.bytes[67], 'E');
    EXPECT_EQ(c.bytes[118], 'O');
    EXPECT_EQ(c.hasText(), 1);

    EmergencyContact e;
    EXPECT_EQ(sizeof(e.bytes), 256u);
    e.setKey(0x0A0B);
    EXPECT_EQ(e.bytes[0], 0x0B);
    SpecialNeed n;
    EXPECT_EQ(sizeof(n.bytes), 96u);
    n.setKey(12);
    n.setText(SpecialNeed::kText, "wheelchair");
    EXPECT_EQ(n.bytes[2], 'w');
    EXPECT_EQ(n.needText(), "wheelchair");

    UnderHourRecord u;
    EXPECT_EQ(sizeof(u.bytes), 32u);
    u.setFlag(11, 1);
    u.setFlag(0, 0);
    EXPECT_EQ(u.bytes[2], 1);
    EXPECT_EQ(u.bytes[2 + 23], 1);
    EXPECT_TRUE(u.flag(11, 1));
    EXPECT_FALSE(u.flag(11, 0));

    DisplayConfig d;
    EXPECT_EQ(sizeof(d.bytes), 7u);
    d.bytes[0] = 1;
    d.bytes[5] = 1;
    EXPECT_TRUE(d.lastNameFirst());
    EXPECT_TRUE(d.alternativeDate());
    EXPECT_FALSE(d.birthBaptismStatistics());

    EXPECT_EQ(sizeof(ServiceGroupTable::bytes), 2141u);
    EXPECT_EQ(sizeof(OldServiceGroupTable::bytes), 1881u);
}

TEST(SideRecordLayout, ContactPresenceBitsNeedALetter) {
    ContactExtra c;
    EXPECT_EQ(c.presence(), 0);
    c.setText(ContactExtra::kOtherContact, "210 1234567");
    EXPECT_EQ(c.presence(), 0) << "digits are no letter";
    c.setText(ContactExtra::kFullName, greek("Άννα"));
    EXPECT_EQ(c.presence(), 1);
    c.setText(ContactExtra::kEmail, "x@y.gr");
    EXPECT_EQ(c.presence(), 3);
    c.setText(ContactExtra::kOtherContact, "Skype: nikos");
    EXPECT_EQ(c.presence(), 7);
    c.bytes[190] = 1;
    EXPECT_EQ(c.presence(), 15);
}

TEST(SideRecordLayout, AppointmentsWorthKeeping) {
    struct Case {
        std::uint16_t id, kind;
        const char* text;
        bool keep;
    };
    const Case cases[] = {
        {120, 3, "Elder 2020", true},
        {120, 3, "12345678", true},
        {120, 3, "1234567", false},
        {120, 3, "   1234567    ", false},
        {120, 20, "", true},
        {0, 3, "Long enough text", false},
        {120, 0, "Long enough text", false},
        {0, 20, "", false},
    };
    for (const Case& c : cases) {
        AppointmentRecord a;
        a.setWord(0, c.id);
        a.setWord(2, c.kind);
        a.setText(AppointmentRecord::kText, c.text);
        EXPECT_EQ(a.worthKeeping(), c.keep) << c.id << " " << c.kind << " '" << c.text << "'";
    }
}

// ---------------------------------------------------------------- the document

// A fresh document whose report month follows from `today` (10 March 2025: February 2025,
// month index 1, year slot 1).
class DocTest : public ::testing::Test {
protected:
    // Starts and loads the empty folder as of `today`, as the program does.
    void open(Date today) { ASSERT_TRUE(test::openDoc(doc, folder, today).ok); }
    void SetUp() override { open({2025, 3, 10}); }
    int rowOfId(int id) const {
        for (int r = 1; r < doc.recordCount(); ++r)
            if (doc.publishers[static_cast<std::size_t>(r)].id() == id) return r;
        return -1;
    }
    PublisherRecord& row(int r) { return doc.publishers[static_cast<std::size_t>(r)]; }

    test::TestFolder folder;
    CZelvoDoc doc;
};

TEST_F(DocTest, AFreshDocumentHasOnlyTheHeader) {
    EXPECT_EQ(doc.recordCount(), 1);
    EXPECT_EQ(doc.header().password(), " ");
    EXPECT_EQ(doc.header().byte(23), 'A');
    EXPECT_TRUE(doc.masterIndex.empty());
    for (const auto& list : doc.kindLists) EXPECT_TRUE(list.empty());
    for (int n : doc.kindCounts) EXPECT_EQ(n, 0);
    EXPECT_EQ(doc.remarkCount(), 1);
    EXPECT_TRUE(doc.lateReports.empty());
    EXPECT_TRUE(doc.emergencyKeys.empty());
    EXPECT_TRUE(doc.appointments.empty());
    EXPECT_EQ(doc.groups.groupCount(), 0);
    EXPECT_EQ(doc.meetingCount, 2);
    EXPECT_EQ(doc.circuitOverseerRow, 0);
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.calendar.reportMonth, 1);
    EXPECT_EQ(doc.calendar.reportYear, 25);
}

TEST_F(DocTest, ReportValueByColumn) {
    PublisherRecord p = person(120, "Nikos", "Papas");
    p.setMonthWord(MonthWord::Placements, 1, 1, 11);
    p.setMonthWord(MonthWord::Videos, 1, 1, 12);
    p.setMonthWord(MonthWord::ReturnVisits, 1, 1, 14);
    p.setMonthWord(MonthWord::CreditHours, 1, 1, 15);
    setReport(p, 1, 1, 13, 2, 5, true);
    p.setMonthWord(MonthWord::StudiesAndFlags, 1, 1,
                   static_cast<std::uint16_t>(p.studiesAndFlags(1, 1) | 0x0400));
    addPeople(doc, {p});
    EXPECT_EQ(doc.reportValue(1, 1, ReportColumn::Placements, 1), 11);
    EXPECT_EQ(doc.reportValue(1, 1, ReportColumn::Videos, 1), 12);
    EXPECT_EQ(doc.reportValue(1, 1, ReportColumn::Hours, 1), 13);
    EXPECT_EQ(doc.reportValue(1, 1, ReportColumn::ReturnVisits, 1), 14);
    EXPECT_EQ(doc.reportValue(1, 1, ReportColumn::Studies, 1), 5);
    EXPECT_EQ(doc.reportValue(1, 1, ReportColumn::Hours, 0), 0) << "the other slot";
}

TEST_F(DocTest, WhatMakesAReport) {
    PublisherRecord p = person(120, "A", "B");
    setReport(p, 0, 1, 1);                           // hours
    setReport(p, 1, 1, 0, 1);                        // a quarter hour only
    setReport(p, 2, 1, 0, 0, 0, true);               // took part only
    p.setMonthWord(MonthWord::Placements, 3, 1, 5);  // values without hours
    p.setMonthWord(MonthWord::ReturnVisits, 3, 1, 5);
    p.setMonthWord(MonthWord::CreditHours, 3, 1, 5);
    setReport(p, 3, 1, 0, 0, 4);
    addPeople(doc, {p});
    EXPECT_TRUE(doc.hasHours(1, 0, 1));
    EXPECT_TRUE(doc.hasHours(1, 1, 1));
    EXPECT_FALSE(doc.hasHours(1, 2, 1));
    EXPECT_TRUE(doc.hasReport(1, 2, 1));
    EXPECT_FALSE(doc.hasReport(1, 3, 1));
    EXPECT_FALSE(doc.hasReport(1, 0, 0));
    // The header row's hours are no report.
    doc.header().setMonthWord(MonthWord::Hours, 5, 1, 9);
    EXPECT_FALSE(doc.hasHours(0, 5, 1));
}

TEST_F(DocTest, HoursSumCarriesQuartersIntoHours) {
    PublisherRecord p = person(120, "A", "B");
    setReport(p, 1, 1, 7, 3);  // report month
    setReport(p, 0, 1, 8, 2);  // the month before
    setReport(p, 11, 0, 5, 3);
    p.setMonthWord(MonthWord::Placements, 1, 1, 4);
    p.setMonthWord(MonthWord::Placements, 0, 1, 6);
    addPeople(doc, {p});
    EXPECT_EQ(doc.sumOverMonths(1, ReportColumn::Hours, 2), 16);
    EXPECT_EQ(doc.sumOverMonthsText(1, ReportColumn::Hours, 2), "16.25");
    EXPECT_EQ(doc.sumOverMonthsText(1, ReportColumn::Hours, 1), "7.75");
    // 8 quarters carry exactly two hours.
    EXPECT_EQ(doc.sumOverMonthsText(1, ReportColumn::Hours, 3), "22");
    EXPECT_EQ(doc.hoursOverMonths(1, 2).whole, 16);
    EXPECT_EQ(doc.hoursOverMonths(1, 2).quarters, 1);
    EXPECT_EQ(doc.sumOverMonths(1, ReportColumn::Placements, 2), 10);
    EXPECT_EQ(doc.sumOverMonthsText(1, ReportColumn::Placements, 2), "10");
}

TEST_F(DocTest, DecemberIsInTheOtherSlotWhenTheReportMonthIsJanuary) {
    open({2025, 2, 10});  // report month January 2025, slot 1
    ASSERT_EQ(doc.calendar.reportMonth, 0);
    PublisherRecord p = person(120, "A", "B");
    setReport(p, 0, 1, 3);
    setReport(p, 11, 0, 5);    // December 2024
    setReport(p, 11, 1, 100);  // a stale December of 2023's slot pattern
    addPeople(doc, {p});
    EXPECT_EQ(doc.sumOverMonths(1, ReportColumn::Hours, 2), 8);
}

TEST_F(DocTest, AverageOverMonths) {
    struct Case {
        int q0, q1, q2;
        double expected;  // (10 + 2 hours + quarters/4, +1 when 3 quarters remain) / 3
    };
    const Case cases[] = {
        {0, 0, 0, 12.0 / 3}, {2, 0, 0, 12.0 / 3}, {3, 0, 0, 13.0 / 3},
        {3, 1, 0, 13.0 / 3}, {3, 2, 2, 14.0 / 3}, {3, 3, 1, 14.0 / 3},
    };
    for (const Case& c : cases) {
        doc.publishers.resize(1);
        PublisherRecord p = person(120, "A", "B");
        setReport(p, 1, 1, 10, c.q0);
        setReport(p, 0, 1, 0, c.q1);
        setReport(p, 11, 0, 2, c.q2);
        p.setMonthWord(MonthWord::Placements, 1, 1, 3);
        p.setMonthWord(MonthWord::Placements, 0, 1, 4);
        p.setMonthWord(MonthWord::Placements, 11, 0, 5);
        addPeople(doc, {p});
        EXPECT_DOUBLE_EQ(doc.averageOverMonths(1, ReportColumn::Hours, 3), c.expected)
            << c.q0 << " " << c.q1 << " " << c.q2;
        EXPECT_DOUBLE_EQ(doc.averageOverMonths(1, ReportColumn::Placements, 3), 4.0);
        EXPECT_DOUBLE_EQ(doc.averageOverMonths(1, ReportColumn::Placements, 2), 3.5);
    }
}

TEST_F(DocTest, PioneerHoursCountOnlyPioneerMonths) {
    PublisherRecord p = person(120, "A", "B");
    setReport(p, 1, 1, 30);
    p.setMonthByte(MonthByte::PioneerKind, 1, 1, 1);
    setReport(p, 0, 1, 20);  // a publisher month
    setReport(p, 11, 0, 50);
    p.setMonthByte(MonthByte::PioneerKind, 11, 0, 2);
    addPeople(doc, {p});
    EXPECT_EQ(doc.pioneerHoursOverMonths(1, 3), 80);
    EXPECT_EQ(doc.pioneerHoursOverMonthsText(1, 3), "80");
    EXPECT_EQ(doc.pioneerHoursOverMonths(1, 2), 30);
    EXPECT_EQ(doc.pioneerKindOf(1, 11, 0), 2);
    doc.header().setMonthByte(MonthByte::PioneerKind, 11, 0, 3);
    EXPECT_EQ(doc.pioneerKindOf(0, 11, 0), 0) << "the header is never a pioneer";
}

TEST_F(DocTest, DisplayNamesAndEncodedListPositions) {
    addPeople(doc, {person(120, greek("Νίκος"), greek("Παπάς")),
                    person(121, "Ina", "First", kInactive), person(122, "Ivo", "Second", kInactive),
                    person(123, "Stu", "Dent", kNonPublisher), person(124, "Mo", "Ved", kMoved)});
    EXPECT_EQ(doc.displayName(1), greek("Νίκος Παπάς"));
    EXPECT_EQ(doc.displayName(1, true), greek("Παπάς, Νίκος"));
    EXPECT_EQ(doc.displayName(0), "");
    EXPECT_EQ(doc.displayName(kInactivePosition | 1), "Ivo Second");
    EXPECT_EQ(doc.displayName(kInactivePosition | 0, true), "First, Ina");
    EXPECT_EQ(doc.displayName(kNonPublisherPosition | 0), "Stu Dent");
    EXPECT_EQ(doc.displayName(kMovedPosition | 0), "Mo Ved");
    EXPECT_EQ(doc.rowOf(kInactivePosition | 1), 3);
    EXPECT_EQ(doc.rowOf(0), std::nullopt);

    doc.displayConfig.bytes[0] = 1;
    EXPECT_EQ(doc.displayName(1), greek("Παπάς, Νίκος"));
    doc.displayConfig.bytes[0] = 0;
    doc.languageWord = "hun";
    EXPECT_EQ(doc.displayName(1, true), greek("Παπάς Νίκος"));
    EXPECT_EQ(doc.displayName(1), greek("Νίκος Παπάς"));
}

TEST_F(DocTest, PhonesByRowAndListPosition) {
    PublisherRecord a = person(120, "A", "A");
    a.setText(PublisherRecord::kPhoneMobile, "6900000001");
    PublisherRecord b = person(121, "B", "B", kInactive);
    b.setText(PublisherRecord::kPhoneHome, "2100000002");
    b.setText(PublisherRecord::kPhoneMobile, "6900000002");
    b.setText(PublisherRecord::kPhoneWork, "2100000003");
    addPeople(doc, {a, b});
    EXPECT_EQ(doc.bestPhone(1), "6900000001");
    EXPECT_EQ(doc.bestPhone(2), "2100000002");
    EXPECT_EQ(doc.phoneHome(kInactivePosition | 0), "2100000002");
    EXPECT_EQ(doc.phoneWork(kInactivePosition | 0), "2100000003");
    EXPECT_EQ(doc.phoneMobile(1), "6900000001");
}

TEST_F(DocTest, GroupsByListPosition) {
    PublisherRecord a = person(120, "A", "A", kInactive);
    a.setByte(PublisherRecord::kGroupNumber, 3);
    PublisherRecord b = person(121, "B", "B", kNonPublisher);
    b.setByte(PublisherRecord::kGroupNumber, 4);
    b.setByte(PublisherRecord::kPrivileges, 0x80);  // left out of the group lists
    addPeople(doc, {a, b});
    EXPECT_EQ(doc.groupOf(kInactivePosition | 0, true), 3);
    EXPECT_EQ(doc.groupOf(kNonPublisherPosition | 0, false), 4);
    EXPECT_EQ(doc.groupOf(kNonPublisherPosition | 0, true), 0);
}

TEST_F(DocTest, FindByIdAndNextFreeId) {
    addPeople(doc, {person(9, "A", "Nine"), person(10, "B", "Ten"), person(100, "C", "C"),
                    person(101, "D", "D"), person(103, "E", "E")});
    EXPECT_EQ(doc.findById(9), std::nullopt) << "ids up to 9 are never found";
    EXPECT_EQ(doc.findById(0), std::nullopt);
    EXPECT_EQ(doc.findById(10), 2);
    EXPECT_EQ(doc.findById(103), 5);
    EXPECT_EQ(doc.findById(102), std::nullopt);
    EXPECT_EQ(doc.nextFreeId(5), 102);
    EXPECT_EQ(doc.nextFreeId(100), 102);
    EXPECT_EQ(doc.nextFreeId(103), 104);
    EXPECT_EQ(doc.nextFreeId(250), 250);
    EXPECT_EQ(doc.householdName(10), "B Ten");
    EXPECT_EQ(doc.householdName(555), "");
}

TEST_F(DocTest, DuplicateIdsGiveTheLaterRowAFreshId) {
    addPeople(doc, {person(150, "A", "First"), person(151, "B", "Other"), person(150, "C", "Later"),
                    person(50, "D", "Low"), person(50, "E", "Low2")});
    ASSERT_FALSE(doc.isModified());
    doc.renumberDuplicateIds();
    EXPECT_EQ(row(1).id(), 150);
    EXPECT_EQ(row(2).id(), 151);
    EXPECT_EQ(row(3).id(), 152);
    EXPECT_EQ(row(4).id(), 50);
    EXPECT_EQ(row(5).id(), 100) << "a fresh id is at least 100";
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.findById(152), 3);

    // The renumbered rows in a document loaded afresh: nothing left to renumber.
    CZelvoDoc again;
    ASSERT_TRUE(test::openDoc(again, folder, {2025, 3, 10}).ok);
    addPeople(again, {row(1), row(2), row(3), row(4), row(5)});
    again.renumberDuplicateIds();
    EXPECT_FALSE(again.isModified());
}

TEST_F(DocTest, ThreeEqualIdsBecomeThreeDifferentOnes) {
    addPeople(doc, {person(150, "A", "A"), person(150, "B", "B"), person(150, "C", "C"),
                    person(151, "D", "D")});
    doc.renumberDuplicateIds();
    std::vector<int> ids;
    for (int r = 1; r < doc.recordCount(); ++r) ids.push_back(row(r).id());
    EXPECT_EQ(ids[0], 150);
    EXPECT_EQ(ids[3], 151);
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end()) << "ids are unique again";
    for (int id : ids) EXPECT_GE(id, 150);
}

TEST_F(DocTest, IdsAtTheEdgesAreRenumberedToo) {
    // Ids from 30000 up have no free id above them; ids up to 9 are never found.
    addPeople(doc, {person(65535, "A", "A"), person(65535, "B", "B"), person(0, "C", "C"),
                    person(9, "D", "D")});
    doc.renumberDuplicateIds();
    EXPECT_EQ(row(1).id(), 65535);
    for (int r = 2; r <= 4; ++r) {
        EXPECT_GE(row(r).id(), 100);
        EXPECT_EQ(doc.findById(row(r).id()), r);
    }
    EXPECT_NE(row(2).id(), row(3).id());
    EXPECT_NE(row(3).id(), row(4).id());
    EXPECT_EQ(doc.problems.size(), 3u);
}

TEST_F(DocTest, IndexesAndTheCircuitOverseer) {
    ScriptedPrompts prompts;
    doc.publishers.push_back(person(120, "A", "Pub"));
    doc.publishers.push_back(person(121, "B", "CoOne", kCircuitOverseer));
    doc.publishers.push_back(person(122, "C", "Inactive", kInactive));
    doc.publishers.push_back(person(123, "D", "Pub2"));
    doc.countAllKinds();
    doc.buildIndexes(&prompts);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(doc.circuitOverseerRow, 2);
    ASSERT_EQ(doc.masterIndex.size(), 4u);
    EXPECT_EQ(doc.masterIndex[1].recordIndex, 2);
    EXPECT_EQ(doc.masterIndex[1].kind, kCircuitOverseer);
    ASSERT_EQ(doc.kindLists[0].size(), 2u);
    EXPECT_EQ(doc.kindLists[0][0].id, 120);
    EXPECT_EQ(doc.kindLists[0][1].id, 123);
    EXPECT_EQ(doc.kindLists[1].size(), 1u);
    EXPECT_EQ(doc.kindCounts[0], 2);
    EXPECT_EQ(doc.countKind(kCircuitOverseer), 1);

    doc.publishers.push_back(person(124, "E", "CoTwo", kCircuitOverseer));
    doc.countAllKinds();
    doc.buildIndexes(&prompts);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0], res::format(res::kDuplicateOverseer, "B CoOne", "E CoTwo"));
    EXPECT_EQ(doc.circuitOverseerRow, 5) << "the later overseer row wins";
}

TEST_F(DocTest, SortingIgnoresCaseAndBlanksAndKeepsTheOverseerLast) {
    struct P {
        const char* last;
        const char* first;
        std::uint8_t kind;
        std::uint16_t id;
    };
    const P table[] = {
        {"beta", "x", 0, 101},     {"alpha", "b", 2, 102}, {"Alpha", "b", 0, 103},
        {"  gamma", "a", 0, 104},  {"Aaron", "z", 5, 105}, {"ALPHA", "b", 1, 106},
        {"Βήτα", "a", 0, 107},     {"αλφα", "a", 0, 108},  {"Papas", "Nikos", 0, 109},
        {"Papas", "Anna", 0, 110},
    };
    for (const P& p : table) doc.publishers.push_back(person(p.id, "", "", p.kind));
    for (std::size_t i = 0; i < std::size(table); ++i) {
        row(static_cast<int>(i + 1)).setText(PublisherRecord::kLastName, greek(table[i].last));
        row(static_cast<int>(i + 1)).setText(PublisherRecord::kFirstName, greek(table[i].first));
    }
    doc.sortRows();
    std::vector<int> order;
    for (int r = 1; r < doc.recordCount(); ++r) order.push_back(row(r).id());
    EXPECT_EQ(order, (std::vector<int>{102, 103, 106, 101, 104, 110, 109, 108, 107, 105}));
}

TEST_F(DocTest, FirstNameOrderSortsByFirstName) {
    doc.languageWord = "ptg";
    doc.settings.languageOption = 1;
    addPeople(doc, {person(120, "Zoe", "Adams"), person(121, "Anna", "Zorba")});
    doc.sortRows();
    EXPECT_EQ(row(1).id(), 121);
    EXPECT_EQ(row(2).id(), 120);
}

TEST_F(DocTest, RemarkPresence) {
    RemarkRecord note;
    note.set("Moved abroad", 2, 1, 120);
    RemarkRecord empty;
    empty.set("", 1, 1, 120);
    doc.remarks.push_back(note);
    doc.remarks.push_back(empty);
    PublisherRecord p = person(120, "A", "B");
    p.setMonthWord(MonthWord::RemarkIndex, 1, 1, 1);
    p.setMonthWord(MonthWord::RemarkIndex, 0, 1, 2);
    p.setMonthWord(MonthWord::RemarkIndex, 11, 0, 3);  // beyond the table
    addPeople(doc, {p});
    EXPECT_TRUE(doc.hasRemark(1, 1, 1));
    EXPECT_FALSE(doc.hasRemark(1, 0, 1));
    EXPECT_FALSE(doc.hasRemark(1, 11, 0));
    EXPECT_FALSE(doc.hasRemark(1, 5, 1));
    EXPECT_FALSE(doc.hasRemark(1, 1, 3));
    EXPECT_FALSE(doc.hasRemark(1, 1, -1));
}

TEST_F(DocTest, ContactExtraLookupsFindThePersonsOwnRecordAndChangeNothing) {
    addPeople(doc, {person(120, "A", "Anna"), person(130, "B", "Bill")});
    ContactExtra anna;
    anna.setPublisherId(120);
    anna.setText(ContactExtra::kFullName, "Anna Papa");
    anna.setText(ContactExtra::kOtherContact, "210-123");
    anna.bytes[ContactExtra::kHasText] = 1;
    const auto n = doc.writeContactExtra(anna);
    ASSERT_TRUE(n.has_value());

    row(1).setWord(PublisherRecord::kExtraIndex, static_cast<std::uint16_t>(*n));
    const auto found = doc.contactExtraOf(1);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->presence(), 1 | 8);
    EXPECT_EQ(found->fullName(), "Anna Papa");
    EXPECT_EQ(doc.emailOf(1), "");
    EXPECT_EQ(doc.emailOf(2), "");

    // Links to another person's record and beyond the records find nothing and stay: the
    // editor of the person drops them.
    row(2).setWord(PublisherRecord::kExtraIndex, static_cast<std::uint16_t>(*n));
    row(1).setWord(PublisherRecord::kExtraIndex, 40);
    EXPECT_FALSE(doc.contactExtraOf(2));
    EXPECT_FALSE(doc.contactExtraOf(1));
    EXPECT_EQ(row(2).extraIndex(), *n);
    EXPECT_EQ(row(1).extraIndex(), 40);
    EXPECT_FALSE(doc.isModified());
}

}  // namespace
}  // namespace zelvo
