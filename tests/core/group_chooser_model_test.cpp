// Group captions and the two group choosers: the publisher's (members, overseer, place) and the
// task's (captions of the groups in use and the two printing buttons).
#include <gtest/gtest.h>

#include "records/group_caption.h"
#include "records/group_chooser_model.h"
#include "store/cp1253.h"
#include "test_folder.h"

namespace zelvo {
namespace {

using Action = TaskGroupChoice::Action;

class GroupChooserTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::openDoc(doc, folder, {2025, 3, 10}).ok);
        // Group 2: two active publishers, an inactive one and a student, who are no members.
        std::vector<PublisherRecord> people = {
            member(120, "Zoe", "Zeta", 2), member(121, "Alex", "Beta", 2),
            member(122, "Ivan", "Iota", 2, kInactive),
            member(123, "Sam", "Sigma", 2, kNonPublisher), member(124, "Theo", "Theta", 3)};
        test::addPeople(doc, people);
        doc.sortRows();
        doc.buildIndexes();
        setGroup(1, "Άγγελος Αγγέλου", "Αίθουσα", "", false);
        setGroup(2, "Βασίλης Βασιλείου", "Οικία Βήτα", "Βόρειος", true);
        setGroup(3, "", "", "", false);
        doc.groups.setGroupCount(3);
    }
    static PublisherRecord member(std::uint16_t id, std::string_view first, std::string_view last,
                                  int group, std::uint8_t kind = kPublisher) {
        PublisherRecord r = test::person(id, first, last, kind);
        r.setByte(PublisherRecord::kGroupNumber, static_cast<std::uint8_t>(group));
        return r;
    }
    void setGroup(int n, std::string_view overseer, std::string_view place, std::string_view label,
                  bool useLabel) {
        doc.groups.setText(ServiceGroupTable::overseerField(n), cp1253::fromUtf8(overseer));
        doc.groups.setText(ServiceGroupTable::placeField(n), cp1253::fromUtf8(place));
        doc.groups.setText(ServiceGroupTable::labelNameField(n), cp1253::fromUtf8(label));
        doc.groups.setUseLabel(n, useLabel ? 1 : 0);
    }

    test::TestFolder folder;
    CZelvoDoc doc;
};

TEST_F(GroupChooserTest, CaptionIsTheLabelNameOnlyWhenItIsUsedAndLongerThanOneCharacter) {
    EXPECT_EQ(groupCaption(doc.groups, 1), "Όμιλος # 1");
    EXPECT_EQ(groupCaption(doc.groups, 2), "Βόρειος");
    setGroup(2, "Βασίλης Βασιλείου", "Οικία Βήτα", "Β", true);
    EXPECT_EQ(groupCaption(doc.groups, 2), "Όμιλος # 2");
    setGroup(2, "Βασίλης Βασιλείου", "Οικία Βήτα", "Βόρειος", false);
    EXPECT_EQ(groupCaption(doc.groups, 2), "Όμιλος # 2");
    EXPECT_EQ(groupCaption(doc.groups, 20), "Όμιλος # 20");
}

TEST_F(GroupChooserTest, PublisherChooserShowsTheSelectedGroup) {
    const auto entries = PublisherGroupChooserModel::entries();
    ASSERT_EQ(entries.size(), 20u);
    EXPECT_EQ(entries.front(), "01");
    EXPECT_EQ(entries.back(), "20");

    PublisherGroupChooserModel model(doc, 2);
    EXPECT_EQ(model.selected(), 2);
    EXPECT_TRUE(model.canAccept());
    EXPECT_EQ(model.caption(), "Βόρειος");
    EXPECT_EQ(model.members(), (std::vector<std::string>{"Alex Beta", "Zoe Zeta"}));
    EXPECT_EQ(model.overseerLine(), "Επίσκοπος: Βασίλης Βασιλείου");
    EXPECT_EQ(model.place(), "Οικία Βήτα");

    // A group without an overseer shows no overseer line; one beyond the count still lists.
    model.select(3);
    EXPECT_EQ(model.caption(), "Όμιλος # 3");
    EXPECT_EQ(model.members(), std::vector<std::string>{"Theo Theta"});
    EXPECT_EQ(model.overseerLine(), "");
    model.select(7);
    EXPECT_TRUE(model.members().empty());
}

TEST_F(GroupChooserTest, PublisherChooserPresetsNothingForNoGroupOrOneAbove20) {
    for (const int current : {0, 21, 255}) {
        PublisherGroupChooserModel model(doc, current);
        EXPECT_EQ(model.selected(), 0) << current;
        EXPECT_FALSE(model.canAccept());
        EXPECT_EQ(model.caption(), "Μέλη Ομίλου");
        EXPECT_TRUE(model.members().empty());
        EXPECT_EQ(model.overseerLine(), "");
        EXPECT_EQ(model.place(), "");
    }
}

TEST_F(GroupChooserTest, TaskChooserListsTheGroupsInUseAndOffersPrinting) {
    TaskGroupChooserModel model(doc, 2);
    EXPECT_EQ(model.entries(), (std::vector<std::string>{"Όμιλος # 1", "Βόρειος", "Όμιλος # 3"}));
    EXPECT_EQ(model.selected(), 2);
    EXPECT_EQ(model.printAllCaption(), "Εκτύπωση 1 - 3");
    EXPECT_EQ(model.printOneCaption(), "Εκτύπωση # 2");
    model.select(3);
    EXPECT_EQ(model.printOneCaption(), "Εκτύπωση # 3");
    model.select(4);  // not in use
    EXPECT_EQ(model.selected(), 3);

    EXPECT_EQ(model.choose().action, Action::Chosen);
    EXPECT_EQ(model.choose().group, 3);
    EXPECT_EQ(model.printAll().action, Action::PrintAll);
    EXPECT_EQ(model.printOne().action, Action::PrintOne);
    EXPECT_EQ(model.printOne().group, 3);

    // A preset outside the groups in use starts on the first.
    EXPECT_EQ(TaskGroupChooserModel(doc, 0).selected(), 1);
    EXPECT_EQ(TaskGroupChooserModel(doc, 9).selected(), 1);
}

TEST_F(GroupChooserTest, TaskChooserWithoutGroupsChoosesNothing) {
    doc.groups.setGroupCount(0);
    TaskGroupChooserModel model(doc, 1);
    EXPECT_TRUE(model.entries().empty());
    EXPECT_FALSE(model.canChoose());
    EXPECT_EQ(model.choose().action, Action::Cancelled);
    EXPECT_EQ(model.printAll().action, Action::Cancelled);
    EXPECT_EQ(model.printOne().action, Action::Cancelled);
}

TEST_F(GroupChooserTest, ACountAboveTheTableIsHeldToTwentyGroups) {
    doc.groups.setGroupCount(200);
    TaskGroupChooserModel model(doc, 20);
    EXPECT_EQ(model.groupCount(), 20);
    EXPECT_EQ(model.entries().size(), 20u);
    EXPECT_EQ(model.selected(), 20);
    EXPECT_EQ(model.printAllCaption(), "Εκτύπωση 1 - 20");
}

}  // namespace
}  // namespace zelvo
