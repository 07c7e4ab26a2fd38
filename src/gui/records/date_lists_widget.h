// The three drop lists of a date (month, day, year) with the date in words beneath, bound to a
// core DateLists.
#pragma once

#include <QWidget>

class QComboBox;
class QLabel;

namespace zelvo::records {
class DateLists;
}

namespace zelvo::gui {

class DateListsWidget : public QWidget {
    Q_OBJECT
public:
    // The lists are named `name` + "Month", "Day", "Year", the line beneath `name` + "Words".
    DateListsWidget(records::DateLists& date, const QString& name, QWidget* parent = nullptr);

    // Shows the date as the model holds it (the year list may change with the record).
    void refresh();
    QComboBox* monthList() const { return month_; }
    QComboBox* dayList() const { return day_; }
    QComboBox* yearList() const { return year_; }

signals:
    void changed();

private:
    records::DateLists& date_;
    QComboBox* month_;
    QComboBox* day_;
    QComboBox* year_;
    QLabel* words_;
    std::vector<int> years_;

    void onChosen();
};

}  // namespace zelvo::gui
