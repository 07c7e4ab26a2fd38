#include "gui/records/tab_stops_delegate.h"

#include <QApplication>
#include <QPainter>
#include <algorithm>

namespace zelvo::gui {

void TabStopsDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QStringList parts = item.text.split(QLatin1Char('\t'));
    item.text.clear();
    const QWidget* widget = item.widget;
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    const QRect area =
        style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget).adjusted(2, 0, -2, 0);
    const bool selected = (item.state & QStyle::State_Selected) != 0;
    const auto stopAt = [this](qsizetype i) { return stops_[static_cast<std::size_t>(i)]; };
    painter->save();
    painter->setFont(item.font);
    painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const int left = i == 0 ? 0 : stopAt(i - 1);
        const int right = static_cast<std::size_t>(i) < stops_.size() ? stopAt(i) : area.width();
        const QRect cell(area.left() + left, area.top(), std::max(0, right - left - 4),
                         area.height());
        painter->drawText(cell, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          item.fontMetrics.elidedText(parts[i], Qt::ElideRight, cell.width()));
    }
    painter->restore();
}

}  // namespace zelvo::gui
