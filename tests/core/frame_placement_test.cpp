#include "shell/frame_placement.h"

#include <gtest/gtest.h>

namespace zelvo::shell {
namespace {

const DesktopArea kDesktop{0, 0, 1000, 800};
constexpr int kFrameWidth = 600;
const FramePoint kCentredTop{200, 0};

TEST(FramePlacement, AReportReturnsToItsPlaceWhileThatIsWellOnTheDesktop) {
    struct Case {
        FramePoint at;
        bool kept;
    };
    // x from 1 to the width less a tenth (900); y from -20 to the height less a fifth (640).
    for (const Case c :
         {Case{{1, -20}, true}, Case{{900, 640}, true}, Case{{0, 100}, false},
          Case{{901, 100}, false}, Case{{100, -21}, false}, Case{{100, 641}, false}}) {
        const FramePoint expected = c.kept ? c.at : kCentredTop;
        EXPECT_EQ(reportFramePosition(c.at, kDesktop, kFrameWidth), expected)
            << c.at.x << "," << c.at.y;
    }
    EXPECT_EQ(reportFramePosition(std::nullopt, kDesktop, kFrameWidth), kCentredTop)
        << "never shown a report yet";
}

TEST(FramePlacement, TheRuleIsMeasuredFromTheDesktopsCorner) {
    const DesktopArea right{1920, 30, 1000, 800};
    EXPECT_EQ(reportFramePosition(FramePoint{1950, 40}, right, kFrameWidth),
              (FramePoint{1950, 40}));
    EXPECT_EQ(reportFramePosition(FramePoint{100, 40}, right, kFrameWidth), (FramePoint{2120, 30}));
}

TEST(FramePlacement, EachModeKeepsItsOwnPosition) {
    FramePlacement p;
    EXPECT_FALSE(p.enter(false, kDesktop, kFrameWidth).has_value());
    p.leave(false, {50, 60});  // the dashboard's place, left for a report
    EXPECT_EQ(p.enter(true, kDesktop, kFrameWidth), kCentredTop);
    p.leave(true, {300, 100});  // the report moved there, then back to the dashboard
    EXPECT_EQ(p.enter(false, kDesktop, kFrameWidth), (FramePoint{50, 60}));
    EXPECT_EQ(p.enter(true, kDesktop, kFrameWidth), (FramePoint{300, 100}));
}

}  // namespace
}  // namespace zelvo::shell
