// The main window by keyboard: the focus on the first enabled dashboard button at start, Enter
// and Return on the focused button, the focus back on what opened a dialog or a report (or on
// the first enabled button when that one is greyed now), and F10 for the menu bar.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "gui/shell/command_actions.h"
#include "gui/shell/dashboard.h"
#include "gui/shell/main_window.h"
#include "gui/shell/zelvo_view.h"
#include "shell/command_ids.h"
#include "shell_fixture.h"
#include "widget_lookup.h"

using namespace zelvo;
using B = shell::DashboardButtonId;
using C = shell::CommandId;

namespace {

struct Session : test::WindowSession {
    using WindowSession::WindowSession;
    gui::Dashboard* dashboard() const { return window->view()->dashboard(); }
    QPushButton* button(B id) const { return dashboard()->button(id); }
    QAction* action(C id) const { return window->commandActions()->action(id); }
};

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void theFirstEnabledButtonHasTheFocusAtStart() {
        test::DataFolder folder(10);
        Session s(folder);
        QPushButton* first = s.dashboard()->firstEnabledButton();
        QVERIFY(first != nullptr);
        QTRY_COMPARE(QApplication::focusWidget(), first);
        s.window->resize(1024, 768);
        test::saveScreenshot(s.window.get(), "dashboard.png");
    }

    void enterAndReturnPressTheFocusedButtonAndTheFocusComesBack() {
        test::DataFolder folder(10);
        Session s(folder);
        QPushButton* edit = s.button(B::EditPublishers);
        QVERIFY(edit->isEnabled());
        edit->setFocus();
        QString opened;
        test::whenModal([&](QWidget* picker) {
            opened = picker->objectName();
            test::click(picker, "closeButton");
        });
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(opened, QStringLiteral("publisherPicker"));
        // Active again (a desktop activates it as the dialog goes, the offscreen platform does
        // not), the window gives the focus back to the button.
        QVERIFY(test::activate(s.window.get()));
        QTRY_COMPARE(QApplication::focusWidget(), edit);

        // The keypad's Enter: the exit button closes the window.
        QPushButton* exit = s.button(B::Exit);
        exit->setFocus();
        QTest::keyClick(exit, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(!s.window->isVisible());
    }

    void theButtonThatShowedAReportHasTheFocusAgainAfterIt() {
        test::DataFolder folder(10);
        Session s(folder);
        QPushButton* analysis = s.button(B::CongregationAnalysis);
        analysis->setFocus();
        QTest::keyClick(analysis, Qt::Key_Return);
        QCOMPARE(s.window->view()->mode(), shell::ViewMode::Report);
        QTest::keyClick(s.window->view(), Qt::Key_Escape);
        QCOMPARE(s.window->view()->mode(), shell::ViewMode::Dashboard);
        QCOMPARE(QApplication::focusWidget(), analysis);

        // The same through the return command.
        QTest::keyClick(analysis, Qt::Key_Return);
        QCOMPARE(s.window->view()->mode(), shell::ViewMode::Report);
        s.action(C::ReturnToDashboard)->trigger();
        QCOMPARE(QApplication::focusWidget(), analysis);
    }

    void aButtonGreyedMeanwhileHandsTheFocusToTheFirstEnabledOne() {
        test::DataFolder folder(10);
        Session s(folder, [](CZelvoDoc& doc) {
            QVERIFY(doc.makeMonthCopy(test::kLiveReportMonth, test::kToday).empty());
            doc.computePreviousMask();
        });
        QPushButton* edit = s.button(B::EditPublishers);
        edit->setFocus();
        s.prompts.answers = {Answer::No};
        s.action(C::PreviousReport1)->trigger();  // no editing in a month copy
        QTRY_VERIFY(!edit->isEnabled());
        QPushButton* first = s.dashboard()->firstEnabledButton();
        QVERIFY(first != nullptr && first != edit);
        QTRY_COMPARE(QApplication::focusWidget(), first);
    }

    void f10OpensTheFirstMenu() {
        test::DataFolder folder(5);
        Session s(folder);
        auto* file = s.window->findChild<QMenu*>(QStringLiteral("menuFile"));
        QCOMPARE(s.window->menuBar()->actions().first(), file->menuAction());
        QTest::keyClick(s.window.get(), Qt::Key_F10);
        QTRY_VERIFY(file->isVisible());
        QCOMPARE(s.window->menuBar()->activeAction(), file->menuAction());
        QTest::keyClick(file, Qt::Key_Escape);
        QTRY_VERIFY(!file->isVisible());
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
