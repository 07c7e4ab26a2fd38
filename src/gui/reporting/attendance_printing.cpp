#include "gui/reporting/attendance_printing.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <filesystem>
#include <system_error>

#include "render/painter_surface.h"
#include "reports/attendance_page.h"
#include "reports/view_state.h"
#include "resources/strings.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo::gui {

namespace {

namespace fs = std::filesystem;

void paintRecord(QPrinter& printer, const CZelvoDoc& doc, const reports::ReportFonts& fonts,
                 const reports::ViewState& state) {
    const CalendarState& cal = doc.calendar;
    QPainter painter(&printer);
    render::PainterSurface surface(painter, printer.logicalDpiX(), printer.logicalDpiY());
    reports::ReportContext context =
        reports::reportContextFor(doc, fonts, Date{cal.calYear, cal.calMonth, cal.calDay});
    context.page.screenDpiX = state.screenDpiX;
    context.page.screenDpiY = state.screenDpiY;
    context.page.printerDpiX = printer.logicalDpiX();
    context.page.printerDpiY = printer.logicalDpiY();
    reports::drawAttendanceRecordPage(doc, surface, context);
}

}  // namespace

void printAttendanceRecord(QWidget* parent, const CZelvoDoc& doc, const reports::ReportFonts& fonts,
                           const reports::ViewState& state, UserPrompts& prompts) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    if (!info.isNull()) {
        printer.setPrinterName(info.printerName());
        if (!info.printerName().toUpper().contains(QStringLiteral("PDF"))) {
            QPrintDialog dialog(&printer, parent);
            if (dialog.exec() != QDialog::Accepted) return;
        }
        paintRecord(printer, doc, fonts, state);
        return;
    }
    // No printer: the page may go into a PDF file, written whole under another name first.
    if (!prompts.askYesNo(res::kNoPrinterSavePdf)) return;
    const fs::path offered =
        fs::path(doc.currentFolder()) / (std::string(res::kAttendanceExportName) + ".pdf");
    const std::string chosen =
        prompts.chooseSaveFile(res::kPdfSaveTitle, offered.string(), res::kPdfFileFilter);
    if (chosen.empty()) return;
    const std::string partial = chosen + ".tmp~";
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(partial));
    paintRecord(printer, doc, fonts, state);
    std::error_code ec;
    fs::rename(partial, chosen, ec);
    if (!ec) return;
    fs::remove(partial, ec);
    prompts.showMessage(res::format(res::kPdfNotWritten, chosen));
}

}  // namespace zelvo::gui
