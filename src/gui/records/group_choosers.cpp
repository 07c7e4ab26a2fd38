#include "gui/records/group_choosers.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>
#include <string_view>
#include <vector>

#include "gui/records/type_ahead_list_widget.h"
#include "gui/shell/dialog_buttons.h"
#include "gui/shell/qt_text.h"
#include "resources/strings.h"

namespace zelvo::gui {

namespace {

QLabel* label(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

// What both choosers are built on: a modal dialog around the list of groups ("groupList"),
// which opens with the preset group current and holds the focus.
class GroupListDialog {
public:
    GroupListDialog(QWidget* parent, const char* name, std::string_view title,
                    const std::vector<std::string>& entries)
        : dialog_(parent), list_(new TypeAheadListWidget(&dialog_)) {
        dialog_.setObjectName(QLatin1String(name));
        dialog_.setWindowTitle(qtText(title));
        list_->setObjectName(QStringLiteral("groupList"));
        for (const std::string& e : entries) list_->addItem(qtText(e));
    }

    QDialog* dialog() { return &dialog_; }
    TypeAheadListWidget* list() const { return list_; }

    // Runs the dialog with group `preset` (1…) current; true when it was accepted.
    bool run(int preset) {
        list_->setCurrentRow(preset - 1);
        list_->setFocus();
        return dialog_.exec() == QDialog::Accepted;
    }

private:
    QDialog dialog_;
    TypeAheadListWidget* list_;
};

}  // namespace

std::optional<int> choosePublisherGroup(QWidget* parent, const CZelvoDoc& doc, int current) {
    PublisherGroupChooserModel model(doc, current);
    GroupListDialog chooser(parent, "publisherGroupChooser", res::kPublisherGroupTitle,
                            PublisherGroupChooserModel::entries());
    QDialog* dialog = chooser.dialog();
    TypeAheadListWidget* groups = chooser.list();
    groups->setFixedWidth(groups->fontMetrics().averageCharWidth() * 8);
    QLabel* caption = label(dialog, "captionLabel");
    auto* members = new QListWidget(dialog);
    members->setObjectName(QStringLiteral("memberList"));
    members->setFocusPolicy(Qt::NoFocus);
    members->setSelectionMode(QAbstractItemView::NoSelection);
    members->setMinimumWidth(members->fontMetrics().averageCharWidth() * 36);
    QLabel* overseer = label(dialog, "overseerLabel");
    QLabel* place = label(dialog, "placeLabel");

    const OkCancelRow okCancel = okCancelRow(dialog);
    QPushButton* ok = okCancel.ok;

    auto show = [&] {
        caption->setText(qtText(model.caption()));
        members->clear();
        for (const std::string& m : model.members()) members->addItem(qtText(m));
        overseer->setText(qtText(model.overseerLine()));
        place->setText(qtText(model.place()));
        ok->setEnabled(model.canAccept());
    };
    // Focus alone makes a row current without choosing it: only a selected row counts.
    QObject::connect(groups, &QListWidget::itemSelectionChanged, dialog, [&] {
        const QList<QListWidgetItem*> items = groups->selectedItems();
        model.select(items.isEmpty() ? 0 : groups->row(items.first()) + 1);
        show();
    });
    QObject::connect(groups, &QListWidget::itemDoubleClicked, dialog, &QDialog::accept);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);

    auto* side = new QVBoxLayout;
    side->addWidget(caption);
    side->addWidget(members, 1);
    side->addWidget(overseer);
    side->addWidget(place);
    auto* top = new QHBoxLayout;
    top->addWidget(groups);
    top->addLayout(side, 1);
    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(top, 1);
    layout->addLayout(okCancel.row);

    show();
    if (!chooser.run(model.selected()) || !model.canAccept()) return std::nullopt;
    return model.selected();
}

TaskGroupChoice chooseTaskGroup(QWidget* parent, const CZelvoDoc& doc, int preset,
                                bool printButtons) {
    TaskGroupChooserModel model(doc, preset);
    GroupListDialog chooser(parent, "taskGroupChooser", res::kTaskGroupTitle, model.entries());
    QDialog* dialog = chooser.dialog();
    TypeAheadListWidget* groups = chooser.list();
    groups->setMinimumWidth(groups->fontMetrics().averageCharWidth() * 30);

    QPushButton* ok = dialogButton(dialog, res::kButtonOk, "okButton");
    ok->setDefault(true);
    ok->setAutoDefault(true);
    ok->setVisible(model.canChoose());
    QPushButton* cancel = dialogButton(dialog, res::kButtonCancel, "cancelButton");
    QPushButton* printAll = dialogButton(dialog, model.printAllCaption(), "printAllButton");
    QPushButton* printOne = dialogButton(dialog, model.printOneCaption(), "printOneButton");
    printAll->setVisible(printButtons);
    printOne->setVisible(printButtons);
    printAll->setEnabled(model.canChoose());
    printOne->setEnabled(model.canChoose());

    TaskGroupChoice result;
    auto finish = [&](TaskGroupChoice choice) {
        if (choice.action == TaskGroupChoice::Action::Cancelled) return;
        result = choice;
        dialog->accept();
    };
    QObject::connect(groups, &QListWidget::currentRowChanged, dialog, [&](int row) {
        model.select(row + 1);
        printOne->setText(qtText(model.printOneCaption()));
    });
    QObject::connect(groups, &QListWidget::itemDoubleClicked, dialog,
                     [&] { finish(model.choose()); });
    QObject::connect(ok, &QPushButton::clicked, dialog, [&] { finish(model.choose()); });
    QObject::connect(printAll, &QPushButton::clicked, dialog, [&] { finish(model.printAll()); });
    QObject::connect(printOne, &QPushButton::clicked, dialog, [&] { finish(model.printOne()); });
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addSpacing(ok->sizeHint().height() / 2);
    buttons->addWidget(printAll);
    buttons->addWidget(printOne);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(dialog);
    layout->addWidget(groups, 1);
    layout->addLayout(buttons);

    if (!chooser.run(model.selected())) return {};
    return result;
}

}  // namespace zelvo::gui
