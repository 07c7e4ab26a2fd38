// The publisher table as the editors change it: the sorted insert with its duplicate questions,
// a rename, removing a person, a student becoming a publisher, and the full table.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "records/publisher_table.h"
#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/publisher_record.h"
#include "store/publisher_status.h"
#include "store/side_records.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"
#include "test_folder.h"

namespace zelvo {
namespace {

using records::InsertOutcome;
using test::person;

constexpr Date kToday{2026, 12, 8};  // report month November 2026 (index 10, year 26)

std::string greek(std::string_view utf8) {
    return cp1253::fromUtf8(utf8);
}

class PublisherTable : public ::testing::Test {
protected:
    CZelvoDoc doc;
    ScriptedPrompts prompts;

    void SetUp() override {
        applyReportMonthAtStart(doc.calendar, kToday);
        deriveReportMonth(doc.calendar);
    }
    void add(std::vector<PublisherRecord> people) { test::addPeople(doc, people); }
    PublisherRecord& row(int r) { return doc.publishers[static_cast<std::size_t>(r)]; }
    std::vector<std::string> lastNames() const {
        std::vector<std::string> out;
        for (std::size_t r = 1; r < doc.publishers.size(); ++r)
            out.push_back(doc.publishers[r].lastName());
        return out;
    }
    bool sorted() const {
        return std::is_sorted(doc.publishers.begin() + 1, doc.publishers.end(),
                              [this](const PublisherRecord& a, const PublisherRecord& b) {
                                  return records::sortsBefore(doc, a, b);
                              });
    }
};

// ---------------------------------------------------------------- order

TEST_F(PublisherTable, OrderIsLastNameFirstWithCaseBreakingTiesAndTheOverseerLast) {
    const PublisherRecord co = person(900, "Aaron", "Aa", kCircuitOverseer);
    EXPECT_TRUE(records::sortsBefore(doc, person(101, "Zoe", "Zeta"), co));
    EXPECT_FALSE(records::sortsBefore(doc, co, person(101, "Zoe", "Zeta")));
    EXPECT_TRUE(records::sortsBefore(doc, person(101, "Zoe", "alfa"), person(102, "Ann", "Beta")));
    EXPECT_TRUE(records::sortsBefore(doc, person(101, "Ann", "Papas"), person(102, "Bo", "Papas")));
    // Letter case only breaks the tie of the same letters; blanks around make no difference.
    const PublisherRecord upper = person(101, greek("ΕΛΈΝΗ"), greek("ΜΑΡΊΝΗ"));
    const PublisherRecord lower = person(102, greek("ελένη  "), greek("  μαρίνη"));
    const PublisherRecord plain = person(103, greek("ελένη"), greek("μαρίνη"));
    EXPECT_TRUE(records::sortsBefore(doc, lower, upper));
    EXPECT_FALSE(records::sortsBefore(doc, upper, lower));
    EXPECT_FALSE(records::sortsBefore(doc, lower, plain));
    EXPECT_FALSE(records::sortsBefore(doc, plain, lower));
    EXPECT_TRUE(records::sortsBefore(doc, upper, person(104, greek("Άννα"), greek("Μαρκάκη"))));
}

TEST_F(PublisherTable, InsertsGiveTheOrderOfTheLoadSort) {
    std::vector<std::string> names = {"Papas", "alfa", "Omega", "beta",  "Gama",
                                      "Delta", "pi",   "Ro",    "Sigma", "Tau"};
    std::mt19937 random(7);
    std::shuffle(names.begin(), names.end(), random);
    int id = 100;
    for (const std::string& n : names) {
        const auto result =
            records::insertNew(doc, person(static_cast<std::uint16_t>(id++), "X", n), prompts);
        ASSERT_EQ(result.outcome, InsertOutcome::Inserted);
        EXPECT_EQ(row(result.row).lastName(), n);
    }
    const std::vector<std::string> inserted = lastNames();
    doc.sortRows();
    EXPECT_EQ(inserted, lastNames());
    EXPECT_TRUE(prompts.questions.empty());
}

// ---------------------------------------------------------------- adding

TEST_F(PublisherTable, FirstPersonGoesToRowOneOfAnEmptyTable) {
    const auto result = records::insertNew(doc, person(100, "Anna", "Alfa"), prompts);
    EXPECT_EQ(result.outcome, InsertOutcome::Inserted);
    EXPECT_EQ(result.row, 1);
    EXPECT_EQ(doc.recordCount(), 2);
    EXPECT_EQ(doc.kindLists[kPublisher].size(), 1u);
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(prompts.questions.empty());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(PublisherTable, NewPersonTakesItsPlaceBeforeTheOverseer) {
    add({person(101, "A", "Alfa"), person(102, "G", "Gama"),
         person(900, "A", "Aa", kCircuitOverseer)});
    auto result = records::insertNew(doc, person(103, "B", "Beta"), prompts);
    EXPECT_EQ(result.row, 2);
    result = records::insertNew(doc, person(104, "Z", "Zeta"), prompts);
    EXPECT_EQ(result.row, 4);
    EXPECT_EQ(lastNames(), (std::vector<std::string>{"Alfa", "Beta", "Gama", "Zeta", "Aa"}));
    EXPECT_EQ(doc.circuitOverseerRow, 5);
    EXPECT_EQ(doc.kindLists[kPublisher].size(), 4u);
}

TEST_F(PublisherTable, APublisherMayShareTheNameOfAStudentOrAnInactivePerson) {
    add({person(101, "Nikos", "Papas", kNonPublisher), person(102, "Eva", "Vita", kInactive)});
    EXPECT_EQ(records::insertNew(doc, person(103, "Nikos", "Papas"), prompts).outcome,
              InsertOutcome::Inserted);
    EXPECT_EQ(records::insertNew(doc, person(104, "Eva", "Vita"), prompts).outcome,
              InsertOutcome::Inserted);
    EXPECT_TRUE(prompts.questions.empty());
    EXPECT_EQ(doc.recordCount(), 5);
}

TEST_F(PublisherTable, AStudentNeverReplacesAPublisherOfTheSameName) {
    add({person(101, "Nikos", "Papas")});
    const auto result =
        records::insertNew(doc, person(2000, "Nikos", "Papas", kNonPublisher), prompts);
    EXPECT_EQ(result.outcome, InsertOutcome::Inserted);
    EXPECT_TRUE(prompts.questions.empty());
    EXPECT_EQ(doc.kindLists[kPublisher].size(), 1u);
    EXPECT_EQ(doc.kindLists[kNonPublisher].size(), 1u);
}

TEST_F(PublisherTable, NoToTheDuplicateQuestionLeavesTheTableAsItWas) {
    add({person(101, "Nikos", "Papas"), person(102, "Zoe", "Zeta")});
    const std::vector<PublisherRecord> before = doc.publishers;
    prompts.answers = {Answer::No};
    const auto result = records::insertNew(doc, person(103, "nikos ", " PAPAS"), prompts);
    EXPECT_EQ(result.outcome, InsertOutcome::Dropped);
    EXPECT_EQ(doc.publishers, before);
    EXPECT_FALSE(doc.isModified());
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(prompts.questions[0], "Nikos Papas Διπλό Όνομα.\n\nΑντικατάσταση με νέα πληροφορία");
}

TEST_F(PublisherTable, YesReplacesTheInformationAndKeepsThePersonsHistory) {
    PublisherRecord old = person(101, "Nikos", "Papas");
    old.setText(PublisherRecord::kAddress, "Old street 1");
    old.setWord(PublisherRecord::kEmergencyKey, 7);
    test::setReport(old, 9, 0, 12);
    old.setMonthByte(MonthByte::PioneerKind, 9, 0, 2);   // October: regular pioneer
    old.setMonthByte(MonthByte::PioneerKind, 10, 0, 2);  // the report month
    add({person(100, "Anna", "Alfa"), old, person(102, "Zoe", "Zeta")});

    PublisherRecord fresh = person(150, "Nikos", "Papas");
    fresh.setText(PublisherRecord::kAddress, "New street 2");
    fresh.setText(PublisherRecord::kPhoneMobile, "6900000000");
    prompts.answers = {Answer::Yes};
    const auto result = records::insertNew(doc, fresh, prompts);

    EXPECT_EQ(result.outcome, InsertOutcome::ReplacedExisting);
    EXPECT_EQ(result.row, 2);
    EXPECT_EQ(doc.recordCount(), 4);
    const PublisherRecord& r = row(2);
    EXPECT_EQ(r.address(), "New street 2");
    EXPECT_EQ(r.phoneMobile(), "6900000000");
    EXPECT_EQ(r.id(), 101) << "households, remarks and contacts point to the old id";
    EXPECT_EQ(r.emergencyKey(), 7);
    EXPECT_EQ(r.hours(9, 0), 12);
    EXPECT_EQ(r.pioneerKind(9, 0), 2);
    EXPECT_EQ(r.pioneerKind(10, 0), 2) << "no pioneer tick in the new record keeps the code";
    EXPECT_TRUE(doc.isModified());
}

// A person with every field filled in; the new record as the details dialog composes it when
// only the names and a mobile number were typed.
TEST_F(PublisherTable, YesKeepsEveryFieldTheNewRecordLeavesBlank) {
    using R = PublisherRecord;
    PublisherRecord old = person(101, "Nikos", "Papas");
    old.setText(R::kAddress, "Old street 1");
    old.setText(R::kPhoneHome, "2101111111");
    old.setText(R::kPhoneWork, "2102222222");
    old.setText(R::kBaptismDate, "05011990");
    old.setText(R::kBirthDate, "03041970");
    old.setByte(R::kConsentGiven, 1);
    old.setText(R::kConsentDate, "05252018");
    old.setByte(R::kHope, 'A');
    old.setByte(R::kGroupNumber, 3);
    old.setWord(R::kExtraIndex, 5);
    old.setWord(R::kEmergencyKey, 7);
    old.setWord(R::kHouseholdKey, 120);
    old.setWord(R::kSpecialNeedsKey, 9);
    old.setWord(R::kStatusSince, 310);
    old.setByte(R::kStatusFlags, 0x31);
    old.setByte(R::kStatusFlags2, 0x31);
    old.setWord(R::kAppointmentBits, appointment::kSpecialFullTimeServant);
    old.setWord(R::kMonthMarks, 0x0400);
    old.setByte(R::kPrivileges, privilege::kElder | privilege::kMale | privilege::kCustomCategory |
                                    privilege::kContinuousAuxiliary);
    old.setMonthByte(MonthByte::PioneerKind, 10, 0, 1);
    test::setReport(old, 10, 0, 12);
    add({old, person(102, "Zoe", "Zeta")});

    PublisherRecord fresh = person(150, "nikos", "PAPAS");
    fresh.setText(R::kPhoneMobile, "6900000000");
    fresh.setText(R::kBaptismDate, "        ");
    fresh.setText(R::kBirthDate, "        ");
    fresh.setByte(R::kHope, 'O');
    prompts.answers = {Answer::Yes};
    ASSERT_EQ(records::insertNew(doc, fresh, prompts).outcome, InsertOutcome::ReplacedExisting);

    PublisherRecord expected = old;
    expected.setText(R::kFirstName, "nikos");
    expected.setText(R::kLastName, "PAPAS");
    expected.setText(R::kPhoneMobile, "6900000000");
    EXPECT_EQ(row(1).bytes, expected.bytes);
}

TEST_F(PublisherTable, YesLetsWhatTheNewRecordSetsWin) {
    using R = PublisherRecord;
    PublisherRecord old = person(101, "Nikos", "Papas");
    old.setText(R::kAddress, "Old street 1");
    old.setByte(R::kGroupNumber, 3);
    old.setWord(R::kHouseholdKey, 120);
    old.setWord(R::kStatusSince, 310);
    old.setByte(R::kStatusFlags, 0x31);
    old.setByte(R::kStatusFlags2, 0x31);
    old.setByte(R::kPrivileges, privilege::kElder | privilege::kMale |
                                    privilege::kContinuousAuxiliary | privilege::kCustomCategory);
    old.setMonthByte(MonthByte::PioneerKind, 10, 0, 1);
    old.setMonthByte(MonthByte::PioneerKind, 9, 0, 1);
    add({old});

    PublisherRecord fresh = person(150, "Nikos", "Papas");
    fresh.setText(R::kAddress, "New street 2");
    fresh.setByte(R::kGroupNumber, 5);
    fresh.setByte(R::kStatusFlags, 10 * 16 + kMarkNew);  // new in October, since unknown
    fresh.setByte(R::kStatusFlags2, 10 * 16 + kMarkNew);
    fresh.setByte(R::kPrivileges, privilege::kFemale | privilege::kHeadOfFamily);
    fresh.setMonthByte(MonthByte::PioneerKind, 10, 0, 3);  // special pioneer
    prompts.answers = {Answer::Yes};
    ASSERT_EQ(records::insertNew(doc, fresh, prompts).outcome, InsertOutcome::ReplacedExisting);

    const PublisherRecord& r = row(1);
    EXPECT_EQ(r.address(), "New street 2");
    EXPECT_EQ(r.groupNumber(), 5);
    EXPECT_EQ(r.statusFlags(), 10 * 16 + kMarkNew);
    EXPECT_EQ(r.statusFlags2(), 10 * 16 + kMarkNew);
    EXPECT_EQ(r.statusSince(), 0) << "the status marks go together";
    EXPECT_EQ(r.privileges(),
              privilege::kFemale | privilege::kHeadOfFamily | privilege::kCustomCategory)
        << "a sister holds no privilege; the special pioneer is no continuous auxiliary";
    EXPECT_EQ(r.householdKey(), 0) << "a head belongs to no other household";
    EXPECT_EQ(r.pioneerKind(10, 0), 3);
    EXPECT_EQ(r.pioneerKind(9, 0), 1);
}

TEST_F(PublisherTable, YesForAStudentKeepsTheConductorUnlessANewOneIsNamed) {
    PublisherRecord old = person(2000, "Stu", "Dent", kNonPublisher);
    old.setText(PublisherRecord::kConductor, "Anna Alfa");
    add({old});
    PublisherRecord fresh = person(2001, "Stu", "Dent", kNonPublisher);
    fresh.setText(PublisherRecord::kAddress, "Odos 3");
    prompts.answers = {Answer::Yes, Answer::Yes};
    ASSERT_EQ(records::insertNew(doc, fresh, prompts).outcome, InsertOutcome::ReplacedExisting);
    EXPECT_EQ(row(1).conductor(), "Anna Alfa");
    EXPECT_EQ(row(1).address(), "Odos 3");

    fresh.setText(PublisherRecord::kConductor, "Bill Beta");
    ASSERT_EQ(records::insertNew(doc, fresh, prompts).outcome, InsertOutcome::ReplacedExisting);
    EXPECT_EQ(row(1).conductor(), "Bill Beta");
    EXPECT_EQ(row(1).id(), 2000);
}

TEST_F(PublisherTable, TheFullTableRefusesClearlyAndChangesNothing) {
    add({});
    for (int i = 1; i < static_cast<int>(CZelvoDoc::kMaxRows); ++i)
        doc.publishers.push_back(person(static_cast<std::uint16_t>(100 + i), "X", "Name"));
    ASSERT_EQ(doc.recordCount(), 1510);
    EXPECT_TRUE(records::tableFull(doc));
    const auto result = records::insertNew(doc, person(5000, "A", "Alfa"), prompts);
    EXPECT_EQ(result.outcome, InsertOutcome::TableFull);
    EXPECT_EQ(doc.recordCount(), 1510);
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(prompts.messages, (std::vector<std::string>{std::string(res::kTableFull)}));

    doc.publishers.pop_back();
    EXPECT_FALSE(records::tableFull(doc));
}

// ---------------------------------------------------------------- renaming

TEST_F(PublisherTable, ARenamedPersonMovesToItsPlace) {
    add({person(101, "A", "Alfa"), person(102, "B", "Beta"), person(103, "G", "Gama"),
         person(900, "C", "Aa", kCircuitOverseer)});
    row(1).setText(PublisherRecord::kLastName, "Omega");
    EXPECT_EQ(records::resortRenamed(doc, 1, prompts), 3);
    EXPECT_EQ(lastNames(), (std::vector<std::string>{"Beta", "Gama", "Omega", "Aa"}));
    EXPECT_EQ(doc.kindLists[kPublisher][2].id, 101);

    row(3).setText(PublisherRecord::kLastName, "Abc");
    EXPECT_EQ(records::resortRenamed(doc, 3, prompts), 1);
    EXPECT_EQ(lastNames(), (std::vector<std::string>{"Abc", "Beta", "Gama", "Aa"}));
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(doc.isModified());
}

TEST_F(PublisherTable, ARenameToAnExistingNameIsOnlyToldAndStaysSorted) {
    add({person(101, "A", "Alfa"), person(102, "N", "Papas"), person(103, "Z", "Zeta")});
    row(1).setText(PublisherRecord::kFirstName, "N");
    row(1).setText(PublisherRecord::kLastName, "Papas");
    const int now = records::resortRenamed(doc, 1, prompts);
    EXPECT_TRUE(prompts.questions.empty());
    EXPECT_EQ(prompts.messages, (std::vector<std::string>{"N Papas Διπλό Όνομα.\n\n"}));
    EXPECT_EQ(row(now).id(), 101);
    EXPECT_EQ(row(now).lastName(), "Papas");
    EXPECT_EQ(doc.recordCount(), 4);
    EXPECT_TRUE(sorted());
}

TEST_F(PublisherTable, AnOutOfOrderTableIsPutInOrderByTheInsert) {
    // Sorted first name first, then the form changed back to last name first.
    add({person(101, "Anna", "Zeta"), person(102, "Bob", "Alfa")});
    const auto result = records::insertNew(doc, person(103, "Carl", "Mu"), prompts);
    EXPECT_EQ(lastNames(), (std::vector<std::string>{"Alfa", "Mu", "Zeta"}));
    EXPECT_EQ(row(result.row).id(), 103);
}

// ---------------------------------------------------------------- removing

TEST_F(PublisherTable, DeletingClearsLinksRemarksAndAppointments) {
    PublisherRecord head = person(101, "H", "Head");
    PublisherRecord member = person(102, "M", "Member");
    member.setWord(PublisherRecord::kHouseholdKey, 101);
    PublisherRecord other = person(103, "O", "Other");
    other.setWord(PublisherRecord::kHouseholdKey, 104);
    add({head, member, other, person(104, "Z", "Zeta")});
    RemarkRecord mine, theirs;
    mine.set("sick", 11, 0, 101);
    theirs.set("away", 11, 0, 103);
    doc.remarks.push_back(mine);
    doc.remarks.push_back(theirs);
    AppointmentRecord elder, consent, kept;
    elder.setWord(0, 101);
    elder.setWord(2, 2);
    consent.setWord(0, 101);
    consent.setWord(2, 20);
    kept.setWord(0, 103);
    kept.setWord(2, 1);
    doc.appointments = {elder, consent, kept};
    // The header row uses that word for its own data.
    doc.header().setWord(PublisherRecord::kHouseholdKey, 101);

    records::deletePerson(doc, 1);
    EXPECT_EQ(doc.header().householdKey(), 101);

    EXPECT_EQ(lastNames(), (std::vector<std::string>{"Member", "Other", "Zeta"}));
    EXPECT_EQ(row(1).householdKey(), 0);
    EXPECT_EQ(row(2).householdKey(), 104);
    EXPECT_EQ(doc.remarks[1].remarkText(), "");
    EXPECT_EQ(doc.remarks[2].remarkText(), "away");
    EXPECT_EQ(doc.appointments[0].appointmentKind(), 0);
    EXPECT_EQ(doc.appointments[1].appointmentKind(), 0);
    EXPECT_EQ(doc.appointments[2].publisherId(), 103);
    EXPECT_EQ(doc.kindLists[kPublisher].size(), 3u);
    EXPECT_FALSE(doc.findById(101));
    EXPECT_TRUE(doc.isModified());
}

TEST(PublisherTableFiles, ADeletedPersonsRemarksAndAppointmentsStayGoneAfterSaving) {
    test::TestFolder folder;
    {
        CZelvoDoc doc;
        ASSERT_TRUE(test::openDoc(doc, folder, kToday).ok);
        test::addPeople(doc, {person(101, "A", "Alfa"), person(102, "B", "Beta")});
        RemarkRecord remark;
        remark.set("remark of Alfa", 11, 0, 101);
        doc.remarks.push_back(remark);
        AppointmentRecord a;
        a.setWord(0, 101);
        a.setWord(2, 2);
        a.setText(AppointmentRecord::kText, "01012020");
        doc.appointments.push_back(a);
        ScriptedPrompts prompts;
        ASSERT_TRUE(doc.saveAll(prompts).ok);
    }
    {
        CZelvoDoc doc;
        ASSERT_TRUE(test::openDoc(doc, folder, kToday).ok);
        ASSERT_EQ(doc.remarks.size(), 2u);
        ASSERT_EQ(doc.appointments.size(), 1u);
        records::deletePerson(doc, 1);
        ScriptedPrompts prompts;
        ASSERT_TRUE(doc.saveAll(prompts).ok);
    }
    CZelvoDoc doc;
    ASSERT_TRUE(test::openDoc(doc, folder, kToday).ok);
    EXPECT_EQ(doc.recordCount(), 2);
    for (std::size_t i = 1; i < doc.remarks.size(); ++i)
        EXPECT_NE(doc.remarks[i].publisherId(), 101);
    for (const AppointmentRecord& a : doc.appointments) EXPECT_NE(a.publisherId(), 101);
}

// ---------------------------------------------------------------- student to publisher

TEST_F(PublisherTable, AStudentBecomesANewPublisher) {
    PublisherRecord student = person(2000, "Stu", "Dent", kNonPublisher);
    student.setText(PublisherRecord::kConductor, "Conductor Name");
    student.setMonthByte(MonthByte::PioneerKind, 3, 1, 1);
    add({student});

    records::studentBecomesPublisher(doc, 1, 10);  // October, before the report month
    const PublisherRecord& r = row(1);
    EXPECT_EQ(r.kind(), kPublisher);
    EXPECT_EQ(r.statusFlags(), 10 * 16 + kMarkNew);
    EXPECT_EQ(r.statusFlags2(), r.statusFlags());
    EXPECT_EQ(r.statusSince(), absoluteMonth(26, 9));
    EXPECT_EQ(r.conductor(), "");
    for (int m = 0; m < 12; ++m)
        for (int s = 0; s < 3; ++s) {
            EXPECT_EQ(r.monthWord(MonthWord::Placements, m, s), 0);
            EXPECT_EQ(r.pioneerKind(m, s), 0);
        }
    EXPECT_EQ(doc.kindLists[kPublisher].size(), 1u);
    EXPECT_TRUE(doc.kindLists[kNonPublisher].empty());
    EXPECT_TRUE(doc.isModified());
}

TEST_F(PublisherTable, AMonthAfterTheReportMonthIsOfTheYearBefore) {
    add({person(2000, "A", "One", kNonPublisher), person(2001, "B", "Two", kNonPublisher)});
    records::studentBecomesPublisher(doc, 1, 12);  // December: 2025
    records::studentBecomesPublisher(doc, 2, 11);  // November, the report month: 2026
    EXPECT_EQ(row(1).statusSince(), absoluteMonth(25, 11));
    EXPECT_EQ(row(2).statusSince(), absoluteMonth(26, 10));
}

TEST_F(PublisherTable, OnlyAStudentBecomesAPublisher) {
    PublisherRecord p = person(101, "A", "Alfa");
    test::setReport(p, 10, 0, 9);
    add({p});
    const std::vector<PublisherRecord> before = doc.publishers;
    records::studentBecomesPublisher(doc, 1, 5);
    records::studentBecomesPublisher(doc, 2, 5);
    EXPECT_EQ(doc.publishers, before);
    EXPECT_FALSE(doc.isModified());
}

}  // namespace
}  // namespace zelvo
