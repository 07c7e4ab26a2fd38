#include "gui/reporting/attendance_commands.h"

#include <QDesktopServices>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QUrl>
#include <filesystem>
#include <system_error>

#include "gui/reporting/attendance_entry_dialog.h"
#include "gui/reporting/attendance_record_dialog.h"
#include "gui/shell/main_window.h"
#include "gui/shell/qt_text.h"
#include "gui/shell/zelvo_view.h"
#include "render/painter_surface.h"
#include "reporting/attendance_export.h"
#include "reports/attendance_page.h"
#include "resources/strings.h"
#include "shell/command_ids.h"
#include "store/zelvo_doc.h"

namespace zelvo::gui {

namespace {

namespace fs = std::filesystem;

void paintRecord(CMainFrame& frame, QPrinter& printer) {
    const CZelvoDoc& doc = frame.document();
    const CalendarState& cal = doc.calendar;
    QPainter painter(&printer);
    render::PainterSurface surface(painter, printer.logicalDpiX(), printer.logicalDpiY());
    reports::ReportContext context = reports::reportContextFor(
        doc, frame.view()->fonts(), Date{cal.calYear, cal.calMonth, cal.calDay});
    const reports::ViewState& state = frame.view()->state();
    context.page.screenDpiX = state.screenDpiX;
    context.page.screenDpiY = state.screenDpiY;
    context.page.printerDpiX = printer.logicalDpiX();
    context.page.printerDpiY = printer.logicalDpiY();
    reports::drawAttendanceRecordPage(doc, surface, context);
}

// One page on the default printer (through the print dialog, unless the printer is a PDF
// printer); with no printer the page may go into a PDF file instead, written whole or not at all.
void printRecord(CMainFrame& frame) {
    UserPrompts& prompts = frame.prompts();
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    if (info.isNull()) {
        if (!prompts.askYesNo(res::kNoPrinterSavePdf)) return;
        const fs::path offered = fs::path(frame.document().currentFolder()) /
                                 (std::string(res::kAttendanceExportName) + ".pdf");
        const std::string chosen =
            prompts.chooseSaveFile(res::kPdfSaveTitle, offered.string(), res::kPdfFileFilter);
        if (chosen.empty()) return;
        const std::string partial = chosen + ".tmp~";
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(partial));
        paintRecord(frame, printer);
        std::error_code ec;
        fs::rename(partial, chosen, ec);
        if (ec) {
            fs::remove(partial, ec);
            prompts.showMessage(res::format(res::kPdfNotWritten, chosen));
        }
        return;
    }
    printer.setPrinterName(info.printerName());
    if (!info.printerName().toUpper().contains(QStringLiteral("PDF"))) {
        QPrintDialog dialog(&printer, &frame);
        if (dialog.exec() != QDialog::Accepted) return;
    }
    paintRecord(frame, printer);
}

}  // namespace

void installAttendanceCommands(CMainFrame& frame) {
    frame.setCommandHandler(shell::CommandId::EnterAttendance, [&frame] {
        runAttendanceEntry(&frame, frame.document());
        // The meetings report on the screen shows what was entered.
        frame.view()->redraw();
    });
    frame.setCommandHandler(shell::CommandId::ViewAttendance, [&frame] {
        AttendanceRecordDialog dialog(
            frame.document(), [&frame] { printRecord(frame); }, &frame);
        dialog.exec();
    });
    frame.setCommandHandler(shell::CommandId::ExportAttendance, [&frame] {
        const fs::path folder = reporting::exportAttendance(frame.document(), frame.prompts());
        if (!folder.empty())
            QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(folder.string())));
    });
}

}  // namespace zelvo::gui
