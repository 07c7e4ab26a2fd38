// The details dialog on the real widgets over a demo congregation: editing and storing a
// publisher, renaming, the ticks' exclusions, Enter moving on, Next wrapping, adding with the
// duplicate question answered by scripted prompts, and the student variant.
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "gui/modal_script.h"
#include "gui/records/publisher_details_dialog.h"
#include "gui/shell/qt_prompts.h"
#include "gui/shell/qt_text.h"
#include "gui/typing.h"
#include "gui/widget_lookup.h"
#include "records/publisher_details_model.h"
#include "resources/strings.h"
#include "shell_fixture.h"
#include "store/cp1253.h"

using namespace zelvo;
using test::ModalScript;
using test::typeText;

using zelvo::test::child;
using zelvo::test::click;
using zelvo::test::saveScreenshot;

using zelvo::test::retype;

namespace {

void toggle(QWidget* dialog, const char* name) {
    child<QCheckBox>(dialog, name)->click();
}

// Replaces the text of an edit as the keyboard would.

void choose(QWidget* dialog, const char* name, int index) {
    auto* list = child<QComboBox>(dialog, name);
    list->setCurrentIndex(index);
    emit list->activated(index);
}

// Accepts every modal dialog other than `ours` (the status dialog asked before adding) for as
// long as it lives.
class AcceptOthers : public QObject {
public:
    AcceptOthers() {
        timer_.setInterval(10);
        connect(&timer_, &QTimer::timeout, this, [] {
            auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (modal == nullptr || modal->objectName() == QLatin1String("publisherDetailsDialog"))
                return;
            if (auto* ok = modal->findChild<QPushButton*>(QStringLiteral("okButton")))
                ok->click();
            else
                modal->accept();
        });
        timer_.start();
    }

private:
    QTimer timer_;
};

struct Session {
    test::DataFolder folder{60};
    CZelvoDoc doc;
    ScriptedPrompts prompts;

    Session() {
        doc.startUp(folder.str(), test::kToday, LoadMode::Live);
        QVERIFY(doc.load(prompts, LoadMode::Live).ok);
        gui::detailsClipboard().remembered.reset();
    }
    std::vector<int> ids(int kind) const {
        std::vector<int> out;
        for (const IndexEntry& e : doc.kindLists[static_cast<std::size_t>(kind)])
            out.push_back(e.id);
        return out;
    }
    const PublisherRecord& byId(int id) const {
        return doc.publishers[static_cast<std::size_t>(doc.findById(id).value_or(0))];
    }
    int idWhere(int kind, const std::function<bool(const PublisherRecord&)>& test) const {
        for (int id : ids(kind))
            if (test(byId(id))) return id;
        return 0;
    }
    gui::DetailsOutcome run(ModalScript& script, bool student, int id) {
        const auto outcome =
            gui::runPublisherDetails(nullptr, doc, prompts, student, ids(student ? 2 : 0), id);
        if (!script.done()) qWarning("the dialog did not run every step");
        return outcome;
    }
    bool sorted() const {
        for (std::size_t row = 2; row < doc.publishers.size(); ++row)
            if (doc.sortKey(doc.publishers[row]) < doc.sortKey(doc.publishers[row - 1]))
                return false;
        return true;
    }
};

QString utf8Of(const std::string& recordText) {
    return gui::qtText(cp1253::toUtf8(recordText));
}

}  // namespace

class PublisherDetailsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("ZELVO_TODAY", "2026-12-08"); }

    void editingAPublisherStoresTheFieldsOnOk() {
        Session s;
        const int id = s.idWhere(0, [](const PublisherRecord& r) { return r.consentGiven() == 0; });
        QString shownName;
        QString words;
        ModalScript script;
        script.then([&](QWidget* dialog) {
            dialog->resize(dialog->sizeHint());
            saveScreenshot(dialog, "details-publisher.png");
            QCOMPARE(dialog->windowTitle(),
                     QStringLiteral("Επεξεργασία Στοιχείων Ευαγγελιζομένου"));
            shownName = child<QLineEdit>(dialog, "lastNameEdit")->text();
            retype(dialog, "phoneMobileEdit", QStringLiteral("6912345678"));
            retype(dialog, "addressEdit", QStringLiteral("  Οδός Αθηνάς 12  "));
            choose(dialog, "birthMonth", 3);
            choose(dialog, "birthDay", 15);
            auto* years = child<QComboBox>(dialog, "birthYear");
            choose(dialog, "birthYear", years->findText(QStringLiteral("1980")));
            words = child<QLabel>(dialog, "birthWords")->text();
            if (!child<QCheckBox>(dialog, "consentCheck")->isChecked())
                toggle(dialog, "consentCheck");
            QVERIFY(child(dialog, "consentMonth")->isVisible());
            click(dialog, "okButton");
        });
        const auto outcome = s.run(script, false, id);
        QVERIFY(outcome.changed);
        QCOMPARE(outcome.currentId, id);
        const PublisherRecord& r = s.byId(id);
        QCOMPARE(utf8Of(r.lastName()), shownName);
        QCOMPARE(r.phoneMobile(), std::string("6912345678"));
        QCOMPARE(utf8Of(r.address()), QStringLiteral("Οδός Αθηνάς 12"));
        QCOMPARE(r.birthDate(), std::string("03151980"));
        QCOMPARE(words, QStringLiteral("15 Μαρτίου 1980"));
        QCOMPARE(r.consentGiven(), std::uint8_t{1});
        QVERIFY(std::any_of(
            s.doc.appointments.begin(), s.doc.appointments.end(),
            [&](const auto& a) { return a.publisherId() == id && a.appointmentKind() == 20; }));
        QVERIFY(s.doc.isModified());
    }

    void cancelLeavesTheTableAsItWas() {
        Session s;
        const auto before = s.doc.publishers;
        ModalScript script;
        script.then([](QWidget* dialog) {
            retype(dialog, "lastNameEdit", QStringLiteral("Άλλο"));
            toggle(dialog, "femaleCheck");
            click(dialog, "cancelButton");
        });
        const auto outcome = s.run(script, false, s.ids(0).at(0));
        QVERIFY(!outcome.changed);
        QVERIFY(std::equal(before.begin(), before.end(), s.doc.publishers.begin(),
                           s.doc.publishers.end(),
                           [](const auto& a, const auto& b) { return a.bytes == b.bytes; }));
    }

    void renamingKeepsTheTableSorted() {
        Session s;
        const int id = s.ids(0).at(0);
        const int rowBefore = s.doc.findById(id).value();
        ModalScript script;
        script.then([](QWidget* dialog) {
            retype(dialog, "lastNameEdit", QStringLiteral("Ωωω"));
            click(dialog, "okButton");
        });
        s.run(script, false, id);
        QCOMPARE(utf8Of(s.byId(id).lastName()), QStringLiteral("Ωωω"));
        QVERIFY(s.doc.findById(id).value() > rowBefore);
        QVERIFY(s.sorted());
        QCOMPARE(s.ids(0).back(), id);
    }

    void femaleClearsElderAndMaleOnScreen() {
        Session s;
        const int elder =
            s.idWhere(0, [](const PublisherRecord& r) { return (r.privileges() & 3) == 2; });
        QVERIFY(elder != 0);
        bool elderBefore = false, elderAfter = true, maleAfter = true;
        ModalScript script;
        script.then([&](QWidget* dialog) {
            elderBefore = child<QCheckBox>(dialog, "elderCheck")->isChecked();
            toggle(dialog, "femaleCheck");
            elderAfter = child<QCheckBox>(dialog, "elderCheck")->isChecked();
            maleAfter = child<QCheckBox>(dialog, "maleCheck")->isChecked();
            click(dialog, "okButton");
        });
        s.run(script, false, elder);
        QVERIFY(elderBefore);
        QVERIFY(!elderAfter);
        QVERIFY(!maleAfter);
        QCOMPARE(s.byId(elder).privileges() & 0x63, 0x40);
    }

    void enterMovesOnUnlessTheFocusIsOnOk() {
        Session s;
        QString afterFirst;
        bool openAfterEnter = false;
        ModalScript script;
        script.then([&](QWidget* dialog) {
            auto* first = child<QLineEdit>(dialog, "firstNameEdit");
            first->setFocus();
            QTest::keyClick(first, Qt::Key_Return);
            afterFirst = dialog->focusWidget() ? dialog->focusWidget()->objectName() : QString();
            openAfterEnter = dialog->isVisible();
            auto* ok = child<QPushButton>(dialog, "okButton");
            ok->setFocus();
            QTest::keyClick(ok, Qt::Key_Return);
        });
        const auto outcome = s.run(script, false, s.ids(0).at(1));
        QVERIFY(openAfterEnter);
        QCOMPARE(afterFirst, QStringLiteral("lastNameEdit"));
        QVERIFY(outcome.changed);  // OK stored
    }

    void nextOnTheLastWrapsToTheFirst() {
        Session s;
        const std::vector<int> list = s.ids(0);
        QString shown;
        ModalScript script;
        script.then([&](QWidget* dialog) {
            retype(dialog, "phoneWorkEdit", QStringLiteral("2100000000"));
            click(dialog, "nextButton");
            shown = child<QLineEdit>(dialog, "lastNameEdit")->text();
            click(dialog, "cancelButton");
        });
        const auto outcome = s.run(script, false, list.back());
        QCOMPARE(shown, utf8Of(s.byId(list.front()).lastName()));
        QCOMPARE(outcome.currentId, list.front());
        QCOMPARE(s.byId(list.back()).phoneWork(), std::string("2100000000"));
    }

    void noToADuplicateGoesBackToTheTypingAndAddsNothing() {
        Session s;
        const PublisherRecord existing = s.byId(s.ids(0).at(3));
        const int count = s.doc.recordCount();
        s.prompts.answers = {Answer::No};
        bool hidden = false, openAfterNo = false;
        QString lastAfterNo, mobileAfterNo;
        ModalScript script;
        script.then([&](QWidget* dialog) {
            hidden = !child(dialog, "deleteButton")->isVisible() &&
                     !child(dialog, "previousButton")->isVisible() &&
                     !child(dialog, "nextButton")->isVisible() &&
                     !child(dialog, "copyButton")->isVisible();
            typeText(child(dialog, "firstNameEdit"), utf8Of(existing.firstName()));
            typeText(child(dialog, "lastNameEdit"), utf8Of(existing.lastName()));
            typeText(child(dialog, "phoneMobileEdit"), QStringLiteral("6999888777"));
            click(dialog, "okButton");
            openAfterNo = dialog->isVisible();
            lastAfterNo = child<QLineEdit>(dialog, "lastNameEdit")->text();
            mobileAfterNo = child<QLineEdit>(dialog, "phoneMobileEdit")->text();
            click(dialog, "cancelButton");  // "Ακύρωση" discards without asking
        });
        AcceptOthers statusDialog;
        const auto outcome = s.run(script, false, 0);
        QVERIFY(hidden);
        QVERIFY(openAfterNo);
        QCOMPARE(lastAfterNo, utf8Of(existing.lastName()));
        QCOMPARE(mobileAfterNo, QStringLiteral("6999888777"));
        QCOMPARE(s.prompts.questions.size(), std::size_t{1});
        QVERIFY(gui::qtText(s.prompts.questions[0]).contains(QStringLiteral("Διπλό Όνομα.")));
        QCOMPARE(s.doc.recordCount(), count);
        QCOMPARE(outcome.currentId, 0);
        QVERIFY(!outcome.changed);
    }

    void escapeAsksOnlyWhenSomethingChanged() {
        Session s;
        const int id = s.ids(0).at(2);
        const std::string phoneBefore = s.byId(id).phoneWork();
        // Unchanged: Escape closes at once.
        ModalScript untouched;
        untouched.then([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
        s.run(untouched, false, id);
        QVERIFY(untouched.done());
        QVERIFY(s.prompts.questions.empty());

        // Changed: Cancel stays with the typing, No closes without storing.
        s.prompts.answers = {Answer::Cancel, Answer::No};
        bool openAfterCancel = false;
        QString typedAfterCancel;
        ModalScript changed;
        changed.then([&](QWidget* dialog) {
            retype(dialog, "phoneWorkEdit", QStringLiteral("2109999999"));
            QTest::keyClick(dialog, Qt::Key_Escape);
            openAfterCancel = dialog->isVisible();
            typedAfterCancel = child<QLineEdit>(dialog, "phoneWorkEdit")->text();
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        const auto no = s.run(changed, false, id);
        QVERIFY(openAfterCancel);
        QCOMPARE(typedAfterCancel, QStringLiteral("2109999999"));
        QCOMPARE(s.prompts.questions.size(), std::size_t{2});
        QCOMPARE(s.prompts.questions[0], std::string("Να αποθηκευτούν οι αλλαγές;"));
        QVERIFY(!no.changed);
        QCOMPARE(s.byId(id).phoneWork(), phoneBefore);
        QVERIFY(!s.doc.isModified());

        // Yes stores as OK does.
        s.prompts.answers = {Answer::Yes};
        ModalScript yes;
        yes.then([](QWidget* dialog) {
            retype(dialog, "phoneWorkEdit", QStringLiteral("2108888888"));
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QVERIFY(s.run(yes, false, id).changed);
        QCOMPARE(s.byId(id).phoneWork(), std::string("2108888888"));
    }

    void yesAtEscapeIsRefusedLikeOkAndTheDialogStays() {
        Session s;
        const int id = s.ids(0).at(2);
        const std::string lastBefore = s.byId(id).lastName();
        s.prompts.answers = {Answer::Yes};
        bool openAfterYes = false;
        ModalScript script;
        script.then([&](QWidget* dialog) {
            retype(dialog, "lastNameEdit", QString());
            QTest::keyClick(dialog, Qt::Key_Escape);
            openAfterYes = dialog->isVisible();
            click(dialog, "cancelButton");
        });
        s.run(script, false, id);
        QVERIFY(openAfterYes);
        QCOMPARE(s.prompts.messages.size(), std::size_t{1});  // no last name
        QCOMPARE(s.byId(id).lastName(), lastBefore);
    }

    // The question itself, as the program shows it: the exit question's three buttons.
    void theEscapeQuestionHasTheExitQuestionsButtons() {
        Session s;
        gui::QtPrompts prompts;
        QStringList buttons;
        QString question;
        bool openAfterCancel = false;
        ModalScript script;
        script
            .then([](QWidget* dialog) {
                retype(dialog, "phoneWorkEdit", QStringLiteral("2107777777"));
                QTimer::singleShot(0, dialog,
                                   [dialog] { QTest::keyClick(dialog, Qt::Key_Escape); });
            })
            .then([&](QWidget* box) {
                auto* message = qobject_cast<QMessageBox*>(box);
                QVERIFY(message != nullptr);
                question = message->text();
                for (QAbstractButton* b : message->buttons()) buttons << b->text();
                buttons.sort();
                click(box, "cancelButton");
            })
            .then([&](QWidget* dialog) {
                openAfterCancel = dialog->isVisible();
                click(dialog, "cancelButton");
            });
        gui::runPublisherDetails(nullptr, s.doc, prompts, false, s.ids(0), s.ids(0).at(2));
        QVERIFY(script.done());
        QCOMPARE(question, QStringLiteral("Να αποθηκευτούν οι αλλαγές;"));
        QCOMPARE(buttons, QStringList({QStringLiteral("Όχι"), QStringLiteral("Ακύρωση"),
                                       QStringLiteral("Ναι")}));  // sorted
        QVERIFY(openAfterCancel);
    }

    void anImpossibleDateIsToldAtTheFieldAndRefused() {
        Session s;
        const int id = s.ids(0).at(4);
        const std::string birthBefore = s.byId(id).birthDate();
        QString words, wordsAfterFix, focusAfterOk;
        bool openAfterOk = false;
        ModalScript script;
        script.then([&](QWidget* dialog) {
            auto* years = child<QComboBox>(dialog, "birthYear");
            choose(dialog, "birthYear", years->findText(QStringLiteral("2020")));
            choose(dialog, "birthMonth", 2);
            choose(dialog, "birthDay", 31);
            words = child<QLabel>(dialog, "birthWords")->text();
            click(dialog, "okButton");
            openAfterOk = dialog->isVisible();
            focusAfterOk = dialog->focusWidget() ? dialog->focusWidget()->objectName() : QString();
            choose(dialog, "birthDay", 29);
            wordsAfterFix = child<QLabel>(dialog, "birthWords")->text();
            click(dialog, "okButton");
        });
        s.run(script, false, id);
        QCOMPARE(words, QStringLiteral("Δεν υπάρχει: ο Φεβρουάριος του 2020 έχει 29 ημέρες"));
        QVERIFY(openAfterOk);
        QCOMPARE(focusAfterOk, QStringLiteral("birthDay"));
        QCOMPARE(s.prompts.messages.size(), std::size_t{1});
        QVERIFY(gui::qtText(s.prompts.messages[0])
                    .startsWith(QStringLiteral("Η ημερομηνία γέννησης δεν υπάρχει")));
        QCOMPARE(wordsAfterFix, QStringLiteral("29 Φεβρουαρίου 2020"));
        QCOMPARE(s.byId(id).birthDate(), std::string("02292020"));
        QVERIFY(birthBefore != s.byId(id).birthDate());
    }

    void aBaptismBeforeTheBirthIsNotedButStored() {
        Session s;
        const int id = s.ids(0).at(5);
        QString note;
        bool noteShown = false, noteShownAfter = true;
        ModalScript script;
        script.then([&](QWidget* dialog) {
            auto* years = child<QComboBox>(dialog, "birthYear");
            choose(dialog, "birthMonth", 5);
            choose(dialog, "birthDay", 10);
            choose(dialog, "birthYear", years->findText(QStringLiteral("1990")));
            choose(dialog, "baptismMonth", 5);
            choose(dialog, "baptismDay", 9);
            choose(dialog, "baptismYear", years->findText(QStringLiteral("1990")));
            note = child<QLabel>(dialog, "datesNote")->text();
            noteShown = child(dialog, "datesNote")->isVisible();
            // For the screenshot: the notes of a name and of a date that does not exist too.
            retype(dialog, "lastNameEdit", QStringLiteral("Παπαδοπουλόπουλος"));
            choose(dialog, "consentDay", 31);
            choose(dialog, "consentMonth", 4);
            dialog->resize(dialog->sizeHint());
            saveScreenshot(dialog, "details-notes.png");
            retype(dialog, "lastNameEdit", QStringLiteral("Παπαδάκης"));
            choose(dialog, "consentDay", 30);
            choose(dialog, "baptismDay", 10);
            noteShownAfter = child(dialog, "datesNote")->isVisible();
            choose(dialog, "baptismDay", 9);
            click(dialog, "okButton");
        });
        s.run(script, false, id);
        QCOMPARE(note,
                 QStringLiteral("Προσοχή: η ημερομηνία βαφτίσματος είναι πριν από τη γέννηση."));
        QVERIFY(noteShown);
        QVERIFY(!noteShownAfter);  // the same day is not before
        QVERIFY(s.prompts.messages.empty());
        QCOMPARE(s.byId(id).baptismDate(), std::string("05091990"));
    }

    void theNoteUnderTheNamesShowsWhatWillBeStored() {
        Session s;
        const int id = s.ids(0).at(6);
        QString cut, initial, afterLeaving, shownFirst, cleared;
        ModalScript script;
        script.then([&](QWidget* dialog) {
            QVERIFY(test::activate(dialog));
            auto* note = child<QLabel>(dialog, "namesNote");
            retype(dialog, "lastNameEdit", QStringLiteral("Παπαδοπουλόπουλος"));  // 17
            cut = note->text();
            retype(dialog, "lastNameEdit", QStringLiteral("Παπαδοπουλίδης"));  // 14
            retype(dialog, "firstNameEdit", QStringLiteral("Κωνσταντίνος"));   // 12
            initial = note->text();
            child(dialog, "addressEdit")->setFocus();
            shownFirst = child<QLineEdit>(dialog, "firstNameEdit")->text();
            afterLeaving = note->text();
            retype(dialog, "firstNameEdit", QStringLiteral("Κώστας"));
            cleared = note->text();
            click(dialog, "okButton");
        });
        s.run(script, false, id);
        QCOMPARE(cut, QStringLiteral("«Παπαδοπουλόπουλος» θα αποθηκευτεί ως «Παπαδοπουλόπου»: "
                                     "το πεδίο χωράει 14 γράμματα."));
        const QString rule = QStringLiteral(
            "Το όνομα «Κωνσταντίνος» θα αποθηκευτεί ως «Κ.»: "
            "όνομα και επίθετο μαζί χωρούν 23 γράμματα.");
        QCOMPARE(initial, rule);
        QCOMPARE(shownFirst, QStringLiteral("Κ."));
        QCOMPARE(afterLeaving, rule);
        QCOMPARE(cleared, QString());
        QCOMPARE(utf8Of(s.byId(id).firstName()), QStringLiteral("Κώστας"));
        QCOMPARE(utf8Of(s.byId(id).lastName()), QStringLiteral("Παπαδοπουλίδης"));
    }

    void theWidthStaysWhateverTheGroupCaption() {
        Session s;
        const std::vector<int> list = s.ids(0);
        // The first person in no group, the second in a group with a long overseer's name.
        auto& groups = s.doc.groups;
        groups.setUseLabel(2, 0);
        groups.setText(ServiceGroupTable::overseerField(2),
                       cp1253::fromUtf8("Παπαδοπουλόπουλος Κωνστ"));
        s.doc.publishers[static_cast<std::size_t>(s.doc.findById(list[0]).value())].setByte(
            PublisherRecord::kGroupNumber, 0);
        s.doc.publishers[static_cast<std::size_t>(s.doc.findById(list[1]).value())].setByte(
            PublisherRecord::kGroupNumber, 2);
        int widthBefore = 0, widthAfter = 0;
        QPoint okBefore, okAfter;
        QString caption;
        ModalScript script;
        script.then([&](QWidget* dialog) {
            widthBefore = dialog->width();
            okBefore = child(dialog, "okButton")->mapTo(dialog, QPoint());
            click(dialog, "nextButton");
            QApplication::processEvents();
            widthAfter = dialog->width();
            okAfter = child(dialog, "okButton")->mapTo(dialog, QPoint());
            caption = child<QPushButton>(dialog, "groupButton")->text();
            click(dialog, "cancelButton");
        });
        s.run(script, false, list[0]);
        QCOMPARE(caption, QStringLiteral("( &Όμιλος #2 ) Παπαδοπουλόπουλος Κωνστ"));
        QCOMPARE(widthAfter, widthBefore);
        QCOMPARE(okAfter, okBefore);
    }

    void addingANewPublisherInsertsItInItsPlace() {
        Session s;
        const int expectedId = s.doc.nextFreeId(100);
        const int count = s.doc.recordCount();
        bool openAfterBlank = false;
        ModalScript script;
        script.then([&](QWidget* dialog) {
            typeText(child(dialog, "firstNameEdit"), QStringLiteral("Ελένη"));
            click(dialog, "okButton");  // no last name yet
            openAfterBlank = dialog->isVisible();
            typeText(child(dialog, "lastNameEdit"), QStringLiteral("Ανδρέου"));
            click(dialog, "okButton");
        });
        AcceptOthers statusDialog;
        const auto outcome = s.run(script, false, 0);
        QVERIFY(openAfterBlank);
        QCOMPARE(s.prompts.messages.size(), std::size_t{1});
        QCOMPARE(s.doc.recordCount(), count + 1);
        QCOMPARE(outcome.currentId, expectedId);
        QCOMPARE(utf8Of(s.byId(expectedId).lastName()), QStringLiteral("Ανδρέου"));
        QCOMPARE(int{s.byId(expectedId).kind()}, int{kPublisher});
        QVERIFY(s.sorted());
    }

    void theStudentVariantHidesThePublisherControls() {
        Session s;
        const int id = s.ids(2).at(0);
        QString title, conductorText;
        bool publisherHidden = false, studentShown = false;
        ModalScript script;
        script.then([&](QWidget* dialog) {
            dialog->resize(dialog->sizeHint());
            saveScreenshot(dialog, "details-student.png");
            title = dialog->windowTitle();
            publisherHidden = !child(dialog, "birthMonth")->isVisible() &&
                              !child(dialog, "baptismMonth")->isVisible() &&
                              !child(dialog, "elderCheck")->isVisible() &&
                              !child(dialog, "regularCheck")->isVisible() &&
                              !child(dialog, "anointedCheck")->isVisible() &&
                              !child(dialog, "statusButton")->isVisible() &&
                              !child(dialog, "copyButton")->isVisible() &&
                              !child(dialog, "previousButton")->isVisible() &&
                              !child(dialog, "nextButton")->isVisible();
            studentShown = child(dialog, "conductorButton")->isVisible() &&
                           child(dialog, "deleteButton")->isEnabled() &&
                           child(dialog, "maleCheck")->isVisible();
            conductorText = child<QPushButton>(dialog, "conductorButton")->text();
            click(dialog, "cancelButton");
        });
        s.run(script, true, id);
        QCOMPARE(title, QStringLiteral("Επεξεργασία Σπουδαστή"));
        QVERIFY(publisherHidden);
        QVERIFY(studentShown);
        QVERIFY(conductorText == QStringLiteral("Επέλεξε Οδηγό Γραφικής Μελέτης") ||
                conductorText == QStringLiteral("Διαγραφή Οδηγού Γραφικής Μελέτης"));
    }

    void aStudentIsDeletedAfterTheQuestion() {
        Session s;
        const int id = s.ids(2).at(0);
        const int count = s.doc.recordCount();
        s.prompts.answers = {Answer::Yes};
        ModalScript script;
        script.then([](QWidget* dialog) { click(dialog, "deleteButton"); });
        const auto outcome = s.run(script, true, id);
        QVERIFY(outcome.changed);
        QCOMPARE(outcome.currentId, 0);
        QVERIFY(!s.doc.findById(id).has_value());
        QCOMPARE(s.doc.recordCount(), count - 1);
        QVERIFY(
            gui::qtText(s.prompts.questions.at(0)).startsWith(QStringLiteral("Θέλεις αλήθεια")));
    }

    void aNewStudentNeedsTwoLettersOfLastName() {
        Session s;
        const int expectedId = s.doc.nextFreeId(2000);
        bool openAfterOne = false;
        ModalScript script;
        script.then([&](QWidget* dialog) {
            QVERIFY(!child(dialog, "deleteButton")->isVisible());
            typeText(child(dialog, "lastNameEdit"), QStringLiteral("Κ"));
            click(dialog, "okButton");
            openAfterOne = dialog->isVisible();
            typeText(child(dialog, "lastNameEdit"), QStringLiteral("ώστα"));
            click(dialog, "okButton");
        });
        const auto outcome = s.run(script, true, 0);
        QVERIFY(openAfterOne);
        QCOMPARE(outcome.currentId, expectedId);
        QCOMPARE(int{s.byId(expectedId).kind()}, int{kNonPublisher});
        QCOMPARE(utf8Of(s.byId(expectedId).lastName()), QStringLiteral("Κώστα"));
    }

    void everyControlFitsOnA1024x768Screen() {
        Session s;
        QSize publisher, student;
        ModalScript script;
        script.then([&](QWidget* dialog) {
            publisher = dialog->sizeHint();
            click(dialog, "cancelButton");
        });
        s.run(script, false, s.ids(0).at(0));
        ModalScript second;
        second.then([&](QWidget* dialog) {
            student = dialog->sizeHint();
            click(dialog, "cancelButton");
        });
        s.run(second, true, s.ids(2).at(0));
        QVERIFY2(
            publisher.width() <= 1024 && publisher.height() <= 740,
            qPrintable(QStringLiteral("%1x%2").arg(publisher.width()).arg(publisher.height())));
        QVERIFY(student.width() <= 1024 && student.height() <= 740);
    }
};

QTEST_MAIN(PublisherDetailsDialogTest)
#include "publisher_details_dialog_test.moc"
