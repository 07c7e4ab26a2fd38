#include "reports/report_font.h"

#include <gtest/gtest.h>

#include "store/cp1253.h"

namespace zelvo::reports {
namespace {

std::string greek(std::string_view utf8) {
    return cp1253::fromUtf8(utf8);
}

constexpr FontRole kFive[] = {FontRole::Title, FontRole::Subtitle, FontRole::Heading,
                              FontRole::Text, FontRole::Small};

TEST(ReportFont, ResolutionClassIsHighFrom300DpiAndWithoutAPrinter) {
    EXPECT_EQ(resolutionClass(true, 300), PrinterResolutionClass::High);
    EXPECT_EQ(resolutionClass(true, 299), PrinterResolutionClass::Low);
    EXPECT_EQ(resolutionClass(true, 600), PrinterResolutionClass::High);
    EXPECT_EQ(resolutionClass(false, 0), PrinterResolutionClass::High);
    EXPECT_EQ(resolutionClass(false, 150), PrinterResolutionClass::High);
}

TEST(ReportFont, HighResolutionDefaults) {
    const auto hi = PrinterResolutionClass::High;
    const int heights[] = {-19, -16, -13, -13, -13};
    const int weights[] = {700, 700, 700, 400, 400};
    for (int i = 0; i < 5; ++i) {
        const LogicalFont f = defaultFont(kFive[i], hi, 161);
        EXPECT_EQ(f.height, heights[i]) << i;
        EXPECT_EQ(f.weight, weights[i]) << i;
        EXPECT_EQ(f.faceName, "Arial");
        EXPECT_EQ(f.pitchAndFamily, 34);
        EXPECT_EQ(f.charSet, 161);
        EXPECT_EQ(f.italic, 0);
        EXPECT_EQ(f.underline, 0);
        EXPECT_EQ(f.width, 0);
    }
}

TEST(ReportFont, LowResolutionDefaults) {
    const auto lo = PrinterResolutionClass::Low;
    const char* faces[] = {"Roman 10cpi", "Roman 10cpi", "Roman 12cpi", "Roman 10cpi",
                           "Roman 12cpi"};
    const int weights[] = {700, 700, 700, 400, 400};
    for (int i = 0; i < 5; ++i) {
        const LogicalFont f = defaultFont(kFive[i], lo, 161);
        EXPECT_EQ(f.height, -13) << i;
        EXPECT_EQ(f.weight, weights[i]) << i;
        EXPECT_EQ(f.faceName, faces[i]) << i;
        EXPECT_EQ(f.pitchAndFamily, 49);
    }
}

TEST(ReportFont, ThaiCharsetUsesTheSystemFace) {
    EXPECT_EQ(defaultFont(FontRole::Title, PrinterResolutionClass::High, 222).faceName, "System");
    EXPECT_EQ(defaultFont(FontRole::Small, PrinterResolutionClass::Low, 222).faceName, "System");
    EXPECT_EQ(defaultFont(FontRole::Small, PrinterResolutionClass::Low, 238).faceName,
              "Roman 12cpi");
}

TEST(ReportFont, DateStampFontIsFixed) {
    const LogicalFont f = dateStampFont(161);
    EXPECT_EQ(f.faceName, "Times New Roman");
    EXPECT_EQ(f.height, -10);
    EXPECT_EQ(f.weight, 400);
    EXPECT_EQ(f.pitchAndFamily, 18);
    EXPECT_EQ(f.charSet, 161);
}

TEST(ReportFont, SettingsSections) {
    EXPECT_EQ(fontSection(FontRole::Title), "Γραμ/σειρά Τίτλου");
    EXPECT_EQ(fontSection(FontRole::Subtitle), "Γραμ/σειρά Υπότιτλου");
    EXPECT_EQ(fontSection(FontRole::Heading), "Γραμ/σειρά Επικεφαλίδας");
    EXPECT_EQ(fontSection(FontRole::Text), "Γραμματοσειρά");
    EXPECT_EQ(fontSection(FontRole::Small), "Μικρά γράμματα");
}

TEST(ReportFont, EmptyFileTakesTheDefaultsOfTheResolutionAndWritesThemAll) {
    ReportFonts fonts;
    IniFile ini;
    fonts.load(ini, PrinterResolutionClass::Low, "greek");
    EXPECT_EQ(fonts.font(FontRole::Heading),
              defaultFont(FontRole::Heading, PrinterResolutionClass::Low, 161));
    fonts.save(ini);
    const std::string sec = greek("Γραμ/σειρά Επικεφαλίδας");
    EXPECT_EQ(ini.integer(sec, "Height", 0), -13);
    EXPECT_EQ(ini.integer(sec, "Weight", 0), 700);
    EXPECT_EQ(ini.integer(sec, "Italic", 9), 0);
    EXPECT_EQ(ini.integer(sec, "Underline", 9), 0);
    EXPECT_EQ(ini.integer(sec, "PitchAndFamily", 0), 49);
    EXPECT_EQ(ini.text(sec, "FaceName", ""), "Roman 12cpi");
    EXPECT_EQ(ini.integer(sec, "CharSet", 0), 161);

    ReportFonts again;
    again.load(ini, PrinterResolutionClass::High, "greek");
    for (FontRole r : kFive) EXPECT_EQ(again.font(r), fonts.font(r));
}

TEST(ReportFont, StoredFontIsReadAndAZeroHeightFallsBackToDefaults) {
    const std::string text = greek(
        "[Γραμ/σειρά Τίτλου]\r\nHeight=-24\r\nWeight=400\r\nItalic=1\r\nUnderline=1\r\n"
        "PitchAndFamily=18\r\nFaceName=Courier New\r\n"
        "[Γραμματοσειρά]\r\nHeight=0\r\nWeight=900\r\n");
    ReportFonts fonts;
    fonts.load(IniFile::parse(text), PrinterResolutionClass::High, "greek");
    const LogicalFont& t = fonts.font(FontRole::Title);
    EXPECT_EQ(t.height, -24);
    EXPECT_EQ(t.weight, 400);
    EXPECT_EQ(t.italic, 1);
    EXPECT_EQ(t.underline, 1);
    EXPECT_EQ(t.pitchAndFamily, 18);
    EXPECT_EQ(t.faceName, "Courier New");
    EXPECT_EQ(t.charSet, 161);  // missing: the language's
    EXPECT_EQ(fonts.font(FontRole::Text),
              defaultFont(FontRole::Text, PrinterResolutionClass::High, 161));
}

TEST(ReportFont, MissingFaceIsSystemAndLongFacesAreCut) {
    const std::string text = greek("[Γραμ/σειρά Υπότιτλου]\r\nHeight=12\r\n[Μικρά γράμματα]\r\n") +
                             "Height=-9\r\nFaceName=" + std::string(40, 'x') + "\r\n";
    ReportFonts fonts;
    fonts.load(IniFile::parse(text), PrinterResolutionClass::High, "turkish");
    EXPECT_EQ(fonts.font(FontRole::Subtitle).faceName, "System");
    EXPECT_EQ(fonts.font(FontRole::Subtitle).charSet, 162);
    EXPECT_EQ(fonts.font(FontRole::Small).faceName, std::string(31, 'x'));
}

TEST(ReportFont, UnchangedFontsLeaveTheFileByteForByte) {
    std::string text;
    for (FontRole r : kFive)
        text += greek("[" + std::string(fontSection(r)) + "]") +
                "\r\nHeight = -15\r\nWeight=0700\r\nItalic=0\r\nUnderline=0\r\n"
                "PitchAndFamily=34\r\nFaceName=Arial\r\nCharSet=161\r\n";
    IniFile ini = IniFile::parse(text);
    ReportFonts fonts;
    fonts.load(ini, PrinterResolutionClass::Low, "greek");
    EXPECT_EQ(fonts.font(FontRole::Title).weight, 700);
    fonts.save(ini);
    EXPECT_EQ(ini.serialize(), text);
}

TEST(ReportFont, OnlyChangedValuesAreWritten) {
    const std::string text = greek("[Γραμματοσειρά]\r\nHeight=-15\r\nWeight=0400\r\n");
    IniFile ini = IniFile::parse(text);
    ReportFonts fonts;
    fonts.load(ini, PrinterResolutionClass::High, "greek");
    LogicalFont f = fonts.font(FontRole::Text);
    f.height = -20;
    EXPECT_TRUE(fonts.replace(FontRole::Text, f));
    EXPECT_FALSE(fonts.replace(FontRole::Text, f));  // same font byte for byte
    fonts.save(ini);
    const std::string sec = greek("Γραμματοσειρά");
    EXPECT_EQ(ini.integer(sec, "Height", 0), -20);
    EXPECT_NE(ini.serialize().find("Weight=0400\r\n"), std::string::npos);  // untouched
    EXPECT_FALSE(ini.value(sec, "Italic"));  // unchanged from what was read: not written
}

TEST(ReportFont, ForcedAndResetDefaultsAreHighResolutionAndWritten) {
    const std::string text = greek("[Γραμ/σειρά Τίτλου]\r\nHeight=-24\r\nWeight=400\r\n");
    ReportFonts fonts;
    IniFile ini = IniFile::parse(text);
    fonts.load(ini, PrinterResolutionClass::Low, "greek");
    EXPECT_EQ(fonts.font(FontRole::Title).height, -24);
    fonts.resetToDefaults("greek");
    for (FontRole r : kFive)
        EXPECT_EQ(fonts.font(r), defaultFont(r, PrinterResolutionClass::High, 161));
    fonts.save(ini);
    EXPECT_EQ(ini.integer(greek("Γραμ/σειρά Τίτλου"), "Height", 0), -19);
    EXPECT_EQ(ini.integer(greek("Γραμ/σειρά Τίτλου"), "Weight", 0), 700);

    ReportFonts forced;
    forced.load(IniFile::parse(text), PrinterResolutionClass::Low, "greek", true);
    EXPECT_EQ(forced.font(FontRole::Title),
              defaultFont(FontRole::Title, PrinterResolutionClass::Low, 161));
}

}  // namespace
}  // namespace zelvo::reports
