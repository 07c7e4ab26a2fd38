// The publisher picker ("Επιλογή Ευαγγελιζομένου") and the students picker, with
// adding and editing; the same picker as a chooser of a publisher.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

#include "gui/records/publisher_details_dialog.h"
#include "records/publisher_picker_model.h"

class QPushButton;

namespace zelvo {
class CZelvoDoc;
class UserPrompts;
}  // namespace zelvo

namespace zelvo::gui {

class PickListWidget;

// The commands EditPublishers and EditStudents: the picker over the active list or the students
// list, with adding and editing. True when the data changed while it was open.
bool runPublisherPicker(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts, bool students);

// The picker as a chooser of an active publisher ("Ακύρωση" / "Επιλογή"): the chosen row.
std::optional<int> choosePublisherRow(QWidget* parent, const CZelvoDoc& doc);

class PublisherPickerDialog : public QDialog {
    Q_OBJECT
public:
    // How the details dialog is opened (runPublisherDetails; tests put their own in its place).
    using DetailsOpener = std::function<DetailsOutcome(QWidget*, CZelvoDoc&, UserPrompts&, bool,
                                                       const std::vector<int>&, int)>;

    // Editing and adding publishers or students.
    PublisherPickerDialog(CZelvoDoc& doc, UserPrompts& prompts, bool students,
                          QWidget* parent = nullptr, DetailsOpener details = runPublisherDetails);
    // Choosing a publisher: nothing is changed.
    PublisherPickerDialog(const CZelvoDoc& doc, QWidget* parent = nullptr);

    const records::PublisherPickerModel& model() const { return model_; }
    bool changed() const { return changed_; }

private:
    const CZelvoDoc& doc_;
    CZelvoDoc* editable_ = nullptr;  // none while choosing
    UserPrompts* prompts_ = nullptr;
    DetailsOpener details_;
    records::PublisherPickerModel model_;
    PickListWidget* list_;
    QPushButton* edit_;
    QPushButton* add_;
    QPushButton* close_;
    bool changed_ = false;

    void build();
    void showModel();
    void onEdit();
    void onAdd();
    void openDetails(int id);
    // True when the person was transferred; false when a chooser was cancelled.
    bool transferStudent();
    bool reactivateInactive();
    void backToList();
    // After a transfer: the person is shown selected.
    void transferred(int id);
};

}  // namespace zelvo::gui
