// The string table's helpers: blanks filled, months counted round the year, quarter suffixes.
#include <gtest/gtest.h>

#include "resources/strings.h"

namespace zelvo {

TEST(Strings, FormatFillsEachBlankAndLeavesEveryOtherPercentAlone) {
    EXPECT_EQ(res::format("%2 - %1 (%1)", "a", "b"), "b - a (a)");
    EXPECT_EQ(res::format("%1%  από  %2", "    50", " 12"), "    50%  από   12");
    EXPECT_EQ(res::format("%3%4%0%", "a", "b", "c"), "c%4%0%");
    EXPECT_EQ(res::format("%1 %2", "x"), "x ");  // a blank without an argument is emptied
    EXPECT_EQ(res::format(res::kGroupCaptionFormat, res::kGroupCaption, "3"), "Όμιλος # 3");
}

TEST(Strings, MonthsCountRoundTheYear) {
    EXPECT_EQ(res::monthName(0), "Ιανουάριος");
    EXPECT_EQ(res::monthName(11), "Δεκέμβριος");
    EXPECT_EQ(res::monthName(-1), "Δεκέμβριος");
    EXPECT_EQ(res::monthName(12), "Ιανουάριος");
    EXPECT_EQ(res::monthName(-13), "Δεκέμβριος");
    EXPECT_EQ(res::monthAbbrev(-12), "Ιαν");
    EXPECT_EQ(res::monthAbbrev(23), "Δεκ");
    EXPECT_EQ(res::monthNameGenitive(14), "Μαρτίου");
    EXPECT_EQ(res::monthNameAccusative(4), "Μάιο");
    EXPECT_EQ(res::monthNameAccusative(-1), "Δεκέμβριο");
}

TEST(Strings, QuarterSuffixOnlyForOneToThreeQuarters) {
    EXPECT_EQ(res::quarterSuffix(1), ".25");
    EXPECT_EQ(res::quarterSuffix(2), ".5");
    EXPECT_EQ(res::quarterSuffix(3), ".75");
    for (const int outside : {-1, 0, 4}) EXPECT_TRUE(res::quarterSuffix(outside).empty());
}

}  // namespace zelvo
