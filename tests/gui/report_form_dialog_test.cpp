// The report form by keyboard only, as a secretary enters a month: publishers, an auxiliary
// pioneer with a fraction of an hour, a regular pioneer with a credit remark, a late report
// through the month change, a refused value and its correction, Escape. Then F11 in the report
// view and the command that deletes the late-report list.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>
#include <functional>

#include "gui/modal_script.h"
#include "gui/reporting/report_form_dialog.h"
#include "gui/shell/command_actions.h"
#include "gui/shell/qt_text.h"
#include "gui/shell/zelvo_view.h"
#include "gui/shell_fixture.h"
#include "gui/widget_lookup.h"
#include "resources/strings.h"
#include "shell/command_ids.h"
#include "store/late_reports.h"
#include "store/zelvo_doc.h"

using namespace zelvo;
using test::child;

namespace {

constexpr int kOctober = 9;
constexpr int kNovember = test::kLiveReportMonth;

// The demo congregation of 8 December 2026: the report month is November, on the new form.
struct Desk {
    test::DataFolder folder{60};
    ScriptedPrompts prompts;
    CZelvoDoc doc;

    Desk() {
        doc.startUp(folder.str(), test::kToday, LoadMode::Live);
        QVERIFY(doc.load(prompts, LoadMode::Live).ok);
    }
    PublisherRecord& record(int row) { return doc.publishers[static_cast<std::size_t>(row)]; }
    int slot(int month) const { return doc.calendar.slotOfMonth(month); }

    // The active publishers of pioneer kind `kind` in November, their months `months` emptied so
    // each entry starts from a blank report.
    std::vector<int> people(int kind, std::initializer_list<int> months) {
        std::vector<int> rows;
        for (const IndexEntry& e : doc.kindLists[kPublisher]) {
            PublisherRecord& r = record(e.recordIndex);
            if (r.pioneerKind(kNovember, slot(kNovember)) != kind ||
                (r.appointmentBits() & appointment::kFieldMissionary) != 0)
                continue;
            for (const int m : months)
                for (const MonthWord w : {MonthWord::Hours, MonthWord::StudiesAndFlags,
                                          MonthWord::CreditHours, MonthWord::RemarkIndex})
                    r.setMonthWord(w, m, slot(m), 0);
            rows.push_back(e.recordIndex);
        }
        return rows;
    }

    // Opens the form for `row` and lets `keys` work on it; true when something was committed.
    bool enter(int row, const std::function<void(QWidget*)>& keys) {
        test::ModalScript script;
        script.then([&keys](QWidget* dialog) {
            if (!test::activate(dialog)) qWarning("the form is not active");
            keys(dialog);
        });
        const bool committed = gui::openReportForm(nullptr, doc, row, prompts);
        if (!script.done() || script.unexpected() != 0) qWarning("the form was not driven");
        return committed;
    }
};

void press(QWidget* dialog, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(dialog->focusWidget(), static_cast<Qt::Key>(key), mods);
}

void type(QWidget* dialog, const QString& text) {
    test::typeText(dialog->focusWidget(), text);
}

QString focused(QWidget* dialog) {
    return dialog->focusWidget() != nullptr ? dialog->focusWidget()->objectName() : QString();
}

QString labelText(QWidget* dialog, const char* name) {
    return child<QLabel>(dialog, name)->text();
}

bool shown(QWidget* dialog, const char* name) {
    return child<QWidget>(dialog, name)->isVisible();
}

}  // namespace

class ReportFormDialogTest : public QObject {
    Q_OBJECT

private slots:
    void aMonthOfEntryByKeyboardOnly() {
        Desk d;
        const std::vector<int> publishers = d.people(0, {kNovember, kOctober});
        std::vector<int> pioneers = d.people(2, {kNovember});
        QVERIFY(publishers.size() >= 5);
        if (pioneers.empty()) {
            // A small demo may have no regular pioneer this month: one is appointed for it.
            pioneers.push_back(publishers.back());
            d.record(pioneers[0])
                .setMonthByte(MonthByte::PioneerKind, kNovember, d.slot(kNovember), 2);
        }
        const int s = d.slot(kNovember);

        // A publisher: the tick by space, Enter to the studies, Enter saves.
        const int a = publishers[0];
        QVERIFY(d.enter(a, [](QWidget* f) {
            QCOMPARE(focused(f), QStringLiteral("participatedTick"));
            QVERIFY(!shown(f, "studiesEdit"));
            QVERIFY(!shown(f, "hoursEdit"));  // a publisher reports no hours
            QVERIFY(!shown(f, "placementsEdit"));
            press(f, Qt::Key_Space);
            QVERIFY(shown(f, "studiesEdit"));
            press(f, Qt::Key_Return);
            QCOMPARE(focused(f), QStringLiteral("studiesEdit"));
            type(f, QStringLiteral("3"));
            test::saveScreenshot(f, "report-form-publisher.png");
            press(f, Qt::Key_Return);
        }));
        QVERIFY(d.record(a).tookPart(kNovember, s));
        QCOMPARE(d.record(a).bibleStudies(kNovember, s), 3);
        QCOMPARE(int(d.doc.lastEnteredId), int(d.record(a).id()));
        QVERIFY(d.doc.isModified());

        // An auxiliary pioneer for the month: the tick shows the hours; 12.6 is shown 12.5 on
        // leaving the field, and the half hour is kept.
        const int b = publishers[1];
        QVERIFY(d.enter(b, [](QWidget* f) {
            press(f, Qt::Key_Space);
            press(f, Qt::Key_Return);
            press(f, Qt::Key_Tab);
            QCOMPARE(focused(f), QStringLiteral("auxiliaryTick"));
            press(f, Qt::Key_Space);
            QVERIFY(shown(f, "hoursEdit"));
            press(f, Qt::Key_Tab, Qt::ShiftModifier);
            press(f, Qt::Key_Left);  // from the studies back to the hours, shown now
            QCOMPARE(focused(f), QStringLiteral("hoursEdit"));
            type(f, QStringLiteral("12.6"));
            press(f, Qt::Key_Return);
            QCOMPARE(child<QLineEdit>(f, "hoursEdit")->text(), QStringLiteral("12.5"));
            QCOMPARE(focused(f), QStringLiteral("studiesEdit"));
            press(f, Qt::Key_Space);  // a space gives a selected 0
            QCOMPARE(child<QLineEdit>(f, "studiesEdit")->selectedText(), QStringLiteral("0"));
            press(f, Qt::Key_Return);
        }));
        QCOMPARE(d.record(b).hours(kNovember, s), 12);
        QCOMPARE(d.record(b).quarters(kNovember, s), 2);
        QCOMPARE(d.record(b).pioneerKind(kNovember, s), 1);

        // A regular pioneer with a credit remark: 50 hours and "10 σεμινάριο" give 5 credit
        // hours, the rest of the 55.
        const int p = pioneers[0];
        QVERIFY(d.enter(p, [](QWidget* f) {
            QVERIFY(!shown(f, "auxiliaryTick"));
            QCOMPARE(labelText(f, "pioneerLabel"), gui::qtText(res::kRegularPioneerLabel));
            press(f, Qt::Key_Space);
            press(f, Qt::Key_Return);
            QCOMPARE(focused(f), QStringLiteral("hoursEdit"));
            type(f, QStringLiteral("50"));
            press(f, Qt::Key_Return);
            type(f, QStringLiteral("4"));
            press(f, Qt::Key_Tab);
            QCOMPARE(focused(f), QStringLiteral("remarksButton"));
            press(f, Qt::Key_Space);
            QCOMPARE(focused(f), QStringLiteral("remarkEdit"));
            QVERIFY(!shown(f, "monthButton"));
            type(f, QStringLiteral("10 σεμινάριο"));
            press(f, Qt::Key_Return);
            QVERIFY(shown(f, "monthButton"));
            QCOMPARE(focused(f), QStringLiteral("participatedTick"));
            QCOMPARE(labelText(f, "creditLabel"), QStringLiteral("( + 5 Ώρες )"));
            test::saveScreenshot(f, "report-form-pioneer.png");
            press(f, Qt::Key_Return);
            press(f, Qt::Key_Return);
            press(f, Qt::Key_Return);
        }));
        QCOMPARE(d.record(p).hours(kNovember, s), 50);
        QCOMPARE(d.record(p).bibleStudies(kNovember, s), 4);
        QCOMPARE(int(d.record(p).monthWord(MonthWord::CreditHours, kNovember, s)), 5);

        // A refused value: the message, the typing kept and selected in its field, then the
        // right value typed over it.
        const int c = publishers[2];
        const std::size_t messages = d.prompts.messages.size();
        QVERIFY(d.enter(c, [&d, messages](QWidget* f) {
            press(f, Qt::Key_Space);
            press(f, Qt::Key_Return);
            type(f, QStringLiteral("64"));
            press(f, Qt::Key_Return);
            QVERIFY(f->isVisible());
            QCOMPARE(d.prompts.messages.size(), messages + 1);
            QCOMPARE(d.prompts.messages.back(), std::string("Δώστε έναν ακέραιο από 0 έως 63."));
            QCOMPARE(focused(f), QStringLiteral("studiesEdit"));
            QCOMPARE(child<QLineEdit>(f, "studiesEdit")->selectedText(), QStringLiteral("64"));
            type(f, QStringLiteral("6"));
            press(f, Qt::Key_Return);
        }));
        QCOMPARE(d.record(c).bibleStudies(kNovember, s), 6);

        // A late report for October through the month change: counted in November.
        const int e = publishers[3];
        const QString included =
            gui::qtText(res::format(res::kChangesIncluded, res::monthNameGenitive(kNovember)));
        QVERIFY(d.enter(e, [&included](QWidget* f) {
            press(f, Qt::Key_Return);
            press(f, Qt::Key_Return);
            press(f, Qt::Key_Return);
            QCOMPARE(focused(f), QStringLiteral("monthButton"));
            press(f, Qt::Key_Space);
            QCOMPARE(focused(f), QStringLiteral("monthList"));
            QVERIFY(!shown(f, "okButton"));
            press(f, Qt::Key_Up);
            QCOMPARE(labelText(f, "monthLabel"), gui::qtText(res::monthName(kOctober)));
            QVERIFY(!labelText(f, "noteLabel").contains(included));  // not while choosing
            test::saveScreenshot(f, "report-form-month-change.png");
            press(f, Qt::Key_Return);
            QVERIFY(shown(f, "okButton"));
            QCOMPARE(focused(f), QStringLiteral("participatedTick"));
            QVERIFY(labelText(f, "noteLabel").contains(included));
            test::saveScreenshot(f, "report-form-late.png");
            press(f, Qt::Key_Space);
            press(f, Qt::Key_Return);
            type(f, QStringLiteral("2"));
            press(f, Qt::Key_Return);
        }));
        QVERIFY(d.record(e).tookPart(kOctober, d.slot(kOctober)));
        QCOMPARE(d.record(e).bibleStudies(kOctober, d.slot(kOctober)), 2);
        QVERIFY(!d.record(e).tookPart(kNovember, s));
        QVERIFY(isLateReport(d.doc, e, kOctober));

        // Escape leaves the month as it was.
        const int g = publishers[4];
        const PublisherRecord before = d.record(g);
        QVERIFY(!d.enter(g, [](QWidget* f) {
            press(f, Qt::Key_Space);
            press(f, Qt::Key_Return);
            type(f, QStringLiteral("5"));
            press(f, Qt::Key_Escape);
        }));
        QVERIFY(d.record(g).bytes == before.bytes);
    }

    // The old report form shows the five counts; the arrows go round them and the under-one-hour
    // tick goes with the hours as they are typed.
    void theOldFormsCountsGoRound() {
        Desk d;
        d.doc.calendar.lastOldFormMonth = 0xFFFF;
        const int a = d.people(0, {kNovember}).front();
        QVERIFY(!d.enter(a, [](QWidget* f) {
            QCOMPARE(focused(f), QStringLiteral("placementsEdit"));
            QVERIFY(!shown(f, "participatedTick"));
            press(f, Qt::Key_Left);
            QCOMPARE(focused(f), QStringLiteral("studiesEdit"));
            press(f, Qt::Key_Right);
            press(f, Qt::Key_Right);
            QCOMPARE(focused(f), QStringLiteral("videosEdit"));
            press(f, Qt::Key_Right);
            QVERIFY(shown(f, "underOneHourTick"));
            type(f, QStringLiteral("3"));
            QVERIFY(!shown(f, "underOneHourTick"));
            press(f, Qt::Key_Return);
            QCOMPARE(focused(f), QStringLiteral("returnVisitsEdit"));
            press(f, Qt::Key_Escape);
        }));
    }

    // F11 in the report view makes the deletion available while late reports are listed; the
    // command asks first, and Cancel keeps the list.
    void f11AndTheLateReportDeletion() {
        test::DataFolder folder(40);
        test::WindowSession s(folder);
        QVERIFY(s.loaded);
        gui::CZelvoView* view = s.window->view();
        QAction* remove = s.window->commandActions()->action(shell::CommandId::DeleteLateReports);
        s.doc.lateReports.clear();
        s.window->runCommand(shell::CommandId::AnalysisByPioneersAndGroups);
        QCOMPARE(view->mode(), shell::ViewMode::Report);

        QTest::keyClick(view, Qt::Key_F11);  // nothing listed: nothing to delete
        s.window->updateCommands();
        QVERIFY(!remove->isEnabled());

        addLateReport(s.doc, s.doc.kindLists[kPublisher][0].recordIndex, kOctober);
        QVERIFY(!remove->isEnabled());
        QTest::keyClick(view, Qt::Key_F11);
        s.window->updateCommands();
        QVERIFY(remove->isEnabled());

        s.prompts.answers = {Answer::Cancel};
        s.window->runCommand(shell::CommandId::DeleteLateReports);
        QCOMPARE(s.prompts.questions.back(),
                 res::format(res::kDeleteLateReportsQuestion, std::string("1")));
        QCOMPARE(s.doc.lateReports.size(), std::size_t{1});
        QVERIFY(remove->isEnabled());

        s.prompts.answers = {Answer::Yes};
        s.window->runCommand(shell::CommandId::DeleteLateReports);
        QVERIFY(s.doc.lateReports.empty());
        QVERIFY(s.doc.isModified());
        QVERIFY(!remove->isEnabled());
    }
};

QTEST_MAIN(ReportFormDialogTest)
#include "report_form_dialog_test.moc"
