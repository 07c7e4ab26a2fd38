// The congregation-wide editors on the real widgets: the report layout options typed with the
// keyboard (the margin lists' digits and arrows, the label ticks, the name), Cancel changing
// nothing; the custom category renamed with its members cleared; the circuit overseer created
// once; the record card preferences.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QtTest>

#include "core/test_folder.h"
#include "gui/modal_script.h"
#include "gui/records/option_dialogs.h"
#include "gui/shell_fixture.h"
#include "gui/widget_lookup.h"
#include "store/cp1253.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

using zelvo::CZelvoDoc;
using zelvo::PublisherRecord;
using zelvo::test::child;
using zelvo::test::click;
using zelvo::test::current;
using zelvo::test::ModalScript;

namespace {

// Anna and Bill carry the custom category "Οδηγοί"; Gus does not.
struct Congregation {
    CZelvoDoc doc;
    Congregation() {
        std::vector<PublisherRecord> people = {zelvo::test::person(101, "Anna", "Alfa"),
                                               zelvo::test::person(102, "Bill", "Beta"),
                                               zelvo::test::person(103, "Gus", "Gama")};
        for (int i : {0, 1})
            people[static_cast<std::size_t>(i)].setByte(PublisherRecord::kPrivileges,
                                                        zelvo::privilege::kCustomCategory);
        zelvo::test::addPeople(doc, people);
        doc.settings.customCategoryName = zelvo::cp1253::fromUtf8("Οδηγοί");
        doc.settings.customCategoryEnabled = 1;
    }
    int members() const {
        int n = 0;
        for (const PublisherRecord& r : doc.publishers)
            n += (r.privileges() & zelvo::privilege::kCustomCategory) != 0;
        return n;
    }
};

void tick(QWidget* dialog, const char* name) {
    QTest::mouseClick(child<QCheckBox>(dialog, name), Qt::LeftButton, {}, QPoint(4, 4));
}

void keys(QWidget* dialog, const char* list, const QString& digits) {
    auto* l = child<QListWidget>(dialog, list);
    l->setFocus();
    for (const QChar c : digits) QTest::keyClick(l, c.toLatin1());
}

}  // namespace

class OptionDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void layoutOptionsAreTypedAndStoredOnOk() {
        Congregation c;
        ModalScript script;
        script.then([](QWidget* d) {
            QCOMPARE(current(d, "topMarginList"), QStringLiteral("50"));
            QVERIFY(child<QCheckBox>(d, "labelBirthDateCheck")->isChecked());
            tick(d, "labelBirthDateCheck");  // unticked
            tick(d, "labelAlternativeCheck");
            QVERIFY(child<QCheckBox>(d, "labelBirthDateCheck")->isChecked());
            tick(d, "gridLinesCheck");
            tick(d, "printDateCheck");
            keys(d, "topMarginList", QStringLiteral("123"));
            QCOMPARE(current(d, "topMarginList"), QStringLiteral("03"));
            keys(d, "topMarginList", QStringLiteral("0"));
            QCOMPARE(current(d, "topMarginList"), QStringLiteral("30"));
            auto* label = child<QListWidget>(d, "labelMarginList");
            label->setFocus();
            QTest::keyClick(label, Qt::Key_Up);
            QCOMPARE(current(d, "labelMarginList"), QStringLiteral("19"));
            zelvo::test::retype(d, "congregationNameEdit", QStringLiteral("  Κέντρο "));
            zelvo::test::saveScreenshot(d, "layout-options.png");
            click(d, "okButton");
        });
        QVERIFY(zelvo::gui::runLayoutOptions(nullptr, c.doc));
        QVERIFY(script.done());
        const zelvo::Settings& s = c.doc.settings;
        QCOMPARE(s.labelAlternative, 1);
        QCOMPARE(s.labelBirthDate, 1);
        QCOMPARE(s.reportGridLines, 1);
        QCOMPARE(s.reportDate, 1);
        QCOMPARE(s.reportTopMargin, 30);
        QCOMPARE(s.labelLeftMargin, 19);
        QCOMPARE(zelvo::cp1253::toUtf8(s.congregationName), std::string("Κέντρο"));
        QVERIFY(c.doc.isModified());
    }

    void cancelChangesNothing() {
        Congregation c;
        const zelvo::Settings before = c.doc.settings;
        ModalScript script;
        script.then([](QWidget* d) {
            tick(d, "gridLinesCheck");
            keys(d, "topMarginList", QStringLiteral("7"));
            click(d, "cancelButton");
        });
        QVERIFY(!zelvo::gui::runLayoutOptions(nullptr, c.doc));
        script.then([](QWidget* d) { click(d, "okButton"); });
        QVERIFY(!zelvo::gui::runLayoutOptions(nullptr, c.doc));  // OK without a change
        QVERIFY(c.doc.settings == before);
        QVERIFY(!c.doc.isModified());
    }

    void renamedCategoryClearsItsMembers() {
        Congregation c;
        ModalScript script;
        script
            .then([](QWidget* d) {
                zelvo::test::retype(d, "categoryNameEdit", QStringLiteral("Βοηθοί"));
                zelvo::test::saveScreenshot(d, "custom-category.png");
                click(d, "okButton");
            })
            .then([](QWidget* d) {
                QVERIFY(child<QRadioButton>(d, "keepMembersRadio")->isChecked());
                child<QRadioButton>(d, "clearMembersRadio")->setChecked(true);
                click(d, "okButton");
            });
        QVERIFY(zelvo::gui::runCustomCategory(nullptr, c.doc));
        QVERIFY(script.done());
        QCOMPARE(c.members(), 0);
        QCOMPARE(zelvo::cp1253::toUtf8(c.doc.settings.customCategoryName), std::string("Βοηθοί"));
    }

    void circuitOverseerIsCreatedOnce() {
        Congregation c;
        zelvo::ScriptedPrompts prompts;
        for (int opening = 0; opening < 2; ++opening) {
            ModalScript script;
            script.then([opening](QWidget* d) {
                if (opening == 1)
                    QCOMPARE(child<QLineEdit>(d, "lastNameEdit")->text(), QStringLiteral("Κώστα"));
                zelvo::test::retype(d, "lastNameEdit", QStringLiteral("Κώστα"));
                zelvo::test::retype(d, "phoneHomeEdit", QStringLiteral("210 1234567"));
                click(d, "okButton");
            });
            QVERIFY(zelvo::gui::runCircuitOverseer(nullptr, c.doc, prompts));
        }
        int overseers = 0;
        for (const PublisherRecord& r : c.doc.publishers)
            overseers += r.kind() == zelvo::kCircuitOverseer;
        QCOMPARE(overseers, 1);
        QCOMPARE(c.doc.publishers[c.doc.circuitOverseerRow].phoneHome(),
                 std::string("210 1234567"));
    }

    void recordCardPreferences() {
        Congregation c;
        ModalScript script;
        script.then([](QWidget* d) {
            tick(d, "hideTotalsPreviousCheck");
            tick(d, "printGroupsCheck");
            click(d, "okButton");
        });
        QVERIFY(zelvo::gui::runRecordCardOptions(nullptr, c.doc));
        QCOMPARE(c.doc.settings.hideAverages, 8);
        QCOMPARE(c.doc.settings.printGroups, 1);
        QVERIFY(c.doc.isModified());
    }
};

QTEST_MAIN(OptionDialogsTest)
#include "option_dialogs_test.moc"
