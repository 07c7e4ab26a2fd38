#include "gui/reports/report_pdf.h"

namespace zelvo::gui {

bool writeReportPdf(CZelvoDoc& doc, const ReportPdfRequest& request, std::string& error) {
    (void)doc;
    (void)request;
    error = "PDF output is not built yet";
    return false;
}

}  // namespace zelvo::gui
