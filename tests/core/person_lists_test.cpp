// The list dialogs' models: the period filters at their edges, the row texts, the captions that
// follow the list in use, and the removal dialog's choice.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "records/person_lists.h"
#include "records/reactivation.h"
#include "store/zelvo_doc.h"
#include "test_folder.h"

namespace zelvo::records {
namespace {

struct Dated {
    int month;  // 1-12
    int year;
};

// Report month March 2024.
class PersonLists : public ::testing::Test {
protected:
    CZelvoDoc doc;

    void SetUp() override {
        applyReportMonthAtStart(doc.calendar, {2024, 4, 3});
        deriveReportMonth(doc.calendar);
    }

    int add(std::uint8_t kind, const std::string& last) {
        doc.publishers.push_back(
            test::person(static_cast<std::uint16_t>(100 + doc.recordCount()), "A", last, kind));
        doc.countAllKinds();
        doc.buildIndexes();
        return doc.recordCount() - 1;
    }
    int addInactive(Dated d) {
        const int row = add(kInactive, std::to_string(d.year) + "-" + std::to_string(d.month));
        doc.publishers.back().setByte(PublisherRecord::kStatusFlags,
                                      static_cast<std::uint8_t>(d.month * 16));
        doc.publishers.back().setByte(PublisherRecord::kStatusFlags2, inactiveYearCode(d.year));
        return row;
    }
    static std::set<int> rowsOf(const std::vector<PersonRow>& rows) {
        std::set<int> out;
        for (const PersonRow& r : rows) out.insert(r.row);
        return out;
    }
};

TEST_F(PersonLists, InactivePeriodsAtTheirEdges) {
    const int sep22 = addInactive({9, 2022});
    const int mar23 = addInactive({3, 2023});  // a year back, at the report month: older
    const int apr23 = addInactive({4, 2023});  // a year back, after it: within 12 months
    const int aug23 = addInactive({8, 2023});
    const int sep23 = addInactive({9, 2023});   // the service year's first month
    const int oct21 = addInactive({10, 2021});  // six months back, a year of the same parity
    const int oct23 = addInactive({10, 2023});  // the first of the six months
    const int mar24 = addInactive({3, 2024});   // the report month
    const int apr24 = addInactive({4, 2024});   // after the report month, this year
    add(kPublisher, "Active");

    InactiveListsModel model(doc, InactiveListsModel::Form::Inactive);
    EXPECT_EQ(model.period(), 5);
    EXPECT_EQ(model.periodCaption(), "Ολα");
    EXPECT_EQ(model.leftRows().size(), 9u);

    const std::set<int> expected[] = {
        {oct21, oct23, mar24},                       // six months, by the parity of the year
        {sep23, oct23, mar24},                       // the service year from September
        {apr23, aug23, sep23, oct23, mar24, apr24},  // within 12 months
        {sep22, mar23, oct21},                       // older
        {sep22, mar23, apr23, aug23, sep23, oct21, oct23, mar24, apr24},
    };
    const char* captions[] = {"Τελευταίοι 6 Μήνες", "Υπηρεσιακό Έτος.", "Τελευταίοι 12 Μήνες",
                              "Πάνω από 12 Μήνες", "Ολα"};
    for (int period = 1; period <= 5; ++period) {
        model.nextPeriod();
        ASSERT_EQ(model.period(), period);
        EXPECT_EQ(rowsOf(model.leftRows()), expected[period - 1]) << "period " << period;
        EXPECT_EQ(model.periodCaption(), captions[period - 1]);
    }
}

TEST_F(PersonLists, InactiveRowsAndTheListWithoutReports) {
    addInactive({3, 2024});
    const int quiet = add(kPublisher, "Quiet");
    PublisherRecord& reporting = doc.publishers[static_cast<std::size_t>(add(kPublisher, "Busy"))];
    test::setReport(reporting, 10, 1, 5);  // November 2023: within the six months
    const InactiveListsModel model(doc, InactiveListsModel::Form::Inactive);
    ASSERT_EQ(model.leftRows().size(), 1u);
    EXPECT_EQ(model.leftRows()[0].text, "A 2024-3\t2024  Μαρ");
    ASSERT_EQ(model.rightRows().size(), 1u);
    EXPECT_EQ(model.rightRows()[0].row, quiet);
    EXPECT_EQ(model.rightRows()[0].text, "A Quiet");
    EXPECT_EQ(model.actionCaption(false), "Μεταφορά στους Αδρανείς");
    EXPECT_EQ(model.actionCaption(true), "Επαναδραστηριοποιημένοι");
    EXPECT_TRUE(model.editAndDeleteVisible(true));
    EXPECT_FALSE(model.editAndDeleteVisible(false));
}

TEST_F(PersonLists, DeletedFormListsTheDeletionDate) {
    const int person = add(kPublisher, "Gone");
    const int blank = add(kPublisher, "Undated");
    RemovalModel removal(doc, person, 2024);
    EXPECT_EQ(removal.caption(), "A Gone");
    EXPECT_EQ(removal.monthEntries().size(), 13u);
    EXPECT_EQ(removal.monthEntries()[0], "");
    EXPECT_EQ(removal.monthEntry, 3) << "on the report month, March";
    EXPECT_EQ(removal.yearEntries().front(), 1950);
    EXPECT_EQ(removal.yearEntries()[static_cast<std::size_t>(removal.yearEntry)], 2024);
    removal.temporary = true;
    EXPECT_FALSE(removal.apply(doc));
    RemovalModel undated(doc, blank, 2024);
    undated.temporary = true;
    undated.monthEntry = 0;
    undated.yearEntry = 0;
    EXPECT_FALSE(undated.apply(doc));

    const InactiveListsModel model(doc, InactiveListsModel::Form::Deleted);
    EXPECT_FALSE(model.rightListVisible());
    EXPECT_EQ(model.leftCaption(), " Διαγραμμένα ");
    EXPECT_EQ(model.actionCaption(true), "Επαναφορά");
    const auto rows = model.leftRows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].text, "A Gone\tΜαρ 2024");
    EXPECT_EQ(rows[1].text, "A Undated\t 1950") << "a blank month is listed blank";

    // Permanent removal: the row is gone; a second removal of the same row finds nobody.
    RemovalModel permanent(doc, 1, 2024);
    EXPECT_FALSE(permanent.apply(doc));
    EXPECT_EQ(doc.recordCount(), 2);
    RemovalModel nobody(doc, 5, 2024);
    EXPECT_TRUE(nobody.apply(doc));
}

TEST_F(PersonLists, MovedPeriodsAndTheListOfTheReportMonth) {
    std::vector<int> moved;
    for (const int month : {9, 10, 3, 4}) {  // September, October, the report month, April
        moved.push_back(add(kMoved, "M" + std::to_string(month)));
        doc.publishers.back().setByte(PublisherRecord::kStatusFlags,
                                      static_cast<std::uint8_t>(month * 16));
    }
    MovedListsModel model(doc);
    EXPECT_EQ(model.period(), 3);
    EXPECT_EQ(rowsOf(model.leftRows()), std::set<int>(moved.begin(), moved.end()));
    model.nextPeriod();
    EXPECT_EQ(rowsOf(model.leftRows()), (std::set<int>{moved[1], moved[2]}));
    model.nextPeriod();
    EXPECT_EQ(rowsOf(model.leftRows()), (std::set<int>{moved[0], moved[1], moved[2]}));
    model.nextPeriod();
    EXPECT_EQ(model.period(), 3);
    EXPECT_EQ(model.leftRows()[0].text, "A M9\tΣεπ");

    const int idle = add(kPublisher, "Idle");
    for (const auto& [hours, quarters, tookPart] :
         {std::tuple{1, 0, false}, {0, 1, false}, {0, 0, true}}) {
        const int row = add(kPublisher, "Reported");
        test::setReport(doc.publishers.back(), 2, 0, static_cast<std::uint16_t>(hours), quarters, 0,
                        tookPart);
        EXPECT_FALSE(rowsOf(model.rightRows()).contains(row));
    }
    const int inactive = add(kInactive, "Inactive");
    EXPECT_EQ(rowsOf(model.rightRows()), std::set<int>{idle});
    model.setInactiveTick(true);
    EXPECT_EQ(rowsOf(model.rightRows()), std::set<int>{inactive});
    EXPECT_EQ(model.rightCaption(), "Χωρίς Έκθεση τον Μάρτιο ");
    EXPECT_EQ(model.actionCaption(true), "Διαγραφή");
    EXPECT_TRUE(model.undoVisible(true));
}

}  // namespace
}  // namespace zelvo::records
