// The household dialog: the head and the members living with them.
#pragma once

class QWidget;

namespace zelvo {
class CZelvoDoc;
class UserPrompts;
struct PublisherRecord;
}  // namespace zelvo

namespace zelvo::gui {

// Opened from the details of `working` (the person at `editedRow`). A member who leaves the
// household from here has the link of `working` cleared too. True when something changed.
bool runHouseholdDialog(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts,
                        PublisherRecord& working, int editedRow);

}  // namespace zelvo::gui
