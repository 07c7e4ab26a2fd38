#include "resources/language_table.h"

#include <gtest/gtest.h>

namespace zelvo {
namespace {

TEST(LanguageTable, EditionWordsAndFlags) {
    const LanguageInfo greek = languageInfo(kEditionLanguageWord);
    EXPECT_EQ(greek.locale, "greek");
    EXPECT_TRUE(greek.previousMenuAtPosition5);
    EXPECT_FALSE(greek.lastNameFirstWithoutComma || greek.keepsLanguageOption);
    EXPECT_EQ(windowClassName(kEditionLanguageWord), "ZELVO_9_greek");

    EXPECT_EQ(languageInfo("urk").locale, "rus");
    EXPECT_EQ(languageInfo("hrvatski").locale, "polish");
    EXPECT_EQ(languageInfo("estonian").locale, "et");
    EXPECT_EQ(languageInfo("rom").locale, "romanian");
    EXPECT_TRUE(languageInfo("hun").lastNameFirstWithoutComma);
    EXPECT_TRUE(languageInfo("ptg").keepsLanguageOption);
    EXPECT_FALSE(languageInfo("PTG").keepsLanguageOption);
    EXPECT_TRUE(languageInfo("english").locale.empty());
}

TEST(LanguageTable, StartupAndReportCharsetsDifferForFiveWords) {
    struct Case {
        const char* word;
        int startup;
        int report;
    };
    for (const Case c :
         {Case{"hun", 0, 238}, Case{"hrvatski", 0, 238}, Case{"rom", 238, 238}, Case{"tha", 0, 222},
          Case{"estonian", 0, 186}, Case{"lt", 186, 186}, Case{"vie", 163, 163},
          Case{"turkish", 162, 162}, Case{"urk", 204, 204}, Case{"greek", 161, 161},
          Case{"slovenian", 238, 238}, Case{"english", 0, 0}}) {
        EXPECT_EQ(languageInfo(c.word).fontCharset, c.startup) << c.word;
        EXPECT_EQ(reportFontCharset(c.word), c.report) << c.word;
    }
}

}  // namespace
}  // namespace zelvo
