#include "gui/records/date_lists_widget.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/records/steady_form.h"
#include "gui/shell/qt_text.h"
#include "records/date_lists.h"

namespace zelvo::gui {

namespace {

QComboBox* dropList(QWidget* parent, const QString& name) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    list->setMaxVisibleItems(14);
    return list;
}

}  // namespace

DateListsWidget::DateListsWidget(records::DateLists& date, const QString& name, QWidget* parent)
    : QWidget(parent),
      date_(date),
      month_(dropList(this, name + QStringLiteral("Month"))),
      day_(dropList(this, name + QStringLiteral("Day"))),
      year_(dropList(this, name + QStringLiteral("Year"))),
      words_(new QLabel(this)) {
    words_->setObjectName(name + QStringLiteral("Words"));
    for (const std::string& m : records::DateLists::monthEntries()) month_->addItem(qtText(m));
    for (const std::string& d : records::DateLists::dayEntries()) day_->addItem(qtText(d));

    auto* lists = new QHBoxLayout;
    lists->setContentsMargins(0, 0, 0, 0);
    lists->addWidget(month_);
    lists->addWidget(day_);
    lists->addWidget(year_);
    lists->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(lists);
    layout->addWidget(words_);

    for (QComboBox* list : {month_, day_, year_})
        connect(list, &QComboBox::activated, this, &DateListsWidget::onChosen);
    refresh();
}

void DateListsWidget::refresh() {
    const QSignalBlocker quietMonth(month_);
    const QSignalBlocker quietDay(day_);
    const QSignalBlocker quietYear(year_);
    const std::vector<int> years = date_.yearEntries();
    if (years != years_) {
        years_ = years;
        year_->clear();
        for (int y : years_) year_->addItem(y == 0 ? QString() : QString::number(y));
    }
    month_->setCurrentIndex(date_.month());
    day_->setCurrentIndex(date_.day());
    const auto at = std::find(years_.begin(), years_.end(), date_.year());
    year_->setCurrentIndex(at == years_.end() ? 0 : static_cast<int>(at - years_.begin()));
    words_->setText(qtText(date_.inWords()));
    markAsWarning(words_, !date_.possible());
}

void DateListsWidget::onChosen() {
    date_.setMonth(month_->currentIndex());
    date_.setDay(day_->currentIndex());
    const int y = year_->currentIndex();
    date_.setYear(
        y >= 0 && y < static_cast<int>(years_.size()) ? years_[static_cast<std::size_t>(y)] : 0);
    refresh();
    emit changed();
}

}  // namespace zelvo::gui
