// `zelvo-cli privilege` and `pioneer`: a privilege ticked with its start date, then ended on a
// date, and a month's pioneer code set and cleared, as `dump` then shows them; a sister's elder
// row, an end without a start and an inactive person's pioneer month exit 5 and write nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/demo_cli_fixture.h"

namespace zelvo {
namespace {

using test::Json;

class PrivilegeCli : public test::DemoCliTest {
protected:
    // An active person of that sex (privileges bit) with a complete baptism date, no servant or
    // elder.
    std::string personWith(int sexBit) const {
        const Json dumped = dump();
        for (const Json& row : dumped["rows"].items) {
            const long p = row["privileges"].number();
            if (row["kind"].number() == 0 && (p & sexBit) != 0 && (p & 3) != 1 && (p & 3) != 2 &&
                row["baptismDate"].text.find(' ') == std::string::npos &&
                row["baptismDate"].text.size() == 8)
                return std::to_string(row["id"].number());
        }
        ADD_FAILURE() << "no such person in the demo congregation";
        return "0";
    }
    static const Json* rowOf(const Json& dumped, const std::string& id) {
        for (const Json& row : dumped["rows"].items)
            if (std::to_string(row["id"].number()) == id) return &row;
        return nullptr;
    }
    static std::string datesOf(const Json& dumped, const std::string& id, int kind) {
        for (const Json& a : dumped["appointments"].items)
            if (std::to_string(a["publisherId"].number()) == id &&
                a["appointmentKind"].number() == kind)
                return a["text"].text;
        return "(none)";
    }
    static long pioneerKindOf(const Json& dumped, const std::string& id, int month, int slot) {
        for (const Json& m : (*rowOf(dumped, id))["months"].items)
            if (m["month"].number() == month && m["slot"].number() == slot)
                return m["pioneerKind"].number();
        return -1;
    }
};

TEST_F(PrivilegeCli, ElderFromADateThenEndedAndTheRefusals) {
    const std::string brother = personWith(0x20);
    const auto set =
        run({"privilege", folder.str(), "--id", brother, "--set", "elder", "--from", "2010-03-15"});
    ASSERT_EQ(set.code, 0) << set.err;
    Json d = dump();
    EXPECT_EQ((*rowOf(d, brother))["privileges"].number() & 3, 2);
    EXPECT_EQ(datesOf(d, brother, 2).substr(0, 8), "03152010");

    const auto ended =
        run({"privilege", folder.str(), "--id", brother, "--end", "2", "--on", "2020-06-01"});
    ASSERT_EQ(ended.code, 0) << ended.err;
    d = dump();
    EXPECT_EQ((*rowOf(d, brother))["privileges"].number() & 3, 3) << "a baptized brother";
    EXPECT_EQ(datesOf(d, brother, 2).substr(0, 16), "0315201006012020");

    const auto files = folder.snapshot();
    const auto sister = run({"privilege", folder.str(), "--id", personWith(0x40), "--set", "1"});
    EXPECT_EQ(sister.code, 5);
    EXPECT_NE(sister.err.find("μόνο για άντρες"), std::string::npos) << sister.err;
    const auto noStart =
        run({"privilege", folder.str(), "--id", brother, "--end", "5", "--on", "2020-06-01"});
    EXPECT_EQ(noStart.code, 5) << noStart.err;
    const auto impossible =
        run({"privilege", folder.str(), "--id", brother, "--set", "3", "--from", "2021-02-29"});
    EXPECT_EQ(impossible.code, 5) << impossible.err;
    EXPECT_EQ(folder.snapshot(), files) << "a refusal writes nothing";
    EXPECT_EQ(run({"privilege", folder.str(), "--id", brother, "--end", "2"}).code, 2);
}

TEST_F(PrivilegeCli, PioneerMonthSetAndCleared) {
    const std::string id = personWith(0x40);
    ASSERT_EQ(run({"pioneer", folder.str(), "--id", id, "--month", "11", "--regular"}).code, 0);
    EXPECT_EQ(pioneerKindOf(dump(), id, 10, 0), 2);
    // December is last year's: slot 1.
    ASSERT_EQ(run({"pioneer", folder.str(), "--id", id, "--month", "12", "--aux"}).code, 0);
    ASSERT_EQ(run({"pioneer", folder.str(), "--id", id, "--month", "11", "--special"}).code, 0);
    Json d = dump();
    EXPECT_EQ(pioneerKindOf(d, id, 11, 1), 1);
    EXPECT_EQ(pioneerKindOf(d, id, 10, 0), 3);
    ASSERT_EQ(run({"pioneer", folder.str(), "--id", id, "--month", "11", "--none"}).code, 0);
    EXPECT_EQ(pioneerKindOf(dump(), id, 10, 0), 0);

    const auto noId = run({"pioneer", folder.str(), "--id", "29999", "--month", "1", "--aux"});
    EXPECT_EQ(noId.code, 5);
    EXPECT_EQ(run({"pioneer", folder.str(), "--id", id, "--month", "13", "--aux"}).code, 2);
}

}  // namespace
}  // namespace zelvo
