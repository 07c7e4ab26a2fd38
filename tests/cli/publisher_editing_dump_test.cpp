// Publisher editing as `zelvo-cli dump` sees it: a demo folder dumped, then edited through the
// core's editing models as the dialogs drive them (a new publisher, a household, one emergency
// contact shared by two people, a student becoming a publisher), saved, and dumped again. Only
// the expected fields may differ between the two dumps.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "cli/json_tree.h"
#include "core/test_folder.h"
#include "demo/demo_congregation.h"
#include "records/emergency_contact_model.h"
#include "records/household_model.h"
#include "records/publisher_details_model.h"
#include "records/publisher_table.h"
#include "records/status_dialog_model.h"
#include "store/cp1253.h"
#include "store/publisher_status.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo {
namespace {

using test::Json;
using test::JsonReader;

constexpr Date kToday{2026, 12, 8};  // report month November 2026
constexpr int kCurrentYear = 2026;
constexpr std::uint8_t kHeadBit = 1u << 2;

// The built executable's dump of `folder`, parsed; nothing when it failed.
std::optional<Json> dump(const std::string& folder) {
    const std::string command =
        std::string(ZELVO_CLI_PATH) + " --today 2026-12-08 dump '" + folder + "' 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return std::nullopt;
    std::string out;
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    const int status = ::pclose(pipe);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return JsonReader::parse(out);
}

// The rows of a dump by person id.
std::map<int, const Json*> rowsById(const Json& dumped) {
    std::map<int, const Json*> rows;
    for (const Json& row : dumped["rows"].items) rows[static_cast<int>(row["id"].number())] = &row;
    return rows;
}

// The fields of `after` that differ from `before`, the row number left aside (an insert moves
// the people after it down by one).
std::set<std::string> changedFields(const Json& before, const Json& after) {
    std::set<std::string> changed;
    for (const auto& [key, value] : after.members)
        if (key != "row" && (before.find(key) == nullptr || *before.find(key) != value))
            changed.insert(key);
    for (const auto& [key, value] : before.members)
        if (after.find(key) == nullptr) changed.insert(key);
    return changed;
}

bool allMonthsEmpty(const Json& row) {
    for (const Json& month : row["months"].items)
        for (const auto& [key, value] : month.members) {
            if (key == "month" || key == "slot") continue;
            if (value.type == Json::Type::Number ? value.number() != 0 : !value.text.empty())
                return false;
        }
    return true;
}

std::string utf8(const std::string& recordText) {
    return cp1253::toUtf8(recordText);
}

// The document of the folder, and the edits the dialogs make, through their models.
class Editing {
public:
    explicit Editing(const std::string& folder) {
        doc.startUp(folder, kToday, LoadMode::Live);
        loaded = doc.load(prompts, LoadMode::Live).ok;
    }
    CZelvoDoc doc;
    ScriptedPrompts prompts;
    records::DetailsClipboard clipboard;
    bool loaded = false;

    const PublisherRecord& byId(int id) const {
        return doc.publishers[static_cast<std::size_t>(doc.findById(id).value_or(0))];
    }
    int idWhere(int kind, const std::function<bool(const PublisherRecord&)>& test,
                const std::set<int>& taken) const {
        for (const IndexEntry& e : doc.kindLists[static_cast<std::size_t>(kind)])
            if (!taken.contains(e.id) && test(byId(e.id))) return e.id;
        return 0;
    }
    records::PublisherDetailsModel details(int id) {
        return records::PublisherDetailsModel(doc, prompts, clipboard,
                                              records::PublisherDetailsModel::Variant::Publisher,
                                              {}, id, kCurrentYear);
    }

    // A new publisher typed into the details, marked new since December in the status dialog.
    int addPublisher(const char* first, const char* last, const char* mobile) {
        auto m = details(0);
        m.setFirstName(cp1253::fromUtf8(first));
        m.setLastName(cp1253::fromUtf8(last));
        m.phoneMobile = mobile;
        StatusDialogModel status(doc.calendar, m.working());
        status.setChoice(StatusDialogModel::kNewPublisher);
        status.setMonth(12);
        status.apply(m.working());
        return m.store() == records::PublisherDetailsModel::StoreOutcome::Stored ? m.id() : 0;
    }
    // `head` ticks "Κεφαλή Οικογένειας" and adds `member` in the household dialog.
    bool makeHousehold(int head, int member) {
        auto m = details(head);
        m.setHeadOfFamily(true);
        records::HouseholdModel household(doc, m.working(), m.row());
        household.addMember(doc, doc.findById(member).value_or(0));
        return m.store() == records::PublisherDetailsModel::StoreOutcome::Stored;
    }
    // The emergency contact dialog from the details of `id`: a new contact when `key` is 0,
    // otherwise the existing one chosen; then the mobile number typed.
    int setContact(int id, int key, const char* name, const char* mobile) {
        auto m = details(id);
        EmergencyContactModel contact(doc, m.working(), m.row());
        if (key != 0)
            contact.useExisting(key);
        else
            contact.setText(EmergencyContactModel::Name, name);
        contact.setText(EmergencyContactModel::PhoneMobile, mobile);
        if (contact.accept(m.working(), prompts) != EmergencyContactModel::Outcome::Accepted)
            return 0;
        if (m.store() != records::PublisherDetailsModel::StoreOutcome::Stored) return 0;
        return byId(id).emergencyKey();
    }
};

class PublisherEditingDumpTest : public ::testing::Test {
protected:
    test::TestFolder folder;
    void SetUp() override {
        demo::DemoOptions options;
        options.people = 40;
        options.today = kToday;
        ASSERT_TRUE(demo::writeDemoCongregation(folder.str(), options));
    }
};

TEST_F(PublisherEditingDumpTest, SavedEditsChangeOnlyTheirOwnFields) {
    const auto before = dump(folder.str());
    ASSERT_TRUE(before.has_value());

    // --- the edits, as the dialogs make them, then the save ---
    Editing e(folder.str());
    ASSERT_TRUE(e.loaded);
    const auto alone = [](const PublisherRecord& r) {
        return r.householdKey() == 0 && (r.privileges() & kHeadBit) == 0 && r.emergencyKey() == 0;
    };
    std::set<int> taken;
    const auto pick = [&](int kind) {
        const int id = e.idWhere(kind, alone, taken);
        taken.insert(id);
        return id;
    };
    const int head = pick(kPublisher);
    const int member = pick(kPublisher);
    const int a = pick(kPublisher);
    const int b = pick(kPublisher);
    const int student = e.doc.kindLists[kNonPublisher].at(0).id;
    ASSERT_TRUE(head != 0 && member != 0 && a != 0 && b != 0);
    const PublisherRecord studentBefore = e.byId(student);

    const int expectedId = e.doc.nextFreeId(100);
    const int added = e.addPublisher("Νικόλαος", "Μαυρίδης", "6944000111");
    ASSERT_EQ(added, expectedId);
    ASSERT_TRUE(e.makeHousehold(head, member));
    const int key = e.setContact(a, 0, "Ζωή Δοκιμαστική", "6900000099");
    ASSERT_GE(key, 10);
    ASSERT_EQ(e.setContact(b, key, nullptr, "6911112222"), key);
    records::studentBecomesPublisher(e.doc, e.doc.findById(student).value(), 10);
    ASSERT_TRUE(e.doc.saveAll(e.prompts).ok);
    e.doc.closeDocument();
    EXPECT_TRUE(e.prompts.messages.empty()) << e.prompts.messages.front();
    EXPECT_TRUE(e.prompts.questions.empty());

    const auto after = dump(folder.str());
    ASSERT_TRUE(after.has_value());

    // --- the people ---
    const auto was = rowsById(*before);
    const auto is = rowsById(*after);
    ASSERT_EQ(is.size(), was.size() + 1);
    ASSERT_FALSE(was.contains(added));
    ASSERT_TRUE(is.contains(added));

    const std::map<int, std::set<std::string>> allowed = {
        {head, {"privileges"}},
        {member, {"householdKey"}},
        {a, {"emergencyKey"}},
        {b, {"emergencyKey"}},
        {student, {"kind", "statusFlags", "statusFlags2", "statusSince", "months", "conductor"}},
    };
    for (const auto& [id, row] : was) {
        const auto found = allowed.find(id);
        const std::set<std::string> expected =
            found != allowed.end() ? found->second : std::set<std::string>{};
        const std::set<std::string> changed = changedFields(*row, *is.at(id));
        for (const std::string& field : changed)
            EXPECT_TRUE(expected.contains(field))
                << "person " << id << ": " << field << " changed unexpectedly";
    }

    const Json& h = *is.at(head);
    EXPECT_EQ(h["privileges"].number(), (*was.at(head))["privileges"].number() | kHeadBit);
    EXPECT_EQ(h["householdKey"].number(), 0);
    EXPECT_EQ((*is.at(member))["householdKey"].number(), head);
    EXPECT_EQ((*is.at(a))["emergencyKey"].number(), key);
    EXPECT_EQ((*is.at(b))["emergencyKey"].number(), key);

    const Json& s = *is.at(student);
    EXPECT_EQ(s["kind"].number(), kPublisher);
    EXPECT_EQ(s["statusFlags"].number(), 10 * 16 + kMarkNew);
    EXPECT_EQ(s["statusFlags2"].number(), 10 * 16 + kMarkNew);
    EXPECT_EQ(s["statusSince"].number(), absoluteMonth(26, 9));
    EXPECT_EQ(s.find("conductor"), nullptr);
    EXPECT_TRUE(allMonthsEmpty(s));
    EXPECT_EQ(s["firstName"].text, utf8(studentBefore.firstName()));

    // The new row, every field.
    const Json& n = *is.at(added);
    const std::map<std::string, std::string> texts = {
        {"firstName", "Νικόλαος"},
        {"lastName", "Μαυρίδης"},
        {"address", ""},
        {"phoneHome", ""},
        {"phoneMobile", "6944000111"},
        {"phoneWork", ""},
        {"baptismDate", ""},
        {"birthDate", ""},
        {"consentDate", ""},
        {"hope", "O"},
    };
    for (const auto& [field, text] : texts) EXPECT_EQ(n[field].text, text) << field;
    const std::map<std::string, long> numbers = {
        {"kind", kPublisher},
        {"consentGiven", 0},
        {"groupNumber", 0},
        {"extraIndex", 0},
        {"emergencyKey", 0},
        {"householdKey", 0},
        {"specialNeedsKey", 0},
        {"statusSince", absoluteMonth(25, 11)},  // December of the year before
        {"appointmentBits", 0},
        {"monthMarks", 0},
        {"statusFlags", 12 * 16 + kMarkNew},
        {"statusFlags2", 12 * 16 + kMarkNew},
        {"privileges", 0},
    };
    for (const auto& [field, number] : numbers) EXPECT_EQ(n[field].number(), number) << field;
    EXPECT_TRUE(allMonthsEmpty(n));
    // Listed at its row, which is its sorted place in the saved table.
    const int row = static_cast<int>(n["row"].number());
    const auto& rows = (*after)["rows"].items;
    ASSERT_GE(row, 1);
    ASSERT_LE(row, static_cast<int>(rows.size()));
    EXPECT_EQ(rows[static_cast<std::size_t>(row - 1)]["id"].number(), added);
    {
        CZelvoDoc saved;
        ScriptedPrompts none;
        saved.startUp(folder.str(), kToday, LoadMode::ReadOnly);
        ASSERT_TRUE(saved.load(none, LoadMode::ReadOnly).ok);
        ASSERT_EQ(saved.findById(added), std::optional<int>(row));
        const auto sortKeyOf = [&saved](int r) {
            return saved.sortKey(saved.publishers[static_cast<std::size_t>(r)]);
        };
        if (row > 1) {
            EXPECT_LT(sortKeyOf(row - 1), sortKeyOf(row));
        }
        if (row + 1 < saved.recordCount()) {
            EXPECT_LT(sortKeyOf(row), sortKeyOf(row + 1));
        }
    }

    // --- the lists, by their sizes ---
    const auto size = [](const Json& d, const char* list) { return d["lists"][list].items.size(); };
    EXPECT_EQ(size(*after, "active"), size(*before, "active") + 2);
    EXPECT_EQ(size(*after, "nonPublishers"), size(*before, "nonPublishers") - 1);
    for (const char* list : {"inactive", "moved", "deleted"})
        EXPECT_EQ(size(*after, list), size(*before, list)) << list;
    EXPECT_EQ((*after)["recordCount"].number(), (*before)["recordCount"].number() + 1);

    // --- the emergency contacts: one record more, the shared one ---
    const auto& contactsBefore = (*before)["emergency"].items;
    const auto& contactsAfter = (*after)["emergency"].items;
    ASSERT_EQ(contactsAfter.size(), contactsBefore.size() + 1);
    for (const Json& contact : contactsBefore)
        EXPECT_NE(std::find(contactsAfter.begin(), contactsAfter.end(), contact),
                  contactsAfter.end())
            << "contact " << contact["key"].number() << " changed";
    const auto withKey = std::find_if(contactsAfter.begin(), contactsAfter.end(),
                                      [key](const Json& c) { return c["key"].number() == key; });
    ASSERT_NE(withKey, contactsAfter.end());
    const Json& shared = *withKey;
    EXPECT_EQ(shared["key"].number(), key);
    EXPECT_EQ(shared["name"].text, "Ζωή Δοκιμαστική");
    EXPECT_EQ(shared["phoneMobile"].text, "6911112222");
    EXPECT_EQ(shared["phoneHome"].text, "");
    EXPECT_EQ(shared["witness"].number(), 0);

    // --- the totals of the open report month count two active publishers more ---
    const Json& calendar = (*after)["calendar"];
    const auto month = static_cast<std::size_t>(calendar["reportMonth"].number());
    const auto slot = static_cast<std::size_t>(calendar["reportYear"].number() % 2);
    Json totals = (*before)["monthTotals"];
    Json& active = totals.items.at(month).items.at(0).items.at(5).items.at(slot);
    active.text = std::to_string(active.number() + 2);
    EXPECT_EQ((*after)["monthTotals"], totals);
    Json reportTotals = (*before)["reportTotals"];
    Json& reported = reportTotals.items.at(0).items.at(5);
    reported.text = std::to_string(reported.number() + 2);
    EXPECT_EQ((*after)["reportTotals"], reportTotals);

    // --- everything else as it was ---
    const std::set<std::string> compared = {
        "rows",        "lists",        "recordCount",       "emergency",
        "monthTotals", "reportTotals", "circuitOverseerRow"};
    for (const auto& [field, value] : before->members) {
        if (compared.contains(field)) continue;
        const Json* now = after->find(field);
        ASSERT_NE(now, nullptr) << field;
        EXPECT_EQ(*now, value) << field << " changed";
    }
    const long overseer = (*before)["circuitOverseerRow"].number();
    EXPECT_EQ((*after)["circuitOverseerRow"].number(), overseer == 0 ? 0 : overseer + 1);
}

// A duplicate answered No leaves the saved folder exactly as it was.
TEST_F(PublisherEditingDumpTest, ADuplicateAnsweredNoChangesNothing) {
    const auto before = dump(folder.str());
    ASSERT_TRUE(before.has_value());
    Editing e(folder.str());
    ASSERT_TRUE(e.loaded);
    // A name short enough to be typed as it stands.
    const PublisherRecord& existing = e.byId(e.idWhere(
        kPublisher,
        [](const PublisherRecord& r) {
            return !r.firstName().empty() && r.firstName().size() + r.lastName().size() <= 20;
        },
        {}));
    const std::string first = utf8(existing.firstName());
    const std::string last = utf8(existing.lastName());
    e.prompts.answers = {Answer::No};
    EXPECT_EQ(e.addPublisher(first.c_str(), last.c_str(), "6999888777"), 0);
    EXPECT_EQ(e.prompts.questions.size(), 1u);
    ASSERT_TRUE(e.doc.saveAll(e.prompts).ok);
    e.doc.closeDocument();
    const auto after = dump(folder.str());
    ASSERT_TRUE(after.has_value());
    EXPECT_EQ((*after)["rows"], (*before)["rows"]);
    for (const auto& [field, value] : before->members)
        EXPECT_EQ((*after)[field], value) << field << " changed";
}

}  // namespace
}  // namespace zelvo
