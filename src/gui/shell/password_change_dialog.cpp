#include "gui/shell/password_change_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "gui/shell/qt_text.h"
#include "resources/strings.h"
#include "shell/password_change.h"

namespace zelvo::gui {

PasswordChangeDialog::PasswordChangeDialog(PasswordChange& change, QWidget* parent)
    : QDialog(parent),
      change_(change),
      prompt_(new QLabel(this)),
      edit_(new QLineEdit(this)),
      ok_(new QPushButton(qtText(res::kButtonOk), this)),
      cancel_(new QPushButton(qtText(res::kButtonCancel), this)) {
    setObjectName(QStringLiteral("passwordChangeDialog"));
    setWindowTitle(qtText(res::kPasswordChangeTitle));
    prompt_->setObjectName(QStringLiteral("promptLabel"));
    edit_->setObjectName(QStringLiteral("passwordEdit"));
    edit_->setEchoMode(QLineEdit::Password);
    ok_->setObjectName(QStringLiteral("okButton"));
    ok_->setDefault(true);
    cancel_->setObjectName(QStringLiteral("cancelButton"));
    cancel_->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt_);
    layout->addWidget(edit_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Wide enough for the longer prompt of the second entry, so the dialog keeps its size.
    const QString longest = QStringLiteral("%1 %2").arg(qtText(res::kPasswordNewPrompt),
                                                        qtText(res::kPasswordTryAgain));
    prompt_->setMinimumWidth(prompt_->fontMetrics().horizontalAdvance(longest));

    connect(edit_, &QLineEdit::textChanged, this, &PasswordChangeDialog::onTextChanged);
    connect(ok_, &QPushButton::clicked, this, &PasswordChangeDialog::onOk);
    connect(cancel_, &QPushButton::clicked, this, &PasswordChangeDialog::reject);
    showState();
    edit_->setFocus();
}

void PasswordChangeDialog::reject() {
    change_.cancelled();
    QDialog::reject();
}

void PasswordChangeDialog::onTextChanged(const QString& text) {
    change_.textChanged(utf8Text(text));
    follow();
}

void PasswordChangeDialog::onOk() {
    change_.okPressed(utf8Text(edit_->text()));
    follow();
}

void PasswordChangeDialog::follow() {
    if (change_.finished()) {
        done(Accepted);
        return;
    }
    showState();
}

void PasswordChangeDialog::showState() {
    prompt_->setText(qtText(change_.prompt()));
    const QString shown = qtText(change_.editText());
    if (edit_->text() != shown) {
        const QSignalBlocker quiet(edit_);
        edit_->setText(shown);
    }
}

bool runPasswordChange(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts) {
    return changePassword(doc, prompts, [parent](PasswordChange& change) {
        PasswordChangeDialog dialog(change, parent);
        dialog.exec();
    });
}

}  // namespace zelvo::gui
