// The congregation-wide editors: the margin lists' typing, the report layout and record card
// options, the custom category with its rename question, and the circuit overseer's row.
#include <gtest/gtest.h>

#include "records/circuit_overseer_model.h"
#include "records/custom_category_model.h"
#include "records/report_options_model.h"
#include "store/cp1253.h"
#include "test_folder.h"

namespace zelvo::records {
namespace {

TEST(MarginList, TypedDigitsAccumulateUpToTwoAndArrowsGoRound) {
    struct Case {
        int start;
        std::string keys;  // digits, 'u' Up, 'd' Down
        int value;
    };
    const Case cases[] = {
        {50, "7", 7},    {50, "12", 12}, {50, "123", 3}, {50, "1234", 34}, {50, "05", 5},
        {50, "057", 57}, {50, "99", 99}, {50, "999", 9}, {0, "u", 99},     {99, "d", 0},
        {50, "ud", 50},  {50, "1u2", 2}, {150, "", 0},   {-1, "d", 1},
    };
    for (const Case& c : cases) {
        MarginList list(c.start);
        for (const char k : c.keys) {
            if (k == 'u')
                list.up();
            else if (k == 'd')
                list.down();
            else
                list.typeDigit(k - '0');
        }
        EXPECT_EQ(list.value(), c.value) << c.start << " " << c.keys;
    }
    EXPECT_EQ(MarginList::entryText(5), "05");
    EXPECT_EQ(MarginList::entryText(99), "99");
}

class OptionsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(test::openDoc(doc, folder, {2025, 3, 10}).ok); }
    PublisherRecord member(std::uint16_t id, std::string_view last, bool custom) {
        PublisherRecord r = test::person(id, cp1253::fromUtf8("Άννα"), cp1253::fromUtf8(last));
        if (custom) r.setByte(PublisherRecord::kPrivileges, privilege::kCustomCategory);
        return r;
    }
    int kindFiveRows() const {
        int n = 0;
        for (std::size_t row = 1; row < doc.publishers.size(); ++row)
            n += doc.publishers[row].kind() == kCircuitOverseer;
        return n;
    }
    test::TestFolder folder;
    CZelvoDoc doc;
    ScriptedPrompts prompts;
};

TEST_F(OptionsTest, LayoutTicksMarginsAndNameAreStoredOnOk) {
    LayoutOptionsModel unchanged(doc);
    EXPECT_FALSE(unchanged.store());
    EXPECT_FALSE(doc.isModified());

    LayoutOptionsModel m(doc);
    m.setTick(LayoutTick::LabelBirthDate, false);
    EXPECT_FALSE(m.tick(LayoutTick::LabelAlternative));
    m.setTick(LayoutTick::LabelAlternative, true);  // ticks the birth date too
    EXPECT_TRUE(m.tick(LayoutTick::LabelBirthDate));
    m.setTick(LayoutTick::LabelBirthDate, false);  // unticks the alternative label
    EXPECT_FALSE(m.tick(LayoutTick::LabelAlternative));
    m.setTick(LayoutTick::LabelAlternative, true);
    m.setTick(LayoutTick::GridLines, true);
    m.setTick(LayoutTick::PrintDate, true);
    m.setTick(LayoutTick::AlternativeDate, true);
    m.topMargin.typeDigit(8);
    m.labelMargin.down();
    m.congregationName = "  Αθήνα Κέντρο Βόρειας Πλευράς  ";  // 29 characters inside the blanks
    EXPECT_TRUE(m.hasChanges());
    EXPECT_TRUE(m.store());
    EXPECT_TRUE(doc.isModified());
    const Settings& s = doc.settings;
    EXPECT_EQ(s.labelAlternative, 1);
    EXPECT_EQ(s.labelBirthDate, 1);
    EXPECT_EQ(s.reportGridLines, 1);
    EXPECT_EQ(s.reportDate, 1);
    EXPECT_EQ(s.reportTopMargin, 8);
    EXPECT_EQ(s.labelLeftMargin, 21);
    EXPECT_EQ(cp1253::toUtf8(s.congregationName), "Αθήνα Κέντρο Βόρειας Πλευ");
    EXPECT_EQ(doc.displayConfig.bytes[5], 1);
    EXPECT_EQ(doc.displayConfig.bytes[0], 0);

    doc.settings.languageOption = 1;
    EXPECT_FALSE(LayoutOptionsModel(doc).tickVisible(LayoutTick::LastNameFirst));
}

TEST_F(OptionsTest, RecordCardKeepsFourHiddenBits) {
    RecordCardOptionsModel m(doc);
    EXPECT_FALSE(m.store());
    m.setHidden(RecordCardOptionsModel::kAveragesPrevious, true);
    m.setHidden(RecordCardOptionsModel::kTotalsPrevious, true);
    m.onePerPage = true;
    EXPECT_TRUE(m.store());
    EXPECT_EQ(doc.settings.hideAverages, 10);
    EXPECT_EQ(doc.settings.onePerPage, 1);
    EXPECT_TRUE(doc.isModified());
    RecordCardOptionsModel again(doc);
    EXPECT_TRUE(again.hidden(RecordCardOptionsModel::kTotalsPrevious));
    EXPECT_FALSE(again.hidden(RecordCardOptionsModel::kAveragesCurrent));
}

TEST_F(OptionsTest, RenamingTheCategoryAsksAboutItsMembers) {
    doc.settings.customCategoryName = cp1253::fromUtf8("Βοηθοί");
    doc.settings.customCategoryEnabled = 1;
    std::vector<PublisherRecord> people;
    for (std::uint16_t id = 1; id <= 6; ++id) people.push_back(member(id, "Ε", id != 6));
    test::addPeople(doc, people);

    CustomCategoryModel same(doc);
    same.name = " Βοηθοί ";
    EXPECT_FALSE(same.renameQuestion());
    EXPECT_FALSE(same.store(true));
    EXPECT_EQ(same.members(), 5);

    CustomCategoryModel kept(doc);
    kept.name = "Οδηγοί";
    const auto question = kept.renameQuestion();
    ASSERT_TRUE(question);
    EXPECT_EQ(question->line,
              "5  Ευαγγελιζόμενοι είναι σημειωμένοι ως Βοηθοί.  Τι θέλετε κάνετε με αυτούς;");
    EXPECT_EQ(question->keepOption, "Αλλαγή όλων από Βοηθοί σε Οδηγοί");
    EXPECT_TRUE(kept.store(false));
    EXPECT_EQ(kept.members(), 5);
    EXPECT_EQ(cp1253::toUtf8(doc.settings.customCategoryName), "Οδηγοί");

    CustomCategoryModel cleared(doc);
    cleared.name = "Προσαρμοσμένη Κατηγο";  // 20 characters
    EXPECT_TRUE(cleared.store(true));
    EXPECT_EQ(cleared.members(), 0);
    EXPECT_EQ(cp1253::toUtf8(doc.settings.customCategoryName), "Προσαρμοσμένη Κ");
    EXPECT_EQ(doc.settings.customCategoryEnabled, 1);

    CustomCategoryModel emptied(doc);
    emptied.name = "   ";
    EXPECT_FALSE(emptied.renameQuestion());  // nobody carries it any more
    EXPECT_TRUE(emptied.store(false));
    EXPECT_EQ(doc.settings.customCategoryEnabled, 0);
    EXPECT_TRUE(doc.settings.customCategoryName.empty());
}

TEST_F(OptionsTest, CircuitOverseerIsOneRowOfItsOwn) {
    test::addPeople(doc, {member(7, "Ζ", false)});
    CircuitOverseerModel blank(doc);
    blank.lastName = " Κ ";
    EXPECT_EQ(blank.store(prompts), CircuitOverseerModel::Outcome::NotCreated);
    EXPECT_EQ(doc.circuitOverseerRow, 0);
    EXPECT_FALSE(doc.isModified());

    for (int opening = 0; opening < 2; ++opening) {
        CircuitOverseerModel m(doc);
        m.firstName = "Παναγιώτης-Χαράλαμπος";  // 21 characters
        m.lastName = "Κω";
        m.phoneMobile = "6944 123 456 789";
        m.email = "ep@example.gr";
        EXPECT_EQ(m.store(prompts), CircuitOverseerModel::Outcome::Stored);
    }
    EXPECT_EQ(kindFiveRows(), 1);
    ASSERT_EQ(doc.circuitOverseerRow, 2);
    const PublisherRecord& r = doc.publishers[2];
    EXPECT_EQ(r.id(), kCircuitOverseerId);
    EXPECT_EQ(cp1253::toUtf8(r.firstName()), "Παναγιώτης-Χαράλαμ");
    EXPECT_EQ(r.phoneMobile(), "6944 123 456 7");
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(doc.kindLists[kPublisher].size() == 1);

    const CircuitOverseerModel reopened(doc);
    EXPECT_EQ(reopened.email, "ep@example.gr");
    EXPECT_EQ(reopened.lastName, "Κω");
    EXPECT_TRUE(prompts.messages.empty());
}

}  // namespace
}  // namespace zelvo::records
