// The late-report list: reports handed in after their month, counted in the report month. The
// list itself is not saved; the rows' countedInMonth marks carry it from one run to the next.
#pragma once

namespace zelvo {

class CZelvoDoc;

// Enters a late report of `row` for month index `month`, counted in the report month. An earlier
// entry of the same person and month is taken out (the later ones move up), so the list keeps
// one entry per person and month. A new entry while the list holds 250 is not kept.
void addLateReport(CZelvoDoc& doc, int row, int month);
// Whether the list has an entry of `row` for `month`.
bool isLateReport(const CZelvoDoc& doc, int row, int month);
// The entries of `row`.
int lateReportCount(const CZelvoDoc& doc, int row);
// For entry `entryIndex`, when it is `row`'s: its month index + 1 when that month holds any
// report value, quarter hours or the took-part mark; else 0 (also for another person's entry).
int lateReportHasData(const CZelvoDoc& doc, int entryIndex, int row);

// Late reports are taken for the eleven months before the report month.
inline constexpr int kLateMonths = 11;

// The load's list: for each of the eleven months before the report month, every publisher whose
// countedInMonth there names the report month; at most 250 entries, as many as the list holds.
void rebuildLateReports(CZelvoDoc& doc);
// The save's marks: countedInMonth naming the report month is cleared everywhere and set again
// from the list.
void setLateReportMarks(CZelvoDoc& doc);

}  // namespace zelvo
