// `zelvo-cli backup` and `restore`: a backup restored brings back the data as `dump` shows them,
// the undo brings back the change; a refused location or folder writes nothing; a file that
// cannot be restored exits 1 naming it, with the data as they were. The capacity congregation
// backed up and restored into a fresh folder dumps the same.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/demo_cli_fixture.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;

class BackupCli : public test::DemoCliTest {
protected:
    test::TestFolder backups;
    std::string dumpText() const { return run({"dump", folder.str()}).out; }
    std::string backupAt(const std::string& time) const {
        const auto r = run({"backup", folder.str(), "--to", backups.str(), "--time", time});
        EXPECT_EQ(r.code, 0) << r.err;
        EXPECT_NE(r.out.find("Αποθήκευση αρχείου: zdat9.bin"), std::string::npos);
        return (backups.path() / ("Zv9_" + time.substr(0, 2) + time.substr(3) + "_2026Dec08"))
            .string();
    }
};

TEST_F(BackupCli, RestoreBringsTheBackupBackAndUndoTheChange) {
    const std::string before = dumpText();
    const std::string made = backupAt("14:32");
    ASSERT_TRUE(fs::exists(fs::path(made) / "zvxcfg.cfg"));
    ASSERT_EQ(run({"group", folder.str(), "--id", "148", "--to", "1"}).code, 0);
    const std::string changed = dumpText();
    ASSERT_NE(changed, before);

    const auto restored = run({"restore", folder.str(), "--last"});
    ASSERT_EQ(restored.code, 0) << restored.err;
    EXPECT_NE(restored.out.find("Επαναφορά αρχείου zdat9.bin"), std::string::npos);
    EXPECT_TRUE(dumpText() == before);
    ASSERT_EQ(run({"restore", folder.str(), "--undo"}).code, 0);
    EXPECT_TRUE(dumpText() == changed);
    ASSERT_EQ(run({"restore", folder.str(), "--from", made}).code, 0);
    EXPECT_TRUE(dumpText() == before);
}

TEST_F(BackupCli, RefusalsWriteNothingAndAFailedFileIsNamed) {
    const auto files = folder.snapshot();
    const fs::path inside = backups.path() / "Zv9_0900_2026Dec01";
    fs::create_directories(inside);
    EXPECT_EQ(run({"backup", folder.str(), "--to", inside.string()}).code, 5);
    EXPECT_EQ(run({"restore", folder.str(), "--last"}).code, 5);
    EXPECT_EQ(run({"restore", folder.str(), "--undo"}).code, 5);
    EXPECT_EQ(run({"restore", folder.str(), "--from", folder.str()}).code, 5);
    EXPECT_EQ(run({"restore", folder.str()}).code, 2);
    EXPECT_EQ(folder.snapshot(), files);

    const std::string made = backupAt("09:15");
    EXPECT_EQ(run({"backup", folder.str(), "--to", backups.str(), "--time", "09:15"}).code, 5);
    // A month copy that cannot be written (a file named Roll is in the way) stops the restore
    // after the data files were copied.
    fs::create_directories(fs::path(made) / "Roll/Zv9_10");
    fs::copy_file(fs::path(made) / "zdat9.bin", fs::path(made) / "Roll/Zv9_10/zdat9.bin");
    folder.writeText("Roll", "in the way");
    ASSERT_EQ(run({"group", folder.str(), "--id", "148", "--to", "1"}).code, 0);
    const std::string before = dumpText();
    const auto failed = run({"restore", folder.str(), "--from", made});
    EXPECT_EQ(failed.code, 1);
    EXPECT_NE(failed.err.find(made + "/Roll/Zv9_10/zdat9.bin"), std::string::npos) << failed.err;
    EXPECT_TRUE(dumpText() == before) << "the data are put back as they were";
}

TEST(BackupCliCapacity, TheCapacityCongregationRestoredIntoAFreshFolderDumpsTheSame) {
    test::TestFolder data, backups, fresh;
    const auto run = [](std::vector<std::string> args) {
        args.insert(args.begin(), {"--today", "2026-12-08"});
        return test::cli(args);
    };
    ASSERT_EQ(run({"demo", data.str(), "--people", "1509", "--seed", "2026"}).code, 0);
    ASSERT_EQ(run({"backup", data.str(), "--to", backups.str(), "--time", "10:00"}).code, 0);
    const auto restored =
        run({"restore", fresh.str(), "--from", (backups.path() / "Zv9_1000_2026Dec08").string()});
    ASSERT_EQ(restored.code, 0) << restored.err;
    const std::string original = run({"dump", data.str()}).out;
    EXPECT_GT(original.size(), 100000u);
    EXPECT_TRUE(run({"dump", fresh.str()}).out == original);
}

}  // namespace
}  // namespace zelvo
