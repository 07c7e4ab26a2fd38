// The month chooser on the real widgets: the year list that follows the month, the tick,
// and what OK and Ακύρωση return.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "gui/modal_script.h"
#include "gui/reporting/month_chooser_dialog.h"
#include "gui/widget_lookup.h"
#include "store/calendar.h"

using Model = zelvo::reporting::MonthChooserModel;
using zelvo::test::ModalScript;

using zelvo::test::child;

namespace {

zelvo::CalendarState march2025() {
    zelvo::CalendarState cal;
    zelvo::applyReportMonthAtStart(cal, {2025, 4, 3});
    zelvo::deriveReportMonth(cal);
    return cal;
}

}  // namespace

class MonthChooserDialogTest : public QObject {
    Q_OBJECT

private slots:
    void theYearFollowsAMonthAfterTheReportMonth() {
        ModalScript script;
        script.then([](QWidget* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Επιλογή Μήνα"));
            QCOMPARE(child<QGroupBox>(dialog, "captionGroup")->title(), QStringLiteral("Πότε;"));
            auto* month = child<QComboBox>(dialog, "monthCombo");
            auto* years = child<QListWidget>(dialog, "yearList");
            QCOMPARE(month->count(), 12);
            QCOMPARE(month->currentText(), QStringLiteral("Μάρτιος"));
            QVERIFY(years->isVisible());
            QCOMPARE(years->currentItem()->text(), QStringLiteral("2025"));
            QCOMPARE(years->item(0)->text(), QStringLiteral("1950"));
            QVERIFY(child<QCheckBox>(dialog, "regularTick")->isHidden());
            month->setCurrentIndex(11);
            QCOMPARE(years->currentItem()->text(), QStringLiteral("2024"));
            child<QPushButton>(dialog, "okButton")->click();
        });
        const Model::Result r =
            zelvo::gui::chooseMonth(nullptr, march2025(), 2, "Πότε;", Model::kWithYear);
        QVERIFY(script.done());
        QCOMPARE(r.month, 12);
        QCOMPARE(r.year, 2024);
    }

    void theTickAnswersRegularAndCancelReturnsNoMonth() {
        ModalScript script;
        script
            .then([](QWidget* dialog) {
                QVERIFY(child<QListWidget>(dialog, "yearList")->isHidden());
                child<QCheckBox>(dialog, "regularTick")->setChecked(true);
                child<QPushButton>(dialog, "okButton")->click();
            })
            .then([](QWidget* dialog) { child<QPushButton>(dialog, "cancelButton")->click(); });
        const Model::Result r =
            zelvo::gui::chooseMonth(nullptr, march2025(), 2, "q", Model::kRegularTick);
        QCOMPARE(r.month, 3);
        QCOMPARE(r.year, 2025);
        QVERIFY(r.regular);
        QCOMPARE(zelvo::gui::chooseMonth(nullptr, march2025(), 2, "q", Model::kMonthOnly).month, 0);
        QVERIFY(script.done());
    }
};

QTEST_MAIN(MonthChooserDialogTest)
#include "month_chooser_dialog_test.moc"
