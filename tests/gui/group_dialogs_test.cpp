// The group editor, a group's details and the assignment dialog on the real widgets: a group
// added with a typed overseer and a chosen assistant, three publishers assigned and one moved to
// another group; an overseer blanked and the groups recounted on leaving; nothing marked changed
// when nothing changed; the command of the Edit menu on the demo congregation.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <vector>

#include "core/test_folder.h"
#include "gui/modal_script.h"
#include "gui/records/group_editor_dialog.h"
#include "gui/shell/main_window.h"
#include "gui/shell_fixture.h"
#include "gui/widget_lookup.h"
#include "shell/command_ids.h"
#include "store/publisher_status.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

using zelvo::CZelvoDoc;
using zelvo::ServiceGroupTable;
using zelvo::test::button;
using zelvo::test::child;
using zelvo::test::clickLater;
using zelvo::test::items;
using zelvo::test::ModalScript;
using zelvo::test::person;

namespace {

// Anna Alfa oversees group 1, the only group in use; Bill, Gus and Dora have no group; Ivo is
// inactive.
struct Congregation {
    CZelvoDoc doc;

    Congregation() {
        zelvo::applyReportMonthAtStart(doc.calendar, zelvo::test::kToday);
        zelvo::deriveReportMonth(doc.calendar);
        zelvo::test::addPeople(doc, {person(101, "Anna", "Alfa"), person(102, "Bill", "Beta"),
                                     person(103, "Gus", "Gama"), person(104, "Dora", "Delta"),
                                     person(105, "Ivo", "Ita", zelvo::kInactive)});
        doc.sortRows();
        doc.buildIndexes();
        doc.publishers[static_cast<std::size_t>(*doc.findById(101))].setByte(
            zelvo::PublisherRecord::kGroupNumber, 1);
        overseer(1, "Anna Alfa");
        doc.groups.setGroupCount(1);
    }
    void overseer(int group, const char* name) {
        doc.groups.setText(ServiceGroupTable::overseerField(group), name);
    }
    int groupOf(int id) const {
        return doc.publishers[static_cast<std::size_t>(*doc.findById(id))].groupNumber();
    }
};

QListWidget* list(QWidget* dialog, const char* name) {
    return child<QListWidget>(dialog, name);
}

// Makes the row holding `name` current and presses Enter on the list, as the keyboard does.
void enterOn(QWidget* dialog, const char* listName, const QString& name) {
    QListWidget* l = list(dialog, listName);
    const auto found = l->findItems(name, Qt::MatchContains);
    QVERIFY2(!found.isEmpty(), qPrintable(name));
    l->setCurrentItem(found.first());
    QTest::keyClick(l, Qt::Key_Return);
}

// Enter on a control that opens a dialog: pressed once the script step has returned, so the
// script can act on that dialog too.
void enterLater(QWidget* dialog, const char* name = "groupRows") {
    QWidget* w = child<QWidget>(dialog, name);
    w->setFocus();
    QTimer::singleShot(0, w, [w] { QTest::keyClick(w, Qt::Key_Return); });
}

}  // namespace

class GroupDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void aGroupIsAddedAndPublishersAssignedAndMoved() {
        Congregation c;
        QString assistantChosen, unassignedCaption, countAfter;
        QStringList membersOf1, candidatesAfter, rows;
        bool noteShown = false, unassignedHidden = false;
        int rowFor5 = -1;
        ModalScript script;
        script
            .then([&](QWidget* editor) {
                // Row 5 lies past the first group not in use: group 2 is chosen instead.
                list(editor, "groupRows")->setCurrentRow(4);
                rowFor5 = list(editor, "groupRows")->currentRow();
                clickLater(editor, "editButton");
            })
            .then([&](QWidget* details) {
                zelvo::test::retype(details, "overseerEdit", QStringLiteral("Xenia Xi"));
                zelvo::test::retype(details, "placeEdit", QStringLiteral("Hall"));
                clickLater(details, "chooseAssistantButton");
            })
            .then([&](QWidget* picker) {
                const auto found =
                    list(picker, "publisherList")->findItems("Beta", Qt::MatchContains);
                QVERIFY(!found.isEmpty());
                list(picker, "publisherList")->setCurrentItem(found.first());
                button(picker, "editButton")->click();
            })
            .then([&](QWidget* details) {
                assistantChosen = child<QLineEdit>(details, "assistantEdit")->text();
                clickLater(details, "assignButton");
            })
            .then([&](QWidget* assignment) {
                auto* unassigned = child<QCheckBox>(assignment, "unassignedTick");
                unassignedCaption = unassigned->text();
                unassigned->setChecked(true);
                for (const char* name : {"Beta", "Gama", "Delta"})
                    enterOn(assignment, "candidateList", QString::fromLatin1(name));
                countAfter = child<QLabel>(assignment, "memberCountLabel")->text();
                // Nobody is left unassigned: the tick goes, and narrows the candidates no more.
                unassignedHidden = unassigned->isHidden();
                candidatesAfter = items(assignment, "candidateList");
                // Gus moves on to group 1.
                list(assignment, "groupList")->setCurrentRow(0);
                enterOn(assignment, "candidateList", QStringLiteral("Gama"));
                membersOf1 = items(assignment, "memberList");
                button(assignment, "doneButton")->click();
            })
            .then([](QWidget* details) { button(details, "okButton")->click(); })
            .then([&](QWidget* editor) {
                rows = items(editor, "groupRows");
                noteShown = child<QLabel>(editor, "noteLabel")->isVisible();
                button(editor, "doneButton")->click();
            });
        const bool changed = zelvo::gui::runGroupEditor(nullptr, c.doc);
        QVERIFY(script.done());
        QCOMPARE(rowFor5, 1);
        QCOMPARE(assistantChosen, QStringLiteral("Bill Beta"));
        QCOMPARE(unassignedCaption, QStringLiteral("3 Αδιόριστοι Ευαγγελιζόμενοι"));
        QCOMPARE(countAfter, QStringLiteral("3 Ευαγγελιζόμενοι"));
        QVERIFY(unassignedHidden);
        QCOMPARE(candidatesAfter, QStringList{QStringLiteral("Anna Alfa (1)")});
        QCOMPARE(membersOf1.filter(QStringLiteral("Gama")).size(), 1);
        // The typed overseer is no publisher: "*" marks it and the note explains the mark.
        QVERIFY(rows[1].startsWith(QStringLiteral("#2 \t*Xenia Xi \tBill Beta \tHall")));
        QVERIFY(noteShown);

        QVERIFY(changed);
        QVERIFY(c.doc.isModified());
        QCOMPARE(c.doc.groups.groupCount(), 2);
        QCOMPARE(c.doc.groups.text(ServiceGroupTable::assistantField(2)), std::string("Bill Beta"));
        QCOMPARE(c.groupOf(102), 2);
        QCOMPARE(c.groupOf(103), 1);
        QCOMPARE(c.groupOf(104), 2);
        QCOMPARE(c.groupOf(105), 0);
    }

    void blankingAnOverseerEndsTheGroupsInUseOnLeaving() {
        Congregation c;
        c.overseer(2, "Xenia Xi");
        c.overseer(3, "Bill Beta");
        c.doc.groups.setGroupCount(3);
        ModalScript script;
        script
            .then([](QWidget* editor) {
                list(editor, "groupRows")->setCurrentRow(1);
                enterLater(editor);
            })
            .then([](QWidget* details) {
                zelvo::test::retype(details, "overseerEdit", QString());
                QTest::keyClick(child<QLineEdit>(details, "overseerEdit"), Qt::Key_Return);
            })
            // Escape leaves as "Έγινε" does.
            .then([](QWidget* editor) { QTest::keyClick(editor, Qt::Key_Escape); });
        QVERIFY(zelvo::gui::runGroupEditor(nullptr, c.doc));
        QVERIFY(script.done());
        QCOMPARE(c.doc.groups.groupCount(), 1);
        QVERIFY(c.doc.isModified());
        // Group 3 only went out of use: its overseer is kept.
        QCOMPARE(c.doc.groups.text(ServiceGroupTable::overseerField(3)), std::string("Bill Beta"));
    }

    void nothingChangedLeavesTheDocumentUnmodified() {
        Congregation c;
        ModalScript script;
        script.then([](QWidget* editor) { enterLater(editor); })
            .then([](QWidget* details) { QTest::keyClick(details, Qt::Key_Escape); })
            .then([](QWidget* editor) { enterLater(editor); })
            // Enter on a focused button presses it: the picker opens, the details stay.
            .then([](QWidget* details) { enterLater(details, "chooseOverseerButton"); })
            .then([](QWidget* picker) { button(picker, "closeButton")->click(); })
            .then([](QWidget* details) { button(details, "okButton")->click(); })
            .then([](QWidget* editor) { clickLater(editor, "assignButton"); })
            .then([](QWidget* assignment) {
                QPushButton* done = button(assignment, "doneButton");
                done->setFocus();
                QTest::keyClick(done, Qt::Key_Return);
            })
            .then([](QWidget* editor) { button(editor, "doneButton")->click(); });
        QVERIFY(!zelvo::gui::runGroupEditor(nullptr, c.doc));
        QVERIFY(script.done());
        QCOMPARE(script.unexpected(), 0);
        QVERIFY(!c.doc.isModified());

        // With nobody on the active list there is no one to assign.
        CZelvoDoc empty;
        zelvo::records::GroupEditorModel model(empty);
        zelvo::gui::GroupEditorDialog editor(model);
        QVERIFY(!button(&editor, "assignButton")->isEnabled());
    }

    void theEditMenuOpensTheEditorOnTheDemoCongregation() {
        zelvo::test::DataFolder folder(60);
        QVERIFY(folder.ok());
        zelvo::test::WindowSession session(folder);
        QVERIFY(session.loaded);
        QStringList members;
        ModalScript script;
        script
            .then([&](QWidget* editor) {
                zelvo::test::saveScreenshot(editor, "group-editor.png");
                clickLater(editor, "assignButton");
            })
            .then([&](QWidget* assignment) {
                members = items(assignment, "memberList");
                list(assignment, "candidateList")->setCurrentRow(0);
                zelvo::test::saveScreenshot(assignment, "group-assignment.png");
                button(assignment, "doneButton")->click();
            })
            .then([](QWidget* editor) { QTest::keyClick(editor, Qt::Key_Escape); });
        session.window->runCommand(zelvo::shell::CommandId::EditGroups);
        QVERIFY(script.done());
        QVERIFY(!members.isEmpty());
        QVERIFY(!session.doc.isModified());
    }
};

QTEST_MAIN(GroupDialogsTest)
#include "group_dialogs_test.moc"
