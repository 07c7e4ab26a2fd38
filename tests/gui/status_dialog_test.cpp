// The status dialog on the real widgets: it opens on the person's mark, shows the month
// and year lists by the choice, and OK writes the mark while Cancel leaves the person as it was.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "core/test_folder.h"
#include "gui/modal_script.h"
#include "gui/records/status_dialog.h"
#include "gui/shell_fixture.h"
#include "gui/widget_lookup.h"
#include "store/publisher_status.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

using zelvo::PublisherRecord;
using zelvo::test::ModalScript;

using zelvo::test::child;

namespace {

// Report month November 2026; the person new since March 2026.
struct Person {
    zelvo::CZelvoDoc doc;
    zelvo::ScriptedPrompts prompts;
    PublisherRecord working = zelvo::test::person(120, "Giannis", "Papas");
    Person() {
        zelvo::applyReportMonthAtStart(doc.calendar, zelvo::test::kToday);
        zelvo::deriveReportMonth(doc.calendar);
        working.setByte(PublisherRecord::kStatusFlags, 3 * 16 + zelvo::kMarkNew);
        working.setByte(PublisherRecord::kStatusFlags2, 3 * 16 + zelvo::kMarkNew);
        working.setWord(PublisherRecord::kStatusSince,
                        static_cast<std::uint16_t>(zelvo::absoluteMonth(26, 2)));
    }
};

}  // namespace

class StatusDialogTest : public QObject {
    Q_OBJECT

private slots:
    void opensOnTheMarkAndShowsTheListsOfEachChoice() {
        Person p;
        const PublisherRecord before = p.working;
        ModalScript script;
        script.then([](QWidget* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Κατάσταση του  Γιάννης Παπάς"));
            QVERIFY(child<QRadioButton>(dialog, "newPublisherChoice")->isChecked());
            auto* month = child<QComboBox>(dialog, "monthCombo");
            auto* year = child<QComboBox>(dialog, "yearCombo");
            QCOMPARE(month->currentText(), QStringLiteral("Μαρ"));
            QCOMPARE(year->currentText(), QStringLiteral("2026"));
            QCOMPARE(year->count(), 2);
            QVERIFY(month->isVisible() && year->isVisible());
            child<QRadioButton>(dialog, "transferredRegularChoice")->click();
            QVERIFY(month->isVisible());
            QVERIFY(!year->isVisible());
            QVERIFY(child<QLabel>(dialog, "monthCaption")->isVisible());
            child<QRadioButton>(dialog, "putRightChoice")->click();
            QVERIFY(!month->isVisible());
            child<QPushButton>(dialog, "cancelButton")->click();
        });
        QVERIFY(
            !zelvo::gui::runStatusDialog(nullptr, p.doc, p.prompts, p.working, "Γιάννης", "Παπάς"));
        QVERIFY(script.done());
        QCOMPARE(p.working, before);
    }

    void okWritesTheChosenMarkAndMonth() {
        Person p;
        ModalScript script;
        script.then([](QWidget* dialog) {
            child<QRadioButton>(dialog, "reactivatedChoice")->click();
            child<QComboBox>(dialog, "monthCombo")->setCurrentIndex(12);  // December: 2025
            QCOMPARE(child<QComboBox>(dialog, "yearCombo")->currentText(), QStringLiteral("2025"));
            child<QPushButton>(dialog, "okButton")->click();
        });
        QVERIFY(
            zelvo::gui::runStatusDialog(nullptr, p.doc, p.prompts, p.working, "Giannis", "Papas"));
        QVERIFY(script.done());
        QCOMPARE(int{p.working.statusFlags()}, 12 * 16 + zelvo::kMarkReactivated);
        QCOMPARE(p.working.statusFlags2(), p.working.statusFlags());
        QCOMPARE(int{p.working.statusSince()}, zelvo::absoluteMonth(25, 11));
    }

    void okWithoutAMonthIsRefusedAndTheDialogStays() {
        Person p;
        p.working.setByte(PublisherRecord::kStatusFlags, 0);
        p.working.setByte(PublisherRecord::kStatusFlags2, 0);
        p.working.setWord(PublisherRecord::kStatusSince, 0);
        bool openAfterOk = false;
        QString focusAfterOk;
        ModalScript script;
        script.then([&](QWidget* dialog) {
            QVERIFY(child<QRadioButton>(dialog, "putRightChoice")->isChecked());
            child<QRadioButton>(dialog, "newPublisherChoice")->click();
            QCOMPARE(child<QComboBox>(dialog, "monthCombo")->currentIndex(), 0);
            child<QPushButton>(dialog, "okButton")->click();
            openAfterOk = dialog->isVisible();
            focusAfterOk = dialog->focusWidget() ? dialog->focusWidget()->objectName() : QString();
            child<QComboBox>(dialog, "monthCombo")->setCurrentIndex(10);  // October
            child<QPushButton>(dialog, "okButton")->click();
        });
        QVERIFY(
            zelvo::gui::runStatusDialog(nullptr, p.doc, p.prompts, p.working, "Giannis", "Papas"));
        QVERIFY(script.done());
        QVERIFY(openAfterOk);
        QCOMPARE(focusAfterOk, QStringLiteral("monthCombo"));
        QCOMPARE(p.prompts.messages,
                 std::vector<std::string>{
                     "Διαλέξτε τον μήνα. Χωρίς μήνα η κατάσταση δεν αποθηκεύεται."});
        QCOMPARE(int{p.working.statusFlags()}, 10 * 16 + zelvo::kMarkNew);
    }

    // Opened with the lists hidden, the dialog already has the room they take: the caption is
    // shown whole when a choice brings it.
    void theMonthCaptionFitsWhenAChoiceShowsIt() {
        Person p;
        p.working.setByte(PublisherRecord::kStatusFlags, 0);
        p.working.setByte(PublisherRecord::kStatusFlags2, 0);
        p.working.setWord(PublisherRecord::kStatusSince, 0);
        QSize sizeBefore, sizeAfter;
        int captionHeight = 0, captionNeeds = 0;
        ModalScript script;
        script.then([&](QWidget* dialog) {
            sizeBefore = dialog->size();
            child<QRadioButton>(dialog, "newPublisherChoice")->click();
            QApplication::processEvents();
            sizeAfter = dialog->size();
            auto* caption = child<QLabel>(dialog, "monthCaption");
            captionHeight = caption->height();
            captionNeeds = caption->heightForWidth(caption->width());
            child<QComboBox>(dialog, "monthCombo")->setCurrentIndex(3);
            zelvo::test::saveScreenshot(dialog, "status-dialog.png");
            child<QPushButton>(dialog, "cancelButton")->click();
        });
        zelvo::gui::runStatusDialog(nullptr, p.doc, p.prompts, p.working, "Γιάννης",
                                    "Παπαδόπουλος");
        QVERIFY(script.done());
        QCOMPARE(sizeAfter, sizeBefore);
        QVERIFY2(captionHeight >= captionNeeds,
                 qPrintable(QStringLiteral("%1 < %2").arg(captionHeight).arg(captionNeeds)));
    }

    void puttingRightClearsEverything() {
        Person p;
        ModalScript script;
        script.then([](QWidget* dialog) {
            child<QRadioButton>(dialog, "putRightChoice")->click();
            child<QPushButton>(dialog, "okButton")->click();
        });
        QVERIFY(
            zelvo::gui::runStatusDialog(nullptr, p.doc, p.prompts, p.working, "Giannis", "Papas"));
        QCOMPARE(int{p.working.statusFlags()}, 0);
        QCOMPARE(int{p.working.statusSince()}, 0);
    }
};

QTEST_MAIN(StatusDialogTest)
#include "status_dialog_test.moc"
