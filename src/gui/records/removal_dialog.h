// The removal dialog ("Διαγραφή"): a person leaves for good, or goes to the deleted list with the
// month and year of leaving. Over records::RemovalModel.
#pragma once

#include <QDialog>

#include "records/person_lists.h"

class QComboBox;
class QRadioButton;

namespace zelvo {
class CZelvoDoc;
class UserPrompts;
}  // namespace zelvo

namespace zelvo::gui {

class RemovalDialog : public QDialog {
    Q_OBJECT
public:
    RemovalDialog(records::RemovalModel& model, QWidget* parent = nullptr);

private:
    records::RemovalModel& model_;
    QRadioButton* permanent_;
    QRadioButton* temporary_;
    QComboBox* month_;
    QComboBox* year_;

    void refresh();
};

// Asks how the person of `row` leaves and carries it out. True when the person left the list
// (gone, or in the deleted list); a full deleted list is told and changes nothing.
bool runRemoval(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts, int row);

}  // namespace zelvo::gui
