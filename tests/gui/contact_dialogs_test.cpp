// The emergency contact dialog, the full name and need dialog and the shared-record chooser on
// the real widgets: one contact shared and edited from two household members, stopping the use
// of it with Yes, No and Cancel, a name too short for a new contact, and a need chosen from the
// shared ones, with the record files checked after each OK.
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "gui/modal_script.h"
#include "gui/records/contact_dialogs.h"
#include "gui/shell/qt_prompts.h"
#include "gui/shell_fixture.h"
#include "gui/typing.h"
#include "gui/widget_lookup.h"
#include "store/cp1253.h"
#include "store/data_files.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

using zelvo::Answer;
using zelvo::ContactExtra;
using zelvo::CZelvoDoc;
using zelvo::EmergencyContact;
using zelvo::PublisherRecord;
using zelvo::ScriptedPrompts;
using zelvo::SpecialNeed;
using zelvo::test::ModalScript;
using zelvo::test::typeText;

using zelvo::test::child;
using zelvo::test::click;
using zelvo::test::saveScreenshot;

using zelvo::test::clickLater;
using zelvo::test::retype;

namespace {

constexpr std::uint16_t kHead = 100;
constexpr std::uint16_t kMember = 101;
constexpr std::uint16_t kOther = 102;

QString textOf(QWidget* dialog, const char* name) {
    return child<QLineEdit>(dialog, name)->text();
}

EmergencyContact contact(const char* nameUtf8, const char* mobile) {
    EmergencyContact e;
    e.setText(EmergencyContact::kName, zelvo::cp1253::fromUtf8(nameUtf8));
    e.setText(EmergencyContact::kPhoneMobile, mobile);
    return e;
}

// A household (head 100, member 101) and one person of their own (102), loaded from an empty
// folder; the records are added through the store as the program does.
class Congregation {
public:
    Congregation() {
        doc.startUp(dir.path().toStdString(), zelvo::test::kToday, zelvo::LoadMode::Live);
        ScriptedPrompts none;
        QVERIFY(doc.load(none, zelvo::LoadMode::Live).ok);
        PublisherRecord head = person(kHead, "Άννα", "Αλεξίου");
        head.setByte(PublisherRecord::kPrivileges, 0x04);
        PublisherRecord member = person(kMember, "Βασίλης", "Αλεξίου");
        member.setWord(PublisherRecord::kHouseholdKey, kHead);
        for (const PublisherRecord& r : {head, member, person(kOther, "Γιώργος", "Γεωργίου")})
            doc.publishers.push_back(r);
        doc.countAllKinds();
        doc.buildIndexes();
    }
    static PublisherRecord person(std::uint16_t id, const char* first, const char* last) {
        PublisherRecord r;
        r.setId(id);
        r.setText(PublisherRecord::kFirstName, zelvo::cp1253::fromUtf8(first));
        r.setText(PublisherRecord::kLastName, zelvo::cp1253::fromUtf8(last));
        return r;
    }
    int rowOf(std::uint16_t id) const { return doc.findById(id).value_or(0); }
    PublisherRecord& row(std::uint16_t id) {
        return doc.publishers[static_cast<std::size_t>(rowOf(id))];
    }
    void setEmergency(std::uint16_t id, int key) {
        row(id).setWord(PublisherRecord::kEmergencyKey, static_cast<std::uint16_t>(key));
    }
    // The record of emerg.dat at `slot`, as the file holds it.
    EmergencyContact fileContact(int slot) const {
        QFile f(QDir(dir.path()).filePath(QLatin1String("emerg.dat")));
        EmergencyContact e;
        if (!f.open(QIODevice::ReadOnly) || !f.seek(slot * 256)) return e;
        const QByteArray b = f.read(256);
        std::copy(b.begin(), b.end(), e.bytes.begin());
        return e;
    }
    qint64 fileSize(const char* name) const {
        return QFileInfo(QDir(dir.path()).filePath(QLatin1String(name))).size();
    }

    QTemporaryDir dir;
    CZelvoDoc doc;
};

// Runs the emergency contact dialog of the person `id` with `script`'s actions; its working
// copy comes back in `working`.
bool runEmergency(Congregation& c, std::uint16_t id, ScriptedPrompts& prompts, ModalScript& script,
                  PublisherRecord& working) {
    working = c.row(id);
    const bool ok = zelvo::gui::editEmergencyContact(nullptr, c.doc, prompts, working, c.rowOf(id));
    return ok && script.done() && script.unexpected() == 0;
}

}  // namespace

class ContactDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void aSharedContactIsEditedFromEitherMember() {
        Congregation c;
        c.setEmergency(kHead, *c.doc.addEmergency(contact("Νίκος Παππάς", "6900000001")));
        c.setEmergency(kOther, *c.doc.addEmergency(contact("Ελένη Ράλλη", "6900000002")));
        QCOMPARE(c.row(kHead).emergencyKey(), 10);
        ScriptedPrompts prompts;
        PublisherRecord working;

        // The member takes the head's contact from the chooser, where it is preselected.
        bool offered = false, sharedBefore = true, sharedAfter = false;
        QString title, chooserTitle, preselected;
        ModalScript choose;
        choose
            .then([&](QWidget* d) {
                title = d->windowTitle();
                offered = child<QPushButton>(d, "useExistingButton")->isVisible();
                sharedBefore = child<QPushButton>(d, "stopUsingButton")->isVisible();
                clickLater(d, "useExistingButton");
            })
            .then([&](QWidget* chooser) {
                chooserTitle = chooser->windowTitle();
                preselected = child<QListWidget>(chooser, "recordList")->currentItem()->text();
                click(chooser, "okButton");
            })
            .then([&](QWidget* d) {
                sharedAfter = child<QLabel>(d, "sharedNote")->isVisible();
                QCOMPARE(textOf(d, "nameEdit"), QStringLiteral("Νίκος Παππάς"));
                click(d, "okButton");
            });
        QVERIFY(runEmergency(c, kMember, prompts, choose, working));
        QCOMPARE(title, QStringLiteral("Βασίλης Αλεξίου"));
        QVERIFY(offered);
        QVERIFY(!sharedBefore);
        QCOMPARE(chooserTitle, QStringLiteral("Άλλη επαφή (προτιμότερο εκτός περιοχής)"));
        QCOMPARE(preselected, QStringLiteral("Νίκος Παππάς"));
        QVERIFY(sharedAfter);
        QCOMPARE(working.emergencyKey(), 10);
        c.row(kMember) = working;  // the details dialog's OK

        // The head changes the mobile number; the file changes at once, for both.
        ModalScript edit;
        edit.then([&](QWidget* d) {
            QVERIFY(child<QLabel>(d, "sharedNote")->isVisible());
            saveScreenshot(d, "emergency-contact-shared.png");
            retype(d, "phoneMobileEdit", QStringLiteral("6911111111"));
            click(d, "okButton");
        });
        QVERIFY(runEmergency(c, kHead, prompts, edit, working));
        QCOMPARE(working.emergencyKey(), 10);
        QCOMPARE(c.fileContact(0).text(EmergencyContact::kPhoneMobile), std::string("6911111111"));
        QCOMPARE(c.fileSize("emerg.dat"), qint64(2 * 256));

        QString seen;
        ModalScript look;
        look.then([&](QWidget* d) {
            seen = textOf(d, "phoneMobileEdit");
            click(d, "cancelButton");
        });
        working = c.row(kMember);
        zelvo::gui::editEmergencyContact(nullptr, c.doc, prompts, working, c.rowOf(kMember));
        QVERIFY(look.done());
        QCOMPARE(seen, QStringLiteral("6911111111"));
        QVERIFY(prompts.messages.empty());
    }

    void stoppingTheUseAsksToClearTheFields() {
        Congregation c;
        const int key = *c.doc.addEmergency(contact("Νίκος Παππάς", "6900000001"));
        c.setEmergency(kHead, key);
        c.setEmergency(kMember, key);
        ScriptedPrompts prompts;
        PublisherRecord working;

        // Cancel, then No: detached with the fields kept, which become the member's own record.
        prompts.answers = {Answer::Cancel, Answer::No};
        bool stillShared = false, detached = true;
        QString kept;
        ModalScript no;
        no.then([&](QWidget* d) {
            click(d, "stopUsingButton");
            stillShared = child<QPushButton>(d, "stopUsingButton")->isVisible();
            click(d, "stopUsingButton");
            detached = !child<QPushButton>(d, "stopUsingButton")->isVisible();
            kept = textOf(d, "nameEdit");
            click(d, "okButton");
        });
        QVERIFY(runEmergency(c, kMember, prompts, no, working));
        QCOMPARE(prompts.questions.size(), std::size_t(2));
        QVERIFY(prompts.questions[0].starts_with(
            "Διακοπή χρήσης της κοινής επαφής. Να αδειάσουν και τα πεδία;"));
        QVERIFY(stillShared);
        QVERIFY(detached);
        QCOMPARE(kept, QStringLiteral("Νίκος Παππάς"));
        QCOMPARE(working.emergencyKey(), 11);
        QCOMPARE(c.fileContact(1).key(), 11);
        QCOMPARE(c.fileContact(1).text(EmergencyContact::kPhoneMobile), std::string("6900000001"));
        QCOMPARE(c.fileContact(0).key(), 10);

        // Yes: detached and cleared; OK leaves the head without a contact, the record stays.
        prompts.answers = {Answer::Yes};
        QString cleared = QStringLiteral("?");
        ModalScript yes;
        yes.then([&](QWidget* d) {
            click(d, "stopUsingButton");
            cleared = textOf(d, "nameEdit") + textOf(d, "phoneMobileEdit");
            click(d, "okButton");
        });
        QVERIFY(runEmergency(c, kHead, prompts, yes, working));
        QCOMPARE(cleared, QString());
        QCOMPARE(working.emergencyKey(), 0);
        QCOMPARE(c.fileContact(0).key(), 10);
    }

    // The question as the program shows it: Greek, and Enter answers No, which keeps the fields.
    void theClearQuestionIsGreekWithNoTheDefault() {
        Congregation c;
        const int key = *c.doc.addEmergency(contact("Νίκος Παππάς", "6900000001"));
        c.setEmergency(kHead, key);
        c.setEmergency(kMember, key);
        zelvo::gui::QtPrompts prompts;
        QString question, defaultButton, kept;
        QStringList buttons;
        ModalScript script;
        script.then([](QWidget* d) { clickLater(d, "stopUsingButton"); })
            .then([&](QWidget* box) {
                auto* message = qobject_cast<QMessageBox*>(box);
                QVERIFY(message != nullptr);
                question = message->text();
                for (QAbstractButton* b : message->buttons()) buttons << b->text();
                buttons.sort();
                if (message->defaultButton() != nullptr)
                    defaultButton = message->defaultButton()->objectName();
                QTest::keyClick(box, Qt::Key_Return);
            })
            .then([&](QWidget* d) {
                kept = textOf(d, "nameEdit");
                QVERIFY(!child<QPushButton>(d, "stopUsingButton")->isVisible());
                click(d, "cancelButton");
            });
        PublisherRecord working = c.row(kMember);
        zelvo::gui::editEmergencyContact(nullptr, c.doc, prompts, working, c.rowOf(kMember));
        QVERIFY(script.done());
        QVERIFY(question.startsWith(QStringLiteral("Διακοπή χρήσης της κοινής επαφής.")));
        QCOMPARE(buttons, QStringList({QStringLiteral("Όχι"), QStringLiteral("Ακύρωση"),
                                       QStringLiteral("Ναι")}));  // sorted
        QCOMPARE(defaultButton, QStringLiteral("noButton"));
        QCOMPARE(kept, QStringLiteral("Νίκος Παππάς"));
    }

    void aNewContactNeedsTwoCharactersAndOneContactIsNothingToChoose() {
        Congregation c;
        c.setEmergency(kHead, *c.doc.addEmergency(contact("Νίκος Παππάς", "6900000001")));
        ScriptedPrompts prompts;
        PublisherRecord working;
        bool offered = true, openAfterShort = false, nameFocused = false;
        ModalScript script;
        script.then([&](QWidget* d) {
            offered = child<QPushButton>(d, "useExistingButton")->isVisible();
            typeText(child<QLineEdit>(d, "nameEdit"), QStringLiteral("Ν"));
            child<QLineEdit>(d, "phoneHomeEdit")->setFocus();
            click(d, "okButton");
            openAfterShort = d->isVisible();
            nameFocused = d->focusWidget() == child<QLineEdit>(d, "nameEdit");
            child<QLineEdit>(d, "nameEdit")->end(false);
            typeText(child<QLineEdit>(d, "nameEdit"), QStringLiteral("ε"));
            QCheckBox* jw = child<QCheckBox>(d, "witnessCheck");
            QTest::mouseClick(jw, Qt::LeftButton, {}, QPoint(6, jw->height() / 2));
            click(d, "okButton");
        });
        QVERIFY(runEmergency(c, kOther, prompts, script, working));
        QVERIFY(!offered);
        QVERIFY(openAfterShort);
        QVERIFY(nameFocused);
        QCOMPARE(working.emergencyKey(), 11);
        const EmergencyContact stored = c.fileContact(1);
        QCOMPARE(stored.text(EmergencyContact::kName), zelvo::cp1253::fromUtf8("Νε"));
        QCOMPARE(int(stored.bytes[EmergencyContact::kWitness]), 1);
    }

    void aNeedIsChosenFromTheSharedOnesAndTheFullNameKept() {
        Congregation c;
        SpecialNeed ramp, diet;
        ramp.setText(SpecialNeed::kText, zelvo::cp1253::fromUtf8("Αναπηρικό αμαξίδιο"));
        diet.setText(SpecialNeed::kText, zelvo::cp1253::fromUtf8("Δίαιτα χωρίς αλάτι"));
        c.row(kHead).setWord(PublisherRecord::kSpecialNeedsKey,
                             static_cast<std::uint16_t>(*c.doc.addSpecialNeed(ramp)));
        c.row(kOther).setWord(PublisherRecord::kSpecialNeedsKey,
                              static_cast<std::uint16_t>(*c.doc.addSpecialNeed(diet)));
        const qint64 before = c.fileSize("spneed.dat");
        ScriptedPrompts prompts;
        PublisherRecord working = c.row(kMember);
        ContactExtra extra;

        bool needFocused = false, sharedShown = false;
        QString chooserTitle;
        ModalScript script;
        script
            .then([&](QWidget* d) {
                // The dialog's own focus: window activation is up to the platform and the load.
                needFocused = d->focusWidget() == child<QLineEdit>(d, "needEdit");
                clickLater(d, "useSharedButton");
            })
            .then([&](QWidget* chooser) {
                chooserTitle = chooser->windowTitle();
                child<QListWidget>(chooser, "recordList")->setCurrentRow(0);
                click(chooser, "okButton");
            })
            .then([&](QWidget* d) {
                sharedShown = child<QLabel>(d, "sharedNote")->isVisible();
                typeText(child<QLineEdit>(d, "fullNameEdit"),
                         QStringLiteral("Βασίλειος Αλεξίου  "));
                click(d, "okButton");
            });
        QVERIFY(zelvo::gui::editFullNameAndNeed(nullptr, c.doc, prompts, working, extra,
                                                c.rowOf(kMember), true));
        QVERIFY(script.done());
        QVERIFY(needFocused);
        QCOMPARE(chooserTitle, QStringLiteral("Κοινές Ειδικές Ανάγκες"));
        QVERIFY(sharedShown);
        QCOMPARE(working.specialNeedsKey(), c.row(kHead).specialNeedsKey());
        QCOMPARE(zelvo::cp1253::toUtf8(extra.fullName()), std::string("Βασίλειος Αλεξίου"));
        QCOMPARE(c.fileSize("spneed.dat"), before);  // chosen as it stands: nothing new

        // Stopping the shared need clears it at once, without a question.
        c.row(kMember) = working;
        ModalScript stop;
        stop.then([&](QWidget* d) {
            QCOMPARE(textOf(d, "fullNameEdit"), QStringLiteral("Βασίλειος Αλεξίου"));
            click(d, "stopUsingButton");
            QCOMPARE(textOf(d, "needEdit"), QString());
            click(d, "okButton");
        });
        QVERIFY(zelvo::gui::editFullNameAndNeed(nullptr, c.doc, prompts, working, extra,
                                                c.rowOf(kMember), false));
        QVERIFY(stop.done());
        QVERIFY(prompts.questions.empty());
        QCOMPARE(working.specialNeedsKey(), 0);
        QVERIFY(c.row(kHead).specialNeedsKey() != 0);
    }
};

QTEST_MAIN(ContactDialogsTest)
#include "contact_dialogs_test.moc"
