// Record cards written to a PDF file, one page per card, with no printer.
#pragma once

#include <functional>
#include <string>

#include "reports/surface.h"

namespace zelvo::render {

// After each card: how many are drawn of how many. False stops the writing.
using CardProgress = std::function<bool(int done, int cards)>;

// Draws card `card` (from 0) on the surface, at the page's top.
using CardDrawer = std::function<void(reports::Surface& surface, int card)>;

// Draws `cards` cards, each on a page of its own, into `path`. The file appears whole or not at
// all. False with `error` (Greek, for the user) when it could not be written, or when
// `progress` stopped it (`res::kPdfCancelled`). Needs a QGuiApplication.
bool writeCardPagesPdf(bool a4, int cards, const CardDrawer& draw, const std::string& path,
                       std::string& error, const CardProgress& progress = {});

}  // namespace zelvo::render
