// Placeholder until the dialog lands.
#include "gui/records/status_dialog.h"

namespace zelvo::gui {

bool runStatusDialog(QWidget*, const CZelvoDoc&, PublisherRecord&, const std::string&,
                     const std::string&) {
    return false;
}

}  // namespace zelvo::gui
