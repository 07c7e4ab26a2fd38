#include "render/report_pdf.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "render/memory_pdf.h"
#include "render/report_pages.h"
#include "reports/report_kind.h"
#include "reports/view_state.h"
#include "resources/strings.h"
#include "store/data_files.h"
#include "store/file_io.h"
#include "store/ini_file.h"
#include "store/zelvo_doc.h"

namespace zelvo::render {

namespace {

constexpr int kFallbackScreenDpi = 96;

}  // namespace

bool writeReportPdf(CZelvoDoc& doc, const ReportPdfRequest& request, std::string& error,
                    const PdfOptions& options) {
    const reports::ReportKindInfo* info = reports::findReportKind(request.kind);
    if (info == nullptr || !info->built) {
        error = res::kPdfNoReport;
        return false;
    }
    // The fonts are the screen's, scaled to the page as a printer scales them.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int screenX =
        screen ? static_cast<int>(screen->logicalDotsPerInchX()) : kFallbackScreenDpi;
    const int screenY =
        screen ? static_cast<int>(screen->logicalDotsPerInchY()) : kFallbackScreenDpi;
    reports::ViewState state(screenX, screenY, kPdfDpi, kPdfDpi);
    state.printDirect = true;  // the whole report, no dialog
    reports::ReportFonts settingsFonts;
    if (options.fonts == nullptr)
        settingsFonts.load(IniFile::load(resolvePath(doc.dataFolder, files::kSettings)),
                           reports::PrinterResolutionClass::High, doc.languageWord);
    const reports::ReportFonts& fonts = options.fonts ? *options.fonts : settingsFonts;
    const std::vector<int> groups =
        options.groups.empty() ? std::vector<int>{request.group} : options.groups;

    MemoryPdf pdf(request.a4);
    QPdfWriter& writer = pdf.writer();

    reports::PrinterJob job;
    job.a4 = request.a4;
    job.driverMakesCopies = true;
    QPainter painter;
    PagesResult result = painter.begin(&writer) ? PagesResult::Printed : PagesResult::DeviceFailed;
    const ReportSource source{&doc, &fonts, &state, request.today};
    const int jobs = static_cast<int>(groups.size());
    for (int i = 0; i < jobs && result == PagesResult::Printed; ++i) {
        state.showReport(request.kind, groups[static_cast<std::size_t>(i)]);
        state.jobChosen(job);
        state.beginPrinting();
        PageDone pageDone;
        if (options.progress)
            pageDone = [&, i](int written, int pages) {
                return options.progress(i + 1, jobs, written, pages);
            };
        result = printPages(source, writer, painter, pageDone, i > 0);
        state.endPrinting();
    }
    if (painter.isActive() && !painter.end() && result == PagesResult::Printed)
        result = PagesResult::DeviceFailed;
    if (result == PagesResult::Cancelled) {
        error = res::kPdfCancelled;
        return false;
    }
    return pdf.save(request.path, result == PagesResult::Printed, error);
}

}  // namespace zelvo::render
