// The moves between the active, inactive, moved and deleted lists: the fields each writes (and
// only those), the 'I' marker of a move while inactive, and the refusals at the list limits.
#include <gtest/gtest.h>

#include <string>

#include "records/person_transitions.h"
#include "records/reactivation.h"
#include "store/publisher_status.h"
#include "store/side_records.h"
#include "store/zelvo_doc.h"
#include "test_folder.h"

namespace zelvo::records {
namespace {

constexpr std::uint16_t kHeadId = 101;
constexpr std::uint16_t kPersonId = 102;

AppointmentRecord appointmentOf(std::uint16_t id, std::uint16_t kind) {
    AppointmentRecord a;
    a.setWord(0, id);
    a.setWord(2, kind);
    a.setText(AppointmentRecord::kText, "03012020");
    return a;
}

// Report month March 2024. Row 1 heads a household; row 2 (the person moved about) belongs to
// it, row 3 belongs to row 2's household.
class Transitions : public ::testing::Test {
protected:
    CZelvoDoc doc;
    const int row = 2;

    void SetUp() override {
        applyReportMonthAtStart(doc.calendar, {2024, 4, 3});
        deriveReportMonth(doc.calendar);
        doc.publishers.push_back(test::person(kHeadId, "Anna", "Alfa"));
        PublisherRecord p = test::person(kPersonId, "Vasso", "Vita");
        p.setByte(PublisherRecord::kStatusFlags, 0x52);
        p.setByte(PublisherRecord::kStatusFlags2, 0x52);
        p.setWord(PublisherRecord::kStatusSince, 290);
        p.setByte(PublisherRecord::kPrivileges, 0xFF);
        p.setWord(PublisherRecord::kHouseholdKey, kHeadId);
        p.setWord(PublisherRecord::kExtraIndex, 4);
        p.setByte(PublisherRecord::kGroupNumber, 3);
        test::setReport(p, 1, 0, 12);
        doc.publishers.push_back(p);
        PublisherRecord member = test::person(103, "Gogo", "Gama");
        member.setWord(PublisherRecord::kHouseholdKey, kPersonId);
        doc.publishers.push_back(member);
        doc.appointments = {appointmentOf(kPersonId, 1), appointmentOf(kHeadId, 1),
                            appointmentOf(kPersonId, 20)};
        doc.countAllKinds();
        doc.buildIndexes();
    }

    PublisherRecord& at(int r) { return doc.publishers[static_cast<std::size_t>(r)]; }
    bool listed(int kind, int r) const {
        for (const IndexEntry& e : doc.kindLists[static_cast<std::size_t>(kind)])
            if (e.recordIndex == r) return true;
        return false;
    }
    // `count` more people of `kind`.
    void fill(int kind, int count) {
        for (int i = 0; i < count; ++i)
            doc.publishers.push_back(
                test::person(static_cast<std::uint16_t>(1000 + doc.recordCount()), "X", "Zeta",
                             static_cast<std::uint8_t>(kind)));
        doc.countAllKinds();
        doc.buildIndexes();
    }
};

TEST(InactiveYearCode, BothWaysAtTheEdgesOfTheTwoRanges) {
    for (const auto& [year, code] :
         {std::pair{2000, 0}, {2024, 24}, {2200, 200}, {1945, 201}, {1999, 255}}) {
        EXPECT_EQ(int{inactiveYearCode(year)}, code) << year;
        EXPECT_EQ(inactiveYear(code), year) << code;
    }
    EXPECT_EQ(int{inactiveYearCode(1900)}, 201) << "clamped to the first year held";
    EXPECT_EQ(int{inactiveYearCode(2300)}, 200);
}

TEST_F(Transitions, MoveToInactiveWritesTheMonthTheYearCodeAndDropsTwoFlags) {
    ASSERT_FALSE(canMoveToInactive(doc, row));
    PublisherRecord expected = at(row);
    moveToInactive(doc, row, 12, 1999);
    expected.setByte(PublisherRecord::kStatusFlags, 0xC0);
    expected.setByte(PublisherRecord::kStatusFlags2, 255);
    expected.setByte(PublisherRecord::kPrivileges, 0x6F);  // custom category and bit 7 gone
    expected.setKind(kInactive);
    EXPECT_EQ(at(row).bytes, expected.bytes);
    EXPECT_TRUE(listed(kInactive, row));
    EXPECT_FALSE(listed(kPublisher, row));
    EXPECT_TRUE(doc.isModified());
}

TEST_F(Transitions, RemovalToTheDeletedListDatesItAndCutsItsLinks) {
    PublisherRecord expected = at(row);
    removeToDeleted(doc, row, 3, 2024);
    expected.setByte(PublisherRecord::kStatusFlags, 0);
    expected.setByte(PublisherRecord::kPrivileges, 0x64);
    expected.setKind(kDeleted);
    expected.setWord(PublisherRecord::kStatusSince, (74 << 8) | 3);
    EXPECT_EQ(at(row).bytes, expected.bytes) << "the person's own household link stays";
    EXPECT_EQ(at(3).householdKey(), 0) << "the member's link to the person goes";
    EXPECT_EQ(doc.appointments[0].appointmentKind(), 0);
    EXPECT_EQ(doc.appointments[2].appointmentKind(), 0);
    EXPECT_EQ(doc.appointments[1].appointmentKind(), 1) << "another person's appointment";
    EXPECT_TRUE(listed(kDeleted, row));
    EXPECT_TRUE(doc.isModified());

    // The deleted person comes back reactivated, with nothing of the deletion date.
    ASSERT_FALSE(canRestore(doc, row));
    restoreDeletedPublisher(doc, row, 1);
    EXPECT_EQ(at(row).kind(), kPublisher);
    EXPECT_EQ(int{at(row).statusFlags()}, 0x22);
    EXPECT_EQ(at(row).statusSince(), 0);
}

TEST_F(Transitions, MovingClearsTheLinksAndUndoBringsTheActivePersonBack) {
    doc.contactExtras.resize(5);
    doc.contactExtras[4].setPublisherId(kPersonId);
    PublisherRecord expected = at(row);
    moveAway(doc, row, 2);
    expected.setByte(PublisherRecord::kStatusFlags, 0x20);
    expected.setWord(PublisherRecord::kExtraIndex, 0);
    expected.setWord(PublisherRecord::kHouseholdKey, 0);
    expected.setKind(kMoved);
    EXPECT_EQ(at(row).bytes, expected.bytes);
    EXPECT_FALSE(movedWhileInactive(at(row)));
    EXPECT_EQ(at(3).householdKey(), kPersonId) << "only the person's own link";
    EXPECT_TRUE(listed(kMoved, row));

    undoMove(doc, row, 3, true);
    EXPECT_EQ(at(row).kind(), kPublisher);
    EXPECT_EQ(int{at(row).statusFlags()}, 0x34) << "returned as a regular publisher";
    EXPECT_EQ(int{at(row).statusFlags2()}, 0x34);
    EXPECT_EQ(at(row).extraIndex(), 4) << "the e-mail is the person's again";
    moveAway(doc, row, 2);
    undoMove(doc, row, 3, false);
    EXPECT_EQ(int{at(row).statusFlags()}, 0x30);
    undoMove(doc, row, 3, false);  // not moved any more: nothing happens
    EXPECT_EQ(int{at(row).statusFlags()}, 0x30);
}

TEST_F(Transitions, APersonMovedWhileInactiveReturnsWithTheOldMonth) {
    moveToInactive(doc, row, 7, 2022);
    at(row).setWord(PublisherRecord::kExtraIndex, 0);
    at(row).setWord(PublisherRecord::kHouseholdKey, 0);
    const PublisherRecord inactive = at(row);

    moveAway(doc, row, 2);
    EXPECT_TRUE(movedWhileInactive(at(row)));
    EXPECT_EQ(at(row).bytes[PublisherRecord::kConsentDate.offset + 1], 7);
    EXPECT_EQ(int{at(row).statusFlags()}, 0x20);
    EXPECT_EQ(int{at(row).statusFlags2()}, 22) << "the year code waits for the undo";

    undoMove(doc, row, 0, true);  // neither month nor tick is asked
    EXPECT_EQ(at(row).bytes, inactive.bytes);
    EXPECT_TRUE(listed(kInactive, row));
}

TEST_F(Transitions, FullListsRefuseAndChangeNothing) {
    fill(kInactive, 298);
    fill(kDeleted, 298);
    fill(kMoved, 198);
    EXPECT_FALSE(canMoveToInactive(doc, row)) << "298 inactive: room for one more";
    EXPECT_FALSE(canRemoveToDeleted(doc, row));
    EXPECT_FALSE(canMoveAway(doc, row));

    fill(kInactive, 1);
    fill(kDeleted, 1);
    fill(kMoved, 1);
    EXPECT_EQ(canMoveToInactive(doc, row), "Η λίστα «Αδρανείς» είναι γεμάτη (299 άτομα).");
    EXPECT_EQ(canRemoveToDeleted(doc, row), "Η λίστα «Διαγραμμένα» είναι γεμάτη (299 άτομα).");
    EXPECT_EQ(canMoveAway(doc, row), "Η λίστα «Μετακόμισαν» είναι γεμάτη (199 άτομα).");

    CZelvoDoc untouched = doc;
    moveToInactive(doc, row, 1, 2024);
    removeToDeleted(doc, row, 1, 2024);
    moveAway(doc, row, 1);
    EXPECT_EQ(doc.publishers, untouched.publishers);
    EXPECT_EQ(doc.appointments[0], untouched.appointments[0]);
    EXPECT_FALSE(doc.isModified());

    // The inactive list full, a person moved while inactive cannot be put back into it; one
    // who returns to the active list can.
    const int moved = doc.recordCount() - 1;
    EXPECT_FALSE(canUndoMove(doc, moved));
    at(moved).bytes[PublisherRecord::kConsentDate.offset] = 'I';
    EXPECT_TRUE(canUndoMove(doc, moved));
}

TEST_F(Transitions, APersonOfAnotherListOrNoneIsRefusedByName) {
    EXPECT_EQ(canReactivate(doc, row),
              "Αυτό δεν γίνεται για Vasso Vita: είναι στη λίστα "
              "«Ευαγγελιζόμενοι».");
    EXPECT_TRUE(canRestore(doc, row));
    EXPECT_TRUE(canUndoMove(doc, row));
    for (const int bad : {0, -1, int{doc.recordCount()}}) {
        EXPECT_EQ(canDeletePermanently(doc, bad), "Δεν υπάρχει τέτοιο άτομο στον πίνακα.");
        EXPECT_TRUE(canMoveAway(doc, bad));
    }
    at(3).setKind(kNonPublisher);
    EXPECT_TRUE(canMoveToInactive(doc, 3));
    EXPECT_TRUE(canRemoveToDeleted(doc, 3));
    EXPECT_FALSE(canDeletePermanently(doc, 3));
    at(3).setKind(kCircuitOverseer);
    EXPECT_TRUE(canDeletePermanently(doc, 3));
}

TEST_F(Transitions, TheMonthQuestionNamesThePerson) {
    EXPECT_EQ(monthQuestion(doc, row, "Αδράνησαν"), "Μήνας που Vasso Vita Αδράνησαν");
}

}  // namespace
}  // namespace zelvo::records
