// Moving the live report month within a session (the collection start chooses another month):
// what the load derives from the report month is derived again for the new one.
#pragma once

namespace zelvo {

class CZelvoDoc;

// Makes (`month`, two-digit `year`) the live report month. When the month differs, the late-report
// list goes into the rows' marks of the old month (as a save puts it) and is rebuilt from them for
// the new one, the last entered person is taken as the load takes it, and the branch totals and
// the month copies of the previous-reports menu are computed again. Nothing is read or written.
void changeReportMonth(CZelvoDoc& doc, int month, int year);

}  // namespace zelvo
