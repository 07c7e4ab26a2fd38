// The branch-report totals of the report month, by category (pioneer kind 0-3).
#pragma once

namespace zelvo {

class CZelvoDoc;

// Fills doc.reportTotals for the report month and, while its collection is open, copies them
// into the month's history (monthTotals). With `excludeMarked`, special full-time servants and
// field missionaries are left out.
void computeBranchTotals(CZelvoDoc& doc, bool excludeMarked);

}  // namespace zelvo
