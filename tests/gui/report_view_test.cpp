// The report view on the real main window: the two modes and the keys, the font commands and
// their keeping in the settings file, the print preview, printing with its copies and ranges,
// the PDF output (saved as PDF, or offered when there is no printer), and Cancel in a job's
// progress.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <memory>

#include "gui/reports/print_preview_window.h"
#include "gui/reports/report_canvas.h"
#include "gui/shell/command_actions.h"
#include "gui/shell/dashboard.h"
#include "gui/shell/main_window.h"
#include "gui/shell/qt_text.h"
#include "gui/shell/zelvo_view.h"
#include "modal_script.h"
#include "render/report_pdf.h"
#include "reports/recording_surface.h"
#include "reports/report_font.h"
#include "reports/report_kind.h"
#include "reports/report_routines.h"
#include "resources/strings.h"
#include "shell/command_table.h"
#include "shell_fixture.h"
#include "store/ini_file.h"

using namespace zelvo;
using gui::CMainFrame;
using gui::CZelvoView;
using reports::FontRole;
using C = shell::CommandId;

namespace {

struct Session : test::WindowSession {
    using WindowSession::WindowSession;
    CZelvoView* view() const { return window->view(); }
    // Shows a report and waits until its first draw has sized the canvas.
    void show(C command) {
        window->runCommand(command);
        QCoreApplication::processEvents();
        QTest::qWait(50);
    }
    int canvasHeight() const { return view()->canvas()->height(); }
};

// A PDF printer of the given file, as a printer whose driver cannot make copies.
std::unique_ptr<QPrinter> pdfPrinter(const QString& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setResolution(300);
    printer->setPageSize(QPageSize(QPageSize::Letter));
    return printer;
}

int pdfPages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith("%PDF")) return -1;
    int pages = 0;
    for (qsizetype at = bytes.indexOf("/Type /Page"); at >= 0;
         at = bytes.indexOf("/Type /Page", at + 1))
        if (bytes.mid(at + 11, 1) != "s") ++pages;
    return pages;
}

// The page count of a PDF: pdfinfo's when it is installed, else the pages the file declares.
int pdfPageCount(const QString& path) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    if (info.waitForFinished(20000) && info.exitStatus() == QProcess::NormalExit &&
        info.exitCode() == 0) {
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"),
                               QRegularExpression::MultilineOption)
                .match(QString::fromUtf8(info.readAllStandardOutput()));
        if (m.hasMatch()) return m.captured(1).toInt();
    }
    return pdfPages(path);
}

// The pages a report takes on Letter paper, as the printing path counts them.
int pagesOnPaper(CZelvoDoc& doc, const reports::ReportFonts& fonts, int kind, int group) {
    reports::RecordingSurface paper(300, 300);
    reports::ReportContext context = reports::reportContextFor(doc, fonts, test::kToday);
    context.page.pageLength = reports::printPageLength(false);
    reports::drawReport(doc, paper, kind, group, context);
    return context.pagesUsed > 0 ? context.pagesUsed : context.pageCount;
}

// The files of a folder, temporary ones included.
QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// A printer of no use: PDF output with no file, as Qt makes one where no printer is installed.
std::unique_ptr<QPrinter> noPrinter() {
    auto printer = std::make_unique<QPrinter>();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setPageSize(QPageSize(QPageSize::Letter));
    return printer;
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

IniFile settingsOf(const test::DataFolder& folder) {
    return IniFile::load(folder.file(QStringLiteral("zelvog.ini")).toStdString());
}

std::string section(FontRole role) {
    return cp1253::fromUtf8(reports::fontSection(role));
}

}  // namespace

class ReportViewTest : public QObject {
    Q_OBJECT

private slots:
    // --- modes and keys ---

    void reportModeAndBack() {
        test::DataFolder folder(40);
        Session s(folder);
        QVERIFY(s.loaded);
        QCOMPARE(s.view()->mode(), shell::ViewMode::Dashboard);
        s.show(C::AnalysisByPioneersAndGroups);
        QCOMPARE(s.view()->mode(), shell::ViewMode::Report);
        QCOMPARE(s.view()->reportKind(), 1);
        QVERIFY(s.view()->canvas()->isVisible());
        QVERIFY(s.view()->hasFocus());
        const reports::ViewState& st = s.view()->state();
        QTRY_COMPARE(s.canvasHeight(), 11 * st.pageCount * st.screenDpiY);
        QCOMPARE(s.view()->canvas()->width(), 8 * st.screenDpiX);

        QTest::keyClick(s.view(), Qt::Key_Escape);
        QCOMPARE(s.view()->mode(), shell::ViewMode::Dashboard);
        QVERIFY(s.view()->dashboard()->isVisible());

        s.show(C::AnalysisAlphabetical);
        QCOMPARE(s.view()->reportKind(), 110);
        s.window->runCommand(C::ReturnToDashboard);
        QCOMPARE(s.view()->mode(), shell::ViewMode::Dashboard);
        // A report of every built kind shows.
        for (const C command : {C::CongregationTotals, C::MeetingsReport}) {
            s.show(command);
            QCOMPARE(s.view()->mode(), shell::ViewMode::Report);
        }
    }

    void keysScrollALongReport() {
        test::DataFolder folder(400);
        Session s(folder);
        s.window->resize(900, 600);
        s.show(C::AnalysisByPioneersAndGroups);
        const reports::ViewState& st = s.view()->state();
        QTRY_VERIFY(st.pageCount > 2);
        QTRY_COMPARE(s.canvasHeight(), 11 * st.pageCount * st.screenDpiY);
        QScrollBar* bar = s.view()->reportScroll()->verticalScrollBar();
        const reports::ScrollSizes sizes = st.scrollSizes();
        QCOMPARE(bar->value(), 0);
        QTest::keyClick(s.view(), Qt::Key_PageDown);
        QCOMPARE(bar->value(), sizes.pageY);
        QTest::keyClick(s.view(), Qt::Key_Down);
        QCOMPARE(bar->value(), sizes.pageY + sizes.lineY);
        QTest::keyClick(s.view(), Qt::Key_PageUp);
        QCOMPARE(bar->value(), sizes.lineY);
        QTest::keyClick(s.view(), Qt::Key_End);
        QCOMPARE(bar->value(), bar->maximum());
        QTest::keyClick(s.view(), Qt::Key_Home);
        QCOMPARE(bar->value(), 0);
        // Another report starts at its top.
        QTest::keyClick(s.view(), Qt::Key_End);
        s.show(C::AnalysisAlphabetical);
        QCOMPARE(bar->value(), 0);
    }

    void groupReportNamesItsGroupInTheCaption() {
        test::DataFolder folder(40);
        Session s(folder);
        const QString plain = s.window->windowTitle();
        s.view()->showReport(2, 3);
        QTRY_VERIFY(s.window->windowTitle().contains(QStringLiteral("Όμιλος #3")));
        // The frame's own refresh after a command does not take it away.
        s.window->updateCommands();
        QVERIFY(s.window->windowTitle().contains(QStringLiteral("Όμιλος #3")));
        QTest::keyClick(s.view(), Qt::Key_Escape);
        QCOMPARE(s.window->windowTitle(), plain);
    }

    // --- fonts ---

    void fontDialogReplacesTheTitleFont() {
        test::DataFolder folder(10);
        Session s(folder);
        const reports::LogicalFont before = s.view()->fonts().font(FontRole::Title);
        QCOMPARE(before.height, -19);
        QString title;
        test::ModalScript script;
        script.then([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFontDialog*>(modal);
            QVERIFY(dialog != nullptr);
            title = dialog->windowTitle();
            QFont font(QStringLiteral("Liberation Serif"));
            font.setPointSize(18);
            font.setItalic(true);
            dialog->setCurrentFont(font);
            dialog->accept();
        });
        s.window->runCommand(C::TitleFont);
        QVERIFY(script.done());
        QCOMPARE(title, QStringLiteral("Γραμ/σειρά για Τίτλους"));
        const reports::LogicalFont after = s.view()->fonts().font(FontRole::Title);
        QCOMPARE(QString::fromStdString(after.faceName), QStringLiteral("Liberation Serif"));
        QCOMPARE(after.height, -24);  // 18 points at 96 dots per inch
        QCOMPARE(after.italic, 1);
        QCOMPARE(after.charSet, before.charSet);
        // Kept at once, though the data were not saved.
        const IniFile ini = settingsOf(folder);
        QCOMPARE(ini.integer(section(FontRole::Title), "Height", 0), -24);
        QCOMPARE(ini.text(section(FontRole::Title), "FaceName", ""),
                 std::string("Liberation Serif"));
        QCOMPARE(ini.integer(section(FontRole::Title), "Italic", 0), 1);
    }

    // The chooser opens on the font the report is drawn with: the title's Arial bold is shown
    // as the installed family Arial resolves to, bold, 14 points. OK with nothing changed
    // changes nothing, in memory or in zelvog.ini.
    void fontDialogOpensOnTheCurrentFont() {
        test::DataFolder folder(10);
        Session s(folder);
        const reports::LogicalFont before = s.view()->fonts().font(FontRole::Title);
        QCOMPARE(QString::fromStdString(before.faceName), QStringLiteral("Arial"));
        QCOMPARE(before.weight, 700);
        const QByteArray iniBefore = bytesOf(folder.file(QStringLiteral("zelvog.ini")));
        QFont opened;
        test::ModalScript script;
        script.then([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFontDialog*>(modal);
            QVERIFY(dialog != nullptr);
            opened = dialog->currentFont();
            dialog->accept();
        });
        s.window->runCommand(C::TitleFont);
        QVERIFY(script.done());
        QCOMPARE(opened.family(), QFontInfo(QFont(QStringLiteral("Arial"))).family());
        QCOMPARE(opened.weight(), QFont::Bold);
        QVERIFY(!opened.italic());
        QCOMPARE(opened.pointSize(), 14);  // 19 pixels at 96 dots per inch
        QCOMPARE(s.view()->fonts().font(FontRole::Title), before);
        QCOMPARE(bytesOf(folder.file(QStringLiteral("zelvog.ini"))), iniBefore);
    }

    // An upright font whose family has no style named as Qt names it ("Book", not "Normal")
    // opens upright, an italic one italic; a new size keeps the face the record names.
    void theChooserKeepsStyleAndFace() {
        test::DataFolder folder(10);
        Session s(folder);
        QFont opened;
        test::ModalScript script;
        script.then([](QWidget* modal) {
            auto* dialog = qobject_cast<QFontDialog*>(modal);
            dialog->setCurrentFont(
                QFontDatabase::font(QStringLiteral("DejaVu Sans"), QStringLiteral("Book"), 12));
            dialog->accept();
        });
        script.then([&](QWidget* modal) {
            opened = qobject_cast<QFontDialog*>(modal)->currentFont();
            qobject_cast<QDialog*>(modal)->accept();
        });
        s.window->runCommand(C::TextFont);
        QCOMPARE(QString::fromStdString(s.view()->fonts().font(FontRole::Text).faceName),
                 QStringLiteral("DejaVu Sans"));
        s.window->runCommand(C::TextFont);
        QVERIFY(script.done());
        QCOMPARE(opened.family(), QStringLiteral("DejaVu Sans"));
        QVERIFY(!opened.italic());
        QCOMPARE(opened.weight(), QFont::Normal);

        // Only the size changes: the record keeps "Arial" and its family byte.
        const reports::LogicalFont title = s.view()->fonts().font(FontRole::Title);
        test::ModalScript bigger;
        bigger.then([](QWidget* modal) {
            auto* dialog = qobject_cast<QFontDialog*>(modal);
            QFont font = dialog->currentFont();
            font.setPointSize(20);
            dialog->setCurrentFont(font);
            dialog->accept();
        });
        s.window->runCommand(C::TitleFont);
        QVERIFY(bigger.done());
        const reports::LogicalFont after = s.view()->fonts().font(FontRole::Title);
        QCOMPARE(after.height, -27);  // 20 points at 96 dots per inch
        QCOMPARE(QString::fromStdString(after.faceName), QStringLiteral("Arial"));
        QCOMPARE(after.pitchAndFamily, title.pitchAndFamily);
        QCOMPARE(after.weight, 700);
    }

    void theSmallTextChooserHasNoTitleAndCancelKeepsTheFont() {
        test::DataFolder folder(10);
        Session s(folder);
        const reports::LogicalFont before = s.view()->fonts().font(FontRole::Small);
        QString title = QStringLiteral("unset");
        test::ModalScript script;
        script.then([&](QWidget* modal) {
            title = modal->windowTitle();
            qobject_cast<QDialog*>(modal)->reject();
        });
        s.window->runCommand(C::SmallTextFont);
        QVERIFY(script.done());
        QVERIFY(title.isEmpty());
        QCOMPARE(s.view()->fonts().font(FontRole::Small), before);
        QVERIFY(!folder.exists(QStringLiteral("zelvog.ini")) ||
                settingsOf(folder).integer(section(FontRole::Small), "Height", 0) == 0);
    }

    void anUnchangedChoiceWritesNothing() {
        test::DataFolder folder(10);
        Session s(folder);
        int asked = 0;
        s.view()->setFontChooser([&](QFont&, const QString&) { return ++asked > 0; });
        s.window->runCommand(C::TextFont);
        QCOMPARE(asked, 1);
        QVERIFY(!folder.exists(QStringLiteral("zelvog.ini")) ||
                settingsOf(folder).integer(section(FontRole::Text), "Height", 0) == 0);
    }

    void defaultsRestoreEveryFontAndSavesKeepThem() {
        test::DataFolder folder(10);
        {
            Session s(folder);
            s.view()->setFontChooser([](QFont& font, const QString&) {
                font = QFont(QStringLiteral("DejaVu Sans Mono"));
                font.setPointSize(30);
                return true;
            });
            s.window->runCommand(C::HeadingFont);
            QCOMPARE(s.view()->fonts().font(FontRole::Heading).height, -40);
            s.window->runCommand(C::DefaultFonts);
            for (int i = 0; i < reports::kReportFontCount; ++i) {
                const auto role = static_cast<FontRole>(i);
                QCOMPARE(s.view()->fonts().font(role),
                         reports::defaultFont(role, reports::PrinterResolutionClass::High, 161));
            }
            s.window->runCommand(C::TextFont);  // the text font changes again
            s.doc.markModified();
            QVERIFY(s.doc.saveAll(s.prompts).ok);
        }
        // The next start reads what the save wrote.
        Session again(folder);
        QCOMPARE(again.view()->fonts().font(FontRole::Text).height, -40);
        QCOMPARE(again.view()->fonts().font(FontRole::Title).height, -19);
        QCOMPARE(settingsOf(folder).integer(section(FontRole::Small), "Height", 0), -13);
    }

    // --- print preview and printing ---

    void previewShowsEveryPageWhilePrinting() {
        test::DataFolder folder(400);
        Session s(folder);
        s.show(C::AnalysisByPioneersAndGroups);
        QTRY_VERIFY(s.view()->state().pageCount > 2);
        QSignalSpy printing(s.view(), &CZelvoView::printingChanged);
        int shown = -1;
        QString label;
        bool flagDuringPreview = false;
        bool closeRefused = false;
        test::ModalScript script;
        script.then([&](QWidget* modal) {
            auto* window = qobject_cast<gui::PrintPreviewWindow*>(modal);
            QVERIFY(window != nullptr);
            QCOMPARE(window->windowTitle(), QStringLiteral("Προεπισκόπηση Εκτύπωσης"));
            QTRY_VERIFY(window->pageCount() > 0);
            shown = window->pageCount();
            flagDuringPreview = s.view()->printing();
            window->findChild<QPushButton*>(QStringLiteral("previewNext"))->click();
            label = window->findChild<QLabel*>(QStringLiteral("previewPageLabel"))->text();
            // The frame will not close while the preview runs.
            s.window->close();
            closeRefused = s.window->isVisible();
            window->findChild<QPushButton*>(QStringLiteral("previewClose"))->click();
        });
        s.window->runCommand(C::PrintPreview);
        QVERIFY(script.done());
        // Every page that holds anything on the preview's paper (A4 here: its pages hold more
        // lines than the screen's count assumed, and a page foreseen for the branch block is not
        // printed blank).
        reports::RecordingSurface paper(300, 300);
        reports::ReportContext context =
            reports::reportContextFor(s.doc, s.view()->fonts(), test::kToday);
        context.isA4 = s.view()->state().isA4;
        context.page.pageLength = reports::printPageLength(context.isA4);
        QVERIFY(reports::drawReport(s.doc, paper, 1, 0, context));
        QVERIFY(shown > 2);
        QCOMPARE(shown, context.pagesUsed);
        QCOMPARE(label, QStringLiteral("Σελίδα 2 από %1").arg(shown));
        QVERIFY(flagDuringPreview);
        QVERIFY(closeRefused);
        QVERIFY(std::find(s.prompts.messages.begin(), s.prompts.messages.end(),
                          res::kUseCloseButton) != s.prompts.messages.end());
        QVERIFY(!s.view()->printing());
        QCOMPARE(printing.count(), 2);
        QCOMPARE(s.view()->state().pageLength, 110);
    }

    void printingMakesTheCopiesTheDriverCannot() {
        test::DataFolder folder(400);
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("job.pdf"));
        Session s(folder);
        s.view()->setPrinter(pdfPrinter(pdf));
        s.show(C::AnalysisByPioneersAndGroups);
        QTRY_VERIFY(s.view()->state().pageCount > 2);
        const int pages = s.view()->state().pageCount;
        int offeredMax = 0;
        s.view()->setPrintDialogRunner([&](QPrinter& printer, int, int maxPage) {
            offeredMax = maxPage;
            printer.setCopyCount(2);
            return true;
        });
        s.window->runCommand(C::Print);
        QCOMPARE(offeredMax, pages);
        QCOMPARE(pdfPages(pdf), 2 * pages);
        QVERIFY(!s.view()->printing());

        // A range of one page, one copy.
        s.view()->setPrintDialogRunner([](QPrinter& printer, int, int) {
            printer.setCopyCount(1);
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(2, 2);
            return true;
        });
        s.window->runCommand(C::Print);
        QCOMPARE(pdfPages(pdf), 1);

        // Cancelling the dialog prints nothing.
        QFile::remove(pdf);
        s.view()->setPrintDialogRunner([](QPrinter&, int, int) { return false; });
        s.window->runCommand(C::Print);
        QVERIFY(!QFile::exists(pdf));
    }

    void anA4JobKeepsTwelveInchBands() {
        test::DataFolder folder(60);
        QTemporaryDir out;
        Session s(folder);
        auto printer = pdfPrinter(out.filePath(QStringLiteral("a4.pdf")));
        printer->setPageSize(QPageSize(QPageSize::A4));
        s.view()->setPrinter(std::move(printer));
        s.view()->setPrintDialogRunner([](QPrinter&, int, int) { return true; });
        s.show(C::CongregationTotals);  // the totals
        s.window->runCommand(C::Print);
        QVERIFY(s.view()->state().isA4);
        QCOMPARE(s.view()->state().pageLength, 110);  // back for the screen
        QCOMPARE(pdfPages(out.filePath(QStringLiteral("a4.pdf"))), s.view()->state().pageCount);
    }

    // No printer: the question, and on Yes the PDF in the file chosen; No does nothing more.
    void noPrinterOffersThePdf() {
        test::DataFolder folder(400);
        QTemporaryDir out;
        Session s(folder);
        s.view()->setPrinter(noPrinter());
        s.show(C::AnalysisByPioneersAndGroups);
        s.prompts.answers = {Answer::No};
        s.window->runCommand(C::Print);
        QCOMPARE(s.prompts.questions.back(), std::string(res::kNoPrinterSavePdf));
        QVERIFY(s.prompts.savesOffered.empty());
        QVERIFY(s.prompts.messages.empty());

        const QString pdf = out.filePath(QStringLiteral("report.pdf"));
        s.prompts.answers = {Answer::Yes};
        s.prompts.savePaths = {pdf.toStdString()};
        QSignalSpy printing(s.view(), &CZelvoView::printingChanged);
        s.window->runCommand(C::Print);
        QCOMPARE(s.prompts.savesOffered.size(), 1u);
        QVERIFY(s.prompts.messages.empty());
        const int pages = pagesOnPaper(s.doc, s.view()->fonts(), 1, 0);
        QVERIFY(pages > 2);
        QCOMPARE(pdfPageCount(pdf), pages);
        QCOMPARE(printing.count(), 2);  // the frame would not close meanwhile
        QVERIFY(!s.view()->printing());
        QCOMPARE(s.view()->mode(), shell::ViewMode::Report);
    }

    // "Αποθήκευση ως PDF…" offers the report's title and month for a name, in the folder of the
    // last PDF, and writes every page of the report; a dialog cancelled writes nothing.
    void saveAsPdfWritesTheReport() {
        test::DataFolder folder(400);
        QTemporaryDir out;
        Session s(folder);
        s.view()->setPrinter(pdfPrinter(out.filePath(QStringLiteral("printer.pdf"))));
        s.show(C::AnalysisByPioneersAndGroups);
        QVERIFY(s.window->commandActions()->action(C::SaveAsPdf)->isEnabled());
        const QString pdf = out.filePath(QStringLiteral("analysis.pdf"));
        s.prompts.savePaths = {pdf.toStdString()};
        s.window->runCommand(C::SaveAsPdf);
        QCOMPARE(s.prompts.savesOffered.size(), 1u);
        QVERIFY(gui::qtText(s.prompts.savesOffered[0])
                    .endsWith(QStringLiteral("/Σκαπανείς - Όμιλοι Νοέμβριος 2026.pdf")));
        QVERIFY(s.prompts.messages.empty());
        QCOMPARE(pdfPageCount(pdf), pagesOnPaper(s.doc, s.view()->fonts(), 1, 0));
        QVERIFY(!QFile::exists(out.filePath(QStringLiteral("printer.pdf"))));

        s.show(C::CongregationTotals);
        s.window->runCommand(C::SaveAsPdf);  // no path left: the dialog is cancelled
        QCOMPARE(s.prompts.savesOffered.size(), 2u);
        QCOMPARE(gui::qtText(s.prompts.savesOffered[1]),
                 out.filePath(QStringLiteral("Σύνολα Εκκλησίας Νοέμβριος 2026.pdf")));
        QCOMPARE(filesIn(out.path()), QStringList{QStringLiteral("analysis.pdf")});
        QVERIFY(s.prompts.messages.empty());

        // On the dashboard there is nothing to save.
        s.window->runCommand(C::ReturnToDashboard);
        QVERIFY(!s.window->commandActions()->action(C::SaveAsPdf)->isEnabled());
    }

    // Every group with no printer: one question, one file, each group's pages in turn.
    void noPrinterPutsEveryGroupInOnePdf() {
        test::DataFolder folder(120);
        QTemporaryDir out;
        Session s(folder);
        s.view()->setPrinter(noPrinter());
        const int groups = s.doc.groups.groupCount();
        QVERIFY(groups >= 2);
        const QString pdf = out.filePath(QStringLiteral("groups.pdf"));
        s.prompts.answers = {Answer::Yes};
        s.prompts.savePaths = {pdf.toStdString()};
        s.view()->printGroups(2, reports::ViewState::groupsToPrint(true, 1, groups), true);
        QCOMPARE(s.prompts.questions.size(), 1u);
        QVERIFY(
            gui::qtText(s.prompts.savesOffered.at(0))
                .endsWith(QStringLiteral("Ανάλυση Ομίλου #1-%1 Νοέμβριος 2026.pdf").arg(groups)));
        int pages = 0;
        for (int g = 1; g <= groups; ++g) pages += pagesOnPaper(s.doc, s.view()->fonts(), 2, g);
        QCOMPARE(pdfPageCount(pdf), pages);
        QCOMPARE(s.view()->mode(), shell::ViewMode::Dashboard);
        QVERIFY(!s.view()->state().printAllGroups);
    }

    // Cancel in the progress stops after the page being written. A PDF leaves no file behind
    // and no temporary one, and a file of that name already there keeps its bytes; a job
    // printed to a file does the same.
    void cancelLeavesNoFile() {
        test::DataFolder folder(400);
        QTemporaryDir out;
        Session s(folder);
        s.view()->setProgressDelay(0);
        s.show(C::AnalysisByPioneersAndGroups);
        const QString pdf = out.filePath(QStringLiteral("report.pdf"));
        {
            QFile old(pdf);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("the report of last month");
        }
        QString progressTitle;
        QString progressLabel;
        auto cancel = [&](QWidget* modal) {
            auto* progress = qobject_cast<QProgressDialog*>(modal);
            QVERIFY(progress != nullptr);
            progressTitle = progress->windowTitle();
            progressLabel = progress->labelText();
            progress->cancel();
        };
        test::ModalScript script;
        script.then(cancel);
        s.prompts.savePaths = {pdf.toStdString()};
        s.window->runCommand(C::SaveAsPdf);
        QVERIFY(script.done());
        QCOMPARE(progressTitle, QStringLiteral("Αποθήκευση ως PDF"));
        QVERIFY(progressLabel.startsWith(QStringLiteral("Σελίδα ")));
        QCOMPARE(s.prompts.messages.back(), std::string(res::kPdfCancelled));
        QCOMPARE(bytesOf(pdf), QByteArray("the report of last month"));
        QCOMPARE(filesIn(out.path()), QStringList{QStringLiteral("report.pdf")});
        QVERIFY(!s.view()->printing());

        const QString printed = out.filePath(QStringLiteral("printed.pdf"));
        s.view()->setPrinter(pdfPrinter(printed));
        s.view()->setPrintDialogRunner([](QPrinter&, int, int) { return true; });
        test::ModalScript again;
        again.then(cancel);
        s.window->runCommand(C::Print);
        QVERIFY(again.done());
        QCOMPARE(progressTitle, QStringLiteral("Εκτύπωση"));
        QCOMPARE(s.prompts.messages.back(), std::string(res::kPdfCancelled));
        QCOMPARE(filesIn(out.path()), QStringList{QStringLiteral("report.pdf")});
        QVERIFY(!s.view()->printing());

        // Not cancelled, the same job writes its file whole.
        s.view()->setProgressDelay(60000);
        s.window->runCommand(C::Print);
        QCOMPARE(pdfPageCount(printed), pagesOnPaper(s.doc, s.view()->fonts(), 1, 0));
        QCOMPARE(filesIn(out.path()),
                 (QStringList{QStringLiteral("printed.pdf"), QStringLiteral("report.pdf")}));
    }

    void printingEveryGroupReturnsToTheDashboard() {
        test::DataFolder folder(80);
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("groups.pdf"));
        Session s(folder);
        s.view()->setPrinter(pdfPrinter(pdf));
        QSignalSpy printing(s.view(), &CZelvoView::printingChanged);
        const int groups = s.doc.groups.groupCount();
        QVERIFY(groups >= 2);
        s.view()->printGroups(2, reports::ViewState::groupsToPrint(true, 1, groups), true);
        QCOMPARE(printing.count(), 2 * groups);  // one job per group
        QVERIFY(pdfPages(pdf) >= 1);
        QCOMPARE(s.view()->mode(), shell::ViewMode::Dashboard);
        QVERIFY(!s.view()->state().printAllGroups);
    }

    // --- the group analysis ---

    void groupAnalysisAsksForTheGroup() {
        test::DataFolder folder(80);
        Session s(folder);
        QVERIFY(s.doc.groups.groupCount() >= 3);
        test::ModalScript script;
        script.then([](QWidget* modal) {
            QCOMPARE(modal->objectName(), QStringLiteral("taskGroupChooser"));
            QVERIFY(!modal->findChild<QPushButton*>(QStringLiteral("printAllButton"))->isHidden());
            modal->findChild<QListWidget*>(QStringLiteral("groupList"))->setCurrentRow(2);
            modal->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
        });
        s.window->runCommand(C::GroupAnalysis);
        QVERIFY(script.done());
        QCOMPARE(s.view()->mode(), shell::ViewMode::Report);
        QCOMPARE(s.view()->reportKind(), 2);
        QCOMPARE(s.view()->reportGroup(), 3);
        QVERIFY(s.window->windowTitle().contains(QStringLiteral("Όμιλος #3")));

        // Cancelled: nothing changes.
        test::ModalScript cancel;
        cancel.then([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
        s.window->runCommand(C::GroupAnalysis);
        QVERIFY(cancel.done());
        QCOMPARE(s.view()->reportGroup(), 3);
    }

    void aGroupWithoutPublishersShowsNothing() {
        test::DataFolder folder(80);
        // Every active publisher of group 2 moves to group 1.
        Session s(folder, [](CZelvoDoc& doc) {
            for (const IndexEntry& e : doc.kindLists[kPublisher]) {
                PublisherRecord& r = doc.publishers[e.recordIndex];
                if (r.groupNumber() == 2) r.setByte(PublisherRecord::kGroupNumber, 1);
            }
        });
        QVERIFY(s.doc.groups.groupCount() >= 2);
        test::ModalScript script;
        script.then([](QWidget* modal) {
            modal->findChild<QListWidget*>(QStringLiteral("groupList"))->setCurrentRow(1);
            modal->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
        });
        s.window->runCommand(C::GroupAnalysis);
        QVERIFY(script.done());
        QCOMPARE(s.view()->mode(), shell::ViewMode::Dashboard);
    }

    void printAllGroupsFromTheChooser() {
        test::DataFolder folder(80);
        QTemporaryDir out;
        Session s(folder);
        s.view()->setPrinter(pdfPrinter(out.filePath(QStringLiteral("all.pdf"))));
        s.show(C::AnalysisByPioneersAndGroups);
        QSignalSpy printing(s.view(), &CZelvoView::printingChanged);
        test::ModalScript script;
        script.then([](QWidget* modal) {
            modal->findChild<QPushButton*>(QStringLiteral("printAllButton"))->click();
        });
        s.window->runCommand(C::GroupAnalysis);
        QVERIFY(script.done());
        QCOMPARE(printing.count(), 2 * s.doc.groups.groupCount());
        QCOMPARE(s.view()->mode(), shell::ViewMode::Dashboard);
        QVERIFY(!s.view()->state().printAllGroups);

        // One group, straight to the printer, then the dashboard again.
        printing.clear();
        const QString one = out.filePath(QStringLiteral("one.pdf"));
        s.view()->setPrinter(pdfPrinter(one));
        test::ModalScript again;
        again.then([](QWidget* modal) {
            modal->findChild<QListWidget*>(QStringLiteral("groupList"))->setCurrentRow(1);
            modal->findChild<QPushButton*>(QStringLiteral("printOneButton"))->click();
        });
        s.window->runCommand(C::GroupAnalysis);
        QVERIFY(again.done());
        QCOMPARE(printing.count(), 2);
        QVERIFY(pdfPages(one) >= 1);
        QCOMPARE(s.view()->mode(), shell::ViewMode::Dashboard);
    }

    void printerSetupOpensAndCloses() {
        test::DataFolder folder(10);
        Session s(folder);
        test::ModalScript script;
        QString title;
        script.then([&](QWidget* modal) {
            title = modal->windowTitle();
            qobject_cast<QDialog*>(modal)->reject();
        });
        s.window->runCommand(C::PrintSetup);
        QVERIFY(script.done());
        QCOMPARE(title, QStringLiteral("Ρυθμίσεις Εκτυπωτή"));
        if (QPrinterInfo::defaultPrinter().isNull()) QCOMPARE(s.view()->state().printerDpiX, 300);
    }

    // --- PDF output ---

    void pdfOfEveryBuiltKindAtLetterAndA4() {
        test::DataFolder folder(200);
        QTemporaryDir out;
        Session s(folder);
        for (int kind : {1, 110, 2, 3, 4}) {
            for (bool a4 : {false, true}) {
                render::ReportPdfRequest request;
                request.kind = kind;
                request.group = kind == 2 ? 1 : 0;
                request.a4 = a4;
                request.path =
                    out.filePath(QStringLiteral("k%1_%2.pdf").arg(kind).arg(a4)).toStdString();
                std::string error;
                QVERIFY2(render::writeReportPdf(s.doc, request, error), error.c_str());
                const int pages = pdfPages(QString::fromStdString(request.path));
                QVERIFY2(pages >= 1, qPrintable(QString::number(kind)));
                if (kind == 3) QCOMPARE(pages, 1);
                if (kind == 1) QVERIFY(pages > 2);
            }
        }
    }

    void pdfFailuresAreReported() {
        test::DataFolder folder(10);
        Session s(folder);
        render::ReportPdfRequest request;
        request.path = folder.file(QStringLiteral("missing/folder/report.pdf")).toStdString();
        std::string error;
        QVERIFY(!render::writeReportPdf(s.doc, request, error));
        QVERIFY(gui::qtText(error).startsWith(QStringLiteral("Το αρχείο PDF δεν μπόρεσε")));
        // A kind whose routine is not there yet.
        const auto kinds = reports::reportKinds();
        const auto unbuilt = std::find_if(
            kinds.begin(), kinds.end(), [](const reports::ReportKindInfo& k) { return !k.built; });
        QVERIFY(unbuilt != kinds.end());
        request.kind = reports::kindNumber(unbuilt->kind);
        request.path = folder.file(QStringLiteral("unbuilt.pdf")).toStdString();
        QVERIFY(!render::writeReportPdf(s.doc, request, error));
        QCOMPARE(error, std::string(res::kPdfNoReport));
        QVERIFY(!folder.exists(QStringLiteral("unbuilt.pdf")));
    }
};

QTEST_MAIN(ReportViewTest)
#include "report_view_test.moc"
