#include "gui/records/person_list_widget.h"

#include <QSignalBlocker>
#include <algorithm>

#include "gui/records/tab_stops_delegate.h"
#include "gui/shell/qt_text.h"

namespace zelvo::gui {

PersonListWidget::PersonListWidget(int tabStop, QWidget* parent)
    : QListWidget(parent), tabStop_(fontMetrics().averageCharWidth() * tabStop / 4) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new TabStopsDelegate(this));
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
    static_cast<TabStopsDelegate*>(itemDelegate())
        ->setStops({std::max(tabStop_, widest + fontMetrics().averageCharWidth() * 2)});
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
