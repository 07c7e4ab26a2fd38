#include "gui/records/shared_record_chooser.h"
#include "gui/shell/dialog_buttons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/records/type_ahead_list_widget.h"
#include "gui/shell/qt_text.h"
#include "records/shared_records.h"
#include "resources/strings.h"

namespace zelvo::gui {

std::optional<int> chooseSharedRecord(QWidget* parent, const SharedRecordChoice& choice) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("sharedRecordChooser"));
    dialog.setWindowTitle(qtText(choice.title));

    auto* list = new TypeAheadListWidget(&dialog);
    list->setObjectName(QStringLiteral("recordList"));
    for (const SharedRecordChoice::Entry& e : choice.entries) list->addItem(qtText(e.label));
    list->setMinimumWidth(list->fontMetrics().averageCharWidth() * 50);

    const OkCancelRow buttons = okCancelRow(&dialog);
    QPushButton* ok = buttons.ok;

    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(list, 1);
    layout->addLayout(buttons.row);

    // Focus alone makes a row current without choosing it: only a selected row counts.
    auto chosenRow = [list] {
        const QList<QListWidgetItem*> items = list->selectedItems();
        return items.isEmpty() ? -1 : list->row(items.first());
    };
    QObject::connect(list, &QListWidget::itemSelectionChanged,
                     [ok, chosenRow] { ok->setEnabled(chosenRow() >= 0); });
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    list->setCurrentRow(choice.preselected);
    ok->setEnabled(chosenRow() >= 0);
    list->setFocus();

    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const int row = chosenRow();
    if (row < 0 || row >= static_cast<int>(choice.entries.size())) return std::nullopt;
    return choice.entries[static_cast<std::size_t>(row)].key;
}

}  // namespace zelvo::gui
