#include "gui/records/pioneer_hours_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <utility>

#include "gui/shell/dialog_buttons.h"
#include "gui/shell/qt_text.h"
#include "resources/strings.h"

namespace zelvo::gui {

namespace {

using records::PioneerHoursModel;

constexpr int kMonthRows = 12;
enum Column { kHoursColumn, kCreditColumn, kRemarkColumn };

QLabel* line(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setMinimumHeight(l->fontMetrics().lineSpacing());
    return l;
}

void setCell(QTableWidget* grid, int row, int column, const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    if (column != kRemarkColumn) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->setItem(row, column, item);
}

}  // namespace

PioneerHoursDialog::PioneerHoursDialog(PioneerHoursModel& model, Print print, QWidget* parent)
    : QDialog(parent),
      model_(model),
      print_(std::move(print)),
      pioneers_(new QComboBox(this)),
      previousYear_(new QCheckBox(qtText(res::kPreviousServiceYearTick), this)),
      previousYearLine_(line(this, "previousYearLine")),
      start_(line(this, "startLine")),
      remaining_(line(this, "remainingLine")),
      average_(line(this, "averageLine")),
      grid_(new QTableWidget(kMonthRows + 2, 3, this)),
      printButton_(dialogButton(this, res::kPrintButton, "printButton")) {
    setObjectName(QStringLiteral("pioneerHoursDialog"));
    setWindowTitle(qtText(res::kPioneerHoursTitle));
    pioneers_->setObjectName(QStringLiteral("pioneerCombo"));
    pioneers_->setMinimumWidth(pioneers_->fontMetrics().averageCharWidth() * 32);
    for (const PioneerHoursModel::Pioneer& p : model_.pioneers())
        pioneers_->addItem(qtText(p.name));
    previousYear_->setObjectName(QStringLiteral("previousYearTick"));
    pioneers_->setVisible(model_.pickerVisible());
    previousYear_->setVisible(model_.pickerVisible());

    grid_->setObjectName(QStringLiteral("monthGrid"));
    grid_->setHorizontalHeaderLabels({qtText(res::kHoursWord), qtText(res::kPioneerCreditColumn),
                                      qtText(res::kPioneerRemarksColumn)});
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->setFocusPolicy(Qt::NoFocus);
    grid_->horizontalHeader()->setSectionResizeMode(kRemarkColumn, QHeaderView::Stretch);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int remarkWidth = grid_->fontMetrics().averageCharWidth() * 40;
    grid_->setMinimumWidth(remarkWidth + grid_->columnWidth(0) * 3);

    printButton_->setEnabled(static_cast<bool>(print_));
    QPushButton* close = dialogButton(this, res::kCloseAction, "closeButton");
    close->setDefault(true);

    auto* top = new QHBoxLayout;
    top->addWidget(pioneers_);
    top->addSpacing(16);
    top->addWidget(previousYear_);
    top->addStretch(1);
    auto* foot = new QHBoxLayout;
    foot->addStretch(1);
    foot->addWidget(printButton_);
    foot->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    for (QLabel* l : {previousYearLine_, start_, remaining_, average_}) layout->addWidget(l);
    layout->addWidget(grid_, 1);
    layout->addLayout(foot);
    setTabOrder(pioneers_, previousYear_);
    setTabOrder(previousYear_, printButton_);
    setTabOrder(printButton_, close);

    connect(pioneers_, &QComboBox::currentIndexChanged, this, [this](int index) {
        model_.select(index);
        refresh();
    });
    connect(previousYear_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setPreviousYear(on);
        refresh();
    });
    connect(printButton_, &QPushButton::clicked, this, [this] {
        if (model_.selected() >= 0) print_();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    refresh();
    // Every month of the grid is seen at once.
    grid_->resizeColumnsToContents();
    grid_->horizontalHeader()->setSectionResizeMode(kRemarkColumn, QHeaderView::Stretch);
    int height = grid_->horizontalHeader()->height() + grid_->frameWidth() * 2;
    for (int row = 0; row < grid_->rowCount(); ++row) height += grid_->rowHeight(row);
    grid_->setMinimumHeight(height);
}

void PioneerHoursDialog::refresh() {
    {
        const QSignalBlocker quiet(pioneers_);
        pioneers_->setCurrentIndex(model_.selected());
    }
    {
        const QSignalBlocker quiet(previousYear_);
        previousYear_->setChecked(model_.previousYear());
    }
    previousYearLine_->setText(qtText(model_.previousYearLine()));
    start_->setText(qtText(model_.startLine()));
    remaining_->setText(qtText(model_.remainingLine()));
    average_->setText(qtText(model_.averageLine()));
    showGrid();
    printButton_->setEnabled(static_cast<bool>(print_) && model_.selected() >= 0);
}

// Redrawn on every change: a month without a report is blank.
void PioneerHoursDialog::showGrid() {
    const std::vector<PioneerHoursModel::MonthRow> months = model_.grid();
    QStringList labels;
    for (int row = 0; row < kMonthRows; ++row) {
        const bool known = row < static_cast<int>(months.size());
        const PioneerHoursModel::MonthRow* m =
            known ? &months[static_cast<std::size_t>(row)] : nullptr;
        // The months run from September.
        labels << qtText(m != nullptr ? std::string_view(m->label)
                                      : res::monthAbbrev((row + 8) % 12));
        const bool shown = m != nullptr && m->reported;
        setCell(grid_, row, kHoursColumn, shown ? QString::number(m->hours) : QString());
        setCell(grid_, row, kCreditColumn, shown ? QString::number(m->credit) : QString());
        setCell(grid_, row, kRemarkColumn, shown ? qtText(m->remark) : QString());
    }
    labels << qtText(res::kCategoryTotals) << qtText(res::kAverageShort);
    grid_->setVerticalHeaderLabels(labels);
    const bool any = model_.selected() >= 0;
    setCell(grid_, kMonthRows, kHoursColumn,
            any ? QString::number(model_.totalHours()) : QString());
    setCell(grid_, kMonthRows, kCreditColumn,
            any ? QString::number(model_.totalCredit()) : QString());
    setCell(grid_, kMonthRows, kRemarkColumn, QString());
    setCell(grid_, kMonthRows + 1, kHoursColumn,
            any ? qtText(model_.averageHoursText()) : QString());
    setCell(grid_, kMonthRows + 1, kCreditColumn,
            any ? qtText(model_.averageCreditText()) : QString());
    setCell(grid_, kMonthRows + 1, kRemarkColumn, QString());
}

void runPioneerHours(QWidget* parent, const CZelvoDoc& doc, PioneerHoursDialog::Print print) {
    PioneerHoursModel model(doc);
    PioneerHoursDialog dialog(model, std::move(print), parent);
    dialog.exec();
}

}  // namespace zelvo::gui
