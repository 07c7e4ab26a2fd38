// The privileges dialog of one publisher ("Προνόμια υπηρεσίας"), over PrivilegesModel: a tick
// with start and end date lists for each privilege and pioneer appointment, and the two
// appointment flags.
#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "records/privileges_model.h"

class QCheckBox;
class QComboBox;

namespace zelvo {
class UserPrompts;
}

namespace zelvo::gui {

class PrivilegesDialog : public QDialog {
    Q_OBJECT
public:
    PrivilegesDialog(records::PrivilegesModel& model, UserPrompts& prompts,
                     QWidget* parent = nullptr);

    // What OK carried back to the details dialog; nothing after Cancel.
    const std::optional<records::PrivilegesModel::Accepted>& accepted() const { return accepted_; }

protected:
    // Enter moves to the next control unless the focus is on OK.
    void keyPressEvent(QKeyEvent* event) override;

private:
    using DatePart = records::PrivilegesModel::DatePart;
    // The month, day and year lists of one date.
    struct DateRow {
        QComboBox* month = nullptr;
        QComboBox* day = nullptr;
        QComboBox* year = nullptr;
    };

    records::PrivilegesModel& model_;
    UserPrompts& prompts_;
    std::array<QCheckBox*, records::kPrivilegeRows> ticks_{};
    std::array<DateRow, records::kPrivilegeRows> starts_{};
    std::array<DateRow, records::kPrivilegeRows> ends_{};
    QCheckBox* fieldMissionary_;
    QCheckBox* fullTimeServant_;
    QPushButton* ok_;
    std::optional<records::PrivilegesModel::Accepted> accepted_;

    DateRow dateLists(int row, const char* prefix, bool end);
    void refresh();
    void showDate(const DateRow& lists, const records::DateLists& date, int row);
    void onOk();
};

// Opens the privileges of the person the details dialog shows (id 0 while adding, with the dates
// `held` for it). OK writes the dates of a stored person and returns the ticks and dates to carry
// back; Cancel returns nothing.
std::optional<records::PrivilegesModel::Accepted> runPrivilegesDialog(
    QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts, std::uint16_t id,
    const std::string& displayNameUtf8, bool male, const records::PrivilegeTicks& ticks,
    const records::PrivilegeDateTexts* held);

}  // namespace zelvo::gui
