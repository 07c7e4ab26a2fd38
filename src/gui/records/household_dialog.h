// The household dialog (146): the head and the members living with them, over
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
// household from here has the link of `working` cleared too. True when something changed.
bool runHouseholdDialog(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts,
                        PublisherRecord& working, int editedRow);

class HouseholdDialog : public QDialog {
    Q_OBJECT
public:
    HouseholdDialog(CZelvoDoc& doc, PublisherRecord& working, int editedRow,
                    QWidget* parent = nullptr);
    bool changed() const { return changed_; }

private:
    CZelvoDoc& doc_;
    PublisherRecord& working_;
    records::HouseholdModel model_;
    PickListWidget* list_;
    QPushButton* add_;
    QPushButton* remove_;
    bool changed_ = false;

    void onAdd();
    void onRemove();
    void showModel();
};

}  // namespace zelvo::gui
