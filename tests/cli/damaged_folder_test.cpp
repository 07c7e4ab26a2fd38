// Damaged data folders through zelvo-cli: every unreadable or non-regular file and every value
// out of range is listed by `check`, and `save` never writes over or deletes what it could not
// read.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "cli/cli.h"
#include "cli_run.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;
using test::cli;

constexpr const char* kToday = "2026-12-08";

std::map<std::string, std::string> contents(const fs::path& folder) {
    std::map<std::string, std::string> all;
    for (const auto& e : fs::recursive_directory_iterator(folder)) {
        const std::string name = fs::relative(e.path(), folder).generic_string();
        if (!e.is_regular_file()) {
            all[name] = "<not a file>";
            continue;
        }
        std::ifstream in(e.path(), std::ios::binary);
        all[name] = std::string(std::istreambuf_iterator<char>(in), {});
    }
    return all;
}

class DamagedFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("zelvo_damaged_" + std::to_string(::getpid()));
        fs::remove_all(folder);
        ASSERT_EQ(cli({"--today", kToday, "demo", folder.string(), "--people", "40"}).code, 0);
        ASSERT_EQ(cli({"--today", kToday, "save", folder.string()}).code, 0);
    }
    void TearDown() override { fs::remove_all(folder); }

    void replace(const std::string& name, bool fifo) {
        fs::remove_all(folder / name);
        if (fifo)
            ASSERT_EQ(::mkfifo((folder / name).c_str(), 0600), 0);
        else
            fs::create_directories(folder / name / "inside");
    }
    std::string check() {
        const auto r = cli({"--today", kToday, "check", folder.string()});
        EXPECT_EQ(r.code, 0) << r.err;
        return r.out;
    }

    fs::path folder;
};

TEST_F(DamagedFolderTest, UnreadableFilesAreListedAndLeftAlone) {
    const char* names[] = {"zdat9.bin",   "zcard.dat", "bkstudy.dat", "meetin9.dat",
                           "remark9.dat", "zappt.dat", "zlt15.dat",   "zelvog.ini",
                           "xten7.dat",   "emerg.dat", "spneed.dat",  "zvxcfg.cfg"};
    for (const std::string name : names) {
        for (const bool fifo : {false, true}) {
            SCOPED_TRACE(name + (fifo ? " as a FIFO" : " as a folder"));
            TearDown();
            SetUp();
            const auto good = contents(folder);
            replace(name, fifo);
            EXPECT_NE(check().find(name + " υπάρχει αλλά δεν διαβάζεται"), std::string::npos);

            const auto before = contents(folder);
            const auto saved = cli({"--today", kToday, "save", folder.string()});
            const auto after = contents(folder);
            EXPECT_EQ(after.at(name), "<not a file>");
            if (name == "zdat9.bin") {
                EXPECT_EQ(saved.code, 1);
                EXPECT_EQ(after, before);
            }
            // No file of the good folder has gone missing.
            for (const auto& [file, bytes] : good) EXPECT_TRUE(after.contains(file)) << file;
        }
    }
}

TEST_F(DamagedFolderTest, ValuesOutOfRangeAreListed) {
    // A margin no page can hold and an early month that does not exist.
    {
        std::ofstream ini(folder / "zelvog.ini", std::ios::binary | std::ios::trunc);
        ini << "[Early]\r\nYear=29\r\nMonth=40\r\n"
            << "[\xC5\xEA\xE8\xDD\xF3\xE5\xE9\xF2]\r\n"
            << "\xC5\xF0\xDC\xED\xF9 \xD0\xE5\xF1\xE9\xE8\xFE\xF1\xE9\xEF=100000000\r\n";
    }
    // 255 groups in the group table's count byte.
    {
        std::fstream groups(folder / "bkstudy.dat",
                            std::ios::binary | std::ios::in | std::ios::out);
        groups.put(static_cast<char>(255));
    }
    // Random appointment kinds.
    {
        std::ofstream appts(folder / "zappt.dat", std::ios::binary | std::ios::app);
        for (int i = 0; i < 32 * 3; ++i) appts.put(static_cast<char>(i * 41 + 7));
    }
    const std::string out = check();
    EXPECT_NE(out.find("40/29"), std::string::npos) << out;
    EXPECT_NE(out.find("100000000"), std::string::npos) << out;
    EXPECT_NE(out.find("δηλώνει 255 ομίλους"), std::string::npos) << out;
    EXPECT_NE(out.find("zappt.dat έχει"), std::string::npos) << out;
    EXPECT_EQ(out.find("Μήνας εργασίας: Νοέμβριος 2029"), std::string::npos) << out;
}

}  // namespace
}  // namespace zelvo
