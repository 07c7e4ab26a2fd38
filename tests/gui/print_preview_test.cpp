// The print preview on a laptop's 1024×768 screen: the whole window, its buttons and the close
// button among them, lie on the screen, none of them cut.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "gui/reports/print_preview_window.h"
#include "gui/shell/zelvo_view.h"
#include "modal_script.h"
#include "shell_fixture.h"
#include "widget_lookup.h"

using namespace zelvo;
using C = shell::CommandId;

class PrintPreviewTest : public QObject {
    Q_OBJECT

private slots:
    void thePreviewFitsTheScreen() {
        test::DataFolder folder(400);
        test::WindowSession s(folder);
        QVERIFY(s.loaded);
        s.window->runCommand(C::AnalysisByPioneersAndGroups);
        QTRY_VERIFY(s.window->view()->state().pageCount > 2);
        QRect available;
        QRect frame;
        QStringList cut;
        QRect close;
        test::ModalScript script;
        script.then([&](QWidget* modal) {
            auto* window = qobject_cast<gui::PrintPreviewWindow*>(modal);
            QVERIFY(window != nullptr);
            QTRY_VERIFY(window->pageCount() > 0);
            available = window->screen()->availableGeometry();
            frame = window->frameGeometry();
            for (QPushButton* b : window->findChildren<QPushButton*>()) {
                const QRect onScreen(b->mapToGlobal(QPoint(0, 0)), b->size());
                if (!b->isVisible() || !available.contains(onScreen) ||
                    b->width() < b->minimumSizeHint().width())
                    cut << b->objectName();
                if (b->objectName() == QLatin1String("previewClose")) close = onScreen;
            }
            // On the screen as the secretary sees it, over the main window.
            if (!qEnvironmentVariableIsEmpty("ZELVO_SCREENSHOT_DIR") &&
                QTest::qWaitForWindowExposed(window)) {
                QTest::qWait(300);
                window->screen()->grabWindow(0).save(
                    QDir(qEnvironmentVariable("ZELVO_SCREENSHOT_DIR"))
                        .filePath(QStringLiteral("print-preview.png")));
            }
            test::click(window, "previewClose");
        });
        s.window->runCommand(C::PrintPreview);
        QVERIFY(script.done());
        QVERIFY2(available.width() <= 1024 && available.height() <= 768,
                 "the test runs on a 1024x768 screen");
        QVERIFY2(available.contains(frame), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                           .arg(frame.x())
                                                           .arg(frame.y())
                                                           .arg(frame.width())
                                                           .arg(frame.height())));
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char(' '))));
        QVERIFY(!close.isEmpty());
        QVERIFY(!s.window->view()->printing());
    }
};

// The offscreen platform's screen is 800×800 unless told otherwise: here it is a 1024×768 one.
int main(int argc, char** argv) {
    QTemporaryDir config;
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen") {
        const QString path = config.filePath(QStringLiteral("screen.json"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1024,
                          "height": 768, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        file.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(path));
    }
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    PrintPreviewTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "print_preview_test.moc"
