#include "store/settings.h"

#include <gtest/gtest.h>

#include "store/cp1253.h"

namespace zelvo {
namespace {

std::string greek(std::string_view utf8) {
    return cp1253::fromUtf8(utf8);
}

TEST(Settings, MissingFileGivesTheDefaults) {
    bool found = true;
    const Settings s = readSettings(IniFile::load("/nonexistent/zelvog.ini", &found), "greek");
    ASSERT_FALSE(found);
    EXPECT_EQ(s.labelLeftMargin, 20);
    EXPECT_EQ(s.reportTopMargin, 50);
    EXPECT_EQ(s.noticeOff, 0);
    EXPECT_EQ(s.autoCapitalize, 1);
}

TEST(Settings, EveryFieldSurvivesAWriteAndRead) {
    Settings s;
    int next = 2;
    for (int* field :
         {&s.labelBirthDate, &s.labelAlternative, &s.labelLeftMargin, &s.reportGridLines,
          &s.reportNoSlipFields, &s.emergJw, &s.reportTopMargin, &s.reportDate, &s.autoCapitalize,
          &s.noticeOff, &s.languageOption, &s.printGroups, &s.hideAverages, &s.onePerPage,
          &s.hideBirthDates, &s.customCategoryEnabled, &s.earlyYear, &s.earlyMonth})
        *field = next++ % 2;  // ticks are 0 or 1
    s.labelLeftMargin = 37;
    s.hideAverages = 15;
    s.reportTopMargin = 99;  // margins are held to 0-99
    s.earlyYear = 18;
    s.earlyMonth = 12;  // an early choice names a month
    s.congregationName = greek("Αθήνα-Κέντρο «Ώ»");
    s.customCategoryName = greek("Βοηθοί");
    s.senderEmail = "gram@example.gr";
    IniFile ini;
    writeSettings(s, ini, "ptg");
    const std::string text = ini.serialize();
    EXPECT_EQ(text.find('?'), std::string::npos) << "a name outside the code page";
    EXPECT_EQ(readSettings(IniFile::parse(text), "ptg"), s);

    IniFile early;
    writeEarlyChoice(s, early);
    EXPECT_EQ(early.serialize(), "[Early]\r\nYear=18\r\nMonth=12\r\n");
}

TEST(Settings, GreekNamesMatchWithoutRegardToCase) {
    const Settings s = readSettings(
        IniFile::parse(greek("[ΕΤΙΚΈΤΕΣ]\r\nΑΡΙΣΤΕΡΟ ΠΕΡΙΘΩΡΙΟ=35\r\n[εκθέσεις]\r\n"
                             "επάνω περιθώριο=60\r\n[autocap]\r\nΕΝΕΡΓΟΠΟΙΗΜΈΝΟ=x\r\n")),
        "greek");
    EXPECT_EQ(s.labelLeftMargin, 35);
    EXPECT_EQ(s.reportTopMargin, 60);
    EXPECT_EQ(s.autoCapitalize, 0);  // present but no digits
}

TEST(Settings, CustomCategoryNameIsCutTo15Characters) {
    const std::string twenty = greek("Προσαρμοσμένη Κατηγο");
    ASSERT_EQ(twenty.size(), 20u);
    const IniFile ini = IniFile::parse(
        greek("[Προσαρμοσμένη Κατηγορία]\r\nΠροσαρμοσμένη Κατηγορία=") + twenty + "\r\n");
    EXPECT_EQ(readSettings(ini, "greek").customCategoryName, twenty.substr(0, 15));

    Settings s;
    s.customCategoryName = twenty;
    IniFile written;
    writeSettings(s, written, "greek");
    EXPECT_EQ(written.value(greek("Προσαρμοσμένη Κατηγορία"), greek("Προσαρμοσμένη Κατηγορία")),
              twenty.substr(0, 15));
}

TEST(Settings, LanguageOptionBelongsToThePtgEditionOnly) {
    const std::string section = greek("Σειρά Ονομάτων"), key = greek("Ενεργοποιημένο");
    const std::string file = "[" + section + "]\r\n" + key + "=1\r\n";
    EXPECT_EQ(readSettings(IniFile::parse(file), "greek").languageOption, 0);
    EXPECT_EQ(readSettings(IniFile::parse(file), "ptg").languageOption, 1);

    Settings s;
    s.languageOption = 1;
    IniFile fresh;
    writeSettings(s, fresh, "greek");
    EXPECT_FALSE(fresh.value(section, key));

    s.languageOption = 0;
    IniFile existing = IniFile::parse(file);
    writeSettings(s, existing, "greek");
    EXPECT_EQ(existing.integer(section, key, -1), 1);  // another edition's value stays
}

TEST(Settings, WritingKeepsEverythingElseInTheFile) {
    const std::string enabled = greek("Ενεργοποιημένο");
    const std::string before = "; fonts\r\n[Title]\r\nHeight = -19\r\n\r\n[Nag]\r\n";
    IniFile ini = IniFile::parse(before + enabled + "=0\r\nMine=1\r\n");
    Settings s;
    s.noticeOff = 1;
    writeSettings(s, ini, "greek");
    EXPECT_TRUE(ini.serialize().starts_with(before + enabled + "=1\r\nMine=1\r\n"));
}

TEST(Settings, NumbersOutOfRangeTakeTheDefaultAndAreReported) {
    const std::string margin = greek("[Εκθέσεις]\r\nΕπάνω Περιθώριο=");
    struct Case {
        std::string text;
        int topMargin;
        int earlyMonth;
        std::size_t problems;
    };
    const Case cases[] = {
        {margin + "0\r\n", 0, 0, 0},
        {margin + "99\r\n", 99, 0, 0},
        {margin + "100\r\n", 50, 0, 1},
        {margin + "-1\r\n", 50, 0, 1},
        {margin + "100000000\r\n", 50, 0, 1},
        {"[Early]\r\nYear=25\r\nMonth=12\r\n", 50, 12, 0},
        {"[Early]\r\nYear=25\r\nMonth=13\r\n", 50, 0, 1},
        {"[Early]\r\nYear=25\r\nMonth=0\r\n", 50, 0, 1},
        {"[Early]\r\nYear=0\r\nMonth=3\r\n", 50, 0, 1},
        {"[Early]\r\nYear=0\r\nMonth=0\r\n", 50, 0, 0},
        // Ticks hold 0 or 1 and the record card's hidden totals four bits.
        {greek("[Εκθέσεις]\r\nΕμφάνιση Γραμμών Πλέγματος=2\r\n"), 50, 0, 1},
        {"[HideAvg]\r\n" + greek("Ενεργοποιημένο") + "=15\r\n", 50, 0, 0},
        {"[HideAvg]\r\n" + greek("Ενεργοποιημένο") + "=16\r\n", 50, 0, 1},
        {greek("[Εκθέσεις]\r\nCongName=") + std::string(25, 'A') + "\r\n", 50, 0, 0},
        {greek("[Εκθέσεις]\r\nCongName=") + std::string(26, 'A') + "\r\n", 50, 0, 1},
    };
    for (const Case& c : cases) {
        std::vector<std::string> problems;
        const Settings s = readSettings(IniFile::parse(c.text), "greek", &problems);
        EXPECT_EQ(s.reportTopMargin, c.topMargin) << c.text;
        EXPECT_EQ(s.earlyMonth, c.earlyMonth) << c.text;
        EXPECT_EQ(problems.size(), c.problems) << c.text;
    }
}

}  // namespace
}  // namespace zelvo
