// The moves between the active, inactive, moved and deleted lists as the dialogs run them: a
// refusal is told in one line, then the question or the month chooser, then the move. Cancelling
// either changes nothing. Each returns true when the person changed list (or is gone).
#pragma once

class QWidget;

namespace zelvo {
class CZelvoDoc;
class UserPrompts;
}  // namespace zelvo

namespace zelvo::gui {

bool askMoveToInactive(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts, int row);
bool askReactivate(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts, int row);
bool askRestore(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts, int row);
bool askMoveAway(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts, int row);
bool askUndoMove(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts, int row);
// "Θέλεις αλήθεια να διαγράψεις …;" (OK / Cancel), then the record is deleted for good.
bool askDeleteForever(CZelvoDoc& doc, UserPrompts& prompts, int row);

}  // namespace zelvo::gui
