// The chooser of a shared emergency contact or special need.
#pragma once

#include <optional>

class QWidget;

namespace zelvo {
struct SharedRecordChoice;
}

namespace zelvo::gui {

// Lists `choice` with its preselected entry; the chosen record's key on OK, nothing on Cancel.
std::optional<int> chooseSharedRecord(QWidget* parent, const SharedRecordChoice& choice);

}  // namespace zelvo::gui
