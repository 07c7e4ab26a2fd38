// Placeholder until the dialogs land.
#include "gui/records/group_choosers.h"

namespace zelvo::gui {

std::optional<int> choosePublisherGroup(QWidget*, const CZelvoDoc&, int) { return {}; }
TaskGroupChoice chooseTaskGroup(QWidget*, const CZelvoDoc&, int, bool) { return {}; }

}  // namespace zelvo::gui
