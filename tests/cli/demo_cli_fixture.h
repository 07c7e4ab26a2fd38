// A demo congregation of 40 people (seed 7) in a fresh folder, and zelvo-cli run on it on a fixed
// day: the fixture of the commands that change one person or one month.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "cli/cli_run.h"
#include "cli/json_tree.h"
#include "core/test_folder.h"

namespace zelvo::test {

class DemoCliTest : public ::testing::Test {
protected:
    // By default 8 December 2026: report month November 2026 (index 10, slot 0).
    explicit DemoCliTest(std::string today = "2026-12-08") : today_(std::move(today)) {}

    TestFolder folder;

    void SetUp() override {
        ASSERT_EQ(run({"demo", folder.str(), "--people", "40", "--seed", "7"}).code, 0);
    }
    CliRun run(std::vector<std::string> args) const {
        args.insert(args.begin(), {"--today", today_});
        return cli(args);
    }
    Json dump() const {
        const CliRun r = run({"dump", folder.str()});
        EXPECT_EQ(r.code, 0) << r.err;
        return JsonReader::parse(r.out).value_or(Json{});
    }

private:
    std::string today_;
};

}  // namespace zelvo::test
