#include "gui/reporting/month_chooser_dialog.h"
#include "gui/shell/dialog_buttons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "gui/shell/qt_text.h"
#include "resources/strings.h"

namespace zelvo::gui {

MonthChooserDialog::MonthChooserDialog(reporting::MonthChooserModel& model, QWidget* parent)
    : QDialog(parent),
      model_(model),
      month_(new QComboBox(this)),
      years_(new QListWidget(this)),
      regular_(new QCheckBox(qtText(res::kRegularPublisherTick), this)) {
    setObjectName(QStringLiteral("monthChooserDialog"));
    setWindowTitle(qtText(res::kMonthChooserTitle));

    auto* group = new QGroupBox(qtText(model.caption()), this);
    group->setObjectName(QStringLiteral("captionGroup"));
    month_->setObjectName(QStringLiteral("monthCombo"));
    for (const std::string& name : reporting::MonthChooserModel::monthEntries())
        month_->addItem(qtText(name));
    month_->setCurrentIndex(model.monthIndex());
    years_->setObjectName(QStringLiteral("yearList"));
    for (const int year : model.yearEntries()) years_->addItem(QString::number(year));
    years_->setVisible(model.yearListVisible());
    regular_->setObjectName(QStringLiteral("regularTick"));
    regular_->setVisible(model.tickVisible());

    const OkCancelRow buttons = okCancelRow(this);

    auto* inside = new QVBoxLayout(group);
    inside->addWidget(month_);
    inside->addWidget(years_);
    inside->addWidget(regular_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons.row);

    connect(month_, &QComboBox::currentIndexChanged, this, [this](int index) {
        model_.setMonthIndex(index);
        showYear();
    });
    connect(years_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) model_.setTopYear(model_.yearEntries()[static_cast<std::size_t>(row)]);
    });
    connect(regular_, &QCheckBox::toggled, this, [this](bool on) { model_.setRegular(on); });
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    showYear();
    month_->setFocus();
}

void MonthChooserDialog::showYear() {
    const QSignalBlocker quiet(years_);
    const int row = model_.topYear() - model_.yearEntries().front();
    years_->setCurrentRow(row);
    // The chosen year is the top line of the list.
    if (QListWidgetItem* item = years_->item(row))
        years_->scrollToItem(item, QAbstractItemView::PositionAtTop);
}

reporting::MonthChooserModel::Result chooseMonth(QWidget* parent, const CalendarState& calendar,
                                                 int initialMonthIndex,
                                                 const std::string& captionUtf8, int mode) {
    reporting::MonthChooserModel model(calendar, initialMonthIndex, captionUtf8, mode);
    MonthChooserDialog dialog(model, parent);
    if (dialog.exec() != QDialog::Accepted) return reporting::MonthChooserModel::cancelled();
    return model.accept();
}

}  // namespace zelvo::gui
