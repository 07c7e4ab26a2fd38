#include "gui/reporting/publisher_list_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "gui/records/type_ahead_list_widget.h"
#include "gui/reporting/report_form_dialog.h"
#include "gui/reporting/totals_grid_widget.h"
#include "gui/shell/dialog_buttons.h"
#include "gui/shell/qt_text.h"
#include "resources/strings.h"

namespace zelvo::gui {

PublisherListDialog::PublisherListDialog(CZelvoDoc& doc, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent),
      doc_(doc),
      prompts_(prompts),
      model_(doc),
      lastPerson_(new QLabel(qtText(model_.lastPerson()), this)),
      groups_(new QComboBox(this)),
      unreported_(new QCheckBox(qtText(res::kUnreportedOnly), this)),
      list_(new TypeAheadListWidget(this)),
      totals_(new TotalsGridWidget(this)),
      ok_(dialogButton(this, {}, "okButton")) {
    setObjectName(QStringLiteral("publisherListDialog"));
    setWindowTitle(qtText(model_.title()));
    lastPerson_->setObjectName(QStringLiteral("lastPersonLabel"));
    groups_->setObjectName(QStringLiteral("groupCombo"));
    unreported_->setObjectName(QStringLiteral("unreportedTick"));
    list_->setObjectName(QStringLiteral("publisherList"));
    list_->setMinimumSize(260, 300);
    for (const std::string& g : model_.groupEntries()) groups_->addItem(qtText(g));

    ok_->setText(QStringLiteral("&") + qtText(res::kButtonOk));
    ok_->setDefault(true);
    QPushButton* done = dialogButton(this, res::kDoneButton, "doneButton");
    QPushButton* close = dialogButton(this, model_.closeCaption(), "closeCollectionButton");

    auto* lastBox = new QGroupBox(qtText(res::kLastPersonBox), this);
    lastBox->setObjectName(QStringLiteral("lastPersonBox"));
    (new QVBoxLayout(lastBox))->addWidget(lastPerson_);

    // The group collection files are not built yet either.
    auto* files = new QGroupBox(this);
    files->setObjectName(QStringLiteral("collectionFilesBox"));
    auto* filesLayout = new QVBoxLayout(files);
    QPushButton* makeList = dialogButton(files, res::kMakeCollectionList, "makeListButton");
    QPushButton* import = dialogButton(files, res::kImportCollection, "importButton");
    auto* importLabel = new QLabel(qtText(model_.importLabel()), files);
    importLabel->setObjectName(QStringLiteral("importLabel"));
    QPushButton* xml = dialogButton(files, res::kXmlFileButton, "xmlButton");
    QPushButton* csv = dialogButton(files, res::kCsvFileButton, "csvButton");
    for (QPushButton* b : {makeList, import, xml, csv}) {
        b->setEnabled(false);
        b->setToolTip(qtText(res::kCollectionFilesNotYet));
    }
    auto* fromFile = new QHBoxLayout;
    fromFile->addWidget(importLabel);
    fromFile->addWidget(xml);
    fromFile->addWidget(csv);
    fromFile->addStretch(1);
    filesLayout->addWidget(makeList);
    filesLayout->addWidget(import);
    filesLayout->addLayout(fromFile);

    auto* choice = new QHBoxLayout;
    choice->addWidget(groups_, 1);
    choice->addWidget(unreported_);
    auto* left = new QVBoxLayout;
    left->addWidget(lastBox);
    left->addLayout(choice);
    left->addWidget(list_, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(ok_);
    right->addWidget(done);
    right->addStretch(1);
    right->addWidget(files);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addLayout(right);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(close);
    bottom->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(totals_);
    layout->addLayout(bottom);

    const QList<QWidget*> order = {list_, ok_, done, groups_, unreported_, close};
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);

    connect(groups_, &QComboBox::activated, this, [this](int index) {
        model_.chooseGroup(index);
        showEntries();
    });
    connect(unreported_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setUnreportedOnly(on);
        showEntries();
        list_->setFocus();
    });
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) { model_.select(row); });
    // Enter or a double click on an entry is OK.
    connect(list_, &QListWidget::itemActivated, ok_, &QPushButton::click);
    connect(ok_, &QPushButton::clicked, this, &PublisherListDialog::enterReport);
    connect(close, &QPushButton::clicked, this, [this] {
        model_.closeCollection();
        accept();
    });
    // "Έγινε", like Escape, closes the list and leaves the collection open.
    connect(done, &QPushButton::clicked, this, &QDialog::reject);

    showEntries();
    totals_->showGrid(model_.totalsGrid());
    list_->setFocus();
}

void PublisherListDialog::showEntries() {
    const QSignalBlocker blocker(list_);
    list_->clear();
    for (const auto& entry : model_.entries()) list_->addItem(qtText(entry.name));
    list_->setCurrentRow(model_.selected());
    ok_->setEnabled(model_.okEnabled());
}

// The report form for the selected person; afterwards the totals, the last person and (with
// "Μη Καταχωρημένοι") the list follow, the same position now holding the next person.
void PublisherListDialog::enterReport() {
    const auto row = model_.selectedRow();
    if (!row) return;
    if (openReportForm(this, doc_, *row, prompts_)) {
        model_.refresh();
        showEntries();
        totals_->showGrid(model_.totalsGrid());
        lastPerson_->setText(qtText(model_.lastPerson()));
    }
    list_->setFocus();
}

void runPublisherList(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts) {
    PublisherListDialog dialog(doc, prompts, parent);
    dialog.exec();
}

}  // namespace zelvo::gui
