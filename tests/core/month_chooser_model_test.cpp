// The month chooser: the month list, the year that follows the chosen month, and what OK and
// Cancel return in each mode.
#include <gtest/gtest.h>

#include "reporting/month_chooser_model.h"
#include "store/calendar.h"

namespace zelvo::reporting {
namespace {

CalendarState calendarOn(Date today) {
    CalendarState cal;
    applyReportMonthAtStart(cal, today);
    deriveReportMonth(cal);
    return cal;
}

const CalendarState kMarch = calendarOn({2025, 4, 3});  // report month March 2025 (index 2)
const CalendarState kJune = calendarOn({2025, 7, 3});   // report month June 2025 (index 5)

TEST(MonthChooserModel, QuestionAndMonthNames) {
    EXPECT_EQ(MonthChooserModel::question("Νίκος Παπάς", "έγινε ευαγγελιζόμενος"),
              "Μήνας που Νίκος Παπάς έγινε ευαγγελιζόμενος");
    const auto months = MonthChooserModel::monthEntries();
    ASSERT_EQ(months.size(), 12u);
    EXPECT_EQ(months[0], "Ιανουάριος");
    EXPECT_EQ(months[11], "Δεκέμβριος");
}

TEST(MonthChooserModel, OpensOnTheInitialMonthAndTheCurrentYear) {
    const MonthChooserModel model(kMarch, 2, "q", MonthChooserModel::kWithYear);
    EXPECT_EQ(model.caption(), "q");
    EXPECT_EQ(model.monthIndex(), 2);
    EXPECT_EQ(model.topYear(), 2025);
    EXPECT_TRUE(model.yearListVisible());
    EXPECT_FALSE(model.tickVisible());
    const auto years = model.yearEntries();
    EXPECT_EQ(years.front(), 1950);
    EXPECT_EQ(years.back(), 2025);
}

TEST(MonthChooserModel, DecemberChosenInMarchIsOfTheYearBefore) {
    MonthChooserModel model(kMarch, 2, "q", MonthChooserModel::kWithYear);
    model.setMonthIndex(11);
    EXPECT_EQ(model.topYear(), 2024) << "the list follows";
    const auto r = model.accept();
    EXPECT_EQ(r.month, 12);
    EXPECT_EQ(r.year, 2024);
    model.setMonthIndex(1);
    EXPECT_EQ(model.topYear(), 2025) << "and comes back";
}

TEST(MonthChooserModel, AYearScrolledFurtherBackStays) {
    MonthChooserModel model(kMarch, 2, "q", MonthChooserModel::kWithYear);
    model.setTopYear(2019);
    model.setMonthIndex(11);
    model.setMonthIndex(0);
    EXPECT_EQ(model.topYear(), 2019);
    EXPECT_EQ(model.accept().year, 2019);
    model.setTopYear(3000);
    EXPECT_EQ(model.topYear(), 2025);
}

TEST(MonthChooserModel, WithoutTheYearListTheReportYearOrTheOneBefore) {
    MonthChooserModel model(kJune, 5, "q", MonthChooserModel::kMonthOnly);
    EXPECT_FALSE(model.yearListVisible());
    auto r = model.accept();
    EXPECT_EQ(r.month, 6);
    EXPECT_EQ(r.year, 2025);
    EXPECT_FALSE(r.regular);
    model.setMonthIndex(8);
    r = model.accept();
    EXPECT_EQ(r.month, 9);
    EXPECT_EQ(r.year, 2024);
}

TEST(MonthChooserModel, TheRegularTickCountsOnlyWhereItIsShown) {
    MonthChooserModel withTick(kJune, 5, "q", MonthChooserModel::kRegularTick);
    EXPECT_TRUE(withTick.tickVisible());
    withTick.setRegular(true);
    EXPECT_TRUE(withTick.accept().regular);
    MonthChooserModel plain(kJune, 5, "q", MonthChooserModel::kMonthOnly);
    plain.setRegular(true);
    EXPECT_FALSE(plain.accept().regular);
    EXPECT_EQ(MonthChooserModel::cancelled().month, 0);
}

TEST(MonthChooserModel, TheAnswerIsFourForTheTickElseTheYear) {
    MonthChooserModel regular(kMarch, 2, "q", MonthChooserModel::kRegularTick);
    EXPECT_EQ(regular.accept().answer(), 2025);
    regular.setRegular(true);
    EXPECT_EQ(regular.accept().answer(), 4);
    MonthChooserModel withYear(kMarch, 2, "q", MonthChooserModel::kWithYear);
    withYear.setMonthIndex(11);
    EXPECT_EQ(withYear.accept().answer(), 2024) << "December chosen in March";
}

}  // namespace
}  // namespace zelvo::reporting
