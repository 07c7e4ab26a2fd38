// A report written to a PDF file through the printing path (one band per page), with no printer.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "reports/report_font.h"
#include "store/calendar.h"

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::render {

struct ReportPdfRequest {
    int kind = 1;
    int group = 0;
    bool a4 = false;
    std::string path;  // the PDF file to write
    Date today;        // the date printed on the pages when the settings ask for it
};

// Told after each page: the job (from 1) of `jobs` (one per group), the pages of that job
// written so far and its pages. False cancels the file once that page is done.
using PdfProgress = std::function<bool(int job, int jobs, int pagesWritten, int pagesInJob)>;

// What the desktop program adds to a request.
struct PdfOptions {
    std::vector<int> groups;                      // the report of each group in turn, one file
    const reports::ReportFonts* fonts = nullptr;  // the view's; none: the settings file's
    PdfProgress progress;
};

// Draws the report into `request.path`. The file appears whole or not at all: the PDF is made in
// memory and written atomically, so a cancelled or failed one leaves nothing behind (nor
// changes a file of that name already there). False with `error` (Greek, for the user) when the
// file could not be written, the kind has no drawing routine yet, or the progress cancelled it
// (`res::kPdfCancelled`). Needs a QGuiApplication.
bool writeReportPdf(CZelvoDoc& doc, const ReportPdfRequest& request, std::string& error,
                    const PdfOptions& options = {});

}  // namespace zelvo::render
