// The month's running totals in the publisher list: seven equal columns of five rows, each cell
// right-aligned, the totals row in blue.
#pragma once

#include <QFrame>
#include <array>

#include "reporting/publisher_list_model.h"

class QLabel;

namespace zelvo::gui {

class TotalsGridWidget : public QFrame {
    Q_OBJECT
public:
    explicit TotalsGridWidget(QWidget* parent = nullptr);

    void showGrid(const reporting::PublisherListModel::Grid& grid);
    QString cellText(int row, int column) const;
    // The colour the cell's text is drawn in.
    QColor cellColor(int row, int column) const;

private:
    std::array<std::array<QLabel*, 7>, 5> cells_{};
};

}  // namespace zelvo::gui
