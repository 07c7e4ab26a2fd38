// `zelvo-cli status`: the status of every publisher as JSON, for folders written through the core
// and read back on different days: across the turn of the year and across the switch to the new
// report form.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "core/test_folder.h"
#include "store/calendar.h"
#include "store/publisher_record.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo {
namespace {

using test::TestFolder;

constexpr int absMonth(int year, int month) {
    return (year - 2000) * 12 + month - 1;
}
MonthSlot slotOf(int abs) {
    return {abs % 12, (abs / 12) % 2};
}

// One flat JSON object per publisher: key -> raw value (strings unquoted, true/false as 1/0).
using StatusObject = std::map<std::string, std::string>;

std::vector<StatusObject> parseStatus(const std::string& json) {
    std::vector<StatusObject> objects;
    std::size_t i = 0;
    const auto readString = [&]() {
        std::string s;
        for (++i; i < json.size() && json[i] != '"'; ++i) {
            if (json[i] == '\\') ++i;
            s += json[i];
        }
        ++i;
        return s;
    };
    while ((i = json.find('{', i)) != std::string::npos) {
        StatusObject object;
        ++i;
        while (i < json.size() && json[i] != '}') {
            if (json[i] != '"') {
                ++i;
                continue;
            }
            const std::string key = readString();
            i = json.find(':', i) + 1;
            while (std::isspace(static_cast<unsigned char>(json[i]))) ++i;
            std::string value;
            if (json[i] == '"') {
                value = readString();
            } else {
                while (i < json.size() && json[i] != ',' && json[i] != '}') value += json[i++];
                while (!value.empty() && std::isspace(static_cast<unsigned char>(value.back())))
                    value.pop_back();
                if (value == "true") value = "1";
                if (value == "false") value = "0";
            }
            object[key] = value;
        }
        objects.push_back(object);
    }
    return objects;
}

struct Status {
    std::string out;
    std::vector<StatusObject> rows;
    const StatusObject* byId(int id) const {
        for (const StatusObject& o : rows)
            if (o.count("id") && o.at("id") == std::to_string(id)) return &o;
        return nullptr;
    }
};

Status runStatus(const TestFolder& folder, const std::string& today) {
    std::ostringstream out, err;
    const int code = cli::run({"--today", today, "status", folder.str()}, out, err);
    EXPECT_EQ(code, cli::kExitOk) << err.str();
    return {out.str(), parseStatus(out.str())};
}

// Writes the folder through the core, as the program saves it.
void writeFolder(const TestFolder& folder, Date today, const std::vector<PublisherRecord>& people,
                 const std::function<void(CZelvoDoc&)>& extra = {}) {
    CZelvoDoc doc;
    ScriptedPrompts prompts;
    doc.startUp(folder.str(), today, LoadMode::Live);
    ASSERT_TRUE(doc.load(prompts, LoadMode::Live).ok);
    for (const PublisherRecord& p : people) doc.publishers.push_back(p);
    doc.countAllKinds();
    doc.buildIndexes();
    if (extra) extra(doc);
    doc.markModified();
    ASSERT_TRUE(doc.saveAll(prompts).ok);
}

void hoursIn(PublisherRecord& p, int abs, std::uint16_t h = 5) {
    const MonthSlot ms = slotOf(abs);
    test::setReport(p, ms.month, ms.slot, h);
}
void tookPartIn(PublisherRecord& p, int abs) {
    const MonthSlot ms = slotOf(abs);
    test::setReport(p, ms.month, ms.slot, 0, 0, 0, true);
}
void mark(PublisherRecord& p, std::uint8_t flags, int since) {
    p.setByte(PublisherRecord::kStatusFlags, flags);
    p.setByte(PublisherRecord::kStatusFlags2, flags);
    p.setWord(PublisherRecord::kStatusSince, static_cast<std::uint16_t>(since));
}

struct Expected {
    const char* today;
    int id;
    std::map<std::string, long> fields;
};

void check(const TestFolder& folder, const std::vector<Expected>& table) {
    std::map<std::string, Status> runs;
    for (const Expected& e : table) {
        if (!runs.count(e.today)) runs[e.today] = runStatus(folder, e.today);
        const Status& s = runs[e.today];
        const StatusObject* o = s.byId(e.id);
        ASSERT_NE(o, nullptr) << "id " << e.id << " missing on " << e.today << ":\n" << s.out;
        for (const auto& [key, value] : e.fields) {
            ASSERT_TRUE(o->count(key)) << key;
            EXPECT_EQ(o->at(key), std::to_string(value)) << e.today << " id " << e.id << " " << key;
        }
    }
}

// ---------------------------------------------------------------- across the turn of the year

const int kJun24 = absMonth(2024, 6), kAug24 = absMonth(2024, 8), kOct24 = absMonth(2024, 10),
          kNov24 = absMonth(2024, 11), kDec24 = absMonth(2024, 12), kJan25 = absMonth(2025, 1),
          kFeb24 = absMonth(2024, 2);

class StatusCliYear : public ::testing::Test {
protected:
    TestFolder folder;

    void SetUp() override {
        PublisherRecord alfa = test::person(101, "Alfa", "A");  // August to December 2024
        for (int a = kAug24; a <= kDec24; ++a) hoursIn(alfa, a);

        PublisherRecord beta = test::person(102, "Beta", "B");  // June 2024 only
        hoursIn(beta, kJun24);

        PublisherRecord gama = test::person(103, "Gama", "C");  // new in November 2024
        mark(gama, 11 * 16 + 1, kNov24);
        hoursIn(gama, kNov24);
        hoursIn(gama, kDec24);

        PublisherRecord eta = test::person(107, "Eta", "E");  // reactivated in October 2024
        mark(eta, 10 * 16 + 2, kOct24);
        for (int a = kOct24; a <= kJan25; ++a) hoursIn(eta, a);

        PublisherRecord theta = test::person(108, "Theta", "F", kInactive);

        // Reactivated in February 2024; the month half was dropped as it was set a year late.
        PublisherRecord iota = test::person(109, "Iota", "G");
        mark(iota, 2, kFeb24);
        for (int a = kFeb24; a <= kJan25; ++a) hoursIn(iota, a);

        writeFolder(folder, {2025, 2, 3}, {alfa, beta, gama, eta, theta, iota}, [](CZelvoDoc& doc) {
            // The collection of January 2025 is open.
            doc.header().setCollectionState(0, 1);
            doc.header().setMonthWord(MonthWord::RemarkIndex, 0, 1, 25);
        });
    }
};

TEST_F(StatusCliYear, RegularityAcrossTheTurnOfTheYear) {
    const std::map<std::string, long> noMarks = {
        {"newRecent", 0},   {"newThisYear", 0},   {"newMonth", 0},   {"newWithSince", 0},
        {"reactRecent", 0}, {"reactThisYear", 0}, {"reactMonth", 0}, {"reactWithSince", 0}};
    auto with = [](std::map<std::string, long> base, const std::map<std::string, long>& more) {
        for (const auto& [k, v] : more) base[k] = v;
        return base;
    };
    const std::map<std::string, long> newNov = {
        {"newRecent", 11},  {"newThisYear", 11},  {"newMonth", 11},  {"newWithSince", 11},
        {"reactRecent", 0}, {"reactThisYear", 0}, {"reactMonth", 0}, {"reactWithSince", 0}};
    const std::map<std::string, long> reactOct = {
        {"newRecent", 0},    {"newThisYear", 0},    {"newMonth", 0},    {"newWithSince", 0},
        {"reactRecent", 10}, {"reactThisYear", 10}, {"reactMonth", 10}, {"reactWithSince", 10}};

    check(folder,
          {
              // Report month November 2024.
              {"2024-12-03", 101,
               with(noMarks, {{"inactiveCandidate", 0},
                              {"window5", 6},
                              {"window7", 6},
                              {"missed6", 0x60},
                              {"irregularMask", 0x60}})},
              {"2024-12-03",
               102,
               {{"inactiveCandidate", 0}, {"missed6", 0x7C0}, {"irregularMask", 0x7C0}}},
              {"2024-12-03", 103,
               with(newNov, {{"inactiveCandidate", 0},
                             {"window5", 1},
                             {"window7", 1},
                             {"missed6", 0x3E0},
                             {"irregularMask", 0}})},
              {"2024-12-03", 107,
               with(reactOct,
                    {{"window5", 6}, {"window7", 2}, {"missed6", 0x1E0}, {"irregularMask", 0}})},
              {"2024-12-03",
               109,
               {{"window7", 6}, {"reactMonth", 0}, {"reactRecent", 0}, {"reactWithSince", 0}}},
              // Report month December 2024.
              {"2025-01-03",
               101,
               {{"inactiveCandidate", 0}, {"missed6", 0x40}, {"irregularMask", 0x40}}},
              {"2025-01-03",
               102,
               {{"inactiveCandidate", 1}, {"missed6", 0xFC0}, {"irregularMask", 0xFC0}}},
              {"2025-01-03", 103,
               with(newNov,
                    {{"window5", 2}, {"window7", 2}, {"missed6", 0x3C0}, {"irregularMask", 0}})},
              {"2025-01-03", 107,
               with(reactOct,
                    {{"window5", 6}, {"window7", 3}, {"missed6", 0x1C0}, {"irregularMask", 0}})},
              // Report month January 2025, its collection open: January is not missed yet.
              {"2025-02-03", 101, {{"inactiveCandidate", 0}, {"missed6", 0}, {"irregularMask", 0}}},
              {"2025-02-03",
               102,
               {{"inactiveCandidate", 1}, {"missed6", 0xF80}, {"irregularMask", 0xF80}}},
              {"2025-02-03",
               103,
               {{"window7", 3}, {"missed6", 0x380}, {"irregularMask", 0}, {"newRecent", 11}}},
              {"2025-02-03", 107,
               with(reactOct, {{"window7", 4}, {"missed6", 0x180}, {"irregularMask", 0}})},
              {"2025-02-03", 109, {{"missed6", 0}, {"reactWithSince", 0}, {"reactMonth", 0}}},
          });
}

TEST_F(StatusCliYear, InactivePeopleAreNoCandidates) {
    const Status s = runStatus(folder, "2025-01-03");
    const StatusObject* theta = s.byId(108);
    if (theta != nullptr) {
        EXPECT_EQ(theta->at("inactiveCandidate"), "0");
    }
    ASSERT_NE(s.byId(101), nullptr);
    EXPECT_EQ(s.byId(101)->at("name"), "Alfa A");
}

TEST_F(StatusCliYear, MarksAgeWithTheReportMonth) {
    check(folder,
          {
              // Report month February 2025: statusSince twelve months back.
              {"2025-03-03", 109, {{"reactWithSince", 2}, {"reactMonth", 0}}},
              {"2025-03-03", 103, {{"newRecent", 11}, {"newThisYear", 11}}},
              {"2025-03-03", 107, {{"reactRecent", 10}}},
              // Report month May 2025: past the six months, inside the service year.
              {"2025-06-03",
               103,
               {{"newRecent", 0}, {"newThisYear", 11}, {"newWithSince", 11}, {"window7", 6}}},
              {"2025-06-03", 107, {{"reactRecent", 0}, {"reactThisYear", 10}, {"window7", 6}}},
              // Report month September 2025: a new service year.
              {"2025-10-03",
               103,
               {{"newRecent", 0}, {"newThisYear", 0}, {"newMonth", 11}, {"newWithSince", 11}}},
              {"2025-10-03", 107, {{"reactThisYear", 0}, {"reactWithSince", 10}}},
              // statusSince 23 and 24 months back.
              {"2026-02-03", 109, {{"reactWithSince", 2}}},
              {"2026-03-03", 109, {{"reactWithSince", 0}}},
              {"2026-11-03", 103, {{"newWithSince", 11}, {"newMonth", 11}}},
              {"2026-12-03", 103, {{"newWithSince", 0}, {"newMonth", 11}}},
          });
}

// ---------------------------------------------------------------- across the new report form

class StatusCliForm : public ::testing::Test {
protected:
    TestFolder folder;
    static constexpr int kSep23 = 284;  // the last month of the old form
    static constexpr int kOct23 = 285;

    void SetUp() override {
        // Bit 11 alone in every month: "under one hour" up to September 2023, "participated"
        // from October; both are reports.
        PublisherRecord delta = test::person(201, "Delta", "D");
        for (int a = kSep23 - 5; a <= kOct23; ++a) tookPartIn(delta, a);

        PublisherRecord epsilon = test::person(202, "Epsilon", "E");  // under one hour, Sep 2023
        tookPartIn(epsilon, kSep23);

        PublisherRecord zeta = test::person(203, "Zeta", "Z");  // participated, October 2023
        tookPartIn(zeta, kOct23);

        PublisherRecord special = test::person(204, "Kappa", "K");  // special pioneer, no reports
        for (int m = 0; m < 12; ++m)
            for (int s = 0; s < 2; ++s) special.setMonthByte(MonthByte::PioneerKind, m, s, 3);

        writeFolder(folder, {2023, 11, 3}, {delta, epsilon, zeta, special});
    }
};

TEST_F(StatusCliForm, UnderOneHourAndParticipatedBothCountAsReports) {
    check(folder,
          {
              // Report month September 2023 (old form).
              {"2023-10-03", 201, {{"inactiveCandidate", 0}, {"missed6", 0}, {"irregularMask", 0}}},
              {"2023-10-03",
               202,
               {{"inactiveCandidate", 0}, {"missed6", 0xF8}, {"irregularMask", 0xF8}}},
              {"2023-10-03", 203, {{"inactiveCandidate", 1}, {"missed6", 0x1F8}}},
              {"2023-10-03", 204, {{"missed6", 0}, {"irregularMask", 0}, {"window7", 6}}},
              // Report month October 2023 (new form).
              {"2023-11-03", 201, {{"inactiveCandidate", 0}, {"missed6", 0}, {"irregularMask", 0}}},
              {"2023-11-03", 202, {{"inactiveCandidate", 0}, {"missed6", 0x2F0}}},
              {"2023-11-03",
               203,
               {{"inactiveCandidate", 0}, {"missed6", 0x1F0}, {"irregularMask", 0x1F0}}},
              {"2023-11-03", 204, {{"missed6", 0}, {"irregularMask", 0}}},
              // Six months later each single report drops out of the window in turn.
              {"2024-03-03", 202, {{"inactiveCandidate", 0}}},
              {"2024-04-03", 202, {{"inactiveCandidate", 1}}},
              {"2024-04-03", 203, {{"inactiveCandidate", 0}}},
              {"2024-05-03", 203, {{"inactiveCandidate", 1}}},
          });
}

}  // namespace
}  // namespace zelvo
