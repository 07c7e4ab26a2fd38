// The group editor, a group's details and the assignment of publishers: the overseer's title,
// the "*" of names no active publisher has, storing details and the recount, the assignment
// lists, the send-to-assistant flag in bkstudy.dat, and a damaged group table.
#include <gtest/gtest.h>

#include <algorithm>

#include "records/group_assignment_model.h"
#include "records/group_caption.h"
#include "records/group_editor_model.h"
#include "store/cp1253.h"
#include "store/data_files.h"
#include "test_folder.h"

namespace zelvo::records {
namespace {

using Groups = ServiceGroupTable;

class GroupEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::openDoc(doc, folder, {2025, 3, 10}).ok);
        test::addPeople(
            doc, {person(120, "Ηλίας", "Έλντερ", 1, privilege::kElder),
                  person(121, "Σάββας", "Σέρβαντ", 1, privilege::kServant),
                  person(122, "Άννα", "Αλφα", 2), person(123, "Ίων", "Ανενεργός", 2, 0, kInactive),
                  person(124, "Σοφία", "Σπουδάστρια", 0, 0, kNonPublisher)});
        doc.sortRows();
        doc.buildIndexes();
        doc.groups.setGroupCount(3);
        for (int n = 1; n <= 3; ++n) setOverseer(n, "Χ Υ");
    }
    static PublisherRecord person(std::uint16_t id, std::string_view first, std::string_view last,
                                  int group, std::uint8_t privileges = 0,
                                  std::uint8_t kind = kPublisher) {
        PublisherRecord r = test::person(id, cp1253::fromUtf8(first), cp1253::fromUtf8(last), kind);
        r.setByte(PublisherRecord::kGroupNumber, static_cast<std::uint8_t>(group));
        r.setByte(PublisherRecord::kPrivileges, privileges);
        return r;
    }
    void setOverseer(int n, std::string_view name) {
        doc.groups.setText(Groups::overseerField(n), cp1253::fromUtf8(name));
    }
    int rowOf(int id) const { return *doc.findById(static_cast<std::uint16_t>(id)); }

    test::TestFolder folder;
    CZelvoDoc doc;
};

TEST_F(GroupEditorTest, OverseerTitleFollowsTheActivePublisherOfThatName) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"Ηλίας Έλντερ", "Επίσκοπος: Ηλίας Έλντερ"},     // an elder
        {"Σάββας Σέρβαντ", "Υπηρέτης: Σάββας Σέρβαντ"},  // a ministerial servant
        {"Άννα Αλφα", "Οδηγός: Άννα Αλφα"},              // anyone else active
        {"Ίων Ανενεργός", "Επίσκοπος: Ίων Ανενεργός"},   // inactive: no match
        {"Έλντερ Ηλίας", "Επίσκοπος: Έλντερ Ηλίας"},     // last name first: no match
        {"", "Επίσκοπος: "},
    };
    for (const auto& [name, title] : cases) {
        setOverseer(1, name);
        EXPECT_EQ(overseerTitle(doc, 1), title) << name;
    }
}

TEST_F(GroupEditorTest, RowsMarkNamesNoActivePublisherHas) {
    setOverseer(1, "Ηλίας Έλντερ");
    doc.groups.setText(Groups::assistantField(1), cp1253::fromUtf8("Ίων Ανενεργός"));
    doc.groups.setText(Groups::placeField(1), cp1253::fromUtf8("Αίθουσα"));
    doc.groups.setText(Groups::timeField(1), "10:30");
    doc.groups.setMeetingDay(1, 6);
    GroupEditorModel editor(doc);
    const auto rows = editor.rows();
    ASSERT_EQ(rows.size(), 20u);
    EXPECT_EQ(rows[0].text, "#1 \tΗλίας Έλντερ \t*Ίων Ανενεργός \tΑίθουσα \tΚυριακή \t10:30");
    EXPECT_TRUE(rows[1].overseerMarked);  // "Χ Υ" is nobody
    EXPECT_FALSE(rows[1].assistantMarked) << "a blank name is never marked";
    EXPECT_EQ(rows[3].text, "#4 ") << "a group not in use shows its number alone";
    EXPECT_TRUE(editor.noteVisible());
    for (int n = 2; n <= 3; ++n) setOverseer(n, "Άννα Αλφα");
    doc.groups.setText(Groups::assistantField(1), "");
    EXPECT_FALSE(GroupEditorModel(doc).noteVisible());
}

TEST_F(GroupEditorTest, SelectionStopsAtTheFirstGroupNotInUse) {
    GroupEditorModel editor(doc);
    editor.select(3);
    EXPECT_EQ(editor.selected(), 3);
    editor.select(9);
    EXPECT_EQ(editor.selected(), 4);
    EXPECT_EQ(editor.editCaption(), "Επεξεργασία Όμιλος 4");
    editor.select(21);
    EXPECT_EQ(editor.selected(), 4);
    doc.groups.setGroupCount(20);
    editor.select(20);
    EXPECT_EQ(editor.selected(), 20);
    EXPECT_TRUE(editor.assignEnabled());
}

// Group 5 stored while 3 are in use makes the count 5; "Έγινε" with group 4's overseer blank
// brings it back to 3, and the groups after 4 keep their data.
TEST_F(GroupEditorTest, StoringPastTheCountThenRecounting) {
    GroupEditorModel editor(doc);
    GroupDetailsModel details(doc, 5);
    details.chooseOverseer(rowOf(120));
    details.place = "Πλατεία";
    EXPECT_TRUE(details.store());
    EXPECT_EQ(doc.groups.groupCount(), 5);
    EXPECT_EQ(doc.groups.text(Groups::overseerField(5)), cp1253::fromUtf8("Ηλίας Έλντερ"));
    EXPECT_TRUE(editor.done());
    EXPECT_EQ(doc.groups.groupCount(), 3);
    EXPECT_EQ(GroupDetailsModel(doc, 5).place, "Πλατεία");

    GroupDetailsModel blank(doc, 8);
    EXPECT_FALSE(blank.store()) << "a group past the count without an overseer changes nothing";
    GroupEditorModel unchanged(doc);
    EXPECT_FALSE(unchanged.done());
    setOverseer(1, "   ");
    EXPECT_EQ(recountedGroups(doc), 0) << "a blank overseer ends the count at once";
}

TEST_F(GroupEditorTest, DetailsKeepTheirLimitsAndTheLabelItsTick) {
    GroupDetailsModel details(doc, 2);
    details.overseer = std::string(30, 'o');
    details.assistant = std::string(30, 'a');
    details.place = std::string(30, 'p');
    details.time = "10:30 π.μ.";
    details.useLabel = true;
    details.labelName = "   Βόρειος Τομέας Κυψέλης  ";
    details.day = 9;
    ASSERT_TRUE(details.store());
    EXPECT_EQ(doc.groups.text(Groups::overseerField(2)).size(), 23u);
    EXPECT_EQ(doc.groups.text(Groups::assistantField(2)).size(), 23u);
    EXPECT_EQ(doc.groups.text(Groups::placeField(2)).size(), 22u);
    EXPECT_EQ(doc.groups.text(Groups::timeField(2)), cp1253::fromUtf8("10:30 π."));
    EXPECT_EQ(doc.groups.meetingDay(2), 6);
    EXPECT_EQ(groupCaption(doc.groups, 2), "Βόρειος Τομέας Κυψέλ") << "trimmed, then 20";
    EXPECT_EQ(editorGroupCaption(doc, 2), "Βόρειος Τομέας Κυψέλ");

    GroupDetailsModel cleared(doc, 2);
    EXPECT_TRUE(cleared.useLabel);
    cleared.labelName = "  ";
    ASSERT_TRUE(cleared.store());
    EXPECT_EQ(doc.groups.useLabel(2), 0) << "an empty label clears the tick";
    EXPECT_EQ(groupCaption(doc.groups, 2), "Όμιλος # 2");
    EXPECT_EQ(editorGroupCaption(doc, 2), "Όμιλος 2");
}

TEST_F(GroupEditorTest, StoringDetailsKeepsTheSendToAssistantFlag) {
    doc.groups.setSendToAssistant(1, true);
    GroupDetailsModel details(doc, 1);
    details.useLabel = true;
    details.labelName = "Ένα όνομα πολύ μεγάλο για ετικέτα";
    ASSERT_TRUE(details.store());
    EXPECT_TRUE(doc.groups.sendToAssistant(1));
    EXPECT_FALSE(doc.groups.sendToAssistant(2));
    EXPECT_EQ(doc.groups.text(Groups::labelNameField(1)).size(), 20u);
}

TEST_F(GroupEditorTest, AssignmentListsMembersCandidatesAndCounts) {
    GroupAssignmentModel model(doc, 1);
    EXPECT_EQ(model.title(), "Ευαγγελιζόμενοι στον Όμιλο 1");
    ASSERT_EQ(model.members().size(), 2u);
    EXPECT_EQ(model.memberCountLine(), "2 Ευαγγελιζόμενοι");
    EXPECT_EQ(model.inactiveCountLine(), "");
    ASSERT_EQ(model.candidates().size(), 1u) << "students and inactive persons are not offered";
    EXPECT_EQ(model.candidates()[0].text, "Άννα Αλφα (2)");
    EXPECT_FALSE(model.unassignedVisible());

    model.setIncludeInactive(true);
    ASSERT_EQ(model.candidates().size(), 2u);
    EXPECT_EQ(model.candidates()[1].text, "Ίων Ανενεργός (2) *");
    model.selectGroup(2);
    EXPECT_EQ(model.memberCountLine(), "2 Ευαγγελιζόμενοι");
    EXPECT_EQ(model.inactiveCountLine(), "( 1 Αδρανείς * )");
    EXPECT_EQ(model.members()[1].text, "Ίων Ανενεργός *");

    // A publisher put into group 2 and then into group 3 is listed only in group 3.
    model.selectGroup(3);
    model.setFilter(1);
    ASSERT_EQ(model.candidates().size(), 2u) << "group 1 and the unassigned";
    model.selectCandidate(0);
    EXPECT_EQ(model.selectedName(), "Ηλίας Έλντερ");
    EXPECT_EQ(model.selectedTarget(), "στον Όμιλο #3");
    EXPECT_TRUE(model.assign());
    EXPECT_EQ(doc.publishers[static_cast<std::size_t>(rowOf(120))].groupNumber(), 3);
    EXPECT_EQ(model.members().size(), 1u);
    EXPECT_EQ(model.selectedCandidate(), 0) << "the selection moves to the next candidate";
    EXPECT_TRUE(doc.isModified());
    model.selectGroup(1);
    EXPECT_EQ(model.members().size(), 1u);

    EXPECT_TRUE(model.removeMember(0));
    EXPECT_TRUE(model.members().empty());
    EXPECT_TRUE(model.unassignedVisible());
    EXPECT_EQ(model.unassignedCaption(), "1 Αδιόριστοι Ευαγγελιζόμενοι");
    model.setUnassignedOnly(true);
    ASSERT_EQ(model.candidates().size(), 1u);
    EXPECT_EQ(model.candidates()[0].text, "Σάββας Σέρβαντ");
}

TEST_F(GroupEditorTest, AssignmentRefusesWhatTheDialogCannotDo) {
    EXPECT_EQ(cannotAssign(doc, rowOf(122), 3), std::nullopt);
    EXPECT_EQ(cannotAssign(doc, rowOf(122), 0), std::nullopt);
    EXPECT_EQ(cannotAssign(doc, rowOf(122), 4), "Ο Όμιλος 4 δεν υπάρχει.");
    EXPECT_EQ(cannotAssign(doc, rowOf(124), 1),
              "Σε όμιλο διορίζονται μόνο ενεργοί και αδρανείς ευαγγελιζόμενοι.");
    EXPECT_FALSE(assignToGroup(doc, rowOf(124), 1));
    EXPECT_FALSE(assignToGroup(doc, rowOf(122), 2)) << "already there";
    EXPECT_FALSE(assignToGroup(doc, rowOf(122), 21));
}

// A damaged table: a count of 200 comes in as 20 groups, and a group number no group can have
// lists its publisher with the unassigned.
TEST_F(GroupEditorTest, ADamagedGroupTableNeverReachesTheModelsAsMoreThanTwentyGroups) {
    Groups damaged;
    damaged.setGroupCount(200);
    damaged.setText(Groups::overseerField(1), "Over");
    damaged.toggleScramble();
    test::TestFolder broken;
    broken.write(files::kPublishers,
                 test::tableFile({test::headerRow(), person(130, "Νίκος", "Νόμος", 200)}));
    broken.write(files::kGroups, test::bytesOf(damaged));
    CZelvoDoc loaded;
    ASSERT_TRUE(test::openDoc(loaded, broken, {2025, 3, 10}).ok);
    EXPECT_EQ(loaded.groups.groupCount(), 20);
    EXPECT_FALSE(loaded.problems.empty());
    EXPECT_EQ(GroupEditorModel(loaded).rows().size(), 20u);
    GroupAssignmentModel model(loaded, 1);
    ASSERT_EQ(model.candidates().size(), 1u);
    EXPECT_EQ(model.candidates()[0].text, "Νίκος Νόμος");
    EXPECT_EQ(model.unassignedCaption(), "1 Αδιόριστοι Ευαγγελιζόμενοι");
    EXPECT_EQ(GroupAssignmentModel(loaded, 200).group(), 1);
    EXPECT_EQ(GroupDetailsModel(loaded, 200).group(), 20);

    // The previous layout's count is held the same way, and said.
    test::FileBytes old(1881, 0);
    old[0] = 200;
    broken.write(files::kGroups, old);
    CZelvoDoc converted;
    ASSERT_TRUE(test::openDoc(converted, broken, {2025, 3, 10}).ok);
    EXPECT_EQ(converted.groups.groupCount(), 20);
    EXPECT_TRUE(std::any_of(converted.problems.begin(), converted.problems.end(),
                            [](const std::string& p) { return p.find("200 ομίλους") != p.npos; }));
}

// The flag lives in the last byte of the label field: bkstudy.dat keeps its 2,141 bytes and a
// folder's groups come back byte for byte, flag and all.
TEST_F(GroupEditorTest, SendToAssistantFlagSurvivesLoadAndSaveByteForByte) {
    Groups groups;
    groups.setGroupCount(2);
    groups.setText(Groups::overseerField(1), "Overseer One");
    groups.setLabelName(1, "Label");
    groups.setUseLabel(1, 1);
    groups.setSendToAssistant(1, true);
    groups.setText(Groups::overseerField(2), "Overseer Two");
    groups.setSendToAssistant(2, true);
    groups.toggleScramble();
    const auto file = test::bytesOf(groups);
    test::TestFolder kept;
    kept.write(files::kPublishers,
               test::tableFile({test::headerRow(), person(130, "Νίκος", "Νόμος", 1)}));
    kept.write(files::kGroups, file);
    CZelvoDoc loaded;
    ASSERT_TRUE(test::openDoc(loaded, kept, {2025, 3, 10}).ok);
    EXPECT_TRUE(loaded.groups.sendToAssistant(1));
    EXPECT_EQ(loaded.groups.text(Groups::labelNameField(1)), "Label");
    EXPECT_EQ(groupCaption(loaded.groups, 1), "Label");
    loaded.markModified();
    ScriptedPrompts prompts;
    ASSERT_TRUE(loaded.saveAll(prompts).ok);
    EXPECT_EQ(kept.size(files::kGroups), 2141u);
    EXPECT_EQ(kept.read(files::kGroups), file);
}

}  // namespace
}  // namespace zelvo::records
