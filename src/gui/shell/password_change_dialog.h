// The password change dialog: the new password twice, over the PasswordChange model, and
// the command that runs it.
#pragma once

#include <QDialog>

namespace zelvo {
class CZelvoDoc;
class PasswordChange;
class UserPrompts;
}  // namespace zelvo

class QLabel;
class QLineEdit;
class QPushButton;

namespace zelvo::gui {

class PasswordChangeDialog : public QDialog {
    Q_OBJECT
public:
    explicit PasswordChangeDialog(PasswordChange& change, QWidget* parent = nullptr);

    void reject() override;

private:
    PasswordChange& change_;
    QLabel* prompt_;
    QLineEdit* edit_;
    QPushButton* ok_;
    QPushButton* cancel_;

    void onTextChanged(const QString& text);
    void onOk();
    void follow();
    void showState();
};

// The password command: the old password (when one is set), this dialog, and the message of
// the result. True when the password changed.
bool runPasswordChange(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts);

}  // namespace zelvo::gui
