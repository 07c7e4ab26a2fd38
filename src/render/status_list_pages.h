// Status lists on paper: each list's pages on a printer or in a PDF file, drawn by the report
// surface's routine, so what is printed and what is written to PDF are one drawing.
#pragma once

#include <string>
#include <vector>

#include "reporting/status_list_model.h"
#include "reports/report_font.h"
#include "store/calendar.h"

class QPagedPaintDevice;
class QPainter;

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::render {

// The fonts of the settings file, scaled for paper as the report view's are.
reports::ReportFonts statusListFonts(const CZelvoDoc& doc);

// Draws `list` on `device` (the painter active on it), from a new page when `afterPage`. False
// when the device would not start a page.
bool printStatusList(const CZelvoDoc& doc, const reports::ReportFonts& fonts,
                     const reporting::StatusPrintout& list, const Date& today,
                     QPagedPaintDevice& device, QPainter& painter, bool afterPage = false);

// The lists one after another in one PDF file, each from a new page; written atomically. False
// with `error` (Greek) when it could not be written.
bool writeStatusListPdf(const CZelvoDoc& doc, const std::vector<reporting::StatusPrintout>& lists,
                        const std::string& path, const Date& today, std::string& error);

}  // namespace zelvo::render
