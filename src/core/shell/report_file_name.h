// The file name "Αποθήκευση ως PDF…" offers for a report.
#pragma once

#include <span>
#include <string>

#include "reports/report_kind.h"

namespace zelvo::shell {

// The report's title, its group or groups ("#3", "#1-8") and the report month, with ".pdf":
// "Σκαπανείς - Όμιλοι Νοέμβριος 2026.pdf". `reportMonth` is 0-11, `reportYear` two digits.
// Characters a file name cannot hold on any system the folder may be copied to become "-".
std::string reportPdfName(reports::ReportKind kind, std::span<const int> groups, int reportMonth,
                          int reportYear);

}  // namespace zelvo::shell
