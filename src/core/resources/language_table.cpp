#include "resources/language_table.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace zelvo {
namespace {

constexpr int kRussianCharset = 204;
constexpr int kTurkishCharset = 162;
constexpr int kEastEuropeCharset = 238;
constexpr int kGreekCharset = 161;
constexpr int kBalticCharset = 186;
constexpr int kVietnameseCharset = 163;
constexpr int kThaiCharset = 222;

struct LanguageRow {
    std::string_view word;
    LanguageInfo info;
};

constexpr std::array kLanguages = {
    LanguageRow{"rus", {"rus", kRussianCharset}},
    LanguageRow{"urk", {"rus", kRussianCharset}},
    LanguageRow{"turkish", {"turkish", kTurkishCharset}},
    LanguageRow{"french", {"french", 0}},
    LanguageRow{"czech", {"czech", kEastEuropeCharset, true}},
    LanguageRow{"polish", {"polish", kEastEuropeCharset, true}},
    LanguageRow{"hrvatski", {"polish", 0}},
    LanguageRow{"slovenian", {"polish", kEastEuropeCharset}},
    LanguageRow{"slovak", {"slovak", kEastEuropeCharset, true}},
    LanguageRow{"greek", {"greek", kGreekCharset, true}},
    LanguageRow{"dutch", {"dutch", 0}},
    LanguageRow{"tha", {"tha", 0}},
    LanguageRow{"hun", {"hun", 0, true, true}},
    LanguageRow{"lt", {"lt", kBalticCharset}},
    LanguageRow{"estonian", {"et", 0}},
    LanguageRow{"rom", {"romanian", kEastEuropeCharset}},
    LanguageRow{"vie", {"vie", kVietnameseCharset}},
    LanguageRow{"ptg", {"", 0, false, false, true}},
};

bool isOneOf(std::string_view word, std::initializer_list<std::string_view> words) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

}  // namespace

LanguageInfo languageInfo(std::string_view word) {
    for (const LanguageRow& row : kLanguages)
        if (row.word == word) return row.info;
    return {};
}

int reportFontCharset(std::string_view word) {
    if (word == "turkish") return kTurkishCharset;
    if (word == "greek") return kGreekCharset;
    if (isOneOf(word, {"rus", "urk"})) return kRussianCharset;
    if (isOneOf(word, {"polish", "hrvatski", "slovenian", "czech", "hun", "slovak", "rom"}))
        return kEastEuropeCharset;
    if (word == "tha") return kThaiCharset;
    if (isOneOf(word, {"lt", "estonian"})) return kBalticCharset;
    if (word == "vie") return kVietnameseCharset;
    return 0;
}

std::string windowClassName(std::string_view word) {
    std::string name = "ZELVO_9_";
    name += word;
    return name;
}

}  // namespace zelvo
