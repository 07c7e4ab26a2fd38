// The emergency contact dialog's rules: sharing one record in a household, detaching, the OK
// rules and the allocation of keys and slots, with the file checked byte for byte each time.
#include <gtest/gtest.h>

#include "contact_fixture.h"
#include "records/emergency_contact_model.h"
#include "records/shared_records.h"
#include "resources/strings.h"

namespace zelvo {
namespace {

using test::contact;
using test::kFourth;
using test::kHead;
using test::kMember;
using test::kOther;
using Outcome = EmergencyContactModel::Outcome;

class EmergencyContactTest : public test::ContactFixture {
protected:
    EmergencyContactModel modelFor(std::uint16_t id) {
        working = person(id);
        return EmergencyContactModel(*doc, working, rowOf(id));
    }
    PublisherRecord working;
};

TEST_F(EmergencyContactTest, HouseholdMembersShareOneRecordAndSeeEachOthersEdits) {
    open({{kHead, 10, 0}, {kOther, 11, 0}},
         {contact(10, "Νίκος Παππάς", "6900000001"), contact(11, "Ελένη Ράλλη")}, {});

    // The member has none yet; the chooser preselects the household head's contact.
    EmergencyContactModel member = modelFor(kMember);
    EXPECT_FALSE(member.shared());
    const SharedRecordChoice choice = member.existingChoice();
    ASSERT_EQ(choice.entries.size(), 2u);
    EXPECT_EQ(choice.title, res::kEmergencyChooserTitle);
    ASSERT_EQ(choice.preselected, 0);
    member.useExisting(choice.entries[0].key);
    EXPECT_TRUE(member.shared());
    EXPECT_EQ(member.text(EmergencyContactModel::Name), "Νίκος Παππάς");
    const auto before = folder.read(files::kEmergency);
    EXPECT_EQ(member.accept(working, prompts), Outcome::Accepted);
    EXPECT_EQ(working.emergencyKey(), 10);
    EXPECT_EQ(folder.read(files::kEmergency), before);  // chosen as it stands: nothing written
    store(kMember, working);

    // The member changes the phone: the one record changes, for the head too.
    EmergencyContactModel again = modelFor(kMember);
    EXPECT_TRUE(again.shared());
    again.setText(EmergencyContactModel::PhoneMobile, "6911111111");
    ASSERT_EQ(again.accept(working, prompts), Outcome::Accepted);
    EXPECT_EQ(working.emergencyKey(), 10);
    const auto file = contactFile();
    ASSERT_EQ(file.size(), 2u);
    EXPECT_EQ(file[0].key(), 10);
    EXPECT_EQ(file[0].text(EmergencyContact::kPhoneMobile), "6911111111");
    EXPECT_EQ(file[1], contact(11, "Ελένη Ράλλη"));

    EmergencyContactModel head = modelFor(kHead);
    EXPECT_TRUE(head.shared());
    EXPECT_EQ(head.text(EmergencyContactModel::PhoneMobile), "6911111111");
    EXPECT_EQ(personsUsingKey(*doc, SharedFile::Emergency, 10), 2);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(EmergencyContactTest, ClearingASharedNameUnlinksOnlyThatPerson) {
    open({{kHead, 10, 0}, {kMember, 10, 0}}, {contact(10, "Νίκος Παππάς")}, {});
    const auto before = folder.read(files::kEmergency);
    EmergencyContactModel member = modelFor(kMember);
    member.setText(EmergencyContactModel::Name, "   ");
    EXPECT_EQ(member.accept(working, prompts), Outcome::Accepted);
    EXPECT_EQ(working.emergencyKey(), 0);
    EXPECT_EQ(person(kHead).emergencyKey(), 10);
    EXPECT_EQ(folder.read(files::kEmergency), before);
    EXPECT_EQ(doc->readEmergency(10), contact(10, "Νίκος Παππάς"));
}

TEST_F(EmergencyContactTest, StoppingTheUseOfASharedContact) {
    open({{kHead, 10, 0}, {kMember, 10, 0}}, {contact(10, "Νίκος Παππάς", "6900000001")}, {});
    const auto before = folder.read(files::kEmergency);

    // Cancel: still the shared record.
    EmergencyContactModel cancel = modelFor(kMember);
    prompts.answers = {Answer::Cancel};
    cancel.stopUsing(prompts);
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(prompts.questions[0], res::kClearFields);
    EXPECT_EQ(cancel.key(), 10);
    EXPECT_TRUE(cancel.shared());

    // Yes: detached and cleared, so OK leaves the person without a contact.
    EmergencyContactModel yes = modelFor(kMember);
    prompts.answers = {Answer::Yes};
    yes.stopUsing(prompts);
    EXPECT_EQ(yes.key(), 0);
    EXPECT_FALSE(yes.shared());
    EXPECT_EQ(yes.text(EmergencyContactModel::Name), "");
    EXPECT_EQ(yes.text(EmergencyContactModel::PhoneMobile), "");
    EXPECT_EQ(yes.accept(working, prompts), Outcome::Accepted);
    EXPECT_EQ(working.emergencyKey(), 0);
    EXPECT_EQ(folder.read(files::kEmergency), before);

    // No: the fields stay and become a record of the member's own.
    EmergencyContactModel no = modelFor(kMember);
    prompts.answers = {Answer::No};
    no.stopUsing(prompts);
    EXPECT_EQ(no.key(), 0);
    EXPECT_EQ(no.text(EmergencyContactModel::Name), "Νίκος Παππάς");
    no.setText(EmergencyContactModel::PhoneHome, "2310123456");
    ASSERT_EQ(no.accept(working, prompts), Outcome::Accepted);
    EXPECT_EQ(working.emergencyKey(), 11);
    const auto file = contactFile();
    ASSERT_EQ(file.size(), 2u);
    EXPECT_EQ(file[0], contact(10, "Νίκος Παππάς", "6900000001"));
    EXPECT_EQ(file[1].key(), 11);
    EXPECT_EQ(file[1].text(EmergencyContact::kName), cp1253::fromUtf8("Νίκος Παππάς"));
    EXPECT_EQ(file[1].text(EmergencyContact::kPhoneHome), "2310123456");
}

TEST_F(EmergencyContactTest, ANewContactNeedsANameOfTwoCharacters) {
    open({{kHead, 10, 0}}, {contact(10, "Νίκος Παππάς")}, {});
    const auto before = folder.read(files::kEmergency);
    EmergencyContactModel model = modelFor(kOther);
    model.setText(EmergencyContactModel::Name, " Ν ");
    EXPECT_EQ(model.accept(working, prompts), Outcome::FocusName);
    EXPECT_EQ(working.emergencyKey(), 0);
    EXPECT_EQ(folder.read(files::kEmergency), before);

    model.setText(EmergencyContactModel::Name, "  Νε  ");
    model.setWitness(true);
    ASSERT_EQ(model.accept(working, prompts), Outcome::Accepted);
    EXPECT_EQ(working.emergencyKey(), 11);
    const auto file = contactFile();
    ASSERT_EQ(file.size(), 2u);
    EmergencyContact expected = contact(11, "Νε");
    expected.bytes[EmergencyContact::kWitness] = 1;
    EXPECT_EQ(file[1], expected);
}

TEST_F(EmergencyContactTest, UnchangedWritesNothingAndKeepsTheKey) {
    open({{kHead, 10, 0}}, {contact(10, "Νίκος Παππάς")}, {});
    const auto before = folder.snapshot();
    EmergencyContactModel model = modelFor(kHead);
    EXPECT_FALSE(model.shared());
    EXPECT_EQ(model.title(), "Anna Alpha");
    EXPECT_EQ(model.accept(working, prompts), Outcome::Accepted);
    EXPECT_EQ(working.emergencyKey(), 10);
    EXPECT_EQ(folder.snapshot(), before);
}

TEST_F(EmergencyContactTest, TheExistingContactButtonNeedsMoreThanOneToChooseFrom) {
    open({{kHead, 10, 0}}, {contact(10, "Νίκος Παππάς")}, {});
    EXPECT_FALSE(modelFor(kOther).canUseExisting());

    // Names are listed trimmed, and a record without a name is not offered.
    open({{kHead, 10, 0}, {kOther, 11, 0}, {kFourth, 12, 0}},
         {contact(10, "  Νίκος  "), contact(11, "   "), contact(12, "Ελένη")}, {});
    EmergencyContactModel model = modelFor(kOther);
    EXPECT_TRUE(model.canUseExisting());
    const SharedRecordChoice choice = model.existingChoice();
    ASSERT_EQ(choice.entries.size(), 2u);
    EXPECT_EQ(choice.entries[0].label, "Νίκος");
    EXPECT_EQ(choice.entries[1].key, 12);
    EXPECT_EQ(choice.preselected, -1);  // not in a household
}

TEST_F(EmergencyContactTest, NewKeysFillTheHolesOfTheKeyListAndSkipKeysPeopleHold) {
    // Keys 10 and 12 are in the file; 11 is free; 13 is held by a person although no record of
    // it was kept.
    open({{kHead, 10, 0}, {kMember, 12, 0}, {kOther, 13, 0}},
         {contact(10, "Άλφα"), contact(12, "Γάμμα")}, {});
    ASSERT_EQ(doc->emergencyKeys.size(), 2u);
    EmergencyContactModel first = modelFor(kFourth);
    first.setText(EmergencyContactModel::Name, "Δέλτα");
    ASSERT_EQ(first.accept(working, prompts), Outcome::Accepted);
    EXPECT_EQ(working.emergencyKey(), 11);
    store(kFourth, working);

    PublisherRecord added = test::person(0, "New", "Person");  // a person being added: row 0
    EmergencyContactModel second(*doc, added, 0);
    second.setText(EmergencyContactModel::Name, "Έψιλον");
    ASSERT_EQ(second.accept(added, prompts), Outcome::Accepted);
    EXPECT_EQ(added.emergencyKey(), 14);

    const auto file = contactFile();
    ASSERT_EQ(file.size(), 4u);
    EXPECT_EQ(file[2].key(), 11);
    EXPECT_EQ(file[3].key(), 14);
    EXPECT_EQ(doc->readEmergency(14).text(EmergencyContact::kName), cp1253::fromUtf8("Έψιλον"));
}

TEST_F(EmergencyContactTest, AFailedWriteLeavesTheKeyUnsetAndSaysSo) {
    open({{kHead, 10, 0}}, {contact(10, "Νίκος Παππάς")}, {});
    blockFile(files::kEmergency);

    EmergencyContactModel fresh = modelFor(kOther);
    fresh.setText(EmergencyContactModel::Name, "Ελένη");
    EXPECT_EQ(fresh.accept(working, prompts), Outcome::NotWritten);
    EXPECT_EQ(working.emergencyKey(), 0);
    EXPECT_EQ(doc->emergencyRecords.size(), 1u);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_NE(prompts.messages[0].find("emerg.dat"), std::string::npos);
    EXPECT_NE(prompts.messages[0].find("δεν αποθηκεύτηκε"), std::string::npos);

    EmergencyContactModel edit = modelFor(kHead);
    edit.setText(EmergencyContactModel::PhoneWork, "210");
    EXPECT_EQ(edit.accept(working, prompts), Outcome::NotWritten);
    EXPECT_EQ(doc->readEmergency(10), contact(10, "Νίκος Παππάς"));
    EXPECT_EQ(prompts.messages.size(), 2u);
}

TEST_F(EmergencyContactTest, AFullFileIsNamedAsFull) {
    open({{kHead, 10, 0}}, {contact(10, "Νίκος Παππάς")}, {});
    while (doc->emergencyRecords.size() < CZelvoDoc::kMaxEmergency) {
        const auto key = static_cast<std::uint16_t>(10 + doc->emergencyRecords.size());
        doc->emergencyKeys.push_back(
            {key, static_cast<std::uint16_t>(doc->emergencyRecords.size())});
        doc->emergencyRecords.push_back(contact(key, "X"));
    }
    EmergencyContactModel model = modelFor(kOther);
    model.setText(EmergencyContactModel::Name, "Ελένη");
    EXPECT_EQ(model.accept(working, prompts), Outcome::NotWritten);
    EXPECT_EQ(working.emergencyKey(), 0);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_NE(prompts.messages[0].find("1000"), std::string::npos);
}

}  // namespace
}  // namespace zelvo
