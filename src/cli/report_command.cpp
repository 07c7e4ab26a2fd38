#include "cli/report_command.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <vector>

#include "cli/cli.h"
#include "cli/json_writer.h"
#include "cli/print_output.h"
#include "render/report_pdf.h"
#include "reports/recording_surface.h"
#include "reports/report_font.h"
#include "reports/report_kind.h"
#include "reports/report_routines.h"
#include "shell/report_commands.h"
#include "store/ini_file.h"
#include "store/settings.h"
#include "store/zelvo_doc.h"

namespace zelvo::cli {

namespace {

using reports::RecordedText;

constexpr int kPrinterDpi = 300;

int pageCountOf(const std::vector<PageItem>& items, int drawnPages) {
    return items.empty() ? drawnPages : std::max(drawnPages, items.back().page + 1);
}

void printJson(const ReportRequest& request, const std::vector<PageItem>& items, int pages,
               const reports::RecordingSurface& surface, int pageLength, std::ostream& out) {
    const std::string fixedFace = reports::dateStampFont(0).faceName;
    JsonWriter json;
    json.beginObject().field("kind", request.kind).field("group", request.group);
    json.field("pageCount", pages);
    writeTexts(json, items, surface, fixedFace);
    writeLines(json, surface, surface.dpiY() * (pageLength / 10));
    json.endObject();
    out << json.text() << "\n";
}

int writePdf(CZelvoDoc& doc, const ReportRequest& request, std::ostream& err) {
    const std::unique_ptr<QGuiApplication> app = guiApplicationForPdf();
    std::string error;
    const render::ReportPdfRequest pdf{request.kind, request.group, request.a4, request.pdfFile,
                                       request.today};
    if (!render::writeReportPdf(doc, pdf, error)) {
        err << error << "\n";
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace

std::optional<ReportRequest> reportRequest(const std::string& kind, std::optional<int> group,
                                           bool a4, bool text, bool json,
                                           const std::optional<std::string>& pdfFile,
                                           std::ostream& err) {
    ReportRequest r;
    const auto [end, ec] = std::from_chars(kind.data(), kind.data() + kind.size(), r.kind);
    const reports::ReportKindInfo* info = ec == std::errc() && end == kind.data() + kind.size()
                                              ? reports::findReportKind(r.kind)
                                              : nullptr;
    if (info == nullptr) {
        err << "Άγνωστο είδος αναφοράς: " << kind << "\n";
        return std::nullopt;
    }
    if (!info->built) {
        err << "Η αναφορά " << kind << " (" << shell::reportKindTitle(info->kind)
            << ") δεν είναι ακόμη διαθέσιμη.\n";
        return std::nullopt;
    }
    if (info->groupVariant != group.has_value()) {
        err << (group ? "Η αναφορά " + kind + " δεν δέχεται --group.\n"
                      : "Η αναφορά " + kind + " χρειάζεται --group N.\n");
        return std::nullopt;
    }
    if (int{text} + int{json} + int{pdfFile.has_value()} != 1) {
        err << "Δώστε ένα από τα --text, --json, --pdf ΑΡΧΕΙΟ.\n";
        return std::nullopt;
    }
    r.group = group.value_or(0);
    r.a4 = a4;
    r.output = text ? ReportOutput::Text : json ? ReportOutput::Json : ReportOutput::Pdf;
    r.pdfFile = pdfFile.value_or(std::string());
    return r;
}

int printReport(CZelvoDoc& doc, const ReportRequest& request, std::ostream& out,
                std::ostream& err) {
    if (request.group != 0 && (request.group < 1 || request.group > doc.groups.groupCount())) {
        err << "Δεν υπάρχει όμιλος " << request.group
            << " (όμιλοι: " << int{doc.groups.groupCount()} << ").\n";
        return kExitUsage;
    }
    if (request.output == ReportOutput::Pdf) return writePdf(doc, request, err);

    // The user's report fonts as the settings keep them, chosen for a 300-dpi printer.
    reports::ReportFonts fonts;
    fonts.load(IniFile::load(std::filesystem::path(doc.dataFolder) / kSettingsFileName),
               reports::PrinterResolutionClass::High, doc.languageWord);
    reports::ReportContext context = reports::reportContextFor(doc, fonts, request.today);
    context.page.printerDpiX = kPrinterDpi;
    context.page.printerDpiY = kPrinterDpi;
    context.isA4 = request.a4;
    context.page.pageLength = reports::printPageLength(request.a4);
    reports::RecordingSurface surface(kPrinterDpi, kPrinterDpi);
    if (!reports::drawReport(doc, surface, request.kind, request.group, context)) {
        err << "Η αναφορά " << request.kind << " δεν είναι ακόμη διαθέσιμη.\n";
        return kExitUsage;
    }
    const std::vector<PageItem> items =
        pageItems(surface, surface.dpiY() * (context.page.pageLength / 10));
    const int pages = pageCountOf(items, context.pageCount);
    if (request.output == ReportOutput::Text)
        writeTextPages(items, pages, out);
    else
        printJson(request, items, pages, surface, context.page.pageLength, out);
    return kExitOk;
}

}  // namespace zelvo::cli
