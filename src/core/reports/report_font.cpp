#include "reports/report_font.h"

#include <cstddef>

#include "resources/language_table.h"
#include "store/cp1253.h"

namespace zelvo::reports {

namespace {

constexpr int kHighPitch = 34;  // variable pitch, swiss family
constexpr int kLowPitch = 49;   // fixed pitch, modern family
constexpr int kBold = 700;
constexpr int kNormal = 400;

std::size_t indexOf(FontRole role) {
    return static_cast<std::size_t>(role);
}

std::string section(FontRole role) {
    return cp1253::fromUtf8(fontSection(role));
}

}  // namespace

PrinterResolutionClass resolutionClass(bool hasDefaultPrinter, int printerDpiX) {
    if (!hasDefaultPrinter || printerDpiX >= 300) return PrinterResolutionClass::High;
    return PrinterResolutionClass::Low;
}

LogicalFont defaultFont(FontRole role, PrinterResolutionClass res, int charSet) {
    LogicalFont f;
    f.charSet = charSet;
    const bool bold =
        role == FontRole::Title || role == FontRole::Subtitle || role == FontRole::Heading;
    f.weight = bold ? kBold : kNormal;
    if (res == PrinterResolutionClass::High) {
        f.height = role == FontRole::Title ? -19 : role == FontRole::Subtitle ? -16 : -13;
        f.pitchAndFamily = kHighPitch;
        f.faceName = "Arial";
    } else {
        f.height = -13;
        f.pitchAndFamily = kLowPitch;
        const bool twelve = role == FontRole::Heading || role == FontRole::Small;
        f.faceName = twelve ? "Roman 12cpi" : "Roman 10cpi";
    }
    if (charSet == kThaiCharset) f.faceName = "System";
    return f;
}

LogicalFont dateStampFont(int charSet) {
    LogicalFont f;
    f.height = -10;
    f.weight = kNormal;
    f.pitchAndFamily = 18;
    f.charSet = charSet;
    f.faceName = "Times New Roman";
    return f;
}

std::string_view fontSection(FontRole role) {
    switch (role) {
        case FontRole::Title:
            return "Γραμ/σειρά Τίτλου";
        case FontRole::Subtitle:
            return "Γραμ/σειρά Υπότιτλου";
        case FontRole::Heading:
            return "Γραμ/σειρά Επικεφαλίδας";
        case FontRole::Text:
            return "Γραμματοσειρά";
        case FontRole::Small:
            return "Μικρά γράμματα";
        case FontRole::Fixed:
            break;
    }
    return {};
}

void ReportFonts::load(const IniFile& ini, PrinterResolutionClass res,
                       std::string_view languageWord, bool forceDefaults) {
    const int charSet = reportFontCharset(languageWord);
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        const auto role = static_cast<FontRole>(i);
        const std::string name = section(role);
        Slot& slot = slots_[i];
        slot = Slot{};
        LogicalFont f;
        f.height = ini.integer(name, "Height", 0);
        if (f.height == 0 || forceDefaults) {
            slot.loaded = f;
            slot.current = defaultFont(role, res, charSet);
            slot.defaultsApplied = true;
            continue;
        }
        f.weight = ini.integer(name, "Weight", 0);
        f.italic = ini.integer(name, "Italic", 0);
        f.underline = ini.integer(name, "Underline", 0);
        f.pitchAndFamily = ini.integer(name, "PitchAndFamily", 0);
        f.faceName = ini.text(name, "FaceName", "System");
        if (f.faceName.size() > kFaceNameMax) f.faceName.resize(kFaceNameMax);
        f.charSet = ini.integer(name, "CharSet", charSet);
        slot.loaded = f;
        slot.current = f;
    }
}

void ReportFonts::save(IniFile& ini) const {
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        const Slot& slot = slots_[i];
        const std::string name = section(static_cast<FontRole>(i));
        const LogicalFont& now = slot.current;
        const LogicalFont& was = slot.loaded;
        const bool all = slot.defaultsApplied;
        auto put = [&](const char* key, int value, int old) {
            if (all || value != old) ini.setInteger(name, key, value);
        };
        put("Height", now.height, was.height);
        if (now.height == 0) continue;
        put("Weight", now.weight, was.weight);
        put("Italic", now.italic, was.italic);
        put("Underline", now.underline, was.underline);
        put("PitchAndFamily", now.pitchAndFamily, was.pitchAndFamily);
        if (all || now.faceName != was.faceName) ini.setText(name, "FaceName", now.faceName);
        put("CharSet", now.charSet, was.charSet);
    }
}

void ReportFonts::resetToDefaults(std::string_view languageWord) {
    const int charSet = reportFontCharset(languageWord);
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        Slot& slot = slots_[i];
        slot.current = defaultFont(static_cast<FontRole>(i), PrinterResolutionClass::High, charSet);
        slot.defaultsApplied = true;
    }
}

const LogicalFont& ReportFonts::font(FontRole role) const {
    static const LogicalFont none;
    const std::size_t i = indexOf(role);
    return i < slots_.size() ? slots_[i].current : none;
}

bool ReportFonts::replace(FontRole role, const LogicalFont& chosen) {
    const std::size_t i = indexOf(role);
    if (i >= slots_.size() || slots_[i].current == chosen) return false;
    slots_[i].current = chosen;
    if (slots_[i].current.faceName.size() > kFaceNameMax)
        slots_[i].current.faceName.resize(kFaceNameMax);
    return true;
}

}  // namespace zelvo::reports
