// The group choosers on the real widgets: the publisher's shows the members, overseer and
// place of the selected group and returns its number; the task's lists the captions of the
// groups in use, finds one by its first letters, and returns the chosen group, or "all" and "one"
// from its printing buttons.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "gui/modal_script.h"
#include "gui/records/group_choosers.h"
#include "gui/shell_fixture.h"
#include "gui/typing.h"
#include "gui/widget_lookup.h"
#include "store/cp1253.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

using zelvo::CZelvoDoc;
using zelvo::PublisherRecord;
using zelvo::ServiceGroupTable;
using zelvo::gui::TaskGroupChoice;
using zelvo::test::ModalScript;
using Action = TaskGroupChoice::Action;

using zelvo::test::child;
using zelvo::test::click;

namespace {

QStringList itemsOf(QWidget* dialog, const char* name) {
    QStringList out;
    const QListWidget* list = child<QListWidget>(dialog, name);
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

// Three groups: 1 plain, 2 with a label name, 3 without an overseer; four publishers in them.
class Congregation {
public:
    Congregation() {
        doc.startUp(dir.path().toStdString(), zelvo::test::kToday, zelvo::LoadMode::Live);
        zelvo::ScriptedPrompts none;
        QVERIFY(doc.load(none, zelvo::LoadMode::Live).ok);
        add(120, "Ζωή", "Ζαχαρίου", 2);
        add(121, "Αλέξης", "Βλάχος", 2);
        add(122, "Ιωάννης", "Ιωάννου", 1);
        add(123, "Σάββας", "Σιδέρης", 2, zelvo::kInactive);
        doc.sortRows();
        doc.countAllKinds();
        doc.buildIndexes();
        group(1, "Άγγελος Αγγέλου", "Αίθουσα", "", 0);
        group(2, "Βασίλης Βασιλείου", "Οικία Βήτα", "Βόρειος", 1);
        group(3, "", "Πλατεία", "", 0);
        doc.groups.setGroupCount(3);
    }
    void add(std::uint16_t id, const char* first, const char* last, int g,
             std::uint8_t kind = zelvo::kPublisher) {
        PublisherRecord r;
        r.setId(id);
        r.setKind(kind);
        r.setText(PublisherRecord::kFirstName, zelvo::cp1253::fromUtf8(first));
        r.setText(PublisherRecord::kLastName, zelvo::cp1253::fromUtf8(last));
        r.setByte(PublisherRecord::kGroupNumber, static_cast<std::uint8_t>(g));
        doc.publishers.push_back(r);
    }
    void group(int n, const char* overseer, const char* place, const char* label,
               std::uint8_t useLabel) {
        doc.groups.setText(ServiceGroupTable::overseerField(n), zelvo::cp1253::fromUtf8(overseer));
        doc.groups.setText(ServiceGroupTable::placeField(n), zelvo::cp1253::fromUtf8(place));
        doc.groups.setText(ServiceGroupTable::labelNameField(n), zelvo::cp1253::fromUtf8(label));
        doc.groups.setUseLabel(n, useLabel);
    }

    QTemporaryDir dir;
    CZelvoDoc doc;
};

}  // namespace

class GroupChoosersTest : public QObject {
    Q_OBJECT

private slots:
    void publisherChooserShowsTheGroupAndReturnsTheChosenNumber() {
        Congregation c;
        QString title, caption, overseer, place, captionAfter, overseerAfter;
        QStringList numbers, members, membersAfter;
        int current = -1;
        ModalScript script;
        script.then([&](QWidget* d) {
            title = d->windowTitle();
            numbers = itemsOf(d, "groupList");
            current = child<QListWidget>(d, "groupList")->currentRow();
            caption = child<QLabel>(d, "captionLabel")->text();
            members = itemsOf(d, "memberList");
            overseer = child<QLabel>(d, "overseerLabel")->text();
            place = child<QLabel>(d, "placeLabel")->text();
            child<QListWidget>(d, "groupList")->setCurrentRow(2);
            captionAfter = child<QLabel>(d, "captionLabel")->text();
            overseerAfter = child<QLabel>(d, "overseerLabel")->text();
            membersAfter = itemsOf(d, "memberList");
            click(d, "okButton");
        });
        const auto chosen = zelvo::gui::choosePublisherGroup(nullptr, c.doc, 2);
        QVERIFY(script.done());
        QCOMPARE(chosen, std::optional<int>(3));
        QCOMPARE(title, QStringLiteral("Όμιλοι Υπηρεσίας Αγρού"));
        QCOMPARE(numbers.size(), 20);
        QCOMPARE(numbers.first(), QStringLiteral("01"));
        QCOMPARE(current, 1);
        QCOMPARE(caption, QStringLiteral("Βόρειος"));
        QCOMPARE(members,
                 (QStringList{QStringLiteral("Αλέξης Βλάχος"), QStringLiteral("Ζωή Ζαχαρίου")}));
        QCOMPARE(overseer, QStringLiteral("Επίσκοπος: Βασίλης Βασιλείου"));
        QCOMPARE(place, QStringLiteral("Οικία Βήτα"));
        QCOMPARE(captionAfter, QStringLiteral("Όμιλος # 3"));
        QCOMPARE(overseerAfter, QString());
        QVERIFY(membersAfter.isEmpty());
    }

    void publisherChooserWithoutAGroupWaitsForAChoiceAndCancels() {
        Congregation c;
        bool okEnabled = true;
        QString caption;
        ModalScript script;
        script.then([&](QWidget* d) {
            okEnabled = child<QPushButton>(d, "okButton")->isEnabled();
            caption = child<QLabel>(d, "captionLabel")->text();
            click(d, "cancelButton");
        });
        QCOMPARE(zelvo::gui::choosePublisherGroup(nullptr, c.doc, 21), std::optional<int>());
        QVERIFY(script.done());
        QVERIFY(!okEnabled);
        QCOMPARE(caption, QStringLiteral("Μέλη Ομίλου"));
    }

    void taskChooserPrintsAllOrOne() {
        Congregation c;
        QStringList captions;
        QString all, one, oneAfter;
        ModalScript printAll;
        printAll.then([&](QWidget* d) {
            captions = itemsOf(d, "groupList");
            all = child<QPushButton>(d, "printAllButton")->text();
            one = child<QPushButton>(d, "printOneButton")->text();
            click(d, "printAllButton");
        });
        TaskGroupChoice choice = zelvo::gui::chooseTaskGroup(nullptr, c.doc, 2, true);
        QVERIFY(printAll.done());
        QCOMPARE(choice.action, Action::PrintAll);
        QCOMPARE(captions, (QStringList{QStringLiteral("Όμιλος # 1"), QStringLiteral("Βόρειος"),
                                        QStringLiteral("Όμιλος # 3")}));
        QCOMPARE(all, QStringLiteral("Εκτύπωση 1 - 3"));
        QCOMPARE(one, QStringLiteral("Εκτύπωση # 2"));

        ModalScript printOne;
        printOne.then([&](QWidget* d) {
            child<QListWidget>(d, "groupList")->setCurrentRow(2);
            oneAfter = child<QPushButton>(d, "printOneButton")->text();
            click(d, "printOneButton");
        });
        choice = zelvo::gui::chooseTaskGroup(nullptr, c.doc, 2, true);
        QVERIFY(printOne.done());
        QCOMPARE(choice.action, Action::PrintOne);
        QCOMPARE(choice.group, 3);
        QCOMPARE(oneAfter, QStringLiteral("Εκτύπωση # 3"));
    }

    void taskChooserWithoutPrintingReturnsTheChosenGroup() {
        Congregation c;
        bool printShown = true;
        ModalScript script;
        script.then([&](QWidget* d) {
            printShown = child<QPushButton>(d, "printAllButton")->isVisible() ||
                         child<QPushButton>(d, "printOneButton")->isVisible();
            click(d, "okButton");
        });
        const TaskGroupChoice choice = zelvo::gui::chooseTaskGroup(nullptr, c.doc, 3, false);
        QVERIFY(script.done());
        QVERIFY(!printShown);
        QCOMPARE(choice.action, Action::Chosen);
        QCOMPARE(choice.group, 3);
    }

    void taskChooserFindsAGroupByItsLettersWhateverTheAccent() {
        Congregation c;
        ModalScript script;
        // A plain ο finds "Όμιλος # 3", the next after the current "Όμιλος # 1".
        script.then([&](QWidget* d) {
            zelvo::test::typeText(child<QListWidget>(d, "groupList"), QStringLiteral("ο"));
            click(d, "okButton");
        });
        const TaskGroupChoice choice = zelvo::gui::chooseTaskGroup(nullptr, c.doc, 1, false);
        QVERIFY(script.done());
        QCOMPARE(choice.action, Action::Chosen);
        QCOMPARE(choice.group, 3);
    }

    void taskChooserWithoutGroupsHidesOk() {
        Congregation c;
        c.doc.groups.setGroupCount(0);
        bool okShown = true;
        int rows = -1;
        ModalScript script;
        script.then([&](QWidget* d) {
            okShown = child<QPushButton>(d, "okButton")->isVisible();
            rows = child<QListWidget>(d, "groupList")->count();
            click(d, "cancelButton");
        });
        const TaskGroupChoice choice = zelvo::gui::chooseTaskGroup(nullptr, c.doc, 1, false);
        QVERIFY(script.done());
        QVERIFY(!okShown);
        QCOMPARE(rows, 0);
        QCOMPARE(choice.action, Action::Cancelled);
    }
};

QTEST_MAIN(GroupChoosersTest)
#include "group_choosers_test.moc"
