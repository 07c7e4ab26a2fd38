// The command Δελτία Έργου on the real window: the collection start dialog on days 3, 6 and 26
// (what it shows, continuing the previous month, initializing with and without its question,
// the early next month, a refused initialization), and the publisher list (title, keyboard, the
// group choice, "Μη Καταχωρημένοι", the totals grid, closing).
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <array>
#include <memory>

#include "gui/modal_script.h"
#include "gui/reporting/publisher_list_dialog.h"
#include "gui/reporting/totals_grid_widget.h"
#include "gui/shell/main_window.h"
#include "gui/shell/qt_text.h"
#include "gui/shell_fixture.h"
#include "gui/widget_lookup.h"
#include "records/group_caption.h"
#include "resources/strings.h"
#include "shell/command_ids.h"
#include "store/zelvo_doc.h"

using namespace zelvo;
using test::button;
using test::child;
using test::ModalScript;
using States = std::array<std::uint8_t, 12>;

namespace {

constexpr int kOctober = 9;
constexpr int kNovember = 10;
constexpr int kDecember = 11;

QString caption(std::string_view pattern, int month) {
    return gui::qtText(res::format(pattern, res::monthNameAccusative(month)));
}

QString text(std::string_view utf8) {
    return gui::qtText(utf8);
}

// The demo congregation opened on a day of December 2026 (report month November) with the
// collection states given, in its main window.
struct Desk {
    ScriptedPrompts prompts;
    CZelvoDoc doc;
    std::unique_ptr<gui::CMainFrame> window;

    Desk(const test::DataFolder& folder, int day, const States& states) {
        doc.startUp(folder.str(), Date{2026, 12, day}, LoadMode::Live);
        QVERIFY(doc.load(prompts, LoadMode::Live).ok);
        for (int m = 0; m < 12; ++m)
            doc.header().setCollectionState(m, states[static_cast<std::size_t>(m)]);
        window = std::make_unique<gui::CMainFrame>(doc, prompts);
        window->show();
    }
    void enterReports() { window->runCommand(shell::CommandId::EnterReports); }
    int state(int month) const { return doc.header().collectionState(month); }
    QString statusMonth() const { return window->statusPane(1)->text(); }
    int reportMonth() const { return doc.calendar.reportMonth; }
    // Whether no active publisher has hours in `month` of 2026.
    bool cleared(int month) const {
        for (const IndexEntry& e : doc.kindLists[kPublisher])
            if (doc.publishers[static_cast<std::size_t>(e.recordIndex)].hours(month, 0) != 0)
                return false;
        return true;
    }
};

States openIn(int month, int closedMonth = -1) {
    States s{};
    s[static_cast<std::size_t>(month)] = 1;
    if (closedMonth >= 0) s[static_cast<std::size_t>(closedMonth)] = 2;
    return s;
}

bool visible(QWidget* dialog, const char* name) {
    return !child<QWidget>(dialog, name)->isHidden();
}

// Leaves the publisher list with "Έγινε", after noting its title.
ModalScript::Action leaveList(QString* title) {
    return [title](QWidget* list) {
        *title = list->windowTitle();
        button(list, "doneButton")->click();
    };
}

// The demo's data with its November open: the list as the command opens it.
struct ListDesk {
    test::DataFolder folder{60};
    ScriptedPrompts prompts;
    CZelvoDoc doc;

    explicit ListDesk(bool newForm = true) {
        doc.startUp(folder.str(), test::kToday, LoadMode::Live);
        QVERIFY(doc.load(prompts, LoadMode::Live).ok);
        doc.calendar.newReportForm = newForm ? 1 : 0;
    }
};

QStringList listed(QWidget* dialog) {
    return test::items(dialog, "publisherList");
}

}  // namespace

class CollectionDialogsTest : public QObject {
    Q_OBJECT

private slots:
    // Day 3, October still open and November not started: reopen October without initializing.
    void dayThreeContinuesThePreviousMonth() {
        test::DataFolder folder(40);
        Desk desk(folder, 3, openIn(kOctober));
        QString title;
        ModalScript script;
        script
            .then([](QWidget* start) {
                QCOMPARE(start->windowTitle(), text(res::kCollectionStartTitle));
                QVERIFY(visible(start, "continueButton"));
                QCOMPARE(child<QLabel>(start, "continueCaption")->text(),
                         caption(res::kReopenCaption, kOctober));
                QCOMPARE(child<QLabel>(start, "initializeCaption")->text(),
                         caption(res::kInitializeCaption, kNovember));
                QVERIFY(!visible(start, "earlyButton"));
                QVERIFY(!visible(start, "suggestionButton"));
                QVERIFY(button(start, "continueButton")->isDefault());
                button(start, "continueButton")->click();
            })
            .then(leaveList(&title));
        desk.enterReports();
        QVERIFY(script.done());
        QVERIFY(desk.prompts.questions.empty());
        QCOMPARE(desk.reportMonth(), kOctober);
        QVERIFY(title.startsWith(text(res::monthName(kOctober))));
        QCOMPARE(desk.state(kOctober), 1);
        QVERIFY(!desk.cleared(kOctober));  // nothing initialized
        QCOMPARE(desk.statusMonth(),
                 text(res::format(res::kStatusReportMonth, res::monthName(kOctober))));
        // Open now: the command goes straight to the list.
        ModalScript again;
        again.then(leaveList(&title));
        desk.enterReports();
        QVERIFY(again.done());
        QCOMPARE(again.unexpected(), 0);
    }

    // Initializing asks nothing up to day 5, and from day 6 asks once November was started;
    // Cancel leaves the dialog open with nothing changed.
    void daySixAsksBeforeRestarting() {
        test::DataFolder folder(40);
        {
            Desk early(folder, 3, openIn(kOctober));
            QString title;
            ModalScript script;
            script.then([](QWidget* start) { button(start, "initializeButton")->click(); })
                .then(leaveList(&title));
            early.enterReports();
            QVERIFY(script.done());
            QVERIFY(early.prompts.questions.empty());
            QVERIFY(early.cleared(kNovember));
            QVERIFY(folder.exists(QStringLiteral("Roll/Zv9_10/zdat9.bin")));  // the month copy
        }
        Desk desk(folder, 6, openIn(kDecember, kNovember));
        QVERIFY(!desk.cleared(kNovember));
        QString title;
        ModalScript script;
        script
            .then([&desk](QWidget* start) {
                QCOMPARE(child<QLabel>(start, "continueCaption")->text(),
                         caption(res::kReopenCaption, kNovember));
                QCOMPARE(child<QLabel>(start, "initializeCaption")->text(),
                         caption(res::kRestartCaption, kNovember));
                button(start, "initializeButton")->click();  // the question: Cancel
                QVERIFY(start->isVisible());
                QCOMPARE(desk.prompts.questions.size(), std::size_t{1});
                QCOMPARE(text(desk.prompts.questions[0]),
                         caption(res::kInitializeConfirm, kNovember));
                QVERIFY(!desk.doc.isModified());
                desk.prompts.answers = {Answer::Yes};  // OK
                button(start, "initializeButton")->click();
            })
            .then(leaveList(&title));
        desk.enterReports();
        QVERIFY(script.done());
        QVERIFY(desk.cleared(kNovember));
        QVERIFY(desk.doc.isModified());
        for (int m = 0; m < 12; ++m) QCOMPARE(desk.state(m), m == kNovember ? 1 : 0);
    }

    // Day 26: the suggestion, the early next month with its question, and a cancelled start.
    void dayTwentySixOpensTheNextMonthEarly() {
        test::DataFolder folder(40);
        Desk desk(folder, 26, openIn(kOctober, kNovember));
        ModalScript cancelled;
        cancelled.then([](QWidget* start) { QTest::keyClick(start, Qt::Key_Escape); });
        desk.enterReports();
        QVERIFY(cancelled.done());
        QVERIFY(!desk.doc.isModified());
        QCOMPARE(desk.reportMonth(), kNovember);

        QString title;
        ModalScript script;
        script
            .then([&desk](QWidget* start) {
                test::saveScreenshot(start, "collection-start.png");
                QVERIFY(visible(start, "suggestionButton"));
                button(start, "suggestionButton")->click();
                QVERIFY(desk.prompts.messages == std::vector{std::string(res::kSuggestionText)});
                QVERIFY(visible(start, "continueButton"));
                QVERIFY(visible(start, "earlyButton"));
                QCOMPARE(button(start, "earlyButton")->text(),
                         caption(res::kInitializeCaption, kDecember));
                desk.prompts.answers = {Answer::Yes};
                button(start, "earlyButton")->click();
                QCOMPARE(text(desk.prompts.questions.at(0)),
                         caption(res::kInitializeConfirm, kDecember));
            })
            .then(leaveList(&title));
        desk.enterReports();
        QVERIFY(script.done());
        QCOMPARE(desk.reportMonth(), kDecember);
        QVERIFY(title.startsWith(text(res::monthName(kDecember))));
        QCOMPARE(desk.state(kDecember), 1);
        QCOMPARE(desk.doc.calendar.earlyYear, 27);
        QCOMPARE(desk.doc.calendar.earlyMonth, 1);
        QCOMPARE(desk.statusMonth(),
                 text(res::format(res::kStatusReportMonth, res::monthName(kDecember))));
    }

    // The month copy cannot be written (a file stands where its folder goes): the user is told,
    // the report month and its states stay, and no list opens.
    void aRefusedInitializationChangesNothing() {
        test::DataFolder folder(20);
        QFile blocker(folder.file(QStringLiteral("Roll")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        Desk desk(folder, 3, openIn(kOctober));
        const QString statusBefore = desk.statusMonth();
        ModalScript script;
        script.then([](QWidget* start) { button(start, "initializeButton")->click(); });
        desk.enterReports();
        QVERIFY(script.done());
        QCOMPARE(script.unexpected(), 0);  // no list
        QCOMPARE(desk.prompts.messages.size(), std::size_t{1});
        QVERIFY(!desk.doc.isModified());
        QVERIFY(!desk.cleared(kNovember));
        QCOMPARE(desk.reportMonth(), kNovember);
        QCOMPARE(desk.state(kOctober), 1);
        QCOMPARE(desk.state(kNovember), 0);
        QCOMPARE(desk.statusMonth(), statusBefore);
    }

    void listOpensOnTheListWithItsButtons() {
        ListDesk d;
        gui::PublisherListDialog dialog(d.doc);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        test::saveScreenshot(&dialog, "publisher-list.png");
        const auto active = static_cast<int>(d.doc.kindLists[kPublisher].size());
        QCOMPARE(dialog.windowTitle(), text(res::monthName(kNovember)) + " Συλλογή Έργου - " +
                                           QString::number(active) + " Δραστήριοι");
        QVERIFY(!child<QLabel>(&dialog, "lastPersonLabel")->text().isEmpty());
        QCOMPARE(button(&dialog, "closeCollectionButton")->text(),
                 caption(res::kCloseCollectionCaption, kNovember));
        auto* list = child<QListWidget>(&dialog, "publisherList");
        QCOMPARE(list->count(), active);
        QCOMPARE(list->currentRow(), 0);
        QVERIFY(QTest::qWaitFor([list] { return list->hasFocus(); }));
        // OK (the report form) and the collection files are shown, disabled, and say why.
        QPushButton* ok = button(&dialog, "okButton");
        QVERIFY(!ok->isEnabled());
        QCOMPARE(ok->toolTip(), text(res::kReportFormNotYet));
        for (const char* name : {"makeListButton", "importButton", "xmlButton", "csvButton"})
            QVERIFY2(!button(&dialog, name)->isEnabled(), name);
        // Type-ahead finds a name; Enter on it does nothing while OK is disabled.
        const QString target = list->item(active - 1)->text();
        test::typeText(list, target);
        QCOMPARE(list->currentRow(), active - 1);
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        // Escape is "Έγινε": the collection stays open.
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(d.doc.header().collectionState(kNovember), 1);
    }

    void listFiltersByGroupAndUnreported() {
        ListDesk d;
        const int month = d.doc.calendar.reportMonth;
        const int slot = d.doc.calendar.reportSlot();
        int unreported = 0;
        int inGroupOne = 0;
        for (const IndexEntry& e : d.doc.kindLists[kPublisher]) {
            if (!d.doc.hasReport(e.recordIndex, month, slot) &&
                !d.doc.hasRemark(e.recordIndex, month, slot))
                ++unreported;
            if (d.doc.publishers[static_cast<std::size_t>(e.recordIndex)].groupNumber() == 1)
                ++inGroupOne;
        }
        QVERIFY(unreported > 0);
        QVERIFY(inGroupOne > 0);
        gui::PublisherListDialog dialog(d.doc);
        auto* groups = child<QComboBox>(&dialog, "groupCombo");
        QCOMPARE(groups->count(), groupsInUse(d.doc.groups) + 1);
        QCOMPARE(groups->itemText(0), text(res::kCongregation));
        QCOMPARE(groups->currentIndex(), 0);
        const int all = static_cast<int>(listed(&dialog).size());

        auto* list = child<QListWidget>(&dialog, "publisherList");
        list->setCurrentRow(2);
        child<QCheckBox>(&dialog, "unreportedTick")->click();
        QCOMPARE(static_cast<int>(listed(&dialog).size()), unreported);
        QCOMPARE(list->currentRow(), unreported > 2 ? 2 : 0);  // the position kept
        child<QCheckBox>(&dialog, "unreportedTick")->click();
        QCOMPARE(static_cast<int>(listed(&dialog).size()), all);

        groups->setCurrentIndex(1);
        emit groups->activated(1);
        QCOMPARE(static_cast<int>(listed(&dialog).size()), inGroupOne);
        groups->setCurrentIndex(0);
        emit groups->activated(0);
        QCOMPARE(static_cast<int>(listed(&dialog).size()), all);

        // The close button closes the month's collection.
        button(&dialog, "closeCollectionButton")->click();
        QCOMPARE(d.doc.header().collectionState(kNovember), 2);
        QVERIFY(d.doc.isModified());
    }

    void gridShowsTheTotalsOfEitherForm() {
        for (const bool newForm : {true, false}) {
            ListDesk d(newForm);
            gui::PublisherListDialog dialog(d.doc);
            const auto* grid = child<gui::TotalsGridWidget>(&dialog, "totalsGrid");
            QCOMPARE(grid->cellText(0, 1), text(res::kGridReportsCounted));
            QCOMPARE(grid->cellText(0, 4), text(res::kHeadingHours));
            QCOMPARE(grid->cellText(4, 0), text(res::kCategoryTotals));
            int counted = 0;
            for (int r = 1; r <= 3; ++r) counted += grid->cellText(r, 1).toInt();
            QVERIFY(counted > 0);
            QCOMPARE(grid->cellText(4, 1).toInt(), counted);
            QCOMPARE(grid->cellColor(4, 1), QColor(Qt::blue));
            QVERIFY(grid->cellColor(1, 1) != QColor(Qt::blue));
            // The new form has no placements, videos or return visits, nor publishers' hours.
            for (const int column : {2, 3, 5})
                QCOMPARE(grid->cellText(0, column).isEmpty(), newForm);
            QCOMPARE(grid->cellText(1, 4).isEmpty(), newForm);
            QVERIFY(!grid->cellText(3, 4).isEmpty());
        }
    }
};

QTEST_MAIN(CollectionDialogsTest)
#include "collection_dialogs_test.moc"
