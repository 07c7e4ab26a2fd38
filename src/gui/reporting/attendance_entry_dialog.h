// The weekly attendance entry ("Παρόντες Συναθροίσεων"): the year and month lists, the next-month
// tick, five week fields per meeting with their total and average, and "Έγινε".
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <array>

#include "reporting/attendance_model.h"

class QCheckBox;
class QListWidget;
class QPushButton;

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::gui {

// A week field: takes digits, backspace, '.' and space by the model's rule; Up, Down and Enter
// are the dialog's.
class WeekEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit WeekEdit(QWidget* parent);

signals:
    void moveRequested(int key);  // Qt::Key_Up, Qt::Key_Down or Qt::Key_Return
    void typed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // The whole count is selected, so the next digit starts a new one.
    void focusInEvent(QFocusEvent* event) override;
};

class AttendanceEntryDialog : public QDialog {
    Q_OBJECT
public:
    AttendanceEntryDialog(reporting::AttendanceEntryModel& model, QWidget* parent);

    // Closing any way keeps what was typed, as "Έγινε" does.
    void done(int result) override;

private:
    reporting::AttendanceEntryModel& model_;
    QListWidget* years_;
    QListWidget* months_;
    QCheckBox* next_;
    std::array<std::array<WeekEdit*, reporting::kWeeks>, reporting::kMeetings> weeks_{};
    std::array<QLineEdit*, reporting::kMeetings> totals_{};
    std::array<QLineEdit*, reporting::kMeetings> averages_{};

    void refresh();
    void showFigures();
    void move(reporting::WeekPlace from, int key);
};

// Opens the entry on the report month; the document holds what was entered.
void runAttendanceEntry(QWidget* parent, CZelvoDoc& doc);

}  // namespace zelvo::gui
