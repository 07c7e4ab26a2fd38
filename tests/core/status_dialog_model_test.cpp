// The model of the status dialog: which mark it opens on, which lists it shows, the default
// year of a chosen month, and what OK writes into the record.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <utility>

#include "records/status_dialog_model.h"
#include "store/calendar.h"
#include "store/publisher_record.h"
#include "test_folder.h"

namespace zelvo {
namespace {

using Choice = StatusDialogModel::Choice;

CalendarState calendarOn(Date today) {
    CalendarState cal;
    applyReportMonthAtStart(cal, today);
    deriveReportMonth(cal);
    return cal;
}

PublisherRecord marked(std::uint8_t sf, std::uint8_t sf2, int since = 0) {
    PublisherRecord r = test::person(120, "Giannis", "Papas");
    r.setByte(PublisherRecord::kStatusFlags, sf);
    r.setByte(PublisherRecord::kStatusFlags2, sf2);
    r.setWord(PublisherRecord::kStatusSince, static_cast<std::uint16_t>(since));
    return r;
}

constexpr Date kFeb2025{2025, 2, 3};  // report month January 2025
constexpr Date kJul2025{2025, 7, 3};  // report month June 2025, absolute 305

TEST(StatusDialogModel, TitleHasTwoBlanksBeforeTheName) {
    EXPECT_EQ(StatusDialogModel::title("Γιάννης", "Παπαδόπουλος"),
              "Κατάσταση του  Γιάννης Παπαδόπουλος");
}

TEST(StatusDialogModel, MonthListIsABlankThenTwelveAbbreviations) {
    const auto months = StatusDialogModel::monthEntries();
    ASSERT_EQ(months.size(), 13u);
    EXPECT_EQ(months[0].find_first_not_of(' '), std::string::npos) << "'" << months[0] << "'";
    EXPECT_EQ(months[1], "Ιαν");
    EXPECT_EQ(months[12], "Δεκ");
    const std::set<std::string> distinct(months.begin() + 1, months.end());
    EXPECT_EQ(distinct.size(), 12u);
    EXPECT_EQ(distinct.count(""), 0u);
}

TEST(StatusDialogModel, YearListIsTheReportYearAndTheOneBefore) {
    const StatusDialogModel jan(calendarOn(kFeb2025), marked(0, 0));
    EXPECT_EQ(jan.yearEntries(), (std::vector<int>{25, 24}));
    const StatusDialogModel dec(calendarOn({2025, 1, 3}), marked(0, 0));
    EXPECT_EQ(dec.yearEntries(), (std::vector<int>{24, 23}));
}

struct OpenCase {
    std::uint8_t sf, sf2;
    Choice choice;
    int month;
};

class OpensOnMark : public ::testing::TestWithParam<OpenCase> {};

TEST_P(OpensOnMark, ChoiceAndMonth) {
    const OpenCase& c = GetParam();
    const StatusDialogModel m(calendarOn(kJul2025), marked(c.sf, c.sf2));
    EXPECT_EQ(m.choice(), c.choice) << int{c.sf} << "/" << int{c.sf2};
    EXPECT_EQ(m.month(), c.month) << int{c.sf} << "/" << int{c.sf2};
}

INSTANTIATE_TEST_SUITE_P(Marks, OpensOnMark,
                         ::testing::Values(OpenCase{0x31, 0x31, Choice::kNewPublisher, 3},
                                           OpenCase{0x34, 0x34, Choice::kTransferredRegular, 3},
                                           OpenCase{0x52, 0x52, Choice::kReactivated, 5},
                                           // The second byte when the first has no mark.
                                           OpenCase{0x00, 0x52, Choice::kReactivated, 5},
                                           OpenCase{0x00, 0xC1, Choice::kNewPublisher, 12},
                                           OpenCase{0x00, 0x44, Choice::kTransferredRegular, 4},
                                           // The first byte wins.
                                           OpenCase{0x31, 0x52, Choice::kNewPublisher, 3},
                                           OpenCase{0x22, 0x91, Choice::kReactivated, 2}));

TEST(StatusDialogModel, ListsShownPerChoice) {
    StatusDialogModel m(calendarOn(kJul2025), marked(0, 0));
    const struct {
        Choice choice;
        bool months, years;
    } expected[] = {
        {Choice::kNewPublisher, true, true},
        {Choice::kTransferredRegular, true, false},
        {Choice::kTransferredIrregular, false, false},
        {Choice::kReactivated, true, true},
        {Choice::kPutRight, false, false},
    };
    for (const auto& e : expected) {
        m.setChoice(e.choice);
        EXPECT_EQ(m.monthListVisible(), e.months) << "choice " << e.choice;
        EXPECT_EQ(m.yearListVisible(), e.years) << "choice " << e.choice;
    }
}

TEST(StatusDialogModel, DefaultYearIsTheYearBeforeForMonthsAfterTheReportMonth) {
    const struct {
        Date today;
        int month, year;
    } cases[] = {
        {kFeb2025, 1, 25},     {kFeb2025, 2, 24}, {kFeb2025, 12, 24}, {{2025, 1, 3}, 12, 24},
        {{2025, 1, 3}, 1, 24}, {kJul2025, 6, 25}, {kJul2025, 7, 24},  {kJul2025, 1, 25},
    };
    for (const auto& c : cases) {
        StatusDialogModel m(calendarOn(c.today), marked(0, 0));
        m.setChoice(Choice::kNewPublisher);
        m.setMonth(c.month);
        EXPECT_EQ(m.month(), c.month);
        EXPECT_EQ(m.year(), c.year) << c.today.month << "/" << c.month;
    }
}

TEST(StatusDialogModel, OpeningYearFollowsTheMarkMonth) {
    // Report month January 2025: a mark in March belongs to 2024.
    EXPECT_EQ(StatusDialogModel(calendarOn(kFeb2025), marked(0x31, 0x31)).year(), 24);
    EXPECT_EQ(StatusDialogModel(calendarOn(kFeb2025), marked(0x11, 0x11)).year(), 25);
}

TEST(StatusDialogModel, OpeningOffersARecentStatusSince) {
    // Report month June 2025; statusSince March 2024 lies 15 months back.
    const StatusDialogModel m(calendarOn(kJul2025), marked(0x02, 0x02, absoluteMonth(24, 2)));
    EXPECT_EQ(m.choice(), Choice::kReactivated);
    EXPECT_EQ(m.month(), 3);
    EXPECT_EQ(m.year(), 24);

    // Twenty-four months back it is too old to offer: the mark's month with its default year.
    const StatusDialogModel old(calendarOn(kJul2025), marked(0x32, 0x32, absoluteMonth(23, 5)));
    EXPECT_EQ(old.month(), 3);
    EXPECT_EQ(old.year(), 25);
}

// ---------------------------------------------------------------- OK

struct ApplyCase {
    const char* name;
    Choice choice;
    int month;
    int year;  // 0 = keep the default
    std::uint8_t flags;
    int since;
};

void PrintTo(const ApplyCase& c, std::ostream* os) {
    *os << c.name;
}

class ApplyStatus : public ::testing::TestWithParam<ApplyCase> {};

TEST_P(ApplyStatus, WritesMarksAndSince) {
    const ApplyCase& c = GetParam();
    PublisherRecord before = marked(0, 0);
    before.setMonthWord(MonthWord::Hours, 2, 1, 9);
    before.setByte(PublisherRecord::kPrivileges, 0x25);
    StatusDialogModel m(calendarOn(kJul2025), before);
    m.setChoice(c.choice);
    m.setMonth(c.month);
    if (c.year != 0) m.setYear(c.year);
    PublisherRecord after = before;
    m.apply(after);
    EXPECT_EQ(int{after.statusFlags()}, int{c.flags});
    EXPECT_EQ(int{after.statusFlags2()}, int{c.flags});
    EXPECT_EQ(after.statusSince(), c.since);

    // Nothing else of the record changes.
    PublisherRecord rest = after;
    rest.setByte(PublisherRecord::kStatusFlags, 0);
    rest.setByte(PublisherRecord::kStatusFlags2, 0);
    rest.setWord(PublisherRecord::kStatusSince, 0);
    EXPECT_EQ(rest.bytes, before.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, ApplyStatus,
    ::testing::Values(
        ApplyCase{"NewThisYear", Choice::kNewPublisher, 3, 0, 0x31, absoluteMonth(25, 2)},
        ApplyCase{"NewInReportMonth", Choice::kNewPublisher, 6, 0, 0x61, 305},
        // July 2024 is eleven months back: the month is kept.
        ApplyCase{"NewElevenMonthsBack", Choice::kNewPublisher, 7, 0, 0x71, 294},
        // June 2024 is twelve months back: only the mark remains.
        ApplyCase{"NewTwelveMonthsBack", Choice::kNewPublisher, 6, 24, 0x01, 293},
        ApplyCase{"ReactivatedThisYear", Choice::kReactivated, 5, 0, 0x52, 304},
        ApplyCase{"ReactivatedLastYear", Choice::kReactivated, 1, 24, 0x02, 288},
        ApplyCase{"TransferredRegular", Choice::kTransferredRegular, 4, 0, 0x44, 0},
        ApplyCase{"TransferredIrregular", Choice::kTransferredIrregular, 4, 0, 0x40, 0},
        ApplyCase{"TransferredRegularDecember", Choice::kTransferredRegular, 12, 0, 0xC4, 0}),
    [](const ::testing::TestParamInfo<ApplyCase>& p) { return std::string(p.param.name); });

TEST(StatusDialogModel, PutRightClearsEverything) {
    PublisherRecord r = marked(0x31, 0x52, 302);
    StatusDialogModel m(calendarOn(kJul2025), r);
    m.setChoice(Choice::kPutRight);
    m.apply(r);
    EXPECT_EQ(r.statusFlags(), 0);
    EXPECT_EQ(r.statusFlags2(), 0);
    EXPECT_EQ(r.statusSince(), 0);
}

TEST(StatusDialogModel, OkWithoutChangesKeepsTheMark) {
    // Report month June 2025: new in March 2025, reactivated in May 2025.
    for (const auto& [sf, since] : {std::pair{std::uint8_t{0x31}, absoluteMonth(25, 2)},
                                    std::pair{std::uint8_t{0x52}, absoluteMonth(25, 4)}}) {
        PublisherRecord r = marked(sf, sf, since);
        const PublisherRecord before = r;
        StatusDialogModel(calendarOn(kJul2025), r).apply(r);
        EXPECT_EQ(r.bytes, before.bytes) << int{sf};
    }
}

TEST(StatusDialogModel, MonthAfterReportMonthInJanuaryGoesToLastYearAndLosesItsMonth) {
    // Report month January 2025: February is February 2024, eleven months back, kept;
    // January 2024 would be twelve months back.
    PublisherRecord r = marked(0, 0);
    StatusDialogModel m(calendarOn(kFeb2025), r);
    m.setChoice(Choice::kReactivated);
    m.setMonth(2);
    m.apply(r);
    EXPECT_EQ(r.statusSince(), absoluteMonth(24, 1));
    EXPECT_EQ(r.statusFlags(), 0x22);

    m.setMonth(1);
    m.setYear(24);
    m.apply(r);
    EXPECT_EQ(r.statusSince(), absoluteMonth(24, 0));
    EXPECT_EQ(r.statusFlags(), 0x02);
    EXPECT_EQ(r.statusFlags2(), 0x02);
}

TEST(StatusDialogModel, AChoiceWithTheMonthListNeedsAMonth) {
    StatusDialogModel m(calendarOn(kJul2025), marked(0, 0));
    EXPECT_FALSE(m.refusal().has_value()) << "put right needs no month";
    for (const Choice c :
         {Choice::kNewPublisher, Choice::kTransferredRegular, Choice::kReactivated}) {
        m.setChoice(c);
        EXPECT_EQ(m.refusal(), "Διαλέξτε τον μήνα. Χωρίς μήνα η κατάσταση δεν αποθηκεύεται.") << c;
    }
    m.setChoice(Choice::kTransferredIrregular);
    EXPECT_FALSE(m.refusal().has_value()) << "no month list is shown for it";
    m.setChoice(Choice::kNewPublisher);
    m.setMonth(1);
    EXPECT_FALSE(m.refusal().has_value());
    m.setMonth(0);
    EXPECT_TRUE(m.refusal().has_value());
}

}  // namespace
}  // namespace zelvo
