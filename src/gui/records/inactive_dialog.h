// The inactive dialog: the inactive people on the left, the active publishers without a report
// for six months on the right; moving to the inactive list, reactivating, removing and editing.
// Its deleted-list form shows the deleted people only: restoring, deleting for good, editing.
#pragma once

#include "gui/records/person_lists_dialog.h"
#include "records/person_lists.h"

namespace zelvo::gui {

class InactiveDialog : public PersonListsDialog {
    Q_OBJECT
public:
    using Form = records::InactiveListsModel::Form;
    InactiveDialog(CZelvoDoc& doc, UserPrompts& prompts, Form form, QWidget* parent = nullptr);

private:
    records::InactiveListsModel model_;
    QPushButton* period_;
    QPushButton* action_;
    QPushButton* delete_;
    QPushButton* edit_;
    QPushButton* close_;

    void refresh() override;
    void onAction() override;
    void onDelete();
    void onEdit();
    bool deletedForm() const { return model_.form() == Form::Deleted; }
};

// The commands EditInactive and EditDeleted. True when something changed.
bool runInactiveDialog(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts,
                       InactiveDialog::Form form);

}  // namespace zelvo::gui
