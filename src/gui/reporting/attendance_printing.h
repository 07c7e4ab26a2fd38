// The attendance record's one printed page: on the default printer (through the print dialog,
// unless the printer is a PDF printer), or with no printer into a PDF file the user chooses.
#pragma once

class QWidget;

namespace zelvo {
class CZelvoDoc;
class UserPrompts;
}  // namespace zelvo

namespace zelvo::reports {
class ReportFonts;
class ViewState;
}  // namespace zelvo::reports

namespace zelvo::gui {

void printAttendanceRecord(QWidget* parent, const CZelvoDoc& doc, const reports::ReportFonts& fonts,
                           const reports::ViewState& state, UserPrompts& prompts);

}  // namespace zelvo::gui
