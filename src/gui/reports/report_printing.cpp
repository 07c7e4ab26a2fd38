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
