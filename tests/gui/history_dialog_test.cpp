// The history editor on the demo congregation of 8 December 2026 (report month November, slot 0):
// a regular pioneer's October hours corrected with the keyboard only, and a correction of the
// regular pioneers' totals; both reach the document only as the editor closes.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

#include "gui/modal_script.h"
#include "gui/reporting/history_dialog.h"
#include "gui/shell_fixture.h"
#include "gui/widget_lookup.h"
#include "store/zelvo_doc.h"

using namespace zelvo;
using test::child;

namespace {

constexpr int kOctober = 9;

void press(QWidget* dialog, Qt::Key key) {
    QTest::keyClick(dialog->focusWidget(), key);
}

}  // namespace

class HistoryDialogTest : public QObject {
    Q_OBJECT
    test::DataFolder folder_{60};
    ScriptedPrompts prompts_;
    CZelvoDoc doc_;

    // The position in the active list of its first regular pioneer of October.
    int pioneerPosition() {
        const auto& list = doc_.kindLists[kPublisher];
        for (std::size_t i = 0; i < list.size(); ++i)
            if (doc_.publishers[list[i].recordIndex].pioneerKind(kOctober, 0) == 2)
                return static_cast<int>(i);
        return -1;
    }
    int pioneerRow() {
        const int at = pioneerPosition();
        return at < 0 ? 0 : doc_.kindLists[kPublisher][static_cast<std::size_t>(at)].recordIndex;
    }
    void run(const reporting::HistoryPreset& preset, const std::function<void(QWidget*)>& act) {
        test::ModalScript script;
        script.then([&act](QWidget* dialog) {
            QVERIFY(test::activate(dialog));
            act(dialog);
        });
        gui::openHistory(nullptr, doc_, prompts_, preset);
        QVERIFY(script.done());
        QCOMPARE(script.unexpected(), 0);
    }

private slots:
    void initTestCase() {
        doc_.startUp(folder_.str(), test::kToday, LoadMode::Live);
        QVERIFY(doc_.load(prompts_, LoadMode::Live).ok);
    }

    void correctsAPastMonthsHoursWithTheKeyboard() {
        const int row = pioneerRow();
        QVERIFY(row > 0);
        const int before = doc_.publishers[static_cast<std::size_t>(row)].hours(kOctober, 0);
        run({row, false, {}}, [this, row, before](QWidget* d) {
            QVERIFY(!child<QListWidget>(d, "personList")->isVisible());
            QCOMPARE(test::current(d, "monthList"), QStringLiteral("Οκτώβριος"));
            // The participated tick first; Enter goes on to the hours.
            auto* participated = child<QCheckBox>(d, "participatedTick");
            QCOMPARE(d->focusWidget(), participated);
            if (!participated->isChecked()) QTest::keyClick(participated, Qt::Key_Space);
            press(d, Qt::Key_Return);
            auto* hours = child<QLineEdit>(d, "hoursEdit");
            QCOMPARE(d->focusWidget(), hours);
            hours->selectAll();
            test::typeText(hours, QStringLiteral("61.6"));
            press(d, Qt::Key_Return);
            QCOMPARE(hours->text(), QStringLiteral("61.5"));
            while (d->focusWidget() != child<QWidget>(d, "remarkEdit")) press(d, Qt::Key_Return);
            press(d, Qt::Key_Return);  // the last field: saved, the focus back on the first
            QCOMPARE(d->focusWidget(), participated);
            // Committed only as the editor closes.
            QCOMPARE(int{doc_.publishers[static_cast<std::size_t>(row)].hours(kOctober, 0)},
                     before);
            press(d, Qt::Key_Escape);
        });
        const PublisherRecord& r = doc_.publishers[static_cast<std::size_t>(row)];
        QCOMPARE(int{r.hours(kOctober, 0)}, 61);
        QCOMPARE(r.quarters(kOctober, 0), 2);
        QVERIFY(doc_.isModified());
    }

    void correctsTheRegularPioneersTotals() {
        run({}, [this](QWidget* d) {
            child<QListWidget>(d, "personList")->setCurrentRow(pioneerPosition());
            test::saveScreenshot(d, "history-editor.png");
            child<QCheckBox>(d, "totalsTick")->click();
            child<QListWidget>(d, "personList")->setCurrentRow(2);
            QVERIFY(!child<QLineEdit>(d, "hoursEdit")->isEnabled());  // the sums of both rows
            child<QCheckBox>(d, "regularTotalsTick")->click();
            test::retype(d, "hoursEdit", QStringLiteral("123.25"));
            test::retype(d, "creditEdit", QStringLiteral("4"));
            test::saveScreenshot(d, "history-editor-totals.png");
            test::click(d, "doneButton");
        });
        QCOMPARE(int{doc_.monthTotals.value(kOctober, 2, 2, 0)}, 123);
        QCOMPARE(int{doc_.monthTotals.value(kOctober, 2, 7, 0)}, 1);
        QCOMPARE(int{doc_.monthTotals.value(kOctober, 2, 8, 0)}, 4);
    }
};

QTEST_MAIN(HistoryDialogTest)
#include "history_dialog_test.moc"
