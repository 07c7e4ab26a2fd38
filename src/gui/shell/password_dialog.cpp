#include "gui/shell/password_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/shell/qt_text.h"
#include "resources/strings.h"
#include "store/password_check.h"

namespace zelvo::gui {

PasswordDialog::PasswordDialog(PasswordCheck& check, QWidget* parent)
    : QDialog(parent),
      check_(check),
      prompt_(new QLabel(this)),
      warning_(new QLabel(this)),
      edit_(new QLineEdit(this)),
      ok_(new QPushButton(qtText(res::kButtonOk), this)) {
    setObjectName(QStringLiteral("passwordDialog"));
    setWindowTitle(qtText(res::kPasswordTitle));
    prompt_->setObjectName(QStringLiteral("promptLabel"));
    edit_->setObjectName(QStringLiteral("passwordEdit"));
    edit_->setEchoMode(QLineEdit::Password);
    ok_->setObjectName(QStringLiteral("okButton"));
    ok_->setDefault(true);
    ok_->setAutoDefault(true);

    auto* row = new QHBoxLayout;
    row->addWidget(edit_, 1);
    row->addWidget(ok_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt_);
    layout->addLayout(row);
    layout->addWidget(warning_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    edit_->setMinimumWidth(edit_->fontMetrics().averageCharWidth() * 24);

    // The warning of the last try has its room from the start, so OK stays under the mouse.
    warning_->setObjectName(QStringLiteral("warningLabel"));
    warning_->setText(qtText(check_.lastTryWarning()));
    warning_->setWordWrap(true);
    const int width = edit_->minimumWidth() + row->spacing() + ok_->sizeHint().width();
    warning_->setFixedSize(width, warning_->heightForWidth(width));
    QSizePolicy room = warning_->sizePolicy();
    room.setRetainSizeWhenHidden(true);
    warning_->setSizePolicy(room);

    connect(edit_, &QLineEdit::textChanged, this, &PasswordDialog::onTextChanged);
    connect(ok_, &QPushButton::clicked, this, &PasswordDialog::onOk);
    prompt_->setText(qtText(check_.prompt()));
    warning_->setVisible(check_.lastTry());
    edit_->setFocus();
}

void PasswordDialog::reject() {
    check_.cancelled();
    follow();
}

void PasswordDialog::onTextChanged(const QString& text) {
    check_.textChanged(utf8Text(text));
    follow();
}

void PasswordDialog::onOk() {
    check_.okPressed(utf8Text(edit_->text()));
    follow();
}

void PasswordDialog::follow() {
    switch (check_.outcome()) {
        case PasswordCheck::Outcome::Passed:
            done(Accepted);
            break;
        case PasswordCheck::Outcome::Refused:
            done(Rejected);
            break;
        case PasswordCheck::Outcome::Pending:
            prompt_->setText(qtText(check_.prompt()));
            warning_->setVisible(check_.lastTry());
            break;
    }
}

}  // namespace zelvo::gui
