// The month chooser ("Επιλογή Μήνα") over reporting::MonthChooserModel.
#pragma once

#include <QDialog>
#include <string>

#include "reporting/month_chooser_model.h"

class QCheckBox;
class QComboBox;
class QListWidget;

namespace zelvo::gui {

class MonthChooserDialog : public QDialog {
    Q_OBJECT
public:
    MonthChooserDialog(reporting::MonthChooserModel& model, QWidget* parent = nullptr);

private:
    reporting::MonthChooserModel& model_;
    QComboBox* month_;
    QListWidget* years_;
    QCheckBox* regular_;

    void showYear();
};

// Asks for a month; the month is 0 when cancelled. `captionUtf8` is the caller's question.
reporting::MonthChooserModel::Result chooseMonth(QWidget* parent, const CalendarState& calendar,
                                                 int initialMonthIndex,
                                                 const std::string& captionUtf8, int mode);

}  // namespace zelvo::gui
