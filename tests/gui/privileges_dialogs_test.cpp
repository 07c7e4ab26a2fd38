// The privileges dialog from the details dialog, the monthly pioneer lists and the regular pioneer
// hours on the real widgets: dates and ticks carried back and stored, the end date of an ended
// privilege only, a sister's rows that cannot change, pioneers added and removed for a month,
// and the menus on the demo congregation (with the screenshots).
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "core/test_folder.h"
#include "gui/modal_script.h"
#include "gui/records/pioneer_lists_dialog.h"
#include "gui/records/publisher_details_dialog.h"
#include "gui/shell/main_window.h"
#include "gui/shell_fixture.h"
#include "gui/widget_lookup.h"
#include "shell/command_ids.h"
#include "store/publisher_status.h"
#include "store/zelvo_doc.h"

using zelvo::CZelvoDoc;
using zelvo::PublisherRecord;
using zelvo::test::button;
using zelvo::test::child;
using zelvo::test::clickLater;
using zelvo::test::items;
using zelvo::test::ModalScript;
using zelvo::test::person;

namespace {

constexpr int kNovember = zelvo::test::kLiveReportMonth;

// Adam is a baptized brother, Eva a baptized sister, Gus a continuous auxiliary pioneer of the
// report month, Rita a regular pioneer of it, Dora nothing.
struct Congregation {
    CZelvoDoc doc;
    zelvo::ScriptedPrompts prompts;

    Congregation() {
        zelvo::applyReportMonthAtStart(doc.calendar, zelvo::test::kToday);
        zelvo::deriveReportMonth(doc.calendar);
        PublisherRecord adam = person(101, "Adam", "Alfa");
        PublisherRecord eva = person(102, "Eva", "Beta");
        PublisherRecord gus = person(103, "Gus", "Gama");
        PublisherRecord rita = person(105, "Rita", "Rho");
        for (PublisherRecord* r : {&adam, &eva})
            r->setText(PublisherRecord::kBaptismDate, "03151990");
        adam.setByte(PublisherRecord::kPrivileges, zelvo::privilege::kMale);
        eva.setByte(PublisherRecord::kPrivileges, zelvo::privilege::kFemale);
        gus.setByte(PublisherRecord::kPrivileges, zelvo::privilege::kContinuousAuxiliary);
        const int slot = doc.calendar.reportSlot();
        gus.setMonthByte(zelvo::MonthByte::PioneerKind, kNovember, slot, 1);
        rita.setMonthByte(zelvo::MonthByte::PioneerKind, kNovember, slot, 2);
        zelvo::test::addPeople(doc, {adam, eva, gus, person(104, "Dora", "Delta"), rita});
        doc.sortRows();
        doc.buildIndexes();
    }
    const PublisherRecord& byId(int id) const {
        return doc.publishers[static_cast<std::size_t>(*doc.findById(id))];
    }
    int code(int id) const { return byId(id).pioneerKind(kNovember, doc.calendar.reportSlot()); }
    // The text of the person's appointment record of `kind`; empty when there is none.
    std::string appointment(int id, int kind) const {
        for (const zelvo::AppointmentRecord& a : doc.appointments)
            if (a.publisherId() == id && a.appointmentKind() == kind) return a.appointmentText();
        return {};
    }
    std::vector<int> activeIds() const {
        std::vector<int> out;
        for (const zelvo::IndexEntry& e : doc.kindLists[0]) out.push_back(e.id);
        return out;
    }
    zelvo::gui::DetailsOutcome details(int id) {
        return zelvo::gui::runPublisherDetails(nullptr, doc, prompts, false, activeIds(), id);
    }
};

// Chooses the entry of the drop list `name` as the mouse does; a year by its value.
void choose(QWidget* dialog, const char* name, int index) {
    auto* list = child<QComboBox>(dialog, name);
    list->setCurrentIndex(index);
    emit list->activated(index);
}
void chooseYear(QWidget* dialog, const char* name, int year) {
    choose(dialog, name, child<QComboBox>(dialog, name)->findData(year));
}
void chooseDate(QWidget* dialog, const QByteArray& prefix, int month, int day, int year) {
    choose(dialog, prefix + "Month", month);
    choose(dialog, prefix + "Day", day);
    chooseYear(dialog, prefix + "Year", year);
}
bool shown(QWidget* dialog, const char* name) {
    return !child<QWidget>(dialog, name)->isHidden();
}

// Chooses `name` in the list `listName` of the pioneer lists.
void pick(QWidget* dialog, const char* listName, const char* name) {
    auto* list = child<QListWidget>(dialog, listName);
    const auto found = list->findItems(QLatin1String(name), Qt::MatchContains);
    QVERIFY2(!found.isEmpty(), name);
    list->setCurrentItem(found.first());
}

}  // namespace

class PrivilegesDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("ZELVO_TODAY", "2026-12-08"); }

    void privilegesChosenInTheirDialogAreStoredWithTheRecord() {
        Congregation c;
        QString title;
        bool endWhileTicked = true, endAfterUntick = false, regularStartBlank = false;
        ModalScript script;
        script.then([](QWidget* details) { clickLater(details, "privilegesButton"); })
            .then([&](QWidget* privileges) {
                title = privileges->windowTitle();
                child<QCheckBox>(privileges, "elderCheck")->click();
                chooseDate(privileges, "elderStart", 3, 1, 2020);
                endWhileTicked = shown(privileges, "elderEndMonth");
                // Unticked with a complete start date: the privilege ended, its end is asked.
                child<QCheckBox>(privileges, "elderCheck")->click();
                endAfterUntick = shown(privileges, "elderEndMonth");
                chooseDate(privileges, "elderEnd", 12, 31, 2025);
                // Ticked again, a privilege is current: its end is hidden and blanked.
                auto* aux = child<QCheckBox>(privileges, "continuousAuxCheck");
                aux->click();
                chooseDate(privileges, "continuousAuxStart", 1, 1, 2025);
                aux->click();
                chooseDate(privileges, "continuousAuxEnd", 6, 30, 2025);
                aux->click();
                endWhileTicked = endWhileTicked || shown(privileges, "continuousAuxEndMonth");
                chooseDate(privileges, "regularStart", 9, 1, 2026);
                // Ticking a row blanks its start: the date is chosen after the tick.
                child<QCheckBox>(privileges, "regularCheck")->click();
                regularStartBlank =
                    child<QComboBox>(privileges, "regularStartMonth")->currentIndex() == 0;
                chooseDate(privileges, "regularStart", 9, 1, 2026);
                button(privileges, "okButton")->click();
            })
            .then([](QWidget* details) {
                QVERIFY(child<QCheckBox>(details, "regularCheck")->isChecked());
                QVERIFY(!child<QCheckBox>(details, "elderCheck")->isChecked());
                button(details, "okButton")->click();
            });
        QVERIFY(c.details(101).changed);
        QVERIFY(script.done());
        QCOMPARE(title, QStringLiteral("Προνόμια υπηρεσίας - Adam Alfa"));
        QVERIFY(!endWhileTicked);
        QVERIFY(endAfterUntick);
        QVERIFY(regularStartBlank);
        QVERIFY(c.doc.isModified());
        QCOMPARE(c.code(101), 2);
        // The start chosen in the privileges dialog is kept when the details are stored.
        QCOMPARE(c.appointment(101, 3).substr(0, 8), std::string("09012026"));
        QCOMPARE(c.appointment(101, 2).substr(0, 16), std::string("0301202012312025"));
        // The regular tick ended the continuous auxiliary one, whose dates were blanked.
        QCOMPARE(c.appointment(101, 4), std::string());
    }

    void aSistersServantAndElderRowsCannotChangeAndCancelKeepsEverything() {
        Congregation c;
        ModalScript script;
        script.then([](QWidget* details) { clickLater(details, "privilegesButton"); })
            .then([](QWidget* privileges) {
                for (const char* name : {"servantCheck", "elderCheck", "elderStartMonth"})
                    QVERIFY2(!child<QWidget>(privileges, name)->isEnabled(), name);
                QVERIFY(child<QWidget>(privileges, "regularCheck")->isEnabled());
                child<QCheckBox>(privileges, "regularCheck")->click();
                chooseDate(privileges, "regularStart", 9, 1, 2026);
                button(privileges, "cancelButton")->click();
            })
            .then([](QWidget* details) {
                QVERIFY(!child<QCheckBox>(details, "regularCheck")->isChecked());
                button(details, "cancelButton")->click();
            });
        QVERIFY(!c.details(102).changed);
        QVERIFY(script.done());
        QVERIFY(!c.doc.isModified());
        QVERIFY(c.doc.appointments.empty());
    }

    void auxiliaryPioneersAreAddedAndRemovedForTheMonth() {
        Congregation c;
        zelvo::records::PioneerListsModel model(c.doc, zelvo::records::PioneerMode::Auxiliary);
        zelvo::gui::PioneerListsDialog dialog(model);
        QVERIFY(dialog.windowTitle().endsWith(QStringLiteral("( 1 )")));
        QCOMPARE(items(&dialog, "listedList"), QStringList{QStringLiteral("Gus Gama")});
        QVERIFY(!button(&dialog, "moveButton")->isEnabled());

        pick(&dialog, "othersList", "Delta");
        QVERIFY(button(&dialog, "moveButton")->text().contains(QStringLiteral("Dora Delta")));
        button(&dialog, "moveButton")->click();
        QCOMPARE(c.code(104), 1);
        QVERIFY(dialog.windowTitle().endsWith(QStringLiteral("( 2 )")));
        QVERIFY(items(&dialog, "othersList").filter(QStringLiteral("Delta")).isEmpty());

        // Removing an auxiliary pioneer of the report month also ends the continuous tick.
        pick(&dialog, "listedList", "Gama");
        QVERIFY(button(&dialog, "moveButton")->text().contains(QStringLiteral("Αφαίρεσε")));
        button(&dialog, "moveButton")->click();
        QCOMPARE(c.code(103), 0);
        QCOMPARE(c.byId(103).privileges() & zelvo::privilege::kContinuousAuxiliary, 0);
        QVERIFY(dialog.changed());
        QVERIFY(c.doc.isModified());

        // The regular list: its tick switches to the special pioneers and back.
        zelvo::records::PioneerListsModel regular(c.doc, zelvo::records::PioneerMode::Regular);
        zelvo::gui::PioneerListsDialog regularDialog(regular);
        QCOMPARE(items(&regularDialog, "listedList"), QStringList{QStringLiteral("Rita Rho")});
        child<QCheckBox>(&regularDialog, "specialTick")->click();
        QVERIFY(regularDialog.windowTitle().startsWith(QStringLiteral("Ειδικοί Σκαπανείς")));
        QVERIFY(items(&regularDialog, "listedList").isEmpty());
        child<QCheckBox>(&regularDialog, "specialTick")->click();
        QCOMPARE(items(&regularDialog, "listedList"), QStringList{QStringLiteral("Rita Rho")});
        QVERIFY(!child<QWidget>(&dialog, "specialTick")->isVisibleTo(&dialog));
    }

    void theDialogsOnTheDemoCongregation() {
        zelvo::test::DataFolder folder(60);
        QVERIFY(folder.ok());
        zelvo::test::WindowSession session(folder);
        QVERIFY(session.loaded);
        // A brother whose baptism date is known has his privileges.
        int brother = 0;
        for (const zelvo::IndexEntry& e : session.doc.kindLists[0]) {
            const PublisherRecord& r =
                session.doc.publishers[static_cast<std::size_t>(e.recordIndex)];
            if ((r.privileges() & zelvo::privilege::kMale) != 0 &&
                r.baptismDate().find(' ') == std::string::npos && r.baptismDate().size() >= 8)
                brother = e.id;
        }
        QVERIFY(brother != 0);
        ModalScript privileges;
        privileges.then([](QWidget* details) { clickLater(details, "privilegesButton"); })
            .then([](QWidget* dialog) {
                zelvo::test::saveScreenshot(dialog, "privileges-dialog.png");
                button(dialog, "cancelButton")->click();
            })
            .then([](QWidget* details) { button(details, "cancelButton")->click(); });
        zelvo::gui::runPublisherDetails(nullptr, session.doc, session.prompts, false, {brother},
                                        brother);
        QVERIFY(privileges.done());

        int gridRows = 0, pioneers = 0;
        QString lines;
        ModalScript script;
        script
            .then([](QWidget* lists) {
                zelvo::test::saveScreenshot(lists, "pioneer-list.png");
                QTest::keyClick(lists, Qt::Key_Escape);
            })
            .then([&](QWidget* hours) {
                pioneers = child<QComboBox>(hours, "pioneerCombo")->count();
                gridRows = child<QTableWidget>(hours, "monthGrid")->rowCount();
                lines = child<QLabel>(hours, "remainingLine")->text();
                zelvo::test::saveScreenshot(hours, "pioneer-hours.png");
                button(hours, "closeButton")->click();
            });
        session.window->runCommand(zelvo::shell::CommandId::EditRegularPioneers);
        session.window->runCommand(zelvo::shell::CommandId::ViewRegularPioneers);
        QVERIFY(script.done());
        QCOMPARE(gridRows, 14);
        QVERIFY(pioneers > 0);
        QVERIFY(lines.startsWith(QStringLiteral("Σύνολο Ωρών που Απομένουν")));
        QVERIFY(!session.doc.isModified());
    }
};

QTEST_MAIN(PrivilegesDialogsTest)
#include "privileges_dialogs_test.moc"
