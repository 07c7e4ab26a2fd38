// The password dialogs on the real widgets: the gate passes on the last keystroke, takes a
// 14th character as OK, ends at the change after one wrong OK, and refuses on Escape; the change
// dialog stores what was entered twice, cut to 13, removes on a leading blank and refuses
// characters the data file cannot keep.
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "gui/modal_script.h"
#include "gui/shell/password_change_dialog.h"
#include "gui/shell/password_dialog.h"
#include "gui/shell/qt_prompts.h"
#include "gui/typing.h"
#include "gui/widget_lookup.h"
#include "resources/strings.h"
#include "store/cp1253.h"
#include "store/password_check.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

using zelvo::PasswordCheck;
using zelvo::test::ModalScript;
using zelvo::test::typeText;

namespace {

using Outcome = PasswordCheck::Outcome;

QLineEdit* editOf(QWidget* dialog) {
    return dialog->findChild<QLineEdit*>(QStringLiteral("passwordEdit"));
}
QString promptOf(QWidget* dialog) {
    return dialog->findChild<QLabel*>(QStringLiteral("promptLabel"))->text();
}
void clickOk(QWidget* dialog) {
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
}

using Gate = PasswordCheck::Gate;

// Runs the gate over `stored` through the program's prompts with `action` on its dialog. A
// message that follows the dialog (the program is about to end) is read into `told` and closed.
Outcome runGate(const std::string& stored, const ModalScript::Action& action,
                Gate gate = Gate::OpenData, QString* told = nullptr) {
    PasswordCheck check(stored, gate);
    QString message;
    ModalScript script;
    script.then(action).then([&message](QWidget* box) {
        if (auto* shown = qobject_cast<QMessageBox*>(box)) message = shown->text();
        box->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    });
    zelvo::gui::QtPrompts prompts;
    prompts.runPasswordCheck(check);
    if (told != nullptr) *told = message;
    if (script.handled() == 0 || script.unexpected() != 0) return Outcome::Pending;
    return check.outcome();
}

// A document whose password is `stored`.
void setPassword(zelvo::CZelvoDoc& doc, const std::string& stored) {
    doc.header().setText(zelvo::PublisherRecord::kFirstName, stored);
}

}  // namespace

class PasswordDialogTest : public QObject {
    Q_OBJECT

private slots:
    // ------------------------------------------------------------ the password gate
    void gatePassesOnTheLastKeystrokeWithoutOk() {
        bool openBeforeLast = false;
        QString prompt;
        QLineEdit::EchoMode echo = QLineEdit::Normal;
        const Outcome outcome = runGate("secret", [&](QWidget* dialog) {
            prompt = promptOf(dialog);
            echo = editOf(dialog)->echoMode();
            typeText(editOf(dialog), "secre");
            openBeforeLast = dialog->isVisible();
            zelvo::test::saveScreenshot(dialog, "password-dialog.png");
            QTest::keyClick(editOf(dialog), Qt::Key_T);
        });
        QCOMPARE(outcome, Outcome::Passed);
        QVERIFY(openBeforeLast);
        QCOMPARE(prompt, QStringLiteral("Δώσε τον Κωδικό"));
        QCOMPARE(echo, QLineEdit::Password);
    }

    void gateAsksForTheOldPasswordBeforeAChange() {
        QString prompt;
        const Outcome outcome = runGate(
            "secret",
            [&](QWidget* dialog) {
                prompt = promptOf(dialog);
                typeText(editOf(dialog), "secret");
            },
            Gate::ChangePassword);
        QCOMPARE(outcome, Outcome::Passed);
        QCOMPARE(prompt, QStringLiteral("Δώσε τον παλιό Κωδικό"));
    }

    void gatePassesGreekPasswords() {
        const Outcome outcome = runGate(zelvo::cp1253::fromUtf8("Κλειδί"), [](QWidget* dialog) {
            typeText(editOf(dialog), QStringLiteral("Κλειδί"));
        });
        QCOMPARE(outcome, Outcome::Passed);
    }

    void gateTakesAFourteenthCharacterAsOk() {
        QString promptAfter;
        bool openAfter = false;
        const Outcome outcome = runGate("secret", [&](QWidget* dialog) {
            typeText(editOf(dialog), "abcdefghijklmn");
            promptAfter = promptOf(dialog);
            openAfter = dialog->isVisible();
            QTest::keyClick(editOf(dialog), Qt::Key_Backspace);
        });
        QVERIFY(openAfter);
        QCOMPARE(promptAfter, QStringLiteral("Συγνώμη, Λάθος Κωδικός ..."));
        QCOMPARE(outcome, Outcome::Refused);
    }

    void gateEndsAtTheChangeAfterOneWrongOk_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("next");
        QTest::addColumn<bool>("passes");
        QTest::newRow("another wrong character") << "wrong"
                                                 << "x" << false;
        QTest::newRow("the missing last letter") << "secre"
                                                 << "t" << true;
        QTest::newRow("a changed case") << "secre"
                                        << "T" << false;
    }
    void gateEndsAtTheChangeAfterOneWrongOk() {
        QFETCH(QString, first);
        QFETCH(QString, next);
        QFETCH(bool, passes);
        QString prompt;
        bool openAfterWrongOk = false;
        const Outcome outcome = runGate("secret", [&](QWidget* dialog) {
            typeText(editOf(dialog), first);
            clickOk(dialog);
            prompt = promptOf(dialog);
            openAfterWrongOk = dialog->isVisible();
            typeText(editOf(dialog), next);
        });
        QVERIFY(openAfterWrongOk);
        QCOMPARE(prompt, QStringLiteral("Συγνώμη, Λάθος Κωδικός ..."));
        QCOMPARE(outcome, passes ? Outcome::Passed : Outcome::Refused);
    }

    void gateRefusesASecondWrongOkGivenWithEnter() {
        const Outcome outcome = runGate("secret", [](QWidget* dialog) {
            typeText(editOf(dialog), "wrong");
            QTest::keyClick(editOf(dialog), Qt::Key_Return);
            QVERIFY(dialog->isVisible());
            QTest::keyClick(editOf(dialog), Qt::Key_Return);
        });
        QCOMPARE(outcome, Outcome::Refused);
    }

    // After one wrong OK the last try is announced under the box, OK staying where it was, and
    // the program says why before it ends.
    void gateWarnsOfTheLastTryAndSaysSoBeforeTheProgramEnds() {
        bool warnedBefore = true, warnedAfter = false;
        QString warning, told;
        QPoint okBefore, okAfter;
        const Outcome outcome = runGate(
            "secret",
            [&](QWidget* dialog) {
                auto* label = dialog->findChild<QLabel*>(QStringLiteral("warningLabel"));
                auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("okButton"));
                warnedBefore = label->isVisible();
                okBefore = ok->mapTo(dialog, QPoint());
                typeText(editOf(dialog), "wrong");
                clickOk(dialog);
                QApplication::processEvents();
                warnedAfter = label->isVisible();
                warning = label->text();
                okAfter = ok->mapTo(dialog, QPoint());
                zelvo::test::saveScreenshot(dialog, "password-last-try.png");
                typeText(editOf(dialog), "x");
            },
            Gate::OpenData, &told);
        QCOMPARE(outcome, Outcome::Refused);
        QVERIFY(!warnedBefore);
        QVERIFY(warnedAfter);
        QCOMPARE(warning, QStringLiteral("Προσοχή: το επόμενο πλήκτρο ή το OK είναι η τελευταία "
                                         "προσπάθεια· αν ο Κωδικός δεν είναι σωστός, το "
                                         "πρόγραμμα θα κλείσει."));
        QCOMPARE(okAfter, okBefore);
        QCOMPARE(told, QStringLiteral("Χωρίς τον σωστό Κωδικό τα στοιχεία δεν ανοίγουν. Το "
                                      "πρόγραμμα θα κλείσει."));
    }

    // Before a change or a month copy a refusal ends nothing: the warning says what it costs
    // there, and no message follows.
    void gateOfAChangeOrAMonthCopyWarnsOfItsOwnCost_data() {
        QTest::addColumn<int>("gate");
        QTest::addColumn<QString>("cost");
        QTest::newRow("change") << int(Gate::ChangePassword)
                                << QStringLiteral("η αλλαγή του Κωδικού ακυρώνεται.");
        QTest::newRow("month copy")
            << int(Gate::OpenMonthCopy) << QStringLiteral("το αντίγραφο του μήνα δεν θα ανοίξει.");
    }
    void gateOfAChangeOrAMonthCopyWarnsOfItsOwnCost() {
        QFETCH(int, gate);
        QFETCH(QString, cost);
        QString warning, told;
        const Outcome outcome = runGate(
            "secret",
            [&](QWidget* dialog) {
                typeText(editOf(dialog), "wrong");
                clickOk(dialog);
                warning = dialog->findChild<QLabel*>(QStringLiteral("warningLabel"))->text();
                clickOk(dialog);
            },
            static_cast<Gate>(gate), &told);
        QCOMPARE(outcome, Outcome::Refused);
        QVERIFY(warning.endsWith(cost));
        QCOMPARE(told, QString());
    }

    void gateRefusesOnEscapeAndOnClose() {
        QString told;
        QCOMPARE(
            runGate(
                "secret", [](QWidget* dialog) { QTest::keyClick(editOf(dialog), Qt::Key_Escape); },
                Gate::OpenData, &told),
            Outcome::Refused);
        QVERIFY(told.endsWith(QStringLiteral("Το πρόγραμμα θα κλείσει.")));
        QCOMPARE(runGate("secret",
                         [](QWidget* dialog) {
                             typeText(editOf(dialog), "secre");
                             dialog->close();
                         }),
                 Outcome::Refused);
    }

    void gateShowsNothingWithoutAPassword() {
        PasswordCheck check(" ", Gate::OpenData);
        ModalScript script;
        script.then([](QWidget*) {});
        zelvo::gui::QtPrompts prompts;
        QVERIFY(prompts.runPasswordCheck(check));
        QCOMPARE(script.handled(), 0);
    }

    // ------------------------------------------------------------ the password change
    void changeStoresAPasswordEnteredTwice() {
        zelvo::CZelvoDoc doc;
        zelvo::ScriptedPrompts prompts;
        QString title, secondPrompt, secondText = QStringLiteral("unset");
        ModalScript script;
        script.then([&](QWidget* dialog) {
            title = dialog->windowTitle();
            typeText(editOf(dialog), "nέος1");
            clickOk(dialog);
            secondPrompt = promptOf(dialog);
            secondText = editOf(dialog)->text();
            typeText(editOf(dialog), "nέος1");
            clickOk(dialog);
        });
        QVERIFY(zelvo::gui::runPasswordChange(nullptr, doc, prompts));
        QVERIFY(script.done());
        QCOMPARE(title, QStringLiteral("Αλλαγή Κωδικού"));
        QCOMPARE(secondPrompt, QStringLiteral("Δώσε νέο Κωδικό Ξαναπροσπάθησε."));
        QCOMPARE(secondText, QString());
        QCOMPARE(doc.header().password(), zelvo::cp1253::fromUtf8("nέος1"));
        QVERIFY(doc.isModified());
        QCOMPARE(prompts.messages, std::vector<std::string>{"Ο Κωδικός έχει αλλάξει."});
    }

    void changeAsksForTheOldPasswordFirst() {
        zelvo::CZelvoDoc doc;
        setPassword(doc, "old");
        zelvo::gui::QtPrompts prompts;
        QStringList seen;
        QString message;
        ModalScript script;
        script
            .then([&](QWidget* gate) {
                seen << gate->objectName();
                typeText(editOf(gate), "old");
            })
            .then([&](QWidget* change) {
                seen << change->objectName();
                for (int i = 0; i < 2; ++i) {
                    typeText(editOf(change), "new");
                    clickOk(change);
                }
            })
            .then([&](QWidget* box) {
                seen << box->metaObject()->className();
                message = box->property("text").toString();
                clickOk(box);
            });
        QVERIFY(zelvo::gui::runPasswordChange(nullptr, doc, prompts));
        QCOMPARE(seen, (QStringList{"passwordDialog", "passwordChangeDialog", "QMessageBox"}));
        QCOMPARE(message, QStringLiteral("Ο Κωδικός έχει αλλάξει."));
        QCOMPARE(doc.header().password(), std::string("new"));
    }

    void changeOutcomes_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("message");
        QTest::newRow("different") << "abc"
                                   << "abd" << false << "old"
                                   << "Ο Κωδικός ΔΕΝ έχει αλλάξει.";
        QTest::newRow("leading blank") << " abc"
                                       << " abc" << true << " "
                                       << "Ο Κωδικός απενεργοποιήθηκε.";
        QTest::newRow("empty") << ""
                               << "" << true << " "
                               << "Ο Κωδικός απενεργοποιήθηκε.";
    }
    void changeOutcomes() {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(bool, changed);
        QFETCH(QString, stored);
        QFETCH(QString, message);
        zelvo::CZelvoDoc doc;
        setPassword(doc, "old");
        zelvo::ScriptedPrompts prompts;
        prompts.passwordAttempts = {"old"};
        ModalScript script;
        script.then([&](QWidget* dialog) {
            typeText(editOf(dialog), first);
            clickOk(dialog);
            typeText(editOf(dialog), second);
            clickOk(dialog);
        });
        QCOMPARE(zelvo::gui::runPasswordChange(nullptr, doc, prompts), changed);
        QCOMPARE(QString::fromStdString(doc.header().password()), stored);
        QCOMPARE(prompts.messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(prompts.messages[0]), message);
    }

    void changeCutsTwentyCharactersToThirteen() {
        zelvo::CZelvoDoc doc;
        zelvo::ScriptedPrompts prompts;
        QString afterFirst, promptAfterFirst;
        ModalScript script;
        script.then([&](QWidget* dialog) {
            // The 14th character acts as OK; the rest begins the second entry.
            typeText(editOf(dialog), "abcdefghijklmnopqrst");
            afterFirst = editOf(dialog)->text();
            promptAfterFirst = promptOf(dialog);
            editOf(dialog)->clear();
            typeText(editOf(dialog), "abcdefghijklmnopqrst");
        });
        QVERIFY(zelvo::gui::runPasswordChange(nullptr, doc, prompts));
        QCOMPARE(afterFirst, QStringLiteral("opqrst"));
        QCOMPARE(promptAfterFirst, QStringLiteral("Δώσε νέο Κωδικό Ξαναπροσπάθησε."));
        QCOMPARE(doc.header().password(), std::string("abcdefghijklm"));
    }

    void changeRefusesCharactersTheFileCannotKeep() {
        zelvo::CZelvoDoc doc;
        setPassword(doc, "old");
        zelvo::ScriptedPrompts prompts;
        prompts.passwordAttempts = {"old"};
        ModalScript script;
        script.then([&](QWidget* dialog) {
            typeText(editOf(dialog), QStringLiteral("aΛpha"));
            clickOk(dialog);
        });
        QVERIFY(!zelvo::gui::runPasswordChange(nullptr, doc, prompts));
        QVERIFY(script.done());
        QCOMPARE(script.unexpected(), 0);  // the dialog closed at the first OK
        QCOMPARE(doc.header().password(), std::string("old"));
        QVERIFY(!doc.isModified());
        QCOMPARE(prompts.messages.size(), std::size_t{1});
        const QString message = QString::fromStdString(prompts.messages[0]);
        QVERIFY2(message.contains(QStringLiteral("«Λ» (θέση 2)")), qPrintable(message));
        QVERIFY2(message.endsWith(QStringLiteral("Ο Κωδικός ΔΕΝ έχει αλλάξει.")),
                 qPrintable(message));
    }

    void changeCancelledKeepsThePassword() {
        zelvo::CZelvoDoc doc;
        setPassword(doc, "old");
        zelvo::ScriptedPrompts prompts;
        prompts.passwordAttempts = {"old"};
        QString cancelText;
        ModalScript script;
        script.then([&](QWidget* dialog) {
            typeText(editOf(dialog), "new");
            clickOk(dialog);
            auto* cancel = dialog->findChild<QPushButton*>(QStringLiteral("cancelButton"));
            cancelText = cancel->text();
            QTest::mouseClick(cancel, Qt::LeftButton);
        });
        QVERIFY(!zelvo::gui::runPasswordChange(nullptr, doc, prompts));
        QCOMPARE(cancelText, QStringLiteral("Ακύρωση"));
        QCOMPARE(doc.header().password(), std::string("old"));
        QCOMPARE(prompts.messages, std::vector<std::string>{"Ο Κωδικός ΔΕΝ έχει αλλάξει."});
    }
};

QTEST_MAIN(PasswordDialogTest)
#include "password_dialog_test.moc"
