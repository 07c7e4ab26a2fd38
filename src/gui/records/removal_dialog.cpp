#include "gui/records/removal_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "gui/shell/dialog_buttons.h"
#include "gui/shell/qt_text.h"
#include "resources/strings.h"
#include "store/clock.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo::gui {

RemovalDialog::RemovalDialog(records::RemovalModel& model, QWidget* parent)
    : QDialog(parent),
      model_(model),
      permanent_(new QRadioButton(qtText(res::kRemovePermanently), this)),
      temporary_(new QRadioButton(qtText(res::kRemoveTemporarily), this)),
      month_(new QComboBox(this)),
      year_(new QComboBox(this)) {
    setObjectName(QStringLiteral("removalDialog"));
    setWindowTitle(qtText(model.caption()));
    permanent_->setObjectName(QStringLiteral("permanentChoice"));
    temporary_->setObjectName(QStringLiteral("temporaryChoice"));
    month_->setObjectName(QStringLiteral("monthCombo"));
    for (const std::string& m : model.monthEntries()) month_->addItem(qtText(m));
    year_->setObjectName(QStringLiteral("yearCombo"));
    for (const int y : model.yearEntries()) year_->addItem(QString::number(y));

    const OkCancelRow buttons = okCancelRow(this);
    auto* grid = new QGridLayout;
    grid->addWidget(permanent_, 0, 0, 1, 3);
    grid->addWidget(temporary_, 1, 0, 1, 3);
    grid->addWidget(month_, 2, 1);
    grid->addWidget(year_, 2, 2);
    grid->setColumnMinimumWidth(0, 16);
    grid->setColumnStretch(3, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(buttons.row);
    setTabOrder(permanent_, temporary_);
    setTabOrder(temporary_, month_);
    setTabOrder(month_, year_);
    setTabOrder(year_, buttons.ok);
    setTabOrder(buttons.ok, buttons.cancel);

    connect(temporary_, &QRadioButton::toggled, this, [this](bool on) {
        model_.temporary = on;
        refresh();
    });
    connect(month_, &QComboBox::currentIndexChanged, this,
            [this](int entry) { model_.monthEntry = entry; });
    connect(year_, &QComboBox::currentIndexChanged, this,
            [this](int entry) { model_.yearEntry = entry; });
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    // Wide enough for the name in the title bar.
    setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + 120);
    refresh();
    (model_.temporary ? temporary_ : permanent_)->setFocus();
}

void RemovalDialog::refresh() {
    const QSignalBlocker quietPermanent(permanent_);
    const QSignalBlocker quietTemporary(temporary_);
    const QSignalBlocker quietMonth(month_);
    const QSignalBlocker quietYear(year_);
    permanent_->setChecked(!model_.temporary);
    temporary_->setChecked(model_.temporary);
    month_->setCurrentIndex(model_.monthEntry);
    year_->setCurrentIndex(model_.yearEntry);
    // The month and year matter only for the deleted list.
    month_->setEnabled(model_.temporary);
    year_->setEnabled(model_.temporary);
}

bool runRemoval(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts, int row) {
    records::RemovalModel model(doc, row, todayFromEnvironment().year);
    RemovalDialog dialog(model, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    if (const records::Refusal why = model.apply(doc)) {
        prompts.showMessage(*why);
        return false;
    }
    return true;
}

}  // namespace zelvo::gui
