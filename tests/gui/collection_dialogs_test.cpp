// The command Δελτία Έργου on the real window: the collection start dialog on days 3, 6 and 26
// and a refused initialization, then the publisher list (keyboard, group choice,
// "Μη Καταχωρημένοι", the totals grid of either form, closing).
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
#include "gui/shell/qt_text.h"
#include "gui/shell_fixture.h"
#include "gui/widget_lookup.h"
#include "records/group_caption.h"
#include "resources/strings.h"
#include "shell/command_ids.h"

using namespace zelvo;
using test::button;
using test::child;
using test::ModalScript;

namespace {

constexpr int kOctober = 9;
constexpr int kNovember = 10;
constexpr int kDecember = 11;

QString text(std::string_view utf8) {
    return gui::qtText(utf8);
}
QString caption(std::string_view pattern, int month) {
    return text(res::format(pattern, res::monthNameAccusative(month)));
}
bool shown(QWidget* dialog, const char* name) {
    return !child<QWidget>(dialog, name)->isHidden();
}

// The demo congregation opened on a day of December 2026 (report month November) with October
// in `open` state and November in `november`, in its main window.
struct Desk {
    ScriptedPrompts prompts;
    CZelvoDoc doc;
    std::unique_ptr<gui::CMainFrame> window;
    QString listTitle;  // of the last publisher list, left with "Έγινε"

    Desk(const test::DataFolder& folder, int day, int october, int november) {
        doc.startUp(folder.str(), Date{2026, 12, day}, LoadMode::Live);
        QVERIFY(doc.load(prompts, LoadMode::Live).ok);
        const auto state = [&](int m) {
            return m == kOctober ? october : m == kNovember ? november : 0;
        };
        for (int m = 0; m < 12; ++m)
            doc.header().setCollectionState(m, static_cast<std::uint8_t>(state(m)));
        window = std::make_unique<gui::CMainFrame>(doc, prompts);
        window->show();
    }
    // Runs the command: `start` acts on the start dialog, then the list is left with "Έγινε".
    void enterReports(const ModalScript::Action& start, bool listOpens = true) {
        ModalScript script;
        script.then(start);
        if (listOpens)
            script.then([this](QWidget* list) {
                listTitle = list->windowTitle();
                button(list, "doneButton")->click();
            });
        window->runCommand(shell::CommandId::EnterReports);
        QVERIFY(script.done());
        QCOMPARE(script.unexpected(), 0);
    }
    int reportMonth() const { return doc.calendar.reportMonth; }
    int state(int month) const { return doc.header().collectionState(month); }
    QString statusMonth() const { return window->statusPane(1)->text(); }
    // No active publisher has hours in `month` of 2026.
    bool cleared(int month) const {
        for (const IndexEntry& e : doc.kindLists[kPublisher])
            if (doc.publishers[static_cast<std::size_t>(e.recordIndex)].hours(month, 0) != 0)
                return false;
        return true;
    }
};

// The demo's November open, as the command finds it on 8 December.
struct ListDoc {
    test::DataFolder folder{60};
    ScriptedPrompts prompts;
    CZelvoDoc doc;
    explicit ListDoc(bool newForm = true) {
        doc.startUp(folder.str(), test::kToday, LoadMode::Live);
        QVERIFY(doc.load(prompts, LoadMode::Live).ok);
        doc.calendar.newReportForm = newForm ? 1 : 0;
    }
};

}  // namespace

class CollectionDialogsTest : public QObject {
    Q_OBJECT

private slots:
    // Day 3, October still open, November not started: October continues, nothing initialized.
    void dayThreeContinuesThePreviousMonth() {
        test::DataFolder folder(40);
        Desk desk(folder, 3, 1, 0);
        desk.enterReports([](QWidget* start) {
            QCOMPARE(start->windowTitle(), text(res::kCollectionStartTitle));
            QCOMPARE(child<QLabel>(start, "continueCaption")->text(),
                     caption(res::kReopenCaption, kOctober));
            QCOMPARE(child<QLabel>(start, "initializeCaption")->text(),
                     caption(res::kInitializeCaption, kNovember));
            QVERIFY(!shown(start, "earlyButton") && !shown(start, "suggestionButton"));
            QVERIFY(button(start, "continueButton")->isDefault());
            QTest::keyClick(start, Qt::Key_Return);
        });
        QVERIFY(desk.prompts.questions.empty());
        QCOMPARE(desk.reportMonth(), kOctober);
        QCOMPARE(desk.state(kOctober), 1);
        QVERIFY(!desk.cleared(kOctober));
        QVERIFY(desk.listTitle.startsWith(text(res::monthName(kOctober))));
        QCOMPARE(desk.statusMonth(),
                 text(res::format(res::kStatusReportMonth, res::monthName(kOctober))));
        // Open now: straight to the list.
        desk.enterReports([](QWidget* list) { button(list, "doneButton")->click(); }, false);
    }

    // Day 6, November closed: restarting asks first; Cancel leaves the dialog as it was.
    void daySixAsksBeforeRestarting() {
        test::DataFolder folder(40);
        Desk desk(folder, 6, 2, 2);
        desk.enterReports([&desk](QWidget* start) {
            QCOMPARE(child<QLabel>(start, "initializeCaption")->text(),
                     caption(res::kRestartCaption, kNovember));
            button(start, "initializeButton")->click();  // answered Cancel
            QVERIFY(start->isVisible());
            QCOMPARE(text(desk.prompts.questions.at(0)),
                     caption(res::kInitializeConfirm, kNovember));
            QVERIFY(!desk.doc.isModified());
            desk.prompts.answers = {Answer::Yes};
            button(start, "initializeButton")->click();
        });
        QVERIFY(desk.cleared(kNovember));
        for (int m = 0; m < 12; ++m) QCOMPARE(desk.state(m), m == kNovember ? 1 : 0);
        QVERIFY(folder.exists(QStringLiteral("Roll/Zv9_10/zdat9.bin")));
    }

    // Day 26: a cancelled start changes nothing; the suggestion; December early, asked first.
    void dayTwentySixOpensTheNextMonthEarly() {
        test::DataFolder folder(40);
        Desk desk(folder, 26, 1, 2);
        desk.enterReports([](QWidget* start) { QTest::keyClick(start, Qt::Key_Escape); }, false);
        QVERIFY(!desk.doc.isModified());
        desk.enterReports([&desk](QWidget* start) {
            test::saveScreenshot(start, "collection-start.png");
            button(start, "suggestionButton")->click();
            QVERIFY(desk.prompts.messages == std::vector{std::string(res::kSuggestionText)});
            QVERIFY(shown(start, "continueButton"));
            QCOMPARE(button(start, "earlyButton")->text(),
                     caption(res::kInitializeCaption, kDecember));
            desk.prompts.answers = {Answer::Yes};
            button(start, "earlyButton")->click();
            QCOMPARE(text(desk.prompts.questions.at(0)),
                     caption(res::kInitializeConfirm, kDecember));
        });
        QCOMPARE(desk.reportMonth(), kDecember);
        QCOMPARE(desk.state(kDecember), 1);
        QCOMPARE(desk.doc.calendar.earlyMonth, 1);
        QVERIFY(desk.listTitle.startsWith(text(res::monthName(kDecember))));
    }

    // A file where the month copy's folder goes: told, nothing changed, no list.
    void aRefusedInitializationChangesNothing() {
        test::DataFolder folder(20);
        QFile blocker(folder.file(QStringLiteral("Roll")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        Desk desk(folder, 3, 1, 0);
        const QString status = desk.statusMonth();
        desk.enterReports([](QWidget* start) { button(start, "initializeButton")->click(); },
                          false);
        QCOMPARE(desk.prompts.messages.size(), std::size_t{1});
        QVERIFY(!desk.doc.isModified() && !desk.cleared(kNovember));
        QCOMPARE(desk.reportMonth(), kNovember);
        QCOMPARE(desk.state(kNovember), 0);
        QCOMPARE(desk.statusMonth(), status);
    }

    void listKeyboardFiltersAndClose() {
        ListDoc d;
        gui::PublisherListDialog dialog(d.doc, d.prompts);
        dialog.show();
        QVERIFY(test::activate(&dialog));
        test::saveScreenshot(&dialog, "publisher-list.png");
        const auto active = static_cast<int>(d.doc.kindLists[kPublisher].size());
        QCOMPARE(dialog.windowTitle(), text(res::monthName(kNovember)) + " Συλλογή Έργου - " +
                                           QString::number(active) + " Δραστήριοι");
        auto* list = child<QListWidget>(&dialog, "publisherList");
        QVERIFY(QTest::qWaitFor([list] { return list->hasFocus(); }));
        QCOMPARE(list->count(), active);
        // The collection files are shown, disabled, saying why.
        QVERIFY(button(&dialog, "okButton")->isEnabled());
        for (const char* name : {"makeListButton", "importButton", "xmlButton", "csvButton"})
            QVERIFY2(!button(&dialog, name)->isEnabled(), name);
        // Type-ahead finds a name; Enter on it opens that person's report form.
        test::typeText(list, list->item(active - 1)->text());
        QCOMPARE(list->currentRow(), active - 1);
        {
            QString formTitle;
            ModalScript script;
            script.then([&formTitle](QWidget* form) {
                formTitle = form->windowTitle();
                QTest::keyClick(form, Qt::Key_Escape);
            });
            QTest::keyClick(list, Qt::Key_Return);
            QVERIFY(script.done());
            QVERIFY(!formTitle.isEmpty());
        }
        QVERIFY(dialog.isVisible());
        QTRY_COMPARE(dialog.focusWidget(), static_cast<QWidget*>(list));

        // "Μη Καταχωρημένοι" keeps the position; a group keeps its own people.
        const int month = d.doc.calendar.reportMonth;
        const int slot = d.doc.calendar.reportSlot();
        int unreported = 0;
        int groupOne = 0;
        for (const IndexEntry& e : d.doc.kindLists[kPublisher]) {
            const int row = e.recordIndex;
            unreported += !d.doc.hasReport(row, month, slot) && !d.doc.hasRemark(row, month, slot);
            groupOne += d.doc.publishers[static_cast<std::size_t>(row)].groupNumber() == 1;
        }
        QVERIFY(unreported > 2 && groupOne > 0);
        list->setCurrentRow(2);
        child<QCheckBox>(&dialog, "unreportedTick")->click();
        QCOMPARE(list->count(), unreported);
        QCOMPARE(list->currentRow(), 2);
        // A report saved from the form drops the person out; the position holds the next one.
        list->setCurrentRow(1);
        const QString next = list->item(2)->text();
        {
            ModalScript script;
            script.then([](QWidget* form) {
                child<QCheckBox>(form, "participatedTick")->click();
                button(form, "okButton")->click();
            });
            button(&dialog, "okButton")->click();
            QVERIFY(script.done());
        }
        QCOMPARE(list->count(), unreported - 1);
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(list->currentItem()->text(), next);
        QVERIFY(!child<QLabel>(&dialog, "lastPersonLabel")->text().isEmpty());
        child<QCheckBox>(&dialog, "unreportedTick")->click();
        auto* groups = child<QComboBox>(&dialog, "groupCombo");
        QCOMPARE(groups->count(), groupsInUse(d.doc.groups) + 1);
        QCOMPARE(groups->itemText(0), text(res::kCongregation));
        emit groups->activated(1);
        QCOMPARE(list->count(), groupOne);
        emit groups->activated(0);
        QCOMPARE(list->count(), active);

        // Escape is "Έγινε": the collection stays open; the close button closes it.
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(d.doc.header().collectionState(kNovember), 1);
        QCOMPARE(button(&dialog, "closeCollectionButton")->text(),
                 caption(res::kCloseCollectionCaption, kNovember));
        button(&dialog, "closeCollectionButton")->click();
        QCOMPARE(d.doc.header().collectionState(kNovember), 2);
    }

    void gridShowsTheTotalsOfEitherForm() {
        for (const bool newForm : {true, false}) {
            ListDoc d(newForm);
            gui::PublisherListDialog dialog(d.doc, d.prompts);
            const auto* grid = child<gui::TotalsGridWidget>(&dialog, "totalsGrid");
            QCOMPARE(grid->cellText(0, 4), text(res::kHeadingHours));
            QCOMPARE(grid->cellText(4, 0), text(res::kCategoryTotals));
            int counted = 0;
            for (int r = 1; r <= 3; ++r) counted += grid->cellText(r, 1).toInt();
            QVERIFY(counted > 0);
            QCOMPARE(grid->cellText(4, 1).toInt(), counted);
            QCOMPARE(grid->cellColor(4, 1), QColor(Qt::blue));
            QVERIFY(grid->cellColor(1, 1) != QColor(Qt::blue));
            // The new form: no placements, videos or return visits, nor publishers' hours.
            for (const int column : {2, 3, 5})
                QCOMPARE(grid->cellText(0, column).isEmpty(), newForm);
            QCOMPARE(grid->cellText(1, 4).isEmpty(), newForm);
            QVERIFY(!grid->cellText(3, 4).isEmpty());
        }
    }
};

QTEST_MAIN(CollectionDialogsTest)
#include "collection_dialogs_test.moc"
