// What the printing commands (report, cards) share: the application object Qt's PDF path needs,
// and the JSON form of what a recording surface drew, in inches from each page's top.
#pragma once

#include <memory>
#include <string_view>

#include "reports/recording_surface.h"

class QGuiApplication;

namespace zelvo::cli {

class JsonWriter;

// A QGuiApplication for the PDF writer (offscreen without a display), unless one exists.
std::unique_ptr<QGuiApplication> guiApplicationForPdf();

double inches(int units, int dpi);
std::string_view alignName(reports::Align a);

// The key "lines" and every line drawn, {page, x1, y1, x2, y2}: the page from 1, taken from the
// recorded page, or by `band` device units of y when a routine draws one long strip (0: none).
void writeLines(JsonWriter& json, const reports::RecordingSurface& surface, int band);

}  // namespace zelvo::cli
