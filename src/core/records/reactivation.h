// Bringing a person back to the active list: reactivation from the inactive list and restoring
// a deleted row.
#pragma once

namespace zelvo {

class CZelvoDoc;

// The person of `row` (inactive) becomes a publisher again, reactivated in month index
// `monthIndex` (a month after the report month belongs to the year before). The reports of the
// months of inactivity, back from the reactivation month to the month after becoming inactive,
// at most 24, are cleared.
void reactivatePublisher(CZelvoDoc& doc, int row, int monthIndex);

// The deleted person of `row` becomes a publisher again, marked reactivated in `monthIndex`;
// no report is cleared.
void restoreDeletedPublisher(CZelvoDoc& doc, int row, int monthIndex);

// The four-digit year of an inactive person's statusFlags2.
int inactiveYear(int code);

}  // namespace zelvo
