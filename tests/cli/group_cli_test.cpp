// `zelvo-cli group`: a publisher put into another group and out of every group, as `dump` then
// shows it; an unknown id or a group not in use exits 5 and leaves the folder as it was. And
// `report 70`..`74` draw like every kind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/demo_cli_fixture.h"

namespace zelvo {
namespace {

using test::Json;

class GroupCli : public test::DemoCliTest {
protected:
    // The group of the person with `id` in the dump.
    int groupOf(const Json& dumped, int id) const {
        for (const Json& row : dumped["rows"].items)
            if (static_cast<int>(row["id"].number()) == id)
                return static_cast<int>(row["groupNumber"].number());
        ADD_FAILURE() << "no id " << id;
        return -1;
    }
};

TEST_F(GroupCli, AssignsThenDumpShowsTheNewGroup) {
    const Json before = dump();
    const int groups = static_cast<int>(before["groups"]["groupCount"].number());
    ASSERT_GE(groups, 2);
    int id = 0;
    for (const Json& row : before["rows"].items)
        if (row["kind"].number() == 0 && row["groupNumber"].number() == 1) {
            id = static_cast<int>(row["id"].number());
            break;
        }
    ASSERT_NE(id, 0);
    const auto moved =
        run({"group", folder.str(), "--id", std::to_string(id), "--to", std::to_string(groups)});
    ASSERT_EQ(moved.code, 0) << moved.err;
    EXPECT_EQ(groupOf(dump(), id), groups);
    ASSERT_EQ(run({"group", folder.str(), "--id", std::to_string(id), "--to", "0"}).code, 0);
    EXPECT_EQ(groupOf(dump(), id), 0);

    const auto files = folder.snapshot();
    const auto noGroup = run(
        {"group", folder.str(), "--id", std::to_string(id), "--to", std::to_string(groups + 1)});
    EXPECT_EQ(noGroup.code, 5);
    EXPECT_NE(noGroup.err.find("δεν υπάρχει"), std::string::npos) << noGroup.err;
    const auto noId = run({"group", folder.str(), "--id", "29999", "--to", "1"});
    EXPECT_EQ(noId.code, 5);
    EXPECT_NE(noId.err.find("Δεν υπάρχει τέτοιο άτομο"), std::string::npos) << noId.err;
    EXPECT_EQ(folder.snapshot(), files) << "a refusal writes nothing";
    EXPECT_EQ(run({"group", folder.str(), "--id", std::to_string(id)}).code, 2);
}

TEST_F(GroupCli, GroupListReportsDrawLikeEveryKind) {
    for (const char* kind : {"70", "71", "72", "73", "74"}) {
        const auto r = run({"report", kind, folder.str(), "--text"});
        EXPECT_EQ(r.code, 0) << kind << r.err;
        EXPECT_NE(r.out.find("Όμιλοι Υπηρεσίας Αγρού"), std::string::npos) << kind;
        EXPECT_NE(r.out.find("Επίσκοπος: "), std::string::npos) << kind;
    }
}

}  // namespace
}  // namespace zelvo
