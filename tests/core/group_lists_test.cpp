// The group lists (report kinds 70-74): who each list takes, in Greek name order with their
// marks, and the four columns of a group kept together across a page break.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "reports/group_lists.h"
#include "reports/recording_surface.h"
#include "reports/report_kind.h"
#include "reports/text_fit.h"
#include "store/cp1253.h"
#include "test_folder.h"

namespace zelvo::reports {
namespace {

using Groups = ServiceGroupTable;
constexpr Date kToday{2025, 3, 10};

class GroupListsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::openDoc(doc, folder, kToday).ok);
        fonts.resetToDefaults("greek");
    }
    void add(std::string_view first, std::string_view last, int group,
             std::uint8_t kind = kPublisher, bool consent = true, std::uint8_t privileges = 0) {
        PublisherRecord r =
            test::person(nextId++, cp1253::fromUtf8(first), cp1253::fromUtf8(last), kind);
        r.setByte(PublisherRecord::kGroupNumber, static_cast<std::uint8_t>(group));
        r.setByte(PublisherRecord::kConsentGiven, consent ? 1 : 0);
        r.setByte(PublisherRecord::kPrivileges, privileges);
        people.push_back(r);
    }
    void finish(int groups) {
        test::addPeople(doc, people);
        doc.groups.setGroupCount(static_cast<std::uint8_t>(groups));
        for (int n = 1; n <= groups; ++n)
            doc.groups.setText(Groups::overseerField(n), "Overseer " + std::to_string(n));
    }
    std::vector<std::string> names(int group, GroupListSelection selection) const {
        std::vector<std::string> out;
        for (const GroupMember& m : groupListMembers(doc, group, selection))
            out.push_back(m.mark.empty() ? m.name : m.name + " (" + m.mark + ")");
        return out;
    }
    // The texts of the text font on the one recorded strip, and the page count.
    std::vector<RecordedText> draw(ReportKind kind, RecordingSurface& surface) {
        context = reportContextFor(doc, fonts, kToday);
        EXPECT_TRUE(drawReport(doc, surface, kindNumber(kind), 0, context));
        return surface.pages().front().texts;
    }

    test::TestFolder folder;
    CZelvoDoc doc;
    ReportFonts fonts;
    ReportContext context;
    std::vector<PublisherRecord> people;
    std::uint16_t nextId = 100;
};

TEST_F(GroupListsTest, EachListTakesItsPeopleInGreekNameOrderWithTheirMarks) {
    add("Ωμέγα", "Ω", 1);
    add("άλφα", "Α", 1, kPublisher, false);
    add("Άβα", "Α", 1);
    add("Βήτα", "Β", 1, kInactive);
    add("Γάμμα", "Γ", 1, kInactive, true, privilege::kLeftOutOfGroupLists);
    add("Δέλτα", "Δ", 1, kNonPublisher);
    add("Έψιλον", "Ε", 2);
    finish(2);
    doc.groups.setText(Groups::assistantField(1), cp1253::fromUtf8("Ωμέγα Ω"));
    using S = GroupListSelection;
    EXPECT_EQ(names(1, S::Active), (std::vector<std::string>{"Άβα Α", "άλφα Α", "Ωμέγα Ω (Β)"}));
    EXPECT_EQ(names(1, S::ActiveAndStudents),
              (std::vector<std::string>{"Άβα Α", "άλφα Α", "Δέλτα Δ (σ)", "Ωμέγα Ω (Β)"}));
    EXPECT_EQ(names(1, S::ActiveAndInactive),
              (std::vector<std::string>{"Άβα Α", "άλφα Α", "Βήτα Β (i)", "Ωμέγα Ω (Β)"}))
        << "not the one left out of the group lists";
    EXPECT_EQ(names(1, S::ActiveStudentsAndInactive).size(), 5u);
    EXPECT_EQ(names(1, S::ActiveWithConsent), (std::vector<std::string>{"Άβα Α", "Ωμέγα Ω (Β)"}));
    doc.languageWord = "czech";
    EXPECT_EQ(names(1, S::Active).back(), "Ωμέγα Ω (A)");
}

// 6 members and a long name in group 1, 120 in group 2 (100 listed), 100 in group 3: at 300 dpi a
// page holds 53 lines, so group 3 does not fit under the first two and starts page 2 under the
// title again.
TEST_F(GroupListsTest, FourColumnsFilledDownwardsAndAGroupThatDoesNotFitStartsTheNextPage) {
    for (int i = 0; i < 6; ++i) add("Μέλος" + std::to_string(i), "Πρώτου", 1);
    for (int i = 0; i < 120; ++i) add("Άτομο" + std::to_string(100 + i), "Δεύτερου", 2);
    for (int i = 0; i < 100; ++i) add("Όνομα" + std::to_string(100 + i), "Τρίτου", 3);
    add("Ψηλός με όνομα πολύ μακρύ για", "τη στήλη", 1);
    finish(3);
    doc.settings.congregationName = cp1253::fromUtf8("Κυψέλη");
    RecordingSurface surface(300, 300);
    const auto texts = draw(ReportKind::MembersActive, surface);
    EXPECT_EQ(context.pageCount, 2);
    const int band = bandBottom(0, context.page.pageLength, 300);
    const auto find = [&](std::string_view prefix) {
        const auto it = std::find_if(texts.begin(), texts.end(), [&](const RecordedText& t) {
            return t.text.rfind(prefix, 0) == 0;
        });
        EXPECT_NE(it, texts.end()) << prefix;
        return it == texts.end() ? RecordedText{} : *it;
    };
    const auto titles = std::count_if(texts.begin(), texts.end(), [](const RecordedText& t) {
        return t.text == "Εκκλησία Όμιλοι Υπηρεσίας Αγρού - Κυψέλη";
    });
    EXPECT_EQ(titles, 2) << "the title on each page";

    // Group 1: two rows, filled column by column.
    const RecordedText first = find("Μέλος0");
    const RecordedText second = find("Μέλος1");
    const RecordedText third = find("Μέλος2");
    EXPECT_EQ(second.x, first.x);
    EXPECT_EQ(third.y, first.y);
    EXPECT_EQ(third.x - first.x, 300 * 7 / 4);
    EXPECT_EQ(find("Μέλος5").x - first.x, 2 * 300 * 7 / 4)
        << "two rows: the sixth name in the third column";
    EXPECT_EQ(find("Επίσκοπος: Overseer 1").y, first.y - (second.y - first.y));

    // Group 2: 100 names in 25 rows of four columns.
    std::set<int> xs;
    int group2 = 0;
    for (const RecordedText& t : texts)
        if (t.text.find("Δεύτερου") != std::string::npos) {
            xs.insert(t.x);
            ++group2;
        }
    EXPECT_EQ(group2, 100);
    EXPECT_EQ(xs.size(), 4u);
    EXPECT_EQ(find("Άτομο124").y, find("Άτομο100").y + 24 * (second.y - first.y));
    EXPECT_EQ(find("Άτομο125").y, find("Άτομο100").y);

    // Group 3 starts page 2, its heading together with its first row.
    const RecordedText heading3 = find("Επίσκοπος: Overseer 3");
    EXPECT_GE(heading3.y, band);
    EXPECT_EQ(find("Όνομα100").y, heading3.y + (second.y - first.y));
    // Nothing past the printable part of its page; the long name ends before the next column.
    for (const RecordedText& t : texts) {
        const int page = t.y / band;
        EXPECT_LE(t.y + std::abs(t.fontHeight),
                  printableBand(page, context.page.pageLength, 300).bottom)
            << t.text;
    }
    const RecordedText longName = find("Ψηλός");
    EXPECT_NE(longName.text.find(kEllipsis), std::string::npos);
    EXPECT_LT(longName.x + surface.textWidth(longName.text), longName.x + 300 * 7 / 4);
}

TEST_F(GroupListsTest, WithoutGroupsOnlyTheTitleIsDrawn) {
    add("Μόνος", "Χωρίς", 0);
    finish(0);
    RecordingSurface surface(300, 300);
    const auto texts = draw(ReportKind::MembersActiveStudentsAndInactive, surface);
    EXPECT_EQ(context.pageCount, 1);
    for (const RecordedText& t : texts)
        EXPECT_TRUE(t.text.empty() || t.text == "Εκκλησία Όμιλοι Υπηρεσίας Αγρού" ||
                    t.text.starts_with("Τυπώθηκε"))
            << t.text;
}

}  // namespace
}  // namespace zelvo::reports
