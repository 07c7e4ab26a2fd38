// The five report fonts: their logical-font records, the defaults by printer resolution and their
// keeping in the settings file, one section per font.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "store/ini_file.h"

namespace zelvo::reports {

enum class FontRole { Title, Subtitle, Heading, Text, Small, Fixed };
inline constexpr int kReportFontCount = 5;  // the roles before Fixed

// The platform's logical-font record. Heights are logical units; negative means character
// height. The face name is kept as read (at most 31 bytes).
struct LogicalFont {
    int height = 0;
    int width = 0;
    int escapement = 0;
    int orientation = 0;
    int weight = 0;
    int italic = 0;
    int underline = 0;
    int strikeOut = 0;
    int charSet = 0;
    int outPrecision = 0;
    int clipPrecision = 0;
    int quality = 0;
    int pitchAndFamily = 0;
    std::string faceName;

    friend bool operator==(const LogicalFont&, const LogicalFont&) = default;
};

inline constexpr std::size_t kFaceNameMax = 31;
inline constexpr int kThaiCharset = 222;

enum class PrinterResolutionClass { High, Low };

// High at 300 dots per inch and more, and when there is no default printer (dpiX 0).
PrinterResolutionClass resolutionClass(bool hasDefaultPrinter, int printerDpiX);

// The default of one font; `role` must not be Fixed.
LogicalFont defaultFont(FontRole role, PrinterResolutionClass res, int charSet);

// The fixed face of the printed-date stamp: Times New Roman, -10, weight 400, pitch 18. Its
// height is in screen units, made for the printer like the report fonts' (fontForSurface).
LogicalFont dateStampFont(int charSet);

// Settings section of a font (UTF-8; the file holds it in Windows-1253).
std::string_view fontSection(FontRole role);

class ReportFonts {
public:
    // Loads every font from `ini`; a font whose height is 0 (or every font when `forceDefaults`)
    // takes its default and will be written whole at the next save.
    void load(const IniFile& ini, PrinterResolutionClass res, std::string_view languageWord,
              bool forceDefaults = false);
    // Writes what changed since the load (everything of a font that took its defaults).
    void save(IniFile& ini) const;
    // "Προεπιλογές": the high-resolution defaults for all five.
    void resetToDefaults(std::string_view languageWord);

    const LogicalFont& font(FontRole role) const;
    // Returns true when `chosen` differs from the stored font (and replaces it).
    bool replace(FontRole role, const LogicalFont& chosen);

private:
    struct Slot {
        LogicalFont current;
        LogicalFont loaded;  // the values as read (with the read defaults), for the save rule
        bool defaultsApplied = false;
    };
    std::array<Slot, kReportFontCount> slots_{};
};

}  // namespace zelvo::reports
