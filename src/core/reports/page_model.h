// The page model every report routine shares: pages are fixed-height bands of one strip, the
// screen draws columns with 11/12 of its horizontal resolution, and the printer prints one band
// per page through a clip.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "reports/report_font.h"
#include "reports/surface.h"

namespace zelvo::reports {

inline constexpr int kLetterPageLength = 110;  // tenths of an inch
inline constexpr int kA4PageLength = 120;
inline constexpr int kPageWidth = 80;
inline constexpr int kMaxTopMarginOption = 99;
inline constexpr int kMaxFontUnits = 0x7FFF;  // the largest font height or width made for a surface

// What a routine needs besides the surface to lay out its pages.
struct PageSettings {
    int screenDpiX = 96;
    int screenDpiY = 96;
    int printerDpiX = 300;
    int printerDpiY = 300;
    int pageLength = kLetterPageLength;
    bool gridLines = false;
    int topMarginOption = 50;  // hundredths of an inch
};

// Built by each drawing pass; the header routines read it.
struct ReportPage {
    std::uint16_t topMargin = 0;
    std::uint16_t left = 0;
    std::uint16_t lineHeight = 0;
    std::vector<std::uint16_t> columns;
    int pageTop = 0;
    int dpiY = 0;
    int dpiX = 0;
    bool printing = false;
    int linesPerPage = 1;
    int pageLength = kLetterPageLength;
    std::string title;     // UTF-8
    std::string subtitle;  // UTF-8
};

// The resolution a report lays its pages out in. The surface is the screen when its dpiX equals
// the screen's; then columns use 11/12 of it.
struct Resolution {
    int dpiX = 0;
    int dpiY = 0;
    bool printing = false;
};
Resolution workingResolution(int surfaceDpiX, int surfaceDpiY, int screenDpiX);

// A stored font made for the surface: on paper, scaled from the screen's resolution to
// the printer's (multiply, then divide). Heights and widths stay within ±kMaxFontUnits.
LogicalFont fontForSurface(const LogicalFont& stored, bool printing, const PageSettings& s);

// The line height: a sixth of an inch, or the text font's height with twice its leading when
// larger; grid lines add a twentieth (at least 1).
int lineHeightFor(int dpiY, int textCharHeight, int textExternalLeading, bool gridLines);

// The lines of a page: nine inches of text; at least one line.
int linesPerPage(int dpiY, int lineHeight);
// The analysis and branch reports on A4: 9.7 inches.
int linesPerA4AnalysisPage(int dpiY, int lineHeight);

// The top margin: the option in hundredths of an inch; more than an inch gives half an inch. Never
// less than a fifth of an inch, the room of the title above it.
int topMarginFor(int option, int dpiY);

// The line height, made smaller when `lines` lines of it would not fit in `room`: a surface whose
// font is taller than the printer's keeps the printer's lines on its pages.
int lineHeightToFit(int lineHeight, int room, int lines);

// The band of page `page` (from 0) in the strip, and its top margin line.
int bandTop(int page, int pageLength, int dpiY);
int bandBottom(int page, int pageLength, int dpiY);
int pageTopOf(int page, int pageLength, int dpiY, int topMargin);

// The sheet a page is printed on: 11 inches of Letter, or the 297 mm of A4, which is shorter
// than the 12-inch band an A4 page takes in the strip.
int sheetLength(int pageLength, int dpiY);

// The part of page `page` (from 0) that text may take: from the top of its band to half an inch
// above the foot of its sheet, which every printer prints.
struct PrintableBand {
    int top = 0;
    int bottom = 0;
};
PrintableBand printableBand(int page, int pageLength, int dpiY);

// Pages of a report of `rows` rows: rows / linesPerPage + 1 + the extras the report names.
int pageCountFor(int rows, int linesPerPage, int extraPages = 0);

// The layout of page 0 from all of the above: reads the surface, selects the text font on it to
// measure.
ReportPage beginReport(Surface& surface, const ReportFonts& fonts, const PageSettings& s);
// Moves `page` to page `index` (from 0).
void setPageIndex(ReportPage& page, int index);
int rowY(const ReportPage& page, int row);

// Selects a report font on the surface, made for it.
void selectReportFont(Surface& surface, FontRole role, const ReportFonts& fonts,
                      const ReportPage& page, const PageSettings& s);

// Scroll sizes of the report mode, in screen units.
struct ScrollSizes {
    int totalWidth = 0;
    int totalHeight = 0;
    int pageX = 0;
    int pageY = 0;
    int lineX = 0;
    int lineY = 0;

    friend bool operator==(const ScrollSizes&, const ScrollSizes&) = default;
};
ScrollSizes reportScrollSizes(int pageLength, int pageWidth, int pageCount, int screenDpiX,
                              int screenDpiY);

// Printing page `page` (from 1): the clip of its band and how far the origin moves up.
struct PrintBand {
    Rect clip;
    int originShift = 0;

    friend bool operator==(const PrintBand&, const PrintBand&) = default;
};
PrintBand printBand(int page, int dpiX, int dpiY, int pageLength, int pageWidth);
// The page length while printing: 12 inches once a job went to A4 paper.
int printPageLength(bool isA4);

}  // namespace zelvo::reports
