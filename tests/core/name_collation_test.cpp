// Greek collation of names: the order of the table and of every list drawn from it, the names
// the sorted insert takes for the same person, and the letters type-ahead finds.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "records/pick_list.h"
#include "records/publisher_table.h"
#include "records/type_ahead.h"
#include "store/cp1253.h"
#include "store/name_collation.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"
#include "test_folder.h"

namespace zelvo {
namespace {

using test::person;

std::string greek(std::string_view utf8) {
    return cp1253::fromUtf8(utf8);
}

std::string key(std::string_view utf8) {
    return collation::sortKey(greek(utf8));
}

// The names sorted by their keys, from a shuffled start.
std::vector<std::string> collated(std::vector<std::string> names) {
    std::shuffle(names.begin(), names.end(), std::mt19937(11));
    std::stable_sort(names.begin(), names.end(),
                     [](const std::string& a, const std::string& b) { return key(a) < key(b); });
    return names;
}

// ---------------------------------------------------------------- order of names

TEST(NameCollation, AccentedCapitalsSortWithTheirLetters) {
    const std::vector<std::string> expected = {"Άγγελος", "Αλέξης",  "Βασίλης",    "Έλενα",
                                               "Ελένη",   "Ζωή",     "Ηλιόπουλος", "Ηλιοπούλου",
                                               "Όθωνας",  "Ορέστης", "Ωραιόπουλος"};
    EXPECT_EQ(collated(expected), expected);
}

TEST(NameCollation, AccentsThenCaseBreakTiesOnly) {
    // The letters decide first: an accent early in a name does not outweigh a later letter.
    EXPECT_LT(key("Ελενα"), key("Έλενα"));
    EXPECT_LT(key("Έλενα"), key("Ελενη"));
    // Accents before letter case: the unaccented name first, whatever its case.
    EXPECT_LT(key("ΕΛΕΝΗ"), key("ελένη"));
    // Case last: the same letters and accents still get one order, small letters first.
    EXPECT_LT(key("ελένη"), key("Ελένη"));
    EXPECT_LT(key("Ελένη"), key("ΕΛΈΝΗ"));
    EXPECT_LT(key("ΕΛΈΝΗ"), key("Ελενι"));
}

TEST(NameCollation, FinalSigmaIsSigma) {
    // As bytes ς comes before σ, which would put Κωστας, Ζωη first.
    EXPECT_LT(key("ΚΩΣΤΑΣ, Αννα"), key("Κωστας, Ζωη"));
    EXPECT_TRUE(collation::startsWith(greek("Κωστας"), greek("ΚΩΣΤΑΣ")));
    EXPECT_TRUE(collation::startsWith(greek("ΠΑΠΑΣ"), greek("Παπας")));
}

TEST(NameCollation, LatinNamesSortTheSameWayAndBeforeGreekOnes) {
    const std::vector<std::string> expected = {"Brown, Anna", "brown, Bob", "Smith, Jo",
                                               "SMITH, Jo",   "Smyth, Al",  "Άγγελος, Πέτρος"};
    EXPECT_EQ(collated(expected), expected);
}

TEST(NameCollation, SameNameIsTheSameLettersAndAccentsInAnyCase) {
    EXPECT_TRUE(collation::sameName(key("Παπάς, Νίκος"), key("ΠΑΠΆΣ, ΝΊΚΟΣ")));
    EXPECT_TRUE(collation::sameName(key("Παπας, Νικος"), key("ΠΑΠΑΣ, ΝΙΚΟΣ")));
    EXPECT_TRUE(collation::sameName(key("Smith"), key("SMITH")));
    EXPECT_FALSE(collation::sameName(key("Παπάς, Νίκος"), key("Παπας, Νικος")));
    EXPECT_FALSE(collation::sameName(key("Έλενα"), key("Ελένη")));
    EXPECT_FALSE(collation::sameName(key("Παπά"), key("Παπάς")));
    EXPECT_TRUE(collation::sameName(key(""), key("")));
}

// ---------------------------------------------------------------- type-ahead

TEST(NameCollation, TypeAheadIgnoresAccentsAndCase) {
    EXPECT_TRUE(collation::startsWith(greek("Έλενα"), greek("ε")));
    EXPECT_TRUE(collation::startsWith(greek("Έλενα"), greek("ΕΛ")));
    EXPECT_TRUE(collation::startsWith(greek("Ωραιόπουλος"), greek("ωραιο")));
    EXPECT_TRUE(collation::startsWith("Smith, Jo", "smith, j"));
    EXPECT_FALSE(collation::startsWith(greek("Έλενα"), greek("ελα")));
    EXPECT_FALSE(collation::startsWith(greek("Ελ"), greek("Ελένη")));
    EXPECT_FALSE(collation::startsWith(greek("Όθωνας"), greek("ω")));
}

TEST(NameCollation, PickListFindsAccentedNamesByPlainLetters) {
    records::PickList list;
    list.setEntries({{1, 100, "Άγγελος, Π"},
                     {2, 101, "Βασιλείου, Μ"},
                     {3, 102, "Έλενα, Κ"},
                     {4, 103, "Όθωνας, Σ"}});
    list.select(0);
    EXPECT_EQ(list.typeAhead("Ε", 0), 2);
    EXPECT_EQ(list.typeAhead("ο", 5000), 3);
    // The same letter again, once with an accent and once in capitals, goes on round the list.
    EXPECT_EQ(list.typeAhead("ά", 9000), 0);
    EXPECT_EQ(list.typeAhead("Α", 9100), 0);
    EXPECT_EQ(list.typeAhead("β", 20000), 1);
}

TEST(NameCollation, TypeAheadWithNothingSelectedLooksFromTheFirstEntry) {
    records::TypeAhead typed;
    const std::vector<std::string> texts = {"  Άλφα", "Αλέξης", "Ελένη"};
    EXPECT_EQ(typed.find(texts, -1, "α", 0), 0);
    EXPECT_EQ(typed.find(texts, -1, "ω", 5000), -1);
    EXPECT_EQ(typed.find({}, -1, "α", 9000), -1);
}

// ---------------------------------------------------------------- the table

class CollatedTable : public ::testing::Test {
protected:
    CZelvoDoc doc;
    ScriptedPrompts prompts;

    std::vector<std::string> lastNames() const {
        std::vector<std::string> out;
        for (std::size_t r = 1; r < doc.publishers.size(); ++r)
            out.push_back(cp1253::toUtf8(doc.publishers[r].lastName()));
        return out;
    }
};

TEST_F(CollatedTable, SortRowsOrdersGreekNamesAndKeepsTheOverseerLast) {
    test::addPeople(doc, {person(101, greek("Νίκος"), greek("Ωραιόπουλος")),
                          person(102, greek("Ανδρέας"), greek("Όθωνας"), kCircuitOverseer),
                          person(103, greek("Μαρία"), greek("Ηλιοπούλου")),
                          person(104, greek("Πέτρος"), greek("Ηλιόπουλος")),
                          person(105, greek("Γιώργος"), greek("Έλληνας")),
                          person(106, greek("Κώστας"), greek("Άγγελος")),
                          person(107, greek("Άννα"), greek("Βασιλείου"))});
    doc.sortRows();
    EXPECT_EQ(lastNames(),
              (std::vector<std::string>{"Άγγελος", "Βασιλείου", "Έλληνας", "Ηλιόπουλος",
                                        "Ηλιοπούλου", "Ωραιόπουλος", "Όθωνας"}));
}

TEST_F(CollatedTable, TheSameNameInOtherCaseIsADuplicate) {
    test::addPeople(doc, {person(101, greek("Νίκος"), greek("Παπάς")),
                          person(102, greek("Νίκος"), greek("Παπαδάκης"))});
    prompts.answers = {Answer::No};
    const auto result =
        records::insertNew(doc, person(103, greek("ΝΊΚΟΣ"), greek("ΠΑΠΆΣ")), prompts);
    EXPECT_EQ(result.outcome, records::InsertOutcome::Dropped);
    ASSERT_EQ(prompts.questions.size(), 1u);
    // Without the accent it is another name, placed beside the accented one.
    const auto other =
        records::insertNew(doc, person(104, greek("Νικος"), greek("Παπας")), prompts);
    EXPECT_EQ(other.outcome, records::InsertOutcome::Inserted);
    EXPECT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(lastNames(), (std::vector<std::string>{"Παπαδάκης", "Παπας", "Παπάς"}));
}

}  // namespace
}  // namespace zelvo
