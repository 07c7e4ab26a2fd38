#include "gui/records/person_list_widget.h"

#include <QApplication>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <algorithm>

#include "gui/shell/qt_text.h"

namespace zelvo::gui {

namespace {

// Draws the text after the tab at the tab stop, as a list box with tab stops does.
class TabStopDelegate : public QStyledItemDelegate {
public:
    TabStopDelegate(int stopPixels, QObject* parent)
        : QStyledItemDelegate(parent), stop_(stopPixels) {}
    void setStop(int stopPixels) { stop_ = stopPixels; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QString text = item.text;
        item.text.clear();
        const QWidget* widget = item.widget;
        QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

        const QRect area =
            style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget).adjusted(2, 0, -2, 0);
        const bool selected = (item.state & QStyle::State_Selected) != 0;
        painter->save();
        painter->setFont(item.font);
        painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        const qsizetype tab = text.indexOf(QLatin1Char('\t'));
        const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
        QRect name = area;
        if (tab >= 0) name.setRight(std::min(area.right(), area.left() + stop_ - 4));
        painter->drawText(
            name, flags, item.fontMetrics.elidedText(text.left(tab), Qt::ElideRight, name.width()));
        if (tab >= 0) painter->drawText(area.adjusted(stop_, 0, 0, 0), flags, text.mid(tab + 1));
        painter->restore();
    }

private:
    int stop_;
};

}  // namespace

PersonListWidget::PersonListWidget(int tabStop, QWidget* parent)
    : QListWidget(parent), tabStop_(fontMetrics().averageCharWidth() * tabStop / 4) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new TabStopDelegate(tabStop_, this));
}

void PersonListWidget::showRows(std::vector<records::PersonRow> rows) {
    const int was = currentRow();
    {
        const QSignalBlocker quiet(this);
        clear();
        rows_ = std::move(rows);
        for (const records::PersonRow& r : rows_) addItem(qtText(r.text));
    }
    // Greek names are wider than the stop allows for: the detail moves right rather than cut
    // a name.
    int widest = 0;
    for (int i = 0; i < count(); ++i)
        widest = std::max(widest, fontMetrics().horizontalAdvance(
                                      item(i)->text().section(QLatin1Char('\t'), 0, 0)));
    static_cast<TabStopDelegate*>(itemDelegate())
        ->setStop(std::max(tabStop_, widest + fontMetrics().averageCharWidth() * 2));
    const int shown = static_cast<int>(rows_.size());
    setCurrentRow(shown == 0 ? -1 : std::clamp(was, 0, shown - 1));
}

std::optional<int> PersonListWidget::selectedPerson() const {
    const int at = currentRow();
    if (at < 0 || at >= static_cast<int>(rows_.size())) return {};
    return rows_[static_cast<std::size_t>(at)].row;
}

QString PersonListWidget::selectedName() const {
    const QListWidgetItem* item = currentItem();
    if (item == nullptr) return {};
    return item->text().section(QLatin1Char('\t'), 0, 0);
}

}  // namespace zelvo::gui
