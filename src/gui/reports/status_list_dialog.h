// The status list dialog: one list of people by status at a time, its month or period, its
// group, baptism band or privilege, the contact line of the chosen person or group overseer,
// printing, the clipboard and the privileges editor, over StatusListModel.
#pragma once

#include <QDialog>
#include <QPrinter>
#include <functional>
#include <vector>

#include "reporting/status_list_model.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace zelvo {
class CZelvoDoc;
class UserPrompts;
}  // namespace zelvo

namespace zelvo::gui {

class OutsideServices;
class TabStopsDelegate;

class StatusListDialog : public QDialog {
    Q_OBJECT
public:
    StatusListDialog(CZelvoDoc& doc, UserPrompts& prompts, OutsideServices& services,
                     reporting::StatusList list, const Date& today, QWidget* parent = nullptr);

    const reporting::StatusListModel& model() const { return model_; }
    // Whether a printer is there to print on; without one the lists are offered as a PDF file.
    void setPrinterCheck(std::function<bool()> check) { hasPrinter_ = std::move(check); }

private:
    CZelvoDoc& doc_;
    UserPrompts& prompts_;
    OutsideServices& services_;
    Date today_;
    reporting::StatusListModel model_;
    std::function<bool()> hasPrinter_;
    QPrinter printer_;

    QComboBox* lists_;
    QComboBox* filter_;
    QListWidget* side_;
    QListWidget* rows_;
    TabStopsDelegate* stops_;
    QLabel* statusLine_;
    QPushButton* mail_;
    QPushButton* dial_;
    QPushButton* next_;
    QPushButton* print_;
    QPushButton* second_;
    QPushButton* setup_;
    QPushButton* copy_;
    QPushButton* done_;

    void refresh();
    void refreshContact();
    void print(const std::vector<reporting::StatusPrintout>& lists);
    void onSecond();
    void editPrivileges();
    void sendMail();
};

// Opens the dialog on `list` and runs it modally.
void runStatusList(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts, OutsideServices& services,
                   reporting::StatusList list, const Date& today);

}  // namespace zelvo::gui
