// The details of a publisher or a student: the name rule, the three-list dates, the exclusions
// of the ticks, what storing writes (privilege and pioneer codes, consent, e-mail, order of the
// table), copy and paste, moving along the list, adding and the student's own controls.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "records/date_lists.h"
#include "records/household_model.h"
#include "records/person_lists.h"
#include "records/privileges_model.h"
#include "records/publisher_details_model.h"
#include "store/cp1253.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"
#include "test_folder.h"

namespace zelvo::records {
namespace {

using Variant = PublisherDetailsModel::Variant;
using Outcome = PublisherDetailsModel::StoreOutcome;

constexpr Date kToday{2026, 12, 8};  // report month November 2026: index 10, slot 0
constexpr int kMonth = 10;
constexpr int kSlot = 0;
constexpr int kYear = 2026;

constexpr std::uint8_t kElderMale = 2 | 0x20;

AppointmentRecord appointment(std::uint16_t id, std::uint16_t kind, std::string_view text) {
    AppointmentRecord a;
    a.setWord(0, id);
    a.setWord(2, kind);
    a.setText(AppointmentRecord::kText, text);
    return a;
}

class DetailsModel : public ::testing::Test {
protected:
    test::TestFolder folder;
    CZelvoDoc doc;
    ScriptedPrompts prompts;
    DetailsClipboard clipboard;

    void SetUp() override {
        ASSERT_TRUE(test::openDoc(doc, folder, kToday).ok);
        PublisherRecord anna = test::person(101, "Anna", "Alexiou");
        anna.setByte(PublisherRecord::kPrivileges, 0x40);
        PublisherRecord babis = test::person(102, "Babis", "Bakas");
        babis.setByte(PublisherRecord::kPrivileges, kElderMale);
        PublisherRecord costas = test::person(103, "Costas", "Christou");
        costas.setMonthByte(MonthByte::PioneerKind, kMonth, kSlot, 2);
        costas.setText(PublisherRecord::kAddress, "Odos 1");
        costas.setByte(PublisherRecord::kGroupNumber, 3);
        PublisherRecord dora = test::person(2001, "Dora", "Dimou", kNonPublisher);
        test::addPeople(doc, {anna, babis, costas, dora});
    }

    std::vector<int> activeIds() const { return {101, 102, 103}; }
    PublisherDetailsModel open(int id, Variant variant = Variant::Publisher) {
        return PublisherDetailsModel(doc, prompts, clipboard, variant, activeIds(), id, kYear);
    }
    const PublisherRecord& byId(int id) const {
        return doc.publishers[static_cast<std::size_t>(doc.findById(id).value())];
    }
    std::vector<std::string> lastNames() const {
        std::vector<std::string> names;
        for (std::size_t row = 1; row < doc.publishers.size(); ++row)
            names.push_back(doc.publishers[row].lastName());
        return names;
    }
    const AppointmentRecord* appointmentOf(int id, int kind) const {
        for (const AppointmentRecord& a : doc.appointments)
            if (a.publisherId() == id && a.appointmentKind() == kind) return &a;
        return nullptr;
    }
};

// ------------------------------------------------------------------ names

TEST(NameRule, TwentyThreeCharactersTogetherAreKept) {
    EXPECT_EQ(shortenedFirstName("Konstantin", "Papadopoulosx"), "Konstantin");  // 10 + 13
    EXPECT_EQ(shortenedFirstName("Konstantin", "Papadopoulosxy"), "K.");         // 10 + 14
    EXPECT_EQ(shortenedFirstName("", "Papadopoulosxyzzzzzzzzzzzzz"), "");
}

TEST_F(DetailsModel, FirstNameBecomesItsInitialWhenTheLastNameReachesFourteen) {
    auto model = open(101);
    model.setFirstName("Konstantin");
    std::string last;
    for (char c : std::string("Papadopoulosx")) {
        last += c;
        model.setLastName(last);
        EXPECT_EQ(model.firstName, "Konstantin") << last;
    }
    model.setLastName(last + "y");
    EXPECT_EQ(model.firstName, "K.");
}

TEST_F(DetailsModel, LongFirstNameIsShortenedWhenItsBoxLosesTheFocus) {
    auto model = open(101);
    model.setLastName("Papadopoulosxy");
    model.setFirstName("Konstantinos");
    EXPECT_EQ(model.firstName, "Konstantinos");
    model.firstNameLeft();
    EXPECT_EQ(model.firstName, "K.");
}

TEST(NameRule, CountsTheNamesAsTheyWillBeStored) {
    // A last name typed longer than its field counts with the 14 characters it keeps.
    EXPECT_EQ(shortenedFirstName("Maria", "Papadopoulopoulos"), "Maria");  // 5 + 14
    EXPECT_EQ(shortenedFirstName("Marianna-Eva", "Papadopoulopoulos"), "M.");
}

TEST_F(DetailsModel, TheNoteUnderTheNamesSaysWhatWillBeStored) {
    auto model = open(101);
    EXPECT_EQ(model.namesNote(), "");
    model.setLastName("Papadopoulopoulos");  // 17
    EXPECT_EQ(model.namesNote(),
              "«Papadopoulopoulos» θα αποθηκευτεί ως «Papadopoulopou»: το πεδίο χωράει 14 "
              "γράμματα.");
    model.setLastName("Papadopoulosxy");
    model.setFirstName("Konstantinos");
    // Typed, the rule not applied yet: the note already says it.
    EXPECT_EQ(model.firstName, "Konstantinos");
    const std::string initial =
        "Το όνομα «Konstantinos» θα αποθηκευτεί ως «K.»: όνομα και επίθετο μαζί χωρούν 23 "
        "γράμματα.";
    EXPECT_EQ(model.namesNote(), initial);
    model.firstNameLeft();
    EXPECT_EQ(model.firstName, "K.");
    EXPECT_EQ(model.namesNote(), initial) << "the name given up is still named";
    model.setFirstName("Kostas");
    EXPECT_EQ(model.namesNote(), "");
    ASSERT_EQ(model.store(), Outcome::Stored);
    EXPECT_EQ(model.namesNote(), "");
}

TEST_F(DetailsModel, AutomaticCapitalsOnlyInTheEditionsThatUseThem) {
    EXPECT_FALSE(autoCapitalizes("greek"));
    EXPECT_FALSE(autoCapitalizes("rus"));
    EXPECT_FALSE(autoCapitalizes("Ukrainian"));
    EXPECT_TRUE(autoCapitalizes("english"));
    EXPECT_EQ(autoCapitalized("maria-antonietta x"), "Maria-antoniet");

    auto greek = open(101);
    greek.setFirstName("maria");
    EXPECT_EQ(greek.firstName, "maria");
    doc.languageWord = "english";
    auto english = open(101);
    english.setFirstName("maria");
    english.setLastName("papadopoulou-georgiou");
    EXPECT_EQ(english.firstName, "Maria");
    EXPECT_EQ(english.lastName, "Papadopoulou-g");
    doc.settings.autoCapitalize = 0;
    auto off = open(101);
    off.setFirstName("maria");
    EXPECT_EQ(off.firstName, "maria");
}

// ------------------------------------------------------------------ dates

TEST(DateListsTest, StoredOnlyWhenMonthDayAndYearAreChosen) {
    DateLists date(kYear);
    date.load("");
    date.setMonth(3);
    date.setDay(15);
    EXPECT_EQ(date.storedText(), "        ");
    EXPECT_EQ(date.inWords(), "Ελλιπής ημερομηνία: δεν θα αποθηκευτεί");
    date.setYear(1980);
    EXPECT_EQ(date.storedText(), "03151980");
    EXPECT_EQ(date.inWords(), "15 Μαρτίου 1980");
    date.clear();
    EXPECT_EQ(date.storedText(), "");  // as it was opened
    EXPECT_EQ(date.inWords(), "");

    DateLists known(kYear);
    known.load("03151980");
    known.setYear(0);
    EXPECT_EQ(known.storedText(), "        ");
}

TEST(DateListsTest, ADateLeftAsOpenedKeepsItsStoredText) {
    DateLists empty(kYear);
    empty.load("");
    EXPECT_EQ(empty.storedText(), "");
    DateLists odd(kYear);
    odd.load("13x51980");  // no month, no day, but a year
    EXPECT_EQ(odd.month(), 0);
    EXPECT_EQ(odd.year(), 1980);
    EXPECT_EQ(odd.storedText(), "13x51980");
    odd.setDay(2);
    EXPECT_EQ(odd.storedText(), "        ");
}

TEST(DateListsTest, ListsHoldABlankThenTheirEntries) {
    const auto months = DateLists::monthEntries();
    ASSERT_EQ(months.size(), 13u);
    EXPECT_EQ(months[0], "");
    EXPECT_EQ(months[1], "Ιαν");
    EXPECT_EQ(months[12], "Δεκ");
    const auto days = DateLists::dayEntries();
    ASSERT_EQ(days.size(), 32u);
    EXPECT_EQ(days[1], "01");
    EXPECT_EQ(days[31], "31");

    DateLists date(kYear);
    const auto years = date.yearEntries();
    ASSERT_EQ(years.size(), 122u);
    EXPECT_EQ(years[0], 0);
    EXPECT_EQ(years[1], kYear - 119);
    EXPECT_EQ(years.back(), kYear + 1);
}

TEST(DateListsTest, AStoredYearOutsideTheListIsListedSoItIsNotLost) {
    DateLists date(kYear);
    date.load("01011890");
    const auto years = date.yearEntries();
    ASSERT_EQ(years.size(), 123u);
    EXPECT_EQ(years[1], 1890);
    EXPECT_TRUE(std::is_sorted(years.begin() + 1, years.end()));
}

TEST_F(DetailsModel, DatesReachTheRecordOnlyWhenComplete) {
    auto model = open(101);
    model.birth.setMonth(5);
    model.birth.setDay(20);  // no year
    model.baptism.setMonth(6);
    model.baptism.setDay(1);
    model.baptism.setYear(2001);
    EXPECT_TRUE(model.privilegesVisible());
    ASSERT_EQ(model.store(), Outcome::Stored);
    EXPECT_EQ(byId(101).birthDate(), "        ");
    EXPECT_EQ(byId(101).baptismDate(), "06012001");
    model.baptism.setYear(0);
    EXPECT_FALSE(model.privilegesVisible());
}

TEST(DateListsTest, ADayTheMonthDoesNotHaveIsNoDate) {
    struct Case {
        int month, day, year;
        bool possible;
    };
    for (const Case c :
         {Case{2, 29, 2020, true}, Case{2, 30, 2020, false}, Case{2, 29, 2021, false},
          Case{2, 29, 1900, false}, Case{2, 29, 2000, true}, Case{2, 29, 0, true},
          Case{2, 30, 0, false}, Case{4, 30, 1999, true}, Case{4, 31, 0, false},
          Case{12, 31, 1999, true}, Case{0, 31, 1999, true}}) {
        DateLists date(kYear);
        date.setMonth(c.month);
        date.setDay(c.day);
        date.setYear(c.year);
        EXPECT_EQ(date.possible(), c.possible) << c.month << "/" << c.day << "/" << c.year;
    }
    DateLists feb(kYear);
    feb.setMonth(2);
    feb.setDay(31);
    feb.setYear(2020);
    EXPECT_EQ(feb.inWords(), "Δεν υπάρχει: ο Φεβρουάριος του 2020 έχει 29 ημέρες");
    DateLists april(kYear);
    april.setMonth(4);
    april.setDay(31);  // no year yet: already no date
    EXPECT_EQ(april.inWords(), "Δεν υπάρχει: ο Απρίλιος έχει 30 ημέρες");
}

TEST_F(DetailsModel, AnImpossibleDateIsRefusedNamingTheField) {
    auto model = open(101);
    model.baptism.setMonth(2);
    model.baptism.setDay(31);
    model.baptism.setYear(2020);
    EXPECT_EQ(model.impossibleDate(), PublisherDetailsModel::DateField::Baptism);
    EXPECT_EQ(model.store(), Outcome::Refused);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0],
              "Η ημερομηνία βαφτίσματος δεν υπάρχει: ο Φεβρουάριος του 2020 έχει 29 ημέρες.\n\n"
              "Διορθώστε την ή αφήστε την κενή για να αποθηκευτούν τα στοιχεία.");
    EXPECT_EQ(byId(101).baptismDate(), "");
    EXPECT_FALSE(doc.isModified());
    model.baptism.setDay(29);
    ASSERT_EQ(model.store(), Outcome::Stored);
    EXPECT_EQ(byId(101).baptismDate(), "02292020");

    // The consent date counts only while the consent is ticked.
    auto consent = open(102);
    consent.consentDate.setMonth(4);
    consent.consentDate.setDay(31);
    EXPECT_FALSE(consent.refusal().has_value());
    consent.consent = true;
    EXPECT_EQ(consent.impossibleDate(), PublisherDetailsModel::DateField::Consent);
    EXPECT_NE(consent.refusal().value().find("συναίνεσης"), std::string::npos);
}

TEST_F(DetailsModel, ABaptismBeforeTheBirthIsToldButStored) {
    auto model = open(101);
    model.birth.load("05101990");
    model.baptism.load("05101990");
    EXPECT_EQ(model.datesNote(), "") << "the same day is not before";
    model.baptism.setYear(1989);
    EXPECT_EQ(model.datesNote(), "Προσοχή: η ημερομηνία βαφτίσματος είναι πριν από τη γέννηση.");
    ASSERT_EQ(model.store(), Outcome::Stored);
    EXPECT_EQ(byId(101).baptismDate(), "05101989");
    EXPECT_TRUE(prompts.messages.empty());
}

// ------------------------------------------------------------------ ticks

TEST_F(DetailsModel, FemaleClearsElderAndMale) {
    auto model = open(102);
    EXPECT_TRUE(model.elder());
    EXPECT_TRUE(model.male());
    model.setFemale(true);
    EXPECT_FALSE(model.elder());
    EXPECT_FALSE(model.male());
    ASSERT_EQ(model.store(), Outcome::Stored);
    EXPECT_EQ(byId(102).privileges(), 0x40);
}

TEST_F(DetailsModel, APrivilegeClearsTheOtherTwoAndMakesABrother) {
    auto model = open(101);  // a sister
    model.setServant(true);
    EXPECT_TRUE(model.male());
    EXPECT_FALSE(model.female());
    model.setBaptizedBrother(true);
    EXPECT_FALSE(model.servant());
    model.setElder(true);
    EXPECT_FALSE(model.baptizedBrother());
    EXPECT_TRUE(model.elder());
    model.setMale(false);
    model.setFemale(false);
    model.setMale(true);
    EXPECT_TRUE(model.elder());

    const std::pair<void (PublisherDetailsModel::*)(bool), int> codes[] = {
        {&PublisherDetailsModel::setElder, 2},
        {&PublisherDetailsModel::setServant, 1},
        {&PublisherDetailsModel::setBaptizedBrother, 3},
    };
    for (const auto& [set, code] : codes) {
        (model.*set)(true);
        ASSERT_EQ(model.store(), Outcome::Stored);
        EXPECT_EQ(byId(101).privileges() & 0x03, code);
        EXPECT_EQ(byId(101).privileges() & 0x60, 0x20);
    }
}

TEST_F(DetailsModel, APrivilegeWithoutSexIsShownAsMale) {
    doc.publishers[static_cast<std::size_t>(doc.findById(102).value())].setByte(
        PublisherRecord::kPrivileges, 0x02 | 0x80);
    auto model = open(102);
    EXPECT_TRUE(model.male());
    ASSERT_EQ(model.store(), Outcome::Stored);
    EXPECT_EQ(byId(102).privileges(), 0x02 | 0x20 | 0x80);  // the left-out bit is kept
}

TEST_F(DetailsModel, PioneerTicksExcludeEachOther) {
    auto model = open(103);
    EXPECT_TRUE(model.regular());
    model.setSpecial(true);
    EXPECT_FALSE(model.regular());
    model.setContinuousAuxiliary(true);
    EXPECT_FALSE(model.special());
    model.setRegular(true);
    EXPECT_FALSE(model.continuousAuxiliary());
}

TEST_F(DetailsModel, PioneerCodeOfTheReportMonthOnStore) {
    struct Case {
        int was;
        bool regular, special, continuous;
        int code;
    };
    const Case cases[] = {
        {0, true, false, false, 2},  {0, false, true, false, 3}, {2, false, false, false, 0},
        {1, false, false, false, 1},  // an auxiliary month from report entry stays
        {0, false, false, true, 1},  {3, false, false, true, 1},
    };
    for (const Case& c : cases) {
        doc.publishers[static_cast<std::size_t>(doc.findById(103).value())].setMonthByte(
            MonthByte::PioneerKind, kMonth, kSlot, static_cast<std::uint8_t>(c.was));
        auto model = open(103);
        model.setRegular(c.regular);
        model.setSpecial(c.special);
        model.setContinuousAuxiliary(c.continuous);
        ASSERT_EQ(model.store(), Outcome::Stored);
        EXPECT_EQ(byId(103).pioneerKind(kMonth, kSlot), c.code) << c.was << " -> " << c.code;
        EXPECT_EQ((byId(103).privileges() & 0x08) != 0, c.continuous);
    }
    EXPECT_EQ(byId(103).pioneerKind(kMonth, 1), 0);  // the other year's month untouched
}

TEST_F(DetailsModel, StartDateIsBlankedOnlyForTicksSetHere) {
    doc.appointments = {appointment(102, 2, "0101200012312020"),
                        appointment(102, 3, "0301201500000000"),
                        appointment(101, 1, "0505200500000000")};
    auto model = open(102);
    model.setRegular(true);
    ASSERT_EQ(model.store(), Outcome::Stored);
    EXPECT_EQ(appointmentOf(102, 2)->appointmentText(), "0101200012312020");  // already elder
    EXPECT_EQ(appointmentOf(102, 3)->appointmentText(), "        00000000");
    EXPECT_EQ(appointmentOf(101, 1)->appointmentText(), "0505200500000000");
}

TEST_F(DetailsModel, HopeAndCustomCategory) {
    auto model = open(101);
    EXPECT_FALSE(model.customCategoryVisible());
    doc.settings.customCategoryEnabled = 1;
    doc.settings.customCategoryName = cp1253::fromUtf8("Βοηθοί");
    EXPECT_TRUE(model.customCategoryVisible());
    EXPECT_EQ(model.customCategoryText(), "Βοηθοί");
    model.customCategory = true;
    model.anointed = true;
    ASSERT_EQ(model.store(), Outcome::Stored);
    EXPECT_EQ(byId(101).hope(), 'A');
    EXPECT_NE(byId(101).privileges() & 0x10, 0);
    model.anointed = false;
    ASSERT_EQ(model.store(), Outcome::Stored);
    EXPECT_EQ(byId(101).hope(), 'O');
}

// ------------------------------------------------------------------ groups and households

TEST_F(DetailsModel, GroupButtonCaption) {
    EXPECT_EQ(groupButtonText(doc, 0), "Επιλογή Ομίλου Υπηρεσίας Αγρού");
    EXPECT_EQ(groupButtonText(doc, 21), "Επιλογή Ομίλου Υπηρεσίας Αγρού");
    doc.groups.setText(ServiceGroupTable::overseerField(3), cp1253::fromUtf8("Γιάννης Π"));
    EXPECT_EQ(groupButtonText(doc, 3), "( &Όμιλος #3 ) Γιάννης Π");
    doc.groups.setText(ServiceGroupTable::labelNameField(3), cp1253::fromUtf8("Κέντρο"));
    EXPECT_EQ(groupButtonText(doc, 3), "( &Όμιλος #3 ) Γιάννης Π");  // the label is not in use
    doc.groups.setUseLabel(3, 1);
    EXPECT_EQ(groupButtonText(doc, 3), "Κέντρο");
}

TEST_F(DetailsModel, HeadOfFamilyClearsTheOwnLinkAndStaysWhileMembersRemain) {
    doc.publishers[static_cast<std::size_t>(doc.findById(101).value())].setWord(
        PublisherRecord::kHouseholdKey, 103);
    auto model = open(101);
    EXPECT_TRUE(model.householdVisible());
    EXPECT_EQ(model.householdText(), "Προβολή Σπιτικού");
    model.setHeadOfFamily(true);
    EXPECT_EQ(model.working().householdKey(), 0);
    EXPECT_EQ(model.householdText(), "Επεξεργασία Σπιτικού");
    ASSERT_EQ(model.store(), Outcome::Stored);

    doc.publishers[static_cast<std::size_t>(doc.findById(102).value())].setWord(
        PublisherRecord::kHouseholdKey, 101);
    auto head = open(101);
    EXPECT_TRUE(head.headOfFamily());
    EXPECT_FALSE(head.headOfFamilyEnabled());
    head.setHeadOfFamily(false);
    EXPECT_TRUE(head.headOfFamily());

    auto alone = open(103);
    EXPECT_FALSE(alone.householdVisible());
}

// ------------------------------------------------------------------ storing

TEST_F(DetailsModel, TextsAreTrimmedAndCutToTheirLimits) {
    auto model = open(101);
    model.address = "  " + std::string(70, 'a') + "  ";
    model.phoneHome = " 210 1234567890123 ";
    model.phoneMobile = "69";
    ASSERT_EQ(model.store(), Outcome::Stored);
    EXPECT_EQ(byId(101).address(), std::string(60, 'a'));
    EXPECT_EQ(byId(101).phoneHome(), "210 1234567890");
    EXPECT_EQ(byId(101).phoneMobile(), "69");
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(model.changedSomething());
}

TEST_F(DetailsModel, ALongerStoredTextIsKeptUntilItIsEdited) {
    doc.publishers[static_cast<std::size_t>(doc.findById(101).value())].setText(
        PublisherRecord::kFirstName, "Anastasia-Maria");  // 15, as an imported list may hold
    auto model = open(101);
    ASSERT_EQ(model.store(), Outcome::Stored);
    EXPECT_EQ(byId(101).firstName(), "Anastasia-Maria");
    model.setFirstName("Anastasia-Mari ");
    ASSERT_EQ(model.store(), Outcome::Stored);
    EXPECT_EQ(byId(101).firstName(), "Anastasia-Mari");
}

TEST_F(DetailsModel, ABlankLastNameIsRefusedWithAMessage) {
    auto model = open(101);
    model.setLastName("   ");
    EXPECT_EQ(model.store(), Outcome::Refused);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(byId(101).lastName(), "Alexiou");
    EXPECT_FALSE(doc.isModified());
}

TEST_F(DetailsModel, RenamingMovesThePersonToTheirPlace) {
    auto model = open(101);
    model.setLastName("Zervou");
    ASSERT_EQ(model.store(), Outcome::Stored);
    EXPECT_EQ(lastNames(), (std::vector<std::string>{"Bakas", "Christou", "Dimou", "Zervou"}));
    EXPECT_EQ(model.row(), 4);
    EXPECT_EQ(model.id(), 101);
}

TEST_F(DetailsModel, EmailGoesIntoTheContactExtra) {
    auto model = open(102);
    model.email = " babis@example.org ";
    ASSERT_EQ(model.store(), Outcome::Stored);
    const int row = doc.findById(102).value();
    EXPECT_NE(doc.publishers[static_cast<std::size_t>(row)].extraIndex(), 0);
    EXPECT_EQ(doc.emailOf(row), "babis@example.org");
    EXPECT_TRUE(folder.exists("xten7.dat"));

    auto nothing = open(101);  // no contact text: no record is made
    ASSERT_EQ(nothing.store(), Outcome::Stored);
    EXPECT_EQ(byId(101).extraIndex(), 0);
}

TEST_F(DetailsModel, OpeningAPersonDropsALinkToAContactExtraThatIsNotTheirs) {
    auto babis = open(102);
    babis.email = "babis@example.org";
    ASSERT_EQ(babis.store(), Outcome::Stored);
    ASSERT_TRUE(doc.saveAll(prompts).ok);
    const std::uint16_t record = byId(102).extraIndex();
    auto linkOf = [&](int id) -> PublisherRecord& {
        return doc.publishers[static_cast<std::size_t>(doc.findById(id).value())];
    };
    linkOf(101).setWord(PublisherRecord::kExtraIndex, record);  // Babis's record
    linkOf(103).setWord(PublisherRecord::kExtraIndex, 40);      // beyond the file
    ASSERT_FALSE(doc.isModified());

    for (const int id : {101, 103}) {
        auto model = open(id);
        EXPECT_EQ(model.email, "");
        EXPECT_EQ(byId(id).extraIndex(), 0) << id;
    }
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.emailOf(doc.findById(102).value()), "babis@example.org");
}

TEST_F(DetailsModel, ConsentWritesTheAppointmentOfKindTwentyAndUntickingRemovesIt) {
    auto model = open(101);
    EXPECT_FALSE(model.consent);
    model.consent = true;
    model.consentDate.setMonth(5);
    model.consentDate.setDay(25);
    model.consentDate.setYear(2018);
    ASSERT_EQ(model.store(), Outcome::Stored);
    ASSERT_NE(appointmentOf(101, 20), nullptr);
    EXPECT_EQ(appointmentOf(101, 20)->appointmentText(), "05252018");
    EXPECT_EQ(byId(101).consentGiven(), 1);  // the lists of consent read the record
    EXPECT_EQ(byId(101).consentDate(), "05252018");

    auto again = open(101);
    EXPECT_TRUE(again.consent);
    EXPECT_EQ(again.consentDate.day(), 25);
    again.consent = false;
    ASSERT_EQ(again.store(), Outcome::Stored);
    EXPECT_EQ(appointmentOf(101, 20), nullptr);
    EXPECT_EQ(byId(101).consentGiven(), 0);
}

TEST_F(DetailsModel, ConsentWithoutADateIsStillRecorded) {
    auto model = open(102);
    model.consent = true;
    ASSERT_EQ(model.store(), Outcome::Stored);
    ASSERT_NE(appointmentOf(102, 20), nullptr);
    EXPECT_TRUE(appointmentOf(102, 20)->worthKeeping());
}

// ------------------------------------------------------------------ leaving

TEST_F(DetailsModel, NothingChangedLeavesWithoutAQuestion) {
    // A brother with a privilege and no sex recorded is shown as male: that is no change of the
    // user's, and neither is a name longer than the dialog accepts.
    doc.publishers[static_cast<std::size_t>(doc.findById(102).value())].setByte(
        PublisherRecord::kPrivileges, 0x02);
    doc.publishers[static_cast<std::size_t>(doc.findById(101).value())].setText(
        PublisherRecord::kFirstName, "Anastasia-Maria");
    for (const int id : {0, 101, 102, 103}) {
        auto model = open(id);
        EXPECT_FALSE(model.hasChanges()) << id;
        EXPECT_EQ(model.askBeforeLeaving(), PublisherDetailsModel::Leaving::Close);
    }
    auto student = open(2001, Variant::Student);
    EXPECT_FALSE(student.hasChanges());
    EXPECT_TRUE(prompts.questions.empty());
}

TEST_F(DetailsModel, AChangeAsksTheSaveQuestionBeforeLeaving) {
    using Leaving = PublisherDetailsModel::Leaving;
    auto model = open(103);
    model.phoneHome = "2101234567";
    EXPECT_TRUE(model.hasChanges());
    prompts.answers = {Answer::Yes, Answer::No, Answer::Cancel};
    EXPECT_EQ(model.askBeforeLeaving(), Leaving::Store);
    EXPECT_EQ(model.askBeforeLeaving(), Leaving::Close);
    EXPECT_EQ(model.askBeforeLeaving(), Leaving::Stay);
    ASSERT_EQ(prompts.questions.size(), 3u);
    EXPECT_EQ(prompts.questions[0], "Να αποθηκευτούν οι αλλαγές;");
    EXPECT_EQ(model.phoneHome, "2101234567") << "asking changes nothing";

    // Each kind of change counts; a stored record has none left.
    const auto changedBy = [this](const std::function<void(PublisherDetailsModel&)>& change) {
        auto m = open(103);
        change(m);
        return m.hasChanges();
    };
    EXPECT_TRUE(changedBy([](auto& m) { m.setRegular(false); }));
    EXPECT_TRUE(changedBy([](auto& m) { m.baptism.setYear(2001); }));
    EXPECT_TRUE(changedBy([](auto& m) { m.email = "c@example.org"; }));
    EXPECT_TRUE(changedBy([](auto& m) { m.setGroup(4); }));
    EXPECT_TRUE(changedBy([](auto& m) {
        m.workingExtra().setText(ContactExtra::kFullName, "Konstantinos Christou");
    }));
    EXPECT_TRUE(
        changedBy([](auto& m) { m.working().setWord(PublisherRecord::kEmergencyKey, 12); }));
    EXPECT_FALSE(changedBy([](auto& m) { m.address = "Odos 1"; }));
    ASSERT_EQ(model.store(), Outcome::Stored);
    EXPECT_FALSE(model.hasChanges());
}

// ------------------------------------------------------------------ copy, paste, moving

TEST_F(DetailsModel, CopyRemembersAndPasteBringsAddressPhoneAndGroup) {
    auto source = open(103);
    EXPECT_EQ(source.copyText(), "Αντιγραφή");
    source.phoneHome = "2101234567";
    ASSERT_TRUE(source.copyOrPaste());
    EXPECT_EQ(source.copyText(), "Επικόλληση");
    EXPECT_TRUE(source.clearVisible());

    auto target = open(101);
    ASSERT_TRUE(target.copyOrPaste());
    EXPECT_EQ(target.address, "Odos 1");
    EXPECT_EQ(target.phoneHome, "2101234567");
    EXPECT_EQ(target.group(), 3);
    EXPECT_EQ(byId(101).address(), "");  // nothing stored before OK
    target.forgetRemembered();
    EXPECT_EQ(target.copyText(), "Αντιγραφή");

    auto adding = open(0);
    EXPECT_FALSE(adding.copyVisible());
}

TEST_F(DetailsModel, NextAndPreviousStoreAndWrapAround) {
    auto model = open(103);
    model.phoneWork = "999";
    ASSERT_TRUE(model.next());
    EXPECT_EQ(model.id(), 101);
    EXPECT_EQ(byId(103).phoneWork(), "999");
    ASSERT_TRUE(model.previous());
    EXPECT_EQ(model.id(), 103);
    ASSERT_TRUE(model.previous());
    EXPECT_EQ(model.id(), 102);

    model.setLastName("");
    EXPECT_FALSE(model.next());
    EXPECT_EQ(model.id(), 102);
}

// ------------------------------------------------------------------ adding

TEST_F(DetailsModel, AddingTakesTheFirstFreeIdAndInsertsInOrder) {
    auto model = open(0);
    EXPECT_TRUE(model.adding());
    EXPECT_TRUE(model.statusBeforeStore());
    EXPECT_FALSE(model.previousNextVisible());
    EXPECT_FALSE(model.deleteVisible());
    EXPECT_EQ(model.id(), 100);
    model.setFirstName("Eleni");
    model.setLastName("Bouras");
    model.email = "eleni@example.org";
    ASSERT_EQ(model.store(), Outcome::Stored);
    EXPECT_EQ(lastNames(),
              (std::vector<std::string>{"Alexiou", "Bakas", "Bouras", "Christou", "Dimou"}));
    EXPECT_EQ(byId(100).kind(), kPublisher);
    EXPECT_EQ(doc.emailOf(doc.findById(100).value()), "eleni@example.org");
}

// The privileges dialog of a person being added has no records to write its dates to: they wait
// in the details until the person is stored, and the dialog opened again shows them.
TEST_F(DetailsModel, PrivilegeDatesChosenWhileAddingAreWrittenWithThePerson) {
    auto model = open(0);
    model.setFirstName("Eleni");
    model.setLastName("Bouras");
    model.setMale(true);
    PrivilegesModel dialog(doc, 0, "Eleni Bouras", true, model.privilegeTicks(), kYear,
                           &model.heldPrivilegeDates());
    dialog.setTicked(kElderRow, true);
    dialog.setStart(kElderRow, PrivilegesModel::DatePart::Month, 3);
    dialog.setStart(kElderRow, PrivilegesModel::DatePart::Day, 15);
    dialog.setStart(kElderRow, PrivilegesModel::DatePart::Year, 2010);
    const auto accepted = dialog.accept();
    EXPECT_TRUE(doc.appointments.empty());
    model.takePrivileges(accepted.ticks);
    model.holdPrivilegeDates(accepted.dates);

    const PrivilegesModel again(doc, 0, "Eleni Bouras", true, model.privilegeTicks(), kYear,
                                &model.heldPrivilegeDates());
    EXPECT_EQ(again.start(kElderRow).storedText(), "03152010");

    ASSERT_EQ(model.store(), Outcome::Stored);
    ASSERT_NE(appointmentOf(100, kElderStart), nullptr);
    EXPECT_EQ(appointmentOf(100, kElderStart)->appointmentText().substr(0, 8), "03152010");
    EXPECT_EQ(appointmentOf(100, kServantStart), nullptr) << "blank rows make no record";
}

TEST_F(DetailsModel, AddingTheNameOfAPublisherAsksAndNoGoesBackToTheTyping) {
    const auto before = doc.publishers;
    auto model = open(0);
    model.setFirstName("Babis");
    model.setLastName("Bakas");
    model.email = "x@example.org";
    prompts.answers = {Answer::No};
    EXPECT_EQ(model.store(), Outcome::Refused);
    EXPECT_EQ(prompts.questions.size(), 1u);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), doc.publishers.begin(),
                           doc.publishers.end(),
                           [](const auto& a, const auto& b) { return a.bytes == b.bytes; }));
    EXPECT_FALSE(folder.exists("xten7.dat"));
    // Still adding, with everything typed: another name is stored under the new id.
    EXPECT_TRUE(model.adding());
    EXPECT_EQ(model.firstName, "Babis");
    EXPECT_EQ(model.email, "x@example.org");
    EXPECT_TRUE(model.hasChanges());
    model.setLastName("Bakalis");
    ASSERT_EQ(model.store(), Outcome::Stored);
    EXPECT_EQ(byId(100).lastName(), "Bakalis");
    EXPECT_EQ(doc.emailOf(doc.findById(100).value()), "x@example.org");
}

// Babis Bakas, an elder with every side record a person can have: a full name, an e-mail and
// another contact, a consent and an elder start date. A new person of the same name, typed with a
// mobile number and the elder tick, answered Yes.
TEST_F(DetailsModel, YesToADuplicateKeepsThePersonsContactsConsentAndStartDates) {
    auto babis = open(102);
    babis.workingExtra().setText(ContactExtra::kFullName, "Charalambos Bakas");
    babis.workingExtra().setText(ContactExtra::kOtherContact, "Skype babis");
    babis.email = "babis@example.org";
    babis.consent = true;
    babis.consentDate.setMonth(5);
    babis.consentDate.setDay(25);
    babis.consentDate.setYear(2018);
    ASSERT_EQ(babis.store(), Outcome::Stored);
    doc.appointments.push_back(appointment(102, kElderStart, "01012010"));
    const int extraIndex = byId(102).extraIndex();
    ASSERT_NE(extraIndex, 0);

    prompts.answers = {Answer::Yes};
    auto twin = open(0);
    twin.setFirstName("Babis");
    twin.setLastName("Bakas");
    twin.phoneMobile = "6999000111";
    twin.setElder(true);
    ASSERT_EQ(twin.store(), Outcome::Stored);
    EXPECT_EQ(twin.id(), 102);
    EXPECT_FALSE(doc.findById(100).has_value());

    const int row = doc.findById(102).value();
    EXPECT_EQ(byId(102).phoneMobile(), "6999000111");
    EXPECT_EQ(byId(102).extraIndex(), extraIndex);
    const auto extra = doc.contactExtraOf(row);
    ASSERT_TRUE(extra);
    EXPECT_EQ(extra->presence(), 0x07);
    EXPECT_EQ(extra->fullName(), "Charalambos Bakas");
    EXPECT_EQ(extra->email(), "babis@example.org");
    EXPECT_EQ(extra->otherContact(), "Skype babis");
    EXPECT_EQ(doc.contactExtraKeys[static_cast<std::size_t>(extraIndex)].presence, 0x07);
    ASSERT_NE(appointmentOf(102, kConsentKind), nullptr);
    EXPECT_EQ(appointmentOf(102, kConsentKind)->appointmentText(), "05252018");
    EXPECT_EQ(byId(102).consentGiven(), 1);
    EXPECT_EQ(byId(102).consentDate(), "05252018");
    ASSERT_NE(appointmentOf(102, kElderStart), nullptr);
    EXPECT_EQ(appointmentOf(102, kElderStart)->appointmentText(), "01012010")
        << "he was an elder already: the tick was not set here";

    // What is typed wins; a consent ticked without a date keeps the person's date.
    prompts.answers = {Answer::Yes};
    auto again = open(0);
    again.setFirstName("Babis");
    again.setLastName("Bakas");
    again.email = "new@example.org";
    again.consent = true;
    ASSERT_EQ(again.store(), Outcome::Stored);
    const auto merged = doc.contactExtraOf(doc.findById(102).value());
    ASSERT_TRUE(merged);
    EXPECT_EQ(merged->email(), "new@example.org");
    EXPECT_EQ(merged->fullName(), "Charalambos Bakas");
    EXPECT_EQ(appointmentOf(102, kConsentKind)->appointmentText(), "05252018");
    EXPECT_EQ(byId(102).extraIndex(), extraIndex);
}

TEST_F(DetailsModel, AddingTheNameOfAStudentIsAllowed) {
    auto model = open(0);
    model.setFirstName("Dora");
    model.setLastName("Dimou");
    ASSERT_EQ(model.store(), Outcome::Stored);
    EXPECT_TRUE(prompts.questions.empty());
    EXPECT_EQ(doc.recordCount(), 6);
}

TEST_F(DetailsModel, AFullTableIsToldBeforeAnythingIsTyped) {
    EXPECT_TRUE(PublisherDetailsModel::roomForNewPerson(doc, prompts));
    while (doc.publishers.size() < CZelvoDoc::kMaxRows)
        doc.publishers.push_back(
            test::person(static_cast<std::uint16_t>(3000 + doc.publishers.size()), "X", "Y"));
    EXPECT_FALSE(PublisherDetailsModel::roomForNewPerson(doc, prompts));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_NE(prompts.messages[0].find("1.509"), std::string::npos);
}

// ------------------------------------------------------------------ a new head's household

class NewHead : public DetailsModel {
protected:
    // A new person typed as `first last`, ticked head of family, with `member` chosen in the
    // household dialog.
    PublisherDetailsModel newHead(const char* first, const char* last, int member) {
        auto model = open(0);
        model.setFirstName(first);
        model.setLastName(last);
        model.setHeadOfFamily(true);
        HouseholdModel household(doc, model.working(), model.row(), &model.newMembers());
        household.addMember(doc, doc.findById(member).value());
        return model;
    }
};

TEST_F(NewHead, MembersAreLinkedWhenTheHeadIsStored) {
    auto model = newHead("Eleni", "Bouras", 103);
    EXPECT_EQ(byId(103).householdKey(), 0);
    EXPECT_FALSE(model.headOfFamilyEnabled()) << "a head with members stays one";
    ASSERT_EQ(model.store(), Outcome::Stored);
    EXPECT_EQ(byId(103).householdKey(), 100);
    EXPECT_TRUE(model.newMembers().empty());
}

TEST_F(NewHead, CancelledDetailsLeaveNoMemberForTheNextNewPerson) {
    { auto cancelled = newHead("Eleni", "Bouras", 103); }
    EXPECT_EQ(byId(103).householdKey(), 0);
    auto next = open(0);
    EXPECT_EQ(next.id(), 100) << "the id is given again";
    next.setFirstName("Zoe");
    next.setLastName("Zeta");
    ASSERT_EQ(next.store(), Outcome::Stored);
    EXPECT_EQ(byId(103).householdKey(), 0);
}

TEST_F(NewHead, ADuplicateAnsweredNoLinksNobodyAndYesLinksToThePersonReplaced) {
    prompts.answers = {Answer::No};
    auto no = newHead("Babis", "Bakas", 103);
    EXPECT_EQ(no.store(), Outcome::Refused);
    EXPECT_EQ(byId(103).householdKey(), 0);

    prompts.answers = {Answer::Yes};
    auto yes = newHead("Babis", "Bakas", 103);
    ASSERT_EQ(yes.store(), Outcome::Stored);
    EXPECT_FALSE(doc.findById(100).has_value());
    EXPECT_EQ(byId(103).householdKey(), 102) << "the id the head ended up with";
    EXPECT_NE(byId(102).privileges() & privilege::kHeadOfFamily, 0);
}

// ------------------------------------------------------------------ students

TEST_F(DetailsModel, StudentVariant) {
    auto model = open(2001, Variant::Student);
    EXPECT_EQ(model.title(), "Επεξεργασία Σπουδαστή");
    EXPECT_FALSE(model.publisherControlsVisible());
    EXPECT_FALSE(model.statusVisible());
    EXPECT_FALSE(model.copyVisible());
    EXPECT_TRUE(model.deleteVisible());
    EXPECT_EQ(model.conductorLine(), "");
    EXPECT_EQ(model.conductorButtonText(), "Επέλεξε Οδηγό Γραφικής Μελέτης");

    model.setConductor(doc.findById(102).value());
    EXPECT_EQ(model.conductorLine(), "Οδηγός Γραφικής Μελέτης: Babis Bakas");
    EXPECT_EQ(model.conductorButtonText(), "Διαγραφή Οδηγού Γραφικής Μελέτης");
    ASSERT_EQ(model.store(), Outcome::Stored);
    EXPECT_EQ(byId(2001).conductor(), "Babis Bakas");
    EXPECT_EQ(byId(2001).kind(), kNonPublisher);
    model.clearConductor();
    ASSERT_EQ(model.store(), Outcome::Stored);
    EXPECT_EQ(byId(2001).conductor(), "");
}

TEST_F(DetailsModel, AStudentNeedsALastNameOfTwoCharacters) {
    auto model = open(0, Variant::Student);
    EXPECT_EQ(model.id(), 2000);
    model.setLastName("K");
    EXPECT_EQ(model.store(), Outcome::Refused);
    model.setLastName("Ka");
    ASSERT_EQ(model.store(), Outcome::Stored);
    EXPECT_EQ(byId(2000).kind(), kNonPublisher);
}

TEST_F(DetailsModel, DeletingAStudentAsksFirst) {
    auto model = open(2001, Variant::Student);
    prompts.answers = {Answer::No, Answer::Yes};
    EXPECT_FALSE(model.deleteStudent());
    EXPECT_TRUE(doc.findById(2001).has_value());
    EXPECT_TRUE(model.deleteStudent());
    EXPECT_FALSE(doc.findById(2001).has_value());
    ASSERT_EQ(prompts.questions.size(), 2u);
    EXPECT_EQ(prompts.questions[0], "Θέλεις αλήθεια να διαγράψεις Dora Dimou;");
}

}  // namespace
}  // namespace zelvo::records

// ------------------------------------------------------------------ inactive and deleted people

namespace zelvo::records {
namespace {

TEST_F(DetailsModel, AnInactivePersonKeepsTheMonthAndYearAndTheExclusionTick) {
    PublisherRecord& babis = doc.publishers[static_cast<std::size_t>(doc.findById(102).value())];
    babis.setKind(kInactive);
    babis.setByte(PublisherRecord::kStatusFlags, 0x70);
    babis.setByte(PublisherRecord::kStatusFlags2, 23);
    babis.setByte(PublisherRecord::kPrivileges, kElderMale | privilege::kCustomCategory);
    auto model = open(102, Variant::Inactive);
    EXPECT_FALSE(model.privilegeTicksVisible() || model.pioneerTicksVisible() ||
                 model.statusVisible() || model.privilegesVisible() || model.deleteVisible() ||
                 model.previousNextVisible());
    EXPECT_TRUE(model.publisherControlsVisible()) << "the dates stay";
    EXPECT_TRUE(model.groupVisible() && model.emergencyContactVisible());
    EXPECT_TRUE(model.customCategoryVisible());
    EXPECT_EQ(model.customCategoryText(), "Αποκλείστε από την Λίστα του Ομίλου Υπηρεσίας Αγρού");
    EXPECT_FALSE(model.customCategory) << "the custom category is not this tick";
    EXPECT_TRUE(model.statusGroupVisible());
    EXPECT_EQ(model.statusGroupCaption(), "Αδράνησαν");
    EXPECT_EQ(model.statusMonth, 7);
    EXPECT_EQ(model.statusYear, 2023);
    EXPECT_FALSE(model.hasChanges());

    model.customCategory = true;
    model.statusMonth = 12;
    model.statusYear = 1999;
    ASSERT_EQ(model.store(), Outcome::Stored);
    EXPECT_EQ(int{byId(102).statusFlags()}, 0xC0);
    EXPECT_EQ(int{byId(102).statusFlags2()}, 255);
    EXPECT_EQ(int{byId(102).privileges()},
              kElderMale | privilege::kCustomCategory | privilege::kLeftOutOfGroupLists);
    EXPECT_EQ(byId(102).kind(), kInactive);
}

TEST_F(DetailsModel, ADeletedPersonKeepsTheDeletionDateAndShowsLess) {
    PublisherRecord& anna = doc.publishers[static_cast<std::size_t>(doc.findById(101).value())];
    anna.setKind(kDeleted);
    anna.setWord(PublisherRecord::kStatusSince, (74 << 8) | 3);
    anna.setByte(PublisherRecord::kPrivileges, 0x40 | privilege::kLeftOutOfGroupLists);
    auto model = open(101, Variant::Deleted);
    for (const bool shown :
         {model.householdVisible(), model.copyVisible(), model.emergencyContactVisible(),
          model.specialNeedsVisible(), model.groupVisible(), model.headOfFamilyVisible(),
          model.customCategoryVisible(), model.statusVisible(), model.deleteVisible()})
        EXPECT_FALSE(shown);
    EXPECT_EQ(model.statusGroupCaption(), " Διεγράφη ");
    EXPECT_EQ(model.statusMonth, 3);
    EXPECT_EQ(model.statusYear, 2024);
    EXPECT_EQ(model.statusMonthEntries().size(), 13u);
    EXPECT_EQ(model.statusYearEntries().back(), kYear);

    model.statusMonth = 0;
    model.statusYear = 2025;
    ASSERT_EQ(model.store(), Outcome::Stored);
    EXPECT_EQ(byId(101).statusSince(), 75 << 8);
    EXPECT_EQ(int{byId(101).privileges()}, 0x40 | privilege::kLeftOutOfGroupLists);
}

TEST_F(DetailsModel, RemovingAPublisherRunsTheRemovalOrTellsItsRefusal) {
    auto model = open(101);
    EXPECT_TRUE(model.deleteVisible());
    RemovalModel removal(doc, model.row(), kYear);
    removal.temporary = true;
    for (int i = 0; i < 299; ++i)
        doc.publishers.push_back(
            test::person(static_cast<std::uint16_t>(3000 + i), "X", "Zeta", kDeleted));
    EXPECT_FALSE(model.removePublisher(removal));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0], "Η λίστα «Διαγραμμένα» είναι γεμάτη (299 άτομα).");
    EXPECT_EQ(byId(101).kind(), kPublisher);

    doc.publishers.pop_back();
    EXPECT_TRUE(model.removePublisher(removal));
    EXPECT_EQ(byId(101).kind(), kDeleted);
    EXPECT_EQ(byId(101).statusSince(), (76 << 8) | 11) << "November 2026, the report month";
    EXPECT_TRUE(model.changedSomething());
}

}  // namespace
}  // namespace zelvo::records
