#include "gui/records/status_dialog.h"
#include "gui/shell/dialog_buttons.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>

#include "gui/records/steady_form.h"
#include "gui/shell/qt_text.h"
#include "resources/strings.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo::gui {

namespace {

struct ChoiceText {
    StatusDialogModel::Choice choice;
    std::string_view text;
    const char* name;
};

constexpr ChoiceText kChoices[] = {
    {StatusDialogModel::kNewPublisher, res::kStatusNew, "newPublisherChoice"},
    {StatusDialogModel::kTransferredRegular, res::kStatusTransferredRegular,
     "transferredRegularChoice"},
    {StatusDialogModel::kTransferredIrregular, res::kStatusTransferredIrregular,
     "transferredIrregularChoice"},
    {StatusDialogModel::kReactivated, res::kStatusReactivated, "reactivatedChoice"},
    {StatusDialogModel::kPutRight, res::kStatusPutRight, "putRightChoice"},
};

}  // namespace

StatusDialog::StatusDialog(StatusDialogModel& model, UserPrompts& prompts,
                           const std::string& titleUtf8, QWidget* parent)
    : QDialog(parent),
      model_(model),
      prompts_(prompts),
      caption_(new QLabel(qtText(res::kStatusMonthCaption), this)),
      month_(new QComboBox(this)),
      year_(new QComboBox(this)) {
    setObjectName(QStringLiteral("statusDialog"));
    setWindowTitle(qtText(titleUtf8));
    auto* layout = new QVBoxLayout(this);
    for (std::size_t i = 0; i < choices_.size(); ++i) {
        choices_[i] = new QRadioButton(qtText(kChoices[i].text), this);
        choices_[i]->setObjectName(QLatin1String(kChoices[i].name));
        choices_[i]->setChecked(model.choice() == kChoices[i].choice);
        layout->addWidget(choices_[i]);
        const StatusDialogModel::Choice choice = kChoices[i].choice;
        connect(choices_[i], &QRadioButton::toggled, this, [this, choice](bool on) {
            if (!on) return;
            model_.setChoice(choice);
            showLists();
        });
    }
    caption_->setObjectName(QStringLiteral("monthCaption"));
    caption_->setWordWrap(true);
    caption_->setBuddy(month_);
    month_->setObjectName(QStringLiteral("monthCombo"));
    for (const std::string& m : StatusDialogModel::monthEntries()) month_->addItem(qtText(m));
    year_->setObjectName(QStringLiteral("yearCombo"));
    for (const int y : model.yearEntries()) year_->addItem(QString::number(2000 + y), y);
    auto* dates = new QHBoxLayout;
    dates->addWidget(month_);
    dates->addWidget(year_);
    dates->addStretch(1);
    layout->addWidget(caption_);
    layout->addLayout(dates);

    const OkCancelRow buttons = okCancelRow(this);
    layout->addLayout(buttons.row);

    // The caption wraps within the width of the choices, and the caption and the lists keep
    // their room while hidden: the dialog is sized for them from the start and nothing is cut
    // when a choice shows them.
    int width = 0;
    for (const QRadioButton* choice : choices_) width = std::max(width, choice->sizeHint().width());
    caption_->setMinimumSize(width, caption_->heightForWidth(width));
    for (QWidget* w : std::initializer_list<QWidget*>{caption_, month_, year_}) keepRoom(w);

    connect(month_, &QComboBox::currentIndexChanged, this, [this](int index) {
        model_.setMonth(index);
        showLists();
    });
    connect(year_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) model_.setYear(year_->itemData(index).toInt());
    });
    connect(buttons.ok, &QPushButton::clicked, this, &StatusDialog::onOk);
    showLists();
}

void StatusDialog::onOk() {
    if (const auto why = model_.refusal()) {
        prompts_.showMessage(*why);
        month_->setFocus();
        return;
    }
    accept();
}

void StatusDialog::showLists() {
    const QSignalBlocker quietMonth(month_);
    const QSignalBlocker quietYear(year_);
    month_->setCurrentIndex(model_.month());
    // A mark that began longer ago keeps its year, shown as it is.
    if (year_->findData(model_.year()) < 0 && model_.year() != 0)
        year_->addItem(QString::number(2000 + model_.year()), model_.year());
    year_->setCurrentIndex(year_->findData(model_.year()));
    caption_->setVisible(model_.monthListVisible());
    month_->setVisible(model_.monthListVisible());
    year_->setVisible(model_.yearListVisible());
}

bool runStatusDialog(QWidget* parent, const CZelvoDoc& doc, UserPrompts& prompts,
                     PublisherRecord& working, const std::string& firstNameUtf8,
                     const std::string& lastNameUtf8) {
    StatusDialogModel model(doc.calendar, working);
    StatusDialog dialog(model, prompts, StatusDialogModel::title(firstNameUtf8, lastNameUtf8),
                        parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    model.apply(working);
    return true;
}

}  // namespace zelvo::gui
