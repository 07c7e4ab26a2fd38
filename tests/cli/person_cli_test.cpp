// `zelvo-cli person`: each move between the lists, then `dump` shows exactly the fields the move
// writes; a refused move exits 5 and leaves every file of the folder as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/demo_cli_fixture.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;
using test::Json;

using Fields = std::map<std::string, std::string>;  // field -> its text in the dump

class PersonCli : public test::DemoCliTest {
protected:
    int id = 0;

    void SetUp() override {
        DemoCliTest::SetUp();
        if (HasFatalFailure()) return;
        // An active publisher without a consent date, whose marker bytes the moves use.
        const Json dumped = dump();
        for (const Json& row : dumped["rows"].items)
            if (row["kind"].number() == 0 && row["consentDate"].text.empty()) {
                id = static_cast<int>(row["id"].number());
                break;
            }
        ASSERT_NE(id, 0);
    }

    test::CliRun person(std::vector<std::string> action) const {
        std::vector<std::string> args{"person", folder.str(), "--id", std::to_string(id)};
        args.insert(args.end(), action.begin(), action.end());
        return run(args);
    }
    static const Json* rowOf(const Json& dumped, int personId) {
        for (const Json& row : dumped["rows"].items)
            if (row["id"].number() == personId) return &row;
        return nullptr;
    }
    // Runs `action` and returns the fields of the person that changed, with their new texts.
    Fields changes(std::vector<std::string> action) {
        const Json before = dump();
        const test::CliRun r = person(action);
        EXPECT_EQ(r.code, 0) << r.err;
        const Json after = dump();
        Fields changed;
        const Json* was = rowOf(before, id);
        const Json* now = rowOf(after, id);
        if (was == nullptr || now == nullptr) return {{"gone", now == nullptr ? "yes" : "no"}};
        for (const auto& [key, value] : now->members)
            if (key != "row" && *was->find(key) != value) changed[key] = value.text;
        return changed;
    }
    std::map<std::string, std::string> files() const {
        std::map<std::string, std::string> contents;
        for (const auto& entry : fs::recursive_directory_iterator(folder.path())) {
            if (!entry.is_regular_file()) continue;
            std::ifstream in(entry.path(), std::ios::binary);
            std::ostringstream bytes;
            bytes << in.rdbuf();
            contents[entry.path().string()] = bytes.str();
        }
        return contents;
    }
};

TEST_F(PersonCli, EachMoveWritesItsFieldsAndUndoRestoresThem) {
    // Privileges lose only the custom category and bit 7, which the demo does not set.
    EXPECT_EQ(changes({"--to-inactive", "12", "2025"}),
              (Fields{{"kind", "1"}, {"statusFlags", "192"}, {"statusFlags2", "25"}}));
    const Json inactive = *rowOf(dump(), id);

    Fields moved = changes({"--move", "3"});
    EXPECT_EQ(moved["kind"], "3");
    EXPECT_EQ(moved["statusFlags"], "48");
    EXPECT_EQ(moved["consentDate"], std::string("I\x0C")) << "the 'I' marker with December";
    for (const auto& [key, value] : moved)
        EXPECT_TRUE(std::set<std::string>(
                        {"kind", "statusFlags", "consentDate", "extraIndex", "householdKey"})
                        .contains(key))
            << key;

    EXPECT_EQ(changes({"--undo-move"}).size(), moved.size());
    EXPECT_EQ(*rowOf(dump(), id), inactive) << "back in the inactive list as before";

    const Fields reactivated = changes({"--reactivate", "11"});
    EXPECT_EQ(reactivated.at("kind"), "0");
    EXPECT_EQ(reactivated.at("statusFlags"), "178");
    EXPECT_EQ(reactivated.at("statusFlags2"), "178");
    EXPECT_EQ(reactivated.at("statusSince"), std::to_string(26 * 12 + 10));

    const Fields deleted = changes({"--delete-temporary", "3", "2024"});
    EXPECT_EQ(deleted.at("kind"), "4");
    EXPECT_EQ(deleted.at("statusFlags"), "0");
    EXPECT_EQ(deleted.at("statusSince"), std::to_string((74 << 8) | 3));

    const Fields restored = changes({"--restore", "5"});
    EXPECT_EQ(restored.at("kind"), "0");
    EXPECT_EQ(restored.at("statusFlags"), "82");
    EXPECT_EQ(restored.at("statusSince"), "0");

    changes({"--move", "4"});
    const Fields back = changes({"--undo-move", "6", "--regular"});
    EXPECT_EQ(back.at("kind"), "0");
    EXPECT_EQ(back.at("statusFlags"), "100");
    EXPECT_EQ(back.at("statusFlags2"), "100");

    EXPECT_EQ(changes({"--delete"}), (Fields{{"gone", "yes"}}));
}

TEST_F(PersonCli, ARefusedMoveExitsFiveAndWritesNothing) {
    // A full inactive list: 299 people put there through the core and saved.
    {
        CZelvoDoc doc;
        ScriptedPrompts prompts;
        ASSERT_TRUE(test::openDoc(doc, folder, {2026, 12, 8}).ok);
        for (int i = 0; i < 299; ++i)
            doc.publishers.push_back(
                test::person(static_cast<std::uint16_t>(5000 + i), "X", "Zeta", kInactive));
        doc.countAllKinds();
        doc.buildIndexes();
        doc.markModified();
        ASSERT_TRUE(doc.saveAll(prompts).ok);
        doc.closeDocument();
    }
    const auto before = files();
    const std::vector<std::pair<std::vector<std::string>, std::string>> refused = {
        {{"--to-inactive", "1", "2026"}, "Η λίστα «Αδρανείς» είναι γεμάτη (299 άτομα)."},
        {{"--reactivate", "1"}, "είναι στη λίστα «Ευαγγελιζόμενοι»."},
        {{"--restore", "1"}, "είναι στη λίστα «Ευαγγελιζόμενοι»."},
        {{"--undo-move", "1"}, "είναι στη λίστα «Ευαγγελιζόμενοι»."},
    };
    for (const auto& [action, why] : refused) {
        const test::CliRun r = person(action);
        EXPECT_EQ(r.code, 5) << action[0];
        EXPECT_NE(r.err.find(why), std::string::npos) << r.err;
    }
    id = 9999;
    const test::CliRun unknown = person({"--delete"});
    EXPECT_EQ(unknown.code, 5);
    EXPECT_NE(unknown.err.find("Δεν υπάρχει τέτοιο άτομο"), std::string::npos);
    EXPECT_EQ(person({"--move", "13"}).code, 2) << "a month outside 1-12 is a usage error";
    EXPECT_EQ(files(), before);
}

}  // namespace
}  // namespace zelvo
