// The publisher picker (and the students picker), and the single-person picker.
#pragma once

#include <optional>

class QWidget;

namespace zelvo {
class CZelvoDoc;
class UserPrompts;
}  // namespace zelvo

namespace zelvo::gui {

// Commands 32768 and 32839: the picker over the active list or the students list, with adding
// and editing. True when the data changed while it was open.
bool runPublisherPicker(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts, bool students);

// The picker as a chooser of an active publisher ("Ακύρωση" / "Επιλογή"): the chosen row.
std::optional<int> choosePublisherRow(QWidget* parent, const CZelvoDoc& doc);

}  // namespace zelvo::gui
