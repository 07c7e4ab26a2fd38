// The moved dialog ("Μετακόμισαν"): the people who moved away on the left, on the right the
// active publishers without a report in the report month (or, with the tick, the inactive
// people); moving away, undoing a move and deleting for good.
#pragma once

#include "gui/records/person_lists_dialog.h"
#include "records/person_lists.h"

class QCheckBox;

namespace zelvo::gui {

class MovedDialog : public PersonListsDialog {
    Q_OBJECT
public:
    MovedDialog(CZelvoDoc& doc, UserPrompts& prompts, QWidget* parent = nullptr);

private:
    records::MovedListsModel model_;
    QCheckBox* inactive_;
    QPushButton* period_;
    QPushButton* action_;
    QPushButton* undo_;
    QPushButton* done_;

    void refresh() override;
    void onAction() override;
    void onUndo();
};

// The command EditMoved. True when something changed.
bool runMovedDialog(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts);

}  // namespace zelvo::gui
