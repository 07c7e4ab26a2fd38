#include "render/report_pdf.h"

#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QScreen>

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

constexpr int kPdfDpi = 300;
constexpr int kFallbackScreenDpi = 96;

}  // namespace

bool writeReportPdf(CZelvoDoc& doc, const ReportPdfRequest& request, std::string& error) {
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
    state.showReport(request.kind, request.group);
    state.printDirect = true;  // the whole report, no dialog
    reports::ReportFonts fonts;
    fonts.load(IniFile::load(resolvePath(doc.dataFolder, files::kSettings)),
               reports::PrinterResolutionClass::High, doc.languageWord);

    const QString path = QString::fromStdString(request.path);
    QPdfWriter writer(path);
    writer.setResolution(kPdfDpi);
    writer.setPageSize(QPageSize(request.a4 ? QPageSize::A4 : QPageSize::Letter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setCreator(QString::fromUtf8(res::kProgramName.data(), std::ssize(res::kProgramName)));

    reports::PrinterJob job;
    job.a4 = request.a4;
    job.driverMakesCopies = true;
    state.jobChosen(job);
    state.beginPrinting();
    QPainter painter;
    bool ok = painter.begin(&writer);
    if (ok) {
        const ReportSource source{&doc, &fonts, &state, request.today};
        ok = printPages(source, writer, painter);
        ok = painter.end() && ok;
    }
    state.endPrinting();
    if (!ok) error = res::format(res::kPdfNotWritten, request.path);
    return ok;
}

}  // namespace zelvo::render
