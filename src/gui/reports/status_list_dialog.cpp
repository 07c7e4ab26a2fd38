#include "gui/reports/status_list_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/records/privileges_dialog.h"
#include "gui/records/tab_stops_delegate.h"
#include "gui/shell/dialog_buttons.h"
#include "gui/shell/outside_services.h"
#include "gui/shell/qt_text.h"
#include "records/publisher_details_model.h"
#include "render/status_list_pages.h"
#include "resources/strings.h"
#include "shell/outside_requests.h"
#include "store/cp1253.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo::gui {

namespace {

using reporting::StatusListModel;

void fill(QComboBox* box, const std::vector<std::string>& entries, int current) {
    const QSignalBlocker quiet(box);
    box->clear();
    for (const std::string& e : entries) box->addItem(qtText(e));
    box->setCurrentIndex(current);
    box->setVisible(!entries.empty());
}

}  // namespace

StatusListDialog::StatusListDialog(CZelvoDoc& doc, UserPrompts& prompts, OutsideServices& services,
                                   reporting::StatusList list, const Date& today, QWidget* parent)
    : QDialog(parent),
      doc_(doc),
      prompts_(prompts),
      services_(services),
      today_(today),
      model_(doc, list, today),
      hasPrinter_([] { return !QPrinterInfo::defaultPrinter().isNull(); }),
      lists_(new QComboBox(this)),
      filter_(new QComboBox(this)),
      side_(new QListWidget(this)),
      rows_(new QListWidget(this)),
      stops_(new TabStopsDelegate(rows_)),
      statusLine_(new QLabel(this)),
      mail_(dialogButton(this, {}, "mailButton")),
      dial_(dialogButton(this, {}, "dialButton")),
      next_(dialogButton(this, res::kNextNumber, "nextNumberButton")),
      print_(dialogButton(this, {}, "printButton")),
      second_(dialogButton(this, {}, "secondButton")),
      setup_(dialogButton(this, res::kPrinterSetup, "printerSetupButton")),
      copy_(dialogButton(this, res::kCopyToClipboard, "copyButton")),
      done_(dialogButton(this, res::kDoneAction, "doneButton")) {
    setObjectName(QStringLiteral("statusListDialog"));
    lists_->setObjectName(QStringLiteral("listCombo"));
    filter_->setObjectName(QStringLiteral("filterCombo"));
    side_->setObjectName(QStringLiteral("sideList"));
    rows_->setObjectName(QStringLiteral("rowsList"));
    statusLine_->setObjectName(QStringLiteral("statusLine"));
    rows_->setItemDelegate(stops_);
    rows_->setSelectionMode(QAbstractItemView::SingleSelection);
    side_->setSelectionMode(QAbstractItemView::SingleSelection);
    side_->setMaximumWidth(fontMetrics().averageCharWidth() * 30);
    lists_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    done_->setDefault(true);

    auto* choices = new QHBoxLayout;
    choices->addWidget(lists_);
    choices->addWidget(filter_);
    choices->addStretch(1);
    auto* lists = new QHBoxLayout;
    lists->addWidget(side_);
    lists->addWidget(rows_, 1);
    auto* contact = new QHBoxLayout;
    contact->addWidget(mail_, 1);
    contact->addWidget(dial_, 1);
    contact->addWidget(next_);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {print_, second_, setup_, copy_}) buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(done_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addLayout(lists, 1);
    layout->addWidget(statusLine_);
    layout->addLayout(contact);
    layout->addLayout(buttons);
    const QList<QWidget*> order = {lists_, filter_, side_,   rows_,  mail_, dial_,
                                   next_,  print_,  second_, setup_, copy_, done_};
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
    resize(fontMetrics().averageCharWidth() * 110, fontMetrics().height() * 30);

    connect(lists_, &QComboBox::activated, this, [this](int index) {
        model_.setList(model_.lists().at(static_cast<std::size_t>(index)));
        refresh();
    });
    connect(filter_, &QComboBox::activated, this, [this](int index) {
        model_.setComboEntry(index);
        refresh();
    });
    connect(side_, &QListWidget::currentRowChanged, this, [this](int index) {
        if (index < 0 || index == model_.listEntry()) return;
        model_.setListEntry(index);
        refresh();
    });
    connect(rows_, &QListWidget::currentRowChanged, this, [this](int index) {
        model_.chooseRow(index);
        refreshContact();
    });
    connect(next_, &QPushButton::clicked, this, [this] {
        model_.nextNumber();
        refreshContact();
    });
    connect(dial_, &QPushButton::clicked, this,
            [this] { services_.dial(dialDigits(model_.contactNumber()), model_.contact().name); });
    connect(mail_, &QPushButton::clicked, this, &StatusListDialog::sendMail);
    connect(print_, &QPushButton::clicked, this, [this] { print({model_.printout()}); });
    connect(second_, &QPushButton::clicked, this, &StatusListDialog::onSecond);
    connect(setup_, &QPushButton::clicked, this, [this] {
        if (hasPrinter_()) QPageSetupDialog(&printer_, this).exec();
    });
    connect(copy_, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(qtText(model_.clipboardText())); });
    connect(done_, &QPushButton::clicked, this, &QDialog::accept);
    refresh();
}

void StatusListDialog::refresh() {
    setWindowTitle(qtText(model_.title()));
    const auto& codes = model_.lists();
    fill(lists_, model_.listTexts(),
         static_cast<int>(std::find(codes.begin(), codes.end(), model_.list()) - codes.begin()));
    fill(filter_, model_.comboEntries(), model_.comboEntry());
    {
        const QSignalBlocker quiet(side_);
        side_->clear();
        for (const std::string& e : model_.listEntries()) side_->addItem(qtText(e));
        side_->setCurrentRow(model_.listEntry());
        side_->setVisible(side_->count() > 0);
    }
    {
        const QSignalBlocker quiet(rows_);
        rows_->clear();
        int widest = 0;
        for (const reporting::StatusRow& r : model_.rows()) {
            const QString text = qtText(r.text);
            rows_->addItem(text);
            widest = std::max(
                widest, fontMetrics().horizontalAdvance(text.section(QLatin1Char('\t'), 0, 0)));
        }
        // Stops in dialog units; a name wider than the first column moves the others right.
        const int average = fontMetrics().averageCharWidth();
        std::vector<int> stops;
        int shift = 0;
        for (int du : model_.tabStops()) {
            const int stop = average * du / 4;
            if (stops.empty()) shift = std::max(0, widest + 2 * average - stop);
            stops.push_back(stop + shift);
        }
        stops_->setStops(stops);
        rows_->viewport()->update();
    }
    statusLine_->setText(qtText(model_.statusLine()));
    print_->setText(qtText(model_.printCaption()));
    second_->setText(qtText(model_.secondCaption()));
    second_->setVisible(model_.secondButton() != StatusListModel::SecondButton::Hidden);
    copy_->setVisible(model_.copyShown());
    refreshContact();
}

void StatusListDialog::refreshContact() {
    const bool shown = model_.contactShown();
    for (QPushButton* b : {dial_, next_}) b->setVisible(shown);
    mail_->setVisible(model_.mailShown());
    dial_->setText(qtText(model_.dialCaption()));
    dial_->setEnabled(model_.dialEnabled());
    next_->setEnabled(model_.contact().numbers.size() > 1);
    mail_->setText(qtText(model_.mailCaption()));
    mail_->setEnabled(model_.mailEnabled());
}

void StatusListDialog::sendMail() {
    services_.sendMail(
        buildMailRequest(model_.contact().email, model_.mailSubject(), model_.mailBody(), {}, {},
                         cp1253::toUtf8(doc_.settings.senderEmail), MailOriginator::SenderEmail));
}

void StatusListDialog::onSecond() {
    if (model_.secondButton() == StatusListModel::SecondButton::Edit)
        editPrivileges();
    else if (model_.secondButton() == StatusListModel::SecondButton::PrintAllGroups)
        print(model_.groupPrintouts());
}

// Each list is a printer document of its own; with no printer they go into one PDF file.
void StatusListDialog::print(const std::vector<reporting::StatusPrintout>& lists) {
    if (lists.empty()) return;
    if (!hasPrinter_()) {
        const std::string offer =
            std::string(res::kNoPrinterInstalled) + "\n\n" + std::string(res::kListPdfOffer);
        if (!prompts_.askYesNo(offer)) return;
        const std::string suggested =
            QDir(QString::fromStdString(doc_.dataFolder))
                .filePath(qtText(lists.front().title).trimmed() + QStringLiteral(".pdf"))
                .toStdString();
        const std::string path =
            prompts_.chooseSaveFile(res::kPdfSaveTitle, suggested, res::kPdfFileFilter);
        std::string error;
        if (!path.empty() && !render::writeStatusListPdf(doc_, lists, path, today_, error))
            prompts_.showMessage(error);
        return;
    }
    const reports::ReportFonts fonts = render::statusListFonts(doc_);
    for (const reporting::StatusPrintout& list : lists) {
        printer_.setDocName(qtText(list.title));
        QPainter painter;
        if (!painter.begin(&printer_) ||
            !render::printStatusList(doc_, fonts, list, today_, printer_, painter)) {
            prompts_.showMessage(res::format(res::kPrintFailed, utf8Text(printer_.printerName())));
            return;
        }
        painter.end();
    }
}

// The privileges editor over the chosen publisher, as the details dialog opens it; what it
// changed is stored with the record and the list filled again.
void StatusListDialog::editPrivileges() {
    const auto row = model_.chosenPerson();
    if (!row) return;
    const PublisherRecord& r = doc_.publishers[static_cast<std::size_t>(*row)];
    records::DetailsClipboard clipboard;
    records::PublisherDetailsModel details(doc_, prompts_, clipboard,
                                           records::PublisherDetailsModel::Variant::Publisher,
                                           {r.id()}, r.id(), today_.year);
    const auto accepted =
        runPrivilegesDialog(this, doc_, prompts_, r.id(), cp1253::toUtf8(doc_.displayName(*row)),
                            details.male(), details.privilegeTicks(), nullptr);
    if (!accepted) return;
    details.takePrivileges(accepted->ticks);
    (void)details.store();
    model_.refill();
    refresh();
}

void runStatusList(QWidget* parent, CZelvoDoc& doc, UserPrompts& prompts, OutsideServices& services,
                   reporting::StatusList list, const Date& today) {
    StatusListDialog dialog(doc, prompts, services, list, today, parent);
    dialog.exec();
}

}  // namespace zelvo::gui
