// Draws a list row's parts between its tabs, each at its own stop, as a list box with tab stops
// does; a part too long for its column ends in "…".
#pragma once

#include <QStyledItemDelegate>
#include <vector>

namespace zelvo::gui {

class TabStopsDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    // Pixels from the row's left edge.
    void setStops(std::vector<int> stops) { stops_ = std::move(stops); }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    std::vector<int> stops_;
};

}  // namespace zelvo::gui
