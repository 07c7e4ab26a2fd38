#include "demo/demo_congregation.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <tuple>

#include "store/cp1253.h"
#include "store/data_files.h"
#include "store/file_io.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;

class TempFolder {
public:
    TempFolder() {
        static int counter = 0;
        path_ = fs::temp_directory_path() /
                ("zelvo_demo_test_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const fs::path& path() const { return path_; }
    std::string str() const { return path_.string(); }

private:
    fs::path path_;
};

std::unique_ptr<CZelvoDoc> loadReadOnly(const std::string& folder, const Date& today) {
    auto doc = std::make_unique<CZelvoDoc>();
    ScriptedPrompts prompts;
    doc->startUp(folder, today, LoadMode::ReadOnly);
    EXPECT_TRUE(doc->load(prompts, LoadMode::ReadOnly).ok);
    EXPECT_TRUE(prompts.messages.empty()) << prompts.messages.front();
    return doc;
}

// The first offset at which two records differ, or -1.
template <typename Record>
long firstDifference(const Record& a, const Record& b) {
    const auto m = std::mismatch(a.bytes.begin(), a.bytes.end(), b.bytes.begin());
    return m.first == a.bytes.end() ? -1 : static_cast<long>(m.first - a.bytes.begin());
}

template <typename Record>
void expectSameRecords(const std::vector<Record>& expected, const std::vector<Record>& actual,
                       std::string_view what) {
    ASSERT_EQ(expected.size(), actual.size()) << what;
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(firstDifference(expected[i], actual[i]), -1) << what << " record " << i;
}

std::string personLabel(const PublisherRecord& r) {
    return cp1253::toUtf8(r.firstName() + " " + r.lastName()) + " (id " + std::to_string(r.id()) +
           ")";
}

// --- the saved congregation reads back as it was built --------------------------------------

struct RoundTripCase {
    Date today;
    unsigned seed;
};

void PrintTo(const RoundTripCase& c, std::ostream* os) {
    *os << c.today.year << "-" << c.today.month << "-" << c.today.day << ", seed " << c.seed;
}

class DemoRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(DemoRoundTrip, EverythingBuiltInMemoryReadsBackFromTheFiles) {
    const TempFolder folder;
    demo::DemoOptions options;
    options.people = 60;
    options.seed = GetParam().seed;
    options.today = GetParam().today;

    CZelvoDoc built;
    ScriptedPrompts prompts;
    built.startUp(folder.str(), options.today, LoadMode::Live);
    ASSERT_TRUE(built.load(prompts, LoadMode::Live).ok);
    ASSERT_TRUE(demo::fillDemoCongregation(built, options));
    const std::vector<PublisherRecord> beforeSave = built.publishers;
    const std::vector<RemarkRecord> remarksBeforeSave = built.remarks;
    ASSERT_TRUE(built.saveAll(prompts).ok);
    ASSERT_TRUE(prompts.messages.empty()) << prompts.messages.front();

    const auto loaded = loadReadOnly(folder.str(), options.today);
    ASSERT_TRUE(loaded->problems.empty()) << loaded->problems.front();

    // Rows: sorted the same way on both sides, so row for row; the texts of the shifted
    // fields (names in capitals among them) come back exactly as they were held in memory.
    ASSERT_EQ(loaded->recordCount(), beforeSave.size());
    EXPECT_EQ(firstDifference(built.header(), loaded->header()), -1) << "header row";
    for (std::size_t row = 1; row < beforeSave.size(); ++row)
        EXPECT_EQ(firstDifference(beforeSave[row], loaded->publishers[row]), -1)
            << "row " << row << ": " << personLabel(beforeSave[row]);

    EXPECT_EQ(loaded->kindCounts, built.kindCounts);
    EXPECT_EQ(loaded->circuitOverseerRow, built.circuitOverseerRow);
    EXPECT_EQ(loaded->lastEnteredId, built.lastEnteredId);
    EXPECT_EQ(loaded->settings.congregationName, built.settings.congregationName);

    expectSameRecords(remarksBeforeSave, loaded->remarks, "remarks");
    expectSameRecords(built.appointments, loaded->appointments, "appointments");
    expectSameRecords(built.emergencyRecords, loaded->emergencyRecords, "emergency contacts");
    expectSameRecords(built.specialNeedRecords, loaded->specialNeedRecords, "special needs");
    expectSameRecords(built.contactExtras, loaded->contactExtras, "contact extras");
    EXPECT_EQ(firstDifference(built.groups, loaded->groups), -1) << "groups";
    EXPECT_EQ(firstDifference(built.monthTotals, loaded->monthTotals), -1) << "month totals";
    for (std::size_t k = 0; k < 2; ++k)
        EXPECT_EQ(firstDifference(built.meetings[k], loaded->meetings[k]), -1) << "meeting " << k;

    // The late-report list is rebuilt from the rows in another order.
    auto asSet = [](const std::vector<LateReportEntry>& list) {
        std::set<std::tuple<int, int, int>> out;
        for (const LateReportEntry& e : list) out.insert({e.publisherId, e.month, e.countedIn});
        return out;
    };
    EXPECT_FALSE(built.lateReports.empty());
    EXPECT_EQ(asSet(loaded->lateReports), asSet(built.lateReports));
}

INSTANTIATE_TEST_SUITE_P(
    Dates, DemoRoundTrip,
    ::testing::Values(RoundTripCase{{2026, 12, 8}, 1},  // new report form only
                      RoundTripCase{{2024, 3, 8}, 2},   // old-form months with quarters and marks
                      RoundTripCase{{2025, 1, 3}, 3},   // report month December
                      RoundTripCase{{2001, 2, 8}, 4}),  // the first year: no month before 2000
    [](const ::testing::TestParamInfo<RoundTripCase>& tc) {
        return "Seed" + std::to_string(tc.param.seed);
    });

// --- the data keeps the rules the rest of the program relies on -----------------------------

TEST(DemoCongregation, PeopleHouseholdsAndSideRecordsAreConsistent) {
    const TempFolder folder;
    demo::DemoOptions options;
    options.people = 150;
    options.seed = 11;
    ASSERT_TRUE(demo::writeDemoCongregation(folder.str(), options));
    const auto doc = loadReadOnly(folder.str(), options.today);

    ASSERT_EQ(doc->recordCount(), 151);
    int overseers = 0;
    for (int kind = 0; kind < 5; ++kind) EXPECT_LE(doc->kindCounts[kind], 300) << "kind " << kind;
    EXPECT_GT(doc->kindCounts[kPublisher], 100);
    for (int kind = 1; kind < 5; ++kind) EXPECT_GT(doc->kindCounts[kind], 0) << "kind " << kind;

    std::set<int> ids;
    std::set<int> emergencyKeys, needKeys;
    for (const KeySlot& k : doc->emergencyKeys) emergencyKeys.insert(k.key);
    for (const KeySlot& k : doc->specialNeedsKeys) needKeys.insert(k.key);
    bool capitals = false, repaired = false;
    for (int row = 1; row < doc->recordCount(); ++row) {
        const PublisherRecord& r = doc->publishers[static_cast<std::size_t>(row)];
        SCOPED_TRACE(personLabel(r));
        EXPECT_GE(r.id(), 100);
        EXPECT_TRUE(ids.insert(r.id()).second) << "duplicate id";
        EXPECT_FALSE(r.lastName().empty());
        const int sex = r.privileges() & 0x60;
        EXPECT_TRUE(sex == 0x20 || sex == 0x40) << "exactly one of male and female";
        if ((r.privileges() & 0x03) == 1 || (r.privileges() & 0x03) == 2) {
            EXPECT_EQ(sex, 0x20);
        }
        if (r.kind() == kCircuitOverseer) {
            ++overseers;
            EXPECT_EQ(row, doc->recordCount() - 1) << "the circuit overseer sorts last";
        }
        // A household link names a head who is on the active or inactive list.
        if (r.householdKey() != 0) {
            EXPECT_NE(r.kind(), kMoved);
            EXPECT_NE(r.kind(), kDeleted);
            const auto head = doc->findById(r.householdKey());
            ASSERT_TRUE(head.has_value());
            const PublisherRecord& h = doc->publishers[static_cast<std::size_t>(*head)];
            EXPECT_NE(h.privileges() & 0x04, 0) << "head bit";
            EXPECT_EQ(h.householdKey(), 0);
            EXPECT_TRUE(h.kind() == kPublisher || h.kind() == kInactive);
        }
        // Side records that the load's cleanup would otherwise drop or ignore.
        if (r.emergencyKey() != 0) {
            EXPECT_EQ(emergencyKeys.count(r.emergencyKey()), 1u);
        }
        if (r.specialNeedsKey() != 0) {
            EXPECT_EQ(needKeys.count(r.specialNeedsKey()), 1u);
        }
        if (r.extraIndex() != 0) {
            ASSERT_TRUE(doc->contactExtraOf(row)) << "the person's own record";
            EXPECT_NE(doc->contactExtraOf(row)->presence() & 0x03, 0) << "name and e-mail";
        }
        // Students keep no reports, only their conductor's name.
        if (r.kind() == kNonPublisher) {
            EXPECT_FALSE(r.conductor().empty());
            for (int m = 0; m < 12; ++m)
                for (int s = 0; s < 2; ++s) EXPECT_EQ(r.monthWord(MonthWord::Hours, m, s), 0);
        }
        for (int m = 0; m < 12; ++m)
            for (int s = 0; s < 3; ++s) {
                const int index = r.monthWord(MonthWord::RemarkIndex, m, s);
                if (index == 0) continue;
                ASSERT_LT(index, doc->remarkCount());
                const RemarkRecord& remark = doc->remarks[static_cast<std::size_t>(index)];
                EXPECT_EQ(remark.publisherId(), r.id());
                EXPECT_EQ(remark.month(), m + 1);
                EXPECT_EQ(remark.slot(), s);
            }
        // Capitals, some repaired to lower case where the file form could not hold them.
        const std::string last = r.lastName();
        const auto upper = std::count_if(last.begin(), last.end(), [](char c) {
            return cp1253::isUpper(static_cast<unsigned char>(c));
        });
        capitals = capitals || upper > 3;
        repaired = repaired || (upper > 3 && upper < static_cast<long>(last.size()));
    }
    EXPECT_EQ(overseers, 1);
    EXPECT_TRUE(capitals) << "some names are typed in capitals";
    EXPECT_TRUE(repaired) << "and one of them needed the repair";
    EXPECT_NE(doc->header().collectionState(doc->calendar.reportMonth), 0);
    EXPECT_GT(doc->remarkCount(), 1);
    EXPECT_GT(doc->appointments.size(), 0u);
    EXPECT_GT(doc->contactExtraCount(), 1);

    // The groups: every group has an overseer's name and somebody in it.
    const int groups = doc->groups.groupCount();
    EXPECT_EQ(groups, 10);
    for (int n = 1; n <= groups; ++n) {
        EXPECT_FALSE(doc->groups.text(ServiceGroupTable::overseerField(n)).empty())
            << "group " << n;
        bool member = false;
        for (const PublisherRecord& r : doc->publishers) member = member || r.groupNumber() == n;
        EXPECT_TRUE(member) << "group " << n;
    }
}

TEST(DemoCongregation, ActiveListHasReportsNewPublishersAndPioneers) {
    const TempFolder folder;
    demo::DemoOptions options;
    options.people = 300;
    options.seed = 5;
    ASSERT_TRUE(demo::writeDemoCongregation(folder.str(), options));
    const auto doc = loadReadOnly(folder.str(), options.today);
    const CalendarState& cal = doc->calendar;

    int newPublishers = 0, regular = 0, special = 0, reported = 0;
    for (const IndexEntry& e : doc->kindLists[kPublisher]) {
        const PublisherRecord& r = doc->publishers[e.recordIndex];
        if ((r.statusFlags() & 0x0F) == 1) {
            ++newPublishers;
            // Nothing before the first report, which lies within the last six months.
            ASSERT_GE(r.statusSince(), cal.reportAbsMonth - 5);
            MonthWalk walk = cal.walkFromReportMonth();
            for (int back = 0; back < 24; ++back, walk.back())
                if (cal.reportAbsMonth - back < r.statusSince()) {
                    EXPECT_FALSE(
                        doc->hasReport(e.recordIndex, walk.current().month, walk.current().slot))
                        << personLabel(r) << " months back " << back;
                }
        }
        const int pioneer = r.pioneerKind(cal.reportMonth, cal.reportSlot());
        regular += pioneer == 2;
        special += pioneer == 3;
        reported += doc->hasReport(e.recordIndex, cal.reportMonth, cal.reportSlot());
    }
    EXPECT_GT(newPublishers, 0);
    EXPECT_GT(regular, 5);
    EXPECT_EQ(special, 1);
    const int active = static_cast<int>(doc->kindLists[kPublisher].size());
    EXPECT_GT(reported, active * 3 / 4);
    EXPECT_LT(reported, active) << "some have not reported yet";
}

// --- determinism and safety ------------------------------------------------------------------

TEST(DemoCongregation, SameSeedGivesTheSameFilesAndAnotherSeedDoesNot) {
    const TempFolder first, second, other;
    demo::DemoOptions options;
    options.people = 80;
    options.seed = 7;
    ASSERT_TRUE(demo::writeDemoCongregation(first.str(), options));
    ASSERT_TRUE(demo::writeDemoCongregation(second.str(), options));
    options.seed = 8;
    ASSERT_TRUE(demo::writeDemoCongregation(other.str(), options));

    auto bytes = [](const fs::path& p) { return readFileBytes(p, 1u << 24).value_or(Bytes{}); };
    int files = 0;
    for (const auto& entry : fs::directory_iterator(first.path())) {
        const fs::path twin = second.path() / entry.path().filename();
        ASSERT_TRUE(fs::exists(twin)) << entry.path().filename();
        EXPECT_EQ(bytes(entry.path()), bytes(twin)) << entry.path().filename();
        ++files;
    }
    EXPECT_EQ(files, static_cast<int>(std::distance(fs::directory_iterator(second.path()),
                                                    fs::directory_iterator())));
    EXPECT_NE(bytes(first.path() / files::kPublishers), bytes(other.path() / files::kPublishers));
}

TEST(DemoCongregation, LeavesAFolderThatHoldsDataAlone) {
    const TempFolder folder;
    demo::DemoOptions options;
    options.people = 20;
    ASSERT_TRUE(demo::writeDemoCongregation(folder.str(), options));
    const fs::path table = folder.path() / files::kPublishers;
    const auto before = readFileBytes(table, 1u << 24);
    options.people = 40;
    options.seed = 99;
    EXPECT_FALSE(demo::writeDemoCongregation(folder.str(), options));
    EXPECT_EQ(readFileBytes(table, 1u << 24), before);

    // A remark file alone is data too: a new congregation would merge into it.
    const TempFolder remarksOnly;
    const Bytes header(RemarkRecord::kSize * 2, 1);
    ASSERT_TRUE(writeFileAtomic(remarksOnly.path() / files::kRemarks, header));
    EXPECT_FALSE(demo::writeDemoCongregation(remarksOnly.str(), options));
    EXPECT_FALSE(fs::exists(remarksOnly.path() / files::kPublishers));
}

TEST(DemoCongregation, TinyCongregationsAreWhole) {
    for (const int people : {0, 1, 2, 9, 10, 16}) {
        SCOPED_TRACE("people " + std::to_string(people));
        const TempFolder folder;
        demo::DemoOptions options;
        options.people = people;
        ASSERT_TRUE(demo::writeDemoCongregation(folder.str(), options));
        const auto doc = loadReadOnly(folder.str(), options.today);
        EXPECT_EQ(doc->recordCount(), people + 1);
        EXPECT_TRUE(doc->problems.empty());
        if (people >= 10) {
            EXPECT_NE(doc->circuitOverseerRow, 0);
        }
        if (people > 0) {
            EXPECT_GE(doc->groups.groupCount(), 1);
        }
    }
}

// --- the capacity congregation of the benchmarks --------------------------------------------

TEST(DemoCongregation, CapacitySetFillsEverySideTable) {
    const TempFolder folder;
    demo::DemoOptions options;
    options.people = 1509;
    options.fullSideTables = true;
    options.seed = 3;
    ASSERT_TRUE(demo::writeDemoCongregation(folder.str(), options));
    const auto doc = loadReadOnly(folder.str(), options.today);
    ASSERT_TRUE(doc->problems.empty()) << doc->problems.front();

    EXPECT_EQ(doc->recordCount(), CZelvoDoc::kMaxRows);
    EXPECT_GE(doc->kindCounts[kPublisher], 1000);
    for (int kind = 1; kind < 5; ++kind) EXPECT_LE(doc->kindCounts[kind], 300) << "kind " << kind;
    EXPECT_EQ(doc->remarkCount(), CZelvoDoc::kRemarksLoaded + 1);
    EXPECT_EQ(doc->contactExtraCount(), static_cast<int>(CZelvoDoc::kMaxContactExtras));
    EXPECT_EQ(doc->emergencyKeys.size(), CZelvoDoc::kMaxEmergency) << "all referenced";
    EXPECT_EQ(doc->specialNeedRecords.size(), CZelvoDoc::kMaxKeyList);
    EXPECT_EQ(std::count_if(doc->specialNeedsKeys.begin(), doc->specialNeedsKeys.end(),
                            [](const KeySlot& k) { return k.key != 0; }),
              static_cast<long>(CZelvoDoc::kMaxKeyList))
        << "all referenced";
    EXPECT_EQ(doc->appointments.size(), CZelvoDoc::kMaxAppointments);
    EXPECT_EQ(doc->groups.groupCount(), ServiceGroupTable::kMaxGroups);
    EXPECT_EQ(doc->lateReports.size(), CZelvoDoc::kMaxLateReports);

    // The month history stays inside its 16 bits without being cut.
    for (int m = 0; m < 12; ++m)
        for (int c = 0; c < 4; ++c)
            for (int v = 0; v < 9; ++v)
                for (int s = 0; s < 2; ++s) ASSERT_LT(doc->monthTotals.value(m, c, v, s), 0xFFFF);
    EXPECT_GT(doc->monthTotals.value(doc->calendar.reportMonth, 0, 8, doc->calendar.reportSlot()),
              900);
}

}  // namespace
}  // namespace zelvo
