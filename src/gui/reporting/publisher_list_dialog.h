// The publisher list of the month's collection over reporting::PublisherListModel: the active
// publishers by group and "Μη Καταχωρημένοι", the last person entered, the running totals, and
// closing the collection. OK opens the report form of the selected person. The group collection
// files are not built yet: their buttons are shown disabled.
#pragma once

#include <QDialog>

#include "reporting/publisher_list_model.h"
#include "store/user_prompts.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace zelvo::gui {

class TotalsGridWidget;
class TypeAheadListWidget;

class PublisherListDialog : public QDialog {
    Q_OBJECT
public:
    PublisherListDialog(CZelvoDoc& doc, UserPrompts& prompts, QWidget* parent = nullptr);

private:
    CZelvoDoc& doc_;
    UserPrompts& prompts_;
    reporting::PublisherListModel model_;
    QLabel* lastPerson_;
    QComboBox* groups_;
    QCheckBox* unreported_;
    TypeAheadListWidget* list_;
    TotalsGridWidget* totals_;
    QPushButton* ok_;

    void showEntries();
    void enterReport();
};

// The list, modal; the collection may have been closed when it returns.
void runPublisherList(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts);

}  // namespace zelvo::gui
