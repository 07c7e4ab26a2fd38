#include "gui/records/publisher_picker.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/records/add_chooser_dialog.h"
#include "gui/records/list_transitions.h"
#include "gui/records/pick_list_widget.h"
#include "gui/records/single_person_picker.h"
#include "gui/reporting/month_chooser_dialog.h"
#include "gui/shell/qt_text.h"
#include "records/add_chooser.h"
#include "records/publisher_table.h"
#include "reporting/month_chooser_model.h"
#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo::gui {

using records::PublisherPickerModel;
using Mode = records::SinglePersonPickerModel::Mode;

PublisherPickerDialog::PublisherPickerDialog(CZelvoDoc& doc, UserPrompts& prompts, bool students,
                                             QWidget* parent, DetailsOpener details)
    : QDialog(parent),
      doc_(doc),
      editable_(&doc),
      prompts_(&prompts),
      details_(std::move(details)),
      model_(doc, students ? PublisherPickerModel::Mode::Students
                           : PublisherPickerModel::Mode::Publishers),
      list_(new PickListWidget(model_.list(), this)),
      edit_(new QPushButton(this)),
      add_(new QPushButton(this)),
      close_(new QPushButton(this)) {
    build();
}

PublisherPickerDialog::PublisherPickerDialog(const CZelvoDoc& doc, QWidget* parent)
    : QDialog(parent),
      doc_(doc),
      model_(doc, PublisherPickerModel::Mode::Chooser),
      list_(new PickListWidget(model_.list(), this)),
      edit_(new QPushButton(this)),
      add_(new QPushButton(this)),
      close_(new QPushButton(this)) {
    build();
}

void PublisherPickerDialog::build() {
    setObjectName(QStringLiteral("publisherPicker"));
    setWindowTitle(qtText(model_.title()));
    list_->setObjectName(QStringLiteral("publisherList"));
    edit_->setObjectName(QStringLiteral("editButton"));
    edit_->setText(qtText(model_.editCaption()));
    // Enter edits from the list, and presses any other button that has the focus.
    edit_->setDefault(true);
    add_->setObjectName(QStringLiteral("addButton"));
    add_->setText(qtText(model_.addCaption()));
    add_->setAutoDefault(true);
    add_->setVisible(model_.addVisible());
    close_->setObjectName(QStringLiteral("closeButton"));
    close_->setText(qtText(model_.closeCaption()));
    close_->setAutoDefault(true);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(edit_);
    buttons->addWidget(add_);
    buttons->addStretch(1);
    buttons->addWidget(close_);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    setTabOrder(list_, edit_);
    setTabOrder(edit_, add_);
    setTabOrder(add_, close_);

    connect(edit_, &QPushButton::clicked, this, &PublisherPickerDialog::onEdit);
    connect(add_, &QPushButton::clicked, this, &PublisherPickerDialog::onAdd);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &PublisherPickerDialog::onEdit);
    resize(520, 420);
    showModel();
    list_->setFocus();
}

void PublisherPickerDialog::showModel() {
    list_->showList();
    edit_->setVisible(model_.editVisible());
}

void PublisherPickerDialog::onEdit() {
    if (model_.list().selected() < 0) return;
    if (editable_ == nullptr) {
        accept();
        return;
    }
    openDetails(model_.list().selectedId());
}

void PublisherPickerDialog::onAdd() {
    if (editable_ == nullptr) return;
    if (model_.students()) {
        openDetails(0);
        return;
    }
    const records::AddChoices choices = records::addChoices(doc_);
    const records::AddChoice choice =
        choices.skipChooser() ? records::AddChoice::NewPerson : chooseHowToAdd(this, choices);
    bool added = false;
    switch (choice) {
        case records::AddChoice::NewPerson:
            openDetails(0);
            return;
        case records::AddChoice::FromStudents:
            added = transferStudent();
            break;
        case records::AddChoice::FromInactive:
            added = reactivateInactive();
            break;
        case records::AddChoice::Cancelled:
            break;
    }
    if (!added) backToList();
}

void PublisherPickerDialog::openDetails(int id) {
    // Told before anything is typed, not after.
    if (id == 0 && records::tableFull(doc_)) {
        prompts_->showMessage(res::kTableFull);
        return;
    }
    const DetailsOutcome outcome =
        details_(this, *editable_, *prompts_, model_.students(), model_.list().ids(), id);
    changed_ = changed_ || outcome.changed;
    model_.reload(doc_);
    if (outcome.currentId != 0) model_.list().selectId(outcome.currentId);
    showModel();
    if (id == 0 && outcome.currentId == 0) backToList();
}

// An add given up goes back to the list, to pick someone there instead.
void PublisherPickerDialog::backToList() {
    list_->setFocus();
}

bool PublisherPickerDialog::transferStudent() {
    const auto row = chooseSinglePerson(this, doc_, Mode::Students);
    if (!row) return false;
    const std::string question = reporting::MonthChooserModel::question(
        cp1253::toUtf8(doc_.displayName(*row)), res::kBecamePublisher);
    const auto chosen = chooseMonth(this, doc_.calendar, doc_.calendar.reportMonth, question,
                                    reporting::MonthChooserModel::kMonthOnly);
    if (chosen.month == 0) return false;
    const int id = doc_.publishers[static_cast<std::size_t>(*row)].id();
    records::studentBecomesPublisher(*editable_, *row, chosen.month);
    transferred(id);
    return true;
}

bool PublisherPickerDialog::reactivateInactive() {
    const auto row = chooseSinglePerson(this, doc_, Mode::Inactive);
    if (!row) return false;
    const int id = doc_.publishers[static_cast<std::size_t>(*row)].id();
    // The same move as the inactive dialog's.
    if (!askReactivate(this, *editable_, *prompts_, *row)) return false;
    transferred(id);
    return true;
}

void PublisherPickerDialog::transferred(int id) {
    changed_ = true;
    model_.reload(doc_);
    model_.list().selectId(id);
    showModel();
}

bool runPublisherPicker(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts, bool students) {
    PublisherPickerDialog dialog(doc, prompts, students, parent);
    dialog.exec();
    return dialog.changed();
}

std::optional<int> choosePublisherRow(QWidget* parent, const CZelvoDoc& doc) {
    PublisherPickerDialog dialog(doc, parent);
    if (dialog.exec() != QDialog::Accepted) return {};
    const int row = dialog.model().list().selectedRow();
    if (row == 0) return {};
    return row;
}

}  // namespace zelvo::gui
