// Publisher editing end to end: the main window's commands over a demo congregation, with the
// real picker, add chooser, details, status, household, contact, shared-record, single-person and
// month dialogs and the real message boxes, then a save and a fresh load of the folder.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "gui/modal_script.h"
#include "gui/records/publisher_details_dialog.h"
#include "gui/shell/main_window.h"
#include "gui/shell/qt_prompts.h"
#include "gui/shell/qt_text.h"
#include "gui/shell_fixture.h"
#include "gui/typing.h"
#include "gui/widget_lookup.h"
#include "records/pick_list.h"
#include "records/publisher_details_model.h"
#include "store/cp1253.h"
#include "store/data_files.h"
#include "store/publisher_status.h"
#include "store/zelvo_doc.h"

using namespace zelvo;
using test::ModalScript;
using test::saveScreenshot;
using test::typeText;

using test::child;
using test::click;
using test::clickLater;
using test::current;
using test::items;
using test::retype;

namespace {

constexpr std::uint8_t kHeadBit = 1u << 2;

// Makes the entry that starts with `text` current; false when there is none.
bool selectEntry(QWidget* dialog, const char* name, const QString& text) {
    auto* list = child<QListWidget>(dialog, name);
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text().startsWith(text)) {
            list->setCurrentRow(i);
            return true;
        }
    return false;
}
QString utf8Of(const std::string& recordText) {
    return gui::qtText(cp1253::toUtf8(recordText));
}

// A demo congregation loaded as the program loads it, its main window open, the real message
// boxes answering the core's questions.
struct Session {
    test::DataFolder folder{40};
    CZelvoDoc doc;
    gui::QtPrompts prompts;
    std::unique_ptr<gui::CMainFrame> window;
    bool loaded = false;

    Session() {
        ScriptedPrompts atStart;
        doc.startUp(folder.str(), test::kToday, LoadMode::Live);
        loaded = folder.ok() && doc.load(atStart, LoadMode::Live).ok;
        window = std::make_unique<gui::CMainFrame>(doc, prompts);
        prompts.setParentWidget(window.get());
        window->show();
        gui::detailsClipboard().remembered.reset();
    }

    const PublisherRecord& byId(int id) const {
        return doc.publishers[static_cast<std::size_t>(doc.findById(id).value_or(0))];
    }
    std::vector<int> ids(int kind) const {
        std::vector<int> out;
        for (const IndexEntry& e : doc.kindLists[static_cast<std::size_t>(kind)])
            out.push_back(e.id);
        return out;
    }
    // The first person of `kind` for whom `test` holds; 0 when nobody.
    int idWhere(int kind, const std::function<bool(const PublisherRecord&)>& test) const {
        for (int id : ids(kind))
            if (test(byId(id))) return id;
        return 0;
    }
    // How the pickers show the person.
    QString entry(int id) const {
        return gui::qtText(records::listEntryText(doc, doc.findById(id).value_or(0)));
    }
    // How the active list shows in the picker, in its order.
    QStringList activeEntries() const {
        QStringList out;
        for (int id : ids(kPublisher)) out << entry(id);
        return out;
    }
    bool sorted() const {
        for (std::size_t row = 2; row < doc.publishers.size(); ++row)
            if (doc.sortKey(doc.publishers[row]) < doc.sortKey(doc.publishers[row - 1]))
                return false;
        return true;
    }
    bool save() {
        window->runCommand(shell::CommandId::Save);
        return !doc.isModified();
    }
    // The folder as a fresh start of the program reads it.
    std::unique_ptr<CZelvoDoc> reload() const {
        auto fresh = std::make_unique<CZelvoDoc>();
        ScriptedPrompts none;
        fresh->startUp(folder.str(), test::kToday, LoadMode::ReadOnly);
        if (!fresh->load(none, LoadMode::ReadOnly).ok) return nullptr;
        return fresh;
    }
    QByteArray fileBytes(const char* name) const {
        QFile f(folder.file(QLatin1String(name)));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

bool sameTable(const std::vector<PublisherRecord>& a, const std::vector<PublisherRecord>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const auto& x, const auto& y) { return x.bytes == y.bytes; });
}

// The record of emerg.dat with `key`, as the file holds it.
EmergencyContact fileContact(const QByteArray& file, int key) {
    EmergencyContact e;
    for (qsizetype at = 0; at + 256 <= file.size(); at += 256) {
        std::copy(file.begin() + at, file.begin() + at + 256, e.bytes.begin());
        if (e.key() == key) return e;
    }
    return {};
}

}  // namespace

class PublisherEditingFlowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("ZELVO_TODAY", "2026-12-08"); }

    // Picker, add chooser, details, status: the new person in the table, the picker and the
    // saved folder.
    void aNewPublisherIsAddedSavedAndReadBack() {
        Session s;
        QVERIFY(s.loaded);
        const int expectedId = s.doc.nextFreeId(100);
        QVERIFY(expectedId >= 100);
        const int count = s.doc.recordCount();
        const QStringList before = s.activeEntries();

        QString chooserTitle, detailsTitle, statusTitle, selected;
        QStringList listed;
        bool addMode = false;
        ModalScript script;
        script
            .then([&](QWidget* picker) {
                QCOMPARE(items(picker, "publisherList"), before);
                clickLater(picker, "addButton");
            })
            .then([&](QWidget* chooser) {
                chooserTitle = chooser->windowTitle();
                click(chooser, "newPersonButton");
            })
            .then([&](QWidget* details) {
                detailsTitle = details->windowTitle();
                addMode = !child(details, "deleteButton")->isVisible() &&
                          !child(details, "previousButton")->isVisible() &&
                          !child(details, "nextButton")->isVisible();
                typeText(child(details, "firstNameEdit"), QStringLiteral("Νικόλαος"));
                typeText(child(details, "lastNameEdit"), QStringLiteral("Μαυρίδης"));
                typeText(child(details, "phoneMobileEdit"), QStringLiteral("6944000111"));
                clickLater(details, "okButton");
            })
            .then([&](QWidget* status) {
                statusTitle = status->windowTitle();
                child<QRadioButton>(status, "newPublisherChoice")->click();
                child<QComboBox>(status, "monthCombo")->setCurrentIndex(12);  // December
                click(status, "okButton");
            })
            .then([&](QWidget* picker) {
                listed = items(picker, "publisherList");
                selected = current(picker, "publisherList");
                saveScreenshot(picker, "publisher-picker.png");
                click(picker, "closeButton");
            });
        s.window->runCommand(shell::CommandId::EditPublishers);
        QVERIFY(script.done());
        QCOMPARE(script.unexpected(), 0);
        QCOMPARE(chooserTitle, QStringLiteral("Προσθήκη Ευαγγελιζομένου"));
        QCOMPARE(detailsTitle, QStringLiteral("Επεξεργασία Στοιχείων Ευαγγελιζομένου"));
        QVERIFY(addMode);
        QCOMPARE(statusTitle, QStringLiteral("Κατάσταση του  Νικόλαος Μαυρίδης"));

        // In the table at its sorted place, listed and selected in the picker.
        QCOMPARE(int{s.doc.recordCount()}, count + 1);
        const auto row = s.doc.findById(expectedId);
        QVERIFY(row.has_value());
        QVERIFY(s.sorted());
        const QString name = QStringLiteral("Μαυρίδης, Νικόλαος");
        QCOMPARE(s.entry(expectedId), name);
        QCOMPARE(listed, s.activeEntries());
        QCOMPARE(listed.size(), before.size() + 1);
        QCOMPARE(selected, name);
        const PublisherRecord& r = s.byId(expectedId);
        QVERIFY(*row > 1 ? s.doc.sortKey(s.doc.publishers[*row - 1]) < s.doc.sortKey(r) : true);
        QVERIFY(*row + 1 < s.doc.recordCount()
                    ? s.doc.sortKey(r) < s.doc.sortKey(s.doc.publishers[*row + 1])
                    : true);
        QVERIFY(s.doc.isModified());

        // Saved through the menu command and read back by a fresh start.
        const QByteArray tableBefore = s.fileBytes("zdat9.bin");
        QVERIFY(s.save());
        QVERIFY(s.fileBytes("zdat9.bin") != tableBefore);
        const auto fresh = s.reload();
        QVERIFY(fresh != nullptr);
        const auto freshRow = fresh->findById(expectedId);
        QVERIFY(freshRow.has_value());
        const PublisherRecord& back = fresh->publishers[static_cast<std::size_t>(*freshRow)];
        QCOMPARE(utf8Of(back.firstName()), QStringLiteral("Νικόλαος"));
        QCOMPARE(utf8Of(back.lastName()), QStringLiteral("Μαυρίδης"));
        QCOMPARE(back.phoneMobile(), std::string("6944000111"));
        QCOMPARE(int{back.kind()}, int{kPublisher});
        QCOMPARE(int{back.statusFlags()}, 12 * 16 + kMarkNew);
        QCOMPARE(int{back.statusFlags2()}, 12 * 16 + kMarkNew);
        QCOMPARE(int{back.statusSince()}, absoluteMonth(25, 11));  // December 2025
        QCOMPARE(back.hope(), std::uint8_t{'O'});
        QCOMPARE(*freshRow, *row);
        QCOMPARE(int{fresh->recordCount()}, count + 1);
    }

    // Adding a name the active list holds already: the real question, answered No and Yes.
    void aDuplicateNameAnsweredNoThenYes() {
        Session s;
        QVERIFY(s.loaded);
        // A name short enough to be stored as typed.
        const int existingId = s.idWhere(kPublisher, [](const PublisherRecord& r) {
            return r.firstName().size() + r.lastName().size() <= 20 && !r.firstName().empty();
        });
        QVERIFY(existingId != 0);
        const PublisherRecord existing = s.byId(existingId);
        const int existingRow = s.doc.findById(existingId).value();
        const QString first = utf8Of(existing.firstName());
        const QString last = utf8Of(existing.lastName());
        const std::vector<PublisherRecord> tableBefore = s.doc.publishers;
        const int newId = s.doc.nextFreeId(100);

        // Types the existing name (and a new mobile number), confirms the status dialog, and
        // answers the duplicate question with `answer`.
        struct Seen {
            QString question, defaultButton, selected;
            QStringList buttons;
            QString lastNameAfterNo;  // No goes back to the details with the typing intact
        };
        const auto addTwin = [&](const char* answer, Seen& seen) {
            ModalScript script;
            script.then([](QWidget* picker) { clickLater(picker, "addButton"); })
                .then([](QWidget* chooser) { click(chooser, "newPersonButton"); })
                .then([&](QWidget* details) {
                    typeText(child(details, "firstNameEdit"), first);
                    typeText(child(details, "lastNameEdit"), last);
                    typeText(child(details, "phoneMobileEdit"), QStringLiteral("6999888777"));
                    clickLater(details, "okButton");
                })
                .then([](QWidget* status) {
                    child<QRadioButton>(status, "newPublisherChoice")->click();
                    child<QComboBox>(status, "monthCombo")->setCurrentIndex(12);
                    click(status, "okButton");
                })
                .then([&seen, answer](QWidget* box) {
                    auto* message = qobject_cast<QMessageBox*>(box);
                    if (message == nullptr) return;
                    seen.question = message->text();
                    for (QAbstractButton* b : message->buttons()) seen.buttons << b->text();
                    seen.buttons.sort();
                    if (message->defaultButton() != nullptr)
                        seen.defaultButton = message->defaultButton()->objectName();
                    click(box, answer);
                });
            if (QByteArray(answer) == "noButton")
                script.then([&seen](QWidget* details) {
                    seen.lastNameAfterNo = child<QLineEdit>(details, "lastNameEdit")->text();
                    click(details, "cancelButton");
                });
            script.then([&seen](QWidget* picker) {
                seen.selected = current(picker, "publisherList");
                click(picker, "closeButton");
            });
            s.window->runCommand(shell::CommandId::EditPublishers);
            return script.done() && script.unexpected() == 0;
        };

        Seen no;
        QVERIFY(addTwin("noButton", no));
        const QString shown = utf8Of(s.doc.nameOf(existing));
        QCOMPARE(no.question, shown + QStringLiteral(" Διπλό Όνομα.\n\nΑντικατάσταση με νέα "
                                                     "πληροφορία"));
        QCOMPARE(no.buttons,
                 QStringList({QStringLiteral("Όχι"), QStringLiteral("Ναι")}));  // sorted
        QCOMPARE(no.lastNameAfterNo, last);
        QVERIFY(sameTable(s.doc.publishers, tableBefore));
        QVERIFY(!s.doc.isModified());
        QVERIFY(!s.doc.findById(newId).has_value());

        Seen yes;
        QVERIFY(addTwin("yesButton", yes));
        QCOMPARE(int{s.doc.recordCount()}, int(tableBefore.size()));
        QVERIFY(!s.doc.findById(newId).has_value());
        QCOMPARE(s.doc.findById(existingId).value(), existingRow);
        const PublisherRecord& replaced = s.byId(existingId);
        QCOMPARE(replaced.phoneMobile(), std::string("6999888777"));
        QCOMPARE(int{replaced.statusFlags()}, 12 * 16 + kMarkNew);
        QCOMPARE(replaced.householdKey(), existing.householdKey());
        QCOMPARE(replaced.emergencyKey(), existing.emergencyKey());
        // The months of reports stay the person's.
        QVERIFY(std::equal(existing.bytes.begin() + 240, existing.bytes.end(),
                           replaced.bytes.begin() + 240));
        for (std::size_t row = 1; row < tableBefore.size(); ++row)
            if (static_cast<int>(row) != existingRow)
                QVERIFY(s.doc.publishers[row].bytes == tableBefore[row].bytes);
        QCOMPARE(yes.selected, s.entry(existingId));
        QVERIFY(s.doc.isModified());

        // The question replaces a person's record: Enter alone must not do it.
        QCOMPARE(no.defaultButton, QStringLiteral("noButton"));
    }

    // "Επεξεργασία..." on a person, renamed in the details: the table stays sorted and the
    // picker keeps the person selected in the new order.
    void renamingThroughThePickerKeepsOrderAndSelection() {
        Session s;
        QVERIFY(s.loaded);
        const int id = s.ids(kPublisher).at(1);
        const PublisherRecord before = s.byId(id);
        const int rowBefore = s.doc.findById(id).value();
        QString shownLast, selected;
        QStringList listed;
        ModalScript script;
        script
            .then([&](QWidget* picker) {
                QVERIFY(selectEntry(picker, "publisherList", s.entry(id)));
                clickLater(picker, "editButton");
            })
            .then([&](QWidget* details) {
                shownLast = child<QLineEdit>(details, "lastNameEdit")->text();
                retype(details, "lastNameEdit", QStringLiteral("Ωρολογάς"));
                click(details, "okButton");
            })
            .then([&](QWidget* picker) {
                listed = items(picker, "publisherList");
                selected = current(picker, "publisherList");
                click(picker, "closeButton");
            });
        s.window->runCommand(shell::CommandId::EditPublishers);
        QVERIFY(script.done());
        QCOMPARE(script.unexpected(), 0);
        QCOMPARE(shownLast, utf8Of(before.lastName()));

        const PublisherRecord& after = s.byId(id);
        QCOMPARE(utf8Of(after.lastName()), QStringLiteral("Ωρολογάς"));
        QCOMPARE(after.firstName(), before.firstName());
        QVERIFY(s.sorted());
        QVERIFY(s.doc.findById(id).value() > rowBefore);
        QCOMPARE(listed, s.activeEntries());
        QCOMPARE(selected, QStringLiteral("Ωρολογάς, ") + utf8Of(before.firstName()));
        QVERIFY(s.doc.isModified());
        // Nothing but the name changed.
        PublisherRecord renamedBack = after;
        renamedBack.setText(PublisherRecord::kLastName, before.lastName());
        QVERIFY(renamedBack.bytes == before.bytes);
    }

    // A person made head of a family in the details, a member added through the household
    // dialog and the single-person picker, saved and read back.
    void aHouseholdIsMadeAndSaved() {
        Session s;
        QVERIFY(s.loaded);
        const auto alone = [](const PublisherRecord& r) {
            return r.householdKey() == 0 && (r.privileges() & kHeadBit) == 0;
        };
        const int head = s.idWhere(kPublisher, alone);
        QVERIFY(head != 0);
        int member = 0;
        for (int id : s.ids(kPublisher))
            if (id != head && alone(s.byId(id))) {
                member = id;
                break;
            }
        QVERIFY(member != 0);
        // Nobody has the head's id as a household key yet.
        for (const PublisherRecord& r : s.doc.publishers) QVERIFY(r.householdKey() != head);

        bool householdHidden = false;
        QString householdText, householdTitle, memberEntry;
        QStringList membersBefore, membersAfter;
        ModalScript script;
        script
            .then([&](QWidget* picker) {
                QVERIFY(selectEntry(picker, "publisherList", s.entry(head)));
                clickLater(picker, "editButton");
            })
            .then([&](QWidget* details) {
                householdHidden = !child(details, "householdButton")->isVisible();
                child<QCheckBox>(details, "headOfFamilyCheck")->click();
                householdText = child<QPushButton>(details, "householdButton")->text();
                clickLater(details, "householdButton");
            })
            .then([&](QWidget* household) {
                householdTitle = household->windowTitle();
                membersBefore = items(household, "memberList");
                clickLater(household, "addMemberButton");
            })
            .then([&](QWidget* single) {
                memberEntry = s.entry(member);
                QVERIFY(selectEntry(single, "personList", memberEntry));
                click(single, "chooseButton");
            })
            .then([&](QWidget* household) {
                membersAfter = items(household, "memberList");
                click(household, "closeButton");
            })
            .then([](QWidget* details) {
                QVERIFY(!child<QCheckBox>(details, "headOfFamilyCheck")->isEnabled());
                click(details, "okButton");
            })
            .then([](QWidget* picker) { click(picker, "closeButton"); });
        s.window->runCommand(shell::CommandId::EditPublishers);
        QVERIFY(script.done());
        QCOMPARE(script.unexpected(), 0);
        QVERIFY(householdHidden);
        QCOMPARE(householdText, QStringLiteral("Επεξεργασία Σπιτικού"));
        QCOMPARE(householdTitle, utf8Of(s.byId(head).firstName()) + QLatin1Char(' ') +
                                     utf8Of(s.byId(head).lastName()));
        QCOMPARE(membersBefore, QStringList({s.entry(head)}));
        QCOMPARE(membersAfter, QStringList({s.entry(head), memberEntry}));
        QCOMPARE(s.byId(member).householdKey(), head);
        QVERIFY((s.byId(head).privileges() & kHeadBit) != 0);

        QVERIFY(s.save());
        const auto fresh = s.reload();
        QVERIFY(fresh != nullptr);
        const auto& rows = fresh->publishers;
        QCOMPARE(rows[static_cast<std::size_t>(fresh->findById(member).value())].householdKey(),
                 head);
        const PublisherRecord& savedHead =
            rows[static_cast<std::size_t>(fresh->findById(head).value())];
        QVERIFY((savedHead.privileges() & kHeadBit) != 0);
        QCOMPARE(savedHead.householdKey(), 0);
        int members = 0;
        for (std::size_t r = 1; r < rows.size(); ++r) members += rows[r].householdKey() == head;
        QCOMPARE(members, 1);
    }

    // A new person ticked head of family, a member chosen through the household dialog, then
    // the details cancelled: the member is linked to nobody, and the next new person, who gets
    // the same id, is not their head.
    void aCancelledNewHeadLeavesNoMemberBehind() {
        Session s;
        QVERIFY(s.loaded);
        const int member = s.idWhere(kPublisher, [](const PublisherRecord& r) {
            return r.householdKey() == 0 && (r.privileges() & kHeadBit) == 0;
        });
        QVERIFY(member != 0);
        const int newId = s.doc.nextFreeId(100);

        QStringList members;
        ModalScript cancelled;
        cancelled.then([](QWidget* picker) { clickLater(picker, "addButton"); })
            .then([](QWidget* chooser) { click(chooser, "newPersonButton"); })
            .then([](QWidget* details) {
                typeText(child(details, "firstNameEdit"), QStringLiteral("Στέλιος"));
                typeText(child(details, "lastNameEdit"), QStringLiteral("Οικογενειάρχης"));
                child<QCheckBox>(details, "headOfFamilyCheck")->click();
                clickLater(details, "householdButton");
            })
            .then([](QWidget* household) { clickLater(household, "addMemberButton"); })
            .then([&](QWidget* single) {
                QVERIFY(selectEntry(single, "personList", s.entry(member)));
                click(single, "chooseButton");
            })
            .then([&](QWidget* household) {
                members = items(household, "memberList");
                click(household, "closeButton");
            })
            .then([](QWidget* details) { click(details, "cancelButton"); })
            .then([](QWidget* picker) { click(picker, "closeButton"); });
        s.window->runCommand(shell::CommandId::EditPublishers);
        QVERIFY(cancelled.done());
        QCOMPARE(cancelled.unexpected(), 0);
        QCOMPARE(members.size(), 2);
        QCOMPARE(members.at(1), s.entry(member));
        QVERIFY(!s.doc.findById(newId).has_value());
        QCOMPARE(s.byId(member).householdKey(), 0);

        ModalScript next;
        next.then([](QWidget* picker) { clickLater(picker, "addButton"); })
            .then([](QWidget* chooser) { click(chooser, "newPersonButton"); })
            .then([](QWidget* details) {
                typeText(child(details, "firstNameEdit"), QStringLiteral("Ιωάννα"));
                typeText(child(details, "lastNameEdit"), QStringLiteral("Ανεξάρτητη"));
                clickLater(details, "okButton");
            })
            .then([](QWidget* status) { click(status, "okButton"); })
            .then([](QWidget* picker) { click(picker, "closeButton"); });
        s.window->runCommand(shell::CommandId::EditPublishers);
        QVERIFY(next.done());
        QCOMPARE(next.unexpected(), 0);
        QVERIFY(s.doc.findById(newId).has_value());
        QCOMPARE(s.byId(member).householdKey(), 0);
    }

    // One contact given to A, chosen by B from the existing ones and changed from B: A sees the
    // change, and emerg.dat holds it before anything is saved.
    void aSharedEmergencyContactIsEditedFromTwoMembers() {
        Session s;
        QVERIFY(s.loaded);
        const auto noContact = [](const PublisherRecord& r) {
            return r.emergencyKey() == 0 && r.householdKey() == 0;
        };
        const int a = s.idWhere(kPublisher, noContact);
        int b = 0;
        for (int id : s.ids(kPublisher))
            if (id != a && noContact(s.byId(id))) {
                b = id;
                break;
            }
        QVERIFY(a != 0 && b != 0);
        const QByteArray tableOnDisk = s.fileBytes("zdat9.bin");
        const QString contactName = QStringLiteral("Ζωή Δοκιμαστική");

        // A: a new contact through the details.
        ModalScript give;
        give.then([&](QWidget* picker) {
                QVERIFY(selectEntry(picker, "publisherList", s.entry(a)));
                clickLater(picker, "editButton");
            })
            .then([](QWidget* details) { clickLater(details, "emergencyButton"); })
            .then([&](QWidget* contact) {
                typeText(child(contact, "nameEdit"), contactName);
                typeText(child(contact, "phoneMobileEdit"), QStringLiteral("6900000099"));
                click(contact, "okButton");
            })
            .then([](QWidget* details) { click(details, "okButton"); })
            .then([](QWidget* picker) { click(picker, "closeButton"); });
        s.window->runCommand(shell::CommandId::EditPublishers);
        QVERIFY(give.done());
        QCOMPARE(give.unexpected(), 0);
        const int key = s.byId(a).emergencyKey();
        QVERIFY(key >= 10);
        QCOMPARE(fileContact(s.fileBytes("emerg.dat"), key).text(EmergencyContact::kPhoneMobile),
                 std::string("6900000099"));

        // B: the same contact chosen, then its mobile number changed.
        bool offered = false, sharedNote = false;
        QString chosenName;
        ModalScript share;
        share
            .then([&](QWidget* picker) {
                QVERIFY(selectEntry(picker, "publisherList", s.entry(b)));
                clickLater(picker, "editButton");
            })
            .then([](QWidget* details) { clickLater(details, "emergencyButton"); })
            .then([&](QWidget* contact) {
                offered = child(contact, "useExistingButton")->isVisible();
                clickLater(contact, "useExistingButton");
            })
            .then([&](QWidget* chooser) {
                QVERIFY(selectEntry(chooser, "recordList", contactName));
                click(chooser, "okButton");
            })
            .then([&](QWidget* contact) {
                chosenName = child<QLineEdit>(contact, "nameEdit")->text();
                sharedNote = child(contact, "sharedNote")->isVisible();
                retype(contact, "phoneMobileEdit", QStringLiteral("6911112222"));
                click(contact, "okButton");
            })
            .then([](QWidget* details) { click(details, "okButton"); })
            .then([](QWidget* picker) { click(picker, "closeButton"); });
        s.window->runCommand(shell::CommandId::EditPublishers);
        QVERIFY(share.done());
        QCOMPARE(share.unexpected(), 0);
        QVERIFY(offered);
        QCOMPARE(chosenName, contactName);
        QVERIFY(sharedNote);
        QCOMPARE(s.byId(b).emergencyKey(), key);
        QCOMPARE(s.byId(a).emergencyKey(), key);

        // On disk at once, while the table itself waits for the save.
        const EmergencyContact onDisk = fileContact(s.fileBytes("emerg.dat"), key);
        QCOMPARE(onDisk.text(EmergencyContact::kPhoneMobile), std::string("6911112222"));
        QCOMPARE(onDisk.text(EmergencyContact::kName),
                 cp1253::fromUtf8(gui::utf8Text(contactName)));
        QCOMPARE(s.fileBytes("zdat9.bin"), tableOnDisk);
        QVERIFY(s.doc.isModified());

        // A sees the change.
        QString seen;
        bool sharedForA = false;
        ModalScript look;
        look.then([&](QWidget* picker) {
                QVERIFY(selectEntry(picker, "publisherList", s.entry(a)));
                clickLater(picker, "editButton");
            })
            .then([](QWidget* details) { clickLater(details, "emergencyButton"); })
            .then([&](QWidget* contact) {
                seen = child<QLineEdit>(contact, "phoneMobileEdit")->text();
                sharedForA = child(contact, "sharedNote")->isVisible();
                click(contact, "cancelButton");
            })
            .then([](QWidget* details) { click(details, "cancelButton"); })
            .then([](QWidget* picker) { click(picker, "closeButton"); });
        s.window->runCommand(shell::CommandId::EditPublishers);
        QVERIFY(look.done());
        QCOMPARE(look.unexpected(), 0);
        QCOMPARE(seen, QStringLiteral("6911112222"));
        QVERIFY(sharedForA);

        QVERIFY(s.save());
        const auto fresh = s.reload();
        QVERIFY(fresh != nullptr);
        for (int id : {a, b})
            QCOMPARE(fresh->publishers[static_cast<std::size_t>(fresh->findById(id).value())]
                         .emergencyKey(),
                     key);
        QCOMPARE(fresh->readEmergency(key).text(EmergencyContact::kPhoneMobile),
                 std::string("6911112222"));
    }

    // A student taken over from the students list in a chosen month becomes a new publisher.
    void aStudentBecomesAPublisherThroughTheAddChooser() {
        Session s;
        QVERIFY(s.loaded);
        const int student = s.ids(kNonPublisher).at(0);
        const QString entry = s.entry(student);
        const PublisherRecord before = s.byId(student);
        const std::size_t activeBefore = s.ids(kPublisher).size();
        const std::size_t studentsBefore = s.ids(kNonPublisher).size();

        bool fromStudentsShown = false;
        QString caption, selected;
        QStringList offered;
        ModalScript script;
        script.then([](QWidget* picker) { clickLater(picker, "addButton"); })
            .then([&](QWidget* chooser) {
                fromStudentsShown = child(chooser, "fromStudentsButton")->isVisible();
                click(chooser, "fromStudentsButton");
            })
            .then([&](QWidget* single) {
                offered = items(single, "personList");
                QVERIFY(selectEntry(single, "personList", entry));
                click(single, "chooseButton");
            })
            .then([&](QWidget* month) {
                caption = child<QGroupBox>(month, "captionGroup")->title();
                child<QComboBox>(month, "monthCombo")->setCurrentIndex(9);  // October
                click(month, "okButton");
            })
            .then([&](QWidget* picker) {
                selected = current(picker, "publisherList");
                click(picker, "closeButton");
            });
        s.window->runCommand(shell::CommandId::EditPublishers);
        QVERIFY(script.done());
        QCOMPARE(script.unexpected(), 0);
        QVERIFY(fromStudentsShown);
        QCOMPARE(offered.size(), int(studentsBefore));
        QVERIFY(entry.endsWith(QStringLiteral(" ( σ )")));
        QCOMPARE(caption, QStringLiteral("Μήνας που ") + utf8Of(s.doc.nameOf(before)) +
                              QStringLiteral(" έγινε ευαγγελιζόμενος"));

        const PublisherRecord& r = s.byId(student);
        QCOMPARE(int{r.kind()}, int{kPublisher});
        QCOMPARE(int{r.statusFlags()}, 10 * 16 + kMarkNew);
        QCOMPARE(int{r.statusFlags2()}, 10 * 16 + kMarkNew);
        QCOMPARE(int{r.statusSince()}, absoluteMonth(26, 9));  // October 2026
        QVERIFY(std::all_of(r.bytes.begin() + 240, r.bytes.end(), [](auto b) { return b == 0; }));
        QCOMPARE(selected, s.entry(student));
        QVERIFY(!selected.contains(QStringLiteral("( σ )")));
        QCOMPARE(s.ids(kPublisher).size(), activeBefore + 1);
        QCOMPARE(s.ids(kNonPublisher).size(), studentsBefore - 1);
        QVERIFY(s.doc.isModified());
        // The name, the contacts and the household stay as they were.
        QCOMPARE(r.firstName(), before.firstName());
        QCOMPARE(r.lastName(), before.lastName());
        QCOMPARE(r.householdKey(), before.householdKey());
        QCOMPARE(r.emergencyKey(), before.emergencyKey());

        QVERIFY(s.save());
        const auto fresh = s.reload();
        QVERIFY(fresh != nullptr);
        const PublisherRecord& back =
            fresh->publishers[static_cast<std::size_t>(fresh->findById(student).value())];
        QCOMPARE(int{back.kind()}, int{kPublisher});
        QCOMPARE(int{back.statusFlags()}, 10 * 16 + kMarkNew);
        QCOMPARE(int{back.statusSince()}, absoluteMonth(26, 9));
    }
};

QTEST_MAIN(PublisherEditingFlowTest)
#include "publisher_editing_flow_test.moc"
