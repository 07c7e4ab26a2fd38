// The status rules of a publisher: what counts as a report, inactive candidates, missed months,
// the window over which a new or reactivated publisher is judged, and the months of the marks.
// Every case builds its document in memory with the report month of a chosen day.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "store/calendar.h"
#include "store/publisher_record.h"
#include "store/publisher_status.h"
#include "store/zelvo_doc.h"
#include "test_folder.h"

namespace zelvo {
namespace {

using test::person;
using test::setReport;

CalendarState calendarOn(Date today) {
    CalendarState cal;
    applyReportMonthAtStart(cal, today);
    deriveReportMonth(cal);
    return cal;
}

// Absolute month of a calendar month (month 1-12).
constexpr int absMonth(int year, int month) {
    return (year - 2000) * 12 + month - 1;
}

// Where an absolute month lives in a record.
MonthSlot slotOf(int abs) {
    return {abs % 12, (abs / 12) % 2};
}

std::uint8_t flags(int monthNumber, int mark) {
    return static_cast<std::uint8_t>(monthNumber * 16 + mark);
}

// A document whose report month is the one of `today`, with people added as the editors do.
class StatusDoc {
public:
    CZelvoDoc doc;

    explicit StatusDoc(Date today) { doc.calendar = calendarOn(today); }

    int add(std::uint8_t kind = kPublisher) {
        const auto id = static_cast<std::uint16_t>(100 + doc.publishers.size());
        doc.publishers.push_back(person(id, "Όνομα", "Επώνυμο", kind));
        doc.countAllKinds();
        doc.buildIndexes();
        return static_cast<int>(doc.publishers.size()) - 1;
    }
    PublisherRecord& at(int row) { return doc.publishers[static_cast<std::size_t>(row)]; }

    void hours(int row, int abs, std::uint16_t h = 10) {
        const MonthSlot ms = slotOf(abs);
        setReport(at(row), ms.month, ms.slot, h);
    }
    void word(int row, int abs, MonthWord w, std::uint16_t v) {
        const MonthSlot ms = slotOf(abs);
        at(row).setMonthWord(w, ms.month, ms.slot, v);
    }
    void pioneer(int row, int abs, std::uint8_t kind) {
        const MonthSlot ms = slotOf(abs);
        at(row).setMonthByte(MonthByte::PioneerKind, ms.month, ms.slot, kind);
    }
    void marks(int row, std::uint8_t sf, std::uint8_t sf2, std::uint16_t since = 0) {
        at(row).setByte(PublisherRecord::kStatusFlags, sf);
        at(row).setByte(PublisherRecord::kStatusFlags2, sf2);
        at(row).setWord(PublisherRecord::kStatusSince, since);
    }
    void collection(int monthIndex, std::uint8_t state) {
        doc.header().setCollectionState(monthIndex, state);
    }
};

// Report month January 2025 (absolute 300, slot 1): December 2024 is in the other slot.
constexpr Date kFeb2025{2025, 2, 3};
constexpr int kJan25 = absMonth(2025, 1);

// ---------------------------------------------------------------- calendar slots

TEST(StatusCalendar, JanuaryReportMonthHasDecemberInTheOtherSlot) {
    const CalendarState cal = calendarOn(kFeb2025);
    ASSERT_EQ(cal.reportAbsMonth, 300);
    ASSERT_EQ(cal.reportMonth, 0);
    EXPECT_EQ(cal.slotOfMonth(0), 1);
    EXPECT_EQ(cal.slotOfMonth(11), 0);
    EXPECT_EQ(cal.slotOfMonth(1), 0) << "February is February 2024";

    MonthWalk walk = cal.walkFromReportMonth();
    EXPECT_EQ(walk.current(), (MonthSlot{0, 1}));
    walk.back();
    EXPECT_EQ(walk.current(), (MonthSlot{11, 0}));
    walk.back();
    EXPECT_EQ(walk.current(), (MonthSlot{10, 0}));

    // December as report month: its January is of the same year.
    const CalendarState dec = calendarOn({2025, 1, 3});
    ASSERT_EQ(dec.reportMonth, 11);
    EXPECT_EQ(dec.slotOfMonth(0), dec.slotOfMonth(11));
}

TEST(StatusCalendar, TwentyFourMonthWalkVisitsEveryMonthOnceAndMatchesAbsoluteMonths) {
    for (const Date today : {Date{2025, 2, 3}, Date{2025, 1, 3}, Date{2023, 10, 3}}) {
        const CalendarState cal = calendarOn(today);
        MonthWalk walk = cal.walkFromReportMonth();
        std::set<std::pair<int, int>> seen;
        for (int back = 0; back < 24; ++back) {
            const MonthSlot ms = walk.current();
            ASSERT_LE(ms.slot, 1) << "slot 2 is reserved";
            EXPECT_TRUE(seen.insert({ms.month, ms.slot}).second);
            EXPECT_EQ(cal.absoluteMonthOf(ms.month, ms.slot), cal.reportAbsMonth - back);
            EXPECT_EQ(slotOf(cal.reportAbsMonth - back), ms);
            walk.back();
        }
    }
}

// ---------------------------------------------------------------- what makes a report

struct ReportCase {
    const char* name;
    MonthWord word;  // the one word set in the month
    std::uint16_t value;
    bool hasHours;
    bool hasReport;
};

void PrintTo(const ReportCase& c, std::ostream* os) {
    *os << c.name;
}

class HasReport : public ::testing::TestWithParam<ReportCase> {};

TEST_P(HasReport, HoursAndReportOfOneMonth) {
    const ReportCase& c = GetParam();
    StatusDoc s(kFeb2025);
    const int row = s.add();
    RemarkRecord remark;  // remark 1, for the case that points at it
    remark.set("άρρωστος", 5, 1, s.at(row).id());
    s.doc.remarks.push_back(remark);
    s.at(row).setMonthWord(c.word, 4, 1, c.value);
    EXPECT_EQ(s.doc.hasHours(row, 4, 1), c.hasHours);
    EXPECT_EQ(s.doc.hasReport(row, 4, 1), c.hasReport);
    // The same month of the other year and the neighbouring months stay without a report.
    EXPECT_FALSE(s.doc.hasReport(row, 4, 0));
    EXPECT_FALSE(s.doc.hasReport(row, 3, 1));
    EXPECT_FALSE(s.doc.hasReport(row, 5, 1));
}

constexpr std::uint16_t quarters(int q) {
    return static_cast<std::uint16_t>(q << kQuarterShift);
}

INSTANTIATE_TEST_SUITE_P(
    Values, HasReport,
    ::testing::Values(
        ReportCase{"Nothing", MonthWord::Hours, 0, false, false},
        ReportCase{"OneHour", MonthWord::Hours, 1, true, true},
        ReportCase{"OneQuarterHourOnly", MonthWord::StudiesAndFlags, quarters(1), true, true},
        ReportCase{"ThreeQuarterHoursOnly", MonthWord::StudiesAndFlags, quarters(3), true, true},
        ReportCase{"TookPartOnly", MonthWord::StudiesAndFlags, kTookPart, false, true},
        ReportCase{"MaximumStudiesOnly", MonthWord::StudiesAndFlags, 0x03FF, false, false},
        ReportCase{"StudiesAndBit10Only", MonthWord::StudiesAndFlags, 0x07FF, false, false},
        ReportCase{"PlacementsOnly", MonthWord::Placements, 12, false, false},
        ReportCase{"VideosOnly", MonthWord::Videos, 3, false, false},
        ReportCase{"ReturnVisitsOnly", MonthWord::ReturnVisits, 4, false, false},
        ReportCase{"CreditHoursOnly", MonthWord::CreditHours, 15, false, false},
        ReportCase{"RemarkOnly", MonthWord::RemarkIndex, 1, false, false}),
    [](const ::testing::TestParamInfo<ReportCase>& p) { return std::string(p.param.name); });

TEST(HasHours, NeverForTheHeaderRow) {
    StatusDoc s(kFeb2025);
    s.add();
    s.doc.header().setMonthWord(MonthWord::Hours, 4, 1, 7);
    EXPECT_FALSE(s.doc.hasHours(0, 4, 1));
}

// ---------------------------------------------------------------- inactive candidates

// One report at an absolute month; report month January 2025 (six months: August 2024 on).
class InactiveBySingleReport : public ::testing::TestWithParam<std::pair<int, bool>> {};

TEST_P(InactiveBySingleReport, OnlyTheSixMonthsEndingWithTheReportMonthCount) {
    const auto [abs, candidate] = GetParam();
    StatusDoc s(kFeb2025);
    const int row = s.add();
    s.hours(row, abs, 2);
    EXPECT_EQ(isInactiveCandidate(s.doc, row), candidate) << "report in absolute month " << abs;
}

INSTANTIATE_TEST_SUITE_P(
    Months, InactiveBySingleReport,
    ::testing::Values(std::pair{absMonth(2025, 1), false},   // the report month
                      std::pair{absMonth(2024, 12), false},  // across the year, other slot
                      std::pair{absMonth(2024, 8), false},   // sixth month
                      std::pair{absMonth(2024, 7), true},    // seventh month
                      std::pair{absMonth(2024, 1), true},    // January in the other slot
                      std::pair{absMonth(2023, 12), true},   // December in the report month's slot
                      std::pair{absMonth(2023, 8), true}));

TEST(InactiveCandidate, BitElevenOrQuarterHoursAloneKeepAPublisherActive) {
    StatusDoc s(kFeb2025);
    const int participated = s.add();
    setReport(s.at(participated), slotOf(absMonth(2024, 10)).month, slotOf(absMonth(2024, 10)).slot,
              0, 0, 0, true);
    const int quarter = s.add();
    setReport(s.at(quarter), slotOf(absMonth(2024, 9)).month, slotOf(absMonth(2024, 9)).slot, 0, 1);
    EXPECT_FALSE(isInactiveCandidate(s.doc, participated));
    EXPECT_FALSE(isInactiveCandidate(s.doc, quarter));
}

TEST(InactiveCandidate, PlacementsStudiesAndVisitsWithoutHoursDoNotCount) {
    StatusDoc s(kFeb2025);
    const int row = s.add();
    for (int abs = kJan25 - 5; abs <= kJan25; ++abs) {
        s.word(row, abs, MonthWord::Placements, 10);
        s.word(row, abs, MonthWord::Videos, 2);
        s.word(row, abs, MonthWord::ReturnVisits, 5);
        s.word(row, abs, MonthWord::StudiesAndFlags, 3);
        s.word(row, abs, MonthWord::CreditHours, 20);
    }
    EXPECT_TRUE(isInactiveCandidate(s.doc, row));
}

TEST(InactiveCandidate, OnlyPublishersAreCandidates) {
    StatusDoc s(kFeb2025);
    for (std::uint8_t kind = kInactive; kind <= kCircuitOverseer; ++kind) {
        const int row = s.add(kind);
        EXPECT_FALSE(isInactiveCandidate(s.doc, row)) << "kind " << int{kind};
    }
    EXPECT_TRUE(isInactiveCandidate(s.doc, s.add(kPublisher)));
}

TEST(InactiveCandidate, AnOpenReportMonthWithoutReportStillCountsAsEmpty) {
    // The open month is skipped when counting missed months, not when judging inactivity.
    StatusDoc s(kFeb2025);
    s.collection(0, 1);
    const int row = s.add();
    EXPECT_TRUE(isInactiveCandidate(s.doc, row));
}

TEST(InactiveCandidate, ReportsInLastFiveMonthsButNoneSixMonthsAgoIsIrregularNotInactive) {
    StatusDoc s(kFeb2025);
    const int irregular = s.add();
    for (int abs = kJan25 - 4; abs <= kJan25; ++abs) s.hours(irregular, abs);
    EXPECT_FALSE(isInactiveCandidate(s.doc, irregular));
    EXPECT_EQ(irregularMask(s.doc, irregular), 1 << 7) << "August 2024 missed";

    const int inactive = s.add();
    EXPECT_TRUE(isInactiveCandidate(s.doc, inactive));
    EXPECT_EQ(irregularMask(s.doc, inactive), 0xF81) << "January and August-December";
}

// ---------------------------------------------------------------- missed months

struct MissedCase {
    const char* name;
    Date today;
    int count;
    std::function<void(StatusDoc&, int row)> fill;
    int expected;
};

void PrintTo(const MissedCase& c, std::ostream* os) {
    *os << c.name;
}

class MissedMonths : public ::testing::TestWithParam<MissedCase> {};

TEST_P(MissedMonths, Mask) {
    const MissedCase& c = GetParam();
    StatusDoc s(c.today);
    const int row = s.add();
    c.fill(s, row);
    EXPECT_EQ(missedMonths(s.doc, row, c.count), c.expected);
}

constexpr Date kJan2025{2025, 1, 3};  // report month December 2024
constexpr int kDec24 = absMonth(2024, 12);

INSTANTIATE_TEST_SUITE_P(
    Cases, MissedMonths,
    ::testing::Values(MissedCase{"EmptySixMonths", kFeb2025, 6, [](StatusDoc&, int) {}, 0xF81},
                      MissedCase{"OpenReportMonthSkipped", kFeb2025, 6,
                                 [](StatusDoc& s, int) { s.collection(0, 1); }, 0xF80},
                      MissedCase{"ClosedReportMonthCounts", kFeb2025, 6,
                                 [](StatusDoc& s, int) { s.collection(0, 2); }, 0xF81},
                      MissedCase{"OpenStateOfAnotherMonthIgnored", kFeb2025, 6,
                                 [](StatusDoc& s, int) { s.collection(11, 1); }, 0xF81},
                      MissedCase{"OpenDecemberReportMonthSkipped", kJan2025, 6,
                                 [](StatusDoc& s, int) { s.collection(11, 1); }, 0xFC0 & ~0x800},
                      MissedCase{"OpenJanuaryDoesNotSkipDecemberReportMonth", kJan2025, 6,
                                 [](StatusDoc& s, int) { s.collection(0, 1); }, 0xFC0},
                      MissedCase{"OneMonthOpen", kFeb2025, 1,
                                 [](StatusDoc& s, int) { s.collection(0, 1); }, 0},
                      MissedCase{"OneMonth", kFeb2025, 1, [](StatusDoc&, int) {}, 1},
                      MissedCase{"NoMonths", kFeb2025, 0, [](StatusDoc&, int) {}, 0},
                      MissedCase{"TwelveMonths", kFeb2025, 12, [](StatusDoc&, int) {}, 0xFFF},
                      MissedCase{"DecemberReportAcrossTheYear", kFeb2025, 6,
                                 [](StatusDoc& s, int r) { s.hours(r, absMonth(2024, 12)); },
                                 0x781},
                      MissedCase{"DecemberOfTheWrongYear", kFeb2025, 6,
                                 [](StatusDoc& s, int r) { s.hours(r, absMonth(2023, 12)); },
                                 0xF81},
                      MissedCase{"AllSixReported", kFeb2025, 6,
                                 [](StatusDoc& s, int r) {
                                     for (int a = kJan25 - 5; a <= kJan25; ++a) s.hours(r, a);
                                 },
                                 0},
                      MissedCase{"SeventhMonthNotLookedAt", kFeb2025, 6,
                                 [](StatusDoc& s, int r) { s.hours(r, absMonth(2024, 7)); }, 0xF81},
                      MissedCase{"SpecialPioneerNeverMissed", kFeb2025, 6,
                                 [](StatusDoc& s, int r) { s.pioneer(r, absMonth(2024, 11), 3); },
                                 0xB81},
                      MissedCase{
                          "SpecialPioneerKindInLowBits", kFeb2025, 6,
                          [](StatusDoc& s, int r) { s.pioneer(r, absMonth(2024, 11), 0x07); },
                          0xB81},
                      MissedCase{"RegularPioneerMissed", kFeb2025, 6,
                                 [](StatusDoc& s, int r) { s.pioneer(r, absMonth(2024, 11), 2); },
                                 0xF81},
                      MissedCase{"AuxiliaryPioneerMissed", kFeb2025, 6,
                                 [](StatusDoc& s, int r) { s.pioneer(r, absMonth(2024, 11), 1); },
                                 0xF81},
                      MissedCase{"SpecialPioneerOfTheOtherYearMissed", kFeb2025, 6,
                                 [](StatusDoc& s, int r) { s.pioneer(r, absMonth(2023, 11), 3); },
                                 0xF81},
                      MissedCase{"SpecialPioneerInOpenReportMonth", kFeb2025, 6,
                                 [](StatusDoc& s, int r) {
                                     s.collection(0, 1);
                                     s.pioneer(r, kJan25, 3);
                                 },
                                 0xF80},
                      MissedCase{"BitElevenAndQuartersAreReports", kFeb2025, 6,
                                 [](StatusDoc& s, int r) {
                                     const MonthSlot a = slotOf(absMonth(2024, 9));
                                     const MonthSlot b = slotOf(absMonth(2024, 10));
                                     setReport(s.at(r), a.month, a.slot, 0, 0, 0, true);
                                     setReport(s.at(r), b.month, b.slot, 0, 2);
                                 },
                                 0xC81}),
    [](const ::testing::TestParamInfo<MissedCase>& p) {
        std::string n(p.param.name);
        std::erase(n, ' ');
        return n;
    });

// ---------------------------------------------------------------- status window

struct WindowCase {
    const char* name;
    std::uint8_t statusFlags;
    std::uint8_t statusFlags2;
    int bits;
    std::vector<int> hoursIn;  // absolute months with hours
    int window;
};

void PrintTo(const WindowCase& c, std::ostream* os) {
    *os << c.name;
}

class StatusWindow : public ::testing::TestWithParam<WindowCase> {};

TEST_P(StatusWindow, MonthsJudged) {
    const WindowCase& c = GetParam();
    StatusDoc s(kFeb2025);
    const int row = s.add();
    s.marks(row, c.statusFlags, c.statusFlags2);
    for (const int abs : c.hoursIn) s.hours(row, abs);
    const int w = statusWindow(s.doc, row, c.bits);
    EXPECT_EQ(w, c.window);
    EXPECT_GE(w, 1);
    EXPECT_LE(w, 6);
}

std::vector<int> monthsFrom(int first, int last = kJan25) {
    std::vector<int> v;
    for (int a = first; a <= last; ++a) v.push_back(a);
    return v;
}

constexpr int kNov24 = absMonth(2024, 11);

INSTANTIATE_TEST_SUITE_P(
    Cases, StatusWindow,
    ::testing::Values(
        WindowCase{"NoMark", 0, 0, 7, {}, 6},
        WindowCase{"NewInReportMonthNothingBefore", flags(1, 1), flags(1, 1), 7, {kJan25}, 1},
        WindowCase{"NewInReportMonthWithoutAnyReport", flags(1, 1), flags(1, 1), 7, {}, 1},
        WindowCase{"NewInNovember", flags(11, 1), flags(11, 1), 7, monthsFrom(kNov24), 3},
        WindowCase{"NewInNovemberExtendedOverEarlierHours", flags(11, 1), flags(11, 1), 7,
                   monthsFrom(absMonth(2024, 9)), 5},
        WindowCase{"ExtensionStopsAtSix", flags(11, 1), flags(11, 1), 7,
                   monthsFrom(absMonth(2024, 3)), 6},
        WindowCase{"NovemberMarkOctoberOfTheOtherYear",
                   flags(11, 1),
                   flags(11, 1),
                   7,
                   {absMonth(2023, 10), kNov24, kDec24, kJan25},
                   3},
        WindowCase{"DecemberMarkAcrossTheYear", flags(12, 1), flags(12, 1), 7, {kDec24, kJan25}, 2},
        WindowCase{"MarkInSixthMonth", flags(8, 1), flags(8, 1), 7, {}, 6},
        WindowCase{"MarkBeforeTheSixMonths", flags(7, 1), flags(7, 1), 7, {}, 6},
        WindowCase{"MarkInFebruaryIsLastYear", flags(2, 1), flags(2, 1), 7, {}, 6},
        WindowCase{"ReactivatedWithNewAndTransferredBits", flags(11, 2), flags(11, 2), 5,
                   monthsFrom(kNov24), 6},
        WindowCase{"ReactivatedWithAllBits", flags(11, 2), flags(11, 2), 7, monthsFrom(kNov24), 3},
        WindowCase{"TransferredRegular", flags(11, 4), flags(11, 4), 5, monthsFrom(kNov24), 3},
        WindowCase{"TransferredIrregularNotShielded", flags(11, 0), flags(11, 0), 7,
                   monthsFrom(kNov24), 6},
        WindowCase{"MarkOnlyInSecondByte", 0, flags(11, 1), 7, monthsFrom(kNov24), 6},
        // A mark without a month never reaches its month: the full window.
        WindowCase{"MarkWithoutMonth", flags(0, 1), flags(0, 1), 7, monthsFrom(kNov24), 6}));

TEST(StatusWindowHours, OnlyHoursExtendTheWindow) {
    // Marked new in December; November has only the took-part mark, then only quarter hours.
    StatusDoc s(kFeb2025);
    const int flagOnly = s.add();
    s.marks(flagOnly, flags(12, 1), flags(12, 1));
    const MonthSlot nov = slotOf(kNov24);
    setReport(s.at(flagOnly), nov.month, nov.slot, 0, 0, 0, true);
    EXPECT_EQ(statusWindow(s.doc, flagOnly, 7), 2) << "taking part is a report, not hours";

    const int quarters = s.add();
    s.marks(quarters, flags(12, 1), flags(12, 1));
    setReport(s.at(quarters), nov.month, nov.slot, 0, 2);
    EXPECT_EQ(statusWindow(s.doc, quarters, 7), 3);
}

// ---------------------------------------------------------------- irregular

TEST(Irregular, MonthsBeforeTheFirstReportOfANewPublisherAreNotMissed) {
    StatusDoc s(kFeb2025);
    const int fresh = s.add();
    s.marks(fresh, flags(11, 1), flags(11, 1), static_cast<std::uint16_t>(kNov24));
    for (const int a : monthsFrom(kNov24)) s.hours(fresh, a);
    EXPECT_EQ(missedMonths(s.doc, fresh, 6), 0x380) << "August to October";
    EXPECT_EQ(irregularMask(s.doc, fresh), 0);
    EXPECT_FALSE(isInactiveCandidate(s.doc, fresh));

    // The same reports without the mark: irregular.
    const int plain = s.add();
    for (const int a : monthsFrom(kNov24)) s.hours(plain, a);
    EXPECT_EQ(irregularMask(s.doc, plain), 0x380);

    // A gap after the first report still counts.
    const int gap = s.add();
    s.marks(gap, flags(11, 1), flags(11, 1));
    s.hours(gap, kNov24);
    s.hours(gap, kJan25);
    EXPECT_EQ(irregularMask(s.doc, gap), 1 << 11);
}

TEST(Irregular, ReactivatedAndTransferredAreJudgedSinceTheirMark) {
    StatusDoc s(kFeb2025);
    for (const int mark : {2, 4}) {
        const int row = s.add();
        s.marks(row, flags(12, mark), flags(12, mark));
        s.hours(row, kDec24);
        s.hours(row, kJan25);
        EXPECT_EQ(irregularMask(s.doc, row), 0) << "mark " << mark;
    }
    const int irregularTransfer = s.add();
    s.marks(irregularTransfer, flags(12, 0), flags(12, 0));
    s.hours(irregularTransfer, kDec24);
    s.hours(irregularTransfer, kJan25);
    EXPECT_EQ(irregularMask(s.doc, irregularTransfer), 0x780);
}

TEST(Irregular, NewPublisherInOpenReportMonthBeforeReporting) {
    StatusDoc s(kFeb2025);
    s.collection(0, 1);
    const int row = s.add();
    s.marks(row, flags(1, 1), flags(1, 1));
    EXPECT_EQ(statusWindow(s.doc, row, 7), 1);
    EXPECT_EQ(irregularMask(s.doc, row), 0);
}

TEST(Irregular, SpecialPioneerWithoutReportsIsNotIrregular) {
    StatusDoc s(kFeb2025);
    const int row = s.add();
    for (int a = kJan25 - 11; a <= kJan25; ++a) s.pioneer(row, a, 3);
    EXPECT_EQ(missedMonths(s.doc, row, 6), 0);
    EXPECT_EQ(irregularMask(s.doc, row), 0);
}

// ---------------------------------------------------------------- mark months

struct MarkCase {
    Date today;
    std::uint8_t statusFlags;
    std::uint8_t statusFlags2;
    int bits;
    int expected;
};

void PrintTo(const MarkCase& c, std::ostream* os) {
    *os << c.today.year << "-" << c.today.month << " flags " << int{c.statusFlags} << "/"
        << int{c.statusFlags2} << " bits " << c.bits;
}

class MarkMonthRecent : public ::testing::TestWithParam<MarkCase> {};
class MarkMonthThisYear : public ::testing::TestWithParam<MarkCase> {};
class MarkMonth : public ::testing::TestWithParam<MarkCase> {};

int evaluate(const MarkCase& c, int (*rule)(const CZelvoDoc&, int, int)) {
    StatusDoc s(c.today);
    const int row = s.add();
    s.marks(row, c.statusFlags, c.statusFlags2);
    return rule(s.doc, row, c.bits);
}

TEST_P(MarkMonthRecent, WithinTheSixMonths) {
    EXPECT_EQ(evaluate(GetParam(), markMonthRecent), GetParam().expected);
}
TEST_P(MarkMonthThisYear, SinceSeptember) {
    EXPECT_EQ(evaluate(GetParam(), markMonthThisYear), GetParam().expected);
}
TEST_P(MarkMonth, SecondByteFirst) {
    EXPECT_EQ(evaluate(GetParam(), markMonth), GetParam().expected);
}

constexpr Date kJul2025{2025, 7, 3};   // report month June 2025
constexpr Date kOct2024{2024, 10, 3};  // report month September 2024
constexpr Date kAug2025{2025, 8, 3};   // report month July 2025

INSTANTIATE_TEST_SUITE_P(
    Cases, MarkMonthRecent,
    ::testing::Values(
        // Report month January 2025.
        MarkCase{kFeb2025, flags(1, 1), 0, 1, 1}, MarkCase{kFeb2025, flags(12, 1), 0, 1, 12},
        MarkCase{kFeb2025, flags(8, 1), 0, 1, 8},  // five months back
        MarkCase{kFeb2025, flags(7, 1), 0, 1, 0},  // six months back
        MarkCase{kFeb2025, flags(2, 1), 0, 1, 0},  // February: eleven months back
        MarkCase{kFeb2025, flags(1, 2), 0, 1, 0}, MarkCase{kFeb2025, flags(1, 2), 0, 2, 1},
        MarkCase{kFeb2025, flags(1, 4), 0, 7, 1}, MarkCase{kFeb2025, flags(1, 0), 0, 7, 0},
        MarkCase{kFeb2025, flags(0, 1), 0, 1, 0},
        MarkCase{kFeb2025, 0, flags(1, 1), 1, 0},  // the second byte is not looked at
        // Report month June 2025.
        MarkCase{kJul2025, flags(1, 1), 0, 1, 1}, MarkCase{kJul2025, flags(12, 1), 0, 1, 0},
        MarkCase{kJul2025, flags(6, 2), 0, 2, 6}, MarkCase{kJul2025, flags(7, 2), 0, 2, 0},
        // Report month December 2024.
        MarkCase{kJan2025, flags(7, 4), 0, 4, 7}, MarkCase{kJan2025, flags(6, 4), 0, 4, 0},
        MarkCase{kJan2025, flags(12, 4), 0, 5, 12}, MarkCase{kJan2025, flags(1, 4), 0, 5, 0}));

INSTANTIATE_TEST_SUITE_P(
    Cases, MarkMonthThisYear,
    ::testing::Values(
        // Report month January 2025: September 2024 to January 2025.
        MarkCase{kFeb2025, 0, flags(9, 1), 1, 9}, MarkCase{kFeb2025, 0, flags(8, 1), 1, 0},
        MarkCase{kFeb2025, 0, flags(12, 1), 1, 12}, MarkCase{kFeb2025, 0, flags(1, 1), 1, 1},
        MarkCase{kFeb2025, 0, flags(2, 1), 1, 0}, MarkCase{kFeb2025, 0, flags(9, 2), 1, 0},
        MarkCase{kFeb2025, 0, flags(9, 2), 7, 9},
        MarkCase{kFeb2025, flags(9, 1), 0, 1, 0},  // only the second byte counts
        // Report month September: the service year has one month.
        MarkCase{kOct2024, 0, flags(9, 1), 1, 9}, MarkCase{kOct2024, 0, flags(8, 1), 1, 0},
        MarkCase{kOct2024, 0, flags(10, 1), 1, 0},
        // Report month July 2025.
        MarkCase{kAug2025, 0, flags(7, 2), 2, 7}, MarkCase{kAug2025, 0, flags(8, 2), 2, 0},
        MarkCase{kAug2025, 0, flags(9, 2), 2, 9}, MarkCase{kAug2025, 0, flags(1, 2), 2, 1}));

TEST(MarkMonthThisYearAugust, AugustReportMonthTakesAllTwelveMonths) {
    for (int month = 1; month <= 12; ++month) {
        StatusDoc s({2025, 9, 3});
        ASSERT_EQ(s.doc.calendar.reportMonth, 7);
        const int row = s.add();
        s.marks(row, 0, flags(month, 1));
        EXPECT_EQ(markMonthThisYear(s.doc, row, 1), month);
    }
    StatusDoc s({2025, 9, 3});
    const int row = s.add();
    s.marks(row, 0, flags(0, 1));
    EXPECT_EQ(markMonthThisYear(s.doc, row, 1), 0) << "a mark without a month";
}

INSTANTIATE_TEST_SUITE_P(Cases, MarkMonth,
                         ::testing::Values(MarkCase{kFeb2025, flags(3, 2), flags(5, 2), 2, 5},
                                           MarkCase{kFeb2025, flags(3, 2), 0, 2, 3},
                                           MarkCase{kFeb2025, flags(3, 1), flags(5, 2), 1, 3},
                                           MarkCase{kFeb2025, flags(3, 1), flags(5, 2), 2, 5},
                                           MarkCase{kFeb2025, flags(3, 1), flags(5, 2), 4, 0},
                                           MarkCase{kFeb2025, flags(3, 1), flags(5, 2), 7, 5},
                                           MarkCase{kFeb2025, 0, 0, 7, 0}));

struct SinceCase {
    std::uint8_t statusFlags;
    std::uint8_t statusFlags2;
    int since;
    int bits;
    int expected;
};

void PrintTo(const SinceCase& c, std::ostream* os) {
    *os << "flags " << int{c.statusFlags} << "/" << int{c.statusFlags2} << " since " << c.since;
}

class MarkMonthWithSince : public ::testing::TestWithParam<SinceCase> {};

TEST_P(MarkMonthWithSince, ByAgeOfStatusSince) {
    const SinceCase& c = GetParam();
    StatusDoc s(kFeb2025);  // report month absolute 300
    const int row = s.add();
    s.marks(row, c.statusFlags, c.statusFlags2, static_cast<std::uint16_t>(c.since));
    EXPECT_EQ(markMonthWithSince(s.doc, row, c.bits), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MarkMonthWithSince,
    ::testing::Values(SinceCase{flags(7, 2), flags(7, 2), 0, 2, 7},
                      SinceCase{flags(7, 2), flags(7, 2), kJan25, 2, 7},
                      SinceCase{flags(7, 2), flags(7, 2), kJan25 - 11, 2, 7},
                      SinceCase{flags(7, 2), flags(7, 2), kJan25 - 12, 2, 1},  // January 2024
                      SinceCase{flags(7, 2), flags(7, 2), kJan25 - 23, 2, 2},  // February 2023
                      SinceCase{flags(7, 2), flags(7, 2), kJan25 - 24, 2, 0},
                      SinceCase{flags(7, 2), flags(7, 2), 100, 2, 0},
                      // Later than the report month (a month copy being viewed).
                      SinceCase{flags(7, 2), flags(7, 2), kJan25 + 1, 2, 7},
                      SinceCase{flags(7, 1), flags(7, 1), kJan25 - 12, 2, 0},
                      // The month half was cleared when the mark was set a year back.
                      SinceCase{flags(0, 2), flags(0, 2), kJan25 - 12, 2, 1},
                      SinceCase{flags(0, 2), flags(0, 2), kJan25 - 11, 2, 0},
                      SinceCase{0, flags(5, 2), kJan25 - 13, 2, 12},
                      SinceCase{0, flags(5, 2), 0, 2, 0}));

}  // namespace
}  // namespace zelvo
