// Placeholder until the dialog lands.
#include "gui/records/publisher_details_dialog.h"

namespace zelvo::gui {

DetailsOutcome runPublisherDetails(QWidget*, CZelvoDoc&, UserPrompts&, bool,
                                   const std::vector<int>&, int) {
    return {};
}

}  // namespace zelvo::gui
