// The report on its way to paper or to a PDF file: the print dialog and the job's page loop with
// its progress and Cancel, a job printed to a file, "Αποθήκευση ως PDF…", and the PDF offered
// when there is no printer. The view owns one and hands it the shown report.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "render/report_pages.h"

class QPrinter;
class QWidget;

namespace zelvo {
class UserPrompts;
}

namespace zelvo::gui {

class PageProgress;

class PrintJobs {
public:
    // `parent` owns the dialogs; `printingChanged` hears when a job starts and when it ends.
    PrintJobs(QWidget* parent, std::function<void(bool printing)> printingChanged);
    ~PrintJobs();

    // What is printed (the view's state, fonts, document and today) and who is asked.
    void attach(const render::ReportSource& source, UserPrompts& prompts);

    // The printer of every job, made when first needed.
    QPrinter& printer();

    // The shown report through the print dialog, as a job named `documentName`; with no
    // printer, the PDF is offered instead.
    void print(const QString& documentName = {});
    // The report of `kind` once per group, straight to the printer (or into one PDF file when
    // there is none). The state is left on the dashboard.
    void printGroups(int kind, const std::vector<int>& groups, bool allGroups);
    // The shown report into a PDF file the user chooses.
    void saveAsPdf();

    // Seams for tests: the printer jobs go to, the print dialog (true: print), and how long
    // the work runs before its progress shows.
    void setPrinter(std::unique_ptr<QPrinter> printer);
    using PrintDialogRunner = std::function<bool(QPrinter&, int minPage, int maxPage)>;
    void setPrintDialogRunner(PrintDialogRunner runner) { runPrintDialog_ = std::move(runner); }
    void setProgressDelay(int ms) { progressDelayMs_ = ms; }

private:
    QWidget* parent_;
    std::function<void(bool)> printingChanged_;
    render::ReportSource source_;
    UserPrompts* prompts_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
    PrintDialogRunner runPrintDialog_;
    int progressDelayMs_;
    QString pdfFolder_;  // where the last PDF went

    bool ready() const;
    // One job on `target`: true when it ran to its end. `pagesSent` counts the pages printed.
    bool runJob(QPrinter& target, PageProgress& progress, int job, int jobs, int& pagesSent);
    // The report of `kind` for each of `groups` (0: none) into one file the user chooses.
    void writePdf(int kind, const std::vector<int>& groups);
    std::string offeredPdfPath(int kind, const std::vector<int>& groups) const;
};

}  // namespace zelvo::gui
