// `zelvo-cli report 30`: every active publisher's label once, twenty to a page, two side by side.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/demo_cli_fixture.h"

namespace zelvo::test {
namespace {

int occurrences(const std::string& text, const std::string& part) {
    int n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

using LabelsCli = DemoCliTest;

TEST_F(LabelsCli, EveryActivePublisherHasOneLabelTwentyToAPage) {
    const CliRun r = run({"report", "30", folder.str(), "--text"});
    ASSERT_EQ(r.code, 0) << r.err;
    // Each label names exactly one hope.
    const int labels = occurrences(r.out, "Άλλα Πρόβατα") + occurrences(r.out, "Χρισμένος") +
                       occurrences(r.out, "Αβάφτιστοι Ευαγ/μενοι");
    EXPECT_GT(labels, 20) << r.out;
    EXPECT_EQ(occurrences(r.out, "page "), (labels + 19) / 20) << r.out;
    std::istringstream lines(r.out);
    std::string first;
    std::getline(lines, first);
    EXPECT_EQ(first, "page 1");
    std::getline(lines, first);
    EXPECT_NE(first.find('\t'), std::string::npos) << "two labels side by side: " << first;
}

}  // namespace
}  // namespace zelvo::test
