// The history editor ("Ιστορικό"): a past month's stored values of a publisher, or the
// congregation's monthly totals, over reporting::HistoryModel.
#pragma once

#include <QDialog>
#include <array>

#include "reporting/history_model.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;

namespace zelvo {
class CZelvoDoc;
class UserPrompts;
}  // namespace zelvo

namespace zelvo::gui {

class HistoryDialog : public QDialog {
    Q_OBJECT
public:
    HistoryDialog(reporting::HistoryModel& model, QWidget* parent);

    // Closing in any way commits what was edited, as "Έγινε" does.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using F = reporting::HistoryField;
    reporting::HistoryModel& model_;
    QComboBox* years_;
    QListWidget* months_;
    QListWidget* list_;
    std::array<QLineEdit*, 6> edits_{};  // placements .. credit
    std::array<QLabel*, 6> headings_{};
    QLineEdit* remark_;
    QLabel* remarkLabel_;
    QLabel* note_;
    QStackedWidget* modePart_ = nullptr;
    QCheckBox* totals_;
    QCheckBox* monthAdvance_;
    QCheckBox* personAdvance_;
    std::array<QCheckBox*, 8> ticks_{};  // in the order of kTicks
    QPushButton* done_;
    bool closing_ = false;

    QWidget* buildFields();
    void connectControls();
    void refresh();
    QWidget* widgetOf(F field) const;
    void enter();
    void focusFirstField();
    void leaveRemark();
};

// Opens the editor modally: on the active list's first person, or as the record card presets it.
// Does nothing while the table holds no person.
void openHistory(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts,
                 const reporting::HistoryPreset& preset = {});

}  // namespace zelvo::gui
