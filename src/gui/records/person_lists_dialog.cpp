#include "gui/records/person_lists_dialog.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/records/person_list_widget.h"

namespace zelvo::gui {

PersonListsDialog::PersonListsDialog(CZelvoDoc& doc, UserPrompts& prompts, int tabStop,
                                     QWidget* parent)
    : QDialog(parent),
      doc_(doc),
      prompts_(prompts),
      leftBox_(new QGroupBox(this)),
      rightBox_(new QGroupBox(this)),
      left_(new PersonListWidget(tabStop, leftBox_)),
      right_(new PersonListWidget(tabStop, rightBox_)),
      name_(new QLabel(this)) {
    leftBox_->setObjectName(QStringLiteral("leftBox"));
    rightBox_->setObjectName(QStringLiteral("rightBox"));
    left_->setObjectName(QStringLiteral("leftList"));
    right_->setObjectName(QStringLiteral("rightList"));
    name_->setObjectName(QStringLiteral("nameLine"));
    name_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    name_->setMinimumHeight(name_->fontMetrics().height() + 6);
    // Long enough for the widest names with their detail.
    for (PersonListWidget* list : {left_, right_}) {
        list->setMinimumSize(list->fontMetrics().averageCharWidth() * 40,
                             list->fontMetrics().height() * 18);
        list->installEventFilter(this);
        connect(list, &QListWidget::currentRowChanged, this, [this] { showName(); });
        connect(list, &QListWidget::itemDoubleClicked, this, [this] { onAction(); });
    }
    (new QVBoxLayout(leftBox_))->addWidget(left_);
    (new QVBoxLayout(rightBox_))->addWidget(right_);
}

std::optional<int> PersonListsDialog::selectedPerson() const {
    return (leftActive_ ? left_ : right_)->selectedPerson();
}

void PersonListsDialog::acted(bool changedSomething) {
    if (!changedSomething) return;
    changed_ = true;
    refresh();
}

void PersonListsDialog::showName() {
    name_->setText(QLatin1Char(' ') + (leftActive_ ? left_ : right_)->selectedName());
}

bool PersonListsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && (watched == left_ || watched == right_)) {
        const bool left = watched == left_;
        if (left != leftActive_) {
            leftActive_ = left;
            refresh();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void reserveWidth(QPushButton* button, std::initializer_list<QString> captions) {
    const QString shown = button->text();
    int widest = 0;
    for (const QString& caption : captions) {
        button->setText(caption);
        widest = std::max(widest, button->sizeHint().width());
    }
    button->setText(shown);
    button->setMinimumWidth(widest);
}

}  // namespace zelvo::gui
