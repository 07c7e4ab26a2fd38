#include "store/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "store/cp1253.h"

namespace zelvo {
namespace {

namespace fs = std::filesystem;

std::string greek(std::string_view utf8) {
    return cp1253::fromUtf8(utf8);
}

TEST(IniFile, LookupIgnoresCaseTrimsAndTakesTheFirstMatch) {
    const IniFile ini = IniFile::parse(
        "\xEF\xBB\xBF" + greek("[Εκθέσεις]\nΕπάνω Περιθώριο=70\n[S]\r\n  a  = two words \t\r\n") +
        "b=\"quoted \"\r\nc='x\r\nk=1\r\nk=2\r\n[s]\r\nj=3\r\n");
    EXPECT_EQ(ini.integer(greek("ΕΚΘΈΣΕΙΣ"), greek("επάνω περιθώριο"), 0), 70);  // final sigma
    EXPECT_FALSE(ini.value(greek("Εκθεσεις"), greek("Επάνω Περιθώριο")));        // accents count
    EXPECT_EQ(ini.value("s", "A"), "two words");
    EXPECT_EQ(ini.value("S", "b"), "quoted ");
    EXPECT_EQ(ini.value("S", "c"), "'x");
    EXPECT_EQ(ini.integer("S", "k", 0), 1);
    EXPECT_FALSE(ini.value("S", "j"));
}

TEST(IniFile, IntegersParseLikeGetPrivateProfileInt) {
    const IniFile ini =
        IniFile::parse("[N]\r\na=42\r\nb=-7\r\nc=12abc\r\nd=abc\r\ne=\r\nf=-\r\ng=4294967297\r\n");
    const std::pair<const char*, int> cases[] = {{"a", 42}, {"b", -7}, {"c", 12}, {"d", 0},
                                                 {"e", 0},  {"f", 0},  {"g", 1},  {"none", -1}};
    for (const auto& [key, expected] : cases) EXPECT_EQ(ini.integer("N", key, -1), expected) << key;
}

constexpr std::string_view kMixedFile =
    "; by hand\r\n\r\n[Title]\r\nHeight = -19 \r\nodd line\r\n\r\n[ Sec ]\r\n=no key\r\n";

TEST(IniFile, WritingChangesOnlyWhatIsWritten) {
    EXPECT_EQ(IniFile::parse(kMixedFile).serialize(), kMixedFile);

    IniFile ini = IniFile::parse(kMixedFile);
    ini.setInteger("title", "HEIGHT", -13);
    ini.setText("Title", "FaceName", "Arial");  // before the blank line that ends the section
    ini.setText("New", "k", "one\r\n[Evil]\r\nx=1");
    ini.setText("New", "a=b", "1");
    ini.remove("sec", "no key");
    EXPECT_EQ(ini.serialize(),
              "; by hand\r\n\r\n[Title]\r\nHeight=-13\r\nodd line\r\nFaceName=Arial\r\n\r\n"
              "[ Sec ]\r\n=no key\r\n[New]\r\nk=one\r\n");
    ini.remove("Title", "height");
    EXPECT_FALSE(ini.value("Title", "Height"));
}

TEST(IniFile, GarbageInputParsesAndReachesAFixedPoint) {
    std::mt19937 random(1253);
    const std::string_view alphabet("[]=;\r\n \t\"'ab\xC1\xE1\0\xFF", 16);
    for (int round = 0; round < 300; ++round) {
        std::string text(random() % 200, ' ');
        for (char& c : text)
            c = round % 2 ? static_cast<char>(random()) : alphabet[random() % alphabet.size()];
        IniFile ini = IniFile::parse(text);
        ini.setText("a", "b", "c");
        const std::string once = ini.serialize();
        EXPECT_EQ(IniFile::parse(once).serialize(), once);
        EXPECT_EQ(IniFile::parse(once).value("a", "b"), "c");
    }
}

TEST(IniFile, EveryLeadingByteOrderMarkIsDropped) {
    const IniFile ini = IniFile::parse("\xEF\xBB\xBF\xEF\xBB\xBF[Nag]\r\nkey=1\r\n");
    EXPECT_EQ(ini.integer("Nag", "key", 0), 1);
    EXPECT_EQ(IniFile::parse(ini.serialize()).serialize(), ini.serialize());
}

TEST(IniFile, FilesOnDisk) {
    const fs::path folder = fs::temp_directory_path() / "zelvo_ini_file_test";
    fs::remove_all(folder);
    fs::create_directories(folder);
    bool found = true;
    EXPECT_EQ(IniFile::load(folder / "none.ini", &found).serialize(), "");
    EXPECT_FALSE(found);

    IniFile ini;
    ini.setText("S", "k", greek("Ζαχαρούλα Ψ. «Ώ»"));
    ASSERT_TRUE(ini.save(folder / "z.ini"));
    EXPECT_EQ(IniFile::load(folder / "z.ini", &found).value("S", "k"), greek("Ζαχαρούλα Ψ. «Ώ»"));
    EXPECT_TRUE(found);

    // Past 1 MiB nothing is read, and a line cut by the limit is dropped whole.
    {
        std::ofstream out(folder / "big.ini", std::ios::binary);
        out << "[S]\r\n";
        for (int i = 0; i < 1100; ++i) out << 'k' << i << '=' << std::string(1000, 'x') << "\r\n";
    }
    const IniFile big = IniFile::load(folder / "big.ini");
    int complete = 0;
    while (const auto v = big.value("S", "k" + std::to_string(complete))) {
        ASSERT_EQ(v->size(), 1000u) << "line " << complete << " was cut";
        ++complete;
    }
    EXPECT_GT(complete, 1000);
    EXPECT_LT(complete, 1100);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace zelvo
