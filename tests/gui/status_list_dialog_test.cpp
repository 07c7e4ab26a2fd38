// The status list dialog on the demo congregation: lists and filters switched with the keyboard
// refill the rows and the title, a group chosen names itself on the print button and the status
// line, the contact line dials the chosen person's digits, the no-report list goes to the
// clipboard, and printing all groups without a printer writes one PDF with a page per group.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include "gui/reports/status_list_dialog.h"
#include "gui/shell/outside_services.h"
#include "gui/shell/qt_text.h"
#include "gui/shell_fixture.h"
#include "gui/widget_lookup.h"
#include "records/group_caption.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

using zelvo::Answer;
using zelvo::CZelvoDoc;
using zelvo::ScriptedPrompts;
using zelvo::gui::qtText;
using zelvo::gui::StatusListDialog;
using zelvo::reporting::StatusList;
using zelvo::test::button;
using zelvo::test::child;

namespace {

struct Dialed : zelvo::gui::OutsideServices {
    std::vector<std::string> calls;
    bool dial(const std::string& digits, const std::string& name) override {
        calls.push_back(digits + " " + name);
        return true;
    }
    bool sendMail(const zelvo::MailRequest&) override { return true; }
};

struct Demo {
    zelvo::test::DataFolder folder{40};
    CZelvoDoc doc;
    ScriptedPrompts prompts;
    Dialed services;
    Demo() {
        doc.startUp(folder.str(), zelvo::test::kToday, zelvo::LoadMode::Live);
        QVERIFY(doc.load(prompts, zelvo::LoadMode::Live).ok);
    }
    std::unique_ptr<StatusListDialog> open(StatusList list) {
        auto d =
            std::make_unique<StatusListDialog>(doc, prompts, services, list, zelvo::test::kToday);
        d->show();
        return d;
    }
};

QStringList rowTexts(const zelvo::reporting::StatusListModel& m) {
    QStringList out;
    for (const auto& r : m.rows()) out << qtText(r.text);
    return out;
}

}  // namespace

class StatusListDialogTest : public QObject {
    Q_OBJECT
private slots:
    void switchingListsAndFiltersRefillsTheRows() {
        Demo demo;
        auto d = demo.open(StatusList::NoReport);
        QCOMPARE(zelvo::test::items(d.get(), "rowsList"), rowTexts(d->model()));
        QVERIFY(d->windowTitle().endsWith(QStringLiteral(" ( %1 )").arg(d->model().rows().size())));
        QVERIFY(button(d.get(), "copyButton")->isVisible());

        auto* lists = child<QComboBox>(d.get(), "listCombo");
        lists->setFocus();
        QTest::keyClick(lists, Qt::Key_Down);
        QCOMPARE(d->model().list(), StatusList::Irregular);
        QCOMPARE(zelvo::test::items(d.get(), "rowsList"), rowTexts(d->model()));
        QVERIFY(!child<QComboBox>(d.get(), "filterCombo")->isVisible());
        QVERIFY(!button(d.get(), "copyButton")->isVisible());

        QTest::keyClick(lists, Qt::Key_Down);  // the new publishers, by period
        auto* filter = child<QComboBox>(d.get(), "filterCombo");
        QVERIFY(filter->isVisible());
        QCOMPARE(filter->count(), 4);
        filter->setFocus();
        QTest::keyClick(filter, Qt::Key_End);
        QCOMPARE(d->model().comboEntry(), 3);
        QCOMPARE(zelvo::test::items(d.get(), "rowsList"), rowTexts(d->model()));
        QVERIFY(!child<QListWidget>(d.get(), "sideList")->isVisible());

        lists->setFocus();
        QTest::keyClick(lists, Qt::Key_Home);  // back to the no-report list, then group 1
        auto* side = child<QListWidget>(d.get(), "sideList");
        side->setFocus();
        QTest::keyClick(side, Qt::Key_Down);
        QCOMPARE(d->model().group(), 1);
        QCOMPARE(button(d.get(), "printButton")->text(), QStringLiteral("Εκτύπωση #1"));
        QVERIFY(!button(d.get(), "secondButton")->isVisible());
        QVERIFY(child<QLabel>(d.get(), "statusLine")
                    ->text()
                    .startsWith(qtText(zelvo::groupCaption(demo.doc.groups, 1))));
        QCOMPARE(zelvo::test::items(d.get(), "rowsList"), rowTexts(d->model()));

        // The first row with a telephone: the dial button calls its digits.
        auto* rows = child<QListWidget>(d.get(), "rowsList");
        for (int i = 0; i < rows->count() && !d->model().dialEnabled(); ++i) rows->setCurrentRow(i);
        if (d->model().dialEnabled()) {
            zelvo::test::click(d.get(), "dialButton");
            QCOMPARE(demo.services.calls.size(), std::size_t{1});
            QVERIFY(demo.services.calls.front().find_first_not_of("0123456789") ==
                    demo.services.calls.front().find(' '));
        }
    }

    void copiesTheNoReportListToTheClipboard() {
        Demo demo;
        auto d = demo.open(StatusList::NoReport);
        QApplication::clipboard()->clear();
        zelvo::test::click(d.get(), "copyButton");
        const QString copied = QApplication::clipboard()->text();
        QCOMPARE(copied, qtText(d->model().clipboardText()));
        QVERIFY(copied.startsWith(QStringLiteral("Χωρίς Έκθεση τον Νοέμβριο   Εκκλησία\r\n")));
        QCOMPARE(copied.count(QStringLiteral("\r\n")),
                 static_cast<qsizetype>(d->model().rows().size()) + 4);
    }

    void printsAllGroupsIntoOnePdfWithoutAPrinter() {
        Demo demo;
        auto d = demo.open(StatusList::CollectionForm);
        d->setPrinterCheck([] { return false; });
        const int groups = zelvo::groupsInUse(demo.doc.groups);
        QVERIFY(groups >= 2);
        QCOMPARE(button(d.get(), "secondButton")->text(),
                 QStringLiteral("Εκτύπωση 1 - %1").arg(groups));
        const QString pdf = demo.folder.file(QStringLiteral("lists.pdf"));
        demo.prompts.answers = {Answer::Yes};
        demo.prompts.savePaths = {pdf.toStdString()};
        zelvo::test::click(d.get(), "secondButton");
        QCOMPARE(demo.prompts.questions.size(), std::size_t{1});
        QVERIFY(demo.prompts.questions.front().starts_with("Δεν υπάρχει εκτυπωτής."));
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString bytes = QString::fromLatin1(file.readAll());
        // Every group's list begins on a page of its own; these are short enough for one.
        QCOMPARE(bytes.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), groups);
        zelvo::test::saveScreenshot(d.get(), "status-list.png");
    }
};

QTEST_MAIN(StatusListDialogTest)
#include "status_list_dialog_test.moc"
