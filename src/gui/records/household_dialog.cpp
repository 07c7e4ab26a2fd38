#include "gui/records/household_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/records/pick_list_widget.h"
#include "gui/records/single_person_picker.h"
#include "gui/shell/qt_text.h"
#include "resources/strings.h"
#include "store/zelvo_doc.h"

namespace zelvo::gui {

HouseholdDialog::HouseholdDialog(CZelvoDoc& doc, PublisherRecord& working, int editedRow,
                                 records::NewMembers* newMembers, QWidget* parent)
    : QDialog(parent),
      doc_(doc),
      working_(working),
      model_(doc, working, editedRow, newMembers),
      list_(new PickListWidget(model_.members(), this)),
      add_(new QPushButton(qtText(res::kAddMember), this)),
      remove_(new QPushButton(qtText(res::kRemoveMember), this)) {
    setObjectName(QStringLiteral("householdDialog"));
    setWindowTitle(qtText(model_.title()));
    // The caption keeps its two lines apart with a backslash.
    auto* caption = new QLabel(
        qtText(res::kHouseholdMembers).replace(QLatin1Char('\\'), QLatin1Char('\n')), this);
    caption->setObjectName(QStringLiteral("membersLabel"));
    caption->setBuddy(list_);
    list_->setObjectName(QStringLiteral("memberList"));
    add_->setObjectName(QStringLiteral("addMemberButton"));
    add_->setVisible(model_.addVisible());
    add_->setAutoDefault(false);
    remove_->setObjectName(QStringLiteral("removeMemberButton"));
    remove_->setAutoDefault(false);
    auto* close = new QPushButton(qtText(res::kCloseHousehold), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setDefault(true);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(add_);
    buttons->addWidget(remove_);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* left = new QVBoxLayout;
    left->addWidget(caption);
    left->addWidget(list_);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(add_, &QPushButton::clicked, this, &HouseholdDialog::onAdd);
    connect(remove_, &QPushButton::clicked, this, &HouseholdDialog::onRemove);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(list_, &QListWidget::currentRowChanged, this,
            [this] { remove_->setEnabled(model_.removeEnabled()); });
    resize(460, 320);
    showModel();
    list_->setFocus();
}

void HouseholdDialog::showModel() {
    list_->showList();
    remove_->setEnabled(model_.removeEnabled());
}

void HouseholdDialog::onAdd() {
    const auto row =
        chooseSinglePerson(this, doc_, records::SinglePersonPickerModel::Mode::Household,
                           model_.headId(), model_.members().ids());
    if (!row) return;
    model_.addMember(doc_, *row);
    showModel();
}

void HouseholdDialog::onRemove() {
    switch (model_.removeSelected(doc_, working_)) {
        case records::HouseholdModel::Removal::Nothing:
            return;
        case records::HouseholdModel::Removal::Removed:
            showModel();
            return;
        case records::HouseholdModel::Removal::LeftHousehold:
            accept();
            return;
    }
}

bool runHouseholdDialog(QWidget* parent, CZelvoDoc& doc, UserPrompts&, PublisherRecord& working,
                        int editedRow, records::NewMembers* newMembers) {
    HouseholdDialog dialog(doc, working, editedRow, newMembers, parent);
    dialog.exec();
    return dialog.changed();
}

}  // namespace zelvo::gui
