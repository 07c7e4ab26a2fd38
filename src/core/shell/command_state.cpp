#include "shell/command_state.h"

#include "store/cp1253.h"
#include "store/zelvo_doc.h"

namespace zelvo::shell {

CommandState commandState(const CZelvoDoc& doc, ViewMode mode) {
    CommandState s;
    s.monthCopyOpen = doc.calendar.viewingPrevious != 0;
    s.modified = doc.isModified();
    s.recordCount = doc.recordCount();
    s.deletedCount = static_cast<int>(doc.kindLists[kDeleted].size());
    s.viewMode = mode;
    s.customCategoryEnabled = doc.settings.customCategoryEnabled != 0;
    s.customCategoryName = cp1253::toUtf8(doc.settings.customCategoryName);
    s.noticeOff = doc.settings.noticeOff == 1;
    s.previousMask = doc.previousMask;
    s.liveReportMonth = doc.calendar.liveReportMonth;
    s.reportMonth = doc.calendar.reportMonth;
    s.lateReportsToDelete = doc.lateReportDeleteEnabled;
    return s;
}

}  // namespace zelvo::shell
