#include "gui/records/type_ahead_list_widget.h"

#include <string>
#include <vector>

#include "gui/shell/qt_text.h"

namespace zelvo::gui {

TypeAheadListWidget::TypeAheadListWidget(QWidget* parent) : QListWidget(parent) {
    clock_.start();
}

void TypeAheadListWidget::keyboardSearch(const QString& search) {
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(count()));
    for (int i = 0; i < count(); ++i) texts.push_back(utf8Text(item(i)->text()));
    const int found = typed_.find(texts, currentRow(), utf8Text(search), clock_.elapsed());
    if (found < 0) return;
    setCurrentRow(found);
    scrollToItem(item(found));
}

}  // namespace zelvo::gui
