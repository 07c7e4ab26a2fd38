// The program's prompts on the real widgets: Greek button texts on every message box, the
// answers of the questions, the start-up notice, the export-tidy dialog and the saving notice.
#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "gui/modal_script.h"
#include "gui/shell/message_box.h"
#include "gui/shell/qt_prompts.h"
#include "resources/strings.h"
#include "store/zelvo_doc.h"

using zelvo::Answer;
using zelvo::test::ModalScript;

namespace {

QStringList sorted(QStringList list) {
    list.sort();
    return list;
}

QStringList buttonTexts(QWidget* box) {
    QStringList texts;
    for (QAbstractButton* b : static_cast<QMessageBox*>(box)->buttons()) texts << b->text();
    return sorted(texts);
}

void click(QWidget* dialog, const char* objectName) {
    auto* button = dialog->findChild<QPushButton*>(QString::fromLatin1(objectName));
    QVERIFY2(button != nullptr, objectName);
    QTest::mouseClick(button, Qt::LeftButton);
}

QListWidget* fileListOf(QWidget* dialog) {
    return dialog->findChild<QListWidget*>(QStringLiteral("fileList"));
}

QWidget* waitNotice() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QStringLiteral("waitNotice") && w->isVisible()) return w;
    return nullptr;
}

}  // namespace

class PromptsTest : public QObject {
    Q_OBJECT

private slots:
    // ------------------------------------------------------------ message boxes
    void messageHasOneGreekOkButton() {
        QStringList texts;
        QString text, title;
        ModalScript script;
        script.then([&](QWidget* box) {
            texts = buttonTexts(box);
            text = static_cast<QMessageBox*>(box)->text();
            title = box->windowTitle();
            click(box, "okButton");
        });
        zelvo::gui::QtPrompts prompts;
        prompts.showMessage("Αδύνατη η δημιουργία <b>νέου</b> αρχείου");
        QVERIFY(script.done());
        QCOMPARE(texts, QStringList{"OK"});
        QCOMPARE(text, QStringLiteral("Αδύνατη η δημιουργία <b>νέου</b> αρχείου"));
        QCOMPARE(title, QStringLiteral("Zelvo"));
        QCOMPARE(script.unexpected(), 0);
    }

    void questionAnswersWithGreekButtons_data() {
        QTest::addColumn<QString>("press");
        QTest::addColumn<int>("answer");
        QTest::newRow("Ναι") << "yesButton" << int(Answer::Yes);
        QTest::newRow("Όχι") << "noButton" << int(Answer::No);
        QTest::newRow("Ακύρωση") << "cancelButton" << int(Answer::Cancel);
        QTest::newRow("Escape") << "" << int(Answer::Cancel);
    }
    void questionAnswersWithGreekButtons() {
        QFETCH(QString, press);
        QFETCH(int, answer);
        QStringList texts;
        QString defaultText;
        ModalScript script;
        script.then([&](QWidget* box) {
            texts = buttonTexts(box);
            defaultText = static_cast<QMessageBox*>(box)->defaultButton()->text();
            if (press.isEmpty())
                QTest::keyClick(box, Qt::Key_Escape);
            else
                click(box, press.toLatin1().constData());
        });
        zelvo::gui::QtPrompts prompts;
        QCOMPARE(int(prompts.askYesNoCancel("Να αποθηκευτούν οι αλλαγές;")), answer);
        QCOMPARE(texts, sorted({"Ακύρωση", "Ναι", "Όχι"}));
        QCOMPARE(defaultText, QStringLiteral("Ναι"));
        QCOMPARE(script.unexpected(), 0);
    }

    void yesNoQuestionTakesEscapeAsNo() {
        QStringList texts;
        ModalScript script;
        script
            .then([&](QWidget* box) {
                texts = buttonTexts(box);
                click(box, "yesButton");
            })
            .then([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
        QVERIFY(zelvo::gui::askYesNo(nullptr, QStringLiteral("Ερώτηση;")));
        QVERIFY(!zelvo::gui::askYesNo(nullptr, QStringLiteral("Ερώτηση;")));
        QCOMPARE(texts, sorted({"Ναι", "Όχι"}));
    }

    void startupNoticeShowsItsParagraphs() {
        zelvo::CZelvoDoc doc;
        QString text;
        ModalScript script;
        script.then([&](QWidget* box) {
            text = static_cast<QMessageBox*>(box)->text();
            click(box, "okButton");
        });
        zelvo::gui::QtPrompts prompts;
        doc.showStartupNotice(prompts);
        QVERIFY(script.done());
        const QStringList paragraphs = text.split(QStringLiteral("\n\n"));
        QCOMPARE(paragraphs.size(), 3);
        QVERIFY(paragraphs[1].startsWith(QStringLiteral("Δεν αντικαθιστά")));
    }

    // ------------------------------------------------------------ the exports warning
    void exportsAreOfferedTickedAndTheTickedOnesReturned() {
        const std::vector<std::string> files{"Ιανουάριος.csv", "Μάρτιος.rpt", "publist.xml"};
        QString title, warning;
        QStringList listed;
        bool allTicked = true;
        ModalScript script;
        script.then([&](QWidget* dialog) {
            title = dialog->windowTitle();
            warning = dialog->findChild<QLabel*>(QStringLiteral("warningLabel"))->text();
            QListWidget* list = fileListOf(dialog);
            for (int i = 0; i < list->count(); ++i) {
                listed << list->item(i)->text();
                allTicked = allTicked && list->item(i)->checkState() == Qt::Checked;
            }
            list->item(1)->setCheckState(Qt::Unchecked);
            click(dialog, "okButton");
        });
        zelvo::gui::QtPrompts prompts;
        const auto chosen = prompts.chooseExportsToDelete(files);
        QCOMPARE(title, QStringLiteral("Προσοχή!!"));
        QVERIFY(warning.startsWith(QStringLiteral("Αυτά τα αρχεία περιέχουν εκκλησιαστικές")));
        QCOMPARE(listed, (QStringList{"Ιανουάριος.csv", "Μάρτιος.rpt", "publist.xml"}));
        QVERIFY(allTicked);
        QCOMPARE(chosen, (std::vector<std::string>{"Ιανουάριος.csv", "publist.xml"}));
    }

    void exportsCancelledDeleteNothing() {
        QString cancelText;
        ModalScript script;
        script.then([&](QWidget* dialog) {
            cancelText = dialog->findChild<QPushButton*>(QStringLiteral("cancelButton"))->text();
            click(dialog, "cancelButton");
        });
        zelvo::gui::QtPrompts prompts;
        QVERIFY(prompts.chooseExportsToDelete({"Μάιος.csv"}).empty());
        QCOMPARE(cancelText, QStringLiteral("Ακύρωση"));
    }

    // ------------------------------------------------------------ the saving notice
    void savingNoticeIsPaintedAtOnceAndClosedAfter() {
        QWidget main;
        main.resize(600, 400);
        main.show();
        zelvo::gui::QtPrompts prompts(&main);
        QVERIFY(waitNotice() == nullptr);
        prompts.beginWait(zelvo::res::kSavingWait);
        QWidget* notice = waitNotice();
        QVERIFY(notice != nullptr);
        const QString text = notice->findChild<QLabel*>(QStringLiteral("waitText"))->text();
        QCOMPARE(text, QStringLiteral("Περίμενε .....\nΑποθήκευση των δεδομένων σου"));
        QVERIFY(notice->isWindow());
        QVERIFY(QApplication::activeModalWidget() == nullptr);  // it takes no answer
        prompts.endWait();
        QVERIFY(waitNotice() == nullptr);
    }
};

QTEST_MAIN(PromptsTest)
#include "prompts_test.moc"
