// Privileges and pioneers: the privileges dialog's exclusions, end-date rule and dates kept in
// the appointment records; the monthly pioneer lists; the regular pioneer's remaining hours
// across the goal change of the service year 2023.
#include <gtest/gtest.h>

#include "records/pioneer_hours_model.h"
#include "records/pioneer_lists_model.h"
#include "records/privileges_model.h"
#include "records/publisher_details_model.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"
#include "test_folder.h"

namespace zelvo::records {
namespace {

using Part = PrivilegesModel::DatePart;

class Pioneers : public ::testing::Test {
protected:
    test::TestFolder folder;
    CZelvoDoc doc;

    // Opens with the report month of `today` (the month before it).
    void open(Date today, std::vector<PublisherRecord> people) {
        ASSERT_TRUE(test::openDoc(doc, folder, today).ok);
        test::addPeople(doc, people);
    }
    PublisherRecord& byId(int id) {
        return doc.publishers[static_cast<std::size_t>(doc.findById(id).value())];
    }
    std::string datesOf(int id, int kind) const {
        for (const AppointmentRecord& a : doc.appointments)
            if (a.publisherId() == id && a.appointmentKind() == kind) return a.appointmentText();
        return "(none)";
    }
    PrivilegesModel privileges(bool male, PrivilegeTicks ticks = {}) {
        return PrivilegesModel(doc, 101, "Babis Bakas", male, ticks, 2026);
    }
};

void setStart(PrivilegesModel& m, int row, int month, int day, int year) {
    m.setStart(row, Part::Month, month);
    m.setStart(row, Part::Day, day);
    m.setStart(row, Part::Year, year);
}

TEST_F(Pioneers, TicksExcludeEachOtherAndTickingBlanksTheStart) {
    open({2026, 12, 8}, {test::person(101, "Babis", "Bakas")});
    auto m = privileges(true);
    m.setTicked(kServantRow, true);
    m.setTicked(kElderRow, true);
    EXPECT_FALSE(m.ticked(kServantRow));
    m.setTicked(kRegularRow, true);
    m.setTicked(kContinuousAuxRow, true);
    EXPECT_FALSE(m.ticked(kRegularRow));
    m.setTicked(kSpecialRow, true);
    EXPECT_FALSE(m.ticked(kContinuousAuxRow));
    m.setFullTimeServant(true);
    EXPECT_FALSE(m.ticked(kSpecialRow));
    m.setTicked(kRegularRow, true);
    EXPECT_FALSE(m.fullTimeServant());
    setStart(m, kRegularRow, 9, 1, 2020);
    m.setTicked(kRegularRow, true);
    EXPECT_TRUE(m.start(kRegularRow).blank());
}

TEST_F(Pioneers, EndDateOnlyForACompleteStartOfARowNotTicked) {
    open({2026, 12, 8}, {test::person(101, "Babis", "Bakas")});
    PrivilegeTicks elder;
    elder.rows[kElderRow] = true;
    auto m = privileges(true, elder);
    m.setTicked(kElderRow, false);
    setStart(m, kElderRow, 3, 15, 2010);
    EXPECT_TRUE(m.endVisible(kElderRow));
    m.setEnd(kElderRow, Part::Month, 6);
    m.setEnd(kElderRow, Part::Day, 1);
    m.setEnd(kElderRow, Part::Year, 2020);
    m.setStart(kElderRow, Part::Day, 0);  // an incomplete start hides and blanks the end
    EXPECT_FALSE(m.endVisible(kElderRow));
    EXPECT_TRUE(m.end(kElderRow).blank());
    m.setStart(kElderRow, Part::Day, 15);
    m.setEnd(kElderRow, Part::Year, 2020);
    m.setTicked(kElderRow, true);  // ticked again: current, no end; the start blanked
    EXPECT_FALSE(m.endVisible(kElderRow));
    EXPECT_TRUE(m.end(kElderRow).blank());
}

TEST_F(Pioneers, ASisterCannotChangeTheServantAndElderRows) {
    open({2026, 12, 8}, {test::person(101, "Anna", "Alexiou")});
    auto m = privileges(false);
    m.setTicked(kElderRow, true);
    setStart(m, kServantRow, 1, 1, 2000);
    EXPECT_FALSE(m.ticked(kElderRow));
    EXPECT_TRUE(m.start(kServantRow).blank());
    EXPECT_FALSE(m.rowEnabled(kServantRow));
    EXPECT_TRUE(m.rowEnabled(kRegularRow));
}

TEST_F(Pioneers, OkWritesCompleteDatesAndTheDetailsKeepThem) {
    open({2026, 12, 8}, {test::person(101, "Babis", "Bakas")});
    auto m = privileges(true);
    m.setTicked(kElderRow, true);
    setStart(m, kElderRow, 3, 15, 2010);
    setStart(m, kRegularRow, 9, 1, 0);  // incomplete: stored blank, so no record
    const auto accepted = m.accept();
    EXPECT_EQ(datesOf(101, kElderStart).substr(0, 16), "03152010        ");
    EXPECT_EQ(datesOf(101, kRegularStart), "(none)");
    EXPECT_TRUE(doc.isModified());

    // Through the details dialog: ticked there, the start chosen there survives the store.
    ScriptedPrompts prompts;
    DetailsClipboard clipboard;
    PublisherDetailsModel details(doc, prompts, clipboard,
                                  PublisherDetailsModel::Variant::Publisher, {101}, 101, 2026);
    details.takePrivileges(accepted.ticks);
    EXPECT_TRUE(details.elder());
    ASSERT_EQ(details.store(), PublisherDetailsModel::StoreOutcome::Stored);
    EXPECT_EQ(datesOf(101, kElderStart).substr(0, 8), "03152010");
    EXPECT_EQ(byId(101).privileges() & privilege::kCodeMask, privilege::kElder);
}

TEST_F(Pioneers, MonthlyListsMoveOnePersonAndRemovalClearsContinuousAuxiliary) {
    // Report month November 2026 (slot 0).
    PublisherRecord anna = test::person(101, "Anna", "Alexiou");
    anna.setMonthByte(MonthByte::PioneerKind, 10, 0, 1);
    anna.setByte(PublisherRecord::kPrivileges, privilege::kContinuousAuxiliary);
    open({2026, 12, 8}, {anna, test::person(102, "Babis", "Bakas"),
                         test::person(103, "Costas", "Christou", kInactive)});
    PioneerListsModel m(doc, PioneerMode::Auxiliary);
    EXPECT_EQ(m.years(), (std::vector<int>{24, 25, 26}));
    ASSERT_EQ(m.listed().size(), 1u);
    ASSERT_EQ(m.others().size(), 1u);  // the inactive person is not listed
    EXPECT_EQ(m.title(), "Βοηθητικοί Σκαπανείς - Νοέμβριος 26 ( 1 )");
    m.setYear(24);
    EXPECT_EQ(m.months(), (std::vector<int>{11}));  // the oldest year: after November only
    m.setYear(26);
    EXPECT_EQ(m.month(), 10);

    EXPECT_TRUE(m.remove(m.listed()[0].row));
    EXPECT_EQ(byId(101).pioneerKind(10, 0), 0);
    EXPECT_EQ(byId(101).privileges() & privilege::kContinuousAuxiliary, 0);
    EXPECT_TRUE(doc.isModified());
    EXPECT_FALSE(m.remove(*doc.findById(102)));  // not on the left
    m.setSpecial(true);                          // only the regular list switches
    EXPECT_EQ(m.mode(), PioneerMode::Auxiliary);
}

PublisherRecord regularFrom(int firstMonth, int slotOfSeptember, int lastMonth) {
    PublisherRecord r = test::person(101, "Costas", "Christou");
    for (int m = firstMonth; m != (lastMonth + 1) % 12; m = (m + 1) % 12)
        r.setMonthByte(MonthByte::PioneerKind, m, m >= 8 ? slotOfSeptember : slotOfSeptember ^ 1,
                       2);
    return r;
}

TEST_F(Pioneers, RemainingHoursFromSeptemberOfServiceYear2024InFebruary) {
    PublisherRecord c = regularFrom(8, 1, 1);  // September 2023 (slot 1) to February 2024
    test::setReport(c, 8, 1, 100);
    test::setReport(c, 1, 0, 90);
    c.setMonthWord(MonthWord::CreditHours, 1, 0, 10);
    open({2024, 3, 8}, {c});
    PioneerHoursModel m(doc);
    ASSERT_TRUE(m.pickerVisible());
    EXPECT_EQ(m.goal(), 50);
    EXPECT_EQ(m.monthsToServe(), 12);
    EXPECT_EQ(m.hoursDone(), 200);
    EXPECT_EQ(m.remaining(), 400);
    EXPECT_EQ(m.startLine(), "");
    EXPECT_EQ(m.remainingLine(), "Σύνολο Ωρών που Απομένουν ( Μαρ - Αυγ ) = 400");
    EXPECT_EQ(m.averageLine(), "Μέσος Όρος Ωρών που Απομένουν σε κάθε Μήνα ( Μαρ - Αυγ ) = 66.7");
    EXPECT_EQ(m.grid()[0].hours, 100);
    EXPECT_FALSE(m.grid()[6].reported);  // March: still to come
    EXPECT_EQ(m.totalHours(), 190);
}

TEST_F(Pioneers, GoalIsSeventyBeforeServiceYear2023AndTheRunStartsAfterAGap) {
    EXPECT_EQ(monthlyHoursGoal(serviceYearOf(2022, 7)), 70);  // August 2022
    EXPECT_EQ(monthlyHoursGoal(serviceYearOf(2022, 8)), 50);  // September 2022
    PublisherRecord c = regularFrom(10, 1, 1);  // November 2021 (slot 1) to February 2022
    test::setReport(c, 10, 1, 800);
    open({2022, 3, 8}, {c});
    PioneerHoursModel m(doc);
    EXPECT_EQ(m.startMonth(), 10);
    EXPECT_EQ(m.startLine(), "Σκαπανέας από Νοέμβριος");
    EXPECT_EQ(m.remaining(), 0);  // 10 x 70 - 800 stops at 0
    m.setPreviousYear(true);
    EXPECT_EQ(m.remainingLine(), "");
    EXPECT_EQ(m.previousYearLine(), "Υπηρεσιακό Έτος. : 2021");
}

TEST_F(Pioneers, AugustHasNoRemainingLinesAndNoPioneerHidesThePicker) {
    open({2026, 9, 8}, {regularFrom(8, 1, 7)});  // September 2025 to August 2026
    PioneerHoursModel m(doc);
    EXPECT_EQ(m.monthsLeft(), 0);
    EXPECT_EQ(m.remainingLine(), "");
    EXPECT_EQ(m.averageLine(), "");
    byId(101).setMonthByte(MonthByte::PioneerKind, 7, 0, 1);
    EXPECT_FALSE(PioneerHoursModel(doc).pickerVisible());
}

}  // namespace
}  // namespace zelvo::records
