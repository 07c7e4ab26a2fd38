// The report form over reporting::ReportFormModel: one publisher's report for the report month or,
// through "Αλλαγή &Μήνα (Καθ/μένη έκθεση)", a late report for one of the eleven months before it.
// Made for the keyboard: Enter moves through the fields and saves on OK or in the Bible studies,
// Left and Right step between the counts, a space in a count gives a selected "0", Escape cancels.
#pragma once

#include <QDialog>
#include <array>

#include "reporting/report_form_model.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedLayout;

namespace zelvo {
class CZelvoDoc;
class UserPrompts;
}  // namespace zelvo

namespace zelvo::gui {

// Opens the report form for the publisher in `row` of doc.publishers; true when OK committed a
// change (the publisher list then refreshes its totals and moves on).
bool openReportForm(QWidget* parent, CZelvoDoc& doc, int row, UserPrompts& prompts);

class ReportFormDialog : public QDialog {
    Q_OBJECT
public:
    ReportFormDialog(reporting::ReportFormModel& model, UserPrompts& prompts,
                     QWidget* parent = nullptr);

    // Escape and "&Ακύρωση": closes with nothing committed; a remark being typed is not stored.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using F = reporting::FormField;
    static constexpr std::array<F, 5> kCounts = {F::Placements, F::Videos, F::Hours,
                                                 F::ReturnVisits, F::Studies};

    reporting::ReportFormModel& model_;
    UserPrompts& prompts_;
    bool closing_ = false;

    QLabel *name_, *month_, *privilege_, *group_, *pioneer_, *credit_, *note_;
    std::array<QLabel*, 5> headings_{};
    std::array<QLineEdit*, 5> counts_{};
    QCheckBox *underOneHour_, *participated_, *auxiliary_;
    QPushButton *remarks_, *monthButton_, *monthOk_, *ok_, *cancel_;
    QLineEdit* remark_;
    QListWidget* monthList_;
    QStackedLayout* lower_;  // the remark row and OK/Cancel, or the month list in their place

    QLayout* buildTop();
    QLayout* buildCounts();
    QLayout* buildTicks();
    QWidget* buildLower();
    void setTabOrderOfForm();
    void connectControls();
    void refresh();

    QWidget* widgetOf(F field) const;
    // The count field of `edit`, or nothing.
    int countOf(const QObject* edit) const;
    bool countKey(int index, const QKeyEvent& key);
    void typed(int index, const QString& text);
    void focusFirstField();
    void leaveRemark();
    void closeMonthList();
    void onOk();
};

}  // namespace zelvo::gui
