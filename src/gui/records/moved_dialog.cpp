#include "gui/records/moved_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "gui/records/list_transitions.h"
#include "gui/records/person_list_widget.h"
#include "gui/records/steady_form.h"
#include "gui/shell/dialog_buttons.h"
#include "gui/shell/qt_text.h"
#include "resources/strings.h"

namespace zelvo::gui {

namespace {
// Where the month of the move starts in the rows, in dialog units.
constexpr int kTabStop = 90;
}  // namespace

MovedDialog::MovedDialog(CZelvoDoc& doc, UserPrompts& prompts, QWidget* parent)
    : PersonListsDialog(doc, prompts, kTabStop, parent),
      model_(doc),
      inactive_(new QCheckBox(qtText(res::kInactiveTick), rightBox_)),
      period_(dialogButton(this, {}, "periodButton")),
      action_(dialogButton(this, {}, "actionButton")),
      undo_(dialogButton(this, res::kUndoMoveAction, "undoButton")),
      done_(dialogButton(this, res::kDoneAction, "doneButton")) {
    setObjectName(QStringLiteral("movedDialog"));
    setWindowTitle(qtText(res::kMovedDialogTitle));
    leftBox_->setTitle(qtText(res::kMovedListCaption));
    inactive_->setObjectName(QStringLiteral("inactiveTick"));
    static_cast<QVBoxLayout*>(rightBox_->layout())->addWidget(inactive_);
    action_->setDefault(true);
    for (QPushButton* b : {period_, undo_, done_}) b->setAutoDefault(true);
    reserveWidth(action_,
                 {qtText(model_.actionCaption(true)), qtText(model_.actionCaption(false))});
    keepRoom(undo_);

    auto* leftColumn = new QVBoxLayout;
    leftColumn->addWidget(leftBox_, 1);
    leftColumn->addWidget(period_, 0, Qt::AlignLeft);
    auto* lists = new QHBoxLayout;
    lists->addLayout(leftColumn, 1);
    lists->addWidget(rightBox_, 1, Qt::AlignTop);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(action_);
    buttons->addWidget(undo_);
    buttons->addStretch(1);
    buttons->addWidget(done_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addWidget(name_);
    layout->addLayout(buttons);
    const QList<QWidget*> order = {left_, right_, inactive_, period_, action_, undo_, done_};
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);

    connect(inactive_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setInactiveTick(on);
        refresh();
    });
    connect(period_, &QPushButton::clicked, this, [this] {
        model_.nextPeriod();
        refresh();
    });
    connect(action_, &QPushButton::clicked, this, &MovedDialog::onAction);
    connect(undo_, &QPushButton::clicked, this, &MovedDialog::onUndo);
    connect(done_, &QPushButton::clicked, this, &QDialog::accept);
    refresh();
    left_->setFocus();
}

void MovedDialog::refresh() {
    rightBox_->setTitle(qtText(model_.rightCaption()));
    {
        const QSignalBlocker quiet(inactive_);
        inactive_->setChecked(model_.inactiveTick());
    }
    left_->showRows(model_.leftRows());
    right_->showRows(model_.rightRows());
    period_->setText(qtText(model_.periodCaption()));
    action_->setText(qtText(model_.actionCaption(leftActive_)));
    undo_->setVisible(model_.undoVisible(leftActive_));
    showName();
}

void MovedDialog::onAction() {
    const auto row = selectedPerson();
    if (!row) return;
    if (leftActive_)
        acted(askDeleteForever(doc_, prompts_, *row));
    else
        acted(askMoveAway(this, doc_, prompts_, *row));
}

void MovedDialog::onUndo() {
    const auto row = selectedPerson();
    if (!row || !leftActive_) return;
    acted(askUndoMove(this, doc_, prompts_, *row));
}

bool runMovedDialog(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts) {
    MovedDialog dialog(doc, prompts, parent);
    dialog.exec();
    return dialog.changed();
}

}  // namespace zelvo::gui
