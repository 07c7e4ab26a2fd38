// The card dialog: opened from the main window's command, its switches from the keyboard, the
// chosen cards through the person chooser as one job of a page per card, and every active card
// into one PDF with its progress, whose Cancel leaves no file.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QListWidget>
#include <QPageSize>
#include <QPrinter>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "gui/modal_script.h"
#include "gui/reports/record_card_dialog.h"
#include "gui/shell/main_window.h"
#include "gui/shell/qt_text.h"
#include "gui/shell_fixture.h"
#include "gui/widget_lookup.h"
#include "records/publisher_table.h"
#include "reports/record_card.h"
#include "resources/strings.h"
#include "shell/command_ids.h"
#include "store/cp1253.h"

using namespace zelvo;

namespace {

int pdfPages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray bytes = file.readAll();
    int pages = 0;
    for (qsizetype at = bytes.indexOf("/Type /Page"); at >= 0;
         at = bytes.indexOf("/Type /Page", at + 1))
        if (bytes.mid(at + 11, 1) != "s") ++pages;
    return pages;
}

// A printer that prints to `path` (empty: no printer at all).
std::unique_ptr<QPrinter> filePrinter(const QString& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(QPageSize::Letter));
    return printer;
}

int listSize(const CZelvoDoc& doc, std::uint8_t kind) {
    return static_cast<int>(doc.kindLists[kind].size());
}

// The person shown is the list's current entry, whatever moved under it.
void checkShownIsCurrent(gui::RecordCardDialog& dialog, const CZelvoDoc& doc) {
    auto* list = test::child<QListWidget>(&dialog, "cardList");
    QCOMPARE(list->currentRow(), dialog.model().position());
    if (const int row = dialog.model().shownRow(); row != 0)
        QCOMPARE(list->currentItem()->text(), gui::qtText(cp1253::toUtf8(doc.displayName(row))));
}

bool blank(const QImage& image) {
    QImage white(image.size(), image.format());
    white.fill(Qt::white);
    return image == white;
}

// The file's bytes, or "missing".
QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
}

}  // namespace

class RecordCardDialogTest : public QObject {
    Q_OBJECT

private slots:
    void opensFromTheCommandAndSwitchesByKeyboard() {
        test::DataFolder folder(40);
        test::WindowSession s(folder);
        QVERIFY(s.loaded);
        const int active = listSize(s.doc, kPublisher);
        const int inactive = listSize(s.doc, kInactive);
        QVERIFY(inactive > 0);

        test::ModalScript script;
        script.then([&](QWidget* modal) {
            auto* dialog = qobject_cast<gui::RecordCardDialog*>(modal);
            QVERIFY(dialog != nullptr);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Αρχειο Ευαγγελιζομένου Εκκλησίας"));
            auto* list = test::child<QListWidget>(dialog, "cardList");
            QCOMPARE(dialog->focusWidget(), list);
            QVERIFY(test::activate(dialog));
            QVERIFY(list->hasFocus());
            QCOMPARE(list->count(), active);
            QCOMPARE(dialog->model().shownRow(), s.doc.kindLists[kPublisher][0].recordIndex);

            // Down moves the card; Enter in the list keeps the dialog open.
            QTest::keyClick(list, Qt::Key_Down);
            QCOMPARE(dialog->model().position(), 1);
            QTest::keyClick(list, Qt::Key_Return);
            QVERIFY(dialog->isVisible());
            test::saveScreenshot(dialog, "record-card-dialog.png");
            QTest::keyClick(list, Qt::Key_Home);

            // The kind chooser next: a period card redraws the card and has no previous year.
            QTest::keyClick(list, Qt::Key_Tab);
            auto* kind = test::child<QComboBox>(dialog, "kindCombo");
            QVERIFY(kind->hasFocus());
            auto* page = test::child<QWidget>(dialog, "recordCardPage");
            const QImage yearCard = page->grab().toImage();
            QTest::keyClick(kind, Qt::Key_Down);
            QCOMPARE(dialog->model().kind(), reports::CardKind::SixMonths);
            auto* previous = test::child<QCheckBox>(dialog, "previousYearCheck");
            QVERIFY(!previous->isEnabled());
            QVERIFY(page->grab().toImage() != yearCard);
            QTest::keyClick(kind, Qt::Key_Up);
            QCOMPARE(dialog->model().kind(), reports::CardKind::ServiceYear);
            QCOMPARE(page->grab().toImage(), yearCard);

            // The previous-year switch, then the inactive list.
            QTest::keyClick(kind, Qt::Key_Tab);
            QVERIFY(previous->hasFocus());
            QTest::keyClick(previous, Qt::Key_Space);
            QVERIFY(dialog->model().previousYear());
            QVERIFY(dialog->model().options(true).previousYear);
            QVERIFY(page->grab().toImage() != yearCard);
            QTest::keyClick(previous, Qt::Key_Tab);
            auto* inactiveCheck = test::child<QCheckBox>(dialog, "inactiveCheck");
            QVERIFY(inactiveCheck->hasFocus());
            QTest::keyClick(inactiveCheck, Qt::Key_Space);
            QCOMPARE(list->count(), inactive);
            QCOMPARE(dialog->model().shownRow(), s.doc.kindLists[kInactive][0].recordIndex);
            QVERIFY(test::button(dialog, "editButton")->isEnabled());
            QTest::keyClick(inactiveCheck, Qt::Key_Space);
            QCOMPARE(list->count(), active);

            // The totals: the congregation's three cards, no person to edit.
            QTest::keyClick(inactiveCheck, Qt::Key_Tab);
            auto* totals = test::child<QCheckBox>(dialog, "totalsCheck");
            QVERIFY(totals->hasFocus());
            QTest::keyClick(totals, Qt::Key_Space);
            QCOMPARE(list->count(), 3);
            QVERIFY(!inactiveCheck->isEnabled());
            QVERIFY(!test::button(dialog, "editButton")->isEnabled());
            QVERIFY(!test::button(dialog, "printChosenButton")->isEnabled());
            QVERIFY(test::button(dialog, "historyButton")->isEnabled());
            QTest::keyClick(totals, Qt::Key_Space);
            QCOMPARE(list->count(), active);
            test::clickLater(dialog, "editButton");
        });
        // The person's details, then the history editor on that person, then "Έγινε".
        QString opened;
        script.then([&](QWidget* details) {
            opened = details->objectName();
            QTest::keyClick(details, Qt::Key_Escape);
        });
        script.then([](QWidget* dialog) { test::clickLater(dialog, "historyButton"); });
        script.then([&](QWidget* history) {
            opened += QLatin1Char(' ') + history->objectName();
            QTest::keyClick(history, Qt::Key_Escape);
        });
        script.then([](QWidget* dialog) { test::button(dialog, "doneButton")->click(); });
        s.window->runCommand(shell::CommandId::ViewRecordCards);
        QVERIFY(script.done());
        QCOMPARE(script.unexpected(), 0);
        QCOMPARE(opened, QStringLiteral("publisherDetailsDialog historyDialog"));
    }

    // The chooser, from the active and then the inactive list: the people chosen are printed as
    // one job named "Pub Records", a page each; Cancel, or OK with nobody, prints nothing; with no
    // printer one card goes to a PDF after the question.
    void chosenCardsMakeOneJob() {
        test::DataFolder folder(40);
        test::WindowSession s(folder);
        QVERIFY(s.loaded);
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("printed.pdf"));
        gui::RecordCardDialog dialog(s.doc, s.prompts, nullptr, s.window.get());
        dialog.printing().setPrinter(filePrinter(pdf));
        QString jobName;
        dialog.printing().setPrintDialogRunner([&](QPrinter& printer) {
            jobName = printer.docName();
            return true;
        });
        dialog.show();

        int listed = 0;
        QString title;
        auto chooseFirst = [&](int count) {
            return [&, count](QWidget* chooser) {
                title = chooser->windowTitle();
                auto* people = test::child<QListWidget>(chooser, "personList");
                listed = people->count();
                people->setFocus();
                QTest::keyClick(people, Qt::Key_Home);
                for (int i = 0; i < count; ++i) {
                    if (i > 0) QTest::keyClick(people, Qt::Key_Down);
                    QTest::keyClick(people, Qt::Key_Space);
                }
                test::button(chooser, "okButton")->click();
            };
        };
        test::ModalScript script;
        script.then(chooseFirst(3));
        script.then([](QWidget* chooser) { test::button(chooser, "cancelButton")->click(); });
        script.then(chooseFirst(0));  // OK with nobody chosen
        script.then(chooseFirst(2));
        test::click(&dialog, "printChosenButton");
        QCOMPARE(title, QStringLiteral("Επιλογή Αρχείων για Εκτύπωση"));
        QCOMPARE(listed, listSize(s.doc, kPublisher));
        QCOMPARE(jobName, QStringLiteral("Pub Records"));
        QCOMPARE(pdfPages(pdf), 3);

        QFile::remove(pdf);
        test::click(&dialog, "printChosenButton");  // cancelled
        test::click(&dialog, "printChosenButton");  // nobody chosen
        QVERIFY(!QFile::exists(pdf));

        test::child<QCheckBox>(&dialog, "inactiveCheck")->setChecked(true);
        test::click(&dialog, "printChosenButton");
        QCOMPARE(listed, listSize(s.doc, kInactive));
        QCOMPARE(pdfPages(pdf), 2);
        QVERIFY(script.done());
        QVERIFY(s.prompts.messages.empty());

        // No printer: the question, then this card alone into the file chosen, offered under
        // the person's name with a slash that must not name a folder.
        const QString one = out.filePath(QStringLiteral("one.pdf"));
        dialog.printing().setPrinter(filePrinter({}));
        s.doc.publishers[static_cast<std::size_t>(dialog.model().shownRow())].setText(
            PublisherRecord::kLastName, cp1253::fromUtf8("Α/Β"));
        s.prompts.answers = {Answer::Yes};
        s.prompts.savePaths = {one.toStdString()};
        test::click(&dialog, "printShownButton");
        QCOMPARE(s.prompts.questions.size(), 1u);
        QCOMPARE(pdfPages(one), 1);
        const QFileInfo offered(gui::qtText(s.prompts.savesOffered.back()));
        QVERIFY(offered.fileName().endsWith(QStringLiteral(" Α-Β.pdf")));
        QVERIFY(offered.dir().exists());
    }

    // Every active card into one PDF: the progress shows, and its Cancel leaves no file (nor
    // spoils one of that name); run to its end, a page per active publisher.
    void everyActiveCardIntoOnePdf() {
        test::DataFolder folder(40);
        test::WindowSession s(folder);
        QVERIFY(s.loaded);
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("active.pdf"));
        gui::RecordCardDialog dialog(s.doc, s.prompts, nullptr, s.window.get());
        dialog.printing().setProgressDelay(0);
        dialog.show();

        QString progressTitle;
        test::ModalScript script;
        script.then([&](QWidget* modal) {
            auto* progress = qobject_cast<QProgressDialog*>(modal);
            QVERIFY(progress != nullptr);
            progressTitle = progress->windowTitle();
            progress->cancel();
        });
        s.prompts.savePaths = {pdf.toStdString()};
        test::click(&dialog, "activePdfButton");
        QVERIFY(script.done());
        QCOMPARE(progressTitle, QStringLiteral("Αποθήκευση ως PDF"));
        QVERIFY(gui::qtText(s.prompts.savesOffered.at(0))
                    .endsWith(QStringLiteral("/Αρχεία Ενεργών.pdf")));
        QCOMPARE(s.prompts.messages.back(), std::string(res::kPdfCancelled));
        QVERIFY(!QFile::exists(pdf));
        QCOMPARE(QDir(out.path()).entryList(QDir::Files).size(), 0);

        s.prompts.savePaths = {pdf.toStdString()};
        test::click(&dialog, "activePdfButton");
        QCOMPARE(pdfPages(pdf), listSize(s.doc, kPublisher));
        QCOMPARE(s.prompts.messages.size(), 1u);
    }

    // The details dialog deletes people under the list: the card and the list stay on the
    // person shown (the rows moved up), nothing is drawn from a row that now holds someone else,
    // and once the list is empty the focus is in it, not on "Έγινε" where Enter would close.
    void editsThatDeletePeopleKeepTheCardOnItsPerson() {
        test::DataFolder folder(40);
        test::WindowSession s(folder);
        QVERIFY(s.loaded);
        const int active = listSize(s.doc, kPublisher);
        auto dialog =
            std::make_unique<gui::RecordCardDialog>(s.doc, s.prompts, nullptr, s.window.get());
        dialog->show();
        auto* list = test::child<QListWidget>(dialog.get(), "cardList");
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        const QString shown = list->currentItem()->text();

        // Paged back in the details to the person before, who is deleted.
        const auto deleteShown = [](QWidget* details) {
            test::clickLater(details, "deleteButton");
        };
        const auto confirm = [](QWidget* removal) { test::button(removal, "okButton")->click(); };
        test::ModalScript script;
        script.then([&](QWidget* details) {
            test::click(details, "previousButton");
            deleteShown(details);
        });
        script.then(confirm);
        test::click(dialog.get(), "editButton");
        QVERIFY(script.done());
        QCOMPARE(list->count(), active - 1);
        QCOMPARE(list->currentItem()->text(), shown);
        checkShownIsCurrent(*dialog, s.doc);

        // A row before the person shown taken out behind the card: it draws nothing until the
        // list is filled again.
        auto* page = test::child<QWidget>(dialog.get(), "recordCardPage");
        records::deletePerson(s.doc, s.doc.kindLists[kPublisher][0].recordIndex);
        QVERIFY(blank(page->grab().toImage()));
        dialog.reset();

        // The only person of the list deleted: the list keeps the focus, Enter closes nothing.
        test::DataFolder other(40);
        test::WindowSession one(other, [](CZelvoDoc& doc) {
            const auto people = doc.kindLists[kPublisher];
            for (std::size_t i = 1; i < people.size(); ++i)
                doc.publishers[people[i].recordIndex].setKind(kInactive);
            doc.countAllKinds();
            doc.buildIndexes();
        });
        gui::RecordCardDialog single(one.doc, one.prompts, nullptr, one.window.get());
        single.show();
        QVERIFY(test::activate(&single));
        QCOMPARE(test::child<QListWidget>(&single, "cardList")->count(), 1);
        test::ModalScript again;
        again.then(deleteShown).then(confirm);
        test::button(&single, "editButton")->setFocus();
        QTest::keyClick(test::button(&single, "editButton"), Qt::Key_Space);
        QVERIFY(again.done());
        auto* emptyList = test::child<QListWidget>(&single, "cardList");
        QCOMPARE(emptyList->count(), 0);
        QVERIFY(!test::button(&single, "editButton")->isEnabled());
        QCOMPARE(single.focusWidget(), emptyList);
        QTest::keyClick(single.focusWidget(), Qt::Key_Return);
        QVERIFY(single.isVisible());
    }

    // Every card into one PDF, cancelled at the first card and at the last: a file of the name
    // chosen is kept byte for byte, and the focus is back in the list as after a print.
    void cancelledPdfKeepsTheFileAndTheFocusReturns() {
        test::DataFolder folder(40);
        test::WindowSession s(folder);
        QVERIFY(s.loaded);
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("active.pdf"));
        QFile keep(pdf);
        QVERIFY(keep.open(QIODevice::WriteOnly) && keep.write("own file") == 8);
        keep.close();
        const QByteArray kept = bytesOf(pdf);
        gui::RecordCardDialog dialog(s.doc, s.prompts, nullptr, s.window.get());
        dialog.printing().setProgressDelay(0);
        dialog.show();
        QVERIFY(test::activate(&dialog));
        auto* list = test::child<QListWidget>(&dialog, "cardList");

        for (const bool atLast : {false, true}) {
            bool cancelledAtLast = false;
            test::ModalScript script;
            script.then([&](QWidget* modal) {
                auto* progress = qobject_cast<QProgressDialog*>(modal);
                QVERIFY(progress != nullptr);
                // The progress moves while the cards are drawn: Cancel once it is full.
                auto* watch = new QTimer(progress);
                QObject::connect(watch, &QTimer::timeout, progress, [&, progress] {
                    if (atLast && progress->value() < progress->maximum()) return;
                    cancelledAtLast = progress->value() == progress->maximum();
                    progress->cancel();
                });
                watch->start(0);
            });
            s.prompts.savePaths = {pdf.toStdString()};
            test::click(&dialog, "activePdfButton");
            QVERIFY(script.done());
            QCOMPARE(s.prompts.messages.back(), std::string(res::kPdfCancelled));
            QCOMPARE(cancelledAtLast, atLast);
            QCOMPARE(bytesOf(pdf), kept);
            QCOMPARE(QDir(out.path()).entryList(QDir::Files).size(), 1);
            QCOMPARE(dialog.focusWidget(), list);
        }
    }
};

QTEST_MAIN(RecordCardDialogTest)
#include "record_card_dialog_test.moc"
