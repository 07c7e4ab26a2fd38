// The start of the program: the password gate (scripted and with the real dialog), the start-up
// notice, the export tidy, and the main window on the dashboard.
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <unistd.h>

#include "gui/modal_script.h"
#include "gui/shell/application.h"
#include "gui/shell/dashboard.h"
#include "gui/shell/main_window.h"
#include "gui/shell/qt_prompts.h"
#include "gui/shell/qt_text.h"
#include "gui/shell/zelvo_view.h"
#include "resources/strings.h"
#include "shell_fixture.h"
#include "store/cp1253.h"
#include "store/folder_lock.h"

using namespace zelvo;
using zelvo::gui::ZelvoApplication;

class StartupTest : public QObject {
    Q_OBJECT

private:
    static ZelvoApplication::Start startWith(ZelvoApplication& app,
                                             const test::DataFolder& folder) {
        return app.start(folder.path(), test::kToday);
    }

private slots:
    void opensOnTheDashboardWithoutAPassword() {
        test::DataFolder folder(40);
        QVERIFY(folder.ok());
        ScriptedPrompts prompts;
        ZelvoApplication app(prompts);
        QCOMPARE(startWith(app, folder), ZelvoApplication::Start::Opened);

        gui::CMainFrame* window = app.mainWindow();
        QVERIFY(window != nullptr);
        QVERIFY(window->isVisible());
        QCOMPARE(window->view()->mode(), shell::ViewMode::Dashboard);
        QTRY_COMPARE(window->statusPane(1)->text(), QStringLiteral("Μήνας Εργασίας = Νοέμβριος"));
        QVERIFY(
            window->statusPane(1)->minimumWidth() >=
            window->statusPane(1)->fontMetrics().horizontalAdvance(window->statusPane(1)->text()));
        const std::string name = cp1253::toUtf8(app.doc().settings.congregationName);
        QVERIFY(!name.empty());
        // With the place of the unsaved-changes mark, empty while nothing has changed.
        QCOMPARE(window->windowTitle(), gui::qtText("Zelvo - " + name + "[*]"));
        QVERIFY(!window->isWindowModified());
        QVERIFY(prompts.noticeShown);
        QVERIFY(prompts.messages.empty());
        // The focus rests on the dashboard.
        QTRY_VERIFY(window->focusWidget() != nullptr);
        QVERIFY(window->view()->dashboard()->isAncestorOf(window->focusWidget()));
    }

    void opensAnEmptyFolderWithoutNotice() {
        test::DataFolder folder;
        QFile ini(folder.file(QStringLiteral("zelvog.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Nag]\r\n");
        ini.write(cp1253::fromUtf8("Ενεργοποιημένο=1\r\n").c_str());
        ini.close();
        ScriptedPrompts prompts;
        ZelvoApplication app(prompts);
        QCOMPARE(startWith(app, folder), ZelvoApplication::Start::Opened);
        QVERIFY(!prompts.noticeShown);
        QCOMPARE(app.doc().recordCount(), 1);
        QCOMPARE(app.mainWindow()->windowTitle(), QStringLiteral("Zelvo[*]"));
    }

    void offersToDeleteOldExports() {
        test::DataFolder folder(10);
        for (const char* name : {"Μάρτιος.csv", "contact.tsv"}) {
            QFile f(folder.file(QString::fromUtf8(name)));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        ScriptedPrompts prompts;
        prompts.deleteOfferedExports = true;
        ZelvoApplication app(prompts);
        QCOMPARE(startWith(app, folder), ZelvoApplication::Start::Opened);
        QCOMPARE(prompts.exportsOffered, std::vector<std::string>{"Μάρτιος.csv"});
        QVERIFY(!folder.exists(QStringLiteral("Μάρτιος.csv")));
        QVERIFY(!folder.exists(QStringLiteral("contact.tsv")));
    }

    void theRightPasswordOpens() {
        test::DataFolder folder(10);
        folder.setPassword("κλειδί");
        ScriptedPrompts prompts;
        prompts.passwordAttempts = {"κλειδί"};
        ZelvoApplication app(prompts);
        QCOMPARE(startWith(app, folder), ZelvoApplication::Start::Opened);
        QVERIFY(app.mainWindow()->isVisible());
    }

    void aWrongPasswordEndsBeforeAnyWindow() {
        test::DataFolder folder(10);
        folder.setPassword("κλειδί");
        ScriptedPrompts prompts;
        prompts.passwordAttempts = {"λάθος"};
        ZelvoApplication app(prompts);
        QCOMPARE(startWith(app, folder), ZelvoApplication::Start::Refused);
        QVERIFY(app.mainWindow() == nullptr);
        QVERIFY(!prompts.noticeShown);
        QVERIFY(QApplication::topLevelWidgets().isEmpty() ||
                std::none_of(QApplication::topLevelWidgets().begin(),
                             QApplication::topLevelWidgets().end(),
                             [](QWidget* w) { return w->isVisible(); }));
    }

    void wrongThenRightOpens() {
        test::DataFolder folder(10);
        folder.setPassword("κλειδί");
        ScriptedPrompts prompts;
        prompts.passwordAttempts = {"λάθος", "κλειδί"};
        ZelvoApplication app(prompts);
        QCOMPARE(startWith(app, folder), ZelvoApplication::Start::Opened);
    }

    // The same gate through the real dialog: typing the password opens at its last keystroke.
    void theRealDialogOpensOnTheLastKeystroke() {
        test::DataFolder folder(10);
        folder.change([](CZelvoDoc& doc) {
            doc.header().setText(PublisherRecord::kFirstName, "abc");
            doc.settings.noticeOff = 1;
        });
        gui::QtPrompts prompts;
        bool typed = false;
        test::whenModal([&](QWidget* dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("passwordDialog"));
            auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("passwordEdit"));
            QVERIFY(edit != nullptr);
            QCOMPARE(edit->echoMode(), QLineEdit::Password);
            QTest::keyClicks(edit, QStringLiteral("abc"));
            typed = true;
        });
        ZelvoApplication app(prompts);
        QCOMPARE(startWith(app, folder), ZelvoApplication::Start::Opened);
        QVERIFY(typed);
    }

    // Refused, the program says so once before it ends.
    void theRealDialogRefusesOnEscape() {
        test::DataFolder folder(10);
        folder.setPassword("abc");
        gui::QtPrompts prompts;
        QString told;
        test::ModalScript script;
        script
            .then([](QWidget* dialog) {
                auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("passwordEdit"));
                QVERIFY(edit != nullptr);
                QTest::keyClicks(edit, QStringLiteral("ab"));
                QTest::keyClick(edit, Qt::Key_Escape);
            })
            .then([&told](QWidget* box) {
                if (auto* message = qobject_cast<QMessageBox*>(box)) told = message->text();
                box->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
            });
        ZelvoApplication app(prompts);
        QCOMPARE(startWith(app, folder), ZelvoApplication::Start::Refused);
        QVERIFY(app.mainWindow() == nullptr);
        QVERIFY(script.done());
        QCOMPARE(script.unexpected(), 0);
        QCOMPARE(told, QStringLiteral("Χωρίς τον σωστό Κωδικό τα στοιχεία δεν ανοίγουν. Το "
                                      "πρόγραμμα θα κλείσει."));
    }

    // Another program writing to the folder: a message naming it, and nothing is opened.
    void aFolderOpenInAnotherProgramIsRefused() {
        test::DataFolder folder(10);
        const FolderLock held(folder.str());
        QVERIFY(held.locked());
        ScriptedPrompts prompts;
        ZelvoApplication app(prompts);
        QCOMPARE(startWith(app, folder), ZelvoApplication::Start::Locked);
        QVERIFY(app.mainWindow() == nullptr);
        QCOMPARE(prompts.messages.size(), std::size_t{1});
        QVERIFY(prompts.messages[0].find(std::to_string(::getpid())) != std::string::npos);
        QVERIFY(!prompts.noticeShown);
        QVERIFY(!folder.exists(QStringLiteral("rmkundo.dat")));
    }

    void theFolderStaysLockedForTheSession() {
        test::DataFolder folder(10);
        {
            ScriptedPrompts prompts;
            ZelvoApplication app(prompts);
            QCOMPARE(startWith(app, folder), ZelvoApplication::Start::Opened);
            const FolderLock second(folder.str());
            QCOMPARE(second.state(), FolderLock::State::HeldByOther);
        }
        const FolderLock after(folder.str());
        QVERIFY(after.locked());
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
