// `zelvo-cli report` on the demo congregation: the key lines of --text, the shape of --json, and
// the errors of unknown kinds, unbuilt kinds, groups and outputs.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli_run.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace fs = std::filesystem;

using zelvo::test::cli;
using zelvo::test::CliRun;

namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

bool hasLine(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

class ReportCli : public ::testing::Test {
protected:
    static inline fs::path folder;
    static constexpr const char* kToday = "2023-09-10";  // August 2023, the old form

    static void SetUpTestSuite() {
        folder = fs::temp_directory_path() / ("zelvo_report_cli_" + std::to_string(::getpid()));
        fs::remove_all(folder);
        ASSERT_EQ(
            cli({"--today", kToday, "demo", folder.string(), "--people", "40", "--seed", "7"}).code,
            0);
    }
    static void TearDownTestSuite() { fs::remove_all(folder); }

    CliRun report(std::vector<std::string> args) {
        std::vector<std::string> all{"--today", kToday, "report"};
        all.insert(all.end(), args.begin(), args.end());
        return cli(all);
    }
};

TEST_F(ReportCli, TextPagesOfTheAnalysis) {
    const CliRun run = report({"1", folder.string(), "--text"});
    ASSERT_EQ(run.code, 0) << run.err;
    const std::vector<std::string> lines = linesOf(run.out);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "page 1");
    EXPECT_TRUE(lines[1].starts_with("Έκθεση Εκκλησίας για τον Αύγουστο")) << lines[1];
    EXPECT_TRUE(hasLine(lines, "Όνομα\tΕκδ.\tΒίντεο\tΏρες\tΕπαν.\tΓρ.Μελ\tΜ.Ο. Ωρών"));
    EXPECT_TRUE(hasLine(lines, "3μη / 6μη"));
    EXPECT_TRUE(hasLine(lines, "Τακτικοί και Ειδικοί Σκαπανείς"));
    EXPECT_TRUE(hasLine(lines, "  Όμιλος 1"));
    EXPECT_TRUE(hasLine(lines, "Εκδ.\tΒίντεο\tΏρες\tΕπαν.\tΓρ.Μελ")) << "the branch block";
    EXPECT_TRUE(hasLine(lines, "Αρ.\tΣύν\tΜ.Ο.\tΕπί τοις 100"));
    // Rows: a name, values, the averages "a/b" and the marks, in x order.
    const std::regex row(R"(^[^\t]+(\t[0-9.]+)*\t[ 0-9]+\.[0-9]/[ 0-9]+\.[0-9](\t.*)?$)");
    int rows = 0;
    for (const std::string& l : lines) rows += std::regex_match(l, row);
    EXPECT_GE(rows, 25) << run.out;
    int summaries = 0;
    for (const std::string& l : lines) summaries += l.starts_with("Σύνολο Ευαγγελιζομένων\t");
    EXPECT_EQ(summaries, 1);
    EXPECT_TRUE(hasLine(linesOf(report({"1", folder.string(), "--text", "--a4"}).out), "page 1"));
}

TEST_F(ReportCli, JsonItemsHavePagePositionAlignFontAndText) {
    const CliRun run = report({"3", folder.string(), "--json"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with("{\"kind\":3,\"group\":0,\"pageCount\":1,\"texts\":[{"))
        << run.out;
    const std::regex item(
        R"re(\{"page":[0-9]+,"x":[0-9.]+,"y":[0-9.]+,"align":"(left|right|centre)","font":"[a-zA-Z ]+","text":"[^"]*"\})re");
    const auto begin = std::sregex_iterator(run.out.begin(), run.out.end(), item);
    EXPECT_GE(std::distance(begin, std::sregex_iterator()), 40);
    EXPECT_NE(
        run.out.find(
            R"("x":0.5,"y":0.3,"align":"left","font":"title","text":"Σύνολα Εκθέσεων για τον Αύγουστο)"),
        std::string::npos);
    EXPECT_NE(run.out.find(R"("align":"right","font":"heading","text":"Γρ.Μελ")"),
              std::string::npos);
}

TEST_F(ReportCli, GroupReportNamesItsGroup) {
    const CliRun run = report({"2", folder.string(), "--group", "1", "--text"});
    ASSERT_EQ(run.code, 0) << run.err;
    const std::vector<std::string> lines = linesOf(run.out);
    EXPECT_TRUE(lines[1].starts_with("Έκθεση Αυγούστου για τον ")) << lines[1];
    EXPECT_TRUE(lines[2].starts_with("Επίσκοπος: ") || lines[2].starts_with("Υπηρέτης: ") ||
                lines[2].starts_with("Οδηγός: "))
        << lines[2];
    bool inactive = false;
    for (const std::string& l : lines) inactive |= l.starts_with("Αδρανείς ");
    EXPECT_TRUE(inactive);
}

// The printed date of a PDF is that of --today, like the other outputs' (no ZELVO_TODAY: that
// is the desktop program's).
TEST_F(ReportCli, APdfPrintsTheDateOfToday) {
    if (std::system("command -v pdftotext >/dev/null 2>&1") != 0) GTEST_SKIP() << "no pdftotext";
    const fs::path dated = folder.string() + "_dated";
    fs::remove_all(dated);
    fs::copy(folder, dated, fs::copy_options::recursive);
    {
        zelvo::CZelvoDoc doc;
        zelvo::ScriptedPrompts prompts;
        doc.startUp(dated.string(), {2023, 9, 10}, zelvo::LoadMode::Live);
        ASSERT_TRUE(doc.load(prompts, zelvo::LoadMode::Live).ok);
        doc.settings.reportDate = 1;  // the date on every printed page
        doc.markModified();
        ASSERT_TRUE(doc.saveAll(prompts).ok);
        doc.closeDocument();
    }
    const std::string printed = "Τυπώθηκε 10/9/2023";
    EXPECT_NE(report({"3", dated.string(), "--text"}).out.find(printed), std::string::npos);
    const fs::path pdf = dated / "report.pdf";
    const std::string command = std::string("env -u ZELVO_TODAY ") + ZELVO_CLI_PATH + " --today " +
                                kToday + " report 3 '" + dated.string() + "' --pdf '" +
                                pdf.string() + "' 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::string text;
    if (FILE* in = ::popen(("pdftotext '" + pdf.string() + "' - 2>/dev/null").c_str(), "r")) {
        char buf[4096];
        for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, in)) > 0;) text.append(buf, n);
        ::pclose(in);
    }
    EXPECT_NE(text.find(printed), std::string::npos) << text.substr(0, 400);
    fs::remove_all(dated);
}

TEST_F(ReportCli, EveryAveragesKindDrawsItsRowsAndSummary) {
    for (const char* kind : {"5", "6", "7", "8", "9", "10", "11"}) {
        std::vector<std::string> args{kind, folder.string(), "--text"};
        if (std::string(kind) == "6") args.insert(args.end(), {"--group", "1"});
        const CliRun run = report(args);
        ASSERT_EQ(run.code, 0) << kind << run.err;
        const std::vector<std::string> lines = linesOf(run.out);
        EXPECT_EQ(lines[1], "Μέσος όρος για 3 / 6μήνες που τελειώνουν το Αύγουστο") << kind;
        EXPECT_TRUE(hasLine(lines, "Όνομα\tΕκδ.\tΒίντεο\tΏρες\tΕπαν.\tΓρ.Μελ")) << kind;
        int summaries = 0;
        for (const std::string& l : lines) summaries += l.starts_with("Σύνολο Ευαγγελιζομένων\t");
        EXPECT_EQ(summaries, 1) << kind;
    }
}

TEST_F(ReportCli, ClearErrors) {
    const std::string f = folder.string();
    EXPECT_EQ(report({"99", f, "--text"}).code, 2) << "unknown kind";
    EXPECT_EQ(report({"abc", f, "--text"}).code, 2);
    const CliRun unbuilt = report({"20", f, "--text"});
    EXPECT_EQ(unbuilt.code, 2);
    EXPECT_NE(unbuilt.err.find("20"), std::string::npos);
    EXPECT_EQ(report({"2", f, "--text"}).code, 2) << "a group variant needs its group";
    const CliRun noGroup = report({"2", f, "--group", "19", "--text"});
    EXPECT_EQ(noGroup.code, 2);
    EXPECT_NE(noGroup.err.find("19"), std::string::npos);
    EXPECT_EQ(report({"1", f, "--group", "1", "--text"}).code, 2);
    EXPECT_EQ(report({"1", f}).code, 2) << "an output is needed";
    EXPECT_EQ(report({"1", f, "--text", "--json"}).code, 2);
    EXPECT_EQ(report({"1", (folder / "nowhere").string(), "--text"}).code, 4);
}

}  // namespace
