#include "gui/records/privileges_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "gui/records/steady_form.h"
#include "gui/shell/dialog_buttons.h"
#include "gui/shell/qt_text.h"
#include "records/date_lists.h"
#include "resources/strings.h"
#include "store/clock.h"
#include "store/user_prompts.h"

namespace zelvo::gui {

namespace {

using records::PrivilegesModel;

constexpr const char* kRowNames[records::kPrivilegeRows] = {"servant", "elder", "regular",
                                                            "continuousAux", "special"};

QComboBox* dropList(QWidget* parent, const QString& name) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    list->setMaxVisibleItems(14);
    return list;
}

QCheckBox* tick(QWidget* parent, const QString& name, const std::string& text) {
    auto* box = new QCheckBox(qtText(text), parent);
    box->setObjectName(name);
    return box;
}

void showTick(QCheckBox* box, bool on) {
    const QSignalBlocker quiet(box);
    box->setChecked(on);
}

}  // namespace

PrivilegesDialog::PrivilegesDialog(PrivilegesModel& model, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), model_(model), prompts_(prompts) {
    setObjectName(QStringLiteral("privilegesDialog"));
    setWindowTitle(qtText(model_.title()));

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(qtText(res::kPrivilegeStart), this), 0, 1, 1, 3, Qt::AlignCenter);
    grid->addWidget(new QLabel(qtText(res::kPrivilegeEnd), this), 0, 5, 1, 3, Qt::AlignCenter);
    grid->setColumnMinimumWidth(4, 16);
    QList<QWidget*> order;
    for (int row = 0; row < records::kPrivilegeRows; ++row) {
        const auto r = static_cast<std::size_t>(row);
        const QString name = QLatin1String(kRowNames[r]);
        ticks_[r] = tick(this, name + QStringLiteral("Check"), PrivilegesModel::rowText(row));
        starts_[r] = dateLists(row, kRowNames[r], false);
        ends_[r] = dateLists(row, kRowNames[r], true);
        grid->addWidget(ticks_[r], row + 1, 0);
        int column = 1;
        for (const DateRow& lists : {starts_[r], ends_[r]}) {
            for (QComboBox* list : {lists.month, lists.day, lists.year}) {
                grid->addWidget(list, row + 1, column++);
                order << list;
                keepRoom(list);
            }
            ++column;  // the gap between the dates
        }
        order.insert(order.size() - 6, ticks_[r]);
        connect(ticks_[r], &QCheckBox::toggled, this, [this, row](bool on) {
            model_.setTicked(row, on);
            refresh();
        });
    }
    fieldMissionary_ =
        tick(this, QStringLiteral("fieldMissionaryCheck"), PrivilegesModel::fieldMissionaryText());
    fullTimeServant_ =
        tick(this, QStringLiteral("fullTimeServantCheck"), PrivilegesModel::fullTimeServantText());
    connect(fieldMissionary_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setFieldMissionary(on);
        refresh();
    });
    connect(fullTimeServant_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setFullTimeServant(on);
        refresh();
    });

    const OkCancelRow buttons = okCancelRow(this);
    ok_ = buttons.ok;
    connect(ok_, &QPushButton::clicked, this, &PrivilegesDialog::onOk);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addWidget(fieldMissionary_);
    layout->addWidget(fullTimeServant_);
    layout->addLayout(buttons.row);
    order << fieldMissionary_ << fullTimeServant_ << buttons.ok << buttons.cancel;
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);

    refresh();
    ticks_[0]->setFocus();
}

PrivilegesDialog::DateRow PrivilegesDialog::dateLists(int row, const char* prefix, bool end) {
    const QString name =
        QLatin1String(prefix) + (end ? QStringLiteral("End") : QStringLiteral("Start"));
    DateRow lists{dropList(this, name + QStringLiteral("Month")),
                  dropList(this, name + QStringLiteral("Day")),
                  dropList(this, name + QStringLiteral("Year"))};
    for (const std::string& m : records::DateLists::monthEntries()) lists.month->addItem(qtText(m));
    for (const std::string& d : records::DateLists::dayEntries()) lists.day->addItem(qtText(d));
    const auto chosen = [this, row, end](DatePart part, int value) {
        if (end)
            model_.setEnd(row, part, value);
        else
            model_.setStart(row, part, value);
        refresh();
    };
    connect(lists.month, &QComboBox::activated, this,
            [chosen](int index) { chosen(DatePart::Month, index); });
    connect(lists.day, &QComboBox::activated, this,
            [chosen](int index) { chosen(DatePart::Day, index); });
    QComboBox* year = lists.year;
    connect(year, &QComboBox::activated, this,
            [chosen, year](int index) { chosen(DatePart::Year, year->itemData(index).toInt()); });
    return lists;
}

void PrivilegesDialog::showDate(const DateRow& lists, const records::DateLists& date, int row) {
    const QSignalBlocker quietMonth(lists.month);
    const QSignalBlocker quietDay(lists.day);
    const QSignalBlocker quietYear(lists.year);
    const std::vector<int> years = model_.yearEntries(row);
    if (lists.year->count() != static_cast<int>(years.size()) ||
        lists.year->itemData(1).toInt() != years.at(1)) {
        lists.year->clear();
        for (const int y : years) lists.year->addItem(y == 0 ? QString() : QString::number(y), y);
    }
    lists.month->setCurrentIndex(date.month());
    lists.day->setCurrentIndex(date.day());
    lists.year->setCurrentIndex(std::max(0, lists.year->findData(date.year())));
}

void PrivilegesDialog::refresh() {
    for (int row = 0; row < records::kPrivilegeRows; ++row) {
        const auto r = static_cast<std::size_t>(row);
        const bool enabled = model_.rowEnabled(row);
        showTick(ticks_[r], model_.ticked(row));
        showDate(starts_[r], model_.start(row), row);
        showDate(ends_[r], model_.end(row), row);
        const bool endShown = model_.endVisible(row);
        for (QWidget* w :
             {static_cast<QWidget*>(ticks_[r]), static_cast<QWidget*>(starts_[r].month),
              static_cast<QWidget*>(starts_[r].day), static_cast<QWidget*>(starts_[r].year)})
            w->setEnabled(enabled);
        for (QComboBox* list : {ends_[r].month, ends_[r].day, ends_[r].year}) {
            list->setVisible(endShown);
            list->setEnabled(enabled);
        }
    }
    showTick(fieldMissionary_, model_.fieldMissionary());
    showTick(fullTimeServant_, model_.fullTimeServant());
}

void PrivilegesDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier && focusWidget() != ok_) {
        focusNextChild();
        return;
    }
    QDialog::keyPressEvent(event);
}

void PrivilegesDialog::onOk() {
    const PrivilegesModel::Accepted result = model_.accept();
    // Dates the table had no room for are told; the ticks still go back to the details.
    if (result.problem) prompts_.showMessage(*result.problem);
    accepted_ = result;
    accept();
}

std::optional<records::PrivilegesModel::Accepted> runPrivilegesDialog(
    QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts, std::uint16_t id,
    const std::string& displayNameUtf8, bool male, const records::PrivilegeTicks& ticks,
    const records::PrivilegeDateTexts* held) {
    PrivilegesModel model(doc, id, displayNameUtf8, male, ticks, todayFromEnvironment().year, held);
    PrivilegesDialog dialog(model, prompts, parent);
    dialog.exec();
    return dialog.accepted();
}

}  // namespace zelvo::gui
