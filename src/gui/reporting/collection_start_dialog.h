// The collection start dialog ("Καταχώρηση Δελτίου Έργου") over reporting::CollectionStartModel:
// continue or reopen a collection, initialize (or restart) the report month, or open the next
// month early.
#pragma once

#include <QDialog>
#include <optional>

#include "reporting/collection_start_model.h"

class QPushButton;

namespace zelvo {
class UserPrompts;
}

namespace zelvo::gui {

class CollectionStartDialog : public QDialog {
    Q_OBJECT
public:
    using Button = reporting::CollectionStartModel::Button;

    CollectionStartDialog(const reporting::CollectionStartModel& model, UserPrompts& prompts,
                          QWidget* parent = nullptr);

    // The answer of the button that closed the dialog; nothing when it was cancelled.
    const std::optional<reporting::CollectionStartModel::Result>& result() const { return result_; }

private:
    const reporting::CollectionStartModel& model_;
    UserPrompts& prompts_;
    std::optional<reporting::CollectionStartModel::Result> result_;

    // Asks the confirmation when the model has one; Cancel leaves the dialog open.
    void press(Button button);
};

// Shows the dialog modally: the answer of the button pressed, nothing when cancelled.
std::optional<reporting::CollectionStartModel::Result> runCollectionStart(
    QWidget* parent, const reporting::CollectionStartModel& model, UserPrompts& prompts);

}  // namespace zelvo::gui
