#include "gui/reporting/collection_start_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/shell/dialog_buttons.h"
#include "gui/shell/qt_text.h"
#include "resources/strings.h"
#include "store/user_prompts.h"

namespace zelvo::gui {

namespace {

QLabel* captionLabel(QWidget* parent, const std::string& text, const char* objectName) {
    auto* label = new QLabel(qtText(text), parent);
    label->setObjectName(QLatin1String(objectName));
    return label;
}

}  // namespace

CollectionStartDialog::CollectionStartDialog(const reporting::CollectionStartModel& model,
                                             UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), model_(model), prompts_(prompts) {
    setObjectName(QStringLiteral("collectionStartDialog"));
    setWindowTitle(qtText(model_.title()));

    QPushButton* continueButton = dialogButton(this, res::kContinueButton, "continueButton");
    QLabel* continueCaption = captionLabel(this, model_.continueCaption(), "continueCaption");
    QPushButton* initialize = dialogButton(this, res::kInitializeButton, "initializeButton");
    QLabel* initializeCaption = captionLabel(this, model_.initializeCaption(), "initializeCaption");
    QPushButton* early = dialogButton(this, model_.earlyCaption(), "earlyButton");
    QPushButton* suggestion = dialogButton(this, res::kSuggestionButton, "suggestionButton");
    QPushButton* cancel = dialogButton(this, res::kButtonCancel, "cancelButton");

    auto* choices = new QGridLayout;
    choices->addWidget(continueButton, 0, 0);
    choices->addWidget(continueCaption, 0, 1);
    choices->addWidget(initialize, 1, 0);
    choices->addWidget(initializeCaption, 1, 1);
    choices->addWidget(early, 2, 0, 1, 2);
    choices->setColumnStretch(1, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(suggestion);
    bottom->addStretch(1);
    bottom->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addSpacing(8);
    layout->addLayout(bottom);

    const bool canContinue = model_.continueVisible();
    continueButton->setVisible(canContinue);
    continueCaption->setVisible(canContinue);
    early->setVisible(model_.earlyVisible());
    suggestion->setVisible(model_.suggestionVisible());
    // Enter continues where that is offered; otherwise it cancels, never initializes.
    QPushButton* preferred = canContinue ? continueButton : cancel;
    preferred->setDefault(true);
    preferred->setAutoDefault(true);
    setTabOrder(continueButton, initialize);
    setTabOrder(initialize, early);
    setTabOrder(early, suggestion);
    setTabOrder(suggestion, cancel);

    connect(continueButton, &QPushButton::clicked, this, [this] { press(Button::Continue); });
    connect(initialize, &QPushButton::clicked, this, [this] { press(Button::Initialize); });
    connect(early, &QPushButton::clicked, this, [this] { press(Button::EarlyNextMonth); });
    connect(suggestion, &QPushButton::clicked, this,
            [this] { prompts_.showMessage(model_.suggestionText()); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    preferred->setFocus();
}

void CollectionStartDialog::press(Button button) {
    if (const auto question = model_.confirmation(button);
        question && !prompts_.askOkCancel(*question))
        return;
    result_ = model_.press(button);
    if (result_) accept();
}

std::optional<reporting::CollectionStartModel::Result> runCollectionStart(
    QWidget* parent, const reporting::CollectionStartModel& model, UserPrompts& prompts) {
    CollectionStartDialog dialog(model, prompts, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.result();
}

}  // namespace zelvo::gui
