#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cli/cli.h"
#include "cli_run.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace fs = std::filesystem;

using zelvo::test::cli;
using zelvo::test::CliRun;

namespace {

// Well-formed JSON, as Python's parser sees it.
bool validJson(const std::string& text) {
    const fs::path file =
        fs::temp_directory_path() / ("zelvo_cli_json_" + std::to_string(::getpid()));
    std::ofstream(file, std::ios::binary) << text;
    const int status =
        std::system(("python3 -m json.tool " + file.string() + " >/dev/null 2>&1").c_str());
    fs::remove(file);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class CliTest : public ::testing::Test {
protected:
    fs::path folder;
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("zelvo_cli_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                  "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::map<std::string, std::string> snapshot() const {
        std::map<std::string, std::string> files;
        for (const auto& e : fs::recursive_directory_iterator(folder)) {
            if (!e.is_regular_file()) continue;
            std::ifstream in(e.path(), std::ios::binary);
            files[e.path().string()] = std::string(std::istreambuf_iterator<char>(in), {});
        }
        return files;
    }
};

TEST_F(CliTest, UsageErrorsExitTwo) {
    EXPECT_EQ(cli({}).code, 2);
    EXPECT_EQ(cli({"check"}).code, 2);
    EXPECT_EQ(cli({"frobnicate", folder.string()}).code, 2);
    EXPECT_EQ(cli({"--today", "2025-02-30", "check", folder.string()}).code, 2);
    EXPECT_EQ(cli({"--bogus", "check", folder.string()}).code, 2);
    EXPECT_EQ(cli({"demo", folder.string(), "--people", "1510"}).code, 2);
    EXPECT_EQ(cli({"demo", folder.string(), "--people", "x"}).code, 2);
}

TEST_F(CliTest, MissingFolderExitsFour) {
    EXPECT_EQ(cli({"check", (folder / "nowhere").string()}).code, 4);
    EXPECT_EQ(cli({"dump", (folder / "nowhere").string()}).code, 4);
    EXPECT_EQ(cli({"save", (folder / "nowhere").string()}).code, 4);
}

TEST_F(CliTest, DemoThenCheckDumpAndSave) {
    ASSERT_EQ(
        cli({"--today", "2025-01-03", "demo", folder.string(), "--people", "40", "--seed", "7"})
            .code,
        0);
    const auto before = snapshot();

    const CliRun check = cli({"--today", "2025-01-03", "check", folder.string()});
    ASSERT_EQ(check.code, 0) << check.err;
    EXPECT_NE(check.out.find("Δεκέμβριος 2024"), std::string::npos) << check.out;
    EXPECT_NE(check.out.find("Εγγραφές: 40"), std::string::npos) << check.out;

    const CliRun dump = cli({"--today", "2025-01-03", "dump", folder.string()});
    ASSERT_EQ(dump.code, 0) << dump.err;
    EXPECT_EQ(dump.out.front(), '{');
    EXPECT_NE(dump.out.find("\"reportAbsMonth\":299"), std::string::npos);
    EXPECT_NE(dump.out.find("\"recordCount\":41"), std::string::npos);
    EXPECT_TRUE(validJson(dump.out));
    const CliRun status = cli({"--today", "2025-01-03", "status", folder.string()});
    ASSERT_EQ(status.code, 0) << status.err;
    EXPECT_TRUE(validJson(status.out));
    EXPECT_EQ(snapshot(), before) << "check and dump must write nothing";

    ASSERT_EQ(cli({"--today", "2025-01-03", "save", folder.string()}).code, 0);
    const CliRun again = cli({"--today", "2025-01-03", "dump", folder.string()});
    EXPECT_EQ(again.out, dump.out) << "a save of unchanged data must read back the same";
}

TEST_F(CliTest, DumpOfMissingMonthCopyFails) {
    ASSERT_EQ(cli({"--today", "2025-01-03", "demo", folder.string(), "--people", "10"}).code, 0);
    EXPECT_EQ(cli({"--today", "2025-01-03", "dump", folder.string(), "--copy", "7"}).code, 2);
    EXPECT_EQ(cli({"--today", "2025-01-03", "dump", folder.string(), "--copy", "2"}).code, 4);
}

TEST_F(CliTest, PasswordRequiredRefusedOrGiven) {
    fs::create_directories(folder);
    {
        zelvo::CZelvoDoc doc;
        zelvo::ScriptedPrompts prompts;
        doc.startUp(folder.string(), {2025, 3, 10}, zelvo::LoadMode::Live);
        ASSERT_TRUE(doc.load(prompts, zelvo::LoadMode::Live).ok);
        doc.header().setText(zelvo::PublisherRecord::kFirstName, "secret");
        ASSERT_TRUE(doc.saveAll(prompts).ok);
    }
    const CliRun none = cli({"check", folder.string()});
    EXPECT_EQ(none.code, 3);
    EXPECT_NE(none.err.find("--password"), std::string::npos);
    EXPECT_EQ(cli({"--password", "Secret", "check", folder.string()}).code, 3);
    EXPECT_EQ(cli({"--password", "secret", "check", folder.string()}).code, 0);
    EXPECT_EQ(cli({"save", folder.string(), "--password", "secret"}).code, 0);
}

// The real executable: exit codes and that nothing crashes on garbage folders.
int runBinary(const std::string& args) {
    const std::string command = std::string(ZELVO_CLI_PATH) + " " + args + " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(CliTest, BinaryHandlesGarbageFolder) {
    fs::create_directories(folder);
    const std::string bytes(5000, '\xCC');
    for (const char* name :
         {"remark9.dat", "xten7.dat", "emerg.dat", "zelvog.ini", "bkstudy.dat", "zcard.dat"})
        std::ofstream(folder / name, std::ios::binary) << bytes;
    EXPECT_EQ(runBinary("check " + folder.string()), 0);
    EXPECT_EQ(runBinary("dump " + folder.string()), 0);
    EXPECT_EQ(runBinary("nothing " + folder.string()), 2);
    // A garbage table's header reads as a password that nobody knows.
    std::ofstream(folder / "zdat9.bin", std::ios::binary) << bytes;
    EXPECT_EQ(runBinary("check " + folder.string()), 3);
}

}  // namespace
