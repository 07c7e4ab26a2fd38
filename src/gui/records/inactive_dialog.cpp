#include "gui/records/inactive_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/records/list_transitions.h"
#include "gui/records/person_list_widget.h"
#include "gui/records/publisher_details_dialog.h"
#include "gui/records/removal_dialog.h"
#include "gui/records/steady_form.h"
#include "gui/shell/dialog_buttons.h"
#include "gui/shell/qt_text.h"
#include "resources/strings.h"
#include "store/zelvo_doc.h"

namespace zelvo::gui {

namespace {
// Where the detail (the month and year) starts in the rows, in dialog units.
constexpr int kTabStop = 100;
}  // namespace

InactiveDialog::InactiveDialog(CZelvoDoc& doc, UserPrompts& prompts, Form form, QWidget* parent)
    : PersonListsDialog(doc, prompts, kTabStop, parent),
      model_(doc, form),
      period_(dialogButton(this, {}, "periodButton")),
      action_(dialogButton(this, {}, "actionButton")),
      delete_(dialogButton(this, res::kDeleteAction, "deleteButton")),
      edit_(dialogButton(this, res::kEditAction, "editButton")),
      close_(dialogButton(this, res::kCloseAction, "closeButton")) {
    setObjectName(deletedForm() ? QStringLiteral("deletedDialog")
                                : QStringLiteral("inactiveDialog"));
    setWindowTitle(qtText(model_.title()));
    // Enter on a list runs the action of that list; on another button, presses that button.
    action_->setDefault(true);
    for (QPushButton* b : {period_, delete_, edit_, close_}) b->setAutoDefault(true);
    reserveWidth(action_,
                 {qtText(model_.actionCaption(true)), qtText(model_.actionCaption(false))});
    keepRoom(delete_);
    keepRoom(edit_);

    auto* leftColumn = new QVBoxLayout;
    leftColumn->addWidget(leftBox_, 1);
    leftColumn->addWidget(period_, 0, Qt::AlignLeft);
    auto* lists = new QHBoxLayout;
    lists->addLayout(leftColumn, 1);
    lists->addWidget(rightBox_, 1, Qt::AlignTop);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {action_, delete_, edit_}) buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addWidget(name_);
    layout->addLayout(buttons);

    const bool right = model_.rightListVisible();
    rightBox_->setVisible(right);
    period_->setVisible(right);
    const QList<QWidget*> order = {left_, right_, period_, action_, delete_, edit_, close_};
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);

    connect(period_, &QPushButton::clicked, this, [this] {
        model_.nextPeriod();
        refresh();
    });
    connect(action_, &QPushButton::clicked, this, &InactiveDialog::onAction);
    connect(delete_, &QPushButton::clicked, this, &InactiveDialog::onDelete);
    connect(edit_, &QPushButton::clicked, this, &InactiveDialog::onEdit);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    refresh();
    left_->setFocus();
}

void InactiveDialog::refresh() {
    leftBox_->setTitle(qtText(model_.leftCaption()));
    rightBox_->setTitle(qtText(model_.rightCaption()));
    left_->showRows(model_.leftRows());
    if (model_.rightListVisible()) right_->showRows(model_.rightRows());
    period_->setText(qtText(model_.periodCaption()));
    action_->setText(qtText(model_.actionCaption(leftActive_)));
    delete_->setVisible(model_.editAndDeleteVisible(leftActive_));
    edit_->setVisible(model_.editAndDeleteVisible(leftActive_));
    showName();
}

void InactiveDialog::onAction() {
    const auto row = selectedPerson();
    if (!row) return;
    if (deletedForm())
        acted(askRestore(this, doc_, prompts_, *row));
    else if (leftActive_)
        acted(askReactivate(this, doc_, prompts_, *row));
    else
        acted(askMoveToInactive(this, doc_, prompts_, *row));
}

void InactiveDialog::onDelete() {
    const auto row = selectedPerson();
    if (!row || !leftActive_) return;
    if (deletedForm())
        acted(askDeleteForever(doc_, prompts_, *row));
    else
        acted(runRemoval(this, doc_, prompts_, *row));
}

void InactiveDialog::onEdit() {
    const auto row = selectedPerson();
    if (!row || !leftActive_) return;
    const int id = doc_.publishers[static_cast<std::size_t>(*row)].id();
    const auto variant = deletedForm() ? records::PublisherDetailsModel::Variant::Deleted
                                       : records::PublisherDetailsModel::Variant::Inactive;
    acted(runPersonDetails(this, doc_, prompts_, variant, id).changed);
}

bool runInactiveDialog(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts,
                       InactiveDialog::Form form) {
    InactiveDialog dialog(doc, prompts, form, parent);
    dialog.exec();
    return dialog.changed();
}

}  // namespace zelvo::gui
