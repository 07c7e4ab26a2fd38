// The status dialog of a publisher (mark and month), over StatusDialogModel.
#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "records/status_dialog_model.h"

class QComboBox;
class QLabel;
class QRadioButton;

namespace zelvo {
class CZelvoDoc;
class UserPrompts;
struct PublisherRecord;
}  // namespace zelvo

namespace zelvo::gui {

// Opens the dialog on `working`; OK writes the status fields into it and returns true. The title
// carries the names as typed in the details dialog (UTF-8). A refused OK is told through
// `prompts` and keeps the dialog open.
bool runStatusDialog(QWidget* parent, const CZelvoDoc& doc, UserPrompts& prompts,
                     PublisherRecord& working, const std::string& firstNameUtf8,
                     const std::string& lastNameUtf8);

class StatusDialog : public QDialog {
    Q_OBJECT
public:
    StatusDialog(StatusDialogModel& model, UserPrompts& prompts, const std::string& titleUtf8,
                 QWidget* parent = nullptr);

private:
    StatusDialogModel& model_;
    UserPrompts& prompts_;
    std::array<QRadioButton*, 5> choices_{};
    QLabel* caption_;
    QComboBox* month_;
    QComboBox* year_;

    void showLists();
    void onOk();
};

}  // namespace zelvo::gui
