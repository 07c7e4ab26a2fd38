// The main window over a loaded document: the enabling rules on the real menus, toolbar and
// dashboard, the month copy and the way back, save, the notice toggle, help, and the exit path.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <memory>

#include "gui/shell/command_actions.h"
#include "gui/shell/dashboard.h"
#include "gui/shell/help_commands.h"
#include "gui/shell/main_window.h"
#include "gui/shell/qt_text.h"
#include "gui/shell/zelvo_view.h"
#include "resources/strings.h"
#include "shell/command_table.h"
#include "shell_fixture.h"
#include "store/data_files.h"

using namespace zelvo;
using zelvo::gui::CMainFrame;
using C = zelvo::shell::CommandId;
using B = zelvo::shell::DashboardButtonId;

namespace {

// The window session with the lookups these tests use.
struct Session : test::WindowSession {
    using WindowSession::WindowSession;
    QAction* action(C id) const { return window->commandActions()->action(id); }
    QPushButton* button(B id) const { return window->view()->dashboard()->button(id); }
    QString statusMonth() const { return window->statusPane(1)->text(); }
    bool hasQuestion(std::string_view text) const {
        return std::find(prompts.questions.begin(), prompts.questions.end(), text) !=
               prompts.questions.end();
    }
    bool hasMessage(std::string_view text) const {
        return std::find(prompts.messages.begin(), prompts.messages.end(), text) !=
               prompts.messages.end();
    }
};

// Commands whose features are not there yet are present, and disabled whatever the data.
void verifyNothingUnbuiltEnabled(const Session& s) {
    for (const shell::Command& c : shell::commands())
        if (!c.built)
            QVERIFY2(!s.action(c.id)->isEnabled(), qPrintable(QString::number(idNumber(c.id))));
}

QString month(int index) {
    return gui::qtText(res::monthName(index));
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    // --- the rules on the real widgets ---

    void liveDataEnablesOnlyWhatIsBuilt() {
        test::DataFolder folder(60);
        Session s(folder);
        QVERIFY(s.doc.recordCount() >= 2);
        QVERIFY(!s.doc.kindLists[kDeleted].empty());
        verifyNothingUnbuiltEnabled(s);
        QVERIFY(s.action(C::ChangePassword)->isEnabled());       // password: live data
        QVERIFY(s.action(C::ToggleStartupNotice)->isEnabled());  // notice: always
        QVERIFY(s.action(C::Exit)->isEnabled());
        QVERIFY(s.action(C::About)->isEnabled());
        QVERIFY(!s.action(C::Save)->isEnabled());               // nothing changed yet
        QVERIFY(!s.action(C::ReturnToDashboard)->isEnabled());  // the dashboard is already shown
        QVERIFY(s.button(B::EnterReports)->isEnabled());  // report entry: live data
        QVERIFY(s.button(B::Exit)->isEnabled());
        QVERIFY(s.button(B::ReturnToLiveData)->isHidden());
        QCOMPARE(s.button(B::EnterReports)->text(), QStringLiteral("Καταχώρηση Δελτίων"));
        // No month copy yet, so no previous-reports submenu.
        QVERIFY(!s.window->commandActions()->previousReportsMenu()->menuAction()->isVisible());
    }

    void recordCountAndDeletedListNeverFakeAFeature() {
        test::DataFolder empty;
        Session none(empty);
        QCOMPARE(none.doc.recordCount(), 1);
        QVERIFY(none.doc.kindLists[kDeleted].empty());
        verifyNothingUnbuiltEnabled(none);
        QVERIFY(none.action(C::ChangePassword)->isEnabled());
        QVERIFY(none.button(B::Exit)->isEnabled());
    }

    void saveFollowsTheModifiedFlag() {
        test::DataFolder folder(20);
        Session s(folder);
        QVERIFY(!s.action(C::Save)->isEnabled());
        s.action(C::ToggleStartupNotice)->trigger();  // the notice toggle marks the data modified
        QVERIFY(s.action(C::Save)->isEnabled());
        QCOMPARE(s.action(C::Save)->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        QTest::keySequence(s.window.get(), QKeySequence::Save);
        QVERIFY(!s.doc.isModified());
        QVERIFY(!s.action(C::Save)->isEnabled());
    }

    void reportModeEnablesReturnToDashboard() {
        test::DataFolder folder(5);
        Session s(folder);
        auto* toolBar = s.window->findChild<QToolBar*>(QStringLiteral("toolBar"));
        QVERIFY(toolBar != nullptr);
        QCOMPARE(toolBar->actions().first(), s.action(C::ReturnToDashboard));
        s.window->view()->showReport(3);
        QVERIFY(s.action(C::ReturnToDashboard)->isEnabled());
        QVERIFY(s.action(C::Print)->isEnabled());  // a report on the screen can be printed
        s.action(C::ReturnToDashboard)->trigger();
        QCOMPARE(s.window->view()->mode(), shell::ViewMode::Dashboard);
        QVERIFY(!s.action(C::ReturnToDashboard)->isEnabled());

        s.window->view()->showReport(3);
        QTest::keyClick(s.window->view(), Qt::Key_Escape);
        QCOMPARE(s.window->view()->mode(), shell::ViewMode::Dashboard);
        QVERIFY(!s.action(C::ReturnToDashboard)->isEnabled());
    }

    void noticeAndAutoCapitalizeToggleAndAreSaved() {
        test::DataFolder folder(5);
        {
            Session s(folder);
            QVERIFY(!s.action(C::ToggleStartupNotice)->isChecked());
            s.action(C::ToggleStartupNotice)->trigger();
            QVERIFY(s.action(C::ToggleStartupNotice)->isChecked());
            QCOMPARE(s.doc.settings.noticeOff, 1);
            s.window->runCommand(C::ToggleAutoCapitalize);
            QCOMPARE(s.doc.settings.autoCapitalize, 0);
            s.action(C::Save)->trigger();
        }
        Session again(folder);
        QCOMPARE(again.doc.settings.noticeOff, 1);
        QCOMPARE(again.doc.settings.autoCapitalize, 0);
        QVERIFY(again.action(C::ToggleStartupNotice)->isChecked());
    }

    // --- month copies ---

    void monthCopyRoundTrip() {
        test::DataFolder folder(30);
        // The copies of October and September, as the month initialization makes them.
        Session s(folder, [](CZelvoDoc& doc) {
            QVERIFY(doc.makeMonthCopy(test::kLiveReportMonth, test::kToday).empty());
            QVERIFY(doc.makeMonthCopy(test::kLiveReportMonth - 1, test::kToday).empty());
            doc.computePreviousMask();
        });
        QCOMPARE(s.statusMonth(), QStringLiteral("Μήνας Εργασίας = ") + month(10));
        QMenu* previous = s.window->commandActions()->previousReportsMenu();
        QVERIFY(previous->menuAction()->isVisible());
        QCOMPARE(s.action(C::PreviousReport1)->text(), month(9));
        QCOMPARE(s.action(C::PreviousReport2)->text(), month(8));
        QVERIFY(s.action(C::PreviousReport1)->isEnabled());
        QVERIFY(s.action(C::PreviousReport2)->isEnabled());
        QVERIFY(!s.action(C::PreviousReport3)->isEnabled());
        QVERIFY(s.doc.isModified());  // making the copies marked the data modified

        s.prompts.answers = {Answer::No};
        s.action(C::PreviousReport1)->trigger();
        QVERIFY(s.hasQuestion(res::kSaveChanges));
        QCOMPARE(s.doc.calendar.viewingPrevious, 1);
        QTRY_COMPARE(s.statusMonth(), QStringLiteral("Μήνας Εργασίας = ") + month(9));
        QTRY_VERIFY(!s.button(B::ReturnToLiveData)->isHidden());
        QCOMPARE(s.button(B::ReturnToLiveData)->text(), month(10) + QStringLiteral(" ->"));
        QVERIFY(s.button(B::ReturnToLiveData)->isEnabled());
        // Nothing that changes data while a copy is open.
        QVERIFY(!s.action(C::Save)->isEnabled());
        QVERIFY(!s.action(C::ChangePassword)->isEnabled());
        QVERIFY(s.action(C::ToggleStartupNotice)->isEnabled());
        // Another copy opens straight away, without a question.
        const auto asked = s.prompts.questions.size();
        s.action(C::PreviousReport2)->trigger();
        QCOMPARE(s.prompts.questions.size(), asked);
        QTRY_COMPARE(s.statusMonth(), QStringLiteral("Μήνας Εργασίας = ") + month(8));
        QCOMPARE(s.button(B::ReturnToLiveData)->text(), month(10) + QStringLiteral(" ->"));
        // Menu texts stay the live data's months.
        QCOMPARE(s.action(C::PreviousReport1)->text(), month(9));

        QTest::mouseClick(s.button(B::ReturnToLiveData), Qt::LeftButton);
        QCOMPARE(s.doc.calendar.viewingPrevious, 0);
        QTRY_COMPARE(s.statusMonth(), QStringLiteral("Μήνας Εργασίας = ") + month(10));
        QTRY_VERIFY(s.button(B::ReturnToLiveData)->isHidden());
        QVERIFY(s.action(C::ChangePassword)->isEnabled());
        QVERIFY(s.action(C::PreviousReport1)->isEnabled());
    }

    void cancellingTheSaveQuestionKeepsTheLiveData() {
        test::DataFolder folder(10);
        Session s(folder, [](CZelvoDoc& doc) {
            QVERIFY(doc.makeMonthCopy(test::kLiveReportMonth, test::kToday).empty());
            doc.computePreviousMask();
        });
        s.prompts.answers = {Answer::Cancel};
        s.action(C::PreviousReport1)->trigger();
        QCOMPARE(s.doc.calendar.viewingPrevious, 0);
        QVERIFY(s.doc.isModified());
        QVERIFY(s.action(C::Save)->isEnabled());
        QVERIFY(s.button(B::ReturnToLiveData)->isHidden());
    }

    void refusingThePasswordOnTheWayBackEndsTheProgram() {
        test::DataFolder folder(10);
        folder.setPassword("abc");
        Session s(folder, {}, "abc");
        QVERIFY(s.loaded);
        QVERIFY(s.doc.recordCount() > 1);
        QVERIFY(s.doc.makeMonthCopy(test::kLiveReportMonth, test::kToday).empty());
        QVERIFY(s.doc.saveAll(s.prompts).ok);
        s.doc.computePreviousMask();
        s.window->updateCommands();
        s.action(C::PreviousReport1)->trigger();  // the copy's own password is asked and given
        QCOMPARE(s.doc.calendar.viewingPrevious, 1);

        s.prompts.passwordAttempts = {"wrong"};
        QTest::mouseClick(s.button(B::ReturnToLiveData), Qt::LeftButton);
        QVERIFY(!s.window->isVisible());
        QVERIFY(s.prompts.questions.empty() ||
                !s.hasQuestion(res::kSaveChanges));  // nothing offered to save
    }

    // --- the way out ---

    void exitAsksToSaveAndCancelStays() {
        test::DataFolder folder(10);
        Session s(folder);
        s.action(C::ToggleStartupNotice)->trigger();
        s.prompts.answers = {Answer::Cancel};
        QVERIFY(!s.window->close());
        QVERIFY(s.window->isVisible());
        QVERIFY(s.hasQuestion(res::kSaveChanges));
        QVERIFY(folder.exists(QStringLiteral("rmkundo.dat")));
    }

    void exitWithNoRestoresTheRemarksAndDoesNotSave() {
        test::DataFolder folder(30);
        QFile remarks(folder.file(QStringLiteral("remark9.dat")));
        QVERIFY(remarks.open(QIODevice::ReadOnly));
        const QByteArray before = remarks.readAll();
        remarks.close();
        Session s(folder);
        // Something the remark file does not hold at start, as an editor would leave it.
        QFile::remove(folder.file(QStringLiteral("remark9.dat")));
        s.action(C::ToggleStartupNotice)->trigger();
        s.prompts.answers = {Answer::No};
        QTest::mouseClick(s.button(B::Exit), Qt::LeftButton);
        QVERIFY(!s.window->isVisible());
        QVERIFY(remarks.open(QIODevice::ReadOnly));
        QCOMPARE(remarks.readAll(), before);
        QVERIFY(!folder.exists(QStringLiteral("rmkundo.dat")));
        Session again(folder);
        QCOMPARE(again.doc.settings.noticeOff, 0);  // not saved
    }

    void exitWithYesSaves() {
        test::DataFolder folder(10);
        Session s(folder);
        s.action(C::ToggleStartupNotice)->trigger();
        s.prompts.answers = {Answer::Yes};
        s.action(C::Exit)->trigger();
        QVERIFY(!s.window->isVisible());
        QVERIFY(!s.doc.isModified());
        QVERIFY(!folder.exists(QStringLiteral("rmkundo.dat")));
        Session again(folder);
        QCOMPARE(again.doc.settings.noticeOff, 1);
    }

    void aFailedSaveKeepsSaveEnabledAndTheExitQuestion() {
        test::DataFolder folder(10);
        Session s(folder);
        s.action(C::ToggleStartupNotice)->trigger();
        // The meeting file cannot be replaced any more once the program has read it.
        QFile::remove(folder.file(QStringLiteral("meetin9.dat")));
        QVERIFY(QDir().mkpath(folder.file(QStringLiteral("meetin9.dat/inside"))));
        s.action(C::Save)->trigger();
        QVERIFY(!s.prompts.messages.empty());
        QVERIFY(s.action(C::Save)->isEnabled());
        // Yes saves again, fails again, and the window stays; No then leaves without saving.
        s.prompts.answers = {Answer::Yes};
        QVERIFY(!s.window->close());
        QVERIFY(s.hasQuestion(res::kSaveChanges));
        s.prompts.questions.clear();
        s.prompts.answers = {Answer::No};
        QVERIFY(s.window->close());
        QVERIFY(s.hasQuestion(res::kSaveChanges));
    }

    void exitWithoutChangesAsksNothing() {
        test::DataFolder folder(10);
        Session s(folder);
        QVERIFY(s.window->close());
        QVERIFY(s.prompts.questions.empty());
        QVERIFY(!folder.exists(QStringLiteral("rmkundo.dat")));
    }

    void noClosingWhilePrinting() {
        test::DataFolder folder(5);
        Session s(folder);
        s.window->view()->setPrinting(true);
        QVERIFY(!s.window->close());
        QVERIFY(s.window->isVisible());
        QVERIFY(s.hasMessage(res::kUseCloseButton));
        QVERIFY(s.prompts.questions.empty());
        s.window->view()->setPrinting(false);
        QVERIFY(s.window->close());
    }

    // --- the status line ---

    void everyCommandSaysWhatItIsOnHoverEvenWhenGrey() {
        test::DataFolder folder(10);
        Session s(folder);
        QStatusBar* bar = s.window->statusBar();
        const QString notYet = QStringLiteral(": δεν είναι ακόμη διαθέσιμο");

        QMenuBar* menuBar = s.window->menuBar();
        const auto open = [&](const char* name) {
            auto* menu = s.window->findChild<QMenu*>(QLatin1String(name));
            QTest::mouseClick(menuBar, Qt::LeftButton, {},
                              menuBar->actionGeometry(menu->menuAction()).center());
            return menu;
        };
        const auto hover = [](QMenu* menu, QAction* a) {
            QTest::mouseMove(menu, menu->actionGeometry(a).center());
        };

        // A grey menu entry names itself, as an enabled one does; closing the menu clears it.
        QMenu* file = open("menuFile");
        QTRY_VERIFY(file->isVisible());
        QVERIFY(!s.action(C::Print)->isEnabled());
        hover(file, s.action(C::Print));
        QTRY_COMPARE(bar->currentMessage(), QStringLiteral("Εκτύπωση..."));
        hover(file, s.action(C::PrintSetup));
        QTRY_COMPARE(bar->currentMessage(), QStringLiteral("Ρυθμίσεις Εκτυπωτή"));
        hover(file, s.action(C::Print));
        QTRY_COMPARE(bar->currentMessage(), QStringLiteral("Εκτύπωση..."));
        file->close();
        QTRY_COMPARE(bar->currentMessage(), QString());

        // An entry whose feature is not built says so.
        QMenu* view = open("menuView");
        QTRY_VERIFY(view->isVisible());
        hover(view, s.action(C::ViewQuickReview));
        QTRY_COMPARE(bar->currentMessage(), QStringLiteral("Γρήγορη Ανασκόπηση") + notYet);
        view->close();

        // A toolbar button greyed by its rule: its name.
        auto* toolBar = s.window->findChild<QToolBar*>(QStringLiteral("toolBar"));
        QWidget* print = toolBar->widgetForAction(s.action(C::Print));
        QVERIFY(!print->isEnabled());
        QTest::mouseMove(print);
        QTRY_COMPARE(bar->currentMessage(), QStringLiteral("Εκτύπωση..."));

        // Dashboard buttons, built or not.
        QTest::mouseMove(s.button(B::Statistics));
        QVERIFY(!s.button(B::Statistics)->isEnabled());
        QTRY_COMPARE(bar->currentMessage(), QStringLiteral("Στατιστικά") + notYet);
        QTest::mouseMove(s.button(B::CongregationAnalysis));
        QTRY_COMPARE(bar->currentMessage(), QStringLiteral("Ανάλυση Εκκλησίας"));
        QVERIFY2(s.prompts.messages.empty(), "the status line, never a dialog");
    }

    void theStatusLineTellsASaveAndAFailedOne() {
        test::DataFolder folder(10);
        Session s(folder);
        int minute = 5;
        s.window->setClock([&minute] { return shell::TimeOfDay{14, minute}; });
        QLabel* pane = s.window->statusPane(0);
        QCOMPARE(pane->text(), QStringLiteral("Έτοιμο"));
        s.action(C::ToggleStartupNotice)->trigger();
        // The meeting file cannot be replaced once the program has read it.
        QFile::remove(folder.file(QStringLiteral("meetin9.dat")));
        QVERIFY(QDir().mkpath(folder.file(QStringLiteral("meetin9.dat/inside"))));
        s.action(C::Save)->trigger();
        QCOMPARE(pane->text(), QStringLiteral("Η αποθήκευση απέτυχε: meetin9.dat"));
        // Put right, the next save says when it wrote everything.
        QVERIFY(QDir(folder.file(QStringLiteral("meetin9.dat"))).removeRecursively());
        minute = 6;
        QTest::keySequence(s.window.get(), QKeySequence::Save);
        QVERIFY(!s.doc.isModified());
        QCOMPARE(pane->text(), QStringLiteral("Αποθηκεύτηκε στις 14:06"));
    }

    void theTitleMarksUnsavedChanges() {
        test::DataFolder folder(10);
        Session s(folder);
        const QString title = s.window->windowTitle();
        QVERIFY(title.endsWith(QStringLiteral("[*]")));
        QVERIFY(!s.window->isWindowModified());
        s.action(C::ToggleStartupNotice)->trigger();
        QVERIFY(s.window->isWindowModified());
        s.action(C::Save)->trigger();
        QVERIFY(!s.window->isWindowModified());
        QCOMPARE(s.window->windowTitle(), title);

        // A dialog that changed the data, and a save that could not write everything.
        s.window->setCommandHandler(C::EditPublishers, [&s] { s.doc.markModified(); });
        s.window->runCommand(C::EditPublishers);
        QVERIFY(s.window->isWindowModified());
        QFile::remove(folder.file(QStringLiteral("meetin9.dat")));
        QVERIFY(QDir().mkpath(folder.file(QStringLiteral("meetin9.dat/inside"))));
        s.action(C::Save)->trigger();
        QVERIFY(s.doc.isModified());
        QVERIFY(s.window->isWindowModified());

        // A group's report names the group in the title, which keeps the mark.
        s.window->view()->showReport(2, 1);
        QTRY_VERIFY(s.window->windowTitle().contains(QStringLiteral("Όμιλος #1")));
        QVERIFY(s.window->windowTitle().endsWith(QStringLiteral("[*]")));
        QVERIFY(s.window->isWindowModified());
    }

    // --- help ---

    void helpOpensTheGuideAsAPage() {
        test::DataFolder folder(5);
        Session s(folder);
        QUrl opened;
        s.window->setUrlOpener([&](const QUrl& url) {
            opened = url;
            return true;
        });
        s.action(C::HelpContents)->trigger();
        QVERIFY(opened.isLocalFile());
        QFile page(opened.toLocalFile());
        QVERIFY(page.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(page.readAll()).contains(QStringLiteral("Πίνακας Εργασίας")));
        QVERIFY(s.prompts.messages.empty());

        s.window->setUrlOpener([](const QUrl&) { return false; });
        s.action(C::ContextHelp)->trigger();
        QCOMPARE(s.prompts.messages.size(), std::size_t{1});
        QVERIFY(s.prompts.messages[0].find("Ο οδηγός χρήσης δεν άνοιξε") == 0);
    }

    void aboutBoxShowsTheVersion() {
        test::DataFolder folder(5);
        Session s(folder);
        QString text;
        test::whenModal([&](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            QVERIFY(box != nullptr);
            QCOMPARE(box->objectName(), QStringLiteral("aboutBox"));
            text = box->text();
            QTest::mouseClick(box->findChild<QPushButton*>(QStringLiteral("okButton")),
                              Qt::LeftButton);
        });
        s.action(C::About)->trigger();
        QVERIFY(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$"))
                    .match(gui::programVersion())
                    .hasMatch());
        QVERIFY(text.contains(gui::programVersion()));
        QVERIFY(text.contains(folder.path()));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
