// The full name and special need dialog's rules: what counts as a need, sharing one need,
// detaching, the free slots of spneed.dat, and the full name and other contact going into the
// contact extra's working copy.
#include <gtest/gtest.h>

#include "contact_fixture.h"
#include "records/shared_records.h"
#include "records/need_model.h"
#include "resources/strings.h"

namespace zelvo {
namespace {

using test::kFourth;
using test::kHead;
using test::kMember;
using test::kOther;
using test::need;
using Outcome = SpecialNeedModel::Outcome;

class SpecialNeedTest : public test::ContactFixture {
protected:
    SpecialNeedModel modelFor(std::uint16_t id) {
        working = person(id);
        return SpecialNeedModel(*doc, working, extra, rowOf(id));
    }
    PublisherRecord working;
    ContactExtra extra;
};

TEST_F(SpecialNeedTest, ANeedOfThreeCharactersIsNoneAndOneOfFourIsStored) {
    open({{kHead, 0, 20}}, {}, {need(20, "Αναπηρικό αμαξίδιο")});
    const auto before = folder.read(files::kSpecialNeeds);

    SpecialNeedModel three = modelFor(kOther);
    three.setText(SpecialNeedModel::Need, " Ακο ");
    EXPECT_EQ(three.accept(working, extra, prompts), Outcome::Accepted);
    EXPECT_EQ(working.specialNeedsKey(), 0);
    EXPECT_EQ(folder.read(files::kSpecialNeeds), before);

    SpecialNeedModel four = modelFor(kOther);
    four.setText(SpecialNeedModel::Need, "Ακοή");
    ASSERT_EQ(four.accept(working, extra, prompts), Outcome::Accepted);
    EXPECT_EQ(working.specialNeedsKey(), 10);
    const auto file = needFile();
    ASSERT_EQ(file.size(), 2u);
    EXPECT_EQ(file[0], need(20, "Αναπηρικό αμαξίδιο"));
    EXPECT_EQ(file[1], need(10, "Ακοή"));
}

TEST_F(SpecialNeedTest, ASharedNeedIsRewrittenInPlaceForEveryoneSharingIt) {
    open({{kHead, 0, 20}, {kOther, 0, 21}}, {},
         {need(20, "Αναπηρικό αμαξίδιο"), need(21, "Δίαιτα χωρίς αλάτι")});
    SpecialNeedModel member = modelFor(kMember);
    EXPECT_TRUE(member.canUseShared());
    const SharedRecordChoice choice = member.sharedChoice();
    EXPECT_EQ(choice.title, res::kSharedNeedsTitle);
    ASSERT_EQ(choice.entries.size(), 2u);
    EXPECT_EQ(choice.preselected, -1);
    member.useShared(choice.entries[0].key);
    EXPECT_TRUE(member.shared());
    ASSERT_EQ(member.accept(working, extra, prompts), Outcome::Accepted);
    EXPECT_EQ(working.specialNeedsKey(), 20);
    store(kMember, working);

    SpecialNeedModel head = modelFor(kHead);
    EXPECT_TRUE(head.shared());
    head.setText(SpecialNeedModel::Need, "Αμαξίδιο και ράμπα");
    ASSERT_EQ(head.accept(working, extra, prompts), Outcome::Accepted);
    EXPECT_EQ(working.specialNeedsKey(), 20);
    const auto file = needFile();
    ASSERT_EQ(file.size(), 2u);
    EXPECT_EQ(file[0], need(20, "Αμαξίδιο και ράμπα"));
    EXPECT_EQ(modelFor(kMember).text(SpecialNeedModel::Need), "Αμαξίδιο και ράμπα");
}

TEST_F(SpecialNeedTest, EndingOnesSharedNeedLeavesItForTheOthers) {
    open({{kHead, 0, 20}, {kMember, 0, 20}}, {}, {need(20, "Αναπηρικό αμαξίδιο")});
    const auto before = folder.read(files::kSpecialNeeds);

    SpecialNeedModel cleared = modelFor(kMember);
    cleared.stopUsing();
    EXPECT_EQ(cleared.key(), 0);
    EXPECT_FALSE(cleared.shared());
    EXPECT_EQ(cleared.text(SpecialNeedModel::Need), "");
    ASSERT_EQ(cleared.accept(working, extra, prompts), Outcome::Accepted);
    EXPECT_EQ(working.specialNeedsKey(), 0);

    // Emptying the text of a shared need unlinks only this person too, instead of wiping the
    // need of the whole household.
    SpecialNeedModel emptied = modelFor(kHead);
    emptied.setText(SpecialNeedModel::Need, "");
    ASSERT_EQ(emptied.accept(working, extra, prompts), Outcome::Accepted);
    EXPECT_EQ(working.specialNeedsKey(), 0);
    EXPECT_EQ(folder.read(files::kSpecialNeeds), before);
}

TEST_F(SpecialNeedTest, ANewNeedTakesTheFirstFreeSlotOfTheFile) {
    // 30 is nobody's: its place in the key list is free, and the file keeps it until reused.
    open({{kHead, 0, 20}, {kOther, 0, 22}}, {},
         {need(20, "Αναπηρικό αμαξίδιο"), need(30, "Παλιά ανάγκη"), need(22, "Δίαιτα")});
    SpecialNeedModel model = modelFor(kFourth);
    model.setText(SpecialNeedModel::Need, "Βαρηκοΐα");
    ASSERT_EQ(model.accept(working, extra, prompts), Outcome::Accepted);
    EXPECT_EQ(working.specialNeedsKey(), 10);
    const auto file = needFile();
    ASSERT_EQ(file.size(), 3u);
    EXPECT_EQ(file[0], need(20, "Αναπηρικό αμαξίδιο"));
    EXPECT_EQ(file[1], need(10, "Βαρηκοΐα"));
    EXPECT_EQ(file[2], need(22, "Δίαιτα"));
}

TEST_F(SpecialNeedTest, TheSharedButtonNeedsMoreThanOneNeedToChooseFrom) {
    open({{kHead, 0, 20}, {kOther, 0, 21}}, {}, {need(20, "Ακοή"), need(21, "Όχι")});
    const SharedRecordChoice choice = modelFor(kMember).sharedChoice();
    ASSERT_EQ(choice.entries.size(), 1u);  // a need of three letters is none
    EXPECT_EQ(choice.entries[0].label, "Ακοή");
    EXPECT_FALSE(modelFor(kMember).canUseShared());
}

TEST_F(SpecialNeedTest, FullNameAndOtherContactGoToTheContactExtra) {
    open({}, {}, {});
    extra.setText(ContactExtra::kEmail, "a@b.gr");
    SpecialNeedModel model = modelFor(kOther);
    EXPECT_EQ(model.title(), "Carl Gamma");
    model.setText(SpecialNeedModel::FullName, " Γάμμας Κάρολος   ");
    model.setText(SpecialNeedModel::OtherContact, "Fax 2310 000000  ");
    EXPECT_EQ(SpecialNeedModel::maxLength(SpecialNeedModel::FullName), 60);
    model.setText(SpecialNeedModel::Need, "");
    const auto before = folder.snapshot();
    ASSERT_EQ(model.accept(working, extra, prompts), Outcome::Accepted);
    EXPECT_EQ(extra.fullName(), cp1253::fromUtf8(" Γάμμας Κάρολος"));
    EXPECT_EQ(extra.otherContact(), "Fax 2310 000000");
    EXPECT_EQ(extra.email(), "a@b.gr");
    EXPECT_EQ(working.specialNeedsKey(), 0);
    EXPECT_EQ(folder.snapshot(), before);  // the extra is stored with the details
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(SpecialNeedTest, AFullNameTheFileCannotHoldIsRepairedAndTheUserTold) {
    open({}, {}, {});
    SpecialNeedModel model = modelFor(kOther);
    // A capital Mu first would end the text in the shifted file form.
    model.setText(SpecialNeedModel::FullName, "Μαρία");
    ASSERT_EQ(model.accept(working, extra, prompts), Outcome::Accepted);
    EXPECT_EQ(cp1253::toUtf8(extra.fullName()), "μαρία");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0], res::format(res::kProblemRepairedText, "Μαρία", "μαρία"));
}

TEST_F(SpecialNeedTest, AFailedWriteKeepsEverythingAsItWas) {
    open({}, {}, {});
    blockFile(files::kSpecialNeeds);
    SpecialNeedModel model = modelFor(kOther);
    model.setText(SpecialNeedModel::FullName, "Κάρολος");
    model.setText(SpecialNeedModel::Need, "Αναπηρικό αμαξίδιο");
    EXPECT_EQ(model.accept(working, extra, prompts), Outcome::NotWritten);
    EXPECT_EQ(working.specialNeedsKey(), 0);
    EXPECT_EQ(extra.fullName(), "");
    EXPECT_TRUE(doc->specialNeedRecords.empty());
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_NE(prompts.messages[0].find("spneed.dat"), std::string::npos);
}

}  // namespace
}  // namespace zelvo
