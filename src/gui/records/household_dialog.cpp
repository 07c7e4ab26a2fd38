// Placeholder until the dialog lands.
#include "gui/records/household_dialog.h"

namespace zelvo::gui {

bool runHouseholdDialog(QWidget*, CZelvoDoc&, UserPrompts&, PublisherRecord&, int) { return false; }

}  // namespace zelvo::gui
