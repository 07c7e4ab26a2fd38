// The person lists of the pickers and the household dialog: names with the marks of their
// lists, the selection kept on a person, type-ahead, wrap-around, the chooser captions, the add
// chooser's buttons, the household candidates and members.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/add_chooser.h"
#include "records/household_model.h"
#include "records/pick_list.h"
#include "records/publisher_picker_model.h"
#include "records/single_person_picker_model.h"
#include "store/cp1253.h"
#include "store/zelvo_doc.h"
#include "test_folder.h"

namespace zelvo::records {
namespace {

using test::person;

std::string greek(std::string_view utf8) {
    return cp1253::fromUtf8(utf8);
}

std::vector<std::string> texts(const PickList& list) {
    std::vector<std::string> out;
    for (const PickEntry& e : list.entries()) out.push_back(e.text);
    return out;
}

PickList listOf(std::vector<std::string> names) {
    std::vector<PickEntry> entries;
    int id = 100;
    for (std::string& n : names) entries.push_back({id - 99, id, std::move(n)}), ++id;
    PickList list;
    list.setEntries(std::move(entries));
    list.select(0);
    return list;
}

// ---------------------------------------------------------------- the list itself

TEST(PickList, WrapsAtBothEnds) {
    EXPECT_EQ(wrapNext(2, 3), 0);
    EXPECT_EQ(wrapNext(0, 3), 1);
    EXPECT_EQ(wrapPrevious(0, 3), 2);
    EXPECT_EQ(wrapPrevious(2, 3), 1);
    EXPECT_EQ(wrapNext(0, 0), -1);
    EXPECT_EQ(wrapPrevious(-1, 0), -1);
    PickList list = listOf({"A", "B"});
    list.selectPrevious();
    EXPECT_EQ(list.selected(), 1);
    list.selectNext();
    EXPECT_EQ(list.selected(), 0);
}

TEST(PickList, SelectionStaysOnThePersonWhenTheListChanges) {
    PickList list = listOf({"Alfa", "Beta", "Gama"});
    ASSERT_TRUE(list.selectId(102));
    // Beta renamed to Zeta moved to the end.
    list.setEntries({{1, 100, "Alfa"}, {2, 101, "Gama"}, {3, 102, "Zeta"}});
    EXPECT_EQ(list.selected(), 2);
    EXPECT_EQ(list.selectedRow(), 3);
    // The person left the list: the same position, or the last one.
    list.setEntries({{1, 100, "Alfa"}, {2, 101, "Gama"}});
    EXPECT_EQ(list.selected(), 1);
    list.setEntries({});
    EXPECT_EQ(list.selected(), -1);
    EXPECT_EQ(list.selectedId(), 0);
    EXPECT_FALSE(list.selectId(100));
}

TEST(PickList, TypedLettersFindANameWithoutRegardToCase) {
    PickList list = listOf({"Άλφα, Ά", "Βήτα, Β", "Παπάς, Ν", "Παπαδάκης, Γ", "Πέτρου, Π"});
    EXPECT_EQ(list.typeAhead("π", 0), 2);
    EXPECT_EQ(list.typeAhead("α", 100), 2);
    EXPECT_EQ(list.typeAhead("π", 200), 2);
    // Accents do not count: "παπα" begins Παπάς too; "παπαδ" only Παπαδάκης.
    EXPECT_EQ(list.typeAhead("α", 300), 2);
    EXPECT_EQ(list.typeAhead("δ", 400), 3);
    // After a pause a letter starts afresh, from the entry after the current one.
    EXPECT_EQ(list.typeAhead("Β", 5000), 1);
    // The same first letter again goes on to the next name with it, and round.
    EXPECT_EQ(list.typeAhead("Π", 9000), 2);
    EXPECT_EQ(list.typeAhead("π", 9100), 3);
    EXPECT_EQ(list.typeAhead("π", 9200), 4);
    EXPECT_EQ(list.typeAhead("π", 9300), 2);
    // Nothing begins so: the selection stays.
    EXPECT_EQ(list.typeAhead("ω", 20000), 2);
}

// ---------------------------------------------------------------- the pickers

class People : public ::testing::Test {
protected:
    CZelvoDoc doc;
    void SetUp() override {
        test::addPeople(doc, {person(101, greek("Νίκος"), greek("Παπάς")),
                              person(102, "Ina", "Inactive", kInactive),
                              person(2000, "Stu", "Dent", kNonPublisher),
                              person(103, "Anna", "Alfa"), person(104, "Moe", "Moved", kMoved)});
    }
};

TEST_F(People, ListsShowLastNameFirstWithTheMarkOfTheirList) {
    EXPECT_EQ(listEntryText(doc, 1), "Παπάς, Νίκος");
    EXPECT_EQ(listEntryText(doc, 2), "Inactive, Ina ( i )");
    EXPECT_EQ(listEntryText(doc, 3), "Dent, Stu ( σ )");
    EXPECT_EQ(listEntryText(doc, 5), "Moved, Moe");
}

TEST_F(People, ThePublisherPickerAndItsModes) {
    const PublisherPickerModel publishers(doc, PublisherPickerModel::Mode::Publishers);
    EXPECT_EQ(texts(publishers.list()), (std::vector<std::string>{"Παπάς, Νίκος", "Alfa, Anna"}))
        << "the order of the table";
    EXPECT_EQ(publishers.list().ids(), (std::vector<int>{101, 103}));
    EXPECT_EQ(publishers.list().selected(), 0);
    EXPECT_EQ(publishers.title(), "Επιλογή Ευαγγελιζομένου");
    EXPECT_EQ(publishers.editCaption(), "Επεξεργασία...");
    EXPECT_EQ(publishers.closeCaption(), "Κλείσιμο");
    EXPECT_EQ(publishers.addCaption(), "Προσθήκη Ευαγγελιζομένου");
    EXPECT_TRUE(publishers.addVisible());

    const PublisherPickerModel students(doc, PublisherPickerModel::Mode::Students);
    EXPECT_EQ(texts(students.list()), (std::vector<std::string>{"Dent, Stu ( σ )"}));
    EXPECT_EQ(students.title(), "Επέλεξε Σπουδαστή");
    EXPECT_EQ(students.addCaption(), "<<<    &Πρόσθεσε    <<<");

    const PublisherPickerModel chooser(doc, PublisherPickerModel::Mode::Chooser);
    EXPECT_FALSE(chooser.addVisible());
    EXPECT_EQ(chooser.editCaption(), "&Επιλογή");
    EXPECT_EQ(chooser.closeCaption(), "&Ακύρωση");
}

TEST_F(People, TheEditButtonGoesWithAnEmptyList) {
    CZelvoDoc empty;
    const PublisherPickerModel picker(empty, PublisherPickerModel::Mode::Publishers);
    EXPECT_FALSE(picker.editVisible());
    EXPECT_EQ(picker.list().selected(), -1);
    EXPECT_TRUE(PublisherPickerModel(doc, PublisherPickerModel::Mode::Students).editVisible());
}

TEST_F(People, TheAddChooserOffersOnlyWhatCanBeTransferred) {
    AddChoices both = addChoices(doc);
    EXPECT_TRUE(both.fromStudents);
    EXPECT_TRUE(both.fromInactive);
    EXPECT_FALSE(both.skipChooser());

    doc.publishers[3].setKind(kPublisher);  // the student
    doc.countAllKinds();
    doc.buildIndexes();
    const AddChoices inactiveOnly = addChoices(doc);
    EXPECT_FALSE(inactiveOnly.fromStudents);
    EXPECT_TRUE(inactiveOnly.fromInactive);

    doc.publishers[2].setKind(kPublisher);
    doc.countAllKinds();
    doc.buildIndexes();
    EXPECT_TRUE(addChoices(doc).skipChooser());
}

TEST_F(People, TheSinglePickerListsInactivePeopleOrStudents) {
    const SinglePersonPickerModel inactive(doc, SinglePersonPickerModel::Mode::Inactive);
    EXPECT_EQ(texts(inactive.list()), (std::vector<std::string>{"Inactive, Ina ( i )"}));
    EXPECT_FALSE(inactive.legendVisible());
    const SinglePersonPickerModel students(doc, SinglePersonPickerModel::Mode::Students);
    EXPECT_EQ(students.list().ids(), (std::vector<int>{2000}));
    EXPECT_EQ(students.title(), "Επέλεξε Σπουδαστή");
}

// ---------------------------------------------------------------- households

class Households : public ::testing::Test {
protected:
    CZelvoDoc doc;
    // Rows: 1 Alfa (head of 101's household: Beta, Dent the student), 2 Beta, 3 Dent,
    // 4 Gama (head of Ita), 5 Ita (inactive), 6 Moved, 7 Zeta.
    void SetUp() override {
        PublisherRecord alfa = person(101, "A", "Alfa");
        alfa.setByte(PublisherRecord::kPrivileges, 1u << 2);
        PublisherRecord beta = person(102, "B", "Beta");
        PublisherRecord dent = person(2000, "S", "Dent", kNonPublisher);
        PublisherRecord gama = person(103, "G", "Gama");
        gama.setByte(PublisherRecord::kPrivileges, 1u << 2);
        PublisherRecord ita = person(104, "I", "Ita", kInactive);
        for (PublisherRecord* member : {&beta, &dent})
            member->setWord(PublisherRecord::kHouseholdKey, 101);
        ita.setWord(PublisherRecord::kHouseholdKey, 103);
        test::addPeople(doc, {alfa, beta, dent, gama, ita, person(105, "M", "Moved", kMoved),
                              person(106, "Z", "Zeta")});
    }
    PublisherRecord& row(int r) { return doc.publishers[static_cast<std::size_t>(r)]; }
};

TEST_F(Households, CandidatesAreEverybodyButTheHouseholdWithMarks) {
    const SinglePersonPickerModel picker(doc, SinglePersonPickerModel::Mode::Household, 101);
    EXPECT_EQ(texts(picker.list()),
              (std::vector<std::string>{"Gama, G *", "Ita, I ( i ) #", "Zeta, Z"}));
    EXPECT_TRUE(picker.legendVisible());
    EXPECT_EQ(picker.title(), "Επέλεξε Μέλος Οικογένειας");
}

TEST_F(Households, TheHeadsDialogListsTheHeadFirstAndAddsMembers) {
    HouseholdModel household(doc, row(1), 1);
    EXPECT_EQ(household.title(), "A Alfa");
    EXPECT_EQ(texts(household.members()),
              (std::vector<std::string>{"Alfa, A", "Beta, B", "Dent, S ( σ )"}));
    EXPECT_TRUE(household.addVisible());
    EXPECT_FALSE(household.removeEnabled()) << "the head is selected";

    household.addMember(doc, 7);
    EXPECT_EQ(row(7).householdKey(), 101);
    EXPECT_EQ(household.members().selectedId(), 106);
    EXPECT_EQ(household.members().size(), 4);
    EXPECT_TRUE(doc.isModified());
}

TEST_F(Households, RemovingAMemberClearsOnlyTheirLink) {
    PublisherRecord working = row(1);
    HouseholdModel household(doc, working, 1);
    household.members().selectId(102);
    EXPECT_EQ(household.removeSelected(doc, working), HouseholdModel::Removal::Removed);
    EXPECT_EQ(row(2).householdKey(), 0);
    EXPECT_EQ(row(3).householdKey(), 101);
    EXPECT_EQ(household.members().ids(), (std::vector<int>{101, 2000}));
    household.members().select(0);
    EXPECT_EQ(household.removeSelected(doc, working), HouseholdModel::Removal::Nothing);
}

TEST_F(Households, AMemberLeavingFromTheirOwnDetailsLosesTheLinkThere) {
    PublisherRecord working = row(2);
    HouseholdModel household(doc, working, 2);
    EXPECT_EQ(household.title(), "A Alfa");
    EXPECT_FALSE(household.addVisible());
    ASSERT_TRUE(household.members().selectId(102));
    EXPECT_EQ(household.removeSelected(doc, working), HouseholdModel::Removal::LeftHousehold);
    EXPECT_EQ(working.householdKey(), 0);
    EXPECT_EQ(row(2).householdKey(), 0);
}

TEST_F(Households, ANewHeadShowsTheNamesAsTypedAndLinksNobodyBeforeItIsStored) {
    PublisherRecord working = person(107, "New", "Head");
    working.setByte(PublisherRecord::kPrivileges, 1u << 2);
    const bool modified = doc.isModified();
    NewMembers chosen;
    HouseholdModel household(doc, working, 0, &chosen);
    EXPECT_EQ(household.title(), "New Head");
    EXPECT_EQ(texts(household.members()), (std::vector<std::string>{"Head, New"}));
    EXPECT_TRUE(household.addVisible());
    household.addMember(doc, 7);
    household.addMember(doc, 5);  // Ita, of Gama's household
    EXPECT_EQ(row(7).householdKey(), 0) << "107 is nobody's id yet";
    EXPECT_EQ(row(5).householdKey(), 103);
    EXPECT_EQ(chosen, (NewMembers{106, 104}));
    EXPECT_EQ(texts(household.members()),
              (std::vector<std::string>{"Head, New", "Ita, I ( i )", "Zeta, Z"}));
    EXPECT_EQ(household.members().selectedId(), 104);
    EXPECT_EQ(doc.isModified(), modified);
    EXPECT_FALSE(household.changedTable());

    // Those chosen are not offered again.
    const SinglePersonPickerModel picker(doc, SinglePersonPickerModel::Mode::Household, 107,
                                         household.members().ids());
    EXPECT_EQ(texts(picker.list()),
              (std::vector<std::string>{"Alfa, A *", "Beta, B #", "Dent, S ( σ ) #", "Gama, G *"}));

    // Taken out again before the head is stored: Ita keeps her own household.
    ASSERT_TRUE(household.members().selectId(104));
    EXPECT_EQ(household.removeSelected(doc, working), HouseholdModel::Removal::Removed);
    EXPECT_EQ(row(5).householdKey(), 103);
    EXPECT_EQ(chosen, (NewMembers{106}));
    EXPECT_FALSE(household.changedTable());

    // Without a place for the chosen members a new head's household takes none.
    HouseholdModel nowhere(doc, working, 0);
    EXPECT_FALSE(nowhere.addVisible());
    nowhere.addMember(doc, 7);
    EXPECT_EQ(row(7).householdKey(), 0);
}

}  // namespace
}  // namespace zelvo::records
