// The inactive, deleted and moved dialogs and the removal dialog on the real widgets: each
// move through its dialog and back (to inactive and reactivated; removed to the deleted list
// and restored; moved and returned, also while inactive; deleted for good), the action button
// following the list with the focus, Enter and Escape, a full list told in one line, the
// details dialog's "Διαγραφή" of a publisher, and the commands of the main window.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>
#include <vector>

#include "core/test_folder.h"
#include "gui/modal_script.h"
#include "gui/records/inactive_dialog.h"
#include "gui/records/moved_dialog.h"
#include "gui/records/publisher_details_dialog.h"
#include "gui/shell/main_window.h"
#include "gui/shell/qt_text.h"
#include "gui/shell_fixture.h"
#include "gui/widget_lookup.h"
#include "records/person_transitions.h"
#include "resources/strings.h"
#include "shell/command_ids.h"
#include "store/publisher_status.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

using zelvo::Answer;
using zelvo::CZelvoDoc;
using zelvo::PublisherRecord;
using zelvo::ScriptedPrompts;
using zelvo::gui::InactiveDialog;
using zelvo::gui::MovedDialog;
using zelvo::test::activate;
using zelvo::test::button;
using zelvo::test::child;
using zelvo::test::ModalScript;
using zelvo::test::person;
using Form = InactiveDialog::Form;

namespace {

// Alfa, Beta, Gama active; Ita inactive since March 2026. Report month November 2026.
struct Congregation {
    CZelvoDoc doc;
    ScriptedPrompts prompts;

    explicit Congregation(int moreInactive = 0) {
        zelvo::applyReportMonthAtStart(doc.calendar, zelvo::test::kToday);
        zelvo::deriveReportMonth(doc.calendar);
        std::vector<PublisherRecord> people = {
            person(101, "Anna", "Alfa"), person(102, "Bill", "Beta"), person(103, "Gus", "Gama"),
            person(104, "Ivo", "Ita", zelvo::kInactive)};
        for (int i = 0; i < moreInactive; ++i)
            people.push_back(
                person(static_cast<std::uint16_t>(500 + i), "X", "Zz", zelvo::kInactive));
        zelvo::test::addPeople(doc, people);
        doc.sortRows();
        doc.buildIndexes();
        byId(104).setByte(PublisherRecord::kStatusFlags, 3 * 16);
        byId(104).setByte(PublisherRecord::kStatusFlags2, 26);
    }
    PublisherRecord& byId(int id) {
        return doc.publishers[static_cast<std::size_t>(*doc.findById(id))];
    }
    bool gone(int id) const { return !doc.findById(id).has_value(); }
};

// Shows a dialog as the active window, so the focus moves between its lists.
template <typename D>
void showActive(D& dialog) {
    dialog.show();
    QVERIFY(activate(&dialog));
}

QListWidget* list(QWidget* dialog, const char* name) {
    return child<QListWidget>(dialog, name);
}

// Focuses the list and selects the row with `name`; false when the list does not take the
// focus or has no such row.
bool pick(QWidget* dialog, const char* listName, const QString& name) {
    QListWidget* l = list(dialog, listName);
    // Back from a nested dialog, the window may not be active again yet.
    if (!activate(dialog)) return false;
    l->setFocus();
    if (!QTest::qWaitFor([l] { return l->hasFocus(); })) return false;
    const auto found = l->findItems(name, Qt::MatchContains);
    if (found.isEmpty()) return false;
    l->setCurrentItem(found.first());
    return true;
}

bool listed(QWidget* dialog, const char* listName, const QString& name) {
    return !list(dialog, listName)->findItems(name, Qt::MatchContains).isEmpty();
}

// Answers the month chooser with the month index `month` (and the regular tick).
ModalScript::Action chooseMonth(int month, QString* caption = nullptr, bool regular = false) {
    return [=](QWidget* chooser) {
        if (caption != nullptr) *caption = child<QGroupBox>(chooser, "captionGroup")->title();
        QCOMPARE(chooser->focusWidget(), child<QWidget>(chooser, "monthCombo"));
        child<QComboBox>(chooser, "monthCombo")->setCurrentIndex(month);
        if (regular) child<QCheckBox>(chooser, "regularTick")->setChecked(true);
        button(chooser, "okButton")->click();
    };
}

}  // namespace

class PersonListsDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void inactiveDialogMovesToInactiveAndBack() {
        Congregation c;
        InactiveDialog dialog(c.doc, c.prompts, Form::Inactive);
        showActive(dialog);
        QCOMPARE(dialog.windowTitle(), QString::fromUtf8(zelvo::res::kInactiveDialogTitle.data()));
        QVERIFY(listed(&dialog, "leftList", "Ita"));
        QVERIFY(listed(&dialog, "rightList", "Beta"));
        QCOMPARE(button(&dialog, "periodButton")->text(), QStringLiteral("Ολα"));

        // Cancelling the month chooser changes nothing.
        QVERIFY(pick(&dialog, "rightList", "Alfa"));
        ModalScript cancel;
        cancel.then([](QWidget* chooser) { button(chooser, "cancelButton")->click(); });
        QTest::mouseClick(button(&dialog, "actionButton"), Qt::LeftButton);
        QVERIFY(cancel.done());
        QCOMPARE(int{c.byId(101).kind()}, int{zelvo::kPublisher});
        QVERIFY(!c.doc.isModified());
        QVERIFY(!dialog.changed());

        // The right list active: its action, and no editing or removal.
        QVERIFY(pick(&dialog, "rightList", "Beta"));
        QCOMPARE(button(&dialog, "actionButton")->text(),
                 QStringLiteral("Μεταφορά στους Αδρανείς"));
        QVERIFY(button(&dialog, "deleteButton")->isHidden());
        QVERIFY(button(&dialog, "editButton")->isHidden());
        QVERIFY(child<QLabel>(&dialog, "nameLine")->text().contains(QStringLiteral("Beta")));

        // Enter on the list runs the action: December with the year list lies in 2025.
        QString caption;
        bool yearsShown = false;
        ModalScript script;
        script.then([&](QWidget* chooser) {
            yearsShown = child<QListWidget>(chooser, "yearList")->isVisible();
            chooseMonth(11, &caption)(chooser);
        });
        QTest::keyClick(list(&dialog, "rightList"), Qt::Key_Return);
        QVERIFY(script.done());
        QVERIFY(yearsShown);
        QCOMPARE(caption, QStringLiteral("Μήνας που Bill Beta Αδράνησαν"));
        QCOMPARE(int{c.byId(102).kind()}, int{zelvo::kInactive});
        QCOMPARE(int{c.byId(102).statusFlags()}, 12 * 16);
        QCOMPARE(int{c.byId(102).statusFlags2()}, 25);
        QVERIFY(listed(&dialog, "leftList", "Beta"));
        QVERIFY(!listed(&dialog, "rightList", "Beta"));
        QVERIFY(dialog.changed());

        // The left list active: reactivated in the report month.
        QVERIFY(pick(&dialog, "leftList", "Beta"));
        QCOMPARE(button(&dialog, "actionButton")->text(),
                 QStringLiteral("Επαναδραστηριοποιημένοι"));
        QVERIFY(button(&dialog, "deleteButton")->isVisible());
        QVERIFY(button(&dialog, "editButton")->isVisible());
        ModalScript back;
        back.then(chooseMonth(10, &caption));
        QTest::mouseClick(button(&dialog, "actionButton"), Qt::LeftButton);
        QVERIFY(back.done());
        QCOMPARE(caption, QStringLiteral("Μήνας που Bill Beta επαναδραστηριοποιήθηκε"));
        QCOMPARE(int{c.byId(102).kind()}, int{zelvo::kPublisher});
        QCOMPARE(int{c.byId(102).statusFlags()}, 11 * 16 + zelvo::kMarkReactivated);
        QVERIFY(!listed(&dialog, "leftList", "Beta"));

        // Escape closes.
        QTest::keyClick(list(&dialog, "rightList"), Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
    }

    void aFullInactiveListIsToldInOneLine() {
        Congregation c(298);  // 299 inactive with Ita
        InactiveDialog dialog(c.doc, c.prompts, Form::Inactive);
        showActive(dialog);
        QVERIFY(pick(&dialog, "rightList", "Alfa"));
        ModalScript none;
        QTest::mouseClick(button(&dialog, "actionButton"), Qt::LeftButton);
        QCOMPARE(none.handled(), 0);
        QCOMPARE(c.prompts.messages.size(), std::size_t{1});
        QVERIFY(QString::fromStdString(c.prompts.messages[0]).contains(QStringLiteral("299")));
        QCOMPARE(int{c.byId(101).kind()}, int{zelvo::kPublisher});
        QVERIFY(!dialog.changed());
    }

    void removedToTheDeletedListAndRestored() {
        Congregation c;
        {
            InactiveDialog dialog(c.doc, c.prompts, Form::Inactive);
            showActive(dialog);
            QVERIFY(pick(&dialog, "leftList", "Ita"));
            QString title;
            ModalScript script;
            script.then([&](QWidget* removal) {
                title = removal->windowTitle();
                QVERIFY(child<QRadioButton>(removal, "permanentChoice")->isChecked());
                QCOMPARE(child<QComboBox>(removal, "monthCombo")->currentText(),
                         QStringLiteral("Νοε"));
                QCOMPARE(child<QComboBox>(removal, "yearCombo")->currentText(),
                         QStringLiteral("2026"));
                child<QRadioButton>(removal, "temporaryChoice")->click();
                child<QComboBox>(removal, "monthCombo")->setCurrentIndex(3);  // March
                child<QComboBox>(removal, "yearCombo")->setCurrentIndex(2024 - 1950);
                button(removal, "okButton")->click();
            });
            QTest::mouseClick(button(&dialog, "deleteButton"), Qt::LeftButton);
            QVERIFY(script.done());
            QCOMPARE(title, QStringLiteral("Ivo Ita"));
            QVERIFY(!listed(&dialog, "leftList", "Ita"));
        }
        QCOMPARE(int{c.byId(104).kind()}, int{zelvo::kDeleted});
        QCOMPARE(int{c.byId(104).statusSince()}, (2024 - 1950) * 256 + 3);

        InactiveDialog deleted(c.doc, c.prompts, Form::Deleted);
        showActive(deleted);
        QCOMPARE(deleted.windowTitle(),
                 QStringLiteral("Επεξεργασία - Μόνιμη Διαγραφή - Επαναφορά"));
        QVERIFY(child<QWidget>(&deleted, "rightBox")->isHidden());
        QVERIFY(button(&deleted, "periodButton")->isHidden());
        QCOMPARE(button(&deleted, "actionButton")->text(), QStringLiteral("Επαναφορά"));
        const QString row = list(&deleted, "leftList")->item(0)->text();
        // March as the month lists abbreviate it.
        QCOMPARE(row, QStringLiteral("Ivo Ita\t") + zelvo::gui::qtText(zelvo::res::monthAbbrev(2)) +
                          QStringLiteral(" 2024"));

        QString caption;
        ModalScript restore;
        restore.then(chooseMonth(10, &caption));
        QTest::mouseClick(button(&deleted, "actionButton"), Qt::LeftButton);
        QVERIFY(restore.done());
        QCOMPARE(caption, QStringLiteral("Ivo Ita"));
        QCOMPARE(int{c.byId(104).kind()}, int{zelvo::kPublisher});
        QCOMPARE(int{c.byId(104).statusFlags()}, 11 * 16 + zelvo::kMarkReactivated);
        QCOMPARE(int{c.byId(104).statusSince()}, 0);
        QCOMPARE(list(&deleted, "leftList")->count(), 0);
    }

    void deletedForGoodFromEachList() {
        Congregation c;
        c.prompts.answers = {Answer::No, Answer::Yes};
        {
            // From the inactive list through the removal dialog, permanent by default.
            InactiveDialog dialog(c.doc, c.prompts, Form::Inactive);
            showActive(dialog);
            QVERIFY(pick(&dialog, "leftList", "Ita"));
            ModalScript script;
            script.then([](QWidget* removal) { button(removal, "okButton")->click(); });
            QTest::mouseClick(button(&dialog, "deleteButton"), Qt::LeftButton);
            QVERIFY(script.done());
            QVERIFY(c.gone(104));
        }
        zelvo::records::removeToDeleted(c.doc, *c.doc.findById(101), 3, 2024);
        InactiveDialog deleted(c.doc, c.prompts, Form::Deleted);
        showActive(deleted);
        QVERIFY(pick(&deleted, "leftList", "Alfa"));
        // No keeps the person; Yes deletes.
        QTest::mouseClick(button(&deleted, "deleteButton"), Qt::LeftButton);
        QVERIFY(!c.gone(101));
        QTest::mouseClick(button(&deleted, "deleteButton"), Qt::LeftButton);
        QVERIFY(c.gone(101));
        QCOMPARE(c.prompts.questions.size(), std::size_t{2});
        QCOMPARE(QString::fromStdString(c.prompts.questions[1]),
                 QStringLiteral("Θέλεις αλήθεια να διαγράψεις Anna Alfa;"));
        QCOMPARE(list(&deleted, "leftList")->count(), 0);

        // From the moved list: its action while the left list is active.
        zelvo::records::moveAway(c.doc, *c.doc.findById(102), 5);
        c.prompts.answers = {Answer::Yes};
        MovedDialog moved(c.doc, c.prompts);
        showActive(moved);
        QVERIFY(pick(&moved, "leftList", "Beta"));
        QCOMPARE(button(&moved, "actionButton")->text(), QStringLiteral("Διαγραφή"));
        QTest::mouseClick(button(&moved, "actionButton"), Qt::LeftButton);
        QVERIFY(c.gone(102));
    }

    void movedAndReturned() {
        Congregation c;
        c.prompts.answers = {Answer::Yes, Answer::Yes};
        MovedDialog dialog(c.doc, c.prompts);
        showActive(dialog);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Μετακόμισαν"));
        QCOMPARE(child<QGroupBox>(&dialog, "rightBox")->title(),
                 QStringLiteral("Χωρίς Έκθεση τον Νοέμβριο "));
        QVERIFY(pick(&dialog, "rightList", "Alfa"));
        QCOMPARE(button(&dialog, "actionButton")->text(), QStringLiteral("< < Μετακόμιση  < <"));
        QVERIFY(button(&dialog, "undoButton")->isHidden());
        ModalScript move;
        move.then(chooseMonth(10));
        QTest::mouseClick(button(&dialog, "actionButton"), Qt::LeftButton);
        QVERIFY(move.done());
        QCOMPARE(int{c.byId(101).kind()}, int{zelvo::kMoved});
        QCOMPARE(int{c.byId(101).statusFlags()}, 11 * 16);
        QVERIFY(listed(&dialog, "leftList", "Alfa"));

        // Back as a regular publisher: the tick of the month chooser.
        QVERIFY(pick(&dialog, "leftList", "Alfa"));
        QVERIFY(button(&dialog, "undoButton")->isVisible());
        ModalScript undo;
        undo.then(chooseMonth(10, nullptr, true));
        QTest::mouseClick(button(&dialog, "undoButton"), Qt::LeftButton);
        QVERIFY(undo.done());
        QCOMPARE(QString::fromStdString(c.prompts.questions.at(0)),
                 QStringLiteral("Θελεις σίγουρα να αναιρέσεις την μετακίνηση για Anna Alfa;"));
        QCOMPARE(int{c.byId(101).kind()}, int{zelvo::kPublisher});
        QCOMPARE(int{c.byId(101).statusFlags()}, 11 * 16 + 4);

        // Moved while inactive: the tick lists the inactive, and the undo asks no month.
        child<QCheckBox>(&dialog, "inactiveTick")->click();
        QVERIFY(listed(&dialog, "rightList", "Ita"));
        QVERIFY(!listed(&dialog, "rightList", "Beta"));
        QVERIFY(pick(&dialog, "rightList", "Ita"));
        ModalScript moveInactive;
        moveInactive.then(chooseMonth(9));
        QTest::keyClick(list(&dialog, "rightList"), Qt::Key_Return);
        QVERIFY(moveInactive.done());
        QCOMPARE(int{c.byId(104).kind()}, int{zelvo::kMoved});
        QVERIFY(pick(&dialog, "leftList", "Ita"));
        ModalScript noMonth;
        QTest::mouseClick(button(&dialog, "undoButton"), Qt::LeftButton);
        QCOMPARE(noMonth.handled(), 0);
        QCOMPARE(int{c.byId(104).kind()}, int{zelvo::kInactive});
        QCOMPARE(int{c.byId(104).statusFlags()}, 3 * 16);
        QVERIFY(dialog.changed());
    }

    void editingAnInactiveOrDeletedPersonShowsTheMonthOfLeaving() {
        Congregation c;
        InactiveDialog dialog(c.doc, c.prompts, Form::Inactive);
        showActive(dialog);
        QVERIFY(pick(&dialog, "leftList", "Ita"));
        ModalScript script;
        script.then([](QWidget* details) {
            for (const char* hidden :
                 {"statusButton", "privilegesButton", "deleteButton", "previousButton",
                  "nextButton", "regularCheck", "servantCheck"})
                QVERIFY2(child<QWidget>(details, hidden)->isHidden(), hidden);
            QCOMPARE(child<QCheckBox>(details, "customCategoryCheck")->text(),
                     QStringLiteral("Αποκλείστε από την Λίστα του Ομίλου Υπηρεσίας Αγρού"));
            QCOMPARE(child<QGroupBox>(details, "statusGroup")->title(),
                     QStringLiteral("Αδράνησαν"));
            auto* month = child<QComboBox>(details, "statusMonth");
            auto* year = child<QComboBox>(details, "statusYear");
            QCOMPARE(month->currentIndex(), 3);  // March
            QCOMPARE(year->currentText(), QStringLiteral("2026"));
            month->setCurrentIndex(5);
            year->setCurrentIndex(year->findText(QStringLiteral("2025")));
            button(details, "okButton")->click();
        });
        QTest::mouseClick(button(&dialog, "editButton"), Qt::LeftButton);
        QVERIFY(script.done());
        QCOMPARE(int{c.byId(104).statusFlags()}, 5 * 16);
        QCOMPARE(int{c.byId(104).statusFlags2()}, 25);
        QVERIFY(listed(&dialog, "leftList", "2025"));
        QVERIFY(dialog.changed());

        zelvo::records::removeToDeleted(c.doc, *c.doc.findById(104), 3, 2024);
        InactiveDialog deleted(c.doc, c.prompts, Form::Deleted);
        showActive(deleted);
        ModalScript look;
        look.then([](QWidget* details) {
            for (const char* hidden : {"emergencyButton", "specialNeedsButton", "groupButton",
                                       "headOfFamilyCheck", "customCategoryCheck"})
                QVERIFY2(child<QWidget>(details, hidden)->isHidden(), hidden);
            QCOMPARE(child<QGroupBox>(details, "statusGroup")->title(),
                     QStringLiteral(" Διεγράφη "));
            QCOMPARE(child<QComboBox>(details, "statusYear")->currentText(),
                     QStringLiteral("2024"));
            button(details, "cancelButton")->click();
        });
        QTest::mouseClick(button(&deleted, "editButton"), Qt::LeftButton);
        QVERIFY(look.done());
        QVERIFY(!deleted.changed());
    }

    void theDetailsDialogRemovesAPublisher() {
        Congregation c;
        ModalScript script;
        script
            .then([](QWidget* details) {
                QVERIFY(button(details, "deleteButton")->isEnabled());
                zelvo::test::clickLater(details, "deleteButton");
            })
            .then([](QWidget* removal) {
                QCOMPARE(removal->objectName(), QStringLiteral("removalDialog"));
                QCOMPARE(removal->focusWidget(), child<QWidget>(removal, "permanentChoice"));
                zelvo::test::saveScreenshot(removal, "removal-dialog.png");
                child<QRadioButton>(removal, "temporaryChoice")->click();
                button(removal, "okButton")->click();
            });
        const auto outcome =
            zelvo::gui::runPublisherDetails(nullptr, c.doc, c.prompts, false, {101, 102, 103}, 101);
        QVERIFY(script.done());
        QVERIFY(outcome.changed);
        QCOMPARE(outcome.currentId, 0);
        QCOMPARE(int{c.byId(101).kind()}, int{zelvo::kDeleted});
        QCOMPARE(int{c.byId(101).statusSince()}, (2026 - 1950) * 256 + 11);
    }

    void theEditMenuOpensTheThreeDialogs() {
        zelvo::test::DataFolder folder(60);
        QVERIFY(folder.ok());
        ScriptedPrompts prompts;
        CZelvoDoc doc;
        doc.startUp(folder.str(), zelvo::test::kToday, zelvo::LoadMode::Live);
        QVERIFY(doc.load(prompts, zelvo::LoadMode::Live).ok);
        zelvo::gui::CMainFrame window(doc, prompts);
        window.show();
        QStringList names;
        ModalScript script;
        const auto look = [&names](const char* file) {
            return [&names, file](QWidget* dialog) {
                names << dialog->objectName();
                QVERIFY(list(dialog, "leftList")->count() > 0);
                zelvo::test::saveScreenshot(dialog, file);
                QTest::keyClick(dialog, Qt::Key_Escape);
            };
        };
        script.then(look("inactive-dialog.png"))
            .then(look("deleted-dialog.png"))
            .then(look("moved-dialog.png"));
        using zelvo::shell::CommandId;
        window.runCommand(CommandId::EditInactive);
        window.runCommand(CommandId::EditDeleted);
        window.runCommand(CommandId::EditMoved);
        QVERIFY(script.done());
        QCOMPARE(names, QStringList({"inactiveDialog", "deletedDialog", "movedDialog"}));
        QVERIFY(!doc.isModified());
    }
};

QTEST_MAIN(PersonListsDialogsTest)
#include "person_lists_dialogs_test.moc"
