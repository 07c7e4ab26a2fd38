#include "gui/records/group_details_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <string>

#include "gui/records/group_assignment_dialog.h"
#include "gui/records/publisher_picker.h"
#include "gui/shell/dialog_buttons.h"
#include "gui/shell/qt_text.h"
#include "resources/strings.h"
#include "store/zelvo_doc.h"

namespace zelvo::gui {

namespace {

QLineEdit* lineEdit(QWidget* parent, const char* name, int maxLength) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setMaxLength(maxLength);
    e->setMinimumWidth(e->fontMetrics().averageCharWidth() * (maxLength + 4));
    return e;
}

QLabel* caption(QWidget* parent, std::string_view text, QWidget* buddy) {
    auto* l = new QLabel(qtText(text), parent);
    l->setBuddy(buddy);
    return l;
}

// Each edit box writes its text into the model's field as it is typed.
void bind(QLineEdit* edit, std::string& field) {
    QObject::connect(edit, &QLineEdit::textEdited, edit,
                     [&field](const QString& text) { field = utf8Text(text); });
}

}  // namespace

GroupDetailsDialog::GroupDetailsDialog(records::GroupDetailsModel& model, CZelvoDoc& doc,
                                       QWidget* parent)
    : QDialog(parent),
      model_(model),
      doc_(doc),
      overseer_(lineEdit(this, "overseerEdit", records::kGroupNameLength)),
      assistant_(lineEdit(this, "assistantEdit", records::kGroupNameLength)),
      place_(lineEdit(this, "placeEdit", records::kGroupPlaceLength)),
      time_(lineEdit(this, "timeEdit", records::kGroupTimeLength)),
      label_(lineEdit(this, "labelEdit", records::kGroupLabelLength)),
      day_(new QComboBox(this)),
      useLabel_(new QCheckBox(qtText(res::kGroupLabelTick), this)) {
    setObjectName(QStringLiteral("groupDetailsDialog"));
    setWindowTitle(qtText(model_.title()));
    day_->setObjectName(QStringLiteral("dayCombo"));
    for (const std::string& d : records::GroupDetailsModel::dayNames()) day_->addItem(qtText(d));
    useLabel_->setObjectName(QStringLiteral("labelTick"));
    QPushButton* chooseOverseer = dialogButton(this, res::kChooseChoice, "chooseOverseerButton");
    QPushButton* chooseAssistant = dialogButton(this, res::kChooseChoice, "chooseAssistantButton");
    QPushButton* assign = dialogButton(this, res::kAssignedPublishers, "assignButton");
    assign->setEnabled(!doc_.kindLists[kPublisher].empty());
    // Enter presses the button that has the focus, else OK.
    for (QPushButton* b : {chooseOverseer, chooseAssistant, assign}) b->setAutoDefault(true);
    const OkCancelRow okCancel = okCancelRow(this);

    auto* grid = new QGridLayout;
    grid->addWidget(caption(this, res::kGroupOverseer, overseer_), 0, 0);
    grid->addWidget(overseer_, 0, 1);
    grid->addWidget(chooseOverseer, 0, 2);
    grid->addWidget(caption(this, res::kGroupAssistant, assistant_), 1, 0);
    grid->addWidget(assistant_, 1, 1);
    grid->addWidget(chooseAssistant, 1, 2);
    grid->addWidget(caption(this, res::kGroupPlace, place_), 2, 0);
    grid->addWidget(place_, 2, 1);
    auto* when = new QHBoxLayout;
    when->addWidget(day_);
    when->addSpacing(day_->fontMetrics().averageCharWidth() * 2);
    when->addWidget(caption(this, res::kGroupTime, time_));
    when->addWidget(time_);
    when->addStretch(1);
    grid->addLayout(when, 3, 1);
    grid->addWidget(useLabel_, 4, 0, 1, 2);
    grid->addWidget(label_, 5, 1);
    okCancel.row->insertWidget(0, assign);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(overseer_->sizeHint().height() / 2);
    layout->addLayout(okCancel.row);
    const QList<QWidget*> order = {overseer_, chooseOverseer, assistant_,  chooseAssistant,
                                   place_,    day_,           time_,       useLabel_,
                                   label_,    assign,         okCancel.ok, okCancel.cancel};
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);

    bind(overseer_, model_.overseer);
    bind(assistant_, model_.assistant);
    bind(place_, model_.place);
    bind(time_, model_.time);
    bind(label_, model_.labelName);
    connect(day_, &QComboBox::currentIndexChanged, this, [this](int index) { model_.day = index; });
    connect(useLabel_, &QCheckBox::toggled, this, [this](bool on) {
        model_.useLabel = on;
        refresh();
    });
    connect(chooseOverseer, &QPushButton::clicked, this, [this] { chooseName(true); });
    connect(chooseAssistant, &QPushButton::clicked, this, [this] { chooseName(false); });
    connect(assign, &QPushButton::clicked, this,
            [this] { assigned_ = runGroupAssignment(this, doc_, model_.group()) || assigned_; });
    connect(okCancel.ok, &QPushButton::clicked, this, &QDialog::accept);
    refresh();
    overseer_->setFocus();
}

void GroupDetailsDialog::refresh() {
    for (auto [edit, text] :
         {std::pair{overseer_, &model_.overseer}, std::pair{assistant_, &model_.assistant},
          std::pair{place_, &model_.place}, std::pair{time_, &model_.time},
          std::pair{label_, &model_.labelName}}) {
        if (utf8Text(edit->text()) != *text) edit->setText(qtText(*text));
    }
    const QSignalBlocker quietDay(day_);
    day_->setCurrentIndex(model_.day);
    const QSignalBlocker quietTick(useLabel_);
    useLabel_->setChecked(model_.useLabel);
    label_->setEnabled(model_.labelEnabled());
}

void GroupDetailsDialog::chooseName(bool overseer) {
    const auto row = choosePublisherRow(this, doc_);
    if (!row) return;
    if (overseer)
        model_.chooseOverseer(*row);
    else
        model_.chooseAssistant(*row);
    refresh();
    (overseer ? overseer_ : assistant_)->setFocus();
}

bool runGroupDetails(QWidget* parent, CZelvoDoc& doc, int group) {
    records::GroupDetailsModel model(doc, group);
    GroupDetailsDialog dialog(model, doc, parent);
    const bool stored = dialog.exec() == QDialog::Accepted && model.store();
    return stored || dialog.assigned();
}

}  // namespace zelvo::gui
