// `zelvo-cli history`: a past month of a publisher and the congregation's totals corrected as
// the history editor corrects them, as `dump` then shows them; the report month itself and a
// field the month does not show write nothing.
#include <gtest/gtest.h>

#include <string>

#include "cli/demo_cli_fixture.h"

namespace zelvo {
namespace {

using test::Json;

// 8 December 2026: report month November 2026; May 2025 is in slot 1.
class HistoryCli : public test::DemoCliTest {
protected:
    std::string firstActiveId() const {
        const Json d = dump();
        const long first = d["lists"]["active"].items.at(0).number();
        for (const Json& row : d["rows"].items)
            if (row["row"].number() == first) return std::to_string(row["id"].number());
        return "0";
    }
    static const Json& monthOf(const Json& d, const std::string& id, int month, int slot) {
        for (const Json& row : d["rows"].items)
            if (std::to_string(row["id"].number()) == id)
                for (const Json& m : row["months"].items)
                    if (m["month"].number() == month && m["slot"].number() == slot) return m;
        static const Json none;
        return none;
    }
    static long total(const Json& d, int month, int category, int value, int slot) {
        return d["monthTotals"]
            .items.at(static_cast<std::size_t>(month))
            .items.at(static_cast<std::size_t>(category))
            .items.at(static_cast<std::size_t>(value))
            .items.at(static_cast<std::size_t>(slot))
            .number();
    }
};

TEST_F(HistoryCli, APastMonthAndTheTotalsAreCorrected) {
    const std::string id = firstActiveId();
    const auto person = run({"history", folder.str(), "--id", id, "--month", "5", "--year", "2025",
                             "--participated", "--pioneer", "2", "--hours", "40.6", "--credit",
                             "10", "--studies", "3"});
    ASSERT_EQ(person.code, 0) << person.err;
    const auto totals = run({"history", folder.str(), "--totals", "--month", "5", "--year", "2025",
                             "--pioneer", "3", "--hours", "12.75", "--reports", "2"});
    ASSERT_EQ(totals.code, 0) << totals.err;
    ASSERT_EQ(run({"history", folder.str(), "--totals", "--month", "5", "--year", "2025",
                   "--active", "41"})
                  .code,
              0);

    const Json d = dump();
    const Json& may = monthOf(d, id, 4, 1);
    EXPECT_EQ(may["hours"].number(), 40);
    EXPECT_EQ(may["quarters"].number(), 2);
    EXPECT_EQ(may["pioneerKind"].number(), 2);
    EXPECT_EQ(may["creditHours"].number(), 10);
    EXPECT_EQ(may["bibleStudies"].number(), 3);
    EXPECT_EQ(may["bit11"].number(), 1);
    EXPECT_EQ(total(d, 4, 3, 2, 1), 12);
    EXPECT_EQ(total(d, 4, 3, 7, 1), 3);
    EXPECT_EQ(total(d, 4, 3, 8, 1), 2);
    EXPECT_EQ(total(d, 4, 0, 5, 1), 41);
}

TEST_F(HistoryCli, TheReportMonthAndAHiddenFieldWriteNothing) {
    const std::string id = firstActiveId();
    const auto before = folder.snapshot();
    // November 2026 is the report form's; placements are not shown under the new form.
    EXPECT_EQ(run({"history", folder.str(), "--id", id, "--month", "11", "--year", "2026",
                   "--hours", "5"})
                  .code,
              5);
    EXPECT_EQ(run({"history", folder.str(), "--id", id, "--month", "5", "--year", "2025",
                   "--placements", "5"})
                  .code,
              2);
    EXPECT_EQ(run({"history", folder.str(), "--id", id, "--totals", "--month", "5"}).code, 2);
    EXPECT_EQ(folder.snapshot(), before);
}

}  // namespace
}  // namespace zelvo
