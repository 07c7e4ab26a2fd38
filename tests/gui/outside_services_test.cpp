// The desktop's telephone and mail services: what is handed to the desktop, and the program's
// messages when nothing takes it.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "gui/shell/outside_services.h"
#include "gui/shell/qt_text.h"
#include "resources/strings.h"
#include "shell/outside_requests.h"
#include "store/user_prompts.h"

using zelvo::MailOriginator;
using zelvo::gui::DesktopOutsideServices;

namespace {

// A stand-in mail program: records its arguments, one a line, then exits with `status`.
QString fakeMailProgram(const QTemporaryDir& dir, int status) {
    const QString path = dir.filePath(QStringLiteral("mail-%1").arg(status));
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly)) return {};
    script.write(QStringLiteral("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > "
                                "'%1'\nexit %2\n")
                     .arg(dir.filePath(QStringLiteral("args")))
                     .arg(status)
                     .toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    return path;
}

zelvo::MailRequest reminder() {
    return zelvo::buildMailRequest("anna@example.gr; nikos@example.gr", "Υπενθύμιση", "Καλησπέρα",
                                   "/tmp/Ομάδα 1.z09", "Ομάδα 1.z09", "sec@example.gr",
                                   MailOriginator::SenderEmail);
}

}  // namespace

class OutsideServicesTest : public QObject {
    Q_OBJECT

private slots:
    void dialOpensATelAddressOfTheDigits() {
        zelvo::ScriptedPrompts prompts;
        DesktopOutsideServices services(prompts);
        QList<QUrl> opened;
        services.setUrlOpener([&](const QUrl& url) {
            opened << url;
            return true;
        });
        QVERIFY(services.dial(zelvo::dialDigits("(210) 123-4567"), "Άννα"));
        QVERIFY(!services.dial(zelvo::dialDigits("--"), "Άννα"));
        QCOMPARE(opened, QList<QUrl>{QUrl(QStringLiteral("tel:2101234567"))});
        QVERIFY(prompts.messages.empty());
    }

    void dialWithoutATelephoneServiceSaysSo() {
        zelvo::ScriptedPrompts prompts;
        DesktopOutsideServices services(prompts);
        services.setUrlOpener([](const QUrl&) { return false; });
        QVERIFY(!services.dial("2101234567", "Άννα"));
        QCOMPARE(prompts.messages,
                 std::vector<std::string>{std::string(zelvo::res::kTelephoneUnavailable)});
    }

    void mailIsHandedToTheMailProgram() {
        QTemporaryDir dir;
        zelvo::ScriptedPrompts prompts;
        DesktopOutsideServices services(prompts);
        services.setMailProgram(fakeMailProgram(dir, 0));
        QVERIFY(services.sendMail(reminder()));
        QVERIFY(prompts.messages.empty());
        QFile args(dir.filePath(QStringLiteral("args")));
        QVERIFY(args.open(QIODevice::ReadOnly));
        QCOMPARE(
            QString::fromUtf8(args.readAll()).split('\n', Qt::SkipEmptyParts),
            (QStringList{"--utf8", "--subject", "Υπενθύμιση", "--body", "Καλησπέρα ", "--attach",
                         "/tmp/Ομάδα 1.z09", "anna@example.gr", "nikos@example.gr"}));
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void mailFailuresGiveTheProgramsMessages_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("missing");
        QTest::addColumn<QString>("message");
        QTest::newRow("no mail program")
            << 0 << true << zelvo::gui::qtText(zelvo::res::kMailUnavailable);
        QTest::newRow("no mail client")
            << 3 << false << zelvo::gui::qtText(zelvo::res::kMailUnavailable);
        QTest::newRow("failed") << 4 << false << zelvo::gui::qtText(zelvo::res::kMailFailed);
        QTest::newRow("bad arguments") << 1 << false << zelvo::gui::qtText(zelvo::res::kMailFailed);
    }
    void mailFailuresGiveTheProgramsMessages() {
        QFETCH(int, status);
        QFETCH(bool, missing);
        QFETCH(QString, message);
        QTemporaryDir dir;
        zelvo::ScriptedPrompts prompts;
        DesktopOutsideServices services(prompts);
        services.setMailProgram(missing ? dir.filePath(QStringLiteral("no-such-program"))
                                        : fakeMailProgram(dir, status));
        QVERIFY(!services.sendMail(reminder()));
        QCOMPARE(prompts.messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(prompts.messages[0]), message);
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }
};

QTEST_MAIN(OutsideServicesTest)
#include "outside_services_test.moc"
