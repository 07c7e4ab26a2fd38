// A status list on paper: the list's title over every page, the group (or the congregation)
// under it, the column headings, then one line per person at the list's tab stops.
#pragma once

#include "reporting/status_list_model.h"
#include "reports/report_routines.h"

namespace zelvo::reports {

// Draws the whole list as a strip of pages and sets context.pageCount.
void drawStatusList(const reporting::StatusPrintout& list, Surface& surface,
                    ReportContext& context);

}  // namespace zelvo::reports
