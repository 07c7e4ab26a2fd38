// The branch-report totals of the report month: categories, the old and new report forms,
// quarter hours, late reports, exclusions and the copy into the month history.
#include "store/branch_totals.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>

#include "store/zelvo_doc.h"
#include "test_folder.h"

namespace zelvo {
namespace {

using test::person;
using test::setReport;
using Row = std::array<std::uint32_t, 9>;

// Slots of a totals row.
enum : std::size_t {
    kPlacements,
    kVideos,
    kHours,
    kReturnVisits,
    kStudies,
    kActive,
    kUnused,
    kQuarters,
    kReports
};

class BranchTotalsTest : public ::testing::Test {
protected:
    // 10 March 2025: February 2025, new form. 10 September 2023: August 2023, old form.
    void open(Date today) {
        doc = std::make_unique<CZelvoDoc>();
        ASSERT_TRUE(test::openDoc(*doc, folder, today, LoadMode::ReadOnly).ok);
        rm = doc->calendar.reportMonth;
        slot = doc->calendar.reportSlot();
    }
    void SetUp() override { open({2025, 3, 10}); }

    PublisherRecord& add(PublisherRecord p) {
        people.push_back(p);
        return people.back();
    }
    void finish() {
        test::addPeople(*doc, {people.begin(), people.end()});
        people.clear();
    }
    // A full report of the report month in category `pioneer`.
    PublisherRecord reporter(std::uint16_t id, int pioneer, std::uint16_t placements,
                             std::uint16_t videos, std::uint16_t hours, int quarters,
                             std::uint16_t returnVisits, std::uint16_t studies,
                             bool tookPart = false) {
        PublisherRecord p = person(id, "P", "N" + std::to_string(id));
        p.setMonthByte(MonthByte::PioneerKind, rm, slot, static_cast<std::uint8_t>(pioneer));
        p.setMonthWord(MonthWord::Placements, rm, slot, placements);
        p.setMonthWord(MonthWord::Videos, rm, slot, videos);
        p.setMonthWord(MonthWord::ReturnVisits, rm, slot, returnVisits);
        setReport(p, rm, slot, hours, quarters, studies, tookPart);
        return p;
    }
    Row totals(int category) const { return doc->reportTotals[static_cast<std::size_t>(category)]; }

    test::TestFolder folder;
    std::unique_ptr<CZelvoDoc> doc;
    std::deque<PublisherRecord> people;  // references stay valid while people are added
    int rm = 0;
    int slot = 0;
};

TEST_F(BranchTotalsTest, OldFormSumsEveryValueByCategory) {
    open({2023, 9, 10});
    ASSERT_EQ(doc->calendar.newReportForm, 0);
    add(reporter(120, 0, 3, 2, 10, 1, 4, 2));
    add(reporter(121, 1, 5, 0, 50, 2, 6, 3));
    add(reporter(122, 2, 0, 1, 70, 3, 0, 0));
    add(reporter(123, 3, 0, 0, 130, 0, 0, 4));
    add(reporter(124, 0, 9, 0, 0, 0, 0, 0));        // placements alone: no report
    add(reporter(125, 0, 0, 0, 0, 0, 0, 0, true));  // under one hour
    PublisherRecord inactive = reporter(126, 0, 1, 1, 20, 0, 1, 1);
    inactive.setKind(kInactive);
    add(inactive);
    finish();
    computeBranchTotals(*doc, false);
    EXPECT_EQ(totals(0), (Row{3, 2, 10, 4, 2, 6, 0, 1, 2}));
    EXPECT_EQ(totals(1), (Row{5, 0, 50, 6, 3, 0, 0, 2, 1}));
    EXPECT_EQ(totals(2), (Row{0, 1, 70, 0, 0, 0, 0, 3, 1}));
    EXPECT_EQ(totals(3), (Row{0, 0, 130, 0, 4, 0, 0, 0, 1}));
}

TEST_F(BranchTotalsTest, NewFormSumsOnlyWhatTheFormAsks) {
    ASSERT_EQ(doc->calendar.newReportForm, 1);
    add(reporter(120, 0, 3, 2, 10, 2, 4, 2, true));  // hours entered anyway are not summed
    add(reporter(121, 0, 0, 0, 0, 0, 0, 0, true));   // participated, nothing else
    add(reporter(122, 1, 5, 1, 20, 3, 7, 1));
    add(reporter(123, 2, 0, 0, 60, 1, 9, 4, true));
    finish();
    computeBranchTotals(*doc, false);
    EXPECT_EQ(totals(0), (Row{0, 0, 0, 0, 2, 4, 0, 0, 2}));
    EXPECT_EQ(totals(1), (Row{0, 0, 20, 0, 1, 0, 0, 3, 1}));
    EXPECT_EQ(totals(2), (Row{0, 0, 60, 0, 4, 0, 0, 1, 1}));
}

TEST_F(BranchTotalsTest, QuarterHoursAreKeptApartFromWholeHours) {
    add(reporter(120, 1, 0, 0, 10, 3, 0, 0));
    add(reporter(121, 1, 0, 0, 10, 1, 0, 0));
    add(reporter(122, 2, 0, 0, 10, 3, 0, 0));
    finish();
    computeBranchTotals(*doc, false);
    // Printed hours are slot 2 + slot 7 / 4: four quarters make an hour, three make none.
    EXPECT_EQ(totals(1)[kHours], 20u);
    EXPECT_EQ(totals(1)[kQuarters], 4u);
    EXPECT_EQ(totals(1)[kHours] + totals(1)[kQuarters] / 4, 21u);
    EXPECT_EQ(totals(2)[kQuarters], 3u);
    EXPECT_EQ(totals(2)[kHours] + totals(2)[kQuarters] / 4, 10u);
}

TEST_F(BranchTotalsTest, HeaderQuartersAndActiveCountGoToThePublisherRow) {
    open({2023, 9, 10});
    doc->header().setMonthWord(MonthWord::StudiesAndFlags, rm, slot, 2 << kQuarterShift);
    add(reporter(120, 0, 0, 0, 5, 1, 0, 0));
    add(reporter(121, 0, 0, 0, 0, 0, 0, 0));  // active, no report
    finish();
    computeBranchTotals(*doc, false);
    EXPECT_EQ(totals(0)[kQuarters], 3u);
    EXPECT_EQ(totals(0)[kActive], 2u);
    EXPECT_EQ(totals(0)[kReports], 1u);
}

TEST_F(BranchTotalsTest, LateReportsCountInTheCategoryOfTheirOwnMonth) {
    const int other = slot ^ 1;
    // A publisher now, an auxiliary pioneer in January.
    PublisherRecord& p = add(reporter(120, 0, 0, 0, 0, 0, 0, 0, true));
    setReport(p, 0, slot, 15, 1, 2);
    p.setMonthByte(MonthByte::PioneerKind, 0, slot, 1);
    // A regular pioneer last December (the other slot); the same month in this slot is stale.
    PublisherRecord& q = add(person(121, "Q", "Q"));
    setReport(q, 11, other, 40, 0, 3);
    q.setMonthByte(MonthByte::PioneerKind, 11, other, 2);
    setReport(q, 11, slot, 99);
    // A special pioneer's late report is not counted.
    PublisherRecord& s = add(person(122, "S", "S"));
    setReport(s, 0, slot, 100);
    s.setMonthByte(MonthByte::PioneerKind, 0, slot, 3);
    // Late entries without a report, or for someone not on the active list.
    PublisherRecord& t = add(person(123, "T", "T"));
    t.setMonthWord(MonthWord::Placements, 0, slot, 4);
    PublisherRecord& u = add(person(124, "U", "U", kInactive));
    setReport(u, 0, slot, 30);
    // A publisher's late report under the new form: studies only.
    PublisherRecord& r = add(person(125, "R", "R"));
    setReport(r, 0, slot, 8, 2, 1);
    r.setMonthWord(MonthWord::Placements, 0, slot, 6);
    finish();
    const auto countedIn = static_cast<std::uint8_t>(rm + 1);
    doc->lateReports = {{120, 0, countedIn}, {121, 11, countedIn}, {122, 0, countedIn},
                        {123, 0, countedIn}, {124, 0, countedIn},  {999, 0, countedIn},
                        {125, 0, countedIn}};
    computeBranchTotals(*doc, false);
    EXPECT_EQ(totals(0), (Row{0, 0, 0, 0, 1, 5, 0, 0, 2}));
    EXPECT_EQ(totals(1), (Row{0, 0, 15, 0, 2, 0, 0, 1, 1}));
    EXPECT_EQ(totals(2), (Row{0, 0, 40, 0, 3, 0, 0, 0, 1}));
    EXPECT_EQ(totals(3), Row{});
}

TEST_F(BranchTotalsTest, SpecialServantsAndMissionariesAreLeftOutWhenAsked) {
    PublisherRecord& x = add(reporter(120, 1, 0, 0, 30, 0, 0, 0));
    x.setWord(PublisherRecord::kAppointmentBits, 1 << 7);
    setReport(x, 0, slot, 5);
    x.setMonthByte(MonthByte::PioneerKind, 0, slot, 1);
    PublisherRecord& y = add(reporter(121, 2, 0, 0, 50, 0, 0, 0));
    y.setWord(PublisherRecord::kAppointmentBits, 1 << 8);
    PublisherRecord& z = add(reporter(122, 1, 0, 0, 10, 0, 0, 0));
    z.setWord(PublisherRecord::kAppointmentBits, (1 << 6) | (1 << 9));
    finish();
    doc->lateReports = {{120, 0, static_cast<std::uint8_t>(rm + 1)}};
    doc->header().setCollectionState(rm, 1);

    computeBranchTotals(*doc, true);
    EXPECT_EQ(totals(1)[kHours], 10u);
    EXPECT_EQ(totals(1)[kReports], 1u);
    EXPECT_EQ(totals(2)[kReports], 0u);
    EXPECT_EQ(totals(0)[kActive], 3u) << "everyone on the list is still counted as active";
    EXPECT_EQ(doc->monthTotals.value(rm, 1, kHours, slot), 10);

    computeBranchTotals(*doc, false);
    EXPECT_EQ(totals(1)[kHours], 45u);
    EXPECT_EQ(totals(1)[kReports], 3u);
    EXPECT_EQ(totals(2)[kHours], 50u);
    EXPECT_EQ(doc->monthTotals.value(rm, 1, kHours, slot), 45) << "the history holds everyone";
}

class BranchTotalsHistory : public BranchTotalsTest,
                            public ::testing::WithParamInterface<std::uint8_t> {};

TEST_P(BranchTotalsHistory, CopiedIntoTheMonthOnlyWhileItsCollectionIsOpen) {
    const std::uint8_t state = GetParam();
    add(reporter(120, 0, 0, 0, 0, 0, 0, 3, true));
    add(reporter(121, 1, 0, 0, 25, 2, 0, 1));
    add(reporter(122, 2, 0, 0, 70, 3, 0, 2));
    add(reporter(123, 3, 0, 0, 130, 0, 0, 0));
    finish();
    doc->header().setCollectionState(rm, state);
    for (int m = 0; m < 12; ++m)
        for (int c = 0; c < 4; ++c)
            for (int v = 0; v < 9; ++v)
                for (int s = 0; s < 2; ++s) doc->monthTotals.setValue(m, c, v, s, 777);
    const MonthTotals before = doc->monthTotals;
    computeBranchTotals(*doc, false);

    MonthTotals expected = before;
    if (state == 1) {
        for (int c = 0; c < 4; ++c)
            for (int v = 0; v < 9; ++v)
                if (v != kUnused)
                    expected.setValue(
                        rm, c, v, slot,
                        static_cast<std::uint16_t>(totals(c)[static_cast<std::size_t>(v)]));
    }
    EXPECT_EQ(doc->monthTotals.bytes, expected.bytes);
    if (state == 1) {
        EXPECT_EQ(doc->monthTotals.value(rm, 2, kHours, slot), 70);
        EXPECT_EQ(doc->monthTotals.value(rm, 3, kHours, slot), 130);
        EXPECT_EQ(doc->monthTotals.value(rm, 0, kActive, slot), 4);
        EXPECT_EQ(doc->monthTotals.value(rm, 0, kUnused, slot), 777) << "slot 6 is not written";
    }
}

INSTANTIATE_TEST_SUITE_P(CollectionStates, BranchTotalsHistory, ::testing::Values(0, 1, 2));

}  // namespace
}  // namespace zelvo
