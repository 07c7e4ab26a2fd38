// The attendance entry by keyboard only: a month's weeks of both meetings typed with digits,
// space, Enter, Up and Down, the totals and averages following, Enter never closing the dialog;
// the next-month tick writing slot 2. Then the attendance record showing the two service years.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinterInfo>
#include <QTableWidget>
#include <QtTest>

#include "gui/modal_script.h"
#include "gui/reporting/attendance_entry_dialog.h"
#include "gui/reporting/attendance_printing.h"
#include "gui/reporting/attendance_record_dialog.h"
#include "gui/shell_fixture.h"
#include "gui/typing.h"
#include "gui/widget_lookup.h"
#include "reports/report_font.h"
#include "reports/view_state.h"
#include "store/zelvo_doc.h"

using namespace zelvo;
using test::child;
using A = MeetingAttendance;

namespace {

constexpr int kNovember = test::kLiveReportMonth;

struct Desk {
    test::DataFolder folder{40};
    ScriptedPrompts prompts;
    CZelvoDoc doc;

    Desk() {
        doc.startUp(folder.str(), test::kToday, LoadMode::Live);
        QVERIFY(doc.load(prompts, LoadMode::Live).ok);
    }
    // Runs the entry with `keys` acting on it.
    void enter(const std::function<void(QWidget*)>& keys) {
        test::ModalScript script;
        script.then([&keys](QWidget* dialog) {
            if (!test::activate(dialog)) qWarning("the entry is not active");
            keys(dialog);
        });
        gui::runAttendanceEntry(nullptr, doc);
        QVERIFY(script.done());
    }
};

QString focused(QWidget* dialog) {
    return dialog->focusWidget() != nullptr ? dialog->focusWidget()->objectName() : QString();
}

void press(QWidget* dialog, Qt::Key key) {
    QTest::keyClick(dialog->focusWidget(), key);
}

void type(QWidget* dialog, const QString& text) {
    test::typeText(dialog->focusWidget(), text);
}

QString field(QWidget* dialog, const char* name) {
    return child<QLineEdit>(dialog, name)->text();
}

}  // namespace

class AttendanceDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void aMonthOfWeeksByKeyboardOnly() {
        Desk d;
        d.enter([](QWidget* f) {
            QCOMPARE(f->windowTitle(), QStringLiteral("Παρόντες Συναθροίσεων  - Νοέμβριος - 2026"));
            QCOMPARE(focused(f), QStringLiteral("midweekWeek1"));
            // Midweek: 80, none, 95, 90, none; Enter moves on and reckons.
            for (const char* week : {"80", " ", "95", "90", " "}) {
                type(f, QString::fromLatin1(week));
                press(f, Qt::Key_Return);
            }
            QCOMPARE(focused(f), QStringLiteral("weekendWeek1"));
            QCOMPARE(field(f, "midweekTotal"), QStringLiteral("265"));
            QCOMPARE(field(f, "midweekAverage"), QStringLiteral("88"));
            // Weekend: a fourth digit starts the count again; Down and Up wrap.
            type(f, QStringLiteral("1234"));
            QCOMPARE(field(f, "weekendWeek1"), QStringLiteral("04"));
            type(f, QStringLiteral(" 81"));
            press(f, Qt::Key_Down);
            type(f, QStringLiteral("82"));
            for (int i = 0; i < 3; ++i) {
                press(f, Qt::Key_Down);
                type(f, QStringLiteral(" "));
            }
            press(f, Qt::Key_Down);
            QCOMPARE(focused(f), QStringLiteral("weekendWeek1"));
            press(f, Qt::Key_Up);
            QCOMPARE(focused(f), QStringLiteral("weekendWeek5"));
            QCOMPARE(field(f, "weekendTotal"), QStringLiteral("163"));
            QCOMPARE(field(f, "weekendAverage"), QStringLiteral("82"));
            test::saveScreenshot(f, "attendance-entry.png");
            press(f, Qt::Key_Return);
            QCOMPARE(focused(f), QStringLiteral("midweekWeek1"));
            QVERIFY2(f->isVisible(), "Enter never closes the entry");
            press(f, Qt::Key_Escape);
        });
        const A& midweek = d.doc.meetings[0];
        const A& weekend = d.doc.meetings[1];
        QCOMPARE(int(midweek.value(A::Week3, kNovember, 0)), 95);
        QCOMPARE(int(midweek.value(A::Week2, kNovember, 0)), 0);
        QCOMPARE(int(midweek.value(A::Held, kNovember, 0)), 3);
        QCOMPARE(int(midweek.value(A::Average, kNovember, 0)), 88);
        QCOMPARE(int(weekend.value(A::Total, kNovember, 0)), 163);
        QVERIFY(d.doc.isModified());
    }

    void theNextMonthWaitsInSlotTwo() {
        Desk d;
        d.enter([](QWidget* f) {
            auto* tick = child<QCheckBox>(f, "nextMonthTick");
            QVERIFY(tick->isVisible());
            QCOMPARE(tick->text(), QStringLiteral("Δεκέμβριος - 2026"));
            tick->setFocus();
            QTest::keyClick(tick, Qt::Key_Space);
            QVERIFY(!child<QListWidget>(f, "monthList")->isVisible());
            QCOMPARE(f->windowTitle(),
                     QStringLiteral("Παρόντες Συναθροίσεων  - Δεκέμβριος - 2026"));
            child<QLineEdit>(f, "weekendWeek1")->setFocus();
            type(f, QStringLiteral("120"));
            press(f, Qt::Key_Return);
            press(f, Qt::Key_Escape);
        });
        QCOMPARE(int(d.doc.meetings[1].value(A::Week1, 11, 2)), 120);
        QCOMPARE(int(d.doc.meetings[1].value(A::Total, 11, 2)), 120);
    }

    void theRecordShowsTwoServiceYears() {
        Desk d;
        gui::AttendanceRecordDialog dialog(
            d.doc, [] {}, nullptr);
        auto* current = child<QTableWidget>(&dialog, "currentYearTable");
        const int total = d.doc.meetings[0].value(A::Total, kNovember, 0);
        QCOMPARE(current->item(2, 1)->text(), QString::number(total));  // November
        QCOMPARE(current->item(3, 1), nullptr);                         // December not yet
        QCOMPARE(current->verticalHeaderItem(12)->text(), QStringLiteral("Συνάθροιση Υπηρεσίας"));
        test::saveScreenshot(&dialog, "attendance-record.png");
    }

    // Without a printer the page goes into the PDF file chosen, whole.
    void thePrintedPageWithoutAPrinter() {
        if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("a printer is installed");
        Desk d;
        reports::ReportFonts fonts;
        fonts.resetToDefaults("greek");
        const reports::ViewState state(96, 96, 300, 300);
        const QString pdf = d.folder.file(QStringLiteral("record.pdf"));
        d.prompts.answers = {Answer::Yes};
        d.prompts.savePaths = {pdf.toStdString()};
        gui::printAttendanceRecord(nullptr, d.doc, fonts, state, d.prompts);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");
        QVERIFY(!QFile::exists(pdf + QStringLiteral(".tmp~")));
        QVERIFY(d.prompts.messages.empty());
    }
};

QTEST_MAIN(AttendanceDialogsTest)
#include "attendance_dialogs_test.moc"
