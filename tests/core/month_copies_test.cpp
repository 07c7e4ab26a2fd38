// Month copies under Roll: making them, the backup-history line, the previous-reports mask,
// and opening a copy read-only and coming back to the live data.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>

#include "resources/strings.h"
#include "store/backup_history.h"
#include "store/cp1253.h"
#include "store/data_files.h"
#include "store/password_check.h"
#include "store/zelvo_doc.h"
#include "test_folder.h"

namespace zelvo {
namespace {

using test::FileBytes;
using test::headerRow;
using test::person;
using test::TestFolder;
namespace fs = std::filesystem;

// 10 March 2025: the report month is February 2025 (index 1, year 25).
constexpr Date kToday{2025, 3, 10};

void setWriteTime(const fs::path& p, int year) {
    using namespace std::chrono;
    const sys_seconds day{sys_days{std::chrono::year{year} / June / 15}};
    fs::last_write_time(p,
                        time_point_cast<fs::file_time_type::duration>(file_clock::from_sys(day)));
}

RemarkRecord remark(std::string_view text, int monthPlusOne, int slot, int id) {
    RemarkRecord r;
    r.set(text, static_cast<std::uint8_t>(monthPlusOne), static_cast<std::uint8_t>(slot),
          static_cast<std::uint16_t>(id));
    return r;
}

class MonthCopiesTest : public ::testing::Test {
protected:
    void SetUp() override {
        PublisherRecord p = person(120, "Live", "Person");
        test::setReport(p, 1, 1, 10, 0, 0, false);
        test::setReport(p, 5, 0, 0, 0, 0, true);  // a mark kept in zlt15.dat
        folder.write(files::kPublishers, test::tableFile({headerRow(), p}));
        originalRemarks = test::concat(std::vector<RemarkRecord>{
            RemarkRecord{}, remark("old", 2, 1, 120), remark("new", 2, 1, 120)});
        folder.write(files::kRemarks, originalRemarks);
    }
    std::unique_ptr<CZelvoDoc> load(Date today = kToday) {
        auto doc = std::make_unique<CZelvoDoc>();
        ScriptedPrompts prompts;
        doc->startUp(folder.str(), today, LoadMode::Live);
        EXPECT_TRUE(doc->load(prompts, LoadMode::Live).ok);
        return doc;
    }
    // Every file a month copy holds, present in the data folder.
    std::unique_ptr<CZelvoDoc> fullFolder() {
        auto doc = load();
        doc->groups.setGroupCount(1);
        doc->groups.setText(ServiceGroupTable::overseerField(1), "Overseer");
        doc->appointments.push_back({});
        doc->appointments.back().setWord(0, 120);
        doc->appointments.back().setWord(2, 20);
        ScriptedPrompts prompts;
        EXPECT_TRUE(doc->saveAll(prompts).ok);
        folder.write(files::kContactExtras, FileBytes(2 * 192, 7));
        folder.write(files::kEmergency, FileBytes(256, 8));
        folder.write(files::kSpecialNeeds, FileBytes(96, 9));
        for (std::string_view name : files::kMonthCopyFiles)
            EXPECT_TRUE(folder.exists(name)) << name;
        return doc;
    }
    void makeCopyTable(std::string_view relativeFolder, std::uint16_t id, std::string_view name) {
        PublisherRecord h = headerRow();
        folder.write(std::string(relativeFolder) + "/zdat9.bin",
                     test::tableFile({h, person(id, name, "Copy")}));
    }

    TestFolder folder;
    FileBytes originalRemarks;
};

// ---------------------------------------------------------------- making copies

TEST_F(MonthCopiesTest, CopyHoldsTheTwelveFilesAndIsRecordedInTheHistory) {
    auto doc = fullFolder();
    ASSERT_FALSE(doc->isModified());
    EXPECT_TRUE(doc->makeMonthCopy(2, kToday).empty());
    for (std::string_view name : files::kMonthCopyFiles)
        EXPECT_EQ(folder.read("Roll/Zv9_2/" + std::string(name)), folder.read(name)) << name;
    EXPECT_TRUE(doc->isModified());

    const auto history = readBackupHistory(folder.path());
    ASSERT_EQ(history.size(), 10u);
    EXPECT_EQ(history[0].text, cp1253::fromUtf8(res::monthName(2)) + " 10 2025 (Roll)");
    EXPECT_TRUE(fs::equivalent(history[0].folder, folder.file("Roll/Zv9_2")));
    EXPECT_EQ(folder.size(files::kBackupHistory), 5120u);
    for (std::size_t i = 1; i < 10; ++i) EXPECT_EQ(history[i].text, "");
}

TEST_F(MonthCopiesTest, AFileThatCouldNotBeCopiedIsNamed) {
    auto doc = fullFolder();
    fs::create_directories(folder.file("Roll/Zv9_2/zcard.dat") / "inside");
    const std::vector<std::string> notCopied = doc->makeMonthCopy(2, kToday);
    ASSERT_EQ(notCopied.size(), 1u);
    EXPECT_TRUE(fs::equivalent(notCopied[0], folder.file("Roll/Zv9_2/zcard.dat")));
    // Without its table the partial copy is neither taken as made nor offered for viewing.
    EXPECT_FALSE(folder.exists("Roll/Zv9_2/zdat9.bin"));
    EXPECT_FALSE(doc->isModified());
}

TEST_F(MonthCopiesTest, JanuaryIsCopiedIntoFolder12) {
    auto doc = fullFolder();
    EXPECT_TRUE(doc->makeMonthCopy(0, kToday).empty());
    EXPECT_EQ(folder.read("Roll/Zv9_12/zdat9.bin"), folder.read(files::kPublishers));
    EXPECT_FALSE(folder.exists("Roll/Zv9_0"));
}

TEST_F(MonthCopiesTest, ARecentCopyIsKept) {
    struct Case {
        std::size_t size;
        int writtenIn;
        bool kept;
    };
    const Case cases[] = {
        {816 * 2, 2025, true}, {501, 2025, true},      {816 * 2, 2026, true},
        {500, 2025, false},    {816 * 2, 2023, false},
    };
    auto doc = fullFolder();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.size) + " bytes written in " + std::to_string(c.writtenIn));
        fs::remove_all(folder.file("Roll"));
        const FileBytes stale(c.size, 0x33);
        folder.write("Roll/Zv9_2/zdat9.bin", stale);
        setWriteTime(folder.file("Roll/Zv9_2/zdat9.bin"), c.writtenIn);
        EXPECT_TRUE(doc->makeMonthCopy(2, kToday).empty());
        EXPECT_EQ(folder.read("Roll/Zv9_2/zdat9.bin") == stale, c.kept);
        EXPECT_EQ(folder.exists("Roll/Zv9_2/zcard.dat"), !c.kept);
    }
}

TEST(BackupHistory, TheEleventhRecordPushesTheOldestOut) {
    TestFolder f;
    EXPECT_EQ(readBackupHistory(f.path()).size(), 10u);
    for (int k = 1; k <= 11; ++k)
        ASSERT_TRUE(
            addBackupHistory(f.path(), "Backup " + std::to_string(k), "/b/" + std::to_string(k)));
    const FileBytes file = f.read(files::kBackupHistory);
    ASSERT_EQ(file.size(), 5120u);
    EXPECT_EQ(readText(file.data(), 52), "Backup 11");
    EXPECT_EQ(readText(file.data() + 52, 460), "/b/11");
    EXPECT_EQ(readText(file.data() + 9 * 512, 52), "Backup 2");
    EXPECT_EQ(readText(file.data() + 9 * 512 + 52, 460), "/b/2");
    const auto history = readBackupHistory(f.path());
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(history[static_cast<std::size_t>(i)].text, "Backup " + std::to_string(11 - i));
}

// ---------------------------------------------------------------- previous reports

TEST_F(MonthCopiesTest, PreviousMaskMarksTheCopiesOfTheLastSixMonths) {
    // Report month February: 1 back is folder 1, 2 back folder 12, ..., 6 back folder 8.
    makeCopyTable("Roll/Zv9_1", 201, "Jan");
    makeCopyTable("Roll/zv9_12", 202, "Dec");  // letter case differs
    fs::rename(folder.file("Roll/zv9_12/zdat9.bin"), folder.file("Roll/zv9_12/ZDAT9.BIN"));
    fs::create_directories(folder.file("Roll/Zv9_11"));  // no table in it
    makeCopyTable("Roll/Zv9_8", 203, "Aug");
    makeCopyTable("Roll/Zv9_7", 204, "Jul");  // seven months back
    auto doc = load();
    EXPECT_EQ(doc->previousMask, (1 << 1) | (1 << 2) | (1 << 6));
    fs::remove_all(folder.file("Roll/Zv9_8"));
    doc->computePreviousMask();
    EXPECT_EQ(doc->previousMask, (1 << 1) | (1 << 2));
}

TEST_F(MonthCopiesTest, OpeningACopyShowsItReadOnlyAndReturnsToLiveData) {
    makeCopyTable("Roll/Zv9_12", 202, "December");
    makeCopyTable("Roll/Zv9_1", 201, "January");
    auto doc = load();
    const auto live = doc->publishers;
    ScriptedPrompts prompts;
    ASSERT_TRUE(doc->openMonthCopy(2, prompts));
    EXPECT_TRUE(prompts.questions.empty()) << "nothing changed, nothing to ask";
    EXPECT_EQ(doc->calendar.viewingPrevious, 1);
    EXPECT_TRUE(doc->readOnly());
    EXPECT_TRUE(fs::equivalent(doc->viewFolder, folder.file("Roll/Zv9_12")));
    EXPECT_EQ(doc->calendar.viewMonth, 11);
    EXPECT_EQ(doc->calendar.viewYear, 24);
    EXPECT_EQ(doc->calendar.reportMonth, 11);
    EXPECT_EQ(doc->calendar.reportYear, 24);
    EXPECT_EQ(doc->calendar.liveReportMonth, 1);
    ASSERT_EQ(doc->recordCount(), 2);
    EXPECT_EQ(doc->publishers[1].firstName(), "December");
    EXPECT_FALSE(folder.exists(files::kRemarkUndo));

    // Nothing is written while a copy is open.
    const auto before = folder.snapshot();
    doc->markModified();
    doc->publishers[1].setText(PublisherRecord::kAddress, "Changed");
    ScriptedPrompts savePrompts;
    EXPECT_TRUE(doc->saveAll(savePrompts).ok);
    EXPECT_EQ(folder.snapshot(), before);

    // Another copy: months back count from the live report month again.
    ASSERT_TRUE(doc->openMonthCopy(1, prompts));
    EXPECT_EQ(doc->calendar.viewMonth, 0);
    EXPECT_EQ(doc->calendar.viewYear, 25);
    EXPECT_EQ(doc->publishers[1].firstName(), "January");

    ASSERT_TRUE(doc->returnToLiveData(prompts).ok);
    EXPECT_EQ(doc->calendar.viewingPrevious, 0);
    EXPECT_FALSE(doc->readOnly());
    EXPECT_EQ(doc->calendar.reportMonth, 1);
    EXPECT_EQ(doc->calendar.reportYear, 25);
    ASSERT_EQ(doc->publishers.size(), live.size());
    for (std::size_t i = 0; i < live.size(); ++i)
        EXPECT_EQ(doc->publishers[i].bytes, live[i].bytes);
}

// Records what each password dialog would have warned after a wrong OK.
class GatePrompts : public ScriptedPrompts {
public:
    std::vector<std::string> lastTryWarnings;
    bool runPasswordCheck(PasswordCheck& check) override {
        if (check.needed()) lastTryWarnings.push_back(check.lastTryWarning());
        return ScriptedPrompts::runPasswordCheck(check);
    }
};

TEST_F(MonthCopiesTest, APasswordRefusedForACopyCostsTheCopyNotTheProgram) {
    PublisherRecord h = headerRow();
    h.setText(PublisherRecord::kFirstName, "secret");
    folder.write("Roll/Zv9_12/zdat9.bin", test::tableFile({h, person(202, "December", "Copy")}));
    auto doc = load();
    GatePrompts prompts;
    EXPECT_FALSE(doc->openMonthCopy(2, prompts));
    ASSERT_EQ(prompts.lastTryWarnings.size(), 1u) << "the live data has no password";
    EXPECT_EQ(prompts.lastTryWarnings[0],
              res::format(res::kPasswordLastTry, res::kPasswordLastTryCopy));
    EXPECT_EQ(doc->calendar.viewingPrevious, 0);
    EXPECT_EQ(doc->publishers[1].firstName(), "Live");
}

TEST_F(MonthCopiesTest, ChangedLiveDataAsksFirst) {
    makeCopyTable("Roll/Zv9_12", 202, "December");
    const std::string question(res::kSaveChanges);

    // Cancel: nothing happens.
    auto doc = load();
    doc->markModified();
    ScriptedPrompts cancel;
    cancel.answers = {Answer::Cancel};
    EXPECT_FALSE(doc->openMonthCopy(2, cancel));
    ASSERT_EQ(cancel.questions.size(), 1u);
    EXPECT_EQ(cancel.questions[0], question);
    EXPECT_EQ(doc->calendar.viewingPrevious, 0);
    EXPECT_EQ(doc->publishers[1].firstName(), "Live");
    EXPECT_TRUE(doc->isModified());

    // Yes: the live data is saved first.
    doc->publishers[1].setText(PublisherRecord::kAddress, "Saved before viewing");
    ScriptedPrompts yes;
    yes.answers = {Answer::Yes};
    ASSERT_TRUE(doc->openMonthCopy(2, yes));
    EXPECT_EQ(yes.questions.size(), 1u);
    PublisherRecord saved;
    const FileBytes table = folder.read(files::kPublishers);
    std::copy_n(table.begin() + 816, 816, saved.bytes.begin());
    unscrambleRecord(saved);
    EXPECT_EQ(saved.address(), "Saved before viewing");
    EXPECT_FALSE(folder.exists(files::kRemarkUndo));
}

TEST_F(MonthCopiesTest, NoRestoresTheRemarkFileFromItsUndoCopy) {
    makeCopyTable("Roll/Zv9_12", 202, "December");
    auto doc = load();
    ASSERT_NE(folder.read(files::kRemarks), originalRemarks) << "the load compacted the remarks";
    EXPECT_EQ(folder.read(files::kRemarkUndo), originalRemarks);
    doc->markModified();
    ScriptedPrompts no;
    no.answers = {Answer::No};
    ASSERT_TRUE(doc->openMonthCopy(2, no));
    EXPECT_EQ(folder.read(files::kRemarks), originalRemarks);
    EXPECT_FALSE(folder.exists(files::kRemarkUndo));
}

TEST_F(MonthCopiesTest, ClosingWithoutSavingRestoresTheRemarks) {
    auto doc = load();
    ScriptedPrompts prompts;
    doc->discardRemarkChanges(prompts);
    EXPECT_EQ(folder.read(files::kRemarks), originalRemarks);
    EXPECT_TRUE(prompts.messages.empty());
    // Remarks that could not be put back are reported, not passed over.
    fs::remove(folder.file(files::kRemarks));
    fs::create_directories(folder.file(files::kRemarks) / "inside");
    doc->discardRemarkChanges(prompts);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_NE(prompts.messages[0].find(files::kRemarks), std::string::npos);
    doc->closeDocument();
    EXPECT_FALSE(folder.exists(files::kRemarkUndo));
}

TEST_F(MonthCopiesTest, CopyFolderNamesMayDifferInLetterCase) {
    // 10 May 2025: report month April; one month back is March, folder 3.
    makeCopyTable("ROLL/zv9_3", 203, "March");
    fs::rename(folder.file("ROLL/zv9_3/zdat9.bin"), folder.file("ROLL/zv9_3/ZDAT9.BIN"));
    auto doc = load({2025, 5, 10});
    EXPECT_EQ(doc->previousMask, 1 << 1);
    ScriptedPrompts prompts;
    ASSERT_TRUE(doc->openMonthCopy(1, prompts));
    EXPECT_EQ(doc->calendar.viewMonth, 2);
    EXPECT_EQ(doc->calendar.viewYear, 25);
    ASSERT_EQ(doc->recordCount(), 2);
    EXPECT_EQ(doc->publishers[1].firstName(), "March");
}

TEST_F(MonthCopiesTest, AMissingCopyCannotBeOpened) {
    auto doc = load();
    ScriptedPrompts prompts;
    EXPECT_FALSE(doc->openMonthCopy(3, prompts));
}

}  // namespace
}  // namespace zelvo
