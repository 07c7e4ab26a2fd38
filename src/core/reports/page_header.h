// The standard page header most report routines draw at the top of every page, the column
// headings and the grid frame of the grid-lines option.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "reports/page_model.h"
#include "reports/report_font.h"
#include "reports/surface.h"
#include "store/calendar.h"

namespace zelvo::reports {

struct HeaderOptions {
    bool printDate = false;  // the print-date option of the layout options
    Date today;
    std::string_view languageWord = "greek";
    int dateStampX = -1;  // right edge of the stamp; -1 for 7.5 inches
};

// "Τυπώθηκε" and the date: " d/m/yyyy" in the Greek edition, " d Month yyyy" in others.
std::string printedDateText(const Date& today, std::string_view languageWord);

// Title at (left, pageTop - dpiY/5), the date stamp when printing and asked for, subtitle at
// (left, pageTop + lineHeight/2).
void drawPageHeader(Surface& surface, const ReportPage& page, const ReportFonts& fonts,
                    const PageSettings& settings, const HeaderOptions& options);

// "Όνομα" at the left margin and each heading right-aligned at its column edge, on line 2.
void drawColumnHeadings(Surface& surface, const ReportPage& page, const ReportFonts& fonts,
                        const PageSettings& settings, std::span<const std::string_view> headings,
                        std::span<const int> rightEdges);

// The five report-value headings.
std::span<const std::string_view> reportValueHeadings();

inline constexpr int kFirstRowLine = 4;  // rows begin at line 4 of a page

struct GridFrame {
    int top = 0;
    int left = 0;
    int rowHeight = 0;
    int rowCount = 0;
    std::vector<int> columns;  // x of each column line, the last the right edge
};

// A frame for `rowCount` rows from row line `firstRow`: a twentieth of a line above the row and
// dpiX/20 left of the margin.
GridFrame gridFrameFor(const ReportPage& page, int firstRow, int rowCount,
                       std::vector<int> columns);

// Outer rectangle, a line between rows and one at each column, solid pen 2 units wide.
void drawGrid(Surface& surface, const GridFrame& grid);

}  // namespace zelvo::reports
