#include "gui/reports/record_card_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/records/option_dialogs.h"
#include "gui/records/person_chooser_dialog.h"
#include "gui/records/publisher_details_dialog.h"
#include "gui/records/type_ahead_list_widget.h"
#include "gui/reporting/history_dialog.h"
#include "gui/reports/record_card_canvas.h"
#include "gui/shell/dialog_buttons.h"
#include "gui/shell/qt_text.h"
#include "records/person_chooser_model.h"
#include "resources/strings.h"
#include "store/zelvo_doc.h"

namespace zelvo::gui {

namespace {

QCheckBox* checkBox(QWidget* parent, std::string_view text, const char* name) {
    auto* box = new QCheckBox(qtText(text), parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

}  // namespace

RecordCardDialog::RecordCardDialog(CZelvoDoc& doc, UserPrompts& prompts, QPrinter* printer,
                                   QWidget* parent)
    : QDialog(parent),
      doc_(doc),
      prompts_(prompts),
      model_(doc),
      printing_(this, doc, prompts, printer),
      list_(new TypeAheadListWidget(this)),
      kind_(new QComboBox(this)),
      previousYear_(checkBox(this, res::kCardPreviousYearSwitch, "previousYearCheck")),
      inactive_(checkBox(this, res::kInactiveTick, "inactiveCheck")),
      totals_(checkBox(this, res::kCategoryTotals, "totalsCheck")),
      card_(new RecordCardCanvas(this)),
      printShown_(dialogButton(this, res::kCardPrintShown, "printShownButton")),
      printChosen_(dialogButton(this, res::kCardPrintChosen, "printChosenButton")),
      activePdf_(dialogButton(this, res::kCardActivePdf, "activePdfButton")),
      inactivePdf_(dialogButton(this, res::kCardInactivePdf, "inactivePdfButton")),
      printer_(dialogButton(this, res::kCardPrinterDevice, "printerButton")),
      preferences_(dialogButton(this, res::kCardPreferences, "preferencesButton")),
      edit_(dialogButton(this, res::kCardEdit, "editButton")),
      history_(dialogButton(this, res::kCardHistory, "historyButton")),
      done_(dialogButton(this, res::kDoneAction, "doneButton")) {
    setObjectName(QStringLiteral("recordCardDialog"));
    setWindowTitle(qtText(model_.title()));
    list_->setObjectName(QStringLiteral("cardList"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setFixedWidth(fontMetrics().averageCharWidth() * 33);
    kind_->setObjectName(QStringLiteral("kindCombo"));
    for (const std::string& text : reports::RecordCardModel::kindTexts())
        kind_->addItem(qtText(text));

    auto* switches = new QHBoxLayout;
    switches->addWidget(kind_);
    for (QCheckBox* box : {previousYear_, inactive_, totals_}) switches->addWidget(box);
    switches->addStretch(1);
    auto* prints = new QHBoxLayout;
    for (QPushButton* b : {printShown_, printChosen_, activePdf_, inactivePdf_})
        prints->addWidget(b);
    prints->addStretch(1);
    auto* others = new QHBoxLayout;
    for (QPushButton* b : {printer_, preferences_, edit_, history_}) others->addWidget(b);
    others->addStretch(1);
    others->addWidget(done_);
    auto* right = new QVBoxLayout;
    right->addLayout(switches);
    right->addWidget(card_, 1);
    right->addLayout(prints);
    right->addLayout(others);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(right, 1);

    const QList<QWidget*> order = {
        list_,      kind_,        previousYear_, inactive_,    totals_, printShown_, printChosen_,
        activePdf_, inactivePdf_, printer_,      preferences_, edit_,   history_,    done_};
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
    // As much of the card as the screen allows (1024x768 shows the whole table).
    const QRect screen = this->screen()->availableGeometry();
    resize(std::min(screen.width() - 24, fontMetrics().averageCharWidth() * 150),
           std::min(screen.height() - 48, fontMetrics().height() * 48));

    connectControls();
    refresh();
    list_->setFocus();
}

void RecordCardDialog::connectControls() {
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0 || row == model_.position()) return;
        model_.choose(row);
        refresh();
    });
    connect(kind_, &QComboBox::currentIndexChanged, this, [this](int index) {
        model_.setKind(static_cast<reports::CardKind>(index));
        refresh();
    });
    connect(previousYear_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setPreviousYear(on);
        refresh();
    });
    connect(inactive_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setInactive(on);
        refresh();
    });
    connect(totals_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setTotals(on);
        refresh();
    });
    connect(printShown_, &QPushButton::clicked, this, &RecordCardDialog::printShown);
    connect(printChosen_, &QPushButton::clicked, this, &RecordCardDialog::printChosen);
    connect(activePdf_, &QPushButton::clicked, this, [this] { writeAll(false); });
    connect(inactivePdf_, &QPushButton::clicked, this, [this] { writeAll(true); });
    connect(printer_, &QPushButton::clicked, this, [this] { printing_.setup(); });
    connect(preferences_, &QPushButton::clicked, this, [this] {
        runRecordCardOptions(this, doc_);
        refresh();
    });
    connect(edit_, &QPushButton::clicked, this, &RecordCardDialog::edit);
    connect(history_, &QPushButton::clicked, this, &RecordCardDialog::openHistoryEditor);
    connect(done_, &QPushButton::clicked, this, &QDialog::accept);
}

bool RecordCardDialog::live() const {
    return !doc_.readOnly();
}

void RecordCardDialog::refresh() {
    {
        const QSignalBlocker quiet(list_);
        // Filled again only when the list changed, so its scrolling stays as the user left it.
        QStringList entries;
        for (const std::string& e : model_.entries()) entries << qtText(e);
        QStringList shown;
        for (int i = 0; i < list_->count(); ++i) shown << list_->item(i)->text();
        if (entries != shown) {
            list_->clear();
            list_->addItems(entries);
        }
        list_->setCurrentRow(model_.position());
    }
    {
        const QSignalBlocker quietKind(kind_);
        const QSignalBlocker quietYear(previousYear_);
        const QSignalBlocker quietInactive(inactive_);
        const QSignalBlocker quietTotals(totals_);
        kind_->setCurrentIndex(static_cast<int>(model_.kind()));
        previousYear_->setChecked(model_.previousYear());
        inactive_->setChecked(model_.inactive());
        totals_->setChecked(model_.totals());
    }
    QWidget* focused = focusWidget();
    previousYear_->setEnabled(model_.previousYearEnabled());
    inactive_->setEnabled(model_.inactiveEnabled());
    printShown_->setEnabled(model_.canPrintShown());
    printChosen_->setEnabled(model_.canPrintChosen());
    activePdf_->setEnabled(model_.canWriteAll(false));
    inactivePdf_->setEnabled(model_.canWriteAll(true));
    edit_->setEnabled(model_.canEdit(live()));
    history_->setEnabled(model_.canOpenHistory(live()));
    // A control turned off under the focus would hand it on, perhaps to "Έγινε", where Enter
    // closes the dialog: the list takes it.
    if (focused != nullptr && !focused->isEnabled()) list_->setFocus();
    refreshCard();
}

void RecordCardDialog::refreshCard() {
    card_->showCard(doc_, model_.shownCard(), model_.options(true), model_.screenInches());
}

void RecordCardDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && qobject_cast<QPushButton*>(focusWidget()) == nullptr) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void RecordCardDialog::printShown() {
    const reports::CardSet card = model_.shownCard();
    if (card.size() == 0) return;
    // The job and the PDF offered are named after the person or the category.
    const std::string name = model_.entries()[static_cast<std::size_t>(model_.position())];
    printing_.print(card, model_.options(false), qtText(name), name);
    list_->setFocus();
}

void RecordCardDialog::printChosen() {
    const auto ids = choosePersons(
        this, doc_, records::chooserSetup(records::ChooserPurpose::RecordCards, model_.inactive()));
    if (!ids) return;
    printing_.print({model_.rowsOf(*ids), {}}, model_.options(false), qtText(res::kCardJobName),
                    std::string(res::kCardJobName));
    list_->setFocus();
}

void RecordCardDialog::writeAll(bool inactiveList) {
    printing_.writePdf(
        {model_.jobRows(inactiveList), {}}, model_.options(false),
        std::string(inactiveList ? res::kCardInactivePdfName : res::kCardActivePdfName));
    list_->setFocus();
}

void RecordCardDialog::edit() {
    const int row = model_.shownRow();
    if (!model_.canEdit(live())) return;
    const int id = doc_.publishers[static_cast<std::size_t>(row)].id();
    DetailsOutcome outcome;
    if (model_.inactive()) {
        outcome = runPersonDetails(this, doc_, prompts_,
                                   records::PublisherDetailsModel::Variant::Inactive, id);
    } else {
        std::vector<int> ids;
        for (int r : model_.jobRows(false))
            ids.push_back(doc_.publishers[static_cast<std::size_t>(r)].id());
        outcome = runPublisherDetails(this, doc_, prompts_, false, ids, id);
    }
    model_.refill(outcome.currentId);
    refresh();
}

void RecordCardDialog::openHistoryEditor() {
    if (!model_.canOpenHistory(live())) return;
    openHistory(this, doc_, prompts_, model_.historyPreset());
    refresh();
}

void runRecordCards(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts, QPrinter* printer) {
    RecordCardDialog dialog(doc, prompts, printer, parent);
    dialog.exec();
}

}  // namespace zelvo::gui
