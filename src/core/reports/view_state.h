// The state of the report view and the flows that change it: showing a report and going back to
// the dashboard, and a print job from its preparation through the copy loop to its end. The Qt
// view only carries these decisions out on its widgets and printers.
#pragma once

#include <string>
#include <vector>

#include "reports/page_model.h"
#include "reports/report_kind.h"
#include "reports/report_routines.h"

namespace zelvo {
class CZelvoDoc;
}

namespace zelvo::reports {

inline constexpr int kNoPrinterDpi = 300;  // no default printer: assume a 300 dpi one

// What the chosen printer says about a job once its dialog (or the default printer) is settled.
struct PrinterJob {
    std::string printerName;
    bool a4 = false;                 // the paper is A4
    int copies = 1;                  // copies asked for
    bool driverMakesCopies = false;  // the driver collates the copies itself
    int fromPage = 1;                // the chosen range, from 1
    int toPage = 1;
};

// What the view hands the platform before its print dialog.
struct PrintRequest {
    int minPage = 1;
    int maxPage = 1;
    bool showDialog = true;  // false: the default printer, the whole range, no dialog
};

class ViewState {
public:
    ViewState(int screenDpiX, int screenDpiY, int printerDpiX, int printerDpiY);

    ViewMode mode = ViewMode::Dashboard;
    int kind = 1;
    int group = 0;
    LabelJob labels;  // the labels report's first position and people
    int pageCount = 1;
    int pageLength = kLetterPageLength;
    int pageWidth = kPageWidth;
    int screenDpiX = 96;
    int screenDpiY = 96;
    int printerDpiX = kNoPrinterDpi;
    int printerDpiY = kNoPrinterDpi;
    bool isA4 = false;
    bool printAllGroups = false;
    bool printDirect = false;
    bool driverCopies = false;
    int copiesLeft = 0;
    int lastPage = 1;
    bool printing = false;  // a job or a preview runs

    // --- modes ---
    void showReport(int reportKind, int reportGroup = 0);
    void returnToDashboard();
    bool reportShown() const { return mode == ViewMode::Report; }

    // The routine's page count of the last draw (at least 1). True when it changed, so the
    // scroll sizes must be recomputed.
    bool setPageCount(int pages);
    ScrollSizes scrollSizes() const;

    // The default printer's resolution, read at creation and after every printer setup; no
    // printer (0) counts as 300 dpi.
    void setPrinterResolution(int dpiX, int dpiY);
    // A surface is the screen when its horizontal resolution is the screen's.
    bool isScreen(int surfaceDpiX) const { return surfaceDpiX == screenDpiX; }

    // --- a print job: prepare, begin, (prepare surface, print page) per page, end ---
    PrintRequest preparePrinting() const;
    // The job as the printer settled it: sets isA4 (never cleared), who makes the copies and
    // the range. Returns the copy count to hand the driver (1 when the view makes them).
    // `printerChanged` tells when the printer differs from the last job's, so its resolution
    // must be read again.
    int jobChosen(const PrinterJob& job, bool* printerChanged = nullptr);
    void beginPrinting() { printing = true; }
    int firstPage() const { return firstPage_; }  // where the job's page loop starts
    // Called with the loop's page before each page: past the last page with copies left, the
    // loop starts again at the first page of the range. False when the job is done.
    bool prepareSurface(int& page);
    // The page count a drawing on paper reports. A job of the whole report follows it, so a
    // report that takes more pages on paper than on the screen loses none, nor prints blank ones.
    void printedPageCount(int pages);
    // The clip of page `page` (from 1) in the report's strip and how far the origin moves up.
    PrintBand pageBand(int page, int dpiX, int dpiY) const;
    // After each page: the pages printed so far and the job's pages with every copy the view
    // makes (it follows the page count on paper, so it may change after the first page).
    void pagePrinted() { ++pagesPrinted_; }
    int pagesPrinted() const { return pagesPrinted_; }
    int pagesInJob() const;
    // Cancel during a job: the page being printed is finished, then the loop stops.
    void cancelJob() { cancelled_ = true; }
    bool jobCancelled() const { return cancelled_; }
    // pageLength back to 11 inches; true when the driver made the copies (its default copy
    // count goes back to 1).
    bool endPrinting();

    // --- group reports printed directly ---
    // The groups a direct print runs through: every group in use, or the chosen one.
    static std::vector<int> groupsToPrint(bool allGroups, int chosenGroup, int groupCount);
    void beginGroupPrinting(bool allGroups);
    // After the last group: the flags cleared and the dashboard shown again.
    void endGroupPrinting();

private:
    int firstPage_ = 1;
    bool wholeReport_ = false;
    int copiesMade_ = 1;  // the copies the loop prints (1 when the driver makes them)
    int pagesPrinted_ = 0;
    bool cancelled_ = false;
    std::string lastPrinter_;
};

// Whether any active publisher belongs to `group`; a group report of an empty group is not shown.
bool groupHasPublishers(const CZelvoDoc& doc, int group);

}  // namespace zelvo::reports
