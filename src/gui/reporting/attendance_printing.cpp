#include "gui/reporting/attendance_printing.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <filesystem>

#include "gui/reports/report_printing.h"
#include "render/painter_surface.h"
#include "reports/attendance_page.h"
#include "reports/view_state.h"
#include "resources/strings.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo::gui {

namespace {

namespace fs = std::filesystem;

// False when the printer or the file could not take the page.
bool paintRecord(QPrinter& printer, const CZelvoDoc& doc, const reports::ReportFonts& fonts,
                 const reports::ViewState& state) {
    const CalendarState& cal = doc.calendar;
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    render::PainterSurface surface(painter, printer.logicalDpiX(), printer.logicalDpiY());
    reports::ReportContext context =
        reports::reportContextFor(doc, fonts, Date{cal.calYear, cal.calMonth, cal.calDay});
    context.page.screenDpiX = state.screenDpiX;
    context.page.screenDpiY = state.screenDpiY;
    context.page.printerDpiX = printer.logicalDpiX();
    context.page.printerDpiY = printer.logicalDpiY();
    reports::drawAttendanceRecordPage(doc, surface, context);
    return painter.end();
}

}  // namespace

void printAttendanceRecord(QWidget* parent, const CZelvoDoc& doc, const reports::ReportFonts& fonts,
                           const reports::ViewState& state, UserPrompts& prompts) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    if (!info.isNull()) {
        printer.setPrinterName(info.printerName());
        if (!info.printerName().toUpper().contains(QStringLiteral("PDF")) &&
            !execPrintDialog(parent, printer))
            return;
    } else {
        // No printer: the page may go into a PDF file.
        if (!prompts.askYesNo(res::kNoPrinterSavePdf)) return;
        const fs::path offered =
            fs::path(doc.currentFolder()) / (std::string(res::kAttendanceExportName) + ".pdf");
        const std::string chosen =
            prompts.chooseSaveFile(res::kPdfSaveTitle, offered.string(), res::kPdfFileFilter);
        if (chosen.empty()) return;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(chosen));
    }
    // A PDF is written whole under another name first, as every print-to-file job.
    FileJob file(printer);
    if (!file.finish(paintRecord(printer, doc, fonts, state)))
        tellJobStopped(prompts, printer, false, 0);
}

}  // namespace zelvo::gui
