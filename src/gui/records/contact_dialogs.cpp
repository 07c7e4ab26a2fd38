// Placeholder until the dialogs land.
#include "gui/records/contact_dialogs.h"

namespace zelvo::gui {

bool editEmergencyContact(QWidget*, CZelvoDoc&, UserPrompts&, PublisherRecord&, int) {
    return false;
}
bool editFullNameAndNeed(QWidget*, CZelvoDoc&, UserPrompts&, PublisherRecord&, ContactExtra&, int,
                         bool) {
    return false;
}

}  // namespace zelvo::gui
