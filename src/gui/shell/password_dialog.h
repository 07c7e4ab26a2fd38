// The password gate: a prompt, a password box and OK, and under them the warning of the last
// try. The rules are those of PasswordCheck; the dialog ends as soon as the check has passed or
// refused.
#pragma once

#include <QDialog>

namespace zelvo {
class PasswordCheck;
}

class QLabel;
class QLineEdit;
class QPushButton;

namespace zelvo::gui {

class PasswordDialog : public QDialog {
    Q_OBJECT
public:
    explicit PasswordDialog(PasswordCheck& check, QWidget* parent = nullptr);

    // Escape and the close box refuse.
    void reject() override;

private:
    PasswordCheck& check_;
    QLabel* prompt_;
    QLabel* warning_;
    QLineEdit* edit_;
    QPushButton* ok_;

    void onTextChanged(const QString& text);
    void onOk();
    void follow();
};

}  // namespace zelvo::gui
