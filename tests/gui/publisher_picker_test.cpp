// The publisher picker and the students picker on the real widgets: the list and its
// buttons, editing through the details dialog (a stand-in records what it was given), the add
// chooser with only the buttons that apply, a student becoming a publisher and an inactive
// person coming back through the single-person picker and the month chooser, the full
// table, the picker as a chooser, type-ahead, and the command of the main window.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <memory>
#include <vector>

#include "core/test_folder.h"
#include "gui/modal_script.h"
#include "gui/records/publisher_picker.h"
#include "gui/shell/main_window.h"
#include "gui/shell_fixture.h"
#include "gui/widget_lookup.h"
#include "records/publisher_table.h"
#include "resources/strings.h"
#include "store/publisher_status.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

using zelvo::CZelvoDoc;
using zelvo::ScriptedPrompts;
using zelvo::gui::DetailsOutcome;
using zelvo::gui::PublisherPickerDialog;
using zelvo::test::activate;
using zelvo::test::ModalScript;
using zelvo::test::person;

using zelvo::test::button;
using zelvo::test::child;
using zelvo::test::items;

using zelvo::test::current;

namespace {

// What the details dialog was asked to open, and what it answers.
struct DetailsStandIn {
    struct Call {
        bool student = false;
        std::vector<int> ids;
        int id = 0;
    };
    std::vector<Call> calls;
    DetailsOutcome answer;

    PublisherPickerDialog::DetailsOpener opener() {
        return [this](QWidget*, CZelvoDoc&, zelvo::UserPrompts&, bool student,
                      const std::vector<int>& ids, int id) {
            calls.push_back({student, ids, id});
            return answer;
        };
    }
};

// Alfa, Beta, Gama active; Dent a student; Ita inactive. Report month November 2026.
struct Congregation {
    CZelvoDoc doc;
    ScriptedPrompts prompts;
    DetailsStandIn details;

    explicit Congregation(bool students = true, bool inactive = true) {
        zelvo::applyReportMonthAtStart(doc.calendar, zelvo::test::kToday);
        zelvo::deriveReportMonth(doc.calendar);
        std::vector<zelvo::PublisherRecord> people = {
            person(101, "Anna", "Alfa"), person(102, "Bill", "Beta"), person(103, "Gus", "Gama")};
        if (students) people.push_back(person(2000, "Stu", "Dent", zelvo::kNonPublisher));
        if (inactive) people.push_back(person(104, "Ivo", "Ita", zelvo::kInactive));
        zelvo::test::addPeople(doc, people);
        doc.sortRows();
        doc.buildIndexes();
    }
    std::unique_ptr<PublisherPickerDialog> picker(bool students = false) {
        auto dialog = std::make_unique<PublisherPickerDialog>(doc, prompts, students, nullptr,
                                                              details.opener());
        dialog->show();
        return dialog;
    }
    zelvo::PublisherRecord& byId(int id) {
        return doc.publishers[static_cast<std::size_t>(*doc.findById(id))];
    }
};

}  // namespace

class PublisherPickerTest : public QObject {
    Q_OBJECT

private slots:
    void listsTheActivePublishersInOrder() {
        Congregation c;
        auto picker = c.picker();
        QCOMPARE(picker->windowTitle(), QStringLiteral("Επιλογή Ευαγγελιζομένου"));
        QCOMPARE(items(picker.get(), "publisherList"),
                 QStringList({"Alfa, Anna", "Beta, Bill", "Gama, Gus"}));
        QCOMPARE(current(picker.get(), "publisherList"), QStringLiteral("Alfa, Anna"));
        QCOMPARE(button(picker.get(), "editButton")->text(), QStringLiteral("Επεξεργασία..."));
        QCOMPARE(button(picker.get(), "addButton")->text(),
                 QStringLiteral("Προσθήκη Ευαγγελιζομένου"));
        QCOMPARE(button(picker.get(), "closeButton")->text(), QStringLiteral("Κλείσιμο"));
        QVERIFY(button(picker.get(), "editButton")->isVisible());
    }

    void editingPassesTheListAndSelectsWhoWasShownLast() {
        Congregation c;
        c.details.answer = {true, 103};
        auto picker = c.picker();
        child<QListWidget>(picker.get(), "publisherList")->setCurrentRow(1);
        QTest::mouseClick(button(picker.get(), "editButton"), Qt::LeftButton);
        QCOMPARE(c.details.calls.size(), std::size_t{1});
        QCOMPARE(c.details.calls[0].student, false);
        QCOMPARE(c.details.calls[0].ids, (std::vector<int>{101, 102, 103}));
        QCOMPARE(c.details.calls[0].id, 102);
        QCOMPARE(current(picker.get(), "publisherList"), QStringLiteral("Gama, Gus"));
        QVERIFY(picker->changed());

        // Enter on the list opens the details once.
        c.details.answer = {};
        QTest::keyClick(child<QListWidget>(picker.get(), "publisherList"), Qt::Key_Return);
        QCOMPARE(c.details.calls.size(), std::size_t{2});
        QCOMPARE(c.details.calls[1].id, 103);
    }

    void aRenamedPersonStaysSelectedInTheNewOrder() {
        Congregation c;
        auto picker = c.picker();
        c.details.answer = {true, 101};
        // The details dialog renamed Alfa to Zorba.
        c.byId(101).setText(zelvo::PublisherRecord::kLastName, "Zorba");
        zelvo::records::resortRenamed(c.doc, *c.doc.findById(101), c.prompts);
        QTest::mouseClick(button(picker.get(), "editButton"), Qt::LeftButton);
        QCOMPARE(items(picker.get(), "publisherList"),
                 QStringList({"Beta, Bill", "Gama, Gus", "Zorba, Anna"}));
        QCOMPARE(current(picker.get(), "publisherList"), QStringLiteral("Zorba, Anna"));
    }

    void typingTheFirstLettersFindsAName() {
        Congregation c;
        auto picker = c.picker();
        auto* list = child<QListWidget>(picker.get(), "publisherList");
        list->setFocus();
        QTest::keyClicks(list, "ga");
        QCOMPARE(current(picker.get(), "publisherList"), QStringLiteral("Gama, Gus"));
    }

    void withBothListsEmptyAddingOpensANewPersonAtOnce() {
        Congregation c(false, false);
        auto picker = c.picker();
        ModalScript none;
        QTest::mouseClick(button(picker.get(), "addButton"), Qt::LeftButton);
        QCOMPARE(none.handled(), 0);
        QCOMPARE(c.details.calls.size(), std::size_t{1});
        QCOMPARE(c.details.calls[0].id, 0);
        QCOMPARE(c.details.calls[0].student, false);
    }

    void anEmptyListHasNoEditButton() {
        Congregation c(false, false);
        CZelvoDoc empty;
        PublisherPickerDialog picker(empty, c.prompts, false, nullptr, c.details.opener());
        picker.show();
        QVERIFY(button(&picker, "editButton")->isHidden());
        QVERIFY(items(&picker, "publisherList").isEmpty());
    }

    void theAddChooserShowsOnlyTheButtonsThatApply() {
        Congregation c(true, false);
        auto picker = c.picker();
        bool students = false, inactive = true;
        ModalScript script;
        script.then([&](QWidget* chooser) {
            QCOMPARE(chooser->objectName(), QStringLiteral("addChooserDialog"));
            students = !button(chooser, "fromStudentsButton")->isHidden();
            inactive = !button(chooser, "fromInactiveButton")->isHidden();
            button(chooser, "newPersonButton")->click();
        });
        QTest::mouseClick(button(picker.get(), "addButton"), Qt::LeftButton);
        QVERIFY(script.done());
        QVERIFY(students);
        QVERIFY(!inactive);
        QCOMPARE(c.details.calls.size(), std::size_t{1});
        QCOMPARE(c.details.calls[0].id, 0);
    }

    void enterPressesTheFocusedButtonAndEditsFromTheList() {
        Congregation c(false, false);  // nobody to transfer: adding opens the details at once
        auto picker = c.picker();
        QVERIFY(activate(picker.get()));
        QPushButton* add = button(picker.get(), "addButton");
        add->setFocus();
        QTest::keyClick(add, Qt::Key_Return);
        QCOMPARE(c.details.calls.size(), std::size_t{1});
        QCOMPARE(c.details.calls[0].id, 0);
        auto* list = child<QListWidget>(picker.get(), "publisherList");
        QTRY_COMPARE(QApplication::focusWidget(), list);  // the new person was given up
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(c.details.calls.size(), std::size_t{2});
        QCOMPARE(c.details.calls[1].id, 101);
        QPushButton* close = button(picker.get(), "closeButton");
        close->setFocus();
        QTest::keyClick(close, Qt::Key_Return);
        QVERIFY(!picker->isVisible());
    }

    void anAddGivenUpLeavesTheFocusOnTheList() {
        Congregation c;
        auto picker = c.picker();
        QVERIFY(activate(picker.get()));
        auto* list = child<QListWidget>(picker.get(), "publisherList");
        QPushButton* add = button(picker.get(), "addButton");
        const auto focusIsOnTheList = [&] {
            QVERIFY(activate(picker.get()));  // as the desktop does when a dialog closes
            QTRY_COMPARE(QApplication::focusWidget(), list);
        };
        // Ακύρωση in the add chooser.
        ModalScript script;
        script.then([](QWidget* chooser) { button(chooser, "cancelButton")->click(); });
        QTest::mouseClick(add, Qt::LeftButton);
        QVERIFY(script.done());
        focusIsOnTheList();
        // Ακύρωση in the student's month, reached from the chooser by keyboard.
        script
            .then([](QWidget* chooser) {
                QPushButton* students = button(chooser, "fromStudentsButton");
                students->setFocus();
                QTest::keyClick(students, Qt::Key_Return);
            })
            .then([](QWidget* single) { button(single, "chooseButton")->click(); })
            .then([](QWidget* month) { button(month, "cancelButton")->click(); });
        QTest::mouseClick(add, Qt::LeftButton);
        QVERIFY(script.done());
        QCOMPARE(script.unexpected(), 0);
        focusIsOnTheList();
        // Ακύρωση of a new person's details; Enter on the chooser's first button.
        script.then([](QWidget* chooser) {
            QTest::keyClick(button(chooser, "newPersonButton"), Qt::Key_Return);
        });
        QTest::mouseClick(add, Qt::LeftButton);
        QVERIFY(script.done());
        QCOMPARE(c.details.calls.size(), std::size_t{1});
        QCOMPARE(c.details.calls[0].id, 0);
        focusIsOnTheList();
        // A person added: the focus stays on the button that added.
        c.details.answer = {true, 102};
        script.then([](QWidget* chooser) { button(chooser, "newPersonButton")->click(); });
        QTest::mouseClick(add, Qt::LeftButton);
        QVERIFY(script.done());
        QVERIFY(activate(picker.get()));
        QTRY_COMPARE(QApplication::focusWidget(), add);
    }

    void aStudentBecomesAPublisherInTheChosenMonth() {
        Congregation c;
        auto picker = c.picker();
        QString caption;
        QStringList offered;
        ModalScript script;
        script.then([](QWidget* chooser) { button(chooser, "fromStudentsButton")->click(); })
            .then([&](QWidget* single) {
                offered = items(single, "personList");
                child<QListWidget>(single, "personList")->setCurrentRow(0);
                button(single, "chooseButton")->click();
            })
            .then([&](QWidget* month) {
                caption = child<QGroupBox>(month, "captionGroup")->title();
                QCOMPARE(child<QComboBox>(month, "monthCombo")->currentIndex(), 10);
                QVERIFY(child<QListWidget>(month, "yearList")->isHidden());
                QVERIFY(child<QCheckBox>(month, "regularTick")->isHidden());
                child<QComboBox>(month, "monthCombo")->setCurrentIndex(11);  // December
                button(month, "okButton")->click();
            });
        QTest::mouseClick(button(picker.get(), "addButton"), Qt::LeftButton);
        QVERIFY(script.done());
        QCOMPARE(offered, QStringList({"Dent, Stu ( σ )"}));
        QCOMPARE(caption, QStringLiteral("Μήνας που Stu Dent έγινε ευαγγελιζόμενος"));

        const zelvo::PublisherRecord& r = c.byId(2000);
        QCOMPARE(int{r.kind()}, int{zelvo::kPublisher});
        QCOMPARE(int{r.statusFlags()}, 12 * 16 + zelvo::kMarkNew);
        QCOMPARE(int{r.statusSince()}, zelvo::absoluteMonth(25, 11));  // December of 2025
        QVERIFY(c.doc.isModified());
        QVERIFY(picker->changed());
        QCOMPARE(current(picker.get(), "publisherList"), QStringLiteral("Dent, Stu"));
        QVERIFY(c.details.calls.empty());
    }

    void cancellingTheMonthLeavesTheStudentAStudent() {
        Congregation c;
        auto picker = c.picker();
        ModalScript script;
        script.then([](QWidget* chooser) { button(chooser, "fromStudentsButton")->click(); })
            .then([](QWidget* single) { button(single, "chooseButton")->click(); })
            .then([](QWidget* month) { button(month, "cancelButton")->click(); });
        QTest::mouseClick(button(picker.get(), "addButton"), Qt::LeftButton);
        QVERIFY(script.done());
        QCOMPARE(int{c.byId(2000).kind()}, int{zelvo::kNonPublisher});
        QVERIFY(!c.doc.isModified());
        QVERIFY(!picker->changed());
        QCOMPARE(items(picker.get(), "publisherList").size(), 3);
    }

    void anInactivePersonComesBackReactivated() {
        Congregation c(false, true);
        c.byId(104).setByte(zelvo::PublisherRecord::kStatusFlags, 3 * 16);
        c.byId(104).setByte(zelvo::PublisherRecord::kStatusFlags2, 26);
        auto picker = c.picker();
        QString caption;
        ModalScript script;
        script.then([](QWidget* chooser) { button(chooser, "fromInactiveButton")->click(); })
            .then([](QWidget* single) { button(single, "chooseButton")->click(); })
            .then([&](QWidget* month) {
                caption = child<QGroupBox>(month, "captionGroup")->title();
                button(month, "okButton")->click();  // the report month
            });
        QTest::mouseClick(button(picker.get(), "addButton"), Qt::LeftButton);
        QVERIFY(script.done());
        QCOMPARE(caption, QStringLiteral("Μήνας που Ivo Ita επαναδραστηριοποιήθηκε"));
        const zelvo::PublisherRecord& r = c.byId(104);
        QCOMPARE(int{r.kind()}, int{zelvo::kPublisher});
        QCOMPARE(int{r.statusFlags()}, 11 * 16 + zelvo::kMarkReactivated);
        QCOMPARE(current(picker.get(), "publisherList"), QStringLiteral("Ita, Ivo"));
    }

    void aFullTableIsToldBeforeAnythingIsTyped() {
        Congregation c(false, false);
        while (c.doc.recordCount() < CZelvoDoc::kMaxRows)
            c.doc.publishers.push_back(
                person(static_cast<std::uint16_t>(200 + c.doc.recordCount()), "X", "Zz"));
        auto picker = c.picker();
        QTest::mouseClick(button(picker.get(), "addButton"), Qt::LeftButton);
        QVERIFY(c.details.calls.empty());
        QCOMPARE(c.prompts.messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(c.prompts.messages[0]),
                 QString(zelvo::res::kTableFull.data()));
    }

    void theStudentsPickerAddsAndEditsStudents() {
        Congregation c;
        auto picker = c.picker(true);
        QCOMPARE(picker->windowTitle(), QStringLiteral("Επέλεξε Σπουδαστή"));
        QCOMPARE(items(picker.get(), "publisherList"), QStringList({"Dent, Stu ( σ )"}));
        QCOMPARE(button(picker.get(), "addButton")->text(),
                 QStringLiteral("<<<    &Πρόσθεσε    <<<"));
        ModalScript none;
        QTest::mouseClick(button(picker.get(), "addButton"), Qt::LeftButton);
        QCOMPARE(none.handled(), 0);
        QTest::mouseClick(button(picker.get(), "editButton"), Qt::LeftButton);
        QCOMPARE(c.details.calls.size(), std::size_t{2});
        QCOMPARE(c.details.calls[0].student, true);
        QCOMPARE(c.details.calls[0].id, 0);
        QCOMPARE(c.details.calls[1].id, 2000);
        QCOMPARE(c.details.calls[1].ids, (std::vector<int>{2000}));
    }

    void asAChooserItReturnsTheChosenRow() {
        Congregation c;
        ModalScript script;
        script
            .then([](QWidget* picker) {
                QVERIFY(button(picker, "addButton")->isHidden());
                QCOMPARE(button(picker, "editButton")->text(), QStringLiteral("&Επιλογή"));
                QCOMPARE(button(picker, "closeButton")->text(), QStringLiteral("&Ακύρωση"));
                child<QListWidget>(picker, "publisherList")->setCurrentRow(2);
                button(picker, "editButton")->click();
            })
            .then([](QWidget* picker) { button(picker, "closeButton")->click(); });
        const auto chosen = zelvo::gui::choosePublisherRow(nullptr, c.doc);
        QVERIFY(chosen.has_value());
        QCOMPARE(c.doc.publishers[static_cast<std::size_t>(*chosen)].id(), 103);
        QVERIFY(!zelvo::gui::choosePublisherRow(nullptr, c.doc).has_value());
        QVERIFY(script.done());
    }

    void theEditMenuOpensBothPickers() {
        zelvo::test::DataFolder folder(12);
        QVERIFY(folder.ok());
        ScriptedPrompts prompts;
        CZelvoDoc doc;
        doc.startUp(folder.str(), zelvo::test::kToday, zelvo::LoadMode::Live);
        QVERIFY(doc.load(prompts, zelvo::LoadMode::Live).ok);
        zelvo::gui::CMainFrame window(doc, prompts);
        window.show();
        QStringList titles;
        ModalScript script;
        const auto closePicker = [&titles](QWidget* picker) {
            titles << picker->windowTitle();
            button(picker, "closeButton")->click();
        };
        script.then(closePicker).then(closePicker);
        window.runCommand(zelvo::shell::CommandId::EditPublishers);
        window.runCommand(zelvo::shell::CommandId::EditStudents);
        QVERIFY(script.done());
        QCOMPARE(titles, QStringList({QStringLiteral("Επιλογή Ευαγγελιζομένου"),
                                      QStringLiteral("Επέλεξε Σπουδαστή")}));
        QVERIFY(!doc.isModified());
    }
};

QTEST_MAIN(PublisherPickerTest)
#include "publisher_picker_test.moc"
