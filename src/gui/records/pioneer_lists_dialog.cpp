#include "gui/records/pioneer_lists_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <vector>

#include "gui/records/type_ahead_list_widget.h"
#include "gui/shell/dialog_buttons.h"
#include "gui/shell/qt_text.h"
#include "resources/strings.h"

namespace zelvo::gui {

namespace {

using records::PioneerListsModel;

TypeAheadListWidget* nameList(QWidget* parent, const char* name) {
    auto* l = new TypeAheadListWidget(parent);
    l->setObjectName(QLatin1String(name));
    l->setMinimumWidth(l->fontMetrics().averageCharWidth() * 32);
    l->setMinimumHeight(l->fontMetrics().lineSpacing() * 20);
    return l;
}

void fill(QListWidget* box, const std::vector<PioneerListsModel::Entry>& entries) {
    const QSignalBlocker quiet(box);
    box->clear();
    for (const PioneerListsModel::Entry& e : entries) box->addItem(qtText(e.name));
    box->setCurrentRow(-1);
}

// Puts `entries` into the combo, the entry whose data is `current` chosen.
void fillCombo(QComboBox* box, const std::vector<std::pair<QString, int>>& entries, int current) {
    const QSignalBlocker quiet(box);
    box->clear();
    for (const auto& [text, value] : entries) box->addItem(text, value);
    box->setCurrentIndex(box->findData(current));
}

}  // namespace

PioneerListsDialog::PioneerListsDialog(PioneerListsModel& model, QWidget* parent)
    : QDialog(parent),
      model_(model),
      year_(new QComboBox(this)),
      month_(new QComboBox(this)),
      special_(new QCheckBox(qtText(PioneerListsModel::specialTickText()), this)),
      listed_(nameList(this, "listedList")),
      others_(nameList(this, "othersList")),
      move_(dialogButton(this, PioneerListsModel::addText({}), "moveButton")) {
    setObjectName(QStringLiteral("pioneerListsDialog"));
    year_->setObjectName(QStringLiteral("yearCombo"));
    month_->setObjectName(QStringLiteral("monthCombo"));
    special_->setObjectName(QStringLiteral("specialTick"));
    special_->setVisible(model_.specialTickVisible());
    // The middle button carries the chosen name under its caption: room for two lines and a
    // long name from the start, so the lists do not move when a name is chosen.
    move_->setMinimumSize(move_->fontMetrics().averageCharWidth() * 30,
                          move_->fontMetrics().lineSpacing() * 3);
    move_->setDefault(true);
    QPushButton* done = dialogButton(this, res::kDoneAction, "doneButton");

    auto* choices = new QHBoxLayout;
    choices->addWidget(year_);
    choices->addWidget(month_);
    choices->addSpacing(16);
    choices->addWidget(special_);
    choices->addStretch(1);
    auto* middle = new QVBoxLayout;
    middle->addStretch(1);
    middle->addWidget(move_);
    middle->addStretch(1);
    auto* lists = new QHBoxLayout;
    lists->addWidget(listed_, 1);
    lists->addLayout(middle);
    lists->addWidget(others_, 1);
    auto* foot = new QHBoxLayout;
    foot->addStretch(1);
    foot->addWidget(done);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addLayout(lists, 1);
    layout->addLayout(foot);
    const QList<QWidget*> order = {year_, month_, special_, listed_, move_, others_, done};
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);

    connect(year_, &QComboBox::activated, this, [this](int index) {
        model_.setYear(year_->itemData(index).toInt());
        side_ = Side::None;
        refresh();
    });
    connect(month_, &QComboBox::activated, this, [this](int index) {
        model_.setMonth(month_->itemData(index).toInt());
        side_ = Side::None;
        refresh();
    });
    connect(special_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setSpecial(on);
        side_ = Side::None;
        refresh();
    });
    connect(listed_, &QListWidget::currentRowChanged, this,
            [this](int index) { choose(Side::Listed, index); });
    connect(others_, &QListWidget::currentRowChanged, this,
            [this](int index) { choose(Side::Others, index); });
    for (QListWidget* l : {static_cast<QListWidget*>(listed_), static_cast<QListWidget*>(others_)})
        connect(l, &QListWidget::itemDoubleClicked, move_, &QPushButton::click);
    connect(move_, &QPushButton::clicked, this, &PioneerListsDialog::onMove);
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
    refresh();
    others_->setFocus();
}

// Choosing a name in one list lets go of the other's, so the middle button names one person.
void PioneerListsDialog::choose(Side side, int index) {
    if (index < 0) return;
    side_ = side;
    QListWidget* other = side == Side::Listed ? others_ : listed_;
    const QSignalBlocker quiet(other);
    other->setCurrentRow(-1);
    other->clearSelection();
    const auto& entries = side == Side::Listed ? model_.listed() : model_.others();
    const std::string& name = entries.at(static_cast<std::size_t>(index)).name;
    move_->setText(qtText(side == Side::Listed ? PioneerListsModel::removeText(name)
                                               : PioneerListsModel::addText(name)));
    move_->setEnabled(true);
}

void PioneerListsDialog::onMove() {
    QListWidget* from = side_ == Side::Listed ? listed_ : others_;
    const int index = from->currentRow();
    const auto& entries = side_ == Side::Listed ? model_.listed() : model_.others();
    if (side_ == Side::None || index < 0 || index >= static_cast<int>(entries.size())) return;
    const int row = entries[static_cast<std::size_t>(index)].row;
    changed_ = (side_ == Side::Listed ? model_.remove(row) : model_.add(row)) || changed_;
    side_ = Side::None;
    refresh();
    // The next name of the same list is at hand.
    from->setFocus();
}

void PioneerListsDialog::refresh() {
    setWindowTitle(qtText(model_.title()));
    std::vector<std::pair<QString, int>> years;
    for (const int y : model_.years())
        years.emplace_back(QStringLiteral("%1").arg(y, 2, 10, QLatin1Char('0')), y);
    fillCombo(year_, years, model_.year());
    std::vector<std::pair<QString, int>> months;
    for (const int m : model_.months()) months.emplace_back(qtText(res::monthName(m)), m);
    fillCombo(month_, months, model_.month());
    {
        const QSignalBlocker quiet(special_);
        special_->setChecked(model_.mode() == records::PioneerMode::Special);
    }
    fill(listed_, model_.listed());
    fill(others_, model_.others());
    move_->setText(qtText(PioneerListsModel::addText({})));
    move_->setEnabled(false);
}

bool runPioneerLists(QWidget* parent, CZelvoDoc& doc, records::PioneerMode mode) {
    PioneerListsModel model(doc, mode);
    PioneerListsDialog dialog(model, parent);
    dialog.exec();
    return dialog.changed();
}

}  // namespace zelvo::gui
