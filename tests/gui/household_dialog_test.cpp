// The household dialog on the real widgets: the head's household with a member added
// through the single-person picker in household mode and another removed, and a member leaving
// from their own details.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "core/test_folder.h"
#include "gui/modal_script.h"
#include "gui/records/household_dialog.h"
#include "gui/widget_lookup.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

using zelvo::CZelvoDoc;
using zelvo::PublisherRecord;
using zelvo::gui::HouseholdDialog;
using zelvo::test::ModalScript;
using zelvo::test::person;

using zelvo::test::button;
using zelvo::test::child;
using zelvo::test::items;

namespace {

// Alfa heads Beta and the student Dent; Gama heads the inactive Ita; Zeta lives alone.
struct Congregation {
    CZelvoDoc doc;
    Congregation() {
        PublisherRecord alfa = person(101, "Anna", "Alfa");
        alfa.setByte(PublisherRecord::kPrivileges, 1u << 2);
        PublisherRecord beta = person(102, "Bill", "Beta");
        beta.setWord(PublisherRecord::kHouseholdKey, 101);
        PublisherRecord dent = person(2000, "Stu", "Dent", zelvo::kNonPublisher);
        dent.setWord(PublisherRecord::kHouseholdKey, 101);
        PublisherRecord gama = person(103, "Gus", "Gama");
        gama.setByte(PublisherRecord::kPrivileges, 1u << 2);
        PublisherRecord ita = person(104, "Ivo", "Ita", zelvo::kInactive);
        ita.setWord(PublisherRecord::kHouseholdKey, 103);
        zelvo::test::addPeople(doc, {alfa, beta, dent, gama, ita, person(105, "Zoe", "Zeta")});
    }
    PublisherRecord& row(int r) { return doc.publishers[static_cast<std::size_t>(r)]; }
};

}  // namespace

class HouseholdDialogTest : public QObject {
    Q_OBJECT

private slots:
    void theHeadAddsAndRemovesMembers() {
        Congregation c;
        PublisherRecord working = c.row(1);
        HouseholdDialog dialog(c.doc, working, 1);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Anna Alfa"));
        QCOMPARE(child<QLabel>(&dialog, "membersLabel")->text(),
                 QStringLiteral("Μέλη Οικογένειας\nστο ίδιο σπίτι"));
        QCOMPARE(items(&dialog, "memberList"),
                 QStringList({"Alfa, Anna", "Beta, Bill", "Dent, Stu ( σ )"}));
        QVERIFY(!button(&dialog, "addMemberButton")->isHidden());
        QVERIFY2(!button(&dialog, "removeMemberButton")->isEnabled(), "the head is selected");

        QStringList offered;
        bool legend = false;
        ModalScript script;
        script.then([&](QWidget* picker) {
            offered = items(picker, "personList");
            legend = child<QLabel>(picker, "legendLabel")->isVisible();
            child<QListWidget>(picker, "personList")->setCurrentRow(2);  // Zeta
            button(picker, "chooseButton")->click();
        });
        QTest::mouseClick(button(&dialog, "addMemberButton"), Qt::LeftButton);
        QVERIFY(script.done());
        QCOMPARE(offered, QStringList({"Gama, Gus *", "Ita, Ivo ( i ) #", "Zeta, Zoe"}));
        QVERIFY(legend);
        QCOMPARE(c.row(6).householdKey(), 101);
        QCOMPARE(items(&dialog, "memberList").size(), 4);
        QCOMPARE(child<QListWidget>(&dialog, "memberList")->currentItem()->text(),
                 QStringLiteral("Zeta, Zoe"));

        child<QListWidget>(&dialog, "memberList")->setCurrentRow(1);  // Beta
        QVERIFY(button(&dialog, "removeMemberButton")->isEnabled());
        QTest::mouseClick(button(&dialog, "removeMemberButton"), Qt::LeftButton);
        QCOMPARE(c.row(2).householdKey(), 0);
        QCOMPARE(items(&dialog, "memberList"),
                 QStringList({"Alfa, Anna", "Dent, Stu ( σ )", "Zeta, Zoe"}));
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.changed());
        QVERIFY(c.doc.isModified());
        QCOMPARE(working.householdKey(), 0);
    }

    void aMemberLeavesFromTheirOwnDetails() {
        Congregation c;
        PublisherRecord working = c.row(2);
        ModalScript script;
        script.then([](QWidget* dialog) {
            QVERIFY(button(dialog, "addMemberButton")->isHidden());
            child<QListWidget>(dialog, "memberList")->setCurrentRow(1);  // Beta, the member
            button(dialog, "removeMemberButton")->click();
        });
        zelvo::ScriptedPrompts prompts;
        QVERIFY(zelvo::gui::runHouseholdDialog(nullptr, c.doc, prompts, working, 2));
        QVERIFY(script.done());
        QCOMPARE(script.unexpected(), 0);  // the dialog closed by itself
        QCOMPARE(working.householdKey(), 0);
        QCOMPARE(c.row(2).householdKey(), 0);
        QCOMPARE(c.row(3).householdKey(), 101);
    }
};

QTEST_MAIN(HouseholdDialogTest)
#include "household_dialog_test.moc"
