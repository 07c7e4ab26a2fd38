// `zelvo-cli attendance`: a month's weeks entered and saved as `dump` then shows them, the month
// after the report month kept in slot 2, a week list the dialog cannot hold refused as usage, and
// `report 4` printing the attendance record after the meeting block.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/demo_cli_fixture.h"

namespace zelvo {
namespace {

using test::Json;

class AttendanceCli : public test::DemoCliTest {
protected:
    // week, held, total or average of meeting k, month index m, slot s.
    static long value(const Json& dumped, int k, const char* array, int m, int s) {
        return dumped["meetings"]
            .items[static_cast<std::size_t>(k)][array]
            .items[static_cast<std::size_t>(m)]
            .items[static_cast<std::size_t>(s)]
            .number();
    }
};

TEST_F(AttendanceCli, EntersAMonthAndTheNextOneApart) {
    const auto r = run({"attendance", folder.str(), "--month", "11", "--midweek", "80,0,95,90,0",
                        "--weekend", "81,82,0,0"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("Μεσοβδόμαδη Συνάθροιση: 3 265 88"), std::string::npos) << r.out;
    Json d = dump();
    EXPECT_EQ(value(d, 0, "week3", 10, 0), 95);
    EXPECT_EQ(value(d, 0, "average", 10, 0), 88);
    EXPECT_EQ(value(d, 1, "held", 10, 0), 2);
    EXPECT_EQ(value(d, 1, "average", 10, 0), 82);

    ASSERT_EQ(run({"attendance", folder.str(), "--month", "12", "--weekend", "70,71,72,73"}).code,
              0);
    ASSERT_EQ(run({"attendance", folder.str(), "--next", "--weekend", "60,60,60,60,60"}).code, 0);
    d = dump();
    EXPECT_EQ(value(d, 1, "total", 11, 1), 286) << "December 2025, the year before";
    EXPECT_EQ(value(d, 1, "total", 11, 2), 300) << "December 2026 waits in slot 2";
    EXPECT_EQ(value(d, 1, "total", 11, 0), 0);
    EXPECT_EQ(value(d, 0, "total", 10, 0), 265) << "untouched";

    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"--month", "11", "--midweek", "80,90,95"},
          {"--month", "11", "--midweek", "1000,0,0,0"},
          {"--month", "13", "--midweek", "1,2,3,4"},
          {"--month", "11"}}) {
        std::vector<std::string> args{"attendance", folder.str()};
        args.insert(args.end(), bad.begin(), bad.end());
        EXPECT_EQ(run(args).code, 2) << bad[1];
    }
    EXPECT_EQ(value(dump(), 0, "total", 10, 0), 265);
}

TEST_F(AttendanceCli, MeetingsReportPrintsTheRecordAfterTheBlock) {
    ASSERT_EQ(run({"attendance", folder.str(), "--month", "11", "--midweek", "80,0,95,90,0"}).code,
              0);
    const auto r = run({"report", "4", folder.str(), "--text"});
    ASSERT_EQ(r.code, 0) << r.err;
    const auto block = r.out.find("Έκθεση Παρόντων Συναθροίσεων");
    const auto title = r.out.find("ΑΡΙΘΜΟΣ ΠΑΡΟΝΤΩΝ ΣΤΙΣ ΣΥΝΑΘΡΟΙΣΕΙΣ");
    ASSERT_NE(block, std::string::npos);
    ASSERT_NE(title, std::string::npos);
    EXPECT_LT(block, title);
    EXPECT_NE(r.out.find("88.33", title), std::string::npos);
}

}  // namespace
}  // namespace zelvo
