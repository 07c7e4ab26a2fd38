// The card dialog ("Αρχειο Ευαγγελιζομένου Εκκλησίας"): the active publishers (or the inactive
// persons) on the left, the card of the one chosen on the right, its kind and switches, and the
// buttons that print it, print chosen cards, write every card of a list into one PDF file, and
// open the preferences, the details and the history; over reports::RecordCardModel.
#pragma once

#include <QDialog>

#include "gui/reports/card_printing.h"
#include "reports/record_card_model.h"

class QCheckBox;
class QComboBox;
class QPrinter;
class QPushButton;

namespace zelvo {
class CZelvoDoc;
class UserPrompts;
}  // namespace zelvo

namespace zelvo::gui {

class RecordCardCanvas;
class TypeAheadListWidget;

class RecordCardDialog : public QDialog {
    Q_OBJECT
public:
    // `printer`: the printer the print buttons use (the main view's), or null for one of its own.
    RecordCardDialog(CZelvoDoc& doc, UserPrompts& prompts, QPrinter* printer,
                     QWidget* parent = nullptr);

    const reports::RecordCardModel& model() const { return model_; }
    CardPrinting& printing() { return printing_; }

protected:
    // Enter in the list or a check box does not close the dialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    CZelvoDoc& doc_;
    UserPrompts& prompts_;
    reports::RecordCardModel model_;
    CardPrinting printing_;

    TypeAheadListWidget* list_;
    QComboBox* kind_;
    QCheckBox* previousYear_;
    QCheckBox* inactive_;
    QCheckBox* totals_;
    RecordCardCanvas* card_;
    QPushButton* printShown_;
    QPushButton* printChosen_;
    QPushButton* activePdf_;
    QPushButton* inactivePdf_;
    QPushButton* printer_;
    QPushButton* preferences_;
    QPushButton* edit_;
    QPushButton* history_;
    QPushButton* done_;

    void connectControls();
    void refresh();
    void refreshCard();
    bool live() const;
    void printShown();
    void printChosen();
    void writeAll(bool inactiveList);
    void edit();
    void openHistoryEditor();
};

// Opens the card dialog modally.
void runRecordCards(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts, QPrinter* printer);

}  // namespace zelvo::gui
