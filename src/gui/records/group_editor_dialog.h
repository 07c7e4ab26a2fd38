// The group editor (Edit > Όμιλοι Υπηρεσίας Αγρού): the twenty groups as rows with their
// overseer, assistant, place, day and time at tab stops, the edit button of the selected group,
// the assignment of publishers and "Έγινε", which recounts the groups in use.
#pragma once

#include <QDialog>

#include "records/group_editor_model.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace zelvo::gui {

class GroupEditorDialog : public QDialog {
    Q_OBJECT
public:
    GroupEditorDialog(records::GroupEditorModel& model, QWidget* parent = nullptr);

    // True once the dialog closed with the data changed.
    bool changed() const { return changed_; }

    // Escape and the close box end the editor as "Έγινε" does: what the details stored is kept,
    // so the groups in use are counted again either way.
    void reject() override;

private:
    records::GroupEditorModel& model_;
    QListWidget* rows_;
    QLabel* note_;
    QPushButton* edit_;
    QPushButton* assign_;
    bool changed_ = false;

    void refresh();
    void onEdit();
    void onAssign();
    void finish();
};

// The command EditGroups. True when the data changed.
bool runGroupEditor(QWidget* parent, CZelvoDoc& doc);

}  // namespace zelvo::gui
