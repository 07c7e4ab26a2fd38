// The household dialog: the head and the members living with them, over
// records::HouseholdModel.
#pragma once

#include <QDialog>

#include "records/household_model.h"

class QPushButton;

namespace zelvo {
class CZelvoDoc;
class UserPrompts;
struct PublisherRecord;
}  // namespace zelvo

namespace zelvo::gui {

class PickListWidget;

// Opened from the details of `working` (the person at `editedRow`). A member who leaves the
// household from here has the link of `working` cleared too. A head being added keeps the
// members chosen in `newMembers` until it is stored. True when something changed.
bool runHouseholdDialog(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts,
                        PublisherRecord& working, int editedRow,
                        records::NewMembers* newMembers = nullptr);

class HouseholdDialog : public QDialog {
    Q_OBJECT
public:
    HouseholdDialog(CZelvoDoc& doc, PublisherRecord& working, int editedRow,
                    records::NewMembers* newMembers = nullptr, QWidget* parent = nullptr);
    bool changed() const { return model_.changedTable(); }

private:
    CZelvoDoc& doc_;
    PublisherRecord& working_;
    records::HouseholdModel model_;
    PickListWidget* list_;
    QPushButton* add_;
    QPushButton* remove_;

    void onAdd();
    void onRemove();
    void showModel();
};

}  // namespace zelvo::gui
