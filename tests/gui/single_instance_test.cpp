// One copy per user: a second start finds the first, asks it to come to the front, and the
// first window comes back from the task bar.
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

#include "gui/shell/main_window.h"
#include "gui/shell/single_instance.h"
#include "shell_fixture.h"

using namespace zelvo;
using zelvo::gui::SingleInstance;

class SingleInstanceTest : public QObject {
    Q_OBJECT

private:
    // A key of its own, so that a running program or another test never answers.
    static QString uniqueKey() {
        return QStringLiteral("zelvo_test_") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    }

private slots:
    void theKeyIsTheWindowClassOfTheEdition() {
        QVERIFY(SingleInstance::editionKey().startsWith(QStringLiteral("ZELVO_9_greek_")));
    }

    void aSecondStartAsksTheFirstToComeForward() {
        const QString key = uniqueKey();
        SingleInstance first(key);
        QVERIFY(first.claim());
        QSignalSpy raised(&first, &SingleInstance::raiseRequested);

        SingleInstance second(key);
        QVERIFY(!second.claim());
        QTRY_COMPARE(raised.count(), 1);

        SingleInstance third(key);
        QVERIFY(!third.claim());
        QTRY_COMPARE(raised.count(), 2);
    }

    void theKeyIsFreeAgainOnceTheFirstHasEnded() {
        const QString key = uniqueKey();
        {
            SingleInstance first(key);
            QVERIFY(first.claim());
        }
        SingleInstance next(key);
        QVERIFY(next.claim());
    }

    void differentEditionsOrUsersDoNotMeet() {
        SingleInstance one(uniqueKey());
        SingleInstance other(uniqueKey());
        QVERIFY(one.claim());
        QVERIFY(other.claim());
    }

    void theSocketLivesInTheUsersPrivateRuntimeFolder() {
        const QString key = uniqueKey();
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        QVERIFY(!runtime.isEmpty());
        QCOMPARE(SingleInstance::socketPath(key), QDir(runtime).filePath(key));
        const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                          QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
        QCOMPARE(QFileInfo(runtime).permissions() & others, QFile::Permissions());

        SingleInstance first(key);
        QVERIFY(first.claim());
        QVERIFY(QFileInfo::exists(SingleInstance::socketPath(key)));
        QVERIFY2(!QFileInfo::exists(QDir(QDir::tempPath()).filePath(key)),
                 "nothing at the name every user of the machine shares");
    }

    void theRuntimeFolderOfTheEnvironmentIsUsed() {
        QTemporaryDir own;
        QVERIFY(QFile::setPermissions(own.path(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const QByteArray before = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", own.path().toLocal8Bit());
        const QString key = uniqueKey();
        {
            SingleInstance first(key);
            QVERIFY(first.claim());
            QVERIFY(QFileInfo::exists(QDir(own.path()).filePath(key)));
            SingleInstance second(key);
            QVERIFY(!second.claim());
        }
        if (before.isEmpty())
            qunsetenv("XDG_RUNTIME_DIR");
        else
            qputenv("XDG_RUNTIME_DIR", before);
    }

    void aSocketAtTheSharedNameIsNeverAnswered() {
        // Another user of the machine listens at the name in the shared temporary folder.
        const QString key = uniqueKey();
        QLocalServer impostor;
        QVERIFY(impostor.listen(key));
        QVERIFY(impostor.fullServerName().startsWith(QDir::tempPath()));

        SingleInstance first(key);
        QVERIFY2(first.claim(), "the program runs instead of handing itself over");
        QVERIFY(!impostor.waitForNewConnection(100));
        SingleInstance second(key);
        QVERIFY(!second.claim());
    }

    void theFirstWindowIsRestoredAndRaised() {
        test::DataFolder folder(5);
        CZelvoDoc doc;
        ScriptedPrompts prompts;
        doc.startUp(folder.str(), test::kToday, LoadMode::Live);
        QVERIFY(doc.load(prompts, LoadMode::Live).ok);
        gui::CMainFrame window(doc, prompts);
        window.showMinimized();
        QVERIFY(window.isMinimized());

        const QString key = uniqueKey();
        SingleInstance first(key);
        QVERIFY(first.claim());
        connect(&first, &SingleInstance::raiseRequested, &window, &gui::CMainFrame::bringToFront);
        SingleInstance second(key);
        QVERIFY(!second.claim());
        QTRY_VERIFY(!window.isMinimized());
        QVERIFY(window.isVisible());
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
