// The regular pioneer hours ("Ώρες Σκαπανέων"), over PioneerHoursModel: the pioneer chosen, the
// month the run began, the hours that remain and their monthly average, and the months of the
// service year in a grid with their totals and averages.
#pragma once

#include <QDialog>
#include <functional>

#include "records/pioneer_hours_model.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace zelvo::gui {

class PioneerHoursDialog : public QDialog {
    Q_OBJECT
public:
    // `print` prints the hours of every regular pioneer, as the pioneer hours report does;
    // without it the print button stays disabled.
    using Print = std::function<void()>;
    PioneerHoursDialog(records::PioneerHoursModel& model, Print print, QWidget* parent = nullptr);

private:
    records::PioneerHoursModel& model_;
    Print print_;
    QComboBox* pioneers_;
    QCheckBox* previousYear_;
    // The model leaves empty the lines not shown (all but the year's with the previous year).
    QLabel *previousYearLine_, *start_, *remaining_, *average_;
    QTableWidget* grid_;
    QPushButton* printButton_;

    void refresh();
    void showGrid();
};

void runPioneerHours(QWidget* parent, const CZelvoDoc& doc, PioneerHoursDialog::Print print = {});

}  // namespace zelvo::gui
