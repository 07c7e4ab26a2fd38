#include "gui/reports/report_printing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <filesystem>
#include <system_error>

#include "gui/shell/qt_text.h"
#include "resources/strings.h"
#include "store/data_files.h"
#include "store/file_io.h"
#include "store/user_prompts.h"

namespace zelvo::gui {

reports::PrinterJob printerJob(const QPrinter& printer, int pageCount) {
    reports::PrinterJob job;
    job.printerName = printer.printerName().toStdString();
    job.a4 = printer.pageLayout().pageSize().id() == QPageSize::A4;
    job.copies = printer.copyCount();
    job.driverMakesCopies = printer.supportsMultipleCopies();
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        job.fromPage = printer.fromPage();
        job.toPage = printer.toPage();
    } else {
        job.fromPage = 1;
        job.toPage = pageCount;
    }
    return job;
}

bool printerUsable(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) return !printer.outputFileName().isEmpty();
    return !printer.printerName().isEmpty();
}

namespace {

QString temporaryNameFor(const QString& file) {
    const QFileInfo info(file);
    return info.dir().filePath(qtText(tempFileName(utf8Text(info.fileName()))));
}

bool renameOver(const QString& from, const QString& to) {
    if (files::isProgramFileName(QFile::encodeName(to).toStdString())) return false;
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(from).toStdString(),
                            QFile::encodeName(to).toStdString(), error);
    return !error;
}

}  // namespace

FileJob::FileJob(QPrinter& target) : target_(target) {
    if (target.outputFormat() != QPrinter::PdfFormat) return;
    file_ = target.outputFileName();
    temporary_ = temporaryNameFor(file_);
    target.setOutputFileName(temporary_);
}

bool FileJob::finish(bool printed) {
    if (file_.isEmpty()) return printed;
    target_.setOutputFileName(file_);
    printed = printed && renameOver(temporary_, file_);
    if (!printed) QFile::remove(temporary_);
    return printed;
}

void tellJobStopped(UserPrompts& prompts, const QPrinter& target, bool cancelled, int pagesSent) {
    const bool toFile = target.outputFormat() == QPrinter::PdfFormat;
    if (cancelled)
        prompts.showMessage(toFile ? std::string(res::kPdfCancelled)
                                   : res::format(res::kPrintCancelled, std::to_string(pagesSent)));
    else if (toFile)
        prompts.showMessage(res::format(res::kPdfNotWritten, utf8Text(target.outputFileName())));
    else
        prompts.showMessage(res::format(res::kPrintFailed, utf8Text(target.printerName())));
}

bool execPrintDialog(QWidget* parent, QPrinter& printer, int minPage, int maxPage) {
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("printDialog"));
    dialog.setWindowTitle(qtText(res::kPrint));
    if (maxPage > 0) dialog.setMinMax(minPage, maxPage);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, maxPage > 0);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace zelvo::gui
