// `zelvo-cli list`: the rows of a status list as the dialog fills them, as text and as JSON with
// the person's id; the second filter counted from 1; choices the dialog does not offer exit 2.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/demo_cli_fixture.h"

namespace zelvo {
namespace {

using test::Json;

class ListCli : public test::DemoCliTest {
protected:
    std::vector<std::string> lines(const std::vector<std::string>& args) const {
        const auto r = run(args);
        EXPECT_EQ(r.code, 0) << r.err;
        std::vector<std::string> out;
        std::istringstream in(r.out);
        for (std::string line; std::getline(in, line);) out.push_back(line);
        return out;
    }
    // The ids of the active publishers of `group` (0: all) in the dump.
    std::set<int> activeIds(int group) const {
        std::set<int> ids;
        const Json dumped = dump();
        for (const Json& row : dumped["rows"].items)
            if (row["kind"].number() == 0 && (group == 0 || row["groupNumber"].number() == group))
                ids.insert(static_cast<int>(row["id"].number()));
        return ids;
    }
};

TEST_F(ListCli, CollectionFormListsEveryActivePublisherOfTheGroupWithTheirIds) {
    const std::string dir = folder.str();
    EXPECT_EQ(lines({"list", "11", dir}).size(), activeIds(0).size());
    const auto r = run({"list", "11", dir, "--group", "1", "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    const Json rows = test::JsonReader::parse(r.out).value_or(Json{});
    std::set<int> ids;
    std::vector<std::string> texts;
    for (const Json& row : rows.items) {
        ids.insert(static_cast<int>(row["id"].number()));
        texts.push_back(row["text"].text);
        std::string joined;
        for (const Json& c : row["columns"].items) joined += (joined.empty() ? "" : "\t") + c.text;
        EXPECT_EQ(joined, row["text"].text);
        EXPECT_EQ(row["columns"].items.front().text.find("  ("), std::string::npos);  // one group
    }
    EXPECT_EQ(ids, activeIds(1));
    EXPECT_EQ(texts, lines({"list", "11", dir, "--group", "1"}));
}

TEST_F(ListCli, SecondFilterCountsFromOneAndChoicesNotOfferedExit2) {
    const std::string dir = folder.str();
    // November, the report month, is the no-report list's default and its eleventh month.
    EXPECT_EQ(lines({"list", "0", dir}), lines({"list", "0", dir, "--filter", "11"}));
    EXPECT_EQ(run({"list", "6", dir, "--filter", "9"}).code, 0);  // the last baptism band
    for (const std::vector<std::string>& refused : std::vector<std::vector<std::string>>{
             {"list", "0", dir, "--filter", "13"},
             {"list", "0", dir, "--filter", "0"},
             {"list", "6", dir, "--filter", "10"},
             {"list", "1", dir, "--filter", "1"},
             {"list", "2", dir, "--group", "1"},
             {"list", "0", dir, "--group", "99"},
             {"list", "16", dir},
             {"list", "15", dir},  // the custom category is off in the demo
         }) {
        const auto r = run(refused);
        EXPECT_EQ(r.code, 2) << refused[1] << " " << (refused.size() > 3 ? refused[3] : "");
        EXPECT_FALSE(r.err.empty());
    }
}

}  // namespace
}  // namespace zelvo
