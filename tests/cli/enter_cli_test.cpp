// `zelvo-cli enter`: a late report typed into the form is counted in the report month's branch
// report; refused values and fields the form does not show write nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/demo_cli_fixture.h"

namespace zelvo {
namespace {

using test::Json;
using test::JsonReader;

const std::string kToday = "2026-07-02";  // report month June 2026, its collection open

class EnterCli : public test::DemoCliTest {
protected:
    EnterCli() : DemoCliTest(kToday) {}
    int id = 0;  // an active publisher who handed in nothing for October 2025

    void SetUp() override {
        DemoCliTest::SetUp();
        if (HasFatalFailure()) return;
        const test::CliRun dumped = run({"dump", folder.str()});
        const Json doc = JsonReader::parse(dumped.out).value_or(Json{});
        for (const Json& row : doc["rows"].items) {
            if (row["kind"].number() != 0) continue;
            bool octoberEmpty = false, special = false;
            for (const Json& m : row["months"].items) {
                const long month = m["month"].number(), slot = m["slot"].number();
                if (month == 9 && slot == 1)
                    octoberEmpty = m["hours"].number() == 0 && m["bit11"].number() == 0 &&
                                   m["pioneerKind"].number() == 0;
                if (month == 5 && slot == 0) special = m["pioneerKind"].number() == 3;
            }
            if (octoberEmpty && !special) {
                id = static_cast<int>(row["id"].number());
                break;
            }
        }
        ASSERT_NE(id, 0);
    }

    test::CliRun enter(std::vector<std::string> fields) const {
        std::vector<std::string> args{"enter", folder.str(), "--id", std::to_string(id)};
        args.insert(args.end(), fields.begin(), fields.end());
        return run(args);
    }
    // The publishers' reports counted in the branch report of report 3, as its JSON shows them.
    long publishersCounted() const {
        const test::CliRun r = run({"report", "3", folder.str(), "--json"});
        EXPECT_EQ(r.code, 0) << r.err;
        const Json report = JsonReader::parse(r.out).value_or(Json{});
        bool inBranch = false;
        const auto& texts = report["texts"].items;
        for (std::size_t i = 0; i + 1 < texts.size(); ++i) {
            const std::string& t = texts[i]["text"].text;
            inBranch = inBranch || t.starts_with("Έκθεση Ιουνίου για το Γραφείο Τμήματος");
            if (inBranch && t == "Ευαγ.") return std::stol(texts[i + 1]["text"].text);
        }
        ADD_FAILURE() << "no branch report in " << r.out;
        return -1;
    }
};

TEST_F(EnterCli, ALateReportIsCountedInTheReportMonthOnce) {
    const long before = publishersCounted();
    for (int pass = 0; pass < 2; ++pass) {
        const test::CliRun r = enter({"--month", "10", "--participated", "--studies", "2"});
        ASSERT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(publishersCounted(), before + 1);
    }
}

TEST_F(EnterCli, RefusedValuesAndHiddenFieldsWriteNothing) {
    const auto files = folder.snapshot();
    const test::CliRun refused = enter({"--participated", "--studies", "64"});
    EXPECT_EQ(refused.code, 5);
    EXPECT_NE(refused.err.find("Δώστε έναν ακέραιο από 0 έως 63."), std::string::npos);
    EXPECT_EQ(enter({"--participated", "--hours", "3"}).code, 2);  // a publisher has no hours
    EXPECT_EQ(enter({"--videos", "1"}).code, 2);                   // nor videos on the new form
    EXPECT_EQ(enter({"--month", "13"}).code, 2);
    EXPECT_EQ(run({"enter", folder.str(), "--id", "9999", "--participated"}).code, 5);
    auto after = folder.snapshot();
    after.erase("zelvo.lock");
    auto expected = files;
    expected.erase("zelvo.lock");
    EXPECT_EQ(after, expected);
}

}  // namespace
}  // namespace zelvo
