// Bringing a person back to the active list: reactivation from the inactive list and restoring
// a deleted row.
#pragma once

#include <cstdint>

namespace zelvo {

class CZelvoDoc;

// The person of `row` (inactive; any other kind is left alone) becomes a publisher again,
// reactivated in month index `monthIndex` (a month after the report month belongs to the year
// before). The reports of the months of inactivity, back from the reactivation month to the month
// after becoming inactive, at most 24, are cleared.
void reactivatePublisher(CZelvoDoc& doc, int row, int monthIndex);

// The deleted person of `row` (any other kind is left alone) becomes a publisher again, marked
// reactivated in `monthIndex`; no report is cleared.
void restoreDeletedPublisher(CZelvoDoc& doc, int row, int monthIndex);

// The year of becoming inactive as an inactive person's statusFlags2 holds it: codes 0-200 are
// the years 2000-2200, codes 201-255 the years 1945-1999. A year outside 1945-2200 is clamped.
int inactiveYear(int code);
std::uint8_t inactiveYearCode(int year);

}  // namespace zelvo
