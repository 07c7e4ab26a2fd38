// The backup dialog on the real widgets, in both modes: a refused location, the backup made and
// the cancel button become "Κλείσιμο"; the restore of the last backup after the save question,
// then the undo offered and carried out; a hand-picked folder that is no backup; the offer on
// exit asked once a month.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "gui/shell/main_window.h"
#include "gui/shell_fixture.h"
#include "gui/store/backup_commands.h"
#include "gui/store/backup_dialog.h"
#include "gui/widget_lookup.h"
#include "resources/strings.h"
#include "store/backup_history.h"
#include "store/clock.h"
#include "store/restore.h"

using zelvo::gui::BackupDialog;
using zelvo::test::child;

namespace {

namespace fs = std::filesystem;

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

bool load(zelvo::CZelvoDoc& doc, const zelvo::test::DataFolder& folder) {
    zelvo::ScriptedPrompts prompts;
    doc.startUp(folder.str(), zelvo::test::kToday, zelvo::LoadMode::Live);
    return doc.load(prompts, zelvo::LoadMode::Live).ok;
}

}  // namespace

class BackupDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qputenv(zelvo::kTodayEnvironmentVariable, "2026-12-08"); }

    void backupRefusesAZv9LocationThenMakesTheBackup() {
        zelvo::test::DataFolder data(40);
        QVERIFY(data.ok());
        QDir(data.path()).mkpath("usb/Zv9_0900_2026Dec01");
        zelvo::CZelvoDoc doc;
        QVERIFY(load(doc, data));
        zelvo::ScriptedPrompts prompts;
        BackupDialog dialog(
            doc, prompts, BackupDialog::Mode::Backup, nullptr,
            [&](QWidget*, const QString&) { return data.file("usb/Zv9_0900_2026Dec01"); });
        dialog.show();
        QVERIFY(child<QLabel>(&dialog, "requiredSpace")->text().startsWith(text("Απαιτούμενος")));
        QCOMPARE(child<QLineEdit>(&dialog, "locationEdit")->text(), data.path());
        zelvo::test::click(&dialog, "browseButton");
        QCOMPARE(prompts.messages.size(), std::size_t{1});
        QVERIFY(text(prompts.messages[0]).contains(text("δεν μπορεί να χρησιμοποιηθεί")));
        QCOMPARE(child<QLineEdit>(&dialog, "locationEdit")->text(), data.file("usb"));
        QVERIFY(child<QLabel>(&dialog, "statusLine")->text().endsWith(data.file("usb")));
        zelvo::test::saveScreenshot(&dialog, "backup-dialog.png");

        zelvo::test::click(&dialog, "okButton");
        QCOMPARE(child<QLabel>(&dialog, "statusLine")->text(), text(zelvo::res::kBackupDone));
        QCOMPARE(zelvo::test::button(&dialog, "cancelButton")->text(), text("Κλείσιμο"));
        QCOMPARE(zelvo::backup::restoreList(data.str()).size(), std::size_t{1});
        QVERIFY(zelvo::backup::restoreList(data.str())[0].folder.starts_with(
            data.file("usb/Zv9_").toStdString()));
        zelvo::test::click(&dialog, "okButton");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void restoreAsksAboutChangesThenOffersTheUndo() {
        zelvo::test::DataFolder data(40);
        QVERIFY(data.ok());
        const auto made =
            zelvo::backup::makeBackup({data.str(), data.str(), {zelvo::test::kToday, 9, 0}, {}});
        QVERIFY(made.ok());
        zelvo::CZelvoDoc doc;
        QVERIFY(load(doc, data));
        const std::string oldName = doc.displayName(1);
        doc.publishers[1].setText(zelvo::PublisherRecord::kLastName, "Changed");
        QVERIFY(doc.saveAll(*std::make_unique<zelvo::ScriptedPrompts>()).ok);
        doc.markModified();

        zelvo::ScriptedPrompts prompts;
        prompts.answers = {zelvo::Answer::No};
        {
            BackupDialog dialog(doc, prompts, BackupDialog::Mode::Restore, nullptr,
                                [&](QWidget*, const QString&) { return data.path(); });
            dialog.show();
            QCOMPARE(dialog.windowTitle(), text("Επαναφορά"));
            zelvo::test::saveScreenshot(&dialog, "restore-dialog.png");
            QCOMPARE(child<QListWidget>(&dialog, "backupList")->count(), 1);
            QVERIFY(child<QRadioButton>(&dialog, "lastChoice")->isChecked());
            QVERIFY(child<QRadioButton>(&dialog, "undoChoice")->isHidden());
            QVERIFY(child<QLabel>(&dialog, "statusLine")
                        ->text()
                        .endsWith(QString::fromStdString(made.folder.string())));
            // The data folder itself is no "Zv9_" backup: refused, the last one stays chosen.
            child<QRadioButton>(&dialog, "browseChoice")->click();
            QCOMPARE(prompts.messages.size(), std::size_t{1});
            zelvo::test::click(&dialog, "okButton");
            QCOMPARE(prompts.questions.size(), std::size_t{1});
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QVERIFY(dialog.restoreOutcome() && dialog.restoreOutcome()->reloaded);
        }
        QCOMPARE(doc.displayName(1), oldName);
        QVERIFY(!doc.isModified());

        BackupDialog undo(doc, prompts, BackupDialog::Mode::Restore);
        undo.show();
        auto* choice = child<QRadioButton>(&undo, "undoChoice");
        QVERIFY(choice->isVisible());
        QTest::mouseClick(choice, Qt::LeftButton, {}, QPoint(4, choice->height() / 2));
        QVERIFY(child<QLabel>(&undo, "statusLine")
                    ->text()
                    .startsWith(text("Πατήστε ΟΚ για να αναιρέσετε την τελευταία επαναφορά : ")));
        zelvo::test::click(&undo, "okButton");
        QVERIFY(undo.restoreOutcome() && undo.restoreOutcome()->files.ok());
        QVERIFY(doc.displayName(1).find("Changed") != std::string::npos);
    }

    void theExitOfferIsAskedOnceAMonth() {
        zelvo::test::DataFolder data(20);
        QVERIFY(data.ok());
        zelvo::CZelvoDoc doc;
        QVERIFY(load(doc, data));
        zelvo::ScriptedPrompts prompts;
        prompts.answers = {zelvo::Answer::No};
        zelvo::gui::CMainFrame frame(doc, prompts);
        zelvo::gui::offerBackupOnExit(frame);
        QCOMPARE(prompts.questions,
                 std::vector<std::string>{std::string(zelvo::res::kBackupOfferNone)});
        zelvo::gui::offerBackupOnExit(frame);
        QCOMPARE(prompts.questions.size(), std::size_t{1});
        QVERIFY(zelvo::readBackupHistory(data.str())[0].folder.empty());
    }
};

QTEST_MAIN(BackupDialogTest)
#include "backup_dialog_test.moc"
