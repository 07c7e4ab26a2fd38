// The regular pioneer hours dialog's "Εκτύπωση": pressed from the keyboard, it prints the pioneer
// hours report of every regular pioneer as a job named "PioProg".
#include <QFile>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "gui/modal_script.h"
#include "gui/shell/main_window.h"
#include "gui/shell/zelvo_view.h"
#include "gui/shell_fixture.h"
#include "gui/widget_lookup.h"
#include "reports/report_kind.h"
#include "shell/command_ids.h"

using namespace zelvo;

class PioneerHoursPrintTest : public QObject {
    Q_OBJECT

private slots:
    void thePrintButtonPrintsThePioneerHoursReport() {
        test::DataFolder folder(120);
        test::WindowSession s(folder);
        QVERIFY(s.loaded);
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("pioneers.pdf"));
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        printer->setPageSize(QPageSize(QPageSize::Letter));
        s.window->view()->setPrinter(std::move(printer));
        s.window->view()->setProgressDelay(60000);
        int dialogs = 0;
        s.window->view()->setPrintDialogRunner([&](QPrinter&, int, int) {
            ++dialogs;
            return true;
        });

        bool enabled = false;
        test::ModalScript script;
        script.then([&](QWidget* hours) {
            QPushButton* print = test::button(hours, "printButton");
            enabled = print->isEnabled();
            print->setFocus();
            QTest::keyClick(print, Qt::Key_Space);
            test::button(hours, "closeButton")->click();
        });
        s.window->runCommand(shell::CommandId::ViewRegularPioneers);
        QVERIFY(script.done());
        QVERIFY(enabled);
        QCOMPARE(dialogs, 1);
        QCOMPARE(s.window->view()->reportKind(),
                 reports::kindNumber(reports::ReportKind::PioneerHours));
        QVERIFY(QFile::exists(pdf));

        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf});
        if (!info.waitForFinished(20000) || info.exitCode() != 0) QSKIP("pdfinfo is not installed");
        const QString text = QString::fromUtf8(info.readAllStandardOutput());
        QVERIFY2(text.contains(QRegularExpression(QStringLiteral("Title:\\s+PioProg"))),
                 qPrintable(text));
        QVERIFY(!s.window->view()->printing());
    }
};

QTEST_MAIN(PioneerHoursPrintTest)
#include "pioneer_hours_print_test.moc"
