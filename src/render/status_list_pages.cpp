#include "render/status_list_pages.h"

#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QScreen>

#include "render/memory_pdf.h"
#include "render/painter_surface.h"
#include "reports/status_list_print.h"
#include "resources/strings.h"
#include "store/data_files.h"
#include "store/file_io.h"
#include "store/ini_file.h"
#include "store/zelvo_doc.h"

namespace zelvo::render {

namespace {

constexpr int kFallbackScreenDpi = 96;

}  // namespace

reports::ReportFonts statusListFonts(const CZelvoDoc& doc) {
    reports::ReportFonts fonts;
    fonts.load(IniFile::load(resolvePath(doc.dataFolder, files::kSettings)),
               reports::PrinterResolutionClass::High, doc.languageWord);
    return fonts;
}

bool printStatusList(const CZelvoDoc& doc, const reports::ReportFonts& fonts,
                     const reporting::StatusPrintout& list, const Date& today,
                     QPagedPaintDevice& device, QPainter& painter, bool afterPage) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int dpiX = device.logicalDpiX();
    const int dpiY = device.logicalDpiY();
    reports::ReportContext context = reports::reportContextFor(doc, fonts, today);
    context.page.screenDpiX =
        screen ? static_cast<int>(screen->logicalDotsPerInchX()) : kFallbackScreenDpi;
    context.page.screenDpiY =
        screen ? static_cast<int>(screen->logicalDotsPerInchY()) : kFallbackScreenDpi;
    context.page.printerDpiX = dpiX;
    context.page.printerDpiY = dpiY;
    const bool a4 = device.pageLayout().pageSize().id() == QPageSize::A4;
    context.isA4 = a4;
    context.page.pageLength = reports::printPageLength(a4);
    // Every page clips to its band of the strip, moved up to the top of the sheet.
    for (int page = 1; page <= context.pageCount; ++page) {
        if ((afterPage || page > 1) && !device.newPage()) return false;
        const reports::PrintBand band =
            reports::printBand(page, dpiX, dpiY, context.page.pageLength, reports::kPageWidth);
        painter.save();
        painter.translate(0, -band.originShift);
        PainterSurface surface(painter, dpiX, dpiY);
        surface.setBaseClip(band.clip);
        reports::drawStatusList(list, surface, context);
        painter.restore();
    }
    return true;
}

bool writeStatusListPdf(const CZelvoDoc& doc, const std::vector<reporting::StatusPrintout>& lists,
                        const std::string& path, const Date& today, std::string& error) {
    const reports::ReportFonts fonts = statusListFonts(doc);
    MemoryPdf pdf(true);
    QPainter painter;
    bool ok = painter.begin(&pdf.writer());
    for (std::size_t i = 0; ok && i < lists.size(); ++i)
        ok = printStatusList(doc, fonts, lists[i], today, pdf.writer(), painter, i > 0);
    if (painter.isActive() && !painter.end()) ok = false;
    return pdf.save(path, ok, error);
}

}  // namespace zelvo::render
