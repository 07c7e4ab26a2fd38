#include "gui/records/group_editor_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "gui/records/group_assignment_dialog.h"
#include "gui/records/group_details_dialog.h"
#include "gui/records/steady_form.h"
#include "gui/records/tab_stops_delegate.h"
#include "gui/shell/dialog_buttons.h"
#include "gui/shell/qt_text.h"

namespace zelvo::gui {

namespace {

// The list's stops in pixels: the editor's stops in dialog units (a quarter of the average
// character width), moved right where a column's widest text needs more room, so that no name is
// cut.
std::vector<int> tabStops(const QListWidget* list) {
    const QFontMetrics metrics = list->fontMetrics();
    const int gap = metrics.averageCharWidth() * 2;
    std::vector<int> stops;
    int left = 0;
    for (std::size_t c = 0; c < records::GroupEditorModel::kTabStops.size(); ++c) {
        int widest = 0;
        for (int r = 0; r < list->count(); ++r) {
            const QString part = list->item(r)->text().section(
                QLatin1Char('\t'), static_cast<int>(c), static_cast<int>(c));
            widest = std::max(widest, metrics.horizontalAdvance(part));
        }
        left = std::max(metrics.averageCharWidth() * records::GroupEditorModel::kTabStops[c] / 4,
                        left + widest + gap);
        stops.push_back(left);
    }
    return stops;
}

}  // namespace

GroupEditorDialog::GroupEditorDialog(records::GroupEditorModel& model, QWidget* parent)
    : QDialog(parent),
      model_(model),
      rows_(new QListWidget(this)),
      note_(new QLabel(qtText(model.note()), this)),
      edit_(dialogButton(this, {}, "editButton")),
      assign_(dialogButton(this, model.assignCaption(), "assignButton")) {
    setObjectName(QStringLiteral("groupEditorDialog"));
    setWindowTitle(qtText(model_.title()));
    rows_->setObjectName(QStringLiteral("groupRows"));
    rows_->setItemDelegate(new TabStopsDelegate(rows_));
    rows_->setSelectionMode(QAbstractItemView::SingleSelection);
    rows_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int charWidth = rows_->fontMetrics().averageCharWidth();
    note_->setObjectName(QStringLiteral("noteLabel"));
    markAsWarning(note_);
    keepRoom(note_);
    edit_->setDefault(true);
    assign_->setAutoDefault(true);
    QPushButton* done = dialogButton(this, model_.doneCaption(), "doneButton");
    done->setAutoDefault(true);
    // The edit button's caption follows the selected group: it takes the room of a label name.
    edit_->setMinimumWidth(charWidth * 36);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(edit_);
    buttons->addWidget(assign_);
    buttons->addStretch(1);
    buttons->addWidget(done);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rows_, 1);
    layout->addWidget(note_);
    layout->addLayout(buttons);
    const QList<QWidget*> order = {rows_, edit_, assign_, done};
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);

    connect(rows_, &QListWidget::currentRowChanged, this, [this](int row) {
        model_.select(row + 1);
        refresh();
    });
    // Enter reaches the default edit button; only a double click needs its own way.
    connect(rows_, &QListWidget::itemDoubleClicked, this, &GroupEditorDialog::onEdit);
    connect(edit_, &QPushButton::clicked, this, &GroupEditorDialog::onEdit);
    connect(assign_, &QPushButton::clicked, this, &GroupEditorDialog::onAssign);
    connect(done, &QPushButton::clicked, this, &GroupEditorDialog::finish);
    refresh();
    // All twenty groups are seen at once.
    rows_->setMinimumHeight(rows_->sizeHintForRow(0) * 20 + rows_->frameWidth() * 2);
    rows_->setFocus();
}

void GroupEditorDialog::refresh() {
    {
        const QSignalBlocker quiet(rows_);
        rows_->clear();
        for (const records::GroupEditorRow& r : model_.rows()) rows_->addItem(qtText(r.text));
        rows_->setCurrentRow(model_.selected() - 1);
    }
    const std::vector<int> stops = tabStops(rows_);
    static_cast<TabStopsDelegate*>(rows_->itemDelegate())->setStops(stops);
    // Room for the time after the last stop.
    rows_->setMinimumWidth(stops.back() + rows_->fontMetrics().averageCharWidth() * 12);
    rows_->viewport()->update();
    note_->setVisible(model_.noteVisible());
    edit_->setText(qtText(model_.editCaption()));
    assign_->setEnabled(model_.assignEnabled());
}

void GroupEditorDialog::onEdit() {
    runGroupDetails(this, model_.doc(), model_.selected());
    refresh();
    // All twenty groups are seen at once.
    rows_->setMinimumHeight(rows_->sizeHintForRow(0) * 20 + rows_->frameWidth() * 2);
    rows_->setFocus();
}

void GroupEditorDialog::onAssign() {
    if (!model_.assignEnabled()) return;
    runGroupAssignment(this, model_.doc(), model_.selected());
    refresh();
    // All twenty groups are seen at once.
    rows_->setMinimumHeight(rows_->sizeHintForRow(0) * 20 + rows_->frameWidth() * 2);
    rows_->setFocus();
}

void GroupEditorDialog::finish() {
    changed_ = model_.done();
    QDialog::accept();
}

void GroupEditorDialog::reject() {
    finish();
}

bool runGroupEditor(QWidget* parent, CZelvoDoc& doc) {
    records::GroupEditorModel model(doc);
    GroupEditorDialog dialog(model, parent);
    dialog.exec();
    return dialog.changed();
}

}  // namespace zelvo::gui
