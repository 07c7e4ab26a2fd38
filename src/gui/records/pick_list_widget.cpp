#include "gui/records/pick_list_widget.h"

#include <QSignalBlocker>

#include "gui/shell/qt_text.h"

namespace zelvo::gui {

PickListWidget::PickListWidget(records::PickList& list, QWidget* parent)
    : QListWidget(parent), list_(list) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    clock_.start();
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!filling_) list_.select(row);
    });
}

void PickListWidget::showList() {
    filling_ = true;
    {
        const QSignalBlocker quiet(this);
        clear();
        for (const records::PickEntry& e : list_.entries()) addItem(qtText(e.text));
    }
    filling_ = false;
    showSelection();
}

void PickListWidget::showSelection() {
    const QSignalBlocker quiet(this);
    setCurrentRow(list_.selected());
    if (currentItem() != nullptr) scrollToItem(currentItem());
}

void PickListWidget::keyboardSearch(const QString& search) {
    list_.typeAhead(utf8Text(search), clock_.elapsed());
    showSelection();
}

}  // namespace zelvo::gui
