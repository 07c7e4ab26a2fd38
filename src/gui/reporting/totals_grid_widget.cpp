#include "gui/reporting/totals_grid_widget.h"

#include <QGridLayout>
#include <QLabel>

#include "gui/shell/qt_text.h"

namespace zelvo::gui {

TotalsGridWidget::TotalsGridWidget(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("totalsGrid"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    auto* layout = new QGridLayout(this);
    layout->setHorizontalSpacing(10);
    // Equal columns, each as wide as the widest text any of them may hold.
    const int width = fontMetrics().horizontalAdvance(QStringLiteral("Βοηθ.Σκαπ")) + 4;
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 7; ++c) {
            auto* cell = new QLabel(this);
            cell->setObjectName(QStringLiteral("totalsCell%1%2").arg(r).arg(c));
            cell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (r == reporting::PublisherListModel::kTotalsRow) {
                QPalette blue = cell->palette();
                blue.setColor(QPalette::WindowText, Qt::blue);
                cell->setPalette(blue);
            }
            layout->addWidget(cell, r, c);
            cells_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = cell;
        }
    }
    for (int c = 0; c < 7; ++c) {
        layout->setColumnStretch(c, 1);
        layout->setColumnMinimumWidth(c, width);
    }
}

void TotalsGridWidget::showGrid(const reporting::PublisherListModel::Grid& grid) {
    for (std::size_t r = 0; r < grid.size(); ++r)
        for (std::size_t c = 0; c < grid[r].size(); ++c) cells_[r][c]->setText(qtText(grid[r][c]));
}

QString TotalsGridWidget::cellText(int row, int column) const {
    return cells_.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column))->text();
}

QColor TotalsGridWidget::cellColor(int row, int column) const {
    return cells_.at(static_cast<std::size_t>(row))
        .at(static_cast<std::size_t>(column))
        ->palette()
        .color(QPalette::WindowText);
}

}  // namespace zelvo::gui
