// Fuzzes the INI reader and writer of zelvog.ini: any text parses; what it serializes to is a
// fixed point of parsing and serializing; the settings read from it survive being written back;
// and a value set from the input reads back after a round trip through text.
#include <string>

#include "fuzz_support.h"
#include "sample_folder.h"
#include "store/ini_file.h"
#include "store/settings.h"

namespace {

using namespace zelvo;
using fuzz::check;

constexpr std::string_view kBlanks = " \t\r\v\f";

std::string_view trimBlanks(std::string_view s) {
    const auto first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

std::string_view firstLine(std::string_view s) {
    return s.substr(0, s.find_first_of("\r\n"));
}

// A text that reads back as it was written: no blanks at its ends to be trimmed, no line break,
// no enclosing quotes to be dropped.
bool plainValue(std::string_view v) {
    if (v != trimBlanks(v) || v.find_first_of("\r\n") != std::string_view::npos) return false;
    return !(v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front());
}

std::string serializedFixedPoint(const IniFile& ini, const char* when) {
    const std::string once = ini.serialize();
    const std::string twice = IniFile::parse(once).serialize();
    check(twice == once, std::string("serialize(parse(serialize(x))) != serialize(x) ") + when);
    return once;
}

void checkSettingsSurvive(const IniFile& ini, const std::string& languageWord) {
    const Settings read = readSettings(ini, languageWord);
    IniFile written = ini;
    writeSettings(read, written, languageWord);
    const Settings back = readSettings(
        IniFile::parse(serializedFixedPoint(written, "after the settings")), languageWord);
    Settings numbersRead = read;
    Settings numbersBack = back;
    for (auto field :
         {&Settings::congregationName, &Settings::customCategoryName, &Settings::senderEmail}) {
        if (plainValue(read.*field))
            check(back.*field == read.*field, "a setting's text changed through the file");
        numbersRead.*field = numbersBack.*field = {};
    }
    check(numbersRead == numbersBack, "a numeric setting changed through the file");
}

}  // namespace

namespace zelvo::fuzz {

// A settings file is a kilobyte or two; 16 KiB is already far beyond any real one, and larger
// texts only slow the smoke run down (lookups are linear in the sections).
constexpr std::size_t kMaxSmokeText = std::size_t{1} << 14;

Bytes encodeSeed(const Seed& seed) {
    Bytes out;
    for (const SeedPart& part : seed.parts)
        for (std::size_t k = 0; k < part.repeat && out.size() < kMaxSmokeText; ++k)
            out.insert(out.end(), part.bytes.begin(), part.bytes.end());
    if (out.size() > kMaxSmokeText) out.resize(kMaxSmokeText);
    return out;
}

std::vector<Seed> generateSeeds() {
    std::vector<Seed> seeds;
    auto add = [&](std::string_view text) {
        Seed seed;
        seed.parts.push_back({0, Bytes(text.begin(), text.end()), 0, 1});
        seeds.push_back(std::move(seed));
    };
    // The settings file of a sample folder, as saveAll writes it.
    const ScratchFolder scratch("zelvo-fuzz-ini-seeds");
    const fs::path folder = scratch.fresh("sample");
    check(sample::writeSampleFolder(folder), "the sample folder was not written");
    const auto written =
        readFileBytes(folder / std::string(files::kSettings), std::size_t{1} << 20);
    if (written)
        add(std::string_view(reinterpret_cast<const char*>(written->data()), written->size()));
    // Every setting with values of its own, including the option only some editions keep.
    Settings s;
    s.congregationName = cp1253::fromUtf8("Θεσσαλονίκη «Άνω Πόλη»");
    s.customCategoryName = cp1253::fromUtf8("Βοηθοί Διακονικοί");
    s.senderEmail = "secretary@example.org";
    s.languageOption = 1;
    s.earlyYear = 25;
    s.earlyMonth = 2;
    IniFile ini;
    writeSettings(s, ini, "ptg");
    add(ini.serialize());
    // Text written by hand elsewhere: comments, odd lines, LF ends, a byte-order mark, quotes.
    add("\xEF\xBB\xBF; by hand\n\n[Nag]\nEnabled = 1 \n[ AutoCap ]\n=no key\nodd "
        "line\n[Sec]\nEmail=\"a@b\"\n");
    add("[Early]\r\nYear=-2147483648\r\nMonth=4294967297\r\n[Early]\r\nYear=3\r\n[");
    return seeds;
}

}  // namespace zelvo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::currentInput() = {data, size};
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    IniFile ini = IniFile::parse(text);
    serializedFixedPoint(ini, "of the input");
    checkSettingsSurvive(ini, "greek");
    checkSettingsSurvive(ini, "ptg");

    // A value set under a section and key taken from the input reads back after a round trip.
    const std::string_view section = text.substr(0, std::min<std::size_t>(size, 8));
    const std::string_view key =
        text.substr(section.size(), std::min<std::size_t>(size - section.size(), 8));
    const std::string_view value = text.substr(section.size() + key.size(), 32);
    ini.setText(section, key, value);
    const IniFile back = IniFile::parse(serializedFixedPoint(ini, "after setText"));
    const std::string_view k = trimBlanks(firstLine(key));
    const bool keyAccepted = !k.empty() && k.find('=') == std::string_view::npos &&
                             !k.starts_with(';') && !k.starts_with('[');
    const std::string_view v = trimBlanks(firstLine(value));
    if (keyAccepted && plainValue(v))
        check(back.value(trimBlanks(firstLine(section)), k) == std::string(v),
              "a value set does not read back");
    return 0;
}
