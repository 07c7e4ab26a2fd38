// What the menus, the toolbar and the dashboard look at to enable, check and name commands,
// taken from the data store and the view in one place.
#pragma once

#include <string>

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::shell {

// The two modes of the view: the dashboard, or a report in place of it.
enum class ViewMode { Dashboard = 1, Report = 2 };

struct CommandState {
    bool monthCopyOpen = false;
    bool modified = false;
    int recordCount = 1;  // rows of the publisher table, the header row included
    int deletedCount = 0;
    ViewMode viewMode = ViewMode::Dashboard;
    bool customCategoryEnabled = false;
    std::string customCategoryName;  // UTF-8
    bool noticeOff = false;
    int previousMask = 0;     // bit k: the month copy of k months back exists
    int liveReportMonth = 0;  // month index of the live data's report month
    int reportMonth = 0;      // month index of the data shown (a month copy's while one is open)
    bool lateReportsToDelete = false;
};

CommandState commandState(const CZelvoDoc& doc, ViewMode mode);

}  // namespace zelvo::shell
