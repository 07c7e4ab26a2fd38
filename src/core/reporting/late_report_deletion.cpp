#include "reporting/late_report_deletion.h"

#include <string>

#include "resources/strings.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo::reporting {

void enableLateReportDeletion(CZelvoDoc& doc) {
    if (!doc.lateReports.empty()) doc.lateReportDeleteEnabled = true;
}

bool deleteLateReports(CZelvoDoc& doc, UserPrompts& prompts) {
    const std::string question =
        res::format(res::kDeleteLateReportsQuestion, std::to_string(doc.lateReports.size()));
    if (!prompts.askOkCancel(question)) return false;
    doc.lateReports.clear();
    doc.lateReportDeleteEnabled = false;
    doc.markModified();
    return true;
}

}  // namespace zelvo::reporting
