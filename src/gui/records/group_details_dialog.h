// The details of one field service group: overseer and assistant (typed, or chosen from the
// publisher picker), place, day, time and the group's own label name; from here the group's
// publishers are assigned too.
#pragma once

#include <QDialog>

#include "records/group_editor_model.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::gui {

class GroupDetailsDialog : public QDialog {
    Q_OBJECT
public:
    GroupDetailsDialog(records::GroupDetailsModel& model, CZelvoDoc& doc,
                       QWidget* parent = nullptr);

    // Publishers were assigned from here (kept even when the details are cancelled).
    bool assigned() const { return assigned_; }

private:
    records::GroupDetailsModel& model_;
    CZelvoDoc& doc_;
    QLineEdit *overseer_, *assistant_, *place_, *time_, *label_;
    QComboBox* day_;
    QCheckBox* useLabel_;
    bool assigned_ = false;

    void refresh();
    void chooseName(bool overseer);
};

// The edit button of the group editor: the details of `group`. True when something changed (the
// details stored or publishers assigned).
bool runGroupDetails(QWidget* parent, CZelvoDoc& doc, int group);

}  // namespace zelvo::gui
