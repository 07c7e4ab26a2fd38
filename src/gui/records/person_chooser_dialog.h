// The person chooser: people picked one by one or by whole groups (or whole lists) for record
// cards, labels, emergency forms and the XML export and import.
#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "records/person_chooser_model.h"

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::gui {

// Runs the chooser modally: on OK the chosen people's ids in list order (importing: the chosen
// names' positions); nothing when cancelled. `blankForm` (emergency forms) tells whether the
// blank form was the choice on the right.
std::optional<std::vector<int>> choosePersons(QWidget* parent, const CZelvoDoc& doc,
                                              const records::ChooserSetup& setup,
                                              bool* blankForm = nullptr);

class PersonChooserDialog : public QDialog {
    Q_OBJECT
public:
    PersonChooserDialog(const CZelvoDoc& doc, const records::ChooserSetup& setup,
                        QWidget* parent = nullptr);
    const records::PersonChooserModel& model() const { return model_; }

private:
    records::PersonChooserModel model_;
    QListWidget* people_;
    QListWidget* groups_;
    QPushButton* select_;
    QPushButton* clear_;
    QLabel* or_;
    QLabel* caption_;
    QLabel* overseer_;
    QLabel* totals_;
    QGroupBox* importFrame_;
    QRadioButton* updateExisting_;
    QRadioButton* createNew_;
    QPushButton* ok_;
    QPushButton* cancel_;

    void build();
    void refresh();
    void showPeople();
    void readSelection();
};

}  // namespace zelvo::gui
