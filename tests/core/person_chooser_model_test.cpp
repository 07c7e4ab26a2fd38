// The person chooser: a group or the pioneers selected and cleared, one entry per household, and
// the whole-list modes of the XML export and import with the import's counts and limit.
#include <gtest/gtest.h>

#include <string>

#include "records/person_chooser_model.h"
#include "store/cp1253.h"
#include "test_folder.h"

namespace zelvo::records {
namespace {

class PersonChooserTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::openDoc(doc, folder, {2025, 3, 10}).ok);
        // Group 1: Alex (regular pioneer), Beth; group 2: Chris (special pioneer), Dora, whose
        // household head is Chris; Eve (inactive, group 1).
        std::vector<PublisherRecord> people = {
            member(101, "Alex", "Alpha", 1, 1), member(102, "Beth", "Beta", 1, 0),
            member(103, "Chris", "Gamma", 2, 3), member(104, "Dora", "Delta", 2, 0),
            member(105, "Eve", "Epsilon", 1, 2, kInactive)};
        people[2].setByte(PublisherRecord::kPrivileges, privilege::kHeadOfFamily);
        people[3].setWord(PublisherRecord::kHouseholdKey, 103);
        people[1].setWord(PublisherRecord::kHouseholdKey, 9);  // 9 or less: no household
        test::addPeople(doc, people);
        doc.sortRows();
        doc.buildIndexes();
        doc.groups.setGroupCount(2);
        doc.groups.setText(ServiceGroupTable::overseerField(2), "Chris Gamma");
    }
    PublisherRecord member(std::uint16_t id, std::string_view first, std::string_view last,
                           int group, int pioneer, std::uint8_t kind = kPublisher) {
        PublisherRecord r = test::person(id, first, last, kind);
        r.setByte(PublisherRecord::kGroupNumber, static_cast<std::uint8_t>(group));
        r.setMonthByte(MonthByte::PioneerKind, doc.calendar.reportMonth, doc.calendar.reportSlot(),
                       static_cast<std::uint8_t>(pioneer));
        return r;
    }
    static std::vector<std::string> names(const PersonChooserModel& m) {
        std::vector<std::string> out;
        for (const ChooserEntry& e : m.entries()) out.push_back(e.text);
        return out;
    }

    test::TestFolder folder;
    CZelvoDoc doc;
};

TEST_F(PersonChooserTest, GroupAndPioneersAreSelectedAndClearedAsWholes) {
    PersonChooserModel m(doc, chooserSetup(ChooserPurpose::RecordCards));
    EXPECT_EQ(names(m),
              (std::vector<std::string>{"Alex Alpha", "Beth Beta", "Dora Delta", "Chris Gamma"}));
    EXPECT_EQ(m.rightEntries(), (std::vector<std::string>{"Όμιλος # 1", "Όμιλος # 2",
                                                          "Τακτικοί και Ειδικοί Σκαπανείς"}));
    m.selectChosen();  // nothing chosen on the right: nothing happens
    EXPECT_EQ(m.selectedCount(), 0);

    m.chooseRight(1);
    EXPECT_EQ(m.overseerLine(), "Επίσκοπος: Chris Gamma");
    m.selectChosen();
    m.selectChosen();
    EXPECT_EQ(m.chosen(), (std::vector<int>{104, 103}));
    m.setSelected(1, true);  // Beth, by hand
    m.clearChosen();
    EXPECT_EQ(m.chosen(), (std::vector<int>{102}));

    // Regular (2) and special (3) pioneers only: Alex, an auxiliary (1), is not one.
    m.chooseRight(2);
    EXPECT_EQ(m.caption(), "Τακτικοί και Ειδικοί Σκαπανείς");
    EXPECT_EQ(m.overseerLine(), "");
    m.selectChosen();
    EXPECT_EQ(m.chosen(), (std::vector<int>{102, 103}));
    // The first group after the pioneers replaces them; the next one adds to it.
    m.chooseRight(0);
    EXPECT_EQ(m.caption(), "Όλα τα Μέλη στον Όμιλο");
    m.selectChosen();
    EXPECT_EQ(m.chosen(), (std::vector<int>{101, 102}));
    m.chooseRight(1);
    m.selectChosen();
    EXPECT_EQ(m.chosen(), (std::vector<int>{101, 102, 104, 103}));
    EXPECT_TRUE(m.okVisible());
    EXPECT_TRUE(m.clearVisible());

    PersonChooserModel inactive(doc, chooserSetup(ChooserPurpose::RecordCards, true));
    EXPECT_EQ(names(inactive), (std::vector<std::string>{"Eve Epsilon"}));
}

TEST_F(PersonChooserTest, HouseholdModeListsEachFamilyOnceUnderItsHead) {
    ChooserSetup setup = chooserSetup(ChooserPurpose::EmergencyForms);
    setup.householdMode = true;
    PersonChooserModel m(doc, setup);
    EXPECT_EQ(m.title(), "Επιλέξτε Φόρμες Επαφής Έκτακτης Ανάγκης");
    // Dora lives with Chris; Beth's key of 9 is no household.
    EXPECT_EQ(names(m), (std::vector<std::string>{"Alex Alpha", "Beth Beta", "Chris Gamma"}));
    EXPECT_EQ(m.rightEntries().back(), "Κενή Φόρμα");
    m.chooseRight(2);
    EXPECT_TRUE(m.blankFormChosen());
    m.selectChosen();
    EXPECT_EQ(m.selectedCount(), 0);
    m.chooseRight(1);
    m.selectChosen();
    EXPECT_EQ(m.chosen(), (std::vector<int>{103}));
}

TEST_F(PersonChooserTest, HouseholdModeKeepsAFamilyWhoseHeadIsNotActive) {
    // Eve heads a family of two active members while she is inactive herself.
    for (const int id : {101, 104}) {
        const int row = *doc.findById(id);
        doc.publishers[static_cast<std::size_t>(row)].setWord(PublisherRecord::kHouseholdKey, 105);
    }
    const int eve = *doc.findById(105);
    doc.publishers[static_cast<std::size_t>(eve)].setByte(PublisherRecord::kPrivileges,
                                                          privilege::kHeadOfFamily);
    ChooserSetup setup = chooserSetup(ChooserPurpose::EmergencyForms);
    setup.householdMode = true;
    PersonChooserModel m(doc, setup);
    // Once, under its first member by name; Chris's own family stays under him.
    EXPECT_EQ(names(m), (std::vector<std::string>{"Alex Alpha", "Beth Beta", "Chris Gamma"}));
}

TEST_F(PersonChooserTest, ExportSwitchesListsAndCountsTheChosen) {
    ChooserSetup setup = chooserSetup(ChooserPurpose::XmlExport);
    setup.exportList = 1;
    PersonChooserModel m(doc, setup);
    EXPECT_EQ(m.rightChoice(), 0);
    EXPECT_EQ(m.selectCaption(), "Επιλογή Όλων");
    EXPECT_FALSE(m.okVisible());  // until the selection changes
    EXPECT_FALSE(m.clearVisible());
    EXPECT_EQ(m.caption(), "");
    m.selectChosen();
    EXPECT_EQ(m.caption(), "4");
    EXPECT_TRUE(m.okVisible());
    m.chooseRight(1);
    EXPECT_EQ(names(m), (std::vector<std::string>{"Eve Epsilon"}));
    EXPECT_EQ(m.caption(), "0");
    m.selectChosen();
    EXPECT_EQ(m.chosen(), (std::vector<int>{105}));
    m.clearChosen();
    EXPECT_TRUE(m.chosen().empty());
}

TEST_F(PersonChooserTest, ImportCountsDuplicatesAndRefusesPastTheListsLimit) {
    ChooserSetup setup = chooserSetup(ChooserPurpose::XmlImport);
    setup.importList = 1;
    setup.existingCount = 290;
    for (int i = 0; i < 12; ++i)
        setup.importNames.push_back("Name " + std::to_string(i) + (i < 5 ? " *" : ""));
    PersonChooserModel m(doc, setup);
    EXPECT_FALSE(m.rightListVisible());
    EXPECT_TRUE(m.radioVisible());
    EXPECT_TRUE(m.updateExisting());
    m.selectChosen();
    EXPECT_EQ(m.radioFrameCaption(), "Διπλότυπα (5)");
    EXPECT_EQ(m.totalsLine(), "Δραστήριοι 290 + 7 = 297");
    EXPECT_EQ(m.overseerLine(), "");
    EXPECT_TRUE(m.okVisible());
    m.setUpdateExisting(false);
    EXPECT_EQ(m.totalsLine(), "Δραστήριοι 290 + 12 = 302");
    EXPECT_EQ(m.overseerLine(), "Πάρα Πολλοί");
    EXPECT_FALSE(m.okVisible());
    // 299 is the last that fits.
    m.setSelected(0, false);
    m.setSelected(1, false);
    m.setSelected(2, false);
    EXPECT_EQ(m.totalsLine(), "Δραστήριοι 290 + 9 = 299");
    EXPECT_TRUE(m.okVisible());
    EXPECT_EQ(m.chosen(), (std::vector<int>{3, 4, 5, 6, 7, 8, 9, 10, 11}));

    // The students list holds 99.
    setup.importList = 3;
    setup.existingCount = 90;
    PersonChooserModel students(doc, setup);
    students.setUpdateExisting(false);
    students.selectChosen();
    students.setSelected(0, false);
    students.setSelected(1, false);
    students.setSelected(2, false);
    EXPECT_FALSE(students.tooMany());
    students.setSelected(2, true);
    EXPECT_TRUE(students.tooMany());
    EXPECT_EQ(students.totalsLine(), "Μη-ευαγγελιζόμενοι (Σπουδαστές) 90 + 10 = 100");

    // Past 300 chosen, nobody is dropped: 301 names on file, all updated.
    setup.importList = 1;
    setup.existingCount = 299;
    setup.importNames.assign(301, "Name *");
    PersonChooserModel many(doc, setup);
    many.selectChosen();
    EXPECT_TRUE(many.okVisible());
    EXPECT_EQ(many.chosen().size(), 301u);
    EXPECT_EQ(many.chosen().back(), 300);
}

}  // namespace
}  // namespace zelvo::records
