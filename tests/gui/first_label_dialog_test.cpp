// The labels command from the keyboard: the first-label dialog's buttons stand as the labels on
// the sheet, Tab walks them in the sheet's order, Enter takes one and Escape shows nothing.
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "gui/modal_script.h"
#include "gui/reports/first_label_dialog.h"
#include "gui/shell/main_window.h"
#include "gui/shell/zelvo_view.h"
#include "gui/shell_fixture.h"
#include "gui/widget_lookup.h"
#include "reports/report_kind.h"
#include "shell/command_ids.h"

using namespace zelvo;

class FirstLabelDialogTest : public QObject {
    Q_OBJECT

private slots:
    void theChosenPositionReachesTheLabelsReport() {
        test::DataFolder folder(40);
        test::WindowSession s(folder);
        QVERIFY(s.loaded);
        gui::CZelvoView& view = *s.window->view();
        const int labels = reports::kindNumber(reports::ReportKind::Labels);

        test::ModalScript script;
        script.then([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
        script.then([](QWidget* dialog) {
            QVERIFY(test::activate(dialog));
            QPushButton* first = test::button(dialog, "labelButton1");
            QPushButton* second = test::button(dialog, "labelButton2");
            QPushButton* third = test::button(dialog, "labelButton3");
            // The sheet's layout: 2 beside 1, 3 under 1.
            QCOMPARE(second->y(), first->y());
            QVERIFY(second->x() > first->x());
            QCOMPARE(third->x(), first->x());
            QVERIFY(third->y() > first->y());
            QVERIFY(first->hasFocus());
            for (int i = 0; i < 3; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY(test::button(dialog, "labelButton4")->hasFocus());
            test::saveScreenshot(dialog, "first-label.png");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        s.window->runCommand(shell::CommandId::LabelsAll);
        QVERIFY(view.reportKind() != labels);  // cancelled: nothing shown
        s.window->runCommand(shell::CommandId::LabelsAll);
        QVERIFY(script.done());
        QCOMPARE(view.reportKind(), labels);
        QCOMPARE(view.state().labels.firstPosition, 4);
        QVERIFY(view.state().labels.ids.empty());  // every active publisher
        test::saveScreenshot(s.window.get(), "labels-view.png");
    }

    void chosenPeopleGetLabelsAndNoChoiceShowsNothing() {
        test::DataFolder folder(40);
        test::WindowSession s(folder);
        QVERIFY(s.loaded);
        gui::CZelvoView& view = *s.window->view();
        const int labels = reports::kindNumber(reports::ReportKind::Labels);

        int listed = 0;
        test::ModalScript script;
        // OK with no one chosen: no first-label question, no labels.
        script.then([](QWidget* chooser) { test::button(chooser, "okButton")->click(); });
        script.then([&](QWidget* chooser) {
            auto* people = test::child<QListWidget>(chooser, "personList");
            listed = people->count();
            people->setFocus();
            QTest::keyClick(people, Qt::Key_Home);
            QTest::keyClick(people, Qt::Key_End);
            QTest::keyClick(people, Qt::Key_Space);
            test::button(chooser, "okButton")->click();
        });
        script.then([](QWidget* dialog) { test::button(dialog, "labelButton2")->click(); });
        s.window->runCommand(shell::CommandId::LabelsChosen);
        QVERIFY(view.reportKind() != labels);
        s.window->runCommand(shell::CommandId::LabelsChosen);
        QVERIFY(script.done());
        QCOMPARE(view.reportKind(), labels);
        QCOMPARE(view.state().labels.firstPosition, 2);
        const auto& active = s.doc.kindLists[static_cast<std::size_t>(kPublisher)];
        QCOMPARE(listed, static_cast<int>(active.size()));
        const int lastId =
            s.doc.publishers[static_cast<std::size_t>(active.back().recordIndex)].id();
        QCOMPARE(view.state().labels.ids, std::vector<int>{lastId});
    }

    // Enter on "Ακύρωση" after the last label cancels; it took a label before.
    void enterOnCancelChoosesNoLabel() {
        test::ModalScript script;
        script.then([](QWidget* dialog) {
            QVERIFY(test::activate(dialog));
            test::button(dialog, "labelButton20")->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY(test::button(dialog, "cancelButton")->hasFocus());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        const std::optional<int> first = gui::chooseFirstLabel(nullptr);
        QVERIFY(script.done());
        QCOMPARE(first.value_or(0), 0);
    }
};

QTEST_MAIN(FirstLabelDialogTest)
#include "first_label_dialog_test.moc"
