// `zelvo-cli report`: one report drawn at printer resolution, printed as text lines per page, as
// JSON, or written to a PDF file.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "store/calendar.h"

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::cli {

enum class ReportOutput { Text, Json, Pdf };

struct ReportRequest {
    int kind = 0;
    int group = 0;  // 0 = none given
    bool a4 = false;
    ReportOutput output = ReportOutput::Text;
    std::string pdfFile;
    Date today;
};

// The request of the command line: KIND must name a built report, exactly one output must be
// chosen, and --group goes with the group variants only. Writes what is wrong to `err`.
std::optional<ReportRequest> reportRequest(const std::string& kind, std::optional<int> group,
                                           bool a4, bool text, bool json,
                                           const std::optional<std::string>& pdfFile,
                                           std::ostream& err);

// Draws the report of the loaded `doc` and writes it out; returns the exit code.
int printReport(CZelvoDoc& doc, const ReportRequest& request, std::ostream& out, std::ostream& err);

}  // namespace zelvo::cli
