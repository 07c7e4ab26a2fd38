// `zelvo-cli cards`: the chosen people's record cards, one page each, with the lines drawn in the
// JSON; and the lines beside the texts of `report --json`.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "cli/demo_cli_fixture.h"

namespace zelvo::test {
namespace {

using CardsCliTest = DemoCliTest;

TEST_F(CardsCliTest, CardsOfTheChosenPeopleOnePageEach) {
    const Json list = JsonReader::parse(run({"list", "0", folder.str(), "--json"}).out).value();
    ASSERT_GE(list.items.size(), 2u);
    const std::string first = list.items[0]["id"].text;
    const std::string second = list.items[1]["id"].text;

    const CliRun two = run({"cards", folder.str(), "--id", first, "--id", second, "--json"});
    ASSERT_EQ(two.code, 0) << two.err;
    const Json cards = JsonReader::parse(two.out).value();
    EXPECT_EQ(cards["pageCount"].number(), 2);
    int titles = 0;
    for (const Json& t : cards["texts"].items)
        if (t["text"].text == "ΑΡΧΕΙΟ ΕΥΑΓΓΕΛΙΖΟΜΕΝΟΥ ΕΚΚΛΗΣΙΑΣ") ++titles;
    EXPECT_EQ(titles, 2);
    // Lines and box sides on both pages, inside a letter page.
    bool secondPage = false;
    for (const Json& l : cards["lines"].items) {
        secondPage = secondPage || l["page"].number() == 2;
        EXPECT_LE(std::stod(l["x2"].text), 8.0) << l.toText();
        EXPECT_LE(std::stod(l["y2"].text), 11.0) << l.toText();
    }
    EXPECT_TRUE(secondPage);

    // --all: a page for each active publisher, none for the others.
    std::size_t active = 0;
    const Json table = dump();
    for (const Json& row : table["rows"].items) active += row["kind"].number() == 0 ? 1 : 0;
    const CliRun all = run({"cards", folder.str(), "--all", "--text"});
    ASSERT_EQ(all.code, 0) << all.err;
    EXPECT_NE(all.out.find("page " + std::to_string(active) + "\n"), std::string::npos);
    EXPECT_EQ(all.out.find("page " + std::to_string(active + 1) + "\n"), std::string::npos);

    const std::string pdf = folder.str() + "/cards.pdf";
    ASSERT_EQ(run({"cards", folder.str(), "--id", first, "--a4", "--pdf", pdf}).code, 0);
    std::ifstream in(pdf, std::ios::binary);
    std::string head(4, '\0');
    in.read(head.data(), 4);
    EXPECT_EQ(head, "%PDF");
}

TEST_F(CardsCliTest, PeriodCardsNameTheirPeriodAndMonths) {
    const Json list = JsonReader::parse(run({"list", "0", folder.str(), "--json"}).out).value();
    ASSERT_FALSE(list.items.empty());
    const std::string id = list.items[0]["id"].text;
    const auto texts = [&](const std::string& period) {
        const CliRun r = run({"cards", folder.str(), "--id", id, "--period", period, "--json"});
        EXPECT_EQ(r.code, 0) << r.err;
        const Json json = JsonReader::parse(r.out).value();
        std::vector<std::string> all;
        for (const Json& t : json["texts"].items) all.push_back(t["text"].text);
        return all;
    };
    const auto has = [](const std::vector<std::string>& all, const std::string& text) {
        return std::count(all.begin(), all.end(), text);
    };
    // The report month is November 2026.
    const std::vector<std::string> six = texts("6");
    EXPECT_EQ(has(six, "Τελευταίοι 6 Μήνες"), 1);
    EXPECT_EQ(has(six, "Ιουν 2026 -"), 1);
    EXPECT_EQ(has(six, "Νοε 2026"), 1);
    EXPECT_EQ(has(six, "Μάιος"), 0);
    const std::vector<std::string> year = texts("year");
    EXPECT_EQ(has(year, "Υπηρεσιακό Έτος."), 1);
    EXPECT_EQ(has(year, "Σεπ 2026 -"), 1);
    const std::vector<std::string> two = texts("24");
    EXPECT_EQ(has(two, "Τελευταίοι 24 Μήνες"), 1);
    EXPECT_EQ(has(two, "Δεκ 2025 -"), 1);
    EXPECT_EQ(has(two, "Δεκ 2024 -"), 1);

    EXPECT_EQ(run({"cards", folder.str(), "--all", "--period", "7", "--text"}).code, 2);
    EXPECT_EQ(run({"cards", folder.str(), "--all", "--text", "--period"}).code, 2);
}

TEST_F(CardsCliTest, TotalsCardsOnePerCategory) {
    const CliRun r = run({"cards", folder.str(), "--totals", "--period", "12", "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    const Json json = JsonReader::parse(r.out).value();
    EXPECT_EQ(json["pageCount"].number(), 3);
    std::vector<std::string> names;
    for (const Json& t : json["texts"].items) {
        const std::string& text = t["text"].text;
        if (text == "Ευαγγελιζόμενοι" || text == "Βοηθητικοί Σκαπανείς" ||
            text == "Τακτικοί και Ειδικοί Σκαπανείς")
            names.push_back(std::to_string(static_cast<int>(t["page"].number())) + " " + text);
        EXPECT_NE(text, "Ημερομηνία γέννησης:  ");
    }
    EXPECT_EQ(names, (std::vector<std::string>{"1 Ευαγγελιζόμενοι", "2 Βοηθητικοί Σκαπανείς",
                                               "3 Τακτικοί και Ειδικοί Σκαπανείς"}));
    EXPECT_EQ(run({"cards", folder.str(), "--totals", "--all", "--text"}).code, 2);
}

TEST_F(CardsCliTest, UsageErrorsAndReportLines) {
    EXPECT_NE(run({"cards", folder.str(), "--all", "--inactive", "--text"}).code, 0);
    EXPECT_NE(run({"cards", folder.str(), "--all"}).code, 0);
    EXPECT_NE(run({"cards", folder.str(), "--id", "9999", "--json"}).code, 0);

    const CliRun report = run({"report", "1", folder.str(), "--json"});
    ASSERT_EQ(report.code, 0) << report.err;
    const Json json = JsonReader::parse(report.out).value();
    ASSERT_NE(json.find("lines"), nullptr);
    EXPECT_EQ(json["lines"].type, Json::Type::Array);
}

TEST_F(CardsCliTest, NoCardsAndNoDataFileOverwritten) {
    const std::string one = folder.str() + "/one";
    ASSERT_EQ(run({"demo", one, "--people", "1"}).code, 0);  // nobody inactive
    const std::string pdf = one + "/inactive.pdf";
    const CliRun none = run({"cards", one, "--inactive", "--pdf", pdf});
    EXPECT_EQ(none.code, 5);
    EXPECT_EQ(none.err, "Κανένα αρχείο για εκτύπωση.\n");
    EXPECT_FALSE(std::ifstream(pdf).good());  // no empty page passed off as the cards

    // A PDF named after a data file would replace the congregation's data: refused, kept.
    const std::string data = folder.str() + "/zdat9.bin";
    const auto bytes = [&] {
        std::ifstream in(data, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::string before = bytes();
    const CliRun over = run({"cards", folder.str(), "--all", "--pdf", data});
    EXPECT_EQ(over.code, 1);
    EXPECT_NE(over.err.find("ανήκει σε αρχείο δεδομένων"), std::string::npos) << over.err;
    EXPECT_EQ(bytes(), before);
}

}  // namespace
}  // namespace zelvo::test
