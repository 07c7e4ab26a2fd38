#include "gui/reports/print_jobs.h"

#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QStandardPaths>

#include "gui/reports/page_progress.h"
#include "gui/reports/report_printing.h"
#include "gui/shell/qt_text.h"
#include "render/report_pdf.h"
#include "reports/view_state.h"
#include "resources/strings.h"
#include "shell/report_file_name.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo::gui {

using render::PagesResult;

PrintJobs::PrintJobs(QWidget* parent, std::function<void(bool)> printingChanged)
    : parent_(parent),
      printingChanged_(std::move(printingChanged)),
      progressDelayMs_(PageProgress::kDefaultDelayMs) {
    runPrintDialog_ = [this](QPrinter& target, int minPage, int maxPage) {
        return execPrintDialog(parent_, target, minPage, maxPage);
    };
}

PrintJobs::~PrintJobs() = default;

void PrintJobs::attach(const render::ReportSource& source, UserPrompts& prompts) {
    source_ = source;
    prompts_ = &prompts;
}

bool PrintJobs::ready() const {
    return source_.doc != nullptr && source_.state != nullptr && prompts_ != nullptr &&
           !source_.state->printing;
}

QPrinter& PrintJobs::printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void PrintJobs::setPrinter(std::unique_ptr<QPrinter> printer) {
    printer_ = std::move(printer);
}

void PrintJobs::print(const QString& documentName) {
    if (!ready() || !source_.state->reportShown()) return;
    reports::ViewState& state = *source_.state;
    QPrinter& target = printer();
    target.setDocName(documentName);
    if (!printerUsable(target)) {
        if (prompts_->askYesNo(res::kNoPrinterSavePdf)) writePdf(state.kind, {state.group});
        return;
    }
    const reports::PrintRequest request = state.preparePrinting();
    target.setPrintRange(QPrinter::AllPages);
    target.setFromTo(request.minPage, request.maxPage);
    if (request.showDialog && !runPrintDialog_(target, request.minPage, request.maxPage)) return;
    PageProgress progress(parent_, qtText(res::kPrint), progressDelayMs_);
    int pagesSent = 0;
    runJob(target, progress, 1, 1, pagesSent);
}

void PrintJobs::printGroups(int kind, const std::vector<int>& groups, bool allGroups) {
    if (!ready()) return;
    reports::ViewState& state = *source_.state;
    QPrinter& target = printer();
    if (!printerUsable(target)) {
        if (!prompts_->askYesNo(res::kNoPrinterSavePdf)) return;
        writePdf(kind, groups);
        state.returnToDashboard();
        return;
    }
    state.beginGroupPrinting(allGroups);
    target.setPrintRange(QPrinter::AllPages);
    PageProgress progress(parent_, qtText(res::kPrint), progressDelayMs_);
    const int jobs = static_cast<int>(groups.size());
    int pagesSent = 0;
    for (int i = 0; i < jobs; ++i) {
        state.showReport(kind, groups[static_cast<std::size_t>(i)]);
        if (!runJob(target, progress, i + 1, jobs, pagesSent)) break;
    }
    state.endGroupPrinting();
}

bool PrintJobs::runJob(QPrinter& target, PageProgress& progress, int job, int jobs,
                       int& pagesSent) {
    reports::ViewState& state = *source_.state;
    bool printerChanged = false;
    const int driverCopies = state.jobChosen(printerJob(target, state.pageCount), &printerChanged);
    if (printerChanged && target.outputFormat() == QPrinter::NativeFormat)
        state.setPrinterResolution(target.resolution(), target.resolution());
    target.setCopyCount(driverCopies);
    FileJob file(target);

    state.beginPrinting();
    printingChanged_(true);
    PagesResult result = PagesResult::DeviceFailed;
    QPainter painter;
    if (painter.begin(&target)) {
        result = render::printPages(source_, target, painter, [&](int done, int pages) {
            return progress.pageDone(job, jobs, done, pages);
        });
        if (!painter.end() && result == PagesResult::Printed) result = PagesResult::DeviceFailed;
    }
    pagesSent += state.pagesPrinted();
    if (state.endPrinting()) target.setCopyCount(1);
    if (!file.finish(result == PagesResult::Printed) && result == PagesResult::Printed)
        result = PagesResult::DeviceFailed;
    printingChanged_(false);
    if (result != PagesResult::Printed)
        tellJobStopped(*prompts_, target, result == PagesResult::Cancelled, pagesSent);
    return result == PagesResult::Printed;
}

void PrintJobs::saveAsPdf() {
    if (!ready() || !source_.state->reportShown()) return;
    writePdf(source_.state->kind, {source_.state->group});
}

void PrintJobs::writePdf(int kind, const std::vector<int>& groups) {
    const std::string path = prompts_->chooseSaveFile(
        res::kPdfSaveTitle, offeredPdfPath(kind, groups), res::kPdfFileFilter);
    if (path.empty()) return;
    pdfFolder_ = QFileInfo(qtText(path)).absolutePath();

    reports::ViewState& state = *source_.state;
    render::ReportPdfRequest request;
    request.kind = kind;
    request.group = groups.size() == 1 ? groups.front() : 0;
    // The paper of the printer setup, or A4 once a job went to A4 paper.
    request.a4 = state.isA4 || printer().pageLayout().pageSize().id() == QPageSize::A4;
    request.path = path;
    request.today = source_.today;
    PageProgress progress(parent_, qtText(res::kPdfSaveTitle), progressDelayMs_);
    render::PdfOptions options;
    if (groups.size() > 1) options.groups = groups;
    options.fonts = source_.fonts;
    options.progress = [&progress](int job, int jobs, int done, int pages) {
        return progress.pageDone(job, jobs, done, pages);
    };

    state.printing = true;
    printingChanged_(true);
    std::string error;
    const bool written = render::writeReportPdf(*source_.doc, request, error, options);
    state.printing = false;
    printingChanged_(false);
    if (!written) prompts_->showMessage(error);
}

std::string PrintJobs::offeredPdfPath(int kind, const std::vector<int>& groups) const {
    QString folder = pdfFolder_;
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    const CalendarState& calendar = source_.doc->calendar;
    const std::string name = shell::reportPdfName(static_cast<reports::ReportKind>(kind), groups,
                                                  calendar.reportMonth, calendar.reportYear);
    return utf8Text(QDir(folder).filePath(qtText(name)));
}

}  // namespace zelvo::gui
