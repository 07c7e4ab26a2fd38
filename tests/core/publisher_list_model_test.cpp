// The publisher list of the collection: title, groups, the unreported filter and its selection,
// closing, and the totals grid in the old and the new report form.
#include <gtest/gtest.h>

#include "report_fixture.h"
#include "reporting/publisher_list_model.h"
#include "resources/strings.h"
#include "store/cp1253.h"

namespace zelvo {
namespace {

using reporting::PublisherListModel;
using test::ReportDoc;

// 2 December 2026: the report month is November 2026 (new report form).
constexpr Date kToday{2026, 12, 2};

std::vector<std::string> names(const PublisherListModel& list) {
    std::vector<std::string> out;
    for (const auto& e : list.entries()) out.push_back(e.name);
    return out;
}

TEST(PublisherList, OpeningTitleGroupsAndTheMonthAfterNext) {
    ReportDoc d(kToday);
    const int alpha = d.add("Alpha", "Aa");
    d.add("Beta", "Bb");
    d.at(alpha).setByte(PublisherRecord::kGroupNumber, 1);
    d.setGroups(2);
    d.doc.groups.setText(ServiceGroupTable::overseerField(1), cp1253::fromUtf8("Παύλος"));
    d.doc.groups.setText(ServiceGroupTable::labelNameField(2), "North");
    d.doc.groups.setUseLabel(2, 1);
    d.doc.lastEnteredId = static_cast<std::int16_t>(d.at(alpha).id());
    d.doc.header().setCollectionState(0, 2);  // January, a year ago

    PublisherListModel list(d.doc);
    EXPECT_EQ(list.title(), "Νοέμβριος Συλλογή Έργου - 2 Δραστήριοι");
    EXPECT_EQ(list.closeCaption(),
              res::format(res::kCloseCollectionCaption, res::monthNameAccusative(10)));
    EXPECT_EQ(list.lastPerson(), "Alpha Aa");
    EXPECT_EQ(list.importLabel(), "Προσθήκη εκθέσεων Νοεμβρίου από ->");
    EXPECT_EQ(list.groupEntries(),
              (std::vector<std::string>{"Εκκλησία", "Όμιλος 1 - Παύλος", "North"}));
    EXPECT_EQ(names(list), (std::vector<std::string>{"Aa, Alpha", "Bb, Beta"}));
    EXPECT_EQ(d.doc.header().collectionState(0), 0);
    EXPECT_TRUE(list.okEnabled());
    list.chooseGroup(1);
    EXPECT_EQ(names(list), (std::vector<std::string>{"Aa, Alpha"}));
}

TEST(PublisherList, UnreportedFilterKeepsTheSelectedPosition) {
    ReportDoc d(kToday);
    const int a = d.add("A", "One");
    const int b = d.add("B", "Two");
    d.add("C", "Three");
    PublisherListModel list(d.doc);
    list.setUnreportedOnly(true);
    ASSERT_EQ(list.entries().size(), 3u);
    list.select(1);
    EXPECT_EQ(list.selectedRow(), b);
    // The report form saved B's report: the same position now holds the next person.
    d.report(b, 0, 0, 0, 1, true);
    list.refresh();
    ASSERT_EQ(list.entries().size(), 2u);
    EXPECT_EQ(list.selected(), 1);
    // A remark alone also counts as entered; the position beyond the end goes to the first.
    d.remark(a, "away");
    d.report(list.entries()[1].row, 0, 4);
    list.refresh();
    EXPECT_TRUE(list.entries().empty());
    EXPECT_EQ(list.selected(), -1);
    list.setUnreportedOnly(false);
    EXPECT_EQ(list.selected(), 0);
}

TEST(PublisherList, TotalsGridOldAndNewForm) {
    ReportTotals t{};
    t[0] = {10, 2, 30, 4, 5, 0, 0, 7, 6};  // 30 hours and 7 quarters: 31.75
    t[1] = {1, 0, 50, 2, 1, 0, 0, 2, 3};   // 50.5
    t[2] = {0, 0, 70, 0, 3, 0, 0, 0, 2};
    const auto old = PublisherListModel::totalsGrid(t, false);
    EXPECT_EQ(old[0],
              (std::array<std::string, 7>{"", "Αρ.", "Εκδ.", "Βίντεο", "Ώρες", "Επαν.", "Γρ.Μελ"}));
    EXPECT_EQ(old[1], (std::array<std::string, 7>{"Ευαγ.", "6", "10", "2", "31.75", "4", "5"}));
    EXPECT_EQ(old[2][4], "50.5");
    EXPECT_EQ(old[3], (std::array<std::string, 7>{"Σκαπ", "2", "0", "0", "70", "0", "3"}));
    // Whole hours only: 31 + 50 + 70 (the quarters of each row divided on their own).
    EXPECT_EQ(old[4], (std::array<std::string, 7>{"Σύνολα", "11", "11", "2", "151", "6", "9"}));

    const auto fresh = PublisherListModel::totalsGrid(t, true);
    for (const auto& row : fresh)
        for (const std::size_t c : {2u, 3u, 5u}) EXPECT_EQ(row[c], "");
    EXPECT_EQ(fresh[1][4], "");
    EXPECT_EQ(fresh[2][4], "50.5");
    EXPECT_EQ(fresh[4][1], "11");
}

}  // namespace
}  // namespace zelvo
