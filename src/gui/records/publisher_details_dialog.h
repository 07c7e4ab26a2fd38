// The details dialog of a publisher or a student, over PublisherDetailsModel.
#pragma once

#include <QDialog>
#include <vector>

#include "records/publisher_details_model.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zelvo {
class CZelvoDoc;
class UserPrompts;
}  // namespace zelvo

namespace zelvo::gui {

class DateListsWidget;

struct DetailsOutcome {
    bool changed = false;  // something reached the table
    int currentId = 0;     // the person shown last (for the picker's selection); 0 when none
};

// Opens the details of the person with `id` among `listIds` (the picker's entries, in order:
// Previous and Next move along them, wrapping), or of a new person when `id` is 0. `student`
// opens the student variant.
DetailsOutcome runPublisherDetails(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts,
                                   bool student, const std::vector<int>& listIds, int id);

// Opens the details of one person of the inactive or deleted list (`variant` Inactive or
// Deleted), with no paging.
DetailsOutcome runPersonDetails(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts,
                                records::PublisherDetailsModel::Variant variant, int id);

// The record remembered by "Αντιγραφή" for the whole session.
records::DetailsClipboard& detailsClipboard();

class PublisherDetailsDialog : public QDialog {
    Q_OBJECT
public:
    PublisherDetailsDialog(records::PublisherDetailsModel& model, CZelvoDoc& doc,
                           UserPrompts& prompts, QWidget* parent = nullptr);

    // Something reached the table or the files (also through the dialogs opened from here).
    bool changedSomething() const;
    bool personDeleted() const { return deleted_; }

    // Escape and the close box: with changes, the save question first (Yes stores as OK does,
    // No discards, Cancel stays). "Ακύρωση" discards without asking.
    void reject() override;

protected:
    // Enter moves to the next control unless the focus is on OK.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    records::PublisherDetailsModel& model_;
    CZelvoDoc& doc_;
    UserPrompts& prompts_;
    bool sideChanges_ = false;
    bool deleted_ = false;

    QLineEdit *firstName_, *lastName_, *address_, *phoneHome_, *phoneMobile_, *phoneWork_, *email_;
    QPushButton *fullName_, *emergency_, *needs_;
    QLabel* namesNote_;
    QLabel *birthLabel_, *baptismLabel_, *datesNote_;
    DateListsWidget *birth_, *baptism_, *consentDate_;
    QCheckBox* consent_;
    QCheckBox *male_, *female_, *baptized_, *servant_, *elder_;
    QCheckBox *regular_, *special_, *continuousAux_, *fullTimeServant_, *fieldMissionary_;
    QCheckBox *anointed_, *customCategory_, *headOfFamily_;
    QPushButton *status_, *privileges_, *group_, *household_;
    // The month and year of becoming inactive or of the deletion.
    QGroupBox* statusGroup_;
    QComboBox *statusMonth_, *statusYear_;
    QLabel* conductor_;
    QPushButton* conductorButton_;
    QPushButton *copy_, *clear_, *delete_, *previous_, *next_, *ok_, *cancel_;

    QWidget* buildIdentity();
    QWidget* buildDates();
    QWidget* buildTicks();
    QWidget* buildStatusGroup();
    QLayout* buildButtons();
    void setTabOrderOfForm();
    void keepOneWidth();
    void connectControls();
    void refresh();

    void onOk();
    void onStatus();
    void onPrivileges();
    void onGroup();
    void onHousehold();
    void onConductor();
    void onDelete();
    void onMove(bool forward);
};

}  // namespace zelvo::gui
