// The person chooser on the real widgets, driven with the keyboard: a group chosen on the right
// and selected, one person more picked on the left, OK returning the ids; importing, the counts
// follow the radio choice and OK hides past the list's limit.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "gui/modal_script.h"
#include "gui/records/person_chooser_dialog.h"
#include "gui/shell_fixture.h"
#include "gui/widget_lookup.h"
#include "store/cp1253.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

using zelvo::PublisherRecord;
using zelvo::records::ChooserPurpose;
using zelvo::records::ChooserSetup;
using zelvo::records::chooserSetup;
using zelvo::test::activate;
using zelvo::test::child;
using zelvo::test::ModalScript;

namespace {

void key(QWidget* dialog, const char* name, Qt::Key k) {
    QWidget* w = child<QWidget>(dialog, name);
    w->setFocus();
    QTest::keyClick(w, k);
}

QString labelText(QWidget* dialog, const char* name) {
    return child<QLabel>(dialog, name)->text();
}

bool shown(QWidget* dialog, const char* name) {
    return child<QWidget>(dialog, name)->isVisible();
}

}  // namespace

class PersonChooserDialogTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    zelvo::CZelvoDoc doc;

    void add(std::uint16_t id, const char* first, const char* last, int g) {
        PublisherRecord r;
        r.setId(id);
        r.setKind(zelvo::kPublisher);
        r.setText(PublisherRecord::kFirstName, zelvo::cp1253::fromUtf8(first));
        r.setText(PublisherRecord::kLastName, zelvo::cp1253::fromUtf8(last));
        r.setByte(PublisherRecord::kGroupNumber, static_cast<std::uint8_t>(g));
        doc.publishers.push_back(r);
    }

private slots:
    void initTestCase() {
        doc.startUp(dir.path().toStdString(), zelvo::test::kToday, zelvo::LoadMode::Live);
        zelvo::ScriptedPrompts none;
        QVERIFY(doc.load(none, zelvo::LoadMode::Live).ok);
        add(120, "Ζωή", "Ζαχαρίου", 2);
        add(121, "Αλέξης", "Βλάχος", 2);
        add(122, "Ιωάννης", "Ιωάννου", 1);
        doc.sortRows();
        doc.countAllKinds();
        doc.buildIndexes();
        doc.groups.setText(zelvo::ServiceGroupTable::overseerField(2),
                           zelvo::cp1253::fromUtf8("Αλέξης Βλάχος"));
        doc.groups.setGroupCount(2);
    }

    void groupChosenAndSelectedWithTheKeyboard() {
        QStringList people;
        QString overseer;
        ModalScript script;
        script.then([&](QWidget* d) {
            const auto* list = child<QListWidget>(d, "personList");
            for (int i = 0; i < list->count(); ++i) people << list->item(i)->text();
            key(d, "groupList", Qt::Key_Down);  // group 1
            key(d, "groupList", Qt::Key_Down);  // group 2
            overseer = labelText(d, "overseerLabel");
            key(d, "selectButton", Qt::Key_Space);
            key(d, "selectButton", Qt::Key_Space);  // twice: the same people
            // Ιωάννης (group 1) too: the list's last entry, toggled with the space bar.
            auto* names = child<QListWidget>(d, "personList");
            names->setFocus();
            QTest::keyClick(names, Qt::Key_Home);  // the first key only makes an entry current
            QTest::keyClick(names, Qt::Key_End);
            QTest::keyClick(names, Qt::Key_Space);
            zelvo::test::saveScreenshot(d, "person-chooser.png");
            key(d, "okButton", Qt::Key_Space);
        });
        ChooserSetup setup = chooserSetup(ChooserPurpose::RecordCards);
        const auto chosen = zelvo::gui::choosePersons(nullptr, doc, setup);
        QVERIFY(script.done());
        QCOMPARE(people, QStringList({"Αλέξης Βλάχος", "Ζωή Ζαχαρίου", "Ιωάννης Ιωάννου"}));
        QCOMPARE(overseer, QStringLiteral("Επίσκοπος: Αλέξης Βλάχος"));
        QVERIFY(chosen.has_value());
        QCOMPARE(*chosen, (std::vector<int>{121, 120, 122}));
    }

    void importCountsFollowTheRadioChoice() {
        QString before, after, frame;
        bool okBefore = true, okAfter = false, groupsShown = true;
        ModalScript script;
        script.then([&](QWidget* d) {
            groupsShown = shown(d, "groupList");
            key(d, "selectButton", Qt::Key_Space);  // "Επιλογή Όλων"
            after = labelText(d, "totalsLabel");
            okAfter = shown(d, "okButton");
            frame = child<QWidget>(d, "importFrame")->property("title").toString();
            key(d, "createNewRadio", Qt::Key_Space);
            before = labelText(d, "totalsLabel");
            okBefore = shown(d, "okButton");
            key(d, "cancelButton", Qt::Key_Space);
        });
        ChooserSetup setup = chooserSetup(ChooserPurpose::XmlImport);
        setup.importList = 1;
        setup.existingCount = 290;
        for (int i = 0; i < 12; ++i)
            setup.importNames.push_back("Όνομα " + std::to_string(i) + (i < 5 ? " *" : ""));
        const auto chosen = zelvo::gui::choosePersons(nullptr, doc, setup);
        QVERIFY(script.done());
        QVERIFY(!chosen.has_value());
        QVERIFY(!groupsShown);
        QCOMPARE(frame, QStringLiteral("Διπλότυπα (5)"));
        QCOMPARE(after, QStringLiteral("Δραστήριοι 290 + 7 = 297"));
        QVERIFY(okAfter);
        QCOMPARE(before, QStringLiteral("Δραστήριοι 290 + 12 = 302"));
        QVERIFY(!okBefore);
    }

    // Enter on a focused button presses that button: "<< Επιλογή <<" selects the group and
    // ">>Απαλοιφή >>" clears it, the dialog staying open; on "Ακύρωση" it cancels. In the list,
    // Enter is still OK.
    void enterPressesTheFocusedButton() {
        int selected = -1, cleared = -1;
        bool open = false;
        ModalScript script;
        script.then([&](QWidget* d) {
            QVERIFY(activate(d));
            auto* people = child<QListWidget>(d, "personList");
            child<QListWidget>(d, "groupList")->setCurrentRow(0);  // group 1
            key(d, "selectButton", Qt::Key_Return);
            selected = static_cast<int>(people->selectedItems().size());
            key(d, "clearButton", Qt::Key_Enter);
            cleared = static_cast<int>(people->selectedItems().size());
            open = d->isVisible();
            key(d, "selectButton", Qt::Key_Return);
            key(d, "cancelButton", Qt::Key_Return);
        });
        const auto chosen =
            zelvo::gui::choosePersons(nullptr, doc, chooserSetup(ChooserPurpose::RecordCards));
        QVERIFY(script.done());
        QCOMPARE(selected, 1);
        QCOMPARE(cleared, 0);
        QVERIFY(open);
        QVERIFY(!chosen.has_value());

        script.then([](QWidget* d) {
            child<QListWidget>(d, "groupList")->setCurrentRow(0);
            key(d, "selectButton", Qt::Key_Return);
            key(d, "personList", Qt::Key_Return);
        });
        const auto ok =
            zelvo::gui::choosePersons(nullptr, doc, chooserSetup(ChooserPurpose::RecordCards));
        QCOMPARE(ok.value_or(std::vector<int>{}), std::vector<int>{122});
    }
};

QTEST_MAIN(PersonChooserDialogTest)
#include "person_chooser_dialog_test.moc"
