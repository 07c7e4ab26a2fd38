// "Εκθεση Παρακολούθησης Συναθροίσεων Εκκλησίας": the attendance of one meeting over the previous
// and the current service year, with "Εκτύπωση" (one page with both meetings) and "Έγινε".
#pragma once

#include <QDialog>
#include <array>
#include <functional>

class QComboBox;
class QGroupBox;
class QTableWidget;

namespace zelvo {
class CZelvoDoc;
class UserPrompts;
}  // namespace zelvo

namespace zelvo::gui {

class AttendanceRecordDialog : public QDialog {
    Q_OBJECT
public:
    // `print` prints the page; the dialog stays open.
    AttendanceRecordDialog(const CZelvoDoc& doc, std::function<void()> print, QWidget* parent);

private:
    const CZelvoDoc& doc_;
    QComboBox* meetings_;
    std::array<QGroupBox*, 2> boxes_{};
    std::array<QTableWidget*, 2> tables_{};

    void showMeeting(int meeting);
};

}  // namespace zelvo::gui
