// What the printing commands (report, cards) share: the application object Qt's PDF path needs,
// and the JSON form of what a recording surface drew, in inches from each page's top.
#pragma once

#include <memory>
#include <ostream>
#include <string_view>
#include <vector>

#include "reports/recording_surface.h"

class QGuiApplication;

namespace zelvo::cli {

class JsonWriter;

// A QGuiApplication for the PDF writer (offscreen without a display), unless one exists.
std::unique_ptr<QGuiApplication> guiApplicationForPdf();

double inches(int units, int dpi);
std::string_view alignName(reports::Align a);

// A drawn text on its page (from 0), y from the page's top.
struct PageItem {
    int page = 0;
    int y = 0;
    const reports::RecordedText* text = nullptr;
};

// The drawn texts (empty ones left out) in reading order, page by page: the recorded page, cut by
// `band` device units of y when a routine draws one long strip (0: none).
std::vector<PageItem> pageItems(const reports::RecordingSurface& surface, int band);

// The text of the pages: a line "page N", then one line per baseline, its items separated by tabs.
void writeTextPages(const std::vector<PageItem>& items, int pages, std::ostream& out);

// The key "texts" and every item {page, x, y, align, font, text}; a fixed-pitch text names
// `fixedFace`.
void writeTexts(JsonWriter& json, const std::vector<PageItem>& items,
                const reports::RecordingSurface& surface, std::string_view fixedFace);

// The key "lines" and every line drawn, {page, x1, y1, x2, y2}: the page from 1, taken from the
// recorded page, or by `band` device units of y when a routine draws one long strip (0: none).
void writeLines(JsonWriter& json, const reports::RecordingSurface& surface, int band);

}  // namespace zelvo::cli
