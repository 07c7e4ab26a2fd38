// `zelvo-cli save` is a writer: it is refused while another program holds the data folder, keeps
// every file's permissions, and clears what a killed save left behind. Readers need no lock.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "cli_run.h"
#include "core/test_folder.h"
#include "store/file_io.h"
#include "store/folder_lock.h"

namespace fs = std::filesystem;
using zelvo::FolderLock;
using zelvo::LockHolder;
using zelvo::thisProcess;
using zelvo::test::cli;
using zelvo::test::TestFolder;

namespace {

constexpr const char* kToday = "2025-01-03";

struct BinaryRun {
    int code;
    std::string err;
};

// The real executable, with what it printed on its error stream.
BinaryRun runBinary(const std::string& command, const TestFolder& folder) {
    const std::string line = std::string(ZELVO_CLI_PATH) + " --today " + kToday + " " + command +
                             " '" + folder.str() + "' 2>&1 >/dev/null";
    FILE* pipe = ::popen(line.c_str(), "r");
    std::string err;
    char buffer[512];
    while (pipe != nullptr && std::fgets(buffer, sizeof buffer, pipe) != nullptr) err += buffer;
    const int status = pipe != nullptr ? ::pclose(pipe) : -1;
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, err};
}

unsigned modeOf(const fs::path& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st.st_mode & 0777;
}

// A temporary file as a save killed before its rename leaves it.
std::string leftoverOfEndedProcess(const TestFolder& folder) {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    const std::string name = "zdat9.bin." + std::to_string(child) + ".1.tmp~";
    folder.writeText(name, "half a table");
    return name;
}

class FolderLockCli : public ::testing::Test {
protected:
    TestFolder folder;
    void SetUp() override {
        ASSERT_EQ(cli({"--today", kToday, "demo", folder.str(), "--people", "30"}).code, 0);
    }
};

}  // namespace

TEST_F(FolderLockCli, SaveIsRefusedWhileAnotherProgramHoldsTheFolder) {
    // The desktop program has the folder open: its undo copy of the remarks is there.
    folder.write("rmkundo.dat", folder.read("remark9.dat"));
    const std::string leftover = leftoverOfEndedProcess(folder);
    const FolderLock held(folder.path());
    ASSERT_TRUE(held.locked());
    const auto before = folder.snapshot();

    const BinaryRun save = runBinary("save", folder);
    EXPECT_EQ(save.code, 6) << save.err;
    EXPECT_NE(save.err.find(std::to_string(::getpid())), std::string::npos) << save.err;
    EXPECT_EQ(cli({"--today", kToday, "save", folder.str()}).code, 6);
    EXPECT_EQ(cli({"--today", kToday, "demo", folder.str(), "--people", "5"}).code, 6);
    EXPECT_EQ(folder.snapshot(), before) << "a refused save changes nothing";

    // Readers still work, and leave the leftover to the writer.
    EXPECT_EQ(runBinary("check", folder).code, 0);
    EXPECT_EQ(runBinary("dump", folder).code, 0);
    EXPECT_EQ(cli({"--today", kToday, "status", folder.str()}).code, 0);
    EXPECT_EQ(folder.snapshot(), before);
    EXPECT_TRUE(folder.exists(leftover));
}

TEST_F(FolderLockCli, SaveKeepsPermissionsAndClearsLeftovers) {
    ASSERT_EQ(::chmod(folder.file("zdat9.bin").c_str(), 0600), 0);
    ASSERT_EQ(::chmod(folder.file("remark9.dat").c_str(), 0600), 0);
    ASSERT_EQ(::chmod(folder.file("zelvog.ini").c_str(), 0640), 0);
    const std::string leftover = leftoverOfEndedProcess(folder);

    const BinaryRun save = runBinary("save", folder);
    ASSERT_EQ(save.code, 0) << save.err;
    EXPECT_EQ(modeOf(folder.file("zdat9.bin")), 0600u);
    EXPECT_EQ(modeOf(folder.file("remark9.dat")), 0600u);
    EXPECT_EQ(modeOf(folder.file("zelvog.ini")), 0640u);
    EXPECT_FALSE(folder.exists(leftover));
    EXPECT_NE(save.err.find(leftover), std::string::npos) << save.err;
    EXPECT_FALSE(folder.exists("zelvo.lock")) << "the lock goes with the writer";

    // A lock left by a killed writer does not keep the next save out.
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    const LockHolder me = thisProcess();
    folder.writeText("zelvo.lock", std::to_string(child) + "\nzelvo-cli\n" + me.hostName + "\n");
    EXPECT_EQ(runBinary("save", folder).code, 0);
    EXPECT_FALSE(folder.exists("zelvo.lock"));
}
