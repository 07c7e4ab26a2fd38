// The two group choosers: for a publisher (the members of each group beside the list) and for a
// task (the group captions, with the two printing buttons when the caller asks for them).
#pragma once

#include <optional>

#include "records/group_chooser_model.h"

class QWidget;

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::gui {

// The group of a publisher: preset to `current` (none when 0 or above 20). The chosen number on
// OK, nothing on Cancel.
std::optional<int> choosePublisherGroup(QWidget* parent, const CZelvoDoc& doc, int current);

// What the task chooser returns: Chosen with the group on OK, PrintAll, PrintOne with the group,
// or Cancelled.
using TaskGroupChoice = zelvo::TaskGroupChoice;

// A group for a task: preset to `preset`; with `printButtons` the "all groups" and "this group"
// printing buttons are offered too.
TaskGroupChoice chooseTaskGroup(QWidget* parent, const CZelvoDoc& doc, int preset,
                                bool printButtons);

}  // namespace zelvo::gui
