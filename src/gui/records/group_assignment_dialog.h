// The assignment of publishers to a field service group: the group numbers, the group's members
// with their counts, and the candidates (narrowed by a group or to the unassigned) that
// "<<< Διορισμός <<<" puts into the group.
#pragma once

#include <QDialog>

#include "records/group_assignment_model.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace zelvo::gui {

class TypeAheadListWidget;

class GroupAssignmentDialog : public QDialog {
    Q_OBJECT
public:
    GroupAssignmentDialog(records::GroupAssignmentModel& model, QWidget* parent = nullptr);

    // Some publisher changed group while the dialog was open.
    bool changed() const { return changed_; }

private:
    records::GroupAssignmentModel& model_;
    QListWidget* groups_;
    QListWidget* members_;
    QLabel *memberCount_, *inactiveCount_, *name_, *target_;
    QCheckBox* inactive_;
    QComboBox* filter_;
    QCheckBox* unassigned_;
    TypeAheadListWidget* candidates_;
    QPushButton* assign_;
    bool changed_ = false;

    void refresh();
};

// Opens the assignment on `group`. True when some publisher changed group.
bool runGroupAssignment(QWidget* parent, CZelvoDoc& doc, int group);

}  // namespace zelvo::gui
