// `zelvo-cli collection`: a year of monthly collections on the demo congregation, and the choices
// the dialogs do not offer.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli_run.h"
#include "core/test_folder.h"
#include "store/calendar.h"
#include "store/publisher_status.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo {
namespace {

using test::cli;
using test::TestFolder;
namespace fs = std::filesystem;

std::string iso(const Date& d) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
    return text;
}

CZelvoDoc loaded(const TestFolder& folder, const Date& today) {
    CZelvoDoc doc;
    EXPECT_TRUE(test::openDoc(doc, folder, today, LoadMode::ReadOnly).ok);
    return doc;
}

std::vector<int> states(const CZelvoDoc& doc) {
    std::vector<int> out;
    for (int m = 0; m < 12; ++m) out.push_back(doc.header().collectionState(m));
    return out;
}

// The pioneer kind a publisher's new month takes from the month before.
int carriedPioneerKind(const PublisherRecord& r, int prev, int prevSlot) {
    if ((r.privileges() & privilege::kContinuousAuxiliary) != 0) return 1;
    const int before = r.pioneerKind(prev, prevSlot);
    return before >= 2 ? before : 0;
}

// Data files only: the lock file comes and goes with every writer.
std::map<std::string, test::FileBytes> dataFiles(const TestFolder& folder) {
    auto all = folder.snapshot();
    all.erase("zelvo.lock");
    return all;
}

TEST(CollectionCli, AYearOfMonthlyCyclesKeepsEveryInvariant) {
    TestFolder folder;
    ASSERT_EQ(cli({"--today", "2026-12-08", "demo", folder.str()}).code, 0);
    for (int k = 0; k < 12; ++k) {
        const Date today{2027, k + 1, 2};
        SCOPED_TRACE(iso(today));
        const CZelvoDoc before = loaded(folder, today);
        const int month = before.calendar.reportMonth;
        const int slot = before.calendar.reportSlot();
        const int prev = (month + 11) % 12;
        const int prevSlot = month == 0 ? slot ^ 1 : slot;
        std::map<int, int> expectedPioneer;
        for (const IndexEntry& e : before.kindLists[kPublisher]) {
            const PublisherRecord& r = before.publishers[e.recordIndex];
            expectedPioneer[r.id()] = carriedPioneerKind(r, prev, prevSlot);
        }

        const auto init = cli({"--today", iso(today), "collection", folder.str(), "--initialize"});
        ASSERT_EQ(init.code, 0) << init.err;
        const CZelvoDoc opened = loaded(folder, today);
        std::vector<int> only(12, 0);
        only[static_cast<std::size_t>(month)] = 1;
        EXPECT_EQ(states(opened), only);
        EXPECT_TRUE(opened.lateReports.empty());
        for (const IndexEntry& e : opened.kindLists[kPublisher]) {
            const PublisherRecord& r = opened.publishers[e.recordIndex];
            for (const MonthWord w : {MonthWord::Placements, MonthWord::Videos, MonthWord::Hours,
                                      MonthWord::ReturnVisits, MonthWord::StudiesAndFlags,
                                      MonthWord::RemarkIndex, MonthWord::CreditHours})
                EXPECT_EQ(r.monthWord(w, month, slot), 0) << r.id();
            EXPECT_EQ(r.monthByte(MonthByte::CountedInMonth, month, slot), 0) << r.id();
            EXPECT_EQ(r.pioneerKind(month, slot), expectedPioneer[r.id()]) << r.id();
            EXPECT_NE(statusMonth(r.statusFlags()), (month + 6) % 12 + 1) << r.id();
            if (r.statusSince() != 0) {
                EXPECT_GE(r.statusSince(), opened.calendar.reportAbsMonth - 24);
            }
        }
        for (const IndexEntry& e : opened.kindLists[kMoved])
            EXPECT_NE(statusMonth(opened.publishers[e.recordIndex].statusFlags()), month + 1);

        const auto close = cli({"--today", iso(today), "collection", folder.str(), "--close"});
        ASSERT_EQ(close.code, 0) << close.err;
        std::vector<int> closed(12, 0);
        closed[static_cast<std::size_t>(month)] = 2;
        EXPECT_EQ(states(loaded(folder, today)), closed);
    }
    int copies = 0;
    for (const auto& entry : fs::directory_iterator(folder.file("Roll"))) {
        ++copies;
        const std::string name = entry.path().filename().string();
        ASSERT_EQ(name.rfind("Zv9_", 0), 0u) << name;
        const int n = std::stoi(name.substr(4));
        EXPECT_TRUE(n >= 1 && n <= 12) << name;
    }
    EXPECT_EQ(copies, 12);
}

TEST(CollectionCli, ChoicesTheDialogsDoNotOfferAreRefusedAndWriteNothing) {
    TestFolder folder;
    ASSERT_EQ(cli({"--today", "2026-12-08", "demo", folder.str()}).code, 0);
    auto run = [&](const std::string& day, const char* choice) {
        return cli({"--today", day, "collection", folder.str(), choice});
    };
    auto refused = [&](const std::string& day, const char* choice) {
        SCOPED_TRACE(day + " " + choice);
        ASSERT_EQ(cli({"--today", day, "save", folder.str()}).code, 0);
        const auto files = dataFiles(folder);
        const auto r = run(day, choice);
        EXPECT_EQ(r.code, cli::kExitRefused);
        EXPECT_FALSE(r.err.empty());
        EXPECT_EQ(dataFiles(folder), files);
    };
    // 10 January: December (closed a year ago) is not open, and the early button waits for the
    // 25th.
    const std::string january = "2027-01-10";
    refused(january, "--close");
    refused(january, "--early");
    EXPECT_EQ(run(january, "--bogus").code, cli::kExitUsage);
    // Open, the month goes straight to the list: --initialize is no choice then.
    ASSERT_EQ(run(january, "--initialize").code, 0);
    EXPECT_EQ(run(january, "--continue").code, 0);
    refused(january, "--initialize");
    ASSERT_EQ(run(january, "--close").code, 0);
    // 10 February: January not started (the initialization reset it) and December closed:
    // nothing to continue.
    refused("2027-02-10", "--continue");
    // 26 February: February starts early; the choice names March 2027.
    const auto early = run("2027-02-26", "--early");
    ASSERT_EQ(early.code, 0) << early.err;
    const CZelvoDoc doc = loaded(folder, {2027, 2, 26});
    EXPECT_EQ(doc.calendar.reportMonth, 1);
    EXPECT_EQ(doc.header().collectionState(1), 1);
    EXPECT_EQ(doc.settings.earlyYear, 27);
    EXPECT_EQ(doc.settings.earlyMonth, 3);
}

}  // namespace
}  // namespace zelvo
