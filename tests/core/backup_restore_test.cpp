// Backup and restore: folder names from the time, the ten-record history, the refused location,
// the month copies taken along, a backup or restore that cannot copy a file, undo and its undo.
#include <gtest/gtest.h>

#include "resources/strings.h"
#include "store/backup.h"
#include "store/backup_history.h"
#include "store/cp1253.h"
#include "store/data_files.h"
#include "store/restore.h"
#include "test_folder.h"

namespace zelvo {
namespace {

using backup::Moment;
using test::TestFolder;
namespace fs = std::filesystem;

constexpr Date kToday{2026, 12, 8};

// A data folder with one person whose name tells the version of the data apart.
void writeData(const TestFolder& folder, std::string_view version, bool groups = false) {
    folder.write(files::kPublishers,
                 test::tableFile({test::headerRow(), test::person(120, "Anna", version)}));
    folder.writeText(files::kSettings, "[Nag]\r\n");
    folder.writeText("Roll/Zv9_11/zdat9.bin", std::string(600, 'x') + std::string(version));
    if (groups) folder.writeText(files::kGroups, "groups");
}

// Fails the copy of one file (by name and source folder); copies everything else.
backup::CopyFile failingOn(const fs::path& source, std::string_view name) {
    return [source, name = std::string(name)](const fs::path& from, const fs::path& to) {
        if (from.parent_path() == source && from.filename() == name) return false;
        return backup::copyFileSafely(from, to);
    };
}

// The data folder's own files, without the undo and backup folders in it.
std::map<std::string, test::FileBytes> dataOf(const TestFolder& folder) {
    auto all = folder.snapshot();
    std::erase_if(all, [](const auto& e) {
        return e.first.starts_with("unrestore") || e.first.starts_with("Zv9_") ||
               e.first.starts_with("backups") || e.first == files::kBackupHistory ||
               e.first == files::kSettings;
    });
    return all;
}

TEST(BackupNames, FolderAndHistoryLineFromTheTime) {
    EXPECT_EQ(backup::backupFolderName({{2024, 3, 5}, 14, 32}), "Zv9_1432_2024Mar05");
    EXPECT_EQ(backup::backupFolderName({{2030, 1, 1}, 0, 5}), "Zv9_0005_2030Jan01");
    EXPECT_EQ(backup::backupHistoryText({{2026, 12, 8}, 14, 32}),
              "Τρίτη, 8 Δεκεμβρίου 2026 2:32 μμ");
    EXPECT_EQ(backup::backupHistoryText({{2026, 11, 1}, 0, 5}),
              "Κυριακή, 1 Νοεμβρίου 2026 12:05 πμ");
    EXPECT_EQ(backup::backupHistoryText({{2026, 11, 2}, 12, 0}),
              "Δευτέρα, 2 Νοεμβρίου 2026 12:00 μμ");
    EXPECT_TRUE(backup::isBackupFolderName("Zv9_1432_2024Mar05"));
    EXPECT_FALSE(backup::isBackupFolderName("Zv9"));
    EXPECT_FALSE(backup::isBackupFolderName("zv9_1432"));
}

TEST(BackupLocation, AFolderNamedZv9IsRefusedForItsParent) {
    const auto refused = backup::chooseLocation("/media/usb/Zv9_1432_2024Mar05");
    EXPECT_TRUE(refused.refused);
    EXPECT_EQ(refused.location, fs::path("/media/usb"));
    const auto kept = backup::chooseLocation("/media/usb/Zv9");
    EXPECT_FALSE(kept.refused);
    EXPECT_EQ(kept.location, fs::path("/media/usb/Zv9"));
    // Unset or gone: the data folder.
    TestFolder data;
    EXPECT_EQ(backup::backupLocation(data.path()), data.path());
    data.writeText(files::kSettings,
                   cp1253::fromUtf8("[Αντίγραφο Ασφαλείας]\r\nΑναζήτηση=/no/such\r\n"));
    EXPECT_EQ(backup::backupLocation(data.path()), data.path());
}

class BackupTest : public ::testing::Test {
protected:
    TestFolder data;
    fs::path location() const { return data.file("backups"); }
    void SetUp() override {
        writeData(data, "First");
        fs::create_directories(location());
    }
    backup::BackupResult backupAt(int minute, const backup::CopyFile& copy = backup::copyFileSafely,
                                  std::vector<int> months = {11}) {
        return backup::makeBackup({data.path(), location(), {kToday, 9, minute}, std::move(months)},
                                  {}, copy);
    }
};

TEST_F(BackupTest, CopiesTheDataAndTheMarkedMonthCopiesAndRemembersIt) {
    data.writeText("Roll/Zv9_3/zdat9.bin", std::string(600, 'y'));
    std::vector<std::string> announced;
    const auto r =
        backup::makeBackup({data.path(), location(), {kToday, 9, 5}, {11}},
                           [&](const backup::Progress& p) { announced.push_back(p.file); });
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.folder, location() / "Zv9_0905_2026Dec08");
    EXPECT_EQ(announced,
              (std::vector<std::string>{"zdat9.bin", "zelvog.ini", "Roll/Zv9_11/zdat9.bin"}));
    EXPECT_TRUE(fs::exists(r.folder / "Roll/Zv9_11/zdat9.bin"));
    EXPECT_FALSE(fs::exists(r.folder / "Roll/Zv9_3"));
    EXPECT_TRUE(backup::isValidBackup(r.folder));
    EXPECT_EQ(backup::lastBackupDate(data.path())->day, 8);
    EXPECT_EQ(backup::restoreList(data.path()).front().folder, r.folder.string());
    // The mask names months back from the live report month; "all" takes every copy there is.
    EXPECT_EQ(backup::monthCopiesToTake(data.path(), (1 << 1) | (1 << 6), 11, false),
              (std::vector<int>{11, 6}));
    EXPECT_EQ(backup::monthCopiesToTake(data.path(), 0, 11, true), (std::vector<int>{3, 11}));
    // A second backup in the same minute copies nothing.
    const auto again = backupAt(5);
    EXPECT_EQ(again.status, backup::BackupResult::Status::SameMinute);
    EXPECT_TRUE(again.copied.empty());
}

TEST_F(BackupTest, TheEleventhBackupPushesTheOldestOut) {
    for (int minute = 0; minute < 11; ++minute) ASSERT_TRUE(backupAt(minute).ok());
    const auto history = readBackupHistory(data.path());
    ASSERT_EQ(history.size(), 10u);
    EXPECT_EQ(history.front().folder, (location() / "Zv9_0910_2026Dec08").string());
    EXPECT_EQ(history.back().folder, (location() / "Zv9_0901_2026Dec08").string());
    EXPECT_EQ(data.size(files::kBackupHistory), 5120u);
    // A backup whose folder is gone is not offered.
    fs::remove_all(location() / "Zv9_0910_2026Dec08");
    EXPECT_EQ(backup::restoreList(data.path()).size(), 9u);
}

TEST_F(BackupTest, AFileThatCannotBeCopiedLeavesNoBackupBehind) {
    const auto r = backupAt(7, failingOn(data.path(), "zelvog.ini"));
    EXPECT_EQ(r.status, backup::BackupResult::Status::Failed);
    EXPECT_EQ(r.failed, data.file("zelvog.ini").string());
    EXPECT_TRUE(fs::is_empty(location()));
    EXPECT_FALSE(data.exists(files::kBackupHistory));
    EXPECT_FALSE(backup::lastBackupDate(data.path()));
}

TEST(BackupOffer, DueWhenNoneOrOlderThanAMonthAndAskedOncePerMonth) {
    TestFolder data;
    EXPECT_TRUE(backup::backupOfferDue(data.path(), kToday));
    data.writeText(files::kSettings,
                   cp1253::fromUtf8("[Αντίγραφο Ασφαλείας]\r\nLast=2026-11-08\r\n"));
    EXPECT_FALSE(backup::backupOfferDue(data.path(), kToday));
    EXPECT_TRUE(backup::backupOfferDue(data.path(), {2026, 12, 9}));
    ASSERT_TRUE(backup::rememberBackupOffer(data.path(), {2026, 12, 9}));
    EXPECT_FALSE(backup::backupOfferDue(data.path(), {2026, 12, 31}));
    EXPECT_TRUE(backup::backupOfferDue(data.path(), {2027, 1, 1}));
    EXPECT_EQ(backup::lastBackupDate(data.path())->month, 11);
}

class RestoreTest : public BackupTest {
protected:
    fs::path backupOf(std::string_view version, int minute, bool groups = false) {
        writeData(data, version, groups);
        const auto r = backupAt(minute);
        EXPECT_TRUE(r.ok());
        return r.folder;
    }
    std::string tableName() const {
        CZelvoDoc doc;
        EXPECT_TRUE(test::openDoc(doc, data, kToday, LoadMode::ReadOnly).ok);
        return doc.displayName(1);
    }
};

TEST_F(RestoreTest, RestoreThenUndoThenUndoTheUndo) {
    const fs::path first = backupOf("First", 1, true);
    writeData(data, "Second");
    data.remove(files::kGroups);
    const auto before = dataOf(data);

    ASSERT_TRUE(backup::restoreFiles(data.path(), first, false).ok());
    EXPECT_EQ(tableName(), "Anna First");
    EXPECT_TRUE(data.exists(files::kGroups));
    const auto restored = dataOf(data);
    ASSERT_TRUE(backup::undoTimeStamp(data.path()));

    ASSERT_TRUE(backup::restoreFiles(data.path(), backup::undoFolder(data.path()), true).ok());
    EXPECT_EQ(dataOf(data), before);
    EXPECT_FALSE(data.exists(files::kGroups));  // not left from the restore
    EXPECT_FALSE(data.exists("unrestore_tmp"));

    ASSERT_TRUE(backup::restoreFiles(data.path(), backup::undoFolder(data.path()), true).ok());
    EXPECT_EQ(dataOf(data), restored);
}

TEST_F(RestoreTest, AFileThatCannotBeCopiedHalfWayPutsTheDataBackAndKeepsTheUndoWhole) {
    const fs::path first = backupOf("First", 1);
    data.writeText(files::kRemarks, std::string(48, '\0'));
    ASSERT_TRUE(fs::copy_file(data.file(files::kRemarks), first / files::kRemarks));
    writeData(data, "Second");
    const auto before = dataOf(data);

    // zdat9.bin comes first and is restored before remark9.dat fails.
    const auto r =
        backup::restoreFiles(data.path(), first, false, {}, failingOn(first, files::kRemarks));
    EXPECT_EQ(r.status, backup::RestoreResult::Status::RolledBack);
    EXPECT_EQ(r.restored.front(), "zdat9.bin");
    EXPECT_EQ(r.failed, (first / files::kRemarks).string());
    EXPECT_NE(backup::restoreMessage(r, first).find((first / "remark9.dat").string()),
              std::string::npos);
    EXPECT_EQ(dataOf(data), before);
    EXPECT_EQ(tableName(), "Anna Second");
    for (const auto& [name, bytes] : before) {
        if (fs::is_directory(data.file(name))) continue;
        EXPECT_EQ(data.read("unrestore/" + name), bytes) << name;
    }

    // The undo copy itself failing leaves the data folder untouched.
    const auto notStarted = backup::restoreFiles(data.path(), first, false, {},
                                                 failingOn(data.path(), files::kPublishers));
    EXPECT_EQ(notStarted.status, backup::RestoreResult::Status::UndoNotMade);
    EXPECT_EQ(dataOf(data), before);
}

TEST_F(RestoreTest, UnsavedChangesAreAskedAboutAndAnOldGenerationIsConvertedOnReload) {
    // A backup of the previous generation: zdat7.bin, no zdat9.bin.
    const fs::path old = location() / "Zv9_0800_2020Jan01";
    fs::create_directories(old);
    // The header (names kept plain: its marker byte is 'A') and one person.
    test::FileBytes rows(2 * 336, 0);
    rows[2] = ' ';
    rows[23] = 'A';
    std::copy_n("Old", 3, rows.begin() + 336 + 2);
    std::copy_n("Person", 6, rows.begin() + 336 + 23);
    rows[336 + 182] = 121;
    std::ofstream(old / "zdat7.bin", std::ios::binary)
        .write(reinterpret_cast<const char*>(rows.data()),
               static_cast<std::streamsize>(rows.size()));
    ASSERT_TRUE(backup::isValidBackup(old));

    CZelvoDoc doc;
    ASSERT_TRUE(test::openDoc(doc, data, kToday).ok);
    doc.markModified();
    ScriptedPrompts prompts;
    prompts.answers = {Answer::Cancel};
    EXPECT_FALSE(backup::restoreDocument(doc, prompts, old, false, kToday));
    EXPECT_EQ(prompts.questions, std::vector<std::string>{std::string(res::kSaveChanges)});
    EXPECT_TRUE(data.exists(files::kPublishers));

    prompts.answers = {Answer::No};
    const auto r = backup::restoreDocument(doc, prompts, old, false, kToday);
    ASSERT_TRUE(r && r->files.ok() && r->reloaded);
    EXPECT_FALSE(data.exists(files::kPublishers));  // kept in the undo folder instead
    EXPECT_TRUE(data.exists("unrestore/zdat9.bin"));
    EXPECT_TRUE(doc.isModified());  // converted, as at a start
    EXPECT_EQ(cp1253::toUtf8(doc.displayName(1)), "Old Person");
}

}  // namespace
}  // namespace zelvo
