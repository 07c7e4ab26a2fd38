// Placeholder until the dialogs land.
#include "gui/records/publisher_picker.h"

namespace zelvo::gui {

bool runPublisherPicker(QWidget*, CZelvoDoc&, UserPrompts&, bool) { return false; }
std::optional<int> choosePublisherRow(QWidget*, const CZelvoDoc&) { return {}; }

}  // namespace zelvo::gui
