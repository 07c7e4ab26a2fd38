// A report written to a PDF file through the printing path (one band per page), with no printer.
#pragma once

#include <string>

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

// Draws the report into `request.path`. False with `error` (Greek, for the user) when the file
// could not be written or the kind has no drawing routine yet. Needs a QGuiApplication.
bool writeReportPdf(CZelvoDoc& doc, const ReportPdfRequest& request, std::string& error);

}  // namespace zelvo::render
