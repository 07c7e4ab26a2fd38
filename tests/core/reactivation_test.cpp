// Bringing people back to the active list: reactivation from the inactive list (marks, kept
// privileges, and the reports of the months of inactivity cleared) and restoring a deleted row
// (the same marks, nothing cleared).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>

#include "records/reactivation.h"
#include "store/calendar.h"
#include "store/publisher_record.h"
#include "store/side_records.h"
#include "store/zelvo_doc.h"
#include "test_folder.h"

namespace zelvo {
namespace {

constexpr int absMonth(int year, int month) {
    return (year - 2000) * 12 + month - 1;
}
MonthSlot slotOf(int abs) {
    return {abs % 12, (abs / 12) % 2};
}

constexpr Date kFeb2025{2025, 2, 3};  // report month January 2025, absolute 300
constexpr int kJan25 = absMonth(2025, 1);

TEST(InactiveYear, TwoCodingRanges) {
    EXPECT_EQ(inactiveYear(0), 2000);
    EXPECT_EQ(inactiveYear(24), 2024);
    EXPECT_EQ(inactiveYear(200), 2200);
    EXPECT_EQ(inactiveYear(201), 1945);
    EXPECT_EQ(inactiveYear(255), 1999);
}

// A document with two people of `kind` whose every month holds a full report.
class Reactivation : public ::testing::Test {
protected:
    CZelvoDoc doc;
    int row = 0;
    int other = 0;

    void build(std::uint8_t kind, std::uint8_t sf, std::uint8_t sf2, std::uint16_t since = 0,
               Date today = kFeb2025) {
        CalendarState cal;
        applyReportMonthAtStart(cal, today);
        deriveReportMonth(cal);
        doc.calendar = cal;
        doc.publishers.push_back(test::person(101, "Anna", "Alfa", kPublisher));
        doc.publishers.push_back(test::person(102, "Vasso", "Vita", kind));
        doc.publishers.push_back(test::person(103, "Gogo", "Gama", kind));
        row = 2;
        other = 3;
        for (const int r : {row, other}) {
            PublisherRecord& p = at(r);
            p.setByte(PublisherRecord::kStatusFlags, sf);
            p.setByte(PublisherRecord::kStatusFlags2, sf2);
            p.setWord(PublisherRecord::kStatusSince, since);
            p.setByte(PublisherRecord::kPrivileges, 0xFF);
            p.setByte(PublisherRecord::kGroupNumber, 3);
            for (int m = 0; m < 12; ++m)
                for (int s = 0; s < 2; ++s) fillMonth(p, m, s);
        }
        doc.countAllKinds();
        doc.buildIndexes();
    }

    void fillMonth(PublisherRecord& p, int m, int s) {
        RemarkRecord remark;
        remark.set("ασθένεια", static_cast<std::uint8_t>(m + 1), static_cast<std::uint8_t>(s),
                   p.id());
        doc.remarks.push_back(remark);
        p.setMonthWord(MonthWord::Placements, m, s, 1);
        p.setMonthWord(MonthWord::Videos, m, s, 2);
        p.setMonthWord(MonthWord::Hours, m, s, 3);
        p.setMonthWord(MonthWord::ReturnVisits, m, s, 4);
        p.setMonthWord(MonthWord::StudiesAndFlags, m, s,
                       static_cast<std::uint16_t>((1 << kQuarterShift) | kTookPart | 5));
        p.setMonthWord(MonthWord::RemarkIndex, m, s,
                       static_cast<std::uint16_t>(doc.remarkCount() - 1));
        p.setMonthByte(MonthByte::PioneerKind, m, s, 1);
    }

    PublisherRecord& at(int r) { return doc.publishers[static_cast<std::size_t>(r)]; }

    bool cleared(int r, int abs) {
        const MonthSlot ms = slotOf(abs);
        const PublisherRecord& p = at(r);
        return p.monthWord(MonthWord::Placements, ms.month, ms.slot) == 0 &&
               p.monthWord(MonthWord::Videos, ms.month, ms.slot) == 0 &&
               p.hours(ms.month, ms.slot) == 0 &&
               p.monthWord(MonthWord::ReturnVisits, ms.month, ms.slot) == 0 &&
               p.studiesAndFlags(ms.month, ms.slot) == 0 && !doc.hasRemark(r, ms.month, ms.slot) &&
               p.pioneerKind(ms.month, ms.slot) == 0;
    }
    bool intact(int r, int abs) {
        const MonthSlot ms = slotOf(abs);
        const PublisherRecord& p = at(r);
        return p.monthWord(MonthWord::Placements, ms.month, ms.slot) == 1 &&
               p.monthWord(MonthWord::Videos, ms.month, ms.slot) == 2 &&
               p.hours(ms.month, ms.slot) == 3 &&
               p.monthWord(MonthWord::ReturnVisits, ms.month, ms.slot) == 4 &&
               p.studiesAndFlags(ms.month, ms.slot) == ((1 << kQuarterShift) | kTookPart | 5) &&
               doc.hasRemark(r, ms.month, ms.slot) && p.pioneerKind(ms.month, ms.slot) == 1;
    }

    bool listed(int kind, int r) const {
        const auto& list = doc.kindLists[static_cast<std::size_t>(kind)];
        return std::any_of(list.begin(), list.end(),
                           [r](const IndexEntry& e) { return e.recordIndex == r; });
    }
};

struct ReactCase {
    const char* name;
    std::uint8_t inactiveSinceFlags;  // statusFlags: month + 1 in the high half
    std::uint8_t inactiveYearCode;    // statusFlags2
    int monthIndex;                   // reactivation month
    int reactivatedAbs;
    int firstCleared;  // absolute month; the months from here to reactivatedAbs are cleared
};

void PrintTo(const ReactCase& c, std::ostream* os) {
    *os << c.name;
}

class ReactivationMonths : public Reactivation, public ::testing::WithParamInterface<ReactCase> {};

TEST_P(ReactivationMonths, MarksAndClearedMonths) {
    const ReactCase& c = GetParam();
    build(kInactive, c.inactiveSinceFlags, c.inactiveYearCode);
    const int activeBefore = doc.kindCounts[kPublisher];
    const int inactiveBefore = doc.kindCounts[kInactive];

    reactivatePublisher(doc, row, c.monthIndex);

    const PublisherRecord& p = at(row);
    EXPECT_EQ(p.kind(), kPublisher);
    const int flags = (c.monthIndex + 1) * 16 + 2;
    EXPECT_EQ(int{p.statusFlags()}, flags);
    EXPECT_EQ(int{p.statusFlags2()}, flags);
    EXPECT_EQ(p.statusSince(), c.reactivatedAbs);
    EXPECT_EQ(int{p.privileges()}, 0x64) << "head of household, male, female kept";
    EXPECT_EQ(p.groupNumber(), 3);

    for (int abs = kJan25 - 23; abs <= kJan25; ++abs) {
        if (abs >= c.firstCleared && abs <= c.reactivatedAbs)
            EXPECT_TRUE(cleared(row, abs)) << "absolute month " << abs << " should be cleared";
        else
            EXPECT_TRUE(intact(row, abs)) << "absolute month " << abs << " should be kept";
        EXPECT_TRUE(intact(other, abs)) << "another person's month " << abs;
    }
    for (int m = 0; m < 12; ++m)
        EXPECT_EQ(p.monthWord(MonthWord::Hours, m, 2), 0) << "slot 2 stays zero";

    EXPECT_EQ(doc.kindCounts[kPublisher], activeBefore + 1);
    EXPECT_EQ(doc.kindCounts[kInactive], inactiveBefore - 1);
    EXPECT_TRUE(listed(kPublisher, row));
    EXPECT_FALSE(listed(kInactive, row));
    EXPECT_TRUE(listed(kInactive, other));
    EXPECT_TRUE(doc.isModified());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReactivationMonths,
    ::testing::Values(
        // The month of becoming inactive keeps its report: the clearing stops at the month
        // after it.
        ReactCase{"SinceAugustBackInReportMonth", 0x80, 24, 0, kJan25, absMonth(2024, 9)},
        ReactCase{"SinceAugustBackInNovember", 0x80, 24, 10, absMonth(2024, 11), absMonth(2024, 9)},
        ReactCase{"SinceOctoberBackInDecember", 0xA0, 24, 11, absMonth(2024, 12),
                  absMonth(2024, 11)},
        ReactCase{"SinceDecemberAcrossTheYear", 0xC0, 24, 0, kJan25, kJan25},
        // No month between the two: nothing is cleared.
        ReactCase{"SinceReportMonth", 0x10, 25, 0, kJan25, kJan25 + 1},
        ReactCase{"InactiveAfterTheChosenMonth", 0xC0, 24, 10, absMonth(2024, 11), kJan25 + 1},
        // Low bits of the old status byte do not matter.
        ReactCase{"SinceAugustWithLowBits", 0x83, 24, 0, kJan25, absMonth(2024, 9)},
        ReactCase{"SinceTwentyThreeMonthsBack", 0x30, 23, 0, kJan25, absMonth(2023, 4)},
        ReactCase{"SinceTwentyFourMonthsBack", 0x20, 23, 0, kJan25, absMonth(2023, 3)},
        // 24 months apart: every month the record holds; 25 apart: still only those 24.
        ReactCase{"TwentyFourMonthsApart", 0x10, 23, 0, kJan25, kJan25 - 23},
        ReactCase{"TwentyFiveMonthsApart", 0xC0, 22, 0, kJan25, kJan25 - 23},
        ReactCase{"SinceLongAgoAtMostTwentyFour", 0x30, 20, 0, kJan25, kJan25 - 23},
        ReactCase{"ThirtyMonthsInactiveClearsTwentyFour", 0x70, 22, 0, kJan25, kJan25 - 23},
        ReactCase{"SinceLastCentury", 0x50, 255, 0, kJan25, kJan25 - 23}),
    [](const ::testing::TestParamInfo<ReactCase>& p) { return std::string(p.param.name); });

TEST_F(Reactivation, NonPublisherRowsOfOtherKindsAreCountedAgain) {
    build(kInactive, 0x80, 24);
    doc.publishers.push_back(test::person(104, "Dora", "Delta", kMoved));
    doc.countAllKinds();
    doc.buildIndexes();
    reactivatePublisher(doc, row, 0);
    EXPECT_EQ(doc.kindCounts[kMoved], 1);
    EXPECT_EQ(doc.kindCounts[kPublisher], 2);
    EXPECT_EQ(doc.kindCounts[kInactive], 1);
    EXPECT_EQ(doc.masterIndex.size(), 4u);
}

TEST_F(Reactivation, LongInactivityNeverClearsTheMonthsAfterTheReactivationMonth) {
    // Inactive since 2020, back in November 2024 while January 2025 is the report month: the
    // record holds February 2023 to January 2025, so only the months up to November 2024 are
    // months of inactivity it can clear. December 2024 and January 2025 share their places with
    // December 2022 and January 2023, which the record no longer holds.
    build(kInactive, 0x30, 20);
    reactivatePublisher(doc, row, 10);
    EXPECT_EQ(at(row).statusSince(), absMonth(2024, 11));
    for (int abs = kJan25 - 23; abs <= absMonth(2024, 11); ++abs)
        EXPECT_TRUE(cleared(row, abs)) << abs;
    EXPECT_TRUE(intact(row, absMonth(2024, 12)));
    EXPECT_TRUE(intact(row, kJan25));
}

TEST_F(Reactivation, DecemberReportMonthKeepsTheYearForEveryMonth) {
    // Report month December 2024: no month lies after it.
    build(kInactive, 0x90, 24, 0, {2025, 1, 3});
    reactivatePublisher(doc, row, 11);
    EXPECT_EQ(at(row).statusSince(), absMonth(2024, 12));
    EXPECT_EQ(int{at(row).statusFlags()}, 0xC2);
    for (int abs = absMonth(2024, 10); abs <= absMonth(2024, 12); ++abs)
        EXPECT_TRUE(cleared(row, abs)) << abs;
    EXPECT_TRUE(intact(row, absMonth(2024, 9))) << "the month of becoming inactive";

    reactivatePublisher(doc, other, 0);
    EXPECT_EQ(at(other).statusSince(), absMonth(2024, 1));
    EXPECT_EQ(int{at(other).statusFlags()}, 0x12);
}

TEST_F(Reactivation, APersonOfAnotherListIsLeftAlone) {
    // An active publisher's second status byte is no year code: taking it for one would clear
    // months of reports.
    build(kPublisher, 0x52, 0x52, 290);
    const PublisherRecord before = at(row);
    reactivatePublisher(doc, row, 0);
    restoreDeletedPublisher(doc, row, 0);
    EXPECT_EQ(at(row).bytes, before.bytes);
    EXPECT_FALSE(doc.isModified());
}

// ---------------------------------------------------------------- restoring a deleted row

TEST_F(Reactivation, RestoringADeletedRowMarksItAndKeepsEveryReport) {
    build(kDeleted, 0x80, 0x80, 290);
    const PublisherRecord before = at(row);

    restoreDeletedPublisher(doc, row, 10);

    PublisherRecord expected = before;
    expected.setKind(kPublisher);
    expected.setByte(PublisherRecord::kStatusFlags, 11 * 16 + 2);
    expected.setByte(PublisherRecord::kStatusFlags2, 11 * 16 + 2);
    expected.setWord(PublisherRecord::kStatusSince, 0);
    expected.setByte(PublisherRecord::kPrivileges, 0x64);
    EXPECT_EQ(at(row).bytes, expected.bytes);
    for (int abs = kJan25 - 23; abs <= kJan25; ++abs) EXPECT_TRUE(intact(row, abs)) << abs;
    EXPECT_EQ(at(other).kind(), kDeleted);

    EXPECT_EQ(doc.kindCounts[kPublisher], 2);
    EXPECT_EQ(doc.kindCounts[kDeleted], 1);
    EXPECT_TRUE(listed(kPublisher, row));
    EXPECT_FALSE(listed(kDeleted, row));
    EXPECT_TRUE(doc.isModified());
}

}  // namespace
}  // namespace zelvo
