// The branch-report totals of the report month, by category (pioneer kind 0-3). They belong to
// the store: the load computes them, and the save computes them again before it writes the
// month's history (zcard.dat).
#pragma once

namespace zelvo {

class CZelvoDoc;

// Fills doc.reportTotals for the report month and, while its collection is open, copies them
// into the month's history (monthTotals). With `excludeMarked`, special full-time servants and
// field missionaries are left out.
void computeBranchTotals(CZelvoDoc& doc, bool excludeMarked);

}  // namespace zelvo
